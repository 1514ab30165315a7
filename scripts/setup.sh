#!/usr/bin/env bash
# Installs what building and testing Gallowby needs (Debian packages), then
# configures and builds it in build/. Sourced by play.sh and test.sh.
set -euo pipefail

GALLOWBY_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# The Build-Depends of debian/control, one package name a line: what the build
# and its tests need. A new dependency is written there, once.
gallowby_build_depends() {
  awk '/^[^ \t#]/ { listing = /^Build-Depends:/; sub(/^Build-Depends:/, "") }
       listing && !/^#/' "$GALLOWBY_ROOT/debian/control" |
    tr ',' '\n' | sed -e 's/|.*//' -e 's/[[(<].*//' -e 's/[[:space:]]//g' -e '/^$/d' \
      -e 's/^debhelper-compat$/debhelper/'
}

# What only this checkout's test command needs, beyond what the package build
# does: the compiler and dpkg-buildpackage, the benchmarks, and the tools the
# test that builds the Debian package checks it with, the layout check, and
# the real game played by keys under a virtual X server.
GALLOWBY_TEST_ONLY=(build-essential libbenchmark-dev devscripts lintian git clang-format
                    xvfb xdotool sqlite3)

mapfile -t GALLOWBY_PACKAGES < <(gallowby_build_depends)
GALLOWBY_PACKAGES+=("${GALLOWBY_TEST_ONLY[@]}")

gallowby_install_missing() {
  local missing=()
  for package in "${GALLOWBY_PACKAGES[@]}" "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
      missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
}

# gallowby_build DIR [cmake options...]
gallowby_build() {
  local dir="$1"
  shift
  cmake -S "$GALLOWBY_ROOT" -B "$dir" "$@" >/dev/null
  cmake --build "$dir" -j "$(nproc)"
}
