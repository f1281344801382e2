#!/usr/bin/env bash
# Seeds for the typed texts: a byte choosing the reader (0 chord symbol, 1 a
# scale of the user's own, 2 a note name), then the text as typed.
#   chord_symbol_fuzzer.sh FOLDER
set -euo pipefail
corpus=$1
i=0
for text in "C" "Am7/G" "G7b9" "D/F#" "Cmaj7" "F#m7b5" "C6/9" "Bbsus4" "E7#9" "C5" "Xyz"; do
  printf "\\x00%s" "$text" >"$corpus/chord-$((i++))"
done
for text in "1 b2 3 4 5 b6 b7" "E F G# A B C D" "1 3" "C C# D"; do
  printf "\\x01%s" "$text" >"$corpus/scale-$((i++))"
done
for text in "h" "B" "fis" "Es" "Do" "Ré#" "Bb" "x"; do
  printf "\\x02%s" "$text" >"$corpus/name-$((i++))"
done
