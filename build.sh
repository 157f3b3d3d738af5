#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up a Debian 12 machine, builds Sudoku Nodala, and plays or tests.
#   bash build.sh play   install what is missing, build and start the game
#   bash build.sh test   install what is missing, build and run every test
#   bash build.sh windows
#                        cross-build for 64-bit Windows (Qt built once and
#                        cached): the portable zip and the installer
#   bash build.sh windows-test
#                        the same, then every test under Wine
# Works as root and through sudo; a plain user needs sudo for the install.
set -euo pipefail
cd "$(dirname "$0")"

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO=sudo

# Building and running the game.
PLAY_PACKAGES=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev
               fonts-liberation2 fonts-dejavu-core)
# The tests and benchmarks on top.
TEST_PACKAGES=(libbenchmark-dev poppler-utils python3)

# Cross-building for Windows and testing under Wine; the host's Qt gives the
# build tools (moc, rcc, uic) and draws the artwork.
WINDOWS_PACKAGES=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev
                  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix dpkg-dev perl
                  wine wine64 nsis zip unzip fonts-liberation2)

install_missing() {
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        $SUDO apt-get update -qq
        $SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
    fi
}

configure() {
    cmake -S . -B "$1" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${@:2}" >/dev/null
}

case "${1:-}" in
play)
    install_missing "${PLAY_PACKAGES[@]}"
    configure build -DNODALA_TESTS=OFF -DNODALA_BENCH=OFF
    cmake --build build --target sudoku-nodala -j"$(nproc)"
    exec build/src/app/sudoku-nodala
    ;;
test)
    install_missing "${PLAY_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
    configure build -DNODALA_TESTS=ON -DNODALA_BENCH=ON
    cmake --build build -j"$(nproc)"
    ctest --test-dir build --output-on-failure -j"$(nproc)"
    ;;
windows|windows-test)
    install_missing "${WINDOWS_PACKAGES[@]}"
    tests=OFF
    [ "$1" = windows-test ] && tests=ON
    qt=$(bash cmake/windows/build-qt.sh | tail -n 1)
    # The artwork renderer runs here, on the build machine.
    configure build-windows/host -DNODALA_TESTS=OFF -DNODALA_BENCH=OFF
    cmake --build build-windows/host --target render_icon -j"$(nproc)"
    cmake -S . -B build-windows -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/windows/mingw-w64-x86_64.cmake" -DCMAKE_PREFIX_PATH="$qt" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DNODALA_HOST_RENDER_ICON="$PWD/build-windows/host/resources/render_icon" \
        -DNODALA_TESTS=$tests -DNODALA_BENCH=OFF >/dev/null
    cmake --build build-windows -j"$(nproc)"
    bash cmake/windows/package.sh build-windows
    if [ $tests = ON ]; then
        # One Wine prefix for the suite; its first start takes a while. The
        # null display driver: Qt's offscreen platform still makes hidden
        # windows for its event loop, and the tests need no X server.
        export WINEPREFIX=$PWD/build-windows/wine WINEDEBUG=-all
        export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d"
        wineboot --init >/dev/null 2>&1 || true
        wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
        wineserver -w
        ctest --test-dir build-windows --output-on-failure -j"$(nproc)"
    fi
    ;;
deps)
    shift
    install_missing "${PLAY_PACKAGES[@]}" "${TEST_PACKAGES[@]}" "$@"
    ;;
*)
    echo "usage: bash build.sh play|test|windows|windows-test" >&2
    exit 2
    ;;
esac
