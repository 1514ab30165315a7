#!/usr/bin/env bash
# Writes the golden traces anew from their replay scripts, after a change that
# is meant to alter what the game does; review the diff before committing.
# Usage: tests/golden/regenerate.sh [BUILD_DIR]    (BUILD_DIR defaults to build)
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
build="${1:-$here/../../build}"
replay="$build/bin/gallowby-replay"
if [ ! -x "$replay" ]; then
  echo "regenerate.sh: no $replay; build the project first" >&2
  exit 1
fi
export QT_QPA_PLATFORM=offscreen
for script in "$here"/*.replay; do
  "$replay" "$script" > "${script%.replay}.jsonl"
  echo "wrote ${script%.replay}.jsonl"
done
