#!/usr/bin/env bash
# Downloads the word data the dictionary generators of this folder read, so
# that they run offline afterwards:
#   retext-simplify (npm, MIT): its plain-language pairs (lib/patterns.js);
#     only the data is read, none of its code is run
#   SCOWL and WordNet (Debian packages scowl, wordnet-base): which forms of a
#     word exist, and the irregular ones
# Usage: fetch-sources.sh [DIR]   (default: $KESTA_DICT_SOURCES or
#                                  ~/.cache/kesta/dict-sources)
set -euo pipefail
dir="${1:-${KESTA_DICT_SOURCES:-$HOME/.cache/kesta/dict-sources}}"
mkdir -p "$dir"

missing=()
[ -d /usr/share/dict/scowl ] || missing+=(scowl)
[ -f /usr/share/wordnet/verb.exc ] && [ -f /usr/share/wordnet/data.noun ] || missing+=(wordnet-base)
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq "${missing[@]}"
fi

# A fixed version, so that the review in syn_review.tsv matches its data.
simplify_version=8.0.0
if [ ! -f "$dir/retext-simplify/package/lib/patterns.js" ]; then
  tmp="$(mktemp -d)"
  trap 'rm -rf "$tmp"' EXIT
  (cd "$tmp" && npm pack --silent "retext-simplify@$simplify_version" >/dev/null)
  mkdir -p "$dir/retext-simplify"
  tar -xzf "$tmp/retext-simplify-$simplify_version.tgz" -C "$dir/retext-simplify"
fi
echo "sources in $dir"
