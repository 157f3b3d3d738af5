#!/usr/bin/env bash
# A whole game through real X input: deal a Very Easy puzzle, place and take
# back digits in the three ways of play, open the candidate menu, fill the
# board with hints and finish it.
#   bash tests/e2e/play.sh BUILD_DIR OUT_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=lib.sh
. "$here/lib.sh"

e2e_begin "$1" "$2"
e2e_start_game "$game_dir"
e2e_locate
e2e_deal
[ "${#OPEN[@]}" -ge 3 ] || e2e_fail "fewer than three open cells"
echo "given at $GIVEN, ${#OPEN[@]} open cells"

shown() { e2e_park; e2e_shot "$1"; }
placed_at() { shown "$1" && e2e_placed "$E2E_OUT/$1.png" "$2" "$3"; }
empty_at() {
    local ink
    shown "$1"
    read -r ink _ < <(e2e_cell_measure "$E2E_OUT/$1.png" "$2" "$3")
    [ "$ink" -eq 0 ]
}

# Mode None: digit 5 from the keyboard, a left click places it, a right
# click takes it away again.
read -r r c <<<"${OPEN[0]}"
xdotool key 5
read -r x y < <(e2e_cell "$r" "$c")
e2e_click "$x" "$y" 1
e2e_wait 10 "a digit placed at $r,$c" placed_at placed "$r" "$c"
e2e_click "$x" "$y" 3
e2e_wait 10 "the digit at $r,$c taken away" empty_at unplaced "$r" "$c"

# Mode All (F2): a left click on a candidate mark makes it the cell's digit;
# a left click on that digit takes it back.
read -r r c <<<"${OPEN[1]}"
xdotool key F2
marks_at() {
    local k
    shown "$1"
    e2e_placed "$E2E_OUT/$1.png" "$2" "$3" && return 1
    MARKS=()
    read -r -a inks < <(e2e_mark_inks "$E2E_OUT/$1.png" "$2" "$3")
    for k in 1 2 3 4 5 6 7 8 9; do
        [ "${inks[$((k - 1))]}" -gt 2 ] && MARKS+=("$k")
    done
    [ "${#MARKS[@]}" -gt 0 ]
}
e2e_wait 10 "candidate marks shown at $r,$c" marks_at all "$r" "$c"
taken=${MARKS[0]}
read -r mx my < <(e2e_mark "$r" "$c" "$taken")
e2e_click "$mx" "$my" 1
e2e_wait 10 "mark $taken becoming the digit at $r,$c" placed_at mark-taken "$r" "$c"
read -r x y < <(e2e_cell "$r" "$c")
e2e_click "$x" "$y" 1
e2e_wait 10 "the digit at $r,$c taken back to marks" marks_at mark-back "$r" "$c"

# The candidate menu on an open cell: open it with the right button and
# choose its first item. The click must miss the shown marks: the right
# button on a mark deletes that candidate and opens no menu.
shown menu-cell
spot=""
for cell in "${OPEN[@]:2}"; do
    read -r r c <<<"$cell"
    read -r -a inks < <(e2e_mark_inks "$E2E_OUT/menu-cell.png" "$r" "$c")
    for k in 5 1 2 3 4 6 7 8 9; do
        if [ "${inks[$((k - 1))]}" -eq 0 ]; then
            spot=$(e2e_mark "$r" "$c" "$k")
            break 2
        fi
    done
done
[ -n "$spot" ] || e2e_fail "no open cell with a free spot for the menu"
read -r x y <<<"$spot"
before=$(e2e_popups)
e2e_click "$x" "$y" 3
menu_open() { [ "$(e2e_popups)" -gt "$before" ]; }
e2e_wait 10 "the candidate menu" menu_open
e2e_shot menu
xdotool key Down Return
menu_closed() { [ "$(e2e_popups)" -le "$before" ]; }
e2e_wait 10 "the candidate menu to close" menu_closed

# Hints fill the open cells from the bottom right backwards.
e2e_click_control ToolButton9 1
xdotool click --repeat $(( ${#OPEN[@]} + 2 )) --delay 40 1
all_hinted() {
    local r c ink black blue red digits=0
    shown hinted
    while read -r r c ink black blue red; do
        [ $((black + blue + red)) -gt 15 ] && digits=$((digits + 1))
    done < <(e2e_board "$E2E_OUT/hinted.png")
    [ "$digits" -eq 81 ]
}
e2e_wait 20 "a digit in every cell" all_hinted

# Mode None (its radio button this time), then a left click on a given
# finishes the game.
e2e_click_control rb_none 1
read -r r c <<<"$GIVEN"
read -r x y < <(e2e_cell "$r" "$c")
e2e_click "$x" "$y" 1
solved() {
    local near
    shown solved
    read -r x y w h < <(e2e_place WC_Label)
    read -r _ near < <(e2e_measure "$E2E_OUT/solved.png" "$w" "$h" "$x" "$y")
    [ "$near" -gt 10 ]
}
e2e_wait 10 "\"Puzzle Solved\"" solved
# The clock no longer changes.
a=$(e2e_clock "$E2E_OUT/solved.png")
sleep 1.5
e2e_shot solved-later
[ "$a" = "$(e2e_clock "$E2E_OUT/solved-later.png")" ] || e2e_fail "the clock still runs after the finish"
echo "play test passed"
