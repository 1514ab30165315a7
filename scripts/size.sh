#!/usr/bin/env bash
# Prints the size of the code and of its tests in non-blank lines, and their
# ratio. Code: the C++, Python and shell under src/, tools/, bench/ and
# scripts/. Tests: the C++ under tests/ (the test scripts are shown apart).
# The project keeps the tests at about a quarter to a third of the code.
# Usage: scripts/size.sh
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

# Non-blank lines of the files under the given folders whose names end in one
# of the extensions (a space-separated list).
nonblank() {
  local exts=$1
  shift
  local -a names=()
  for ext in $exts; do names+=(-o -name "*.$ext"); done
  find "$@" -type f \( "${names[@]:1}" \) -print0 | xargs -0 -r cat | grep -cv '^[[:space:]]*$' || true
}

code=$(nonblank "cpp h py sh" src tools bench scripts)
tests=$(nonblank "cpp h" tests)
scripts=$(nonblank "py sh" tests)
ratio=$(awk -v t="$tests" -v c="$code" 'BEGIN { printf "%.3f", t / c }')
printf 'code   %6d  non-blank lines of C++, Python and shell in src tools bench scripts\n' "$code"
printf 'tests  %6d  non-blank lines of C++ in tests\n' "$tests"
printf 'ratio   %s  tests / code (the aim: 0.250 to 0.333)\n' "$ratio"
printf '        (%d more non-blank lines of test scripts (Python, shell) in tests)\n' "$scripts"
