#!/usr/bin/env bash
# Installs the word data the dictionary generators read (make_tec.py): the
# Debian packages wordnet-base (WordNet 3.0 noun data) and scowl (word lists
# by size level). Only to regenerate data/dictionaries: the build and the
# tests use the committed sources and need none of this.
set -euo pipefail
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
missing=()
[ -f /usr/share/wordnet/data.noun ] || missing+=(wordnet-base)
[ -d /usr/share/dict/scowl ] || missing+=(scowl)
if [ "${#missing[@]}" -gt 0 ]; then
  $sudo apt-get update
  $sudo apt-get install -y "${missing[@]}"
fi
echo "WordNet: /usr/share/wordnet  SCOWL: /usr/share/dict/scowl"
