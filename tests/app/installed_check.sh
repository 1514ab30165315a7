#!/bin/sh
# installed_check.sh PREFIX
# Checks the game installed under PREFIX (by `cmake --install`, or from the
# Debian package) is whole and starts there:
#   - the program, the menu entry, the icons, the metadata and the manual page
#     are where a desktop looks for them;
#   - the program finds every bitmap and sound it needs in its data folder
#     and says which folder that is (--check-files);
#   - --version names the project's version on its first line, then the licence;
#   - on the offscreen platform it opens the options form and ends with
#     status 0 when the form is closed (--quit-after);
#   - a spoilt installation is caught, each spoilt file named. This spoils
#     the installation under PREFIX: give it one made for the test.
# The folders come from the build (PROGRAM_DIR, DATA_DIR, DATADIR, MANDIR,
# APPSTREAM_ID, VERSION in the environment).
set -u
prefix=$1
failures=0
fail() {
  echo "FAILED: $*"
  failures=$((failures + 1))
}

for file in "$PROGRAM_DIR/gallowby" "$DATA_DIR/GAMESP.bmp" "$DATA_DIR/sounds/cheer.wav" \
    "$DATADIR/applications/$APPSTREAM_ID.desktop" "$DATADIR/metainfo/$APPSTREAM_ID.metainfo.xml" \
    "$DATADIR/icons/hicolor/scalable/apps/gallowby.svg" "$MANDIR/man6/gallowby.6.gz"; do
  [ -s "$prefix/$file" ] || fail "$file is not installed"
done
for size in 48 64 128 256; do
  [ -s "$prefix/$DATADIR/icons/hicolor/${size}x$size/apps/gallowby.png" ] ||
    fail "the ${size}x$size icon is not installed"
done
program=$prefix/$PROGRAM_DIR/gallowby
[ -x "$program" ] || fail "$PROGRAM_DIR/gallowby cannot be run"

data=$(cd "$prefix/$DATA_DIR" && pwd -P)
found=$("$program" --check-files) || fail "the installed program is missing files (above)"
[ "$found" = "gallowby: every file the game needs is in $data" ] ||
  fail "--check-files answered '$found', not the data folder $data"

version=$("$program" --version)
[ "$(printf '%s\n' "$version" | head -n 1)" = "gallowby $VERSION" ] ||
  fail "--version answered '$version', not 'gallowby $VERSION' first"
printf '%s\n' "$version" | grep -q "GPL-3.0-or-later" || fail "--version does not name the licence"

QT_QPA_PLATFORM=offscreen timeout 60 "$program" --quit-after 1500
status=$?
[ "$status" -eq 0 ] || fail "the installed game ended with status $status after its form was closed"

rm "$prefix/$DATA_DIR/stumps.bmp"
echo "not a picture" >"$prefix/$DATA_DIR/cball.bmp"
rm "$prefix/$DATA_DIR/sounds/cheer.wav"
troubles=$("$program" --check-files 2>&1) && fail "--check-files passed a spoilt installation"
for name in stumps.bmp cball.bmp cheer.wav; do
  printf '%s\n' "$troubles" | grep -q "/$name: " || fail "--check-files did not name $name"
done

[ "$failures" -eq 0 ] || exit 1
echo "installed under $prefix: whole, and it starts and ends cleanly"
