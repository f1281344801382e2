#!/usr/bin/env bash
# Starts the real program offscreen and checks what a user sees on the
# terminal: --help lists the sound choices, --version answers, an output that
# cannot start says so in one line and the program keeps running silently,
# the log output records what a sequence named on the command line does
# not play by itself (nothing until the user asks), and a file named by
# bytes that are not UTF-8 is opened by them, never waited on (and --export
# takes such names too), and --listen names the note in a sound file and
# refuses a broken one in one line.
set -uo pipefail
program=$1
work=$(mktemp -d)
trap 'kill "${pid:-0}" 2>/dev/null; rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen
fail() { echo "FAIL: $*"; exit 1; }
# Waits up to 20 s (a loaded machine starts slowly) until FILE holds a line
# that begins with PREFIX.
wait_for_line() {
  local file=$1 prefix=$2
  for _ in $(seq 200); do
    grep -q "^$prefix" "$file" 2>/dev/null && return 0
    sleep 0.1
  done
  return 1
}

"$program" --help >"$work/help" 2>&1 || fail "--help exited non-zero"
for word in --midi-out synth alsa:NAME log:FILE none --soundfont --version --export --listen; do
  grep -q -- "$word" "$work/help" || fail "--help does not mention $word"
done
"$program" --version | grep -Eq '^Fretlab [0-9]+\.[0-9]+' || fail "--version"

# A log file in a folder that does not exist: one clear line, still running.
"$program" --midi-out "log:$work/no/such/folder/x.log" >"$work/out" 2>"$work/err" &
pid=$!
wait_for_line "$work/err" 'fretlab: '
sleep 1
kill -0 "$pid" 2>/dev/null || fail "the program ended with an unusable output: $(cat "$work/err")"
kill "$pid"; wait "$pid" 2>/dev/null
lines=$(grep -c '^fretlab: ' "$work/err")
[[ $lines -eq 1 ]] || fail "expected one line about the output, got $lines: $(cat "$work/err")"
grep -q "x.log" "$work/err" || fail "the message does not name the log file"

# A working log output with a sequence file to open: the program starts,
# opens it, and sounds nothing by itself.
printf '\x0f\x27\x00\x00' >"$work/empty.fbs"
"$program" --midi-out "log:$work/play.log" "$work/empty.fbs" >"$work/out" 2>"$work/err" &
pid=$!
for _ in $(seq 200); do [[ -f "$work/play.log" ]] && break; sleep 0.1; done
sleep 1
kill -0 "$pid" 2>/dev/null || fail "the program ended: $(cat "$work/err")"
kill "$pid"; wait "$pid" 2>/dev/null
[[ -f "$work/play.log" ]] || fail "the log output was not created"
[[ ! -s "$work/play.log" ]] || fail "something was played at start: $(cat "$work/play.log")"
grep -q '^fretlab: ' "$work/err" && fail "unexpected message: $(cat "$work/err")"
# A file named by bytes that are not UTF-8 is opened by those very bytes, and
# when it is a named pipe the program lets go of it at once instead of
# waiting on it. The writer below waits until a reader opens the pipe (which
# proves the name reached the system intact), then tries to write: that
# fails only when nobody reads any longer.
pipe=$work/$'bad\xff\xfe.fbs'
mkfifo "$pipe"
timeout 20 bash -c '
  exec 3>"$1" || exit 3
  sleep 1
  trap "" PIPE
  if echo x >&3 2>/dev/null; then exit 4; fi
  exit 0' _ "$pipe" &
writer=$!
"$program" --midi-out none "$pipe" >"$work/out" 2>"$work/err" &
pid=$!
wait "$writer"
case $? in
  0) ;;
  124) fail "the program did not open the file by its own bytes" ;;
  4) fail "the program waits on a named pipe" ;;
  *) fail "the pipe check could not run" ;;
esac
kill -0 "$pid" 2>/dev/null || fail "the program ended on a named pipe: $(cat "$work/err")"
kill "$pid"; wait "$pid" 2>/dev/null

# --export reads and writes the files it is given by their own bytes too.
cp "$work/empty.fbs" "$work/"$'in\xff.fbs'
"$program" --export "$work/"$'out\xfe.txt' "$work/"$'in\xff.fbs' >"$work/out" 2>"$work/err" ||
  fail "--export of a file named by bytes that are not UTF-8: $(cat "$work/err")"
[[ -f "$work/"$'out\xfe.txt' ]] || fail "--export did not write the file by its own bytes"
# --listen: a stereo WAV holding A3 (220 Hz with its harmonics) from 0.5 s
# to 1.7 s is one line naming A3, with no display; a file that is no sound
# file is one line and status 2.
/usr/bin/python3 - "$work/a3.wav" <<'PY'
import math, struct, sys, wave
rate = 44100
with wave.open(sys.argv[1], "wb") as w:
    w.setnchannels(2); w.setsampwidth(2); w.setframerate(rate)
    frames = bytearray()
    for i in range(2 * rate):
        t = i / rate
        s = 0.0
        if 0.5 <= t < 1.7:
            s = 0.12 * sum(math.sin(2 * math.pi * 220 * k * (t - 0.5)) / k for k in range(1, 9))
        v = int(s * 32767)
        frames += struct.pack("<hh", v, v)
    w.writeframes(bytes(frames))
PY
env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM= "$program" --listen "$work/a3.wav" \
  >"$work/out" 2>"$work/err" || fail "--listen of a WAV file: $(cat "$work/err")"
[[ ! -s "$work/err" ]] || fail "--listen printed to stderr: $(cat "$work/err")"
grep -Eqx '[0-9]+ [0-9]+ A3 57 [+-][0-9]+' "$work/out" && [[ $(wc -l <"$work/out") -eq 1 ]] ||
  fail "--listen of A3 printed: $(cat "$work/out")"
echo "not a sound file" >"$work/broken.wav"
"$program" --listen "$work/broken.wav" >"$work/out" 2>"$work/err"
[[ $? -eq 2 ]] || fail "--listen of a broken file did not exit with status 2"
[[ $(wc -l <"$work/err") -eq 1 && ! -s "$work/out" ]] ||
  fail "--listen of a broken file: $(cat "$work/out" "$work/err")"
grep -q "broken.wav" "$work/err" || fail "the message does not name the file: $(cat "$work/err")"

echo "program start checks passed"
