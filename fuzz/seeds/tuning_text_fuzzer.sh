#!/usr/bin/env bash
# Seeds for the tuning text: presets in any case, notes in both sign
# styles, blanks of every kind, and texts just outside what is allowed.
#   tuning_text_fuzzer.sh FOLDER
set -euo pipefail
corpus=$1
i=0
for text in "Standard" "drop d" "DADGAD" "7-string" "Bass" "E2 A2 D3 G3 B3 E4" \
            "Eb2 Ab2 Db3 Gb3 Bb3 Eb4" "D♭2 G♭2 B2 E3 A♭3 D♭4" $'B1\tE2  A2\nD3 G3 B3 E4' \
            "C2 G2 D3 A3 E4 A4 D5 G5" "E2 A2 D3" "G9 C10 E10 A10" "Cbb2 F##2 Bb2 Eb3" "x"; do
  printf '%s' "$text" >"$corpus/tuning-$((i++))"
done
