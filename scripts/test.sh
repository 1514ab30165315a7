#!/usr/bin/env bash
# Installs what is missing, builds Gallowby with its tests and runs them all;
# then builds it again under AddressSanitizer, LeakSanitizer and
# UndefinedBehaviorSanitizer (in build-asan) and runs them all once more.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
gallowby_install_missing
export QT_QPA_PLATFORM=offscreen

# ctest's log of the last run holds the soak's totals; show them.
soak_totals() {
  grep -h '^soak: ' "$1/Testing/Temporary/LastTest.log" || true
}

gallowby_build "$GALLOWBY_ROOT/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
# The longest tests mostly wait (on the game's clock, the network, a window or
# the sound server), so twice as many run at once as there are processors.
ctest --test-dir "$GALLOWBY_ROOT/build" --output-on-failure -j "$(($(nproc) * 2))" -LE package
soak_totals "$GALLOWBY_ROOT/build"
# The Debian package, built whole from the checkout and checked.
ctest --test-dir "$GALLOWBY_ROOT/build" --output-on-failure -L package

# The Debian package was built and checked once above; not again here.
gallowby_build "$GALLOWBY_ROOT/build-asan" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DGALLOWBY_SANITIZE=ON -DGALLOWBY_BENCH=OFF -DGALLOWBY_PACKAGE_TEST=OFF
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir "$GALLOWBY_ROOT/build-asan" --output-on-failure -j "$(nproc)"
soak_totals "$GALLOWBY_ROOT/build-asan"
