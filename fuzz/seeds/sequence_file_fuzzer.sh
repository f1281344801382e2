#!/usr/bin/env bash
# Writes the sequence file reader fuzzer's seeds into the folder given (run by
# the build): an empty sequence, the open E major chord as a quarter note, two
# chords that carry a fret, each closed by the end word 9999 (0F 27 00 00),
# and the full sequence of 6000 chords and one chord too many, so that the
# fuzzer works at the limit too. Words are little-endian 32-bit; a chord is
# seven (word, word) pairs.
set -euo pipefail
corpus=$1

word() { printf "\\x$(printf %02x $(($1 & 255)))\\x$(printf %02x $((($1 >> 8) & 255)))\\x00\\x00"; }
chord() {  # six notes, six frets, length, carried fret
  local k
  for k in 0 1 2 3 4 5; do
    local n=$((k + 1)) f=$((k + 7))
    word "${!n}"
    word "${!f}"
  done
  word "${13}"
  word "${14}"
}
word 9999 >"$corpus/empty.fbs"
{ chord 40 47 52 56 59 64 0 2 2 1 0 0 50 0; word 9999; } >"$corpus/e_major.fbs"
{
  chord 43 0 55 0 62 0 3 0 5 0 3 0 100 5
  chord 45 0 57 0 0 64 5 0 7 0 0 0 25 12
  word 9999
  printf 'tail'
} >"$corpus/two_chords.fbs"

# Chord i: the open E shape with a few frets and the length varied by i
# (perl-base is part of every Debian system).
sequence() {  # CHORDS FILE
  perl -e 'my $n = shift; for my $i (0 .. $n - 1) {
             my @frets = ($i % 24, 2, 2, 1, 0, ($i * 7) % 24);
             my @notes = (40 + $i % 24, 47, 52, 56, 59, 64 + ($i * 7) % 24);
             print pack("l<*", map({ ($notes[$_], $frets[$_]) } 0 .. 5), ($i * 37) % 1001, 0);
           }
           print pack("l<", 9999);' "$1" >"$2"
}
sequence 6000 "$corpus/full.fbs"
sequence 6001 "$corpus/one_too_many.fbs"  # 56 * 6001 + 4 bytes
