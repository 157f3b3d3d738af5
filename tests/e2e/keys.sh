#!/usr/bin/env bash
# A whole Very Easy game with the keyboard alone, the pointer kept off the
# window from the start: deal it from the menu,
# read its digits through Copy Puzzle To Clipboard, then walk the cursor
# to every open cell and place the solution's digit with "digit, Space";
# on the way a digit goes and comes back with Ctrl+Z and Ctrl+Y, and a
# wrong one is deleted again, until "Puzzle Solved".
#   bash tests/e2e/keys.sh BUILD_DIR OUT_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=lib.sh
. "$here/lib.sh"

e2e_begin "$1" "$2"
tool="$BUILD/tools/sudoku-tool/sudoku-tool"
# The window opens in the middle of the screen: the corner is outside it.
xdotool mousemove 0 0
e2e_start_game "$game_dir"
e2e_locate

# New Game > Very Easy: the File menu, one menu on, its first item.
e2e_file_menu
xdotool key Right Return
e2e_wait_dealt
echo "${#OPEN[@]} open cells"

# The digits as the copy dialog writes them in the layout "1*81".
e2e_file_menu
xdotool key Right Right Down Return
e2e_wait_window copy '^Copy Puzzle To Clipboard'
xdotool key Tab Right Right Right Tab space
e2e_wait_gone "$copy" "the copy dialog"
e2e_wait_window WIN '^Sudoku Nodala v3\.0$'
line=""
copied() { line=$(xclip -o -selection clipboard 2>/dev/null || true); [[ "$line" =~ ^[0-9]{81}$ ]]; }
e2e_wait 10 "the puzzle in the clipboard" copied
# The copy writes an open cell with a single candidate as a digit: the
# puzzle is the copy's digits at the givens the board shows.
puzzle=$line
for cell in "${OPEN[@]}"; do
    read -r r c <<<"$cell"
    i=$(( (r - 1) * 9 + c - 1 ))
    puzzle=${puzzle:0:i}0${puzzle:i+1}
done
[ "$(tr -cd 0 <<<"$puzzle" | wc -c)" -eq "${#OPEN[@]}" ] || e2e_fail "a given on the board is open in the copy: $line"
solution=$(echo "$puzzle" | "$tool" check | cut -d' ' -f2)
[[ "$solution" =~ ^[1-9]{81}$ ]] || e2e_fail "no single solution for $puzzle"
digit_at() { echo "${solution:$(( ($1 - 1) * 9 + $2 - 1 )):1}"; }

# The cursor's frame: black one pixel inside the cell's edge, white
# within it.
frame_at() {
    local x y w h
    read -r x y w h < <(e2e_place "cell $2 $3")
    e2e_pixel_near "$E2E_OUT/$1.png" $((CX + x + 1)) $((CY + y + h / 2)) 0,0,0 60 \
        && e2e_pixel_near "$E2E_OUT/$1.png" $((CX + x + 3)) $((CY + y + h / 2)) 255,255,255 60
}
e2e_shot before-cursor
! frame_at before-cursor 1 1 || e2e_fail "a cursor frame before any key"
# The pointer never touched the board: the first arrow after the menu's
# deal shows the cursor at the top left.
xdotool key Right
cursor_shown() { e2e_shot cursor && frame_at cursor 1 1; }
e2e_wait 10 "the cursor's frame at 1,1" cursor_shown

# The cursor is at (row, col) = (1, 1) now; keys to a cell: Down to its
# row, Home, then Right to its column.
at_row=1
# Types the keys to (row, col), then the keys that follow.
type_at() {
    local r=$1 c=$2 keys=()
    shift 2
    while [ "$at_row" -lt "$r" ]; do keys+=(Down); at_row=$((at_row + 1)); done
    keys+=(Home)
    for ((i = 1; i < c; i++)); do keys+=(Right); done
    xdotool key --delay 15 "${keys[@]}" "$@"
}
placed_at() { e2e_shot "$1" && e2e_placed "$E2E_OUT/$1.png" "$2" "$3"; }
empty_at() {
    local ink
    e2e_shot "$1"
    read -r ink _ < <(e2e_cell_measure "$E2E_OUT/$1.png" "$2" "$3")
    [ "$ink" -eq 0 ]
}

# The first open cell: its digit placed, then undone and redone.
read -r r c <<<"${OPEN[0]}"
type_at "$r" "$c" "$(digit_at "$r" "$c")" space
e2e_wait 10 "a digit placed at $r,$c" placed_at first "$r" "$c"
e2e_wait_tick
xdotool key ctrl+z
e2e_wait 10 "Ctrl+Z taking the digit at $r,$c away" empty_at undone "$r" "$c"
xdotool key ctrl+y
e2e_wait 10 "Ctrl+Y bringing the digit at $r,$c back" placed_at redone "$r" "$c"

# The second: a wrong digit first, deleted again.
read -r r c <<<"${OPEN[1]}"
wrong=$(( $(digit_at "$r" "$c") % 9 + 1 ))
type_at "$r" "$c" "$wrong" space
e2e_wait 10 "the wrong $wrong at $r,$c" placed_at wrong "$r" "$c"
xdotool key Delete
e2e_wait 10 "Delete emptying $r,$c" empty_at deleted "$r" "$c"

# Every open cell but the first, row by row.
for cell in "${OPEN[@]:1}"; do
    read -r r c <<<"$cell"
    type_at "$r" "$c" "$(digit_at "$r" "$c")" space
done
solved() {
    local x y w h near
    e2e_shot solved
    read -r x y w h < <(e2e_place WC_Label)
    read -r _ near < <(e2e_measure "$E2E_OUT/solved.png" "$w" "$h" "$x" "$y")
    [ "$near" -gt 10 ]
}
e2e_wait 20 "\"Puzzle Solved\"" solved
# The finished board is disabled, and shows no cursor.
! frame_at solved "$r" "$c" || e2e_fail "the cursor still shows on the finished board"
echo "keys test passed"
