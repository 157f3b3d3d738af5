#!/usr/bin/env bash
# Pause and best times through real X input: deal a Very Easy puzzle, pause
# with P (the board covered, the clock still) and go on with another key,
# finish the game with hints, and find its time in Tools > Best Times.
#   bash tests/e2e/besttimes.sh BUILD_DIR OUT_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=lib.sh
. "$here/lib.sh"

e2e_begin "$1" "$2"
e2e_start_game "$game_dir"
e2e_locate
e2e_deal
read -r r c <<<"${OPEN[0]}"
read -r ox oy < <(e2e_cell "$r" "$c")

# The cover's grey over an open cell, or not.
covered() { e2e_park; e2e_shot "$1" && e2e_pixel_near "$E2E_OUT/$1.png" $((CX + ox)) $((CY + oy)) 64,64,64 12; }
uncovered() { ! covered "$1"; }

xdotool key p
e2e_wait 10 "the board covered by the pause" covered paused
a=$(e2e_clock "$E2E_OUT/paused.png")
sleep 1.5
e2e_shot paused-later
[ "$a" = "$(e2e_clock "$E2E_OUT/paused-later.png")" ] || e2e_fail "the clock runs while paused"
xdotool key space
e2e_wait 10 "the board shown again" uncovered resumed
e2e_wait_tick

# Best Times through the menus: File, then two menus right to Tools, and
# its mnemonic. Prints the share of dark pixels in the window.
best_times_ink() {
    local id X Y WIDTH HEIGHT SCREEN WINDOW
    e2e_file_menu
    xdotool key Right Right b
    e2e_wait_window id '^Best Times$'
    sleep 0.3
    eval "$(xdotool getwindowgeometry --shell "$id")"
    import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$E2E_OUT/$1.png"
    xdotool key Escape
    e2e_wait_gone "$id" "the Best Times window"
    convert "$E2E_OUT/$1.png" -colorspace gray -threshold 35% -format '%[fx:1-mean]' info:
}
before=$(best_times_ink best-empty)

# Hints fill the open cells; a click on a given in mode None finishes.
e2e_wait_window WIN '^Sudoku Nodala v3\.0$'
e2e_click_control ToolButton9 1
xdotool click --repeat $(( ${#OPEN[@]} + 2 )) --delay 40 1
read -r r c <<<"$GIVEN"
read -r x y < <(e2e_cell "$r" "$c")
solved() {
    local near sx sy sw sh
    e2e_click "$x" "$y" 1
    e2e_park
    e2e_shot solved
    read -r sx sy sw sh < <(e2e_place WC_Label)
    read -r _ near < <(e2e_measure "$E2E_OUT/solved.png" "$sw" "$sh" "$sx" "$sy")
    [ "$near" -gt 10 ]
}
e2e_wait 20 "\"Puzzle Solved\"" solved
grep -Eq $'^0 [0-9]+ [0-9-]{10}T[0-9:]{8} [0-9]+\r$' "$game_dir/besttimes.dat" || e2e_fail "no Very Easy time in besttimes.dat"

after=$(best_times_ink best-one)
awk -v a="$after" -v b="$before" 'BEGIN { exit !(a > b + 0.001) }' \
    || e2e_fail "the Best Times window shows no new time (dark share $before, then $after)"
echo "best times test passed"
