# Helpers for the Windows build under Wine, on top of the e2e helpers:
# the game and sudoku-tool run as Windows programs, each test in a Wine
# prefix of its own, made fresh.
# shellcheck source=../e2e/lib.sh
. "$(dirname "${BASH_SOURCE[0]}")/../e2e/lib.sh"

export WINEDEBUG=-all
# No desktop integration (nothing of a test reaches the real menus) and no
# offer to install Wine's .NET and HTML engines.
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d"
# Wine's first start in a new prefix takes half a minute or more.
E2E_START_LIMIT=${E2E_START_LIMIT:-180}

# A new, empty Wine prefix in $1, started once so that later starts are
# quick.
win_prefix() {
    export WINEPREFIX=$1
    rm -rf "$WINEPREFIX"
    wineboot --init >/dev/null 2>&1 \
        || e2e_fail "wineboot could not make the prefix $WINEPREFIX"
    wineserver -w
}

# sudoku-tool of a Windows folder, run under Wine.
win_tool() { wine "$WIN_TOOL" "$@"; }

# e2e_begin for a Windows folder: the game is $1/sudoku-nodala.exe, run
# from its folder; the layout comes from the Windows sudoku-tool.
win_begin() {
    E2E_OUT=$(mkdir -p "$2" && cd "$2" && pwd)
    win_prefix "$E2E_OUT/wine"
    WIN_TOOL=$3
    E2E_GAME=(wine ./sudoku-nodala.exe)
    e2e_load_layout win_tool
    e2e_start_x
    trap win_cleanup EXIT
}

win_cleanup() {
    if [ -n "${GAME_PID:-}" ] && kill -0 "$GAME_PID" 2>/dev/null; then
        kill "$GAME_PID" 2>/dev/null || true
    fi
    wineserver -k 2>/dev/null || true
    e2e_stop_x
}

# Starts the game from a folder with a longer limit for Wine's start.
win_start_game() {
    local saved=$E2E_LIMIT
    E2E_LIMIT=$E2E_START_LIMIT
    e2e_start_game "$1"
    E2E_LIMIT=$saved
}

# Two moves on a dealt Very Easy game, each recorded by a tick of the
# clock; OPEN[0] and OPEN[1] hold them.
win_play_two_moves() {
    e2e_locate
    e2e_deal
    [ "${#OPEN[@]}" -ge 2 ] || e2e_fail "fewer than two open cells"
    local i r c x y
    for i in 0 1; do
        read -r r c <<<"${OPEN[$i]}"
        read -r x y < <(e2e_cell "$r" "$c")
        xdotool key $((i + 3))
        e2e_click "$x" "$y" 1
        e2e_wait 20 "move $i at $r,$c" win_placed_at "move$i" "$r" "$c"
        e2e_wait_tick
    done
}
win_placed_at() { e2e_park; e2e_shot "$1" && e2e_placed "$E2E_OUT/$1.png" "$2" "$3"; }

# The record of a game of level 0 with its solution and 1 + N steps, CR LF
# after every line.
win_check_record() {
    local file=$1 steps=$2 lines
    [ -f "$file" ] || e2e_fail "no $file"
    lines=$(grep -c $'\r$' "$file")
    [ "$lines" -eq $((2 + steps)) ] || e2e_fail "$file has $lines lines, not 2 + $steps steps"
    [ "$(grep -c . "$file")" -eq "$lines" ] || e2e_fail "$file has a line without CR LF"
    [ "$(tail -c 2 "$file" | od -An -tx1 | tr -d ' ')" = "0d0a" ] || e2e_fail "the last line does not end with CR LF"
    head -1 "$file" | tr -d '\r' | grep -Eq '^0 [0-9]{81}$' || e2e_fail "bad givens line"
    sed -n 2p "$file" | tr -d '\r' | grep -Eq '^[1-9]{81}$' || e2e_fail "bad solution line"
    sed -n "3,$((2 + steps))p" "$file" | tr -d '\r' | while read -r step; do
        [ "$(echo "$step" | tr -cd ',' | wc -c)" -eq 80 ] || e2e_fail "a step line without 81 tokens"
    done
}

# The settings file a first run writes: the defaults, byte for byte.
win_check_default_settings() {
    cmp -s "$1" <(e2e_default_settings "$2") || e2e_fail "$1 is not the default settings file"
}

# Continues the last game and waits for both moves of win_play_two_moves.
win_continue_two_moves() {
    e2e_locate
    e2e_continue_game
    restored() {
        local i r c
        e2e_park
        e2e_shot continued
        for i in 0 1; do
            read -r r c <<<"${OPEN[$i]}"
            e2e_placed "$E2E_OUT/continued.png" "$r" "$c" || return 1
        done
    }
    e2e_wait 20 "both moves restored" restored
}
