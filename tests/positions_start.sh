#!/usr/bin/env bash
# Starts the real program for positions, triads and voicings: --help names
# --voicings, --position and --triads; --voicings prints one voicing a line
# without a display, exit status 2 and one line for a symbol it cannot read,
# 1 for a chord with no voicing; --render draws a position and triads, and
# refuses in one line a position its tuning does not have.
set -uo pipefail
program=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
no_display=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_CONFIG_HOME="$work/config")

QT_QPA_PLATFORM=offscreen "$program" --help >"$work/help" 2>&1 || fail "--help exited non-zero"
for word in --voicings --position --triads --span --limit; do
  grep -q -- "$word" "$work/help" || fail "--help does not mention $word"
done

"${no_display[@]}" "$program" --voicings C --limit 3 >"$work/out" 2>"$work/err" ||
  fail "--voicings C exited $?: $(cat "$work/err")"
[[ ! -s "$work/err" ]] || fail "--voicings printed an error: $(cat "$work/err")"
[[ "$(head -1 "$work/out")" == "x32010  open  C E G C E" ]] || fail "first voicing: $(head -1 "$work/out")"
[[ $(wc -l <"$work/out") -eq 3 ]] || fail "--limit 3 gave $(wc -l <"$work/out") lines"
"${no_display[@]}" "$program" --voicings=Am7/G --tuning "Drop D" --capo 1 --span 5 >"$work/out" 2>&1 ||
  fail "--voicings with its options: $(cat "$work/out")"

"${no_display[@]}" "$program" --voicings Hm7 >"$work/out" 2>"$work/err"
rc=$?
[[ $rc -eq 2 ]] || fail "an unreadable symbol exited $rc"
[[ ! -s "$work/out" && $(wc -l <"$work/err") -eq 1 ]] || fail "expected one line: $(cat "$work/err")"
grep -q '^fretlab: cannot read the chord symbol "Hm7"' "$work/err" || fail "$(cat "$work/err")"
"${no_display[@]}" "$program" --voicings C13#11 --tuning Bass >"$work/out" 2>"$work/err"
rc=$?
[[ $rc -eq 1 && $(wc -l <"$work/err") -eq 1 ]] || fail "no voicing: exit $rc, $(cat "$work/err")"

"${no_display[@]}" "$program" --render "$work/e.svg" --position caged:E 2>"$work/err" ||
  fail "--render --position: $(cat "$work/err")"
grep -q "<title>C major, E shape — Standard</title>" "$work/e.svg" || fail "the SVG lacks its title"
grep -q ">E shape</text>" "$work/e.svg" || fail "the SVG does not name the shape"
"${no_display[@]}" "$program" --render "$work/t.svg" --triads 2-4 --chord m --root A 2>"$work/err" ||
  fail "--render --triads: $(cat "$work/err")"
grep -q ">first inversion</text>" "$work/t.svg" || fail "the triads are not labelled"
"${no_display[@]}" "$program" --render "$work/x.svg" --position caged:E --tuning DADGAD \
  >"$work/out" 2>"$work/err"
rc=$?
[[ $rc -eq 2 && $(wc -l <"$work/err") -eq 1 ]] || fail "CAGED in DADGAD: exit $rc, $(cat "$work/err")"
grep -q "DADGAD" "$work/err" || fail "the refusal does not name the tuning: $(cat "$work/err")"
[[ ! -e "$work/x.svg" ]] || fail "a refused picture was written"
echo "positions start checks passed"
