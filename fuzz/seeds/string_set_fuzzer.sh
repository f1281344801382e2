#!/usr/bin/env bash
# Seeds for the drills' strings field: a byte choosing 4 to 8 strings, then
# the field as typed.
#   string_set_fuzzer.sh FOLDER
set -euo pipefail
corpus=$1
i=0
for text in "" "all" "ALL" "1-3, 5" "1–3,5" "6" "2-2" "3-1" "1,,2" "0" "9" " 4 - 6 "; do
  printf "\\x$(printf %02x $((i % 5)))%s" "$text" >"$corpus/strings-$((i++))"
done
