#!/usr/bin/env bash
# Starts the real program as a user would to write files: --render and
# --export on a disk that fills up (a library loaded into the program cuts
# its writes, or fails its flush, as a full disk does) exit 1 with one line
# and leave the old file as it was; names that are not UTF-8 are kept as
# bytes; an OUT that is IN, a pipe, a device or (for an ordinary user) a
# read-only file is refused with status 1 before anything is written; and a
# value full of control characters, or 128 KiB long, gives one short line.
#   program_files.sh PROGRAM FULL_DISK_SHIM
set -uo pipefail
program=$1
shim=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$work/config"
fail() { echo "FAIL: $*"; exit 1; }
# The sanitizer build wants its runtime first among the loaded libraries;
# the shim comes before it here, which is harmless.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0"

# Runs a command on a disk with ROOM bytes left in $work ("sync": every
# write fits, the flush fails).
on_full_disk() {  # ROOM|sync COMMAND...
  local room=$1
  shift
  if [[ $room == sync ]]; then
    LD_PRELOAD=$shim FRETLAB_DISK_FOLDER=$work FRETLAB_DISK_SYNC_FAILS=1 "$@"
  else
    LD_PRELOAD=$shim FRETLAB_DISK_FOLDER=$work FRETLAB_DISK_ROOM=$room "$@"
  fi
}
# Exit status RC and exactly one line on standard error holding TEXT.
expect() {  # RC TEXT WHAT
  [[ $status -eq $1 ]] || fail "$3: exit status $status, not $1: $(head -c 600 "$work/err")"
  [[ $(wc -l <"$work/err") -eq 1 ]] || fail "$3: not one line: $(head -c 600 "$work/err")"
  grep -qF -- "$2" "$work/err" || fail "$3: the line lacks \"$2\": $(head -c 600 "$work/err")"
}
run() { "$@" >"$work/out" 2>"$work/err"; status=$?; }

# A sequence to export: one open E chord as a quarter note.
sequence=$work/song.fbs
perl -e 'print pack("l<*", 40, 0, 47, 2, 52, 2, 56, 1, 59, 0, 64, 0, 50, 0, 9999)' >"$sequence"

# --- A disk that fills up: status 1, one line, the old file whole.
for out in keep.svg keep.png keep.musicxml; do
  for room in 2048 sync; do
    printf 'old file' >"$work/$out"
    if [[ $out == *.musicxml ]]; then
      run on_full_disk "$room" "$program" --export "$work/$out" "$sequence"
    else
      run on_full_disk "$room" "$program" --render "$work/$out" --root A --scale Dorian
    fi
    expect 1 "No space left on device; free some space or choose another disk" "$out, disk $room"
    [[ $(cat "$work/$out") == "old file" ]] || fail "$out on a full disk ($room) was replaced"
  done
done
[[ -z $(find "$work" -name '.fbs-*') ]] || fail "temporary files left: $(ls -a "$work")"
# The same with room enough writes it.
run on_full_disk 10000000 "$program" --render "$work/keep.svg"
[[ $status -eq 0 ]] || fail "--render with room to spare: $(cat "$work/err")"
grep -q '</svg>' "$work/keep.svg" || fail "the SVG written with room to spare is not whole"

# --- Names that are not UTF-8 are the system's bytes: two such names are
# two files, neither a replacement character.
run "$program" --render "$work/"$'caf\xe9.svg' --root C
[[ $status -eq 0 ]] || fail "--render to a name that is not UTF-8: $(cat "$work/err")"
run "$program" --render "$work/"$'caf\xe8.svg' --root D
[[ -f "$work/"$'caf\xe9.svg' && -f "$work/"$'caf\xe8.svg' ]] || fail "--render did not keep the name's bytes"
[[ -z $(find "$work" -name $'caf\xef\xbf\xbd.svg') ]] || fail "--render wrote a replacement character"
cmp -s "$work/"$'caf\xe9.svg' "$work/"$'caf\xe8.svg' && fail "one picture overwrote the other"

# --- OUT is IN, by its name or through a link: refused, IN as it was.
cp "$sequence" "$work/same.mid"
ln -s same.mid "$work/link.mid"
for out in same.mid link.mid; do
  run "$program" --export "$work/$out" "$work/same.mid"
  expect 1 "That is the input file" "--export onto its input ($out)"
  cmp -s "$sequence" "$work/same.mid" || fail "--export replaced its input through $out"
done

# --- A pipe or a device at OUT: refused at once, left as it is.
mkfifo "$work/pipe.svg" "$work/pipe.mid"
run timeout 20 "$program" --render "$work/pipe.svg"
expect 1 "Is a named pipe (FIFO), not a file" "--render onto a pipe"
run timeout 20 "$program" --export "$work/pipe.mid" "$sequence"
expect 1 "Is a named pipe (FIFO), not a file" "--export onto a pipe"
[[ -p "$work/pipe.svg" && -p "$work/pipe.mid" ]] || fail "a pipe was replaced"
# The superuser links to a device of the test's own, since /dev/null
# itself would be at stake; anyone else to /dev/null.
device=/dev/null
if [[ $(id -u) -eq 0 ]]; then
  device=$work/device
  mknod "$device" c 1 3 || fail "mknod"
fi
ln -s "$device" "$work/null.svg"
ln -s "$device" "$work/null.txt"
run "$program" --render "$work/null.svg"
expect 1 "Is a device, not a file" "--render onto a link to a device"
run "$program" --export "$work/null.txt" "$sequence"
expect 1 "Is a device, not a file" "--export onto a link to a device"
[[ -c $device ]] || fail "the device was replaced"

# --- A read-only OUT, for an ordinary user (the superuser writes anyway):
# both commands refuse it alike, in a folder where the user may write.
mine=$work/mine
mkdir "$mine"
printf 'old file' >"$mine/kept.txt"
printf 'old file' >"$mine/kept.svg"
cp "$sequence" "$mine/song.fbs"
chmod 444 "$mine/kept.txt" "$mine/kept.svg"
as_user=()
if [[ $(id -u) -eq 0 ]]; then
  chmod 755 "$work"
  chown -R 65534:65534 "$mine"
  as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups env HOME="$mine" XDG_CONFIG_HOME="$mine")
fi
run "${as_user[@]}" "$program" --export "$mine/kept.txt" "$mine/song.fbs"
expect 1 "The file is read-only; make it writable or choose another name" "--export onto a read-only file"
run "${as_user[@]}" "$program" --render "$mine/kept.svg"
expect 1 "The file is read-only; make it writable or choose another name" "--render onto a read-only file"
[[ $(cat "$mine/kept.txt") == "old file" && $(cat "$mine/kept.svg") == "old file" ]] ||
  fail "a read-only file was replaced"

# --- Values with control characters, or very long: one short line, every
# character shown, none obeyed.
run "$program" --render "$work/x.svg" --root $'\e[31mC\nD'
expect 2 '--root "\x1B[31mC\nD" is not allowed' "a value with control characters"
grep -q $'\e' "$work/err" && fail "an escape character reached the terminal"
long=$(head -c 131071 /dev/zero | tr '\0' y)  # the longest argument the system passes
run "$program" --render "$work/x.svg" --scale "$long"
expect 2 "…\" is not allowed" "a 128 KiB value"
[[ $(wc -c <"$work/err") -lt 2000 ]] || fail "a 128 KiB value gave a line of $(wc -c <"$work/err") bytes"
run "$program" --export "$work/a.txt" "$sequence" $'--fo\e]0;x\ao'
expect 1 'unknown option "--fo\x1B]0;x\x07o"' "an unknown option with control characters"
run "$program" --midi-out $'x\e[2J' --export "$work/a.txt" "$sequence"
[[ $status -eq 0 ]] || fail "--export beside a --midi-out value: $(cat "$work/err")"
echo "program file checks passed"
