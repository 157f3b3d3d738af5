#!/usr/bin/env bash
# The portable zip under Wine, with Windows' own platform plugin: unzip it,
# start the game from a fresh Wine prefix, deal, play two moves, File >
# Exit; the record and the default settings land beside the program; a
# second start continues the game, and logging off saves it.
#   bash tests/windows/portable.sh ZIP OUT_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=lib.sh
. "$here/lib.sh"

zip=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
out=$(mkdir -p "$2" && cd "$2" && pwd)
folder=$out/portable
rm -rf "$folder"
mkdir -p "$folder"
unzip -q "$zip" -d "$folder"
game=$(dirname "$(find "$folder" -name sudoku-nodala.exe | head -1)")
[ -f "$game/sudoku-tool.exe" ] || e2e_fail "no sudoku-tool.exe in the zip"
for f in platforms/qwindows.dll styles/qwindowsvistastyle.dll Qt6Core.dll Qt6Widgets.dll LICENSE.txt README.txt; do
    [ -f "$game/$f" ] || e2e_fail "no $f in the zip"
done
[ "${#E2E_OFFLINE[@]}" -gt 0 ] || e2e_default_settings 0 >"$game/vorel.ini"

win_begin "$game" "$out" "$game/sudoku-tool.exe"
start=${EPOCHREALTIME//[.,]/}
win_start_game "$game"
echo "window after $(( (${EPOCHREALTIME//[.,]/} - start) / 1000 )) ms (a fresh prefix)"
e2e_play_two_moves
e2e_exit_game

e2e_check_record "$game/lastgame.dat" 3
[ "${#E2E_OFFLINE[@]}" -eq 0 ] || win_check_default_settings "$game/vorel.ini" 1
[ -d "$game/replay" ] || e2e_fail "no replay folder beside the program"

win_start_game "$game"
e2e_continue_two_moves
e2e_exit_game

# Logging off: Windows asks every window whether the session may end (Qt's
# commit-data request), and the game saves as File > Exit does; then the
# session's end takes the process, whether or not it has ended by itself.
win_start_game "$game"
e2e_continue_two_moves
rm "$game/lastgame.dat"
wineboot --end-session >/dev/null 2>&1 &
status=0
e2e_wait_exit "$GAME_PID" 60 >/dev/null || status=$?
[ "$status" -ne 124 ] || e2e_fail "the game outlived the end of the session"
e2e_check_record "$game/lastgame.dat" 3
echo "portable Windows test passed"
