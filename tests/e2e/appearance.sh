#!/usr/bin/env bash
# The appearance settings through real X input: a fresh start writes the
# default "vorel.ini"; Tools > Appearance with "Default Color" of the
# background unticked shades the even boxes in the file's Board color2, in
# the file and on the board, and again after a restart. Help > About opens
# and closes. No game is dealt: the empty board shows the colours too.
#   bash tests/e2e/appearance.sh BUILD_DIR OUT_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=lib.sh
. "$here/lib.sh"

e2e_begin "$1" "$2"
file="$game_dir/vorel.ini"


# The fresh start: only without network may the game write its own file
# (which turns the new-version check on); otherwise the file is there
# already with the check off, and the game must leave it as it is.
if [ "${#E2E_OFFLINE[@]}" -gt 0 ]; then
    [ ! -e "$file" ] || e2e_fail "the program directory is not fresh"
    check=1
else
    echo "no private network namespace: vorel.ini written beforehand, with Auto_check=0"
    check=0
fi
e2e_default_settings "$check" >"$E2E_OUT/vorel-default.ini"
e2e_start_game "$game_dir"
e2e_locate
cmp "$file" "$E2E_OUT/vorel-default.ini" || e2e_fail "vorel.ini at the start is not the 14 default lines (see vorel-default.ini)"

# Every cell's background: boxes 2, 4, 6 and 8 near $1, the others white.
box_colors() {
    local r c R G B want
    e2e_park
    e2e_shot "$2"
    while read -r r c R G B; do
        if [ $(( (3 * ((r - 1) / 3) + (c - 1) / 3) % 2 )) -eq 1 ]; then want=$1; else want=255,255,255; fi
        awk -v p="$R,$G,$B" -v c="$want" 'BEGIN { split(p, a, ","); split(c, b, ",")
            exit !((a[1]-b[1])^2 + (a[2]-b[2])^2 + (a[3]-b[3])^2 <= 12 * 12) }' || return 1
    done < <(e2e_cell_backgrounds "$E2E_OUT/$2.png")
}
e2e_wait 10 "the built-in box shading" box_colors 187,187,255 start

# Tools > Appearance: the File menu, two menus on, its first item.
e2e_file_menu
xdotool key Right Right Return
e2e_wait_window dialog '^Appearance$'
eval "$(xdotool getwindowgeometry --shell "$dialog" | grep -E '^(X|Y|WIDTH|HEIGHT)=')"
[ "$WIDTH" -eq 556 ] && [ "$HEIGHT" -eq 492 ] || e2e_fail "the Appearance window is ${WIDTH}x${HEIGHT}, not 556x492"
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$E2E_OUT/appearance.png"
# "Default Color" of "Background" is the first control of the tab order:
# it holds the focus, and space unticks it. OK has no keyboard default:
# click its middle (384, 450, 75 x 25 in the window).
xdotool key space
sleep 0.2
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$E2E_OUT/appearance-unticked.png"
xdotool mousemove $((X + 384 + 37)) $((Y + 450 + 12))
sleep 0.05
xdotool click 1
e2e_wait_gone "$dialog" "the Appearance window"

# The file keeps its defaults but for the tick.
sed 's/^default color=1\r$/default color=0\r/' "$E2E_OUT/vorel-default.ini" >"$E2E_OUT/vorel-own.ini"
own_colors() { cmp -s "$file" "$E2E_OUT/vorel-own.ini"; }
e2e_wait 10 "\"default color=0\" in vorel.ini (see vorel-own.ini)" own_colors
# Board color2 13948116 is 0xD4D4D4.
e2e_wait 10 "grey boxes 2, 4, 6 and 8" box_colors 212,212,212 grey
e2e_exit_game

# The colours come back with the next start.
e2e_start_game "$game_dir"
e2e_locate
e2e_wait 10 "grey boxes after the restart" box_colors 212,212,212 grey-again

# Help > About, the last item of the fourth menu, by its mnemonic; its
# Close button is the default.
e2e_file_menu
xdotool key Right Right Right a
e2e_wait_window about '^About$'
import -window root "$E2E_OUT/about.png"
xdotool key Return
e2e_wait_gone "$about" "the About window"
e2e_exit_game
cmp -s "$file" "$E2E_OUT/vorel-own.ini" || e2e_fail "vorel.ini changed at the exit"
echo "appearance test passed"
