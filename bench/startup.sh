#!/usr/bin/env bash
# Time from starting the game to its main window painted, under Xvfb.
#   bash bench/startup.sh BUILD_DIR [RUNS]
#   bash bench/startup.sh WINDOWS_FOLDER [RUNS]   (the portable Windows
#                                                  folder, run under Wine)
# Prints each run and the median in milliseconds. "Painted" is the first
# capture of the window that shows the board's colours. Under Wine the
# prefix is made and started once before the runs.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
BUILD=$(cd "$1" && pwd)
RUNS=${2:-5}
E2E_OUT=$(mktemp -d)
# shellcheck source=../tests/e2e/lib.sh
. "$here/../tests/e2e/lib.sh"
game_dir=$(mktemp -d)
if [ -f "$BUILD/sudoku-nodala.exe" ]; then
    cp -r "$BUILD/." "$game_dir/"
    export WINEPREFIX=$E2E_OUT/wine WINEDEBUG=-all WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d"
    wineboot --init >/dev/null 2>&1
    wineserver -w
    game=(wine ./sudoku-nodala.exe)
else
    cp "$BUILD/src/app/sudoku-nodala" "$game_dir/"
    game=(./sudoku-nodala)
fi
e2e_start_x
trap 'e2e_stop_x; [ -z "${WINEPREFIX:-}" ] || wineserver -k 2>/dev/null || true' EXIT
times=()
for _ in $(seq "$RUNS"); do
    t0=$(date +%s%N)
    (cd "$game_dir" && exec "${game[@]}") >/dev/null 2>&1 &
    pid=$!
    while :; do
        w=$(xdotool search --onlyvisible --name '^Sudoku Nodala v3\.0$' 2>/dev/null | head -1 || true)
        if [ -n "$w" ]; then
            # The box shading (187,187,255) appears once the board is drawn.
            eval "$(xdotool getwindowgeometry --shell "$w" 2>/dev/null)" || continue
            hits=$(import -window root -crop "220x140+${X}+${Y}" -depth 8 rgb:- 2>/dev/null | od -An -v -tx1 -w3 | grep -c 'bb bb ff' || true)
            [ "${hits:-0}" -gt 0 ] && break
        fi
        sleep 0.005
    done
    t1=$(date +%s%N)
    times+=($(( (t1 - t0) / 1000000 )))
    kill "$pid"; wait "$pid" 2>/dev/null || true
done
echo "runs (ms): ${times[*]}"
printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR] = $1} END {print "median (ms):", a[int((NR + 1) / 2)]}'
