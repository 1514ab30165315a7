#!/bin/sh
# install_test.sh BUILD-DIR
# Installs the game from BUILD-DIR into a fresh prefix with `cmake --install`
# and checks it there (installed_check.sh).
set -u
build=$1
prefix=$(mktemp -d "${TMPDIR:-/tmp}/gallowby-install.XXXXXX")
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null || { echo "FAILED: cmake --install"; exit 1; }
"$(dirname "$0")/installed_check.sh" "$prefix"
