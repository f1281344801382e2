#!/usr/bin/env bash
# Seeds for typed answers: a byte choosing the key and question, then what
# the student typed (names and degrees, with blanks around).
#   typed_answer_fuzzer.sh FOLDER
set -euo pipefail
corpus=$1
i=0
for text in "C" " c# " "Db" "E♭" "R" "r" "1" "b3" "♭3" "#4" "9" "♭13" "bb7" "14" "3 "; do
  printf "\\x$(printf %02x $((i * 37 % 256)))%s" "$text" >"$corpus/answer-$((i++))"
done
