#!/usr/bin/env bash
# Builds the .deb, unpacks it into a scratch root and starts the installed program there on
# the offscreen platform: it must come up and keep running until stopped.
set -euo pipefail
build=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

(cd "$build" && cpack -G DEB -B "$root/out" >/dev/null)
deb=$(ls "$root"/out/*.deb)
dpkg-deb --field "$deb" Depends | grep -q libqt6widgets6 || { echo "no Qt dependency"; exit 1; }
dpkg -x "$deb" "$root/install"
for file in usr/bin/tsvetoznak usr/share/applications/org.example.Tsvetoznak.desktop \
            usr/share/metainfo/org.example.Tsvetoznak.metainfo.xml \
            usr/share/icons/hicolor/16x16/apps/org.example.Tsvetoznak.xpm \
            usr/share/icons/hicolor/32x32/apps/org.example.Tsvetoznak.xpm \
            usr/share/icons/hicolor/scalable/apps/org.example.Tsvetoznak.svg; do
    [ -f "$root/install/$file" ] || { echo "missing from the package: $file"; exit 1; }
done

status=0
QT_QPA_PLATFORM=offscreen timeout 3 "$root/install/usr/bin/tsvetoznak" >"$root/log" 2>&1 \
    || status=$?
if [ "$status" -ne 124 ]; then
    echo "the installed program ended on its own with status $status:"
    cat "$root/log"
    exit 1
fi
echo "debian package: passed"
