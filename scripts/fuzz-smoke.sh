#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (AddressSanitizer and UBSan on) and
# runs each briefly, the same way every time, so that a run passes or fails
# as the one before did: from its seeds only (fuzz/seeds/NAME), with a
# fixed seed and a fixed number of runs, without the values compared in the
# run as hints for its changes (-use_cmp=0: libxml2 hashes with a seed of
# its own, and addresses are compared too), and without address space
# randomization where the system allows it (setarch -R; where it does not,
# the script says so, and a run may now and then take other paths). The
# number of runs per target (below) gives about 20 s each, 15 s for
# check_close_fuzz, on a developer's machine.
#
# A target that fails does not stop the others; the script ends with
# status 1 when any failed. For each failure it prints the reason (the end
# of the fuzzer's output: the failing property or the sanitizer report),
# where its whole output was kept (build-fuzz/logs/NAME.log) and where the
# failing input was kept (build-fuzz/artifacts/NAME/); run the target on
# that file to see it again.
#
# For a real fuzzing session:
#   FUZZ_SEED=N          another fixed seed (default 1)
#   FUZZ_RUNS=N          N runs for every target instead of the table below
#   FUZZ_SECONDS=S       a time budget of S seconds per target instead of a
#                        number of runs, from a random seed unless FUZZ_SEED
#                        is set; check_close_fuzz gets CHECK_CLOSE_SECONDS
#                        (default: FUZZ_SECONDS). The inputs found are kept
#                        in build-fuzz/corpus/NAME and the next session with
#                        FUZZ_SECONDS starts from them too.
set -euo pipefail
cd "$(dirname "$0")/.."
shopt -s nullglob
sources=(fuzz/*_fuzz.cpp)
if [ ${#sources[@]} -eq 0 ]; then
  echo "fuzz: no targets"
  exit 0
fi

# Runs per target, seeds included: about 20 s each on one core of the
# machine they were set on. check_close_fuzz has more seeds than runs: it
# runs its seeds alone (about 15 s).
runs_for() {
  case "$1" in
    check_close_fuzz) echo 130 ;;
    dictload_fuzz) echo 20000 ;;
    editor_acl_fuzz) echo 18000 ;;
    editor_xml_fuzz) echo 120000 ;;
    engine_passes_fuzz) echo 30000 ;;
    finding_menu_fuzz) echo 90000 ;;
    marking_fuzz) echo 250000 ;;
    rule_helpers_fuzz) echo 85000 ;;
    tokenizer_fuzz) echo 180000 ;;
    *) echo 10000 ;;
  esac
}

# The fuzzer's output from its first report line on (UBSan's "runtime
# error", a sanitizer's or libFuzzer's "==PID==ERROR", and what follows),
# with the few lines the target printed before it; the last lines where
# there is no such line.
# Long lines (documents, input bytes) are cut.
reason() {
  local log="$1" first
  first=$(grep -n -m1 -E 'runtime error:|^==[0-9]+== ?(ERROR|WARNING)|^ERROR: libFuzzer' "$log" | cut -d: -f1 || true)
  if [ -n "$first" ]; then
    tail -n "+$((first > 3 ? first - 3 : 1))" "$log"
  else
    tail -n 30 "$log"
  fi | grep -v -E '^(Base64|0x[0-9a-f]+,)' | cut -c1-300
}

# The same addresses in every run, where the system allows it.
fixed=(setarch "$(uname -m)" -R)
if [ -z "${FUZZ_SECONDS:-}" ] && ! "${fixed[@]}" true 2>/dev/null; then
  fixed=()
  echo "fuzz: address space randomization cannot be turned off here: a run may take other paths than the last"
fi

CXX=clang++ cmake -S . -B build-fuzz -DKESTA_FUZZ=ON -DKESTA_SANITIZE=ON -DKESTA_WERROR=ON -DKESTA_TESTS=OFF \
  -DKESTA_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j "$(nproc)"
mkdir -p build-fuzz/logs
failed=()
for src in "${sources[@]}"; do
  name=$(basename "$src" .cpp)
  seeds=()
  [ -d "fuzz/seeds/$name" ] && seeds=("fuzz/seeds/$name")
  artifacts="build-fuzz/artifacts/$name"
  mkdir -p "$artifacts"
  log="build-fuzz/logs/$name.log"
  if [ -n "${FUZZ_SECONDS:-}" ]; then
    seconds="$FUZZ_SECONDS"
    [ "$name" = check_close_fuzz ] && seconds="${CHECK_CLOSE_SECONDS:-$FUZZ_SECONDS}"
    corpus="build-fuzz/corpus/$name"
    mkdir -p "$corpus"
    budget=(-max_total_time="$seconds" -seed="${FUZZ_SEED:-0}")
    runner=()
    echo "fuzz: $name for ${seconds}s"
  else
    # A fresh working folder each time: what an earlier run found is no
    # starting point, and nothing reloads it during the run.
    runs="${FUZZ_RUNS:-$(runs_for "$name")}"
    corpus="build-fuzz/corpus-run/$name"
    rm -rf "$corpus"
    mkdir -p "$corpus"
    budget=(-runs="$runs" -seed="${FUZZ_SEED:-1}" -reload=0 -use_cmp=0)
    runner=("${fixed[@]}")
    echo "fuzz: $name, $runs runs"
  fi
  # libFuzzer ends non-zero on a failed property, a sanitizer report, a
  # leak, a timeout or running out of memory.
  if "${runner[@]}" "build-fuzz/fuzz/$name" "${budget[@]}" -rss_limit_mb=2048 -print_final_stats=0 \
    -artifact_prefix="$artifacts/" "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    echo "fuzz: $name passed ($(grep -E '^Done [0-9]+ runs' "$log" | tail -n 1 || true))"
  else
    status=$?
    echo "fuzz: $name FAILED (status $status); the end of its output:"
    reason "$log" | sed 's/^/  | /' || true
    kept=$(grep -o 'Test unit written to .*' "$log" | tail -n 1 | sed 's/^Test unit written to //' || true)
    echo "fuzz: $name: the failing input was kept at ${kept:-(none written)}; the whole output is in $log"
    failed+=("$name")
  fi
done
if [ ${#failed[@]} -ne 0 ]; then
  echo "fuzz: FAILED: ${failed[*]}"
  exit 1
fi
echo "fuzz: all targets passed"
