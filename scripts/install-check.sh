#!/usr/bin/env bash
# The install step end to end: installs a build (default build/) to a fresh
# prefix and runs the installed kesta from another folder on a bundled
# sample, with the environment naming no custom folder. Where the system
# allows a private mount (root with unshare), the build folder is hidden
# for that run, as if it were deleted; elsewhere it stays in sight and the
# script says so. The result must be the build tree's own, byte for byte,
# and `kesta register` must record the installed module.
#
#   scripts/install-check.sh [BUILD]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$root/build}" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"

fail() {
  echo "install-check: $*" >&2
  exit 1
}

cmake --install "$build" --prefix "$prefix" >/dev/null
module="$(find "$prefix" -name libkestaepic.so -type f)"
[ -x "$prefix/bin/kesta" ] || fail "no bin/kesta under the prefix"
[ -n "$module" ] || fail "no module under the prefix"
for file in editinit/KestaArbortext.ini dictionaries/TEC.cmp dictionaries/STE.cmp dictionaries/SYN.cmp \
  dictionaries/metric.txt; do
  [ -f "$prefix/share/kesta/custom/$file" ] || fail "no share/kesta/custom/$file under the prefix"
done

mkdir -p "$work/elsewhere" "$work/profile"
cp "$root/data/samples/filter_task.xml" "$work/elsewhere/sample.xml"
cd "$work/elsewhere"
# What the build tree's kesta makes of the sample.
env -u APTCUSTOM KESTA_REGISTRY="$work/built-registry" KESTA_PROFILE="$work/profile" \
  "$build/cli/kesta" check sample.xml -o built.xml 2>/dev/null

installed=(env -u APTCUSTOM KESTA_REGISTRY="$work/registry" KESTA_PROFILE="$work/profile" "$prefix/bin/kesta")
hide=()
if unshare -m true 2>/dev/null; then
  hide=(unshare -m bash -c 'mount -t tmpfs tmpfs "$1" && shift && exec "$@"' _ "$build")
else
  echo "install-check: the build folder stays in sight (no private mount here: it needs root and unshare)" >&2
fi
"${hide[@]}" "${installed[@]}" check sample.xml -o installed.xml 2>"$work/err" ||
  fail "the installed kesta failed: $(cat "$work/err")"
grep -q '<?Pub _touchup' installed.xml || fail "the installed kesta marked nothing"
cmp -s built.xml installed.xml || fail "the installed kesta marks otherwise than the build tree's"
"${hide[@]}" "${installed[@]}" register 2>/dev/null || fail "the installed kesta cannot register its module"
grep -qF "InprocServer32 = $module" "$work/registry" || fail "the registry does not name $module"
echo "install-check: the kesta installed in a fresh prefix checks a sample from another folder"
