#!/usr/bin/env bash
# The exchange windows through the keyboard alone: import a puzzle through
# the create window, check it and play it, copy it to the clipboard as one
# line, write the printable page, exit and find the imported game saved;
# then a puzzle with two solutions, played anyway, in the solutions viewer.
#   bash tests/e2e/exchange.sh BUILD_DIR OUT_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=lib.sh
. "$here/lib.sh"

puzzle=086009000003200000002004903004000000005000700697041230008050001001760000059000006

e2e_begin "$1" "$2"
tool="$BUILD/tools/sudoku-tool/sudoku-tool"
[ -x "$tool" ] || e2e_fail "no sudoku-tool in $BUILD"
# The printable page is handed to the desktop's opener: a stand-in records
# it instead of starting a browser.
shims=$(mktemp -d)
printf '#!/bin/sh\necho "$@" >>"%s/opened.txt"\n' "$E2E_OUT" >"$shims/xdg-open"
chmod +x "$shims/xdg-open"
trap 'e2e_cleanup; rm -rf "$shims"' EXIT
rm -f "$E2E_OUT/opened.txt"
export PATH="$shims:$PATH"

clipboard() { xclip -o -selection clipboard 2>/dev/null; }

# File > Import or Create Sudoku by its mnemonic, then Import in there:
# the text typed into the dialog and OK.
import_text() {
    e2e_file_menu
    xdotool key i
    e2e_wait_window create '^Import or Create Sudoku$'
    xdotool key --clearmodifiers alt+i
    e2e_wait_window import '^Import Sudoku$'
    xdotool type --delay 5 "$1"
    # Tab leaves the text box; past the four examples lies OK.
    xdotool key Tab Tab Tab Tab Tab space
    e2e_wait_gone "$import" "the import dialog"
}

e2e_start_game "$game_dir"
e2e_locate
import_text "$puzzle"

# The window opened with the focus on Check Puzzle, and a mnemonic clicks
# its button without taking the focus: Check Puzzle has it still.
e2e_wait_window create '^Import or Create Sudoku$'
xdotool key space
box=""
box_open() {
    local w
    for w in $(xdotool search --onlyvisible --name '^SudokuNodala v3\.0$' 2>/dev/null || true); do
        xprop -id "$w" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q _NET_WM_WINDOW_TYPE_DIALOG && box=$w && return 0
    done
    return 1
}
# A box is known by its text: Ctrl+C copies it, as on Windows.
box_says() {
    xdotool key --clearmodifiers ctrl+c
    clipboard >"$E2E_OUT/box.txt"
    grep -qxF "$1" "$E2E_OUT/box.txt"
}
e2e_wait 10 "the box of Check Puzzle" box_open
import -window root "$E2E_OUT/check-box.png"
e2e_wait 10 "the box of Check Puzzle to say \"Check OK\" (box.txt, check-box.png)" box_says "Check OK"
xdotool key Return
e2e_wait_gone "$box" "the box of Check Puzzle"

# One Tab on to Play Puzzle.
e2e_wait_window create '^Import or Create Sudoku$'
xdotool key Tab space
e2e_wait_gone "$create" "the create window"

# The givens of the puzzle in black, nothing in the other cells.
givens=$(echo "$puzzle" | tr -d '0\n' | wc -c)
played() {
    local r c ink black blue red v
    e2e_park
    e2e_shot played
    while read -r r c ink black blue red; do
        v=${puzzle:$(( (r - 1) * 9 + c - 1 )):1}
        if [ "$v" != 0 ]; then
            [ "$black" -gt 15 ] || return 1
        else
            [ "$ink" -eq 0 ] || return 1
        fi
    done < <(e2e_board "$E2E_OUT/played.png")
}
e2e_wait 10 "the $givens givens on the board" played

# Tools > Copy Puzzle To Clipboard: the File menu, two menus on, second item.
expected=$(echo "$puzzle" | "$tool" import | cut -d' ' -f2 | tr ',' '\n' \
    | awk '{ v = substr($0, 2); printf "%s", substr($0, 1, 1) != "3" && length(v) == 1 ? v : "0" } END { print "" }')
[ "${#expected}" -eq 81 ] || e2e_fail "sudoku-tool import gave no puzzle line"
e2e_file_menu
xdotool key Right Right Down Return
e2e_wait_window copy '^Copy Puzzle To Clipboard'
# Tab to the checked layout "With Candidates", three to the right is
# "1*81", Tab to Copy.
xdotool key Tab Right Right Right Tab space
e2e_wait_gone "$copy" "the copy dialog"
echo "$expected" >"$E2E_OUT/expected.txt"
copied() { clipboard >"$E2E_OUT/clipboard.txt"; [ "$(cat "$E2E_OUT/clipboard.txt")" = "$expected" ]; }
e2e_wait 10 "the puzzle line in the clipboard (clipboard.txt, expected.txt)" copied

# File > Printable Board, the first item.
e2e_file_menu
xdotool key Return
page="$game_dir/print_temp.htm"
printed() { [ -s "$E2E_OUT/opened.txt" ]; }
e2e_wait 10 "the printable page opened" printed
grep -q "print_temp.htm" "$E2E_OUT/opened.txt" || e2e_fail "another file opened: $(cat "$E2E_OUT/opened.txt")"
[ -f "$page" ] || e2e_fail "no print_temp.htm"
cp "$page" "$E2E_OUT/"
lines=$(grep -c $'\r$' "$page")
[ "$lines" -eq 201 ] && [ "$(wc -l <"$page")" -eq 201 ] || e2e_fail "print_temp.htm has $lines CR LF lines, not 201"
cells=$(grep -c 'width: 60px; height: 60px;' "$page")
[ "$cells" -eq 81 ] || e2e_fail "print_temp.htm has $cells cells, not 81"
shown=$(grep -cE 'font-size: 22pt; color: black; .*>[1-9]</td>' "$page")
[ "$shown" -eq "$givens" ] || e2e_fail "print_temp.htm shows $shown givens, not $givens"

# File > Exit by its mnemonic; the imported game is saved with level 5.
e2e_file_menu
xdotool key e
status=0
e2e_wait_exit "$GAME_PID" 10 || status=$?
[ "$status" -eq 0 ] || e2e_fail "the game did not end with status 0 (status $status)"
head -1 "$game_dir/lastgame.dat" | grep -q '^5 ' || e2e_fail "lastgame.dat does not start with level 5"

# A puzzle with two solutions (a rectangle of 2s and 3s can swap), in a
# fresh run: Play Puzzle asks, Yes plays it without a stored solution, and
# Show Solution opens the Multiple Solutions Viewer on both.
two=810750649940680175675491283154237896369845721287169534521974368438526917796318452
e2e_start_game "$game_dir"
e2e_locate
import_text "$two"
e2e_wait_window create '^Import or Create Sudoku$'
# From Check Puzzle one Tab on to Play Puzzle.
xdotool key Tab space
e2e_wait 10 "the question of Play Puzzle" box_open
e2e_wait 10 "the question of Play Puzzle to ask about multiple solutions (box.txt)" \
    box_says "This Puzzle has multiple solutions,Do you want to solve it anyway?"
xdotool key --clearmodifiers alt+y
e2e_wait_gone "$create" "the create window"
e2e_wait_window WIN '^Sudoku Nodala v3\.0$'
e2e_click_control tbsolve 1
e2e_wait 10 "the question of Show Solution" box_open
e2e_wait 10 "the question of Show Solution (box.txt)" box_says "Are you sure you want to see the solution?"
xdotool key --clearmodifiers alt+y
e2e_wait_gone "$box" "the question of Show Solution"
e2e_wait 10 "the box of Show Solution" box_open
e2e_wait 10 "the box of Show Solution to announce two solutions (box.txt)" \
    box_says "This Puzzle has at least two solutions,Press OK to view it."
xdotool key Return
e2e_wait_window viewer '^Multiple Solutions Viewer$'
import -window root "$E2E_OUT/viewer.png"
# Both solutions keep the givens and fill every cell; they differ.
solutions_shown() {
    local first second i
    xdotool key --clearmodifiers ctrl+a ctrl+c
    clipboard >"$E2E_OUT/viewer.txt"
    [ "$(sed -n 1p "$E2E_OUT/viewer.txt")" = "Solution 1:" ] && [ "$(sed -n 13p "$E2E_OUT/viewer.txt")" = "Solution 2:" ] || return 1
    first=$(sed -n 2,10p "$E2E_OUT/viewer.txt" | tr -d '\n')
    second=$(sed -n 14,22p "$E2E_OUT/viewer.txt" | tr -d '\n')
    [[ "$first" =~ ^[1-9]{81}$ && "$second" =~ ^[1-9]{81}$ && "$first" != "$second" ]] || return 1
    for (( i = 0; i < 81; i++ )); do
        [ "${two:i:1}" = 0 ] || { [ "${first:i:1}" = "${two:i:1}" ] && [ "${second:i:1}" = "${two:i:1}" ]; } || return 1
    done
}
e2e_wait 10 "the two solutions in the viewer (viewer.txt, viewer.png)" solutions_shown
xdotool key Escape
e2e_wait_gone "$viewer" "the viewer"
e2e_exit_game
echo "exchange test passed"
