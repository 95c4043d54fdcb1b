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
# Run as root or as a user who may sudo.
set -euo pipefail
cd "$(dirname "$0")"

build_packages=(cmake ninja-build g++ qt6-base-dev qt6-translations-l10n
                fonts-liberation fonts-dejavu-core)
# The end-to-end tests run the program under its own X server and window manager, and as a
# Wayland client in a compositor of its own, read it over AT-SPI as a screen reader does, and
# listen to it through the screen reader Orca.
test_packages=(xvfb xdotool wmctrl imagemagick openbox x11-utils weston qt6-wayland
               desktop-file-utils appstream dbus-daemon dbus-bin at-spi2-core python3-pyatspi orca
               locales)
# The Debian package is built with its library dependencies worked out, and checked by lintian.
package_packages=(dpkg-dev binutils lintian)
# A second build with clang runs every test under the address and undefined-behaviour
# sanitizers, and the fuzz targets with libFuzzer.
# libclang-rt-dev is the runtime of whichever clang the release calls its default.
sanitize_packages=(clang libclang-rt-dev)

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

# A fresh Debian 13 root with the checkout as it is (committed or not, build trees left out),
# its kernel file systems bound in; it is unmounted and removed however the run ends.
debian13_root=""
remove_debian13_root() {
    [ -n "$debian13_root" ] || return 0
    as_root umount -R -l "$debian13_root/proc" "$debian13_root/sys" "$debian13_root/dev" \
        2>/dev/null || true
    as_root rm -rf --one-file-system "$debian13_root"
}

test_debian13() {
    install_missing mmdebstrap
    debian13_root=$(as_root mktemp -d /var/tmp/tsvetoznak-debian13.XXXXXX)
    trap remove_debian13_root EXIT
    local root=$debian13_root
    as_root mmdebstrap --variant=apt --include=sudo,git,ca-certificates trixie "$root"
    as_root cp /etc/resolv.conf "$root/etc/resolv.conf"
    as_root mkdir -p "$root/work/main"
    git ls-files -z --cached --others --exclude-standard \
        | as_root tar -C . --null -T - -cf - | as_root tar -C "$root/work/main" -xf -
    as_root mount -t proc proc "$root/proc"
    as_root mount --rbind /sys "$root/sys"
    as_root mount --make-rslave "$root/sys"
    as_root mount --rbind /dev "$root/dev"
    as_root mount --make-rslave "$root/dev"
    mkdir -p build-debian13
    as_root chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root TERM=dumb \
        /work/main/dev.sh test 2>&1 | tee build-debian13/test.log
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
    QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 LANG=C.UTF-8 \
        TSVETOZNAK_SESSION_ACTIONS=${TSVETOZNAK_SESSION_ACTIONS:-100000} \
        ./build-release/tests/tst_session
    ;;
test-debian13)
    test_debian13
    ;;
*)
    echo "usage: $0 run|test|bench|soak|test-debian13" >&2
    exit 2
    ;;
esac
