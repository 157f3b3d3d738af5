#!/usr/bin/env bash
# The end of the session saves the game: a real SIGTERM to the real program,
# after a deal and a move, ends it with status 0 and leaves the game with its
# moves in "lastgame.dat". SIGHUP does the same while a modal box is open.
#   bash tests/e2e/sessionend.sh BUILD_DIR OUT_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=lib.sh
. "$here/lib.sh"

e2e_begin "$1" "$2"
file="$game_dir/lastgame.dat"
placed_at() { e2e_park; e2e_shot "$1" && e2e_placed "$E2E_OUT/$1.png" "$2" "$3"; }

# Deals, places digit D in the first open cell, waits for the history to
# record it.
play_one_move() {
    e2e_start_game "$game_dir"
    e2e_locate
    e2e_deal
    read -r r c <<<"${OPEN[0]}"
    read -r x y < <(e2e_cell "$r" "$c")
    xdotool key "$1"
    e2e_click "$x" "$y" 1
    e2e_wait 10 "the digit at $r,$c" placed_at move "$r" "$c"
    e2e_wait_tick
}

# lastgame.dat holds the deal and then the move: more than one step line,
# each of 81 tokens, the last with digit D placed ("2D") at (r, c).
check_saved() {
    [ -f "$file" ] || e2e_fail "$2: no lastgame.dat"
    local steps
    steps=$(tail -n +3 "$file" | tr -d '\r')
    [ "$(echo "$steps" | wc -l)" -ge 2 ] || e2e_fail "$2: lastgame.dat holds fewer than two steps"
    echo "$steps" | while read -r step; do
        [ "$(echo "$step" | tr -cd ',' | wc -c)" -eq 80 ] || e2e_fail "$2: a step line without 81 tokens"
    done
    [ "$(echo "$steps" | tail -1 | cut -d, -f$(( (r - 1) * 9 + c )))" = "2$1" ] \
        || e2e_fail "$2: the last step does not hold digit $1 placed at $r,$c"
}

ends_with_zero() {
    local status=0
    e2e_wait_exit "$GAME_PID" 15 || status=$?
    [ "$status" -eq 0 ] || e2e_fail "$1: the game did not end with status 0 (status $status)"
}

play_one_move 7
rm -f "$file"
kill -TERM "$GAME_PID"
ends_with_zero SIGTERM
check_saved 7 SIGTERM

# A modal box holds its own event loop: the question of Restart.
play_one_move 6
rm -f "$file"
e2e_click_control tbresign 1
box_open() { [ "$(e2e_dialogs)" -gt 0 ]; }
e2e_wait 10 "the question of Restart" box_open
import -window root "$E2E_OUT/restart-box.png"
kill -HUP "$GAME_PID"
ends_with_zero "SIGHUP with a modal box open"
check_saved 6 SIGHUP
echo "session-end test passed"
