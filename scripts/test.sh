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
# The tests that read the shared corpus skip without it; CTest counts them
# as skipped but shows no test's own words for a skip, so the reason is
# said here.
corpus=$(sed -n 's/^KESTA_CORPUS_DIR:[A-Z]*=//p' build-test/CMakeCache.txt)
# A folder without documents (its notes aside) counts as missing, as in the tests.
if [ -n "$corpus" ] && [ -z "$(find "$corpus" -type f ! -name '*.md' -print -quit 2>/dev/null)" ]; then
  echo "shared corpus not found at $(realpath -m -s "$corpus"): the tests that read it are skipped"
fi
ctest --test-dir build-test --output-on-failure -j "$jobs"
if [ -x scripts/fuzz-smoke.sh ]; then
  bash scripts/fuzz-smoke.sh
fi
