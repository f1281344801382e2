#!/usr/bin/env bash
# The manual page against the program: man shows it without a warning, its
# title names the version the program reports, and every option that
# --help names (the render and listen options in the texts included) is
# one the page documents.
set -uo pipefail
program=$1
page=$2
fail() { echo "FAIL: $*"; exit 1; }
export LC_ALL=C MANWIDTH=80

warnings=$(man --warnings -l "$page" 2>&1 >/dev/null)
[[ -z "$warnings" ]] || fail "man --warnings -l $page: $warnings"

version=$("$program" --version) || fail "--version exited non-zero"
version=${version#Fretlab }
grep -q "^\.TH FRETLAB 1 .*\"Fretlab ${version//./\\.}\"" "$page" ||
  fail "the page's title does not name version $version"

help=$("$program" --help) || fail "--help exited non-zero"
options=$(grep -o -E -- '(^|[^[:alnum:]-])--?[[:alpha:]?][[:alnum:]-]*' <<<"$help" |
          sed -E 's/^[^-]+//' | sort -u)
[[ $(wc -l <<<"$options") -ge 10 ]] || fail "--help names too few options: $options"
missing=()
while read -r option; do
  escaped=${option//-/\\-}
  grep -qF -- "$escaped" "$page" || missing+=("$option")
done <<<"$options"
[[ ${#missing[@]} -eq 0 ]] || fail "--help names options the page does not: ${missing[*]}"
echo "manual page checks passed ($(wc -l <<<"$options") options)"
