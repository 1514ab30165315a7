#!/bin/sh
# install_test.sh BUILD-DIR
# Installs the game from BUILD-DIR into a fresh prefix, as `cmake --install`
# and the Debian package do, and checks it is whole and starts there:
#   - the launcher, the program, the menu entry, the icons, the metadata and
#     the manual page are where a desktop looks for them;
#   - the installed program finds every bitmap and sound it needs beside
#     itself (--check-files), and says so when one is missing or spoilt;
#   - it answers --version with the project's version;
#   - started by the launcher on the offscreen platform, it opens the options
#     form and ends with status 0 when the form is closed (--quit-after).
# The folders come from the build (BINDIR, PROGRAM_DIR, DATADIR, MANDIR,
# APPSTREAM_ID, VERSION in the environment).
set -u
build=$1
prefix=$(mktemp -d "${TMPDIR:-/tmp}/gallowby-install.XXXXXX")
trap 'rm -rf "$prefix"' EXIT
failures=0
fail() {
  echo "FAILED: $*"
  failures=$((failures + 1))
}

cmake --install "$build" --prefix "$prefix" >/dev/null || { echo "FAILED: cmake --install"; exit 1; }

for file in "$BINDIR/gallowby" "$PROGRAM_DIR/gallowby" \
    "$DATADIR/applications/$APPSTREAM_ID.desktop" "$DATADIR/metainfo/$APPSTREAM_ID.metainfo.xml" \
    "$DATADIR/icons/hicolor/scalable/apps/gallowby.svg" \
    "$DATADIR/icons/hicolor/64x64/apps/gallowby.png" \
    "$DATADIR/icons/hicolor/128x128/apps/gallowby.png" "$MANDIR/man6/gallowby.6.gz"; do
  [ -s "$prefix/$file" ] || fail "$file is not installed"
done
[ -x "$prefix/$BINDIR/gallowby" ] || fail "the launcher $BINDIR/gallowby cannot be run"

launcher=$prefix/$BINDIR/gallowby
"$launcher" --check-files || fail "the installed program is missing files (above)"

version=$("$launcher" --version)
[ "$version" = "gallowby $VERSION" ] || fail "--version answered '$version', not 'gallowby $VERSION'"

QT_QPA_PLATFORM=offscreen timeout 60 "$launcher" --quit-after 1500
status=$?
[ "$status" -eq 0 ] || fail "the installed game ended with status $status after its form was closed"

# A spoilt installation is caught and each spoilt file named.
program_dir=$prefix/$PROGRAM_DIR
rm "$program_dir/stumps.bmp"
echo "not a picture" >"$program_dir/cball.bmp"
rm "$program_dir/sounds/cheer.wav"
troubles=$("$launcher" --check-files 2>&1) && fail "--check-files passed a spoilt installation"
for name in stumps.bmp cball.bmp cheer.wav; do
  printf '%s\n' "$troubles" | grep -q "/$name: " || fail "--check-files did not name $name"
done

[ "$failures" -eq 0 ] || exit 1
echo "installed in a fresh prefix: whole, and it starts and ends cleanly"
