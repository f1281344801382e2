#!/usr/bin/env bash
# Seeds for note names: every letter, both sign styles, double signs.
#   note_name_fuzzer.sh FOLDER
set -euo pipefail
corpus=$1
i=0
for text in C c F# Bb "D♯" "E♭" "Gbb" "A##" "b♭♭" "C#b" "H" ""; do
  printf '%s' "$text" >"$corpus/name-$((i++))"
done
