#!/bin/sh
# package_test.sh SOURCE-DIR WORK-DIR
# Builds the Debian packages from a copy of the checkout's files in WORK-DIR,
# as `dpkg-buildpackage -us -uc` does in a clean clone (without running the
# tests in it: this suite runs them), and checks what it built:
#   - lintian --pedantic --display-info tags nothing in the package, its
#     debug symbols, the source package or the .changes (what is overridden
#     in debian/ stays quiet);
#   - hardening-check finds every hardening feature in the program, and its
#     debug symbols say every file was compiled with stack-clash and
#     control-flow protection;
#   - unpacked into a fresh root with dpkg -x, the game is whole and starts
#     there (installed_check.sh).
# Skipped (status 77) where Debian's packaging tools or git are missing. The
# compiler's cache is used when ccache is installed: WORK-DIR stays the same
# path from run to run, so a second build is quick.
set -u
source=$1
work=$2
check=$(cd "$(dirname "$0")" && pwd)/installed_check.sh
for need in dpkg-buildpackage:dpkg-dev dh:debhelper lintian:lintian hardening-check:devscripts \
    git:git; do
  command -v "${need%%:*}" >/dev/null 2>&1 && continue
  echo "SKIPPED: ${need%%:*} is not installed (Debian package ${need#*:}; scripts/setup.sh installs it)"
  exit 77
done
if ! git -C "$source" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  echo "SKIPPED: $source is not a git checkout, so which files are the source is unknown"
  exit 77
fi

rm -rf "$work"
mkdir -p "$work/gallowby"
trap 'rm -rf "$work"' EXIT
# The checkout's files, tracked or new, as a clean clone would have them.
git -C "$source" ls-files -z --cached --others --exclude-standard |
  tar -C "$source" --null --files-from=- --ignore-failed-read -cf - 2>/dev/null |
  tar -C "$work/gallowby" -xf - || { echo "FAILED: copying the source"; exit 1; }

if command -v ccache >/dev/null 2>&1; then
  # debhelper gives the build a HOME of its own, so the cache is named.
  CCACHE_DIR=${CCACHE_DIR:-$(ccache -k cache_dir)}
  export CCACHE_DIR CMAKE_CXX_COMPILER_LAUNCHER=ccache
fi
start=$(date +%s)
(cd "$work/gallowby" &&
  DEB_BUILD_OPTIONS="nocheck parallel=$(nproc)" dpkg-buildpackage -us -uc -Pnocheck) \
  >"$work/build.log" 2>&1 || {
  tail -n 60 "$work/build.log"
  echo "FAILED: dpkg-buildpackage (the end of its log above)"
  exit 1
}
echo "dpkg-buildpackage: $(($(date +%s) - start)) s"

arch=$(dpkg --print-architecture)
deb=$work/gallowby_${VERSION}_$arch.deb
[ -s "$deb" ] || { ls "$work"; echo "FAILED: no $(basename "$deb") built"; exit 1; }
failures=0
# Tags come on standard output; standard error may warn of running as root.
tags=$(LC_ALL=C lintian --pedantic --display-info "$work/gallowby_${VERSION}_$arch.changes" \
  2>"$work/lintian.err")
if [ $? -ne 0 ] || [ -n "$tags" ]; then
  printf '%s\n' "$tags"
  cat "$work/lintian.err"
  echo "FAILED: lintian tagged the package (above)"
  failures=$((failures + 1))
fi

# The package installs under /usr.
dpkg -x "$deb" "$work/root"
# A program is marked for control-flow protection only when every object
# linked in is, the C library's start files too; Debian 12's are not, so
# there the mark cannot be asked for (the game's own code is compiled with it).
start_files=$(${CXX:-c++} -print-file-name=Scrt1.o)
cf=--nocfprotection
readelf -n "$start_files" 2>/dev/null | grep -q "x86 feature: IBT, SHSTK" && cf=
hardening-check $cf "$work/root/usr/$PROGRAM_DIR/gallowby" || {
  echo "FAILED: hardening-check (above)"
  failures=$((failures + 1))
}
# hardening-check sees stack-clash protection only in a function with a big
# stack frame; the compiler's own record in the debug symbols tells for every
# file compiled.
dpkg -x "$work/gallowby-dbgsym_${VERSION}_$arch.deb" "$work/dbgsym"
producers=$(find "$work/dbgsym" -name '*.debug' -exec readelf --debug-dump=info {} + 2>/dev/null |
  grep 'DW_AT_producer')
unguarded=$(printf '%s\n' "$producers" | awk '!/-fstack-clash-protection/ || !/-fcf-protection/')
if [ -z "$producers" ] || [ -n "$unguarded" ]; then
  printf '%s\n' "$unguarded"
  echo "FAILED: not compiled with stack-clash and control-flow protection (above), or no debug symbols"
  failures=$((failures + 1))
fi
"$check" "$work/root/usr" || failures=$((failures + 1))
[ "$failures" -eq 0 ] || exit 1
echo "$(basename "$deb"): lintian clean, hardened, whole and starts"
