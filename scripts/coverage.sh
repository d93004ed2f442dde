#!/usr/bin/env bash
# Line coverage of the checker's code by the test suite: builds with gcov
# counters (g++ --coverage, no sanitizers) in build-coverage/, runs every
# test, and prints the share of the code's executable lines that ran at
# least once. Only the code folders count (not tests/, not the system's
# headers); a line in a header counts once however many files include it.
# A failed test is named and the figure still printed, but the script then
# ends with a failure status.
#   scripts/coverage.sh            build, test, print the figure
#   scripts/coverage.sh --report   as above, then the figure of each file
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build=$(realpath -m "${KESTA_COVERAGE_DIR:-build-coverage}")
jobs=${JOBS:-4}

code_dirs=(platform module engine rules quality tools resources host commands editor cli dictbuild)

# The compiler cache is left out: a cached object would carry the counters'
# file names of the build that made it.
env -u CMAKE_CXX_COMPILER_LAUNCHER cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug \
  -DKESTA_SANITIZE=OFF -DKESTA_BENCH=OFF -DCMAKE_CXX_COMPILER_LAUNCHER= \
  -DCMAKE_CXX_FLAGS="--coverage -O0" -DCMAKE_EXE_LINKER_FLAGS=--coverage \
  -DCMAKE_SHARED_LINKER_FLAGS=--coverage >/dev/null
cmake --build "$build" -j "$jobs" >/dev/null

# Counters from an earlier run would add to this one's.
find "$build" -name '*.gcda' -delete
# A failed test still leaves its counters, so the figure is printed; the
# script then ends with a failure status.
failed=0
ctest --test-dir "$build" -j "$jobs" >"$build/coverage-ctest.log" 2>&1 || {
  failed=1
  echo "coverage: some tests failed (see $build/coverage-ctest.log)" >&2
  tail -20 "$build/coverage-ctest.log" >&2
}

pattern="^$root/($(IFS='|'; echo "${code_dirs[*]}"))/"
report=0
[ "${1:-}" = "--report" ] && report=1

# gcov -t writes each annotated source to standard output: a "Source:" line,
# then "count: line: text" for every line ("-" not executable, "#####" not
# run). Lines are keyed by file and number and count as run if any object
# ran them.
find "$build" -name '*.gcda' -print0 | (cd "$build" && xargs -0 gcov -t 2>/dev/null) |
  awk -v pattern="$pattern" -v root="$root/" -v report="$report" '
    {
      split($0, f, ":")
      count = f[1]; gsub(/ /, "", count)
      num = f[2]; gsub(/ /, "", num)
      if (num == "0" && f[3] == "Source") {
        src = substr($0, index($0, "Source:") + 7)
        keep = (src ~ pattern)
        next
      }
      if (!keep || count == "-" || num == "0") next
      key = src ":" num
      if (!(key in seen)) { seen[key] = 1; file_lines[src]++ }
      if (count != "#####" && count != "=====" && !(key in hit)) {
        hit[key] = 1; file_hit[src]++
      }
    }
    END {
      for (k in seen) total++
      for (k in hit) ran++
      if (report) {
        for (s in file_lines) {
          name = substr(s, length(root) + 1)
          printf "%6.1f%%  %5d/%-5d %s\n", 100 * file_hit[s] / file_lines[s], file_hit[s], file_lines[s], name | "sort -n"
        }
        close("sort -n")
      }
      printf "line coverage: %.1f%% (%d of %d lines)\n", (total ? 100 * ran / total : 0), ran, total
    }'
exit "$failed"
