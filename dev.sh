#!/usr/bin/env bash
# Sets up a Debian 12 or 13 machine for Цветознак, builds it, then starts the program or the tests.
#   ./dev.sh run    install what is missing, build, start the program
#   ./dev.sh test   install what is missing, build, run every test, then again under the
#                   sanitizers together with the fuzz targets
#   ./dev.sh bench  install what is missing, build in release mode, print the table of speed
#                   and size against a bare Qt window
#   ./dev.sh soak   install what is missing, build in release mode, run a randomized session of
#                   100 000 actions (TSVETOZNAK_SESSION_ACTIONS changes it) and print its pace
#   ./dev.sh test-debian13
#                   make a fresh Debian 13 root, copy the checkout into it and run ./dev.sh test
#                   there, as on a new machine; the log is also kept in build-debian13/test.log
#   ./dev.sh windows
#                   build the Windows program, its zip and its installer into build-windows/,
#                   with Qt for Windows built once from Debian's source of qt6-base and kept in
#                   a cache (TSVETOZNAK_WINDOWS_CACHE, ~/.cache/tsvetoznak-windows); before
#                   Debian 13, in a Debian 13 root kept in that cache
#   ./dev.sh test-windows
#                   install what is missing and test the Windows program under Wine: this
#                   release's, and before Debian 13 also Debian 13's, in the root of the build
# Run as root or as a user who may sudo.
set -euo pipefail
cd "$(dirname "$0")"

build_packages=(cmake ninja-build g++ qt6-base-dev qt6-translations-l10n
                fonts-liberation fonts-dejavu-core)
# The end-to-end tests run the program under its own X server and window manager, and as a
# Wayland client in a compositor of its own, read it over AT-SPI as a screen reader does, and
# listen to it through the screen reader Orca; another program reads what it copies.
test_packages=(xvfb xdotool wmctrl imagemagick openbox x11-utils xclip weston qt6-wayland
               desktop-file-utils appstream dbus-daemon dbus-bin at-spi2-core python3-pyatspi orca
               locales)
# The Debian package is built with its library dependencies worked out, and checked by lintian.
package_packages=(dpkg-dev binutils lintian)
# A second build with clang runs every test under the address and undefined-behaviour
# sanitizers, and the fuzz targets with libFuzzer.
# libclang-rt-dev is the runtime of whichever clang the release calls its default.
sanitize_packages=(clang libclang-rt-dev)

# The Windows program is cross-built with MinGW-w64 against Qt for Windows, which is built with
# the release's own Qt tools of the same version, packaged with NSIS; it is tested under Wine,
# with Wine's own fonts, in a Russian locale.
windows_packages=(cmake ninja-build g++-mingw-w64-x86-64-posix qt6-base-dev qt6-translations-l10n
                  nsis icoutils dpkg-dev ca-certificates)
wine_packages=(wine wine64 fonts-wine fonts-liberation xvfb xdotool openbox x11-utils imagemagick
               locales)
windows_cache=${TSVETOZNAK_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/tsvetoznak-windows}

install_missing() {
    local missing=() package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' \
            || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
}

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# A Debian 13 root, in which ./dev.sh runs as on a machine of that release: in_debian13 ROOT
# copy|bind COMMAND. The root is made with mmdebstrap where ROOT holds none yet; the checkout is
# copied into it as it stands (committed or not, build trees left out), or bound into it; the
# kernel's file systems are bound in and unmounted however the command ends.
mounted_root=""
unmount_root() {
    [ -n "$mounted_root" ] || return 0
    as_root umount -R -l "$mounted_root/work/main" "$mounted_root/proc" "$mounted_root/sys" \
        "$mounted_root/dev" 2>/dev/null || true
    mounted_root=""
}
in_debian13() {
    local root=$1 checkout=$2 command=$3
    install_missing mmdebstrap
    if [ ! -e "$root/etc/debian_version" ]; then
        as_root rm -rf --one-file-system "$root"
        as_root mkdir -p "$root"
        as_root mmdebstrap --variant=apt --include=sudo,git,ca-certificates trixie "$root"
    fi
    as_root cp /etc/resolv.conf "$root/etc/resolv.conf"
    as_root mkdir -p "$root/work/main"
    mounted_root=$root
    trap unmount_root EXIT
    if [ "$checkout" = copy ]; then
        git ls-files -z --cached --others --exclude-standard \
            | as_root tar -C . --null -T - -cf - | as_root tar -C "$root/work/main" -xf -
    else
        as_root mount --bind "$PWD" "$root/work/main"
    fi
    as_root mount -t proc proc "$root/proc"
    as_root mount --rbind /sys "$root/sys"
    as_root mount --make-rslave "$root/sys"
    as_root mount --rbind /dev "$root/dev"
    as_root mount --make-rslave "$root/dev"
    local status=0
    as_root chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root TERM=dumb \
        /work/main/dev.sh "$command" || status=$?
    unmount_root
    return "$status"
}

# ./dev.sh test in a fresh Debian 13 root, removed however the run ends; the log is kept.
fresh_root=""
remove_fresh_root() {
    [ -n "$fresh_root" ] || return 0
    mounted_root=$fresh_root
    unmount_root
    as_root rm -rf --one-file-system "$fresh_root"
}
test_debian13() {
    fresh_root=$(as_root mktemp -d /var/tmp/tsvetoznak-debian13.XXXXXX)
    trap remove_fresh_root EXIT
    mkdir -p build-debian13
    in_debian13 "$fresh_root" copy test 2>&1 | tee build-debian13/test.log
}

# Whether this release's Qt is recent enough to build Qt 6.8 for Windows with.
has_qt68() {
    install_missing qt6-base-dev
    dpkg --compare-versions "$(dpkg-query -W -f='${Version}' qt6-base-dev)" ge 6.8
}

build_windows() {
    if has_qt68; then
        install_missing "${windows_packages[@]}"
        as_root packaging/windows/build.sh . "$windows_cache" build-windows
    else
        # Qt 6.8's own tools build Qt 6.8 for Windows: in a Debian 13 root kept in the cache,
        # with the checkout bound in.
        in_debian13 "$windows_cache/debian13" bind windows
    fi
}

# Under this release's Wine, and, where the program was built in the Debian 13 root, under that
# release's Wine too, whose UI Automation a client can read.
test_windows() {
    install_missing "${wine_packages[@]}"
    local status=0
    tests/wine/run.sh build-windows || status=1
    if ! has_qt68; then
        in_debian13 "$windows_cache/debian13" bind test-windows || status=1
    fi
    return "$status"
}

build() {
    cmake -S . -B build -G Ninja
    cmake --build build
}

build_sanitized() {
    cmake -S . -B build-sanitize -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
        -DTSVETOZNAK_SANITIZE=ON -DTSVETOZNAK_FUZZ=ON
    cmake --build build-sanitize
}

build_bench() {
    cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
        -DTSVETOZNAK_BENCH=ON
    cmake --build build-bench --target tsvetoznak-bench bench_program bench_baseline bench_tick
}

case "${1:-}" in
run)
    install_missing "${build_packages[@]}"
    build
    exec ./build/src/app/tsvetoznak
    ;;
test)
    install_missing "${build_packages[@]}" "${test_packages[@]}" "${package_packages[@]}" \
        "${sanitize_packages[@]}"
    build
    ctest --test-dir build --output-on-failure
    build_sanitized
    ctest --test-dir build-sanitize --output-on-failure
    ;;
bench)
    install_missing "${build_packages[@]}" xvfb xauth
    build_bench
    # An X server of its own, without a window manager, so that nothing else draws.
    xvfb-run --auto-servernum --server-args="-screen 0 1024x768x24 -nolisten tcp" \
        ./build-bench/bench/tsvetoznak-bench "${@:2}"
    ;;
soak)
    install_missing "${build_packages[@]}"
    cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release
    cmake --build build-release --target tst_session
    # Run as CTest runs it, in the tests' environment, with its output shown.
    TSVETOZNAK_SESSION_ACTIONS=${TSVETOZNAK_SESSION_ACTIONS:-100000} \
        ctest --test-dir build-release -R '^session$' --verbose
    ;;
test-debian13)
    test_debian13
    ;;
windows)
    build_windows
    ;;
test-windows)
    test_windows
    ;;
*)
    echo "usage: $0 run|test|bench|soak|test-debian13|windows|test-windows" >&2
    exit 2
    ;;
esac
