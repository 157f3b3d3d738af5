#!/usr/bin/env bash
# The exchange windows through the keyboard alone: import a puzzle through
# the create window, check it and play it, copy it to the clipboard as one
# line, write the printable page, exit and find the imported game saved.
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

e2e_start_game "$game_dir"
e2e_locate

# File > Import or Create Sudoku by its mnemonic, then Import in there.
e2e_file_menu
xdotool key i
e2e_wait_window create '^Import or Create Sudoku$'
xdotool key --clearmodifiers alt+i
e2e_wait_window import '^Import Sudoku$'
xdotool type --delay 5 "$puzzle"
# Tab leaves the text box; past the four examples lies OK.
xdotool key Tab Tab Tab Tab Tab space
e2e_wait_gone "$import" "the import dialog"

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
e2e_wait 10 "the box of Check Puzzle" box_open
import -window root "$E2E_OUT/check-box.png"
# A box fits its text: "Check OK" makes a narrow one, the other verdicts'
# texts are more than twice as long.
eval "$(xdotool getwindowgeometry --shell "$box" | grep WIDTH)"
[ "$WIDTH" -lt 200 ] || e2e_fail "the box of Check Puzzle is $WIDTH px wide: not \"Check OK\""
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
    | awk '{ v = substr($0, 2); printf "%s", length(v) == 1 ? v : "0" } END { print "" }')
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
echo "exchange test passed"
