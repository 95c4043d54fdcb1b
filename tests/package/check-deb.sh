#!/usr/bin/env bash
# Builds the .deb and checks it as Debian would: lintian without an error or a warning, library
# dependencies with version floors, everything installed where it belongs, no run path; then
# unpacks it into a scratch root and starts the installed program there on the offscreen
# platform: it must come up and keep running until stopped.
set -euo pipefail
build=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
source "$(dirname "$0")/../support/literals.env"

(cd "$build" && cpack -G DEB -B "$root/out" >/dev/null)
deb=$(ls "$root"/out/*.deb)

# Info tags are not findings; the rest are.
lintian --no-tag-display-limit "$deb" >"$root/lintian" 2>&1 || true
grep -v 'running with root privileges' "$root/lintian" | grep -E '^[EW]:' \
    && fail "lintian reports the above"

depends=$(dpkg-deb --field "$deb" Depends)
for floor in 'libc6 (>= ' 'libgcc-s1 (>= ' 'libstdc++6 (>= ' 'libqt6widgets6 (>= ' \
             'qt6-qpa-plugins' 'fonts-liberation'; do
    [[ $depends == *"$floor"* ]] || fail "Depends lacks '$floor': $depends"
done
[ "$(dpkg-deb --field "$deb" Recommends)" = qt6-wayland ] || fail "Recommends is not qt6-wayland"

dpkg -x "$deb" "$root/install"
files=(usr/bin/$PROGRAM_COMMAND usr/share/applications/$APP_ID.desktop
       usr/share/metainfo/$APP_ID.metainfo.xml
       usr/share/icons/hicolor/scalable/apps/$APP_ID.svg
       usr/share/man/man1/$PROGRAM_COMMAND.1.gz
       usr/share/doc/$PROGRAM_COMMAND/copyright usr/share/doc/$PROGRAM_COMMAND/changelog.gz)
for size in 16 24 32 48 64 128 256; do
    files+=("usr/share/icons/hicolor/${size}x$size/apps/$APP_ID.png")
done
for file in "${files[@]}"; do
    [ -f "$root/install/$file" ] || fail "missing from the package: $file"
done
for size in 16 24 32 48 64 128 256; do
    [ "$(identify -format '%wx%h' \
        "$root/install/usr/share/icons/hicolor/${size}x$size/apps/$APP_ID.png")" \
        = "${size}x$size" ] || fail "the ${size} pixel icon has another size"
done
readelf -d "$root/install/usr/bin/$PROGRAM_COMMAND" | grep -q -E 'RPATH|RUNPATH' \
    && fail "the installed program keeps a run path"
[ "$("$root/install/usr/bin/$PROGRAM_COMMAND" --version)" = "$VERSION_LINE" ] \
    || fail "the installed program does not say its version"

status=0
QT_QPA_PLATFORM=offscreen timeout 3 "$root/install/usr/bin/$PROGRAM_COMMAND" >"$root/log" 2>&1 \
    || status=$?
if [ "$status" -ne 124 ]; then
    echo "the installed program ended on its own with status $status:"
    cat "$root/log"
    exit 1
fi
echo "debian package: passed"
