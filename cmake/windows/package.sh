#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Packs a Windows build: the portable folder (`cmake --install`), zipped,
# and the NSIS installer made from the same folder.
#   bash cmake/windows/package.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
src=$(cd "$(dirname "$0")/../.." && pwd)
version=3.0
name=sudoku-nodala-$version
stage=$build/stage/$name
zip=$build/$name-windows-x64.zip
setup=$build/$name-setup-x64.exe

rm -rf "$build/stage" "$zip" "$setup"
cmake --install "$build" --prefix "$stage" --strip >/dev/null
(cd "$build/stage" && zip -q -r -X "$zip" "$name")

# What the installer puts in place, and what its uninstaller takes away:
# exactly those files, then the folders they leave empty.
files=$build/stage/files.nsh
unfiles=$build/stage/unfiles.nsh
: >"$files"
: >"$unfiles"
(cd "$stage" && find . -type f | sort) | while read -r file; do
    rel=${file#./}
    dir=$(dirname "$rel")
    out='$INSTDIR'
    [ "$dir" = . ] || out="\$INSTDIR\\$(tr / '\\' <<<"$dir")"
    printf 'SetOutPath "%s"\nFile "%s"\n' "$out" "$stage/$rel" >>"$files"
    printf 'Delete "$INSTDIR\\%s"\n' "$(tr / '\\' <<<"$rel")" >>"$unfiles"
done
(cd "$stage" && find . -mindepth 1 -type d | sort -r) | while read -r dir; do
    printf 'RMDir "$INSTDIR\\%s"\n' "$(tr / '\\' <<<"${dir#./}")" >>"$unfiles"
done
echo 'SetOutPath "$INSTDIR"' >>"$files"

makensis -V2 -DVERSION=$version -DSTAGE="$stage" -DICON="$build/resources/sudoku-nodala.ico" \
    -DFILES="$files" -DUNFILES="$unfiles" -DOUTFILE="$setup" "$src/resources/windows/installer.nsi"
echo "$zip"
echo "$setup"
