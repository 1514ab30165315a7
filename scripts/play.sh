#!/usr/bin/env bash
# Installs what is missing, builds Gallowby and starts it.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
gallowby_install_missing
gallowby_build "$GALLOWBY_ROOT/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
exec "$GALLOWBY_ROOT/build/bin/gallowby"
