#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up a Debian 12 machine, builds Sudoku Nodala, and plays or tests.
#   bash build.sh play   install what is missing, build and start the game
#   bash build.sh test   install what is missing, build and run every test
# Works as root and through sudo; a plain user needs sudo for the install.
set -euo pipefail
cd "$(dirname "$0")"

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO=sudo

# Building and running the game.
PLAY_PACKAGES=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev
               fonts-liberation2 fonts-dejavu-core)
# The tests and benchmarks on top.
TEST_PACKAGES=(libgtest-dev libbenchmark-dev)

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
    exec build/src/game/sudoku-nodala
    ;;
test)
    install_missing "${PLAY_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
    configure build -DNODALA_TESTS=ON -DNODALA_BENCH=ON
    cmake --build build -j"$(nproc)"
    ctest --test-dir build --output-on-failure -j"$(nproc)"
    ;;
deps)
    shift
    install_missing "${PLAY_PACKAGES[@]}" "${TEST_PACKAGES[@]}" "$@"
    ;;
*)
    echo "usage: bash build.sh play|test" >&2
    exit 2
    ;;
esac
