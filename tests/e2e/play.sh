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

BLUE='#0000FF'
BLACK='#000000'
WRONG='#AE0000'
# A placed digit: blue, or dark red when it is not the solution's.
placed() { echo $(( $(e2e_cell_count "$1" "$2" "$3" "$BLUE") + $(e2e_cell_count "$1" "$2" "$3" "$WRONG") )); }

# Deal with the tool button "Create Sudoku:Very Easy".
e2e_click $((62 + 11)) $((2 + 11)) 1
sleep 0.3
e2e_shot dealt
given="" open=() 
for r in 1 2 3 4 5 6 7 8 9; do
    for c in 1 2 3 4 5 6 7 8 9; do
        if [ "$(e2e_cell_count "$E2E_OUT/dealt.png" "$r" "$c" "$BLACK")" -gt 5 ]; then
            [ -n "$given" ] || given="$r $c"
        else
            open+=("$r $c")
        fi
    done
done
[ -n "$given" ] || e2e_fail "no given on the dealt board"
[ "${#open[@]}" -ge 3 ] || e2e_fail "fewer than three open cells"
echo "given at $given, ${#open[@]} open cells"

# Mode None: digit 5 from the keyboard, a left click places it, a right
# click takes it away again.
read -r r c <<<"${open[0]}"
xdotool key 5
read -r x y < <(e2e_cell "$r" "$c")
e2e_click "$x" "$y" 1
e2e_shot placed
[ "$(placed "$E2E_OUT/placed.png" "$r" "$c")" -gt 5 ] || e2e_fail "no blue digit placed at $r,$c"
e2e_click "$x" "$y" 3

# Mode All (F2): a left click on a candidate mark makes it the cell's digit;
# a left click on that digit takes it back.
xdotool key F2
sleep 0.3
read -r r c <<<"${open[1]}"
read -r x y < <(e2e_cell "$r" "$c")
e2e_shot all
taken=""
for k in 1 2 3 4 5 6 7 8 9; do
    mx=$((x - 23 + 2 + 14 * ((k - 1) % 3) + 6))
    my=$((y - 23 + 2 + 14 * ((k - 1) / 3) + 6))
    # A shown mark has text in the candidate colour (122, 86, 54).
    if [ "$(e2e_count "$E2E_OUT/all.png" '#7A5636' 11 11 $((mx - 5)) $((my - 5)))" -gt 0 ]; then
        e2e_click "$mx" "$my" 1
        taken=$k
        break
    fi
done
[ -n "$taken" ] || e2e_fail "no candidate mark shown at $r,$c"
e2e_shot mark-taken
[ "$(placed "$E2E_OUT/mark-taken.png" "$r" "$c")" -gt 5 ] || e2e_fail "mark $taken did not become a digit"
e2e_click "$x" "$y" 1

# The candidate menu on an open cell: open it with the right button and
# choose its first item.
read -r r c <<<"${open[2]}"
read -r x y < <(e2e_cell "$r" "$c")
e2e_click "$x" "$y" 3
sleep 0.5
e2e_shot menu
xdotool key Down Return
sleep 0.3

# Hints fill the open cells from the bottom right backwards.
e2e_click $((4 + 154 + 11)) $((460 + 2 + 11)) 1
xdotool click --repeat $(( ${#open[@]} + 2 )) --delay 40 1
sleep 1
e2e_shot hinted

# Mode None (its radio button this time), then a left click on a given
# finishes the game.
e2e_click $((433 + 8 + 6)) $((33 + 24 + 8)) 1
sleep 0.5
read -r r c <<<"$given"
read -r x y < <(e2e_cell "$r" "$c")
e2e_click "$x" "$y" 1
sleep 0.5
e2e_shot solved
[ "$(e2e_count "$E2E_OUT/solved.png" "$BLACK" 105 19 360 465)" -gt 10 ] || e2e_fail "\"Puzzle Solved\" not shown"
# The clock no longer changes.
sleep 1.5
e2e_shot solved-later
a=$(convert "$E2E_OUT/solved.png" -crop "80x22+$((CX + 185))+$((CY + 2))" +repage -depth 8 rgb:- | md5sum)
b=$(convert "$E2E_OUT/solved-later.png" -crop "80x22+$((CX + 185))+$((CY + 2))" +repage -depth 8 rgb:- | md5sum)
[ "$a" = "$b" ] || e2e_fail "the clock still runs after the finish"
echo "play test passed"
