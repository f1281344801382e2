#!/usr/bin/env bash
# Seeds for the practice history: made by the program's own code
# (history_seeds.cpp, built beside the fuzzers), not kept as files.
#   history_fuzzer.sh CORPUS BUILD
set -euo pipefail
"$2/history_seeds" "$1"
