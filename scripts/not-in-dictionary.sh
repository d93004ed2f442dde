#!/usr/bin/env bash
# How much of real prose the bundled dictionaries miss: checks every document
# of the shared corpus with the bundled default dictionaries (a Release build
# in build-rel/, or $KESTA_BUILD_DIR) and prints the share of the checked
# words marked NOT IN DICTIONARY, then the twenty most frequent such words.
#
#   scripts/not-in-dictionary.sh [--top N] [CORPUS_FOLDER]
#
# The words checked are the checker's own count ("KESta processes N words",
# printed by the quality score before it asks Sigma or Traffic; the answer
# 3 cancels it, so nothing is scored). A NOT IN DICTIONARY marker has
# category 25: Kesta="25NN...".
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${KESTA_BUILD_DIR:-$root/build-rel}"
top=20
if [ "${1:-}" = "--top" ]; then
  top="$2"
  shift 2
fi
corpus="${1:-$root/../shared/corpus}"
kesta="$build/cli/kesta"
custom="$build/custom"
if [ ! -x "$kesta" ] || [ ! -d "$custom/dictionaries" ]; then
  echo "no Release build in $build: cmake -S . -B build-rel -DCMAKE_BUILD_TYPE=Release && cmake --build build-rel" >&2
  exit 2
fi
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# One document: "WORDS<TAB>MARKED" in $work/N.count, the marked words in
# $work/N.words.
check_one() {
  local n="$1" doc="$2"
  local env=(env APTCUSTOM="$custom" KESTA_REGISTRY="$work/registry.$n" KESTA_PROFILE="$work/profile.$n")
  mkdir -p "$work/profile.$n"
  local words
  words=$("${env[@]}" "$kesta" call SixsigmaRead "$doc" --answer 3 -o /dev/null 2>&1 |
    sed -n 's/.*KESta processes \([0-9]*\) words.*/\1/p' | head -1)
  "${env[@]}" "$kesta" check "$doc" -o "$work/$n.xml" 2>/dev/null || true
  # The words inside each category 25 marker, one a line (a CDATA section's
  # wrapping taken off).
  perl -0777 -ne 'while (/Kesta="25[^"]*" HighltBckclr="[0-9A-F]*"\?>(.*?)<\?Pub \/_touchup\?>/gs) {
      my $w = $1; $w =~ s/<!\[CDATA\[|\]\]>//g; $w =~ s/\s+/ /g; print "$w\n" }' "$work/$n.xml" >"$work/$n.words"
  printf '%s\t%s\n' "${words:-0}" "$(wc -l <"$work/$n.words")" >"$work/$n.count"
  rm -f "$work/$n.xml"
}
export -f check_one
export kesta custom work

find "$corpus" -type f \( -iname '*.xml' -o -iname '*.dita' \) | sort | awk '{print NR "\t" $0}' >"$work/list"
while IFS=$'\t' read -r n doc; do printf '%s\0%s\0' "$n" "$doc"; done <"$work/list" |
  xargs -0 -n 2 -P "${JOBS:-4}" bash -c 'check_one "$1" "$2"' _

cat "$work"/*.count | awk -F'\t' -v docs="$(wc -l <"$work/list")" '
  { words += $1; marked += $2 }
  END {
    share = words ? 100 * marked / words : 0
    printf "documents: %d  words checked: %d  NOT IN DICTIONARY: %d  share: %.1f%%\n", docs, words, marked, share
  }'
echo "most frequent NOT IN DICTIONARY words:"
cat "$work"/*.words | tr '[:upper:]' '[:lower:]' | sort | uniq -c | sort -k1,1nr -k2 | head -n "$top"
