#!/usr/bin/env bash
# The last game across two runs of the real program: play some moves, quit
# through File > Exit, check "lastgame.dat", start again and continue.
#   bash tests/e2e/lastgame.sh BUILD_DIR OUT_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=lib.sh
. "$here/lib.sh"

e2e_begin "$1" "$2"
e2e_start_game "$game_dir"
e2e_locate

placed() { echo $(( $(e2e_cell_count "$1" "$2" "$3" '#0000FF') + $(e2e_cell_count "$1" "$2" "$3" '#AE0000') )); }

e2e_click $((62 + 11)) $((2 + 11)) 1
sleep 0.3
e2e_shot dealt
open=()
for r in 1 2 3 4 5 6 7 8 9; do
    for c in 1 2 3 4 5 6 7 8 9; do
        [ "$(e2e_cell_count "$E2E_OUT/dealt.png" "$r" "$c" '#000000')" -gt 5 ] || open+=("$r $c")
    done
done
# Two moves, each recorded by a tick of the clock.
for i in 0 1; do
    read -r r c <<<"${open[$i]}"
    read -r x y < <(e2e_cell "$r" "$c")
    xdotool key $((i + 3))
    e2e_click "$x" "$y" 1
    sleep 0.4
done

xdotool key --clearmodifiers alt+f
sleep 0.4
xdotool key e
status=0
e2e_wait_exit "$GAME_PID" 5 || status=$?
[ "$status" -eq 0 ] || e2e_fail "the game did not end with status 0 (status $status)"

file="$game_dir/lastgame.dat"
[ -f "$file" ] || e2e_fail "no lastgame.dat"
lines=$(grep -c $'\r$' "$file")
[ "$lines" -eq 5 ] || e2e_fail "lastgame.dat has $lines lines, not 2 + 3 steps"
[ "$(tail -c 2 "$file" | od -An -tx1 | tr -d ' ')" = "0d0a" ] || e2e_fail "the last line does not end with CR LF"
head -1 "$file" | tr -d '\r' | grep -Eq '^0 [0-9]{81}$' || e2e_fail "bad givens line"
sed -n 2p "$file" | tr -d '\r' | grep -Eq '^[1-9]{81}$' || e2e_fail "bad solution line"
sed -n 3,5p "$file" | tr -d '\r' | while read -r step; do
    [ "$(echo "$step" | tr -cd ',' | wc -c)" -eq 80 ] || e2e_fail "a step line without 81 tokens"
done

# Second run: continue the last game.
e2e_start_game "$game_dir"
e2e_locate
xdotool key --clearmodifiers alt+f
sleep 0.4
xdotool key Down Down Return
sleep 0.5
e2e_shot continued
for i in 0 1; do
    read -r r c <<<"${open[$i]}"
    [ "$(placed "$E2E_OUT/continued.png" "$r" "$c")" -gt 5 ] || e2e_fail "move $i not restored at $r,$c"
done
# Back and First enabled (their icons in colour), Next and Last not.
icon() { e2e_count "$E2E_OUT/continued.png" '#3FA7C4' 23 22 $((4 + $1)) 462; }
[ "$(icon 185)" -gt 0 ] && [ "$(icon 208)" -gt 0 ] || e2e_fail "First and Back are not enabled"
[ "$(icon 231)" -eq 0 ] && [ "$(icon 254)" -eq 0 ] || e2e_fail "Next and Last are enabled"
echo "last-game test passed"
