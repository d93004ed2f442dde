#!/usr/bin/env bash
# Counts the lines of the tests (tests/) against the lines of the code (the
# code folders the build lists), C++ sources and headers only, leaving out
# blank lines and lines that hold nothing but a comment. Prints both counts
# and the tests' share of the code as a percentage. The project keeps the
# tests at roughly a quarter to a third of the code.
set -euo pipefail
cd "$(dirname "$0")/.."

code_dirs=(platform module engine rules quality tools resources host commands editor cli dictbuild)

# Lines that are neither blank nor wholly comment. Quoted text (raw strings
# too) is skipped, so a "//" or "/*" inside it is not taken for a comment; a
# block comment or raw string is followed across lines; a line with code
# before or after a comment counts.
count() {
  find "$@" -type f \( -name '*.cpp' -o -name '*.h' \) -print0 | sort -z |
    xargs -0 awk '
      FNR == 1 { state = "code" }
      {
        line = $0
        len = length(line)
        has_code = 0
        i = 1
        while (i <= len) {
          c = substr(line, i, 1)
          two = substr(line, i, 2)
          if (state == "block") {
            if (two == "*/") { state = "code"; i += 2 } else i++
            continue
          }
          if (state == "raw") {
            if (substr(line, i, length(raw_end)) == raw_end) {
              state = "code"; i += length(raw_end)
            } else i++
            has_code = 1
            continue
          }
          if (two == "//") break
          if (two == "/*") { state = "block"; i += 2; continue }
          if (c ~ /[ \t\r]/) { i++; continue }
          has_code = 1
          if (two == "R\"" && (i == 1 || substr(line, i - 1, 1) !~ /[A-Za-z0-9_]/)) {
            rest = substr(line, i + 2)
            paren = index(rest, "(")
            raw_end = ")" substr(rest, 1, paren - 1) "\""
            state = "raw"
            i += 2 + paren
            continue
          }
          if (c == "\"" || c == "\047") {
            q = c
            i++
            while (i <= len) {
              d = substr(line, i, 1)
              if (d == "\\") { i += 2; continue }
              i++
              if (d == q) break
            }
            continue
          }
          i++
        }
        if (has_code) n++
      }
      END { print n + 0 }'
}

existing=()
for d in "${code_dirs[@]}"; do
  [ -d "$d" ] && existing+=("$d")
done

# --by-folder: each test folder's count too.
if [ "${1:-}" = "--by-folder" ]; then
  for d in tests/*/; do
    n=$(count "$d")
    [ "$n" -gt 0 ] && printf '%6d %s\n' "$n" "${d%/}"
  done | sort -rn
fi

code=$(count "${existing[@]}")
tests=$(count tests)
echo "code lines: $code"
echo "test lines: $tests"
awk -v t="$tests" -v c="$code" 'BEGIN { printf "tests/code: %.1f%%\n", (c ? 100 * t / c : 0) }'
