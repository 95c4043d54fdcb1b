#!/usr/bin/env bash
# Builds the Windows program where Qt 6.8 or later is the release's own Qt, whose tools (moc,
# rcc, uic) Qt for Windows must match: Qt's base modules for Windows from Debian's source
# package of qt6-base, kept in CACHE while that source's version and this recipe stay the same,
# then the program against them, its folder, zip and installer in OUT.
#   build.sh CHECKOUT CACHE OUT
# Run as root, with the packages of the Windows build installed (dev.sh does both).
set -euo pipefail
readonly checkout=$(realpath "$1") cache=$(realpath -m "$2") out=$(realpath -m "$3")
readonly here=$checkout/packaging/windows

# The source of the very Qt installed here, from the release's own source lists, which apt is
# given in the cache: the machine's own lists stay as they are.
version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
. /etc/os-release
mkdir -p "$cache/apt/lists/partial" "$cache/source"
cat >"$cache/apt/sources.list" <<EOF
deb-src http://deb.debian.org/debian $VERSION_CODENAME main
deb-src http://deb.debian.org/debian $VERSION_CODENAME-updates main
deb-src http://security.debian.org/debian-security $VERSION_CODENAME-security main
EOF
apt_source() {
    apt-get -o Dir::Etc::SourceList="$cache/apt/sources.list" -o Dir::Etc::SourceParts=/dev/null \
        -o Dir::State::Lists="$cache/apt/lists" "$@"
}

# Built once per source version and recipe, which is these two files: Debian's source of Qt 6.8
# builds for Windows as it is, without a patch.
recipe=$(cat "$here/build-qt.sh" "$here/mingw-w64.cmake" | sha256sum | cut -c 1-12)
qt=$cache/qt-$version-$recipe
if [ ! -e "$qt/built" ]; then
    rm -rf "$cache"/qt-* "$cache/source" "$cache/qt-build"
    mkdir -p "$cache/source"
    apt_source update
    (cd "$cache/source" && apt_source source "qt6-base=$version")
    "$here/build-qt.sh" "$(find "$cache/source" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*')" \
        "$cache/qt-build" "$qt"
    touch "$qt/built"
    rm -rf "$cache/qt-build" "$cache/source"
fi

cmake -S "$checkout" -B "$out" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DCMAKE_BUILD_TYPE=Release
cmake --build "$out" --target package-windows uianames
