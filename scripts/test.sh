#!/usr/bin/env bash
# Everything a fresh clone needs to run the tests: set-up, configure, build
# with warnings as errors under AddressSanitizer and UBSan, run every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
jobs=$(nproc)
cmake -S . -B build-test -DKESTA_SANITIZE=ON -DKESTA_WERROR=ON -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build-test -j "$jobs"
ctest --test-dir build-test --output-on-failure -j "$jobs"
if [ -x scripts/fuzz-smoke.sh ]; then
  bash scripts/fuzz-smoke.sh
fi
