#!/usr/bin/env bash
# Installs, on a Debian 12 machine and as root, every package the build and
# the tests need. Quick when everything is already there.
set -euo pipefail

packages=(
  build-essential g++ cmake make git
  libgtest-dev libgmock-dev googletest
  clang libclang-rt-14-dev
  libxml2-dev
  libbenchmark-dev
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
