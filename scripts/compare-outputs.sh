#!/usr/bin/env bash
# Shows that a change leaves the results of a check as they were: runs
# `kesta check` over every document of the shared corpus, of data/samples and
# the benchmark's generated documents, and keeps the marked output, the status
# lines and the exit status of each.
#
#   scripts/compare-outputs.sh record    # before the change: the baseline
#   scripts/compare-outputs.sh compare   # after it: byte for byte the same?
#
# Environment:
#   KESTA_BUILD_DIR    the build to run (default build-rel, a Release build;
#                      configured and built here when needed)
#   KESTA_COMPARE_DIR  where the baseline lives (default build-compare, beside
#                      the build folders and like them not under version control)
#   KESTA_CORPUS       the corpus folder (default ../shared/corpus)
#   JOBS               checks run at once (default 4)
#   APTCUSTOM          the custom folder (settings, dictionaries) that
#                      `kesta check` reads; the build's own when unset. Keep
#                      a baseline of its own (KESTA_COMPARE_DIR) for each.
#
# The generated documents are written once, when recording, and kept with
# the baseline, so that a later change to the benchmark does not move them.
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build="${KESTA_BUILD_DIR:-$root/build-rel}"
store="${KESTA_COMPARE_DIR:-$root/build-compare}"
corpus="${KESTA_CORPUS:-$root/../shared/corpus}"
jobs="${JOBS:-4}"

usage() {
  echo "usage: $0 record|compare" >&2
  exit 2
}
[ $# -eq 1 ] || usage
action="$1"
case "$action" in record | compare) ;; *) usage ;; esac

if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DKESTA_TESTS=OFF >&2
fi
cmake --build "$build" -j "$jobs" --target kesta bench_check_documents >&2

if [ "$action" = record ]; then
  rm -rf "$store"
  mkdir -p "$store/generated"
  echo "writing the generated documents (runs the benchmark once)..." >&2
  "$build/bench/bench_check_documents" "$corpus" --save "$store/generated" >&2
elif [ ! -d "$store/generated" ]; then
  echo "no baseline in $store: run '$0 record' first" >&2
  exit 2
fi

# The documents, each with the name its results are kept under.
list="$(mktemp)"
work="$(mktemp -d)"
trap 'rm -rf "$list" "$work"' EXIT
{
  (cd "$corpus" && find . -type f ! -name '*.md' | sort | sed "s|^\./|corpus/|")
  (cd "$root/data/samples" && find . -type f -name '*.xml' | sort | sed "s|^\./|samples/|")
  (cd "$store/generated" && find . -type f -name '*.xml' | sort | sed "s|^\./|generated/|")
} >"$list"

source_of() {
  case "$1" in
    corpus/*) echo "$corpus/${1#corpus/}" ;;
    samples/*) echo "$root/data/samples/${1#samples/}" ;;
    generated/*) echo "$store/generated/${1#generated/}" ;;
  esac
}
export -f source_of
export corpus root store build

if [ "$action" = record ]; then out="$store/results"; else out="$work/results"; fi
mkdir -p "$out"
export out
# Report files and the like go to a folder of their own, not to $HOME.
export KESTA_PROFILE="$work/profile"
mkdir -p "$KESTA_PROFILE"

check_one() {
  local name="$1" src dest
  src="$(source_of "$name")"
  dest="$out/$name"
  mkdir -p "$(dirname "$dest")"
  set +e
  "$build/cli/kesta" check "$src" -o "$dest.marked" 2>"$dest.status"
  local status=$?
  # kesta names the file it wrote: the baseline's folder and this run's differ.
  sed -i "s|^kesta: wrote $out/|kesta: wrote |" "$dest.status"
  echo "exit $status" >>"$dest.status"
  set -e
}
export -f check_one

count="$(wc -l <"$list")"
echo "$action: checking $count documents with $build/cli/kesta ..." >&2
start=$(date +%s)
tr '\n' '\0' <"$list" | xargs -0 -P "$jobs" -I{} bash -c 'check_one "$1"' _ {}
echo "done in $(($(date +%s) - start)) s" >&2

if [ "$action" = record ]; then
  echo "baseline of $count documents kept in $store/results" >&2
  exit 0
fi

if diff -r -q "$store/results" "$out" >"$work/diff.txt"; then
  echo "identical: all $count documents give the same marked output and status lines" >&2
  exit 0
fi
echo "DIFFERENT ($(wc -l <"$work/diff.txt") files):" >&2
head -n 40 "$work/diff.txt" >&2
first="$(grep -m1 '^Files ' "$work/diff.txt" | awk '{print $2, $4}')"
if [ -n "$first" ]; then
  # shellcheck disable=SC2086
  diff $first | head -n 20 >&2 || true
fi
exit 1
