#!/usr/bin/env bash
# Installs what building and testing Gallowby needs (Debian packages), then
# configures and builds it in build/. Sourced by play.sh and test.sh.
set -euo pipefail

GALLOWBY_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
GALLOWBY_PACKAGES=(build-essential cmake qt6-base-dev qt6-multimedia-dev qt6-charts-dev libgl-dev libgtest-dev libgmock-dev
                   libbenchmark-dev fonts-dejavu-core desktop-file-utils appstream groff-base dpkg-dev
                   clang-format)

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
