#!/usr/bin/env bash
# The last game across two runs of the real program: play some moves, quit
# through File > Exit, check "lastgame.dat", start again and continue.
#   bash tests/e2e/lastgame.sh BUILD_DIR OUT_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=lib.sh
. "$here/lib.sh"

e2e_begin "$1" "$2"
e2e_start_game "$game_dir"
e2e_play_two_moves
e2e_exit_game
e2e_check_record "$game_dir/lastgame.dat" 3

# Second run: continue the last game.
e2e_start_game "$game_dir"
e2e_continue_two_moves
# Back and First enabled (their icons in colour), Next and Last not: an
# enabled icon holds pixels near its blue (63, 167, 196), a disabled one
# is grey.
icon() {
    local near x y w h
    read -r x y w h < <(e2e_place "$1")
    read -r _ near < <(e2e_measure "$E2E_OUT/continued.png" "$w" "$h" "$x" "$y" 63,167,196 40)
    echo "$near"
}
buttons() {
    e2e_shot continued
    [ "$(icon tbfirst)" -gt 0 ] && [ "$(icon tbback)" -gt 0 ] && [ "$(icon tbnext)" -eq 0 ] && [ "$(icon tblast)" -eq 0 ]
}
e2e_wait 10 "First and Back enabled, Next and Last disabled" buttons
echo "last-game test passed"
