#!/usr/bin/env bash
# Checks that every C++ file of the project (src, tools, tests, bench) is laid
# out as .clang-format says, by Debian 12's clang-format (version 14). Names
# each file that is not and exits 1; `clang-format -i FILE` puts one right.
# Usage: scripts/check_format.sh [CLANG_FORMAT]
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
format="${1:-clang-format}"

mapfile -d '' files < <(find src tools tests bench -type f \( -name '*.cpp' -o -name '*.h' \) -print0 | sort -z)
# One run over every file; a file off the format is reported as FILE:LINE:COL: error: ...
if report=$(LC_ALL=C "$format" --dry-run --Werror --ferror-limit=1 "${files[@]}" 2>&1); then
  exit 0
fi
off=$(grep -oE '^[^:]+:[0-9]+:[0-9]+: error' <<<"$report" | cut -d: -f1 | sort -u || true)
if [ -z "$off" ]; then
  echo "$report"  # clang-format itself failed
else
  sed 's/^/not formatted: /' <<<"$off"
  echo "$(wc -l <<<"$off") file(s) off .clang-format"
fi
exit 1
