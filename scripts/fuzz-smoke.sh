#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (AddressSanitizer and UBSan on) and
# runs each briefly. FUZZ_SECONDS sets the time per target (default 20);
# check_close_fuzz, which runs a whole check and close per input, runs for
# CHECK_CLOSE_SECONDS (default 10).
set -euo pipefail
cd "$(dirname "$0")/.."
shopt -s nullglob
sources=(fuzz/*_fuzz.cpp)
if [ ${#sources[@]} -eq 0 ]; then
  echo "fuzz: no targets"
  exit 0
fi
seconds="${FUZZ_SECONDS:-20}"
CXX=clang++ cmake -S . -B build-fuzz -DKESTA_FUZZ=ON -DKESTA_SANITIZE=ON -DKESTA_WERROR=ON -DKESTA_TESTS=OFF \
  -DKESTA_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j "$(nproc)"
for src in "${sources[@]}"; do
  name=$(basename "$src" .cpp)
  corpus="build-fuzz/corpus-$name"
  mkdir -p "$corpus"
  seeds=()
  [ -d "fuzz/seeds/$name" ] && seeds=("fuzz/seeds/$name")
  run_seconds="$seconds"
  [ "$name" = check_close_fuzz ] && run_seconds="${CHECK_CLOSE_SECONDS:-10}"
  echo "fuzz: $name for ${run_seconds}s"
  "build-fuzz/fuzz/$name" -max_total_time="$run_seconds" -rss_limit_mb=2048 -print_final_stats=0 \
    "$corpus" "${seeds[@]}" 2>&1 | tail -n 3
  # libFuzzer exits non-zero on a crash, a sanitizer report or a leak.
  status=${PIPESTATUS[0]}
  if [ "$status" -ne 0 ]; then
    echo "fuzz: $name FAILED"
    exit 1
  fi
done
echo "fuzz: all targets passed"
