#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Qt for 64-bit Windows once, from Debian's own source package, and
# keeps it in a cache outside the project, keyed by Qt version, compiler and
# this configuration. Prints the install prefix on its last line.
#   bash cmake/windows/build-qt.sh
# NODALA_QT_CACHE overrides the cache folder.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
QT_VERSION=6.4.2
triple=x86_64-w64-mingw32
toolchain=$here/mingw-w64-x86_64.cmake

if [ "$(id -u)" -eq 0 ]; then default_cache=/var/cache/sudoku-nodala
else default_cache=${XDG_CACHE_HOME:-$HOME/.cache}/sudoku-nodala; fi
cache=${NODALA_QT_CACHE:-$default_cache}

# Only what the game uses. Tablet events need wintab.h, which Debian's
# tarball lacks; the Windows platform plugin of 6.4 needs OpenGL on.
QT_OPTIONS=(
  -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
  -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF
  -DFEATURE_tabletevent=OFF -DFEATURE_vulkan=OFF -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF
  -DFEATURE_printsupport=ON -DFEATURE_testlib=ON -DFEATURE_network=ON
)
compiler=$(${triple}-g++-posix -dumpfullversion)
key=$(printf '%s\n' "$QT_VERSION" "$compiler" "${QT_OPTIONS[@]}" "$(cat "$toolchain")" | sha256sum | cut -c1-12)
prefix=$cache/qt-$QT_VERSION-$triple-gcc$compiler-$key

if [ -f "$prefix/.complete" ]; then
    echo "$prefix"
    exit 0
fi

work=$cache/work-$key
mkdir -p "$work"

# The source side of the machine's own archives, through a private apt
# configuration, so the machine's apt settings stay as they are.
apt_dir=$work/apt
mkdir -p "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial" "$apt_dir/sources.list.d"
sed -nE 's/^deb([[:space:]])/deb-src\1/p' /etc/apt/sources.list > "$apt_dir/sources.list" 2>/dev/null || : > "$apt_dir/sources.list"
for f in /etc/apt/sources.list.d/*.sources; do
    [ -f "$f" ] && sed -E 's/^Types:.*/Types: deb-src/' "$f" > "$apt_dir/sources.list.d/$(basename "$f")"
done
apt_opts=(-o Dir::Etc::SourceList="$apt_dir/sources.list" -o Dir::Etc::SourceParts="$apt_dir/sources.list.d"
          -o Dir::State::Lists="$apt_dir/lists" -o Dir::Cache="$apt_dir/cache" -o APT::Sandbox::User=root)
src=$(ls -d "$work"/qt6-base-$QT_VERSION*/ 2>/dev/null | head -n1 || true)
if [ -z "$src" ]; then
    apt-get "${apt_opts[@]}" -qq update
    (cd "$work" && apt-get "${apt_opts[@]}" -qq source --download-only qt6-base)
    dsc=$(ls "$work"/qt6-base_$QT_VERSION*.dsc | head -n1)
    (cd "$work" && dpkg-source --no-check -x "$dsc" >/dev/null)
    src=$(ls -d "$work"/qt6-base-$QT_VERSION*/ | head -n1)
fi

build=$work/build
cmake -S "$src" -B "$build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_INSTALL_PREFIX="$prefix" "${QT_OPTIONS[@]}" >"$work/configure.log" 2>&1 \
    || { tail -n 40 "$work/configure.log" >&2; exit 1; }
cmake --build "$build" --parallel "$(nproc)" >"$work/build.log" 2>&1 \
    || { grep -m5 -B2 -A8 'error' "$work/build.log" >&2; tail -n 20 "$work/build.log" >&2; exit 1; }
cmake --install "$build" >"$work/install.log" 2>&1
touch "$prefix/.complete"
# The sources and objects are large; the installed prefix is what stays.
rm -rf "$work"
echo "$prefix"
