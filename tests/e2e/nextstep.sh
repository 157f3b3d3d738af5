#!/usr/bin/env bash
# Explain Next Step through real X input: deal a Very Easy puzzle; F4 opens
# "Next Step" beside the main window, naming a single and framing its cells
# on the board; Escape closes it and the board looks as before; Apply
# places one more digit, never a wrong one, and the window explains on.
# The text is read the way a player copies it: select all, copy, and the
# clipboard read with xclip.
#   bash tests/e2e/nextstep.sh BUILD_DIR OUT_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=lib.sh
. "$here/lib.sh"

e2e_begin "$1" "$2"
e2e_start_game "$game_dir"
e2e_locate
e2e_deal
echo "${#OPEN[@]} open cells"

shown() { e2e_park; e2e_shot "$1"; }
# Checksum of the board's crop of a screenshot.
board_sum() {
    local sx sy sw sh
    read -r sx sy sw sh < <(e2e_place sd991)
    convert "$E2E_OUT/$1.png" -crop "${sw}x${sh}+$((CX + sx))+$((CY + sy))" +repage -depth 8 rgb:- | md5sum
}
# "DIGITS WRONG": cells that show a digit, and those in the dark red of a
# digit against the solution.
board_counts() {
    e2e_board "$E2E_OUT/$1.png" | awk '
        $4 + $5 + $6 > 15 { digits++ }
        $6 > 15 { wrong++ }
        END { print digits + 0, wrong + 0 }'
}
# The window's text through the clipboard, into step.txt.
copy_text() {
    : >"$E2E_OUT/step.txt"
    xdotool key --clearmodifiers ctrl+a ctrl+c
    xclip -o -selection clipboard >"$E2E_OUT/step.txt" 2>/dev/null || return 1
}
names_a_single() { copy_text && grep -Eq '^1\. (Hidden|Naked) single$' "$E2E_OUT/step.txt"; }
open_explain() {
    e2e_wait_window main '^Sudoku Nodala v3\.0$'
    xdotool key F4
    e2e_wait_window explain '^Next Step$'
}

shown before
before=$(board_sum before)
read -r digits0 wrong0 < <(board_counts before)
[ "$wrong0" -eq 0 ] || e2e_fail "a fresh deal shows wrong digits"

# F4: the window opens beside the main one, never over it.
open_explain
eval "$(xdotool getwindowgeometry --shell "$explain")"
[ $((X + WIDTH)) -le "$WX" ] || [ "$X" -ge $((WX + WW)) ] \
    || e2e_fail "\"Next Step\" at $X,$Y ${WIDTH}x$HEIGHT covers the main window at $WX,$WY ${WW}x$WH"
e2e_wait 10 "the window naming a single (step.txt)" names_a_single
echo "first step: $(head -2 "$E2E_OUT/step.txt" | tr '\n' ' ')"
marked() { shown marked && [ "$(board_sum marked)" != "$before" ]; }
e2e_wait 10 "the step's cells framed on the board" marked

# Escape closes it, and the board is drawn exactly as before.
xdotool key Escape
e2e_wait_gone "$explain" "the Next Step window"
unmarked() { shown unmarked && [ "$(board_sum unmarked)" = "$before" ]; }
e2e_wait 10 "the board as before the window (before.png, unmarked.png)" unmarked

# Apply places one more digit, the right one; the window explains the new
# board.
open_explain
e2e_wait 10 "the window naming a single" names_a_single
cp "$E2E_OUT/step.txt" "$E2E_OUT/step-before-apply.txt"
xdotool key --clearmodifiers alt+a
applied() {
    local digits wrong
    shown applied
    read -r digits wrong < <(board_counts applied)
    [ "$digits" -eq $((digits0 + 1)) ] && [ "$wrong" -eq 0 ]
}
e2e_wait 10 "one more digit on the board, none wrong (applied.png)" applied
explained_on() { names_a_single && ! cmp -s "$E2E_OUT/step.txt" "$E2E_OUT/step-before-apply.txt"; }
e2e_wait 10 "the next step explained after Apply (step.txt)" explained_on

xdotool key Escape
e2e_wait_gone "$explain" "the Next Step window"
echo "nextstep test passed"
