#!/usr/bin/env bash
# Seeds for --render's options: whole command lines, arguments separated by
# NUL bytes.
#   render_options_fuzzer.sh FOLDER
set -euo pipefail
corpus=$1
line() {  # NAME ARGUMENT...
  local name=$1
  shift
  printf '%s\0' "$@" | head -c -1 >"$corpus/$name"
}
line dorian --render out.svg --tuning DADGAD --root A --scale Dorian --labels intervals --left-handed
line chord --render=e.png --chord "Minor 7" --root e --capo 2 --frets 2-9
line notes --render x.svg --tuning "B1 E2 A2 D3 G3 B3 E4" --arpeggio "Major 7" --labels degrees
line bad --render x.svg --labels colours --frets 9-3 --capo 13
line both --render x.svg --scale Dorian --chord m7
