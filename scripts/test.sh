#!/usr/bin/env bash
# Installs what is missing, builds Gallowby with its tests and runs them all.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
gallowby_install_missing
gallowby_build "$GALLOWBY_ROOT/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$GALLOWBY_ROOT/build" --output-on-failure -j "$(nproc)"
