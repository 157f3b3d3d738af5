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
e2e_deal
[ "${#OPEN[@]}" -ge 2 ] || e2e_fail "fewer than two open cells"

placed_at() { e2e_park; e2e_shot "$1" && e2e_placed "$E2E_OUT/$1.png" "$2" "$3"; }
# Two moves, each recorded by its own tick of the clock.
for i in 0 1; do
    read -r r c <<<"${OPEN[$i]}"
    read -r x y < <(e2e_cell "$r" "$c")
    xdotool key $((i + 3))
    e2e_click "$x" "$y" 1
    e2e_wait 10 "move $i at $r,$c" placed_at "move$i" "$r" "$c"
    e2e_wait_tick
done

e2e_exit_game

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
e2e_continue_game
restored() {
    local i
    e2e_park
    e2e_shot continued
    for i in 0 1; do
        read -r r c <<<"${OPEN[$i]}"
        e2e_placed "$E2E_OUT/continued.png" "$r" "$c" || return 1
    done
}
e2e_wait 10 "both moves restored" restored
# Back and First enabled (their icons in colour), Next and Last not: an
# enabled icon holds pixels near its blue (63, 167, 196), a disabled one
# is grey.
icon() {
    local near x y w h
    read -r x y w h < <(e2e_place "$1")
    read -r _ near < <(e2e_measure "$E2E_OUT/continued.png" "$w" "$h" "$x" "$y" 63,167,196 40)
    echo "$near"
}
buttons() {
    e2e_shot continued
    [ "$(icon tbfirst)" -gt 0 ] && [ "$(icon tbback)" -gt 0 ] && [ "$(icon tbnext)" -eq 0 ] && [ "$(icon tblast)" -eq 0 ]
}
e2e_wait 10 "First and Back enabled, Next and Last disabled" buttons
echo "last-game test passed"
