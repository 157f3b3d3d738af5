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

# The settings file a first run writes: the defaults, byte for byte.
win_check_default_settings() {
    cmp -s "$1" <(e2e_default_settings "$2") || e2e_fail "$1 is not the default settings file"
}
