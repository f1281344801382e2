#!/usr/bin/env bash
# Starts the real program as a user would for the Practice window: --help
# names --practice and --render; --render writes SVG and PNG pictures with no
# display at all and refuses a bad value (a tuning typed from the top string
# down among them) in one line with status 2;
# --practice opens the window with the sound options and plays nothing by
# itself; --midi-in without it is set aside with one line and the main window
# opens.
set -uo pipefail
program=$1
work=$(mktemp -d)
trap 'kill "${pid:-0}" 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

QT_QPA_PLATFORM=offscreen "$program" --help >"$work/help" 2>&1 || fail "--help exited non-zero"
# The help wraps its lines: read it as one line.
tr -s ' \n' '  ' <"$work/help" >"$work/help1"
for word in --practice --render --tuning --left-handed "lowest string first" "degrees|names|none"; do
  grep -q -- "$word" "$work/help1" || fail "--help does not mention $word"
done

# No display, no platform chosen: --render finds its own way, quietly.
no_display=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_CONFIG_HOME="$work/config")
"${no_display[@]}" "$program" --render "$work/dorian.svg" --tuning dadgad --root A \
  --scale Dorian --labels intervals >"$work/out" 2>"$work/err"
rc=$?
[[ $rc -eq 0 ]] || fail "--render .svg exited $rc: $(cat "$work/err")"
[[ ! -s "$work/out" && ! -s "$work/err" ]] || fail "--render printed: $(cat "$work/out" "$work/err")"
grep -q "<title>A Dorian — DADGAD</title>" "$work/dorian.svg" || fail "the SVG lacks its title"
grep -q ">R</text>" "$work/dorian.svg" || fail "the SVG lacks the root labels as text"

"${no_display[@]}" "$program" --render "$work/e.png" --chord "Minor 7" --root e --left-handed \
  --capo 2 --frets 2-9 2>"$work/err" || fail "--render .png: $(cat "$work/err")"
[[ "$(head -c 8 "$work/e.png" | od -An -tx1 | tr -d ' \n')" == 89504e470d0a1a0a ]] ||
  fail "not a PNG file"
# Width in the IHDR chunk: 1200 logical pixels at twice the resolution.
[[ "$(dd if="$work/e.png" bs=1 skip=16 count=4 2>/dev/null | od -An -tx1 | tr -d ' \n')" == 00000960 ]] ||
  fail "the PNG is not 2400 pixels wide"

"${no_display[@]}" "$program" --render "$work/x.svg" --labels colours >"$work/out" 2>"$work/err"
rc=$?
[[ $rc -eq 2 ]] || fail "a bad --labels value exited $rc"
[[ $(wc -l <"$work/err") -eq 1 ]] || fail "expected one line, got: $(cat "$work/err")"
grep -q "notes, intervals, degrees, names or none" "$work/err" || fail "the line does not name the values"
[[ ! -e "$work/x.svg" ]] || fail "a refused --render wrote a file"

# A tuning typed from the top string down: refused with the order to use.
"${no_display[@]}" "$program" --render "$work/x.svg" --tuning "E4 B3 G3 D3 A2 E2" >"$work/out" 2>"$work/err"
rc=$?
[[ $rc -eq 2 ]] || fail "a high-to-low --tuning exited $rc"
[[ $(wc -l <"$work/err") -eq 1 ]] || fail "expected one line, got: $(cat "$work/err")"
grep -q 'give the lowest string first: "E2 A2 D3 G3 B3 E4"' "$work/err" ||
  fail "the line does not give the order to use: $(cat "$work/err")"
[[ ! -e "$work/x.svg" ]] || fail "a refused --tuning wrote a file"

# The window with a logged output, settings in a scratch folder: it keeps
# running and sounds nothing until asked.
QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$work/config" \
  "$program" --practice --midi-out "log:$work/play.log" >"$work/out" 2>"$work/err" &
pid=$!
sleep 2
kill -0 "$pid" 2>/dev/null || fail "--practice ended: $(cat "$work/err")"
kill "$pid"; wait "$pid" 2>/dev/null
[[ -f "$work/play.log" ]] || fail "--practice did not open the --midi-out output"
[[ ! -s "$work/play.log" ]] || fail "something was played at start: $(cat "$work/play.log")"
grep -q '^fretlab: ' "$work/err" && fail "unexpected message: $(cat "$work/err")"

# --midi-in without --practice: one line saying where it applies; the main
# window starts as ever.
QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$work/config" \
  "$program" --midi-in keyboard --midi-out "log:$work/main.log" >"$work/out" 2>"$work/err" &
pid=$!
sleep 2
kill -0 "$pid" 2>/dev/null || fail "the main window ended with --midi-in: $(cat "$work/err")"
kill "$pid"; wait "$pid" 2>/dev/null
lines=$(grep -c '^fretlab: ' "$work/err")
[[ $lines -eq 1 ]] || fail "expected one line about --midi-in, got $lines: $(cat "$work/err")"
grep -q -- "--midi-in applies only to the Practice window (fretlab --practice)" "$work/err" ||
  fail "the line does not say where --midi-in applies: $(cat "$work/err")"
[[ ! -s "$work/main.log" ]] || fail "something was played at start: $(cat "$work/main.log")"
echo "practice start checks passed"
