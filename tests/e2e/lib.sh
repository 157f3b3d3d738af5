# Helpers for driving the real game under Xvfb with xdotool.
# Source it, then call e2e_begin BUILD_DIR OUT_DIR (or set E2E_OUT and
# start the X server yourself).


e2e_fail() {
    echo "E2E FAILED: $*" >&2
    [ -n "${WIN:-}" ] && import -window root "$E2E_OUT/failure-$(date +%s).png" 2>/dev/null || true
    echo "screenshots kept in $E2E_OUT" >&2
    exit 1
}

# Starts a private X server on a free display (Xvfb picks it) and exports
# DISPLAY for everything that follows.
e2e_start_x() {
    local fdfile
    fdfile=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fdfile" >/dev/null 2>&1 &
    XVFB_PID=$!
    for _ in $(seq 100); do
        kill -0 "$XVFB_PID" 2>/dev/null || e2e_fail "Xvfb ended at start"
        if [ -s "$fdfile" ]; then
            export DISPLAY=":$(head -1 "$fdfile")"
            xdpyinfo >/dev/null 2>&1 && { rm -f "$fdfile"; return 0; }
        fi
        sleep 0.1
    done
    e2e_fail "Xvfb did not start"
}

e2e_stop_x() { kill "$XVFB_PID" 2>/dev/null || true; }

# Starts the game from DIR (its program directory) and waits for its window.
e2e_start_game() {
    (cd "$1" && exec ./sudoku-nodala) >"$E2E_OUT/game.log" 2>&1 &
    GAME_PID=$!
    WIN=""
    for _ in $(seq 100); do
        WIN=$(xdotool search --onlyvisible --name '^Sudoku Nodala v3\.0$' 2>/dev/null | head -1 || true)
        [ -n "$WIN" ] && break
        sleep 0.1
    done
    [ -n "$WIN" ] || e2e_fail "no window \"Sudoku Nodala v3.0\""
    xdotool windowfocus --sync "$WIN" 2>/dev/null || xdotool windowfocus "$WIN"
    # Mapped is not yet painted: wait until the window shows more than a
    # couple of colours.
    for _ in $(seq 100); do
        e2e_shot .probe 2>/dev/null || true
        [ "$(identify -format '%k' "$E2E_OUT/.probe.png" 2>/dev/null || echo 0)" -gt 8 ] && break
        sleep 0.1
    done
    rm -f "$E2E_OUT/.probe.png"
}

# Screenshot of the game's window into $E2E_OUT/NAME.png, cut from the
# root window: without a window manager a capture of the window itself
# sometimes comes back black.
e2e_shot() {
    local X Y WIDTH HEIGHT SCREEN WINDOW
    eval "$(xdotool getwindowgeometry --shell "$WIN")"
    import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$E2E_OUT/$1.png"
}

# Colour of one pixel of a screenshot as "r,g,b".
e2e_pixel() {
    convert "$1" -crop "1x1+$2+$3" -depth 8 txt:- | tail -1 | sed -E 's/.*\(([0-9]+),([0-9]+),([0-9]+).*/\1,\2,\3/'
}

# Finds the board in a screenshot by its black frame: prints "x y" of its
# top-left corner, the leftmost column whose black run is the board's 422
# pixels (the frame around it is longer, the lines between boxes shorter).
e2e_find_board() {
    local h
    h=$(identify -format '%h' "$1")
    convert "$1" -crop "120x${h}+0+0" -depth 8 txt:- | awk -F'[,:]' '
        function close_run(x) { if (run[x] >= 420 && run[x] <= 424 && (bestx == "" || x < bestx)) { bestx = x; besty = st[x] } run[x] = 0 }
        NR > 1 { x = $1 + 0; y = $2 + 0
                 if (index($0, "#000000") > 0) {
                     if (run[x] == 0 || last[x] != y - 1) { close_run(x); st[x] = y }
                     run[x]++; last[x] = y
                 } else if (run[x] > 0) close_run(x) }
        END { for (x in run) close_run(x); if (bestx == "") exit 1; print bestx, besty }'
}

# Waits up to $2 seconds for the game to end; prints its exit status.
e2e_wait_exit() {
    local limit=$(( $2 * 10 ))
    for _ in $(seq "$limit"); do
        if ! kill -0 "$1" 2>/dev/null; then
            wait "$1"
            return $?
        fi
        sleep 0.1
    done
    return 124
}

# Client-area geometry: the board's frame sits at client (4, 32).
e2e_locate() {
    e2e_shot locate
    read -r BX BY < <(e2e_find_board "$E2E_OUT/locate.png") || e2e_fail "no board frame in the screenshot"
    CX=$((BX - 4))
    CY=$((BY - 32))
    local X Y WIDTH HEIGHT SCREEN WINDOW
    eval "$(xdotool getwindowgeometry --shell "$WIN")"
    WX=$X
    WY=$Y
}

# Clicks at client coordinates: button 1 left, 3 right.
e2e_click() {
    # No --sync: it waits for a motion that never comes when the pointer
    # is already there.
    xdotool mousemove $((WX + CX + $1)) $((WY + CY + $2))
    sleep 0.05
    xdotool click "$3"
    sleep 0.1
}

# Left edge (and top edge) of board column (row) $1 inside the frame.
e2e_edge() { echo $(( ($1 - 1) * 46 + 2 + ($1 > 3 ? 2 : 0) + ($1 > 6 ? 2 : 0) )); }

# Client coordinates of the centre of cell (row, col).
e2e_cell() { echo $((4 + $(e2e_edge "$2") + 23)) $((32 + $(e2e_edge "$1") + 23)); }

# How many pixels of colour $2 (#RRGGBB) lie in a region W H X Y (client)
# of screenshot $1.
e2e_count() {
    convert "$1" -crop "${3}x${4}+$((CX + $5))+$((CY + $6))" +repage -depth 8 -format %c histogram:info:- \
        | awk -v c="$2" 'index($0, c) { sub(":", "", $1); n += $1 } END { print n + 0 }'
}

# Pixels of a colour inside cell (row, col), away from its bevel.
e2e_cell_count() {
    local x y
    read -r x y < <(e2e_cell "$2" "$3")
    e2e_count "$1" "$4" 38 38 $((x - 19)) $((y - 19))
}

# The common start of a test: screenshots into OUT_DIR, the game copied into
# a fresh program directory ($game_dir), a private X server, and cleanup of
# both at exit.
e2e_begin() {
    BUILD=$(cd "$1" && pwd)
    E2E_OUT=$(mkdir -p "$2" && cd "$2" && pwd)
    game_dir=$(mktemp -d)
    cp "$BUILD/src/game/sudoku-nodala" "$game_dir/"
    e2e_start_x
    trap 'kill ${GAME_PID:-} 2>/dev/null || true; e2e_stop_x' EXIT
}
