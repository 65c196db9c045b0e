#!/usr/bin/env bash
# Builds the Debian package, has lintian check it against Debian's policy (no error, no warning),
# unpacks it into a scratch root and starts the installed program far enough to load all its
# data: it must still be running after a few seconds, silent.
# usage: package.sh BUILD_DIR
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$build" && cpack -G DEB -B "$work/out" >/dev/null)
deb=$(ls "$work"/out/*.deb)
dpkg -x "$deb" "$work/root"

fail() { echo "FAIL: $*" >&2; exit 1; }
lintian --fail-on error,warning "$deb" || fail "lintian finds fault with the package"
root=$work/root/usr
[ "$(readlink -f "$root/games/fitzel")" = "$root/lib/fitzel/fitzel" ] || fail "no launcher in games"
[ -f "$root/share/man/man6/fitzel.6.gz" ] || fail "no manual page"
for f in Shapes.dat Config.cfg GridEmpty.bmp 01.bmp 35.bmp; do
    [ -f "$root/lib/fitzel/$f" ] || fail "$f not beside the program"
done
for f in applications/com.example.Fitzel.desktop metainfo/com.example.Fitzel.metainfo.xml \
    icons/hicolor/{16x16,32x32,48x48,64x64,128x128,256x256}/apps/com.example.Fitzel.png; do
    [ -f "$root/share/$f" ] || fail "no $f"
done
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || fail "the package does not depend on Qt"

# A data file that could not be loaded would end the program with a message on stderr.
status=0
HOME=$work/home QT_QPA_PLATFORM=offscreen timeout 5 "$root/games/fitzel" 2>"$work/stderr" || status=$?
[ "$status" -eq 124 ] || fail "the program ended with status $status: $(cat "$work/stderr")"
if grep -v -e '^QStandardPaths' -e 'propagateSizeHints' "$work/stderr" | grep -q .; then
    fail "the program complained: $(cat "$work/stderr")"
fi
echo "package $(basename "$deb") installs and starts"
