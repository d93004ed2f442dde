#!/usr/bin/env bash
# Installs, on a Debian 12 machine and as root, every package the build and
# the tests need, and no other. Quick when everything is already there.
# (Regenerating the dictionaries needs more: see the README.)
set -euo pipefail

packages=(
  g++ make cmake                 # the build (CMake's Makefile generator)
  libxml2-dev                    # the stand-in editor's XML parser
  libgtest-dev libgmock-dev      # GoogleTest (the tests link gtest and gmock)
  clang libclang-rt-14-dev       # the fuzz smoke run: clang++ with libFuzzer and the sanitizers
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "setup: all packages present"
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
echo "setup: installing ${missing[*]}"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
