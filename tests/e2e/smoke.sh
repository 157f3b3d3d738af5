#!/usr/bin/env bash
# Starts the real game under Xvfb, checks that it shows its board, and quits
# through File > Exit with real key presses.
#   bash tests/e2e/smoke.sh BUILD_DIR OUT_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=lib.sh
. "$here/lib.sh"

e2e_begin "$1" "$2"

e2e_start_game "$game_dir"
e2e_shot start
read -r bx by < <(e2e_find_board "$E2E_OUT/start.png") || e2e_fail "no board frame in the screenshot"
echo "board frame at $bx,$by"
# Frame 2 px black; cell (1,1) white; cell (1,4) in box 2 light blue; the
# frame's far corner is black too.
read -r sx sy sw sh < <(e2e_place sd991)
e2e_pixel_near "$E2E_OUT/start.png" $((bx + 1)) $((by + 1)) 0,0,0 || e2e_fail "frame not black"
e2e_pixel_near "$E2E_OUT/start.png" $((bx + sw - 1)) $((by + sh - 1)) 0,0,0 || e2e_fail "far corner not black"
read -r x y < <(e2e_cell 1 1)
e2e_pixel_near "$E2E_OUT/start.png" $((bx + x - sx)) $((by + y - sy)) 255,255,255 || e2e_fail "cell (1,1) not white"
read -r x y < <(e2e_cell 1 4)
e2e_pixel_near "$E2E_OUT/start.png" $((bx + x - sx)) $((by + y - sy)) 187,187,255 || e2e_fail "cell (1,4) not box-shaded"
[ -d "$game_dir/replay" ] || e2e_fail "no replay directory"

# File > Exit by its mnemonics.
xdotool key --clearmodifiers alt+f
menu_open() { [ "$(e2e_popups)" -gt 0 ]; }
e2e_wait 10 "the File menu" menu_open
e2e_shot file-menu
xdotool key e
status=0
e2e_wait_exit "$GAME_PID" 10 || status=$?
[ "$status" -eq 0 ] || e2e_fail "the game did not end with status 0 within 10 s (status $status)"
echo "smoke test passed"
