# Helpers for driving the real game under Xvfb with xdotool.
# Source it, then call e2e_begin BUILD_DIR OUT_DIR (or set E2E_OUT and
# start the X server yourself).
#
# Pixel tests never ask for an exact colour: anti-aliased glyphs of some
# digits hold no pixel of the pure text colour. They count pixels within a
# colour distance of the text colour, or pixels far from the cell's own
# background (its most frequent colour). Every wait polls for a condition
# with a generous limit, so a loaded machine only makes the tests slower.

E2E_LIMIT=${E2E_LIMIT:-30}

# Where the main window's controls and cells sit in client coordinates, as
# sudoku-tool prints them: "NAME" -> "x y w h", "cell R C" -> "x y w h".
declare -gA E2E_LAYOUT=()

# The game asks the maker's web site for a new version at every start
# while its settings say Auto_check=1. Tests send nothing off this machine:
# as root the game runs in a network namespace of its own with no
# interfaces (the request fails at once; X still comes through its unix
# socket), otherwise its settings file is written first with the check
# off. E2E_NO_UNSHARE=1 forces the second way.
if [ "${E2E_NO_UNSHARE:-0}" != 1 ] && [ "$(id -u)" -eq 0 ] && unshare -n true 2>/dev/null; then
    E2E_OFFLINE=(unshare -n)
else
    E2E_OFFLINE=()
fi

# The 14 default lines of "vorel.ini", CR LF each, with Auto_check=$1.
e2e_default_settings() {
    printf '%s\r\n' "[Board background]" "default color=1" "Board color1=16777215" \
        "Board color2=13948116" "[Font color]" "default font=1" "Fixed Number color=6250335" \
        "Big Number color=-1" "Candidate color=-1" "[High Light color]" \
        "default highlight color=1" "highlight_color=9938691" "[Auto Check New version]" \
        "Auto_check=$1"
}

# Reads the layout from sudoku-tool.
e2e_load_layout() {
    local name a b c d e f
    E2E_LAYOUT=()
    while read -r name a b c d e f; do
        if [ "$name" = cell ]; then
            E2E_LAYOUT["cell $a $b"]="$c $d $e $f"
        else
            E2E_LAYOUT[$name]="$a $b $c $d"
        fi
    done < <("$1" layout) || e2e_fail "sudoku-tool layout failed"
    [ -n "${E2E_LAYOUT[sd991]:-}" ] && [ -n "${E2E_LAYOUT[cell 9 9]:-}" ] || e2e_fail "sudoku-tool layout printed no board"
}

# "x y w h" of a control (or "cell R C") in client coordinates.
e2e_place() {
    [ -n "${E2E_LAYOUT[$1]:-}" ] || e2e_fail "no control \"$1\" in the layout"
    echo "${E2E_LAYOUT[$1]}"
}

# Client coordinates of the centre of a control (or "cell R C").
e2e_center() {
    local x y w h
    read -r x y w h < <(e2e_place "$1")
    echo $((x + w / 2)) $((y + h / 2))
}

e2e_fail() {
    echo "E2E FAILED: $*" >&2
    [ -n "${WIN:-}" ] && import -window root "$E2E_OUT/failure-$(date +%s).png" 2>/dev/null || true
    echo "screenshots kept in $E2E_OUT" >&2
    exit 1
}

# Runs COMMAND... until it succeeds, at most LIMIT seconds; fails the test
# with "waiting for WHAT" otherwise.
#   e2e_wait LIMIT WHAT COMMAND...
e2e_wait() {
    local limit=$1 what=$2
    shift 2
    local start=${EPOCHREALTIME//[.,]/}
    until "$@"; do
        (( ${EPOCHREALTIME//[.,]/} - start < limit * 1000000 )) || e2e_fail "timed out after ${limit} s waiting for $what"
        sleep 0.1
    done
}

# Starts a private X server on a free display (Xvfb picks it) and exports
# DISPLAY for everything that follows. -noreset: without it the server
# resets when its last client leaves, and the readiness probe leaving can
# make the game's own connection fail.
e2e_start_x() {
    local fdfile
    fdfile=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$fdfile" >/dev/null 2>&1 &
    XVFB_PID=$!
    x_ready() {
        kill -0 "$XVFB_PID" 2>/dev/null || e2e_fail "Xvfb ended at start"
        [ -s "$fdfile" ] || return 1
        export DISPLAY=":$(head -1 "$fdfile")"
        xdpyinfo >/dev/null 2>&1
    }
    e2e_wait "$E2E_LIMIT" "Xvfb" x_ready
    rm -f "$fdfile"
}

e2e_stop_x() { kill "$XVFB_PID" 2>/dev/null || true; }

# The command that starts the game, run in its directory: the copy there,
# unless a test runs an installed game another way.
E2E_GAME=(./sudoku-nodala)

# Starts the game from DIR (its working directory) and waits for its window
# and its first paint.
e2e_start_game() {
    (cd "$1" && exec "${E2E_OFFLINE[@]}" "${E2E_GAME[@]}") >"$E2E_OUT/game.log" 2>&1 &
    GAME_PID=$!
    WIN=""
    game_window() {
        kill -0 "$GAME_PID" 2>/dev/null || e2e_fail "the game ended at start (see game.log)"
        WIN=$(xdotool search --onlyvisible --name '^Sudoku Nodala v3\.0$' 2>/dev/null | head -1 || true)
        [ -n "$WIN" ]
    }
    e2e_wait "$E2E_LIMIT" "the window \"Sudoku Nodala v3.0\"" game_window
    xdotool windowfocus --sync "$WIN" 2>/dev/null || xdotool windowfocus "$WIN"
    # Mapped is not yet painted: wait until the window shows more than a
    # couple of colours.
    painted() {
        e2e_shot .probe 2>/dev/null || return 1
        [ "$(identify -format '%k' "$E2E_OUT/.probe.png" 2>/dev/null || echo 0)" -gt 8 ]
    }
    e2e_wait "$E2E_LIMIT" "the window's first paint" painted
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
    convert "$1" -crop "1x1+$2+$3" +repage -depth 8 txt:- | tail -1 | sed -E 's/.*\(([0-9]+),([0-9]+),([0-9]+).*/\1,\2,\3/'
}

# Whether pixel (X, Y) of a screenshot lies within DIST of colour r,g,b.
#   e2e_pixel_near IMAGE X Y R,G,B [DIST]
e2e_pixel_near() {
    awk -v p="$(e2e_pixel "$1" "$2" "$3")" -v c="$4" -v d="${5:-40}" 'BEGIN {
        split(p, a, ","); split(c, b, ",")
        exit !((a[1]-b[1])^2 + (a[2]-b[2])^2 + (a[3]-b[3])^2 <= d * d) }'
}

# Pixels of a region WxH+X+Y as "x y r g b" lines (raw bytes through od:
# ImageMagick's own text output is several times slower).
e2e_rgb_lines() {
    convert "$1" -crop "$2" +repage -depth 8 rgb:- | od -An -v -tu1 -w3 \
        | awk -v w="${2%%x*}" '{ i = NR - 1; print i % w, int(i / w), $1, $2, $3 }'
}

# Finds the board in a screenshot by its black frame: prints "x y" of its
# top-left corner, the leftmost column whose run of near-black pixels is the
# board's height (the frame around it is longer, the lines between boxes
# shorter).
e2e_find_board() {
    local h bh
    h=$(identify -format '%h' "$1")
    read -r _ _ _ bh < <(e2e_place sd991)
    e2e_rgb_lines "$1" "120x${h}+0+0" | awk -v bh="$bh" '
        function close_run(x) { if (run[x] >= bh - 2 && run[x] <= bh + 2 && (bestx == "" || x < bestx)) { bestx = x; besty = st[x] } run[x] = 0 }
        { x = $1; y = $2
          if ($3 < 48 && $4 < 48 && $5 < 48) {
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

# Client-area geometry: the board's frame is found in a screenshot, and
# its place in the client area is the layout's.
e2e_locate() {
    local sx sy
    e2e_shot locate
    read -r BX BY < <(e2e_find_board "$E2E_OUT/locate.png") || e2e_fail "no board frame in the screenshot"
    read -r sx sy _ < <(e2e_place sd991)
    CX=$((BX - sx))
    CY=$((BY - sy))
    local X Y WIDTH HEIGHT SCREEN WINDOW
    eval "$(xdotool getwindowgeometry --shell "$WIN")"
    WX=$X
    WY=$Y
    WW=$WIDTH
    WH=$HEIGHT
}

# Clicks at client coordinates: button 1 left, 3 right.
e2e_click() {
    # No --sync: it waits for a motion that never comes when the pointer
    # is already there.
    xdotool mousemove $((WX + CX + $1)) $((WY + CY + $2))
    sleep 0.05
    xdotool click "$3"
}

# Clicks the middle of a control of the layout: e2e_click_control NAME BUTTON.
e2e_click_control() {
    local x y
    read -r x y < <(e2e_center "$1")
    e2e_click "$x" "$y" "$2"
}

# How many windows besides the main one are on show: menus, popups, boxes.
e2e_popups() { xdotool search --onlyvisible --class '.' 2>/dev/null | grep -cvx "$WIN" || true; }

# How many dialog windows (message boxes among them) are on show.
e2e_dialogs() {
    local w n=0
    for w in $(xdotool search --onlyvisible --class '.' 2>/dev/null || true); do
        xprop -id "$w" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q '_NET_WM_WINDOW_TYPE_DIALOG' && n=$((n + 1))
    done
    echo "$n"
}

# Moves the pointer off the window, so no cell or mark shows the border of
# the pointer's hover.
e2e_park() { xdotool mousemove $((WX + WW + 20)) $((WY + WH + 20)); }

# Client coordinates of the centre of cell (row, col).
e2e_cell() { e2e_center "cell $1 $2"; }

# The cells' insides (5 px in from each side, away from the bevel and the
# hover border) for awk, relative to the board's frame: "c1 c2 ... c9 |
# r1 ... r9", each "from-to"; columns from row 1, rows from column 1.
e2e_cell_spans() {
    local sx sy x y w h i out=""
    read -r sx sy _ < <(e2e_place sd991)
    for i in 1 2 3 4 5 6 7 8 9; do
        read -r x y w h < <(e2e_place "cell 1 $i")
        out+="$((x - sx + 5))-$((x - sx + w - 6)) "
    done
    out+="|"
    for i in 1 2 3 4 5 6 7 8 9; do
        read -r x y w h < <(e2e_place "cell $i 1")
        out+=" $((y - sy + 5))-$((y - sy + h - 6))"
    done
    echo "$out"
}

# The awk prelude that maps a pixel of the board's crop to its cell: after
# it, ($1 in colat) && ($2 in rowat) holds for the insides of cells.
E2E_SPANS_AWK='BEGIN {
    split(spans, half, "|"); nc = split(half[1], cs, " "); nr = split(half[2], rs, " ")
    for (i = 1; i <= nc; i++) { split(cs[i], e, "-"); for (q = e[1]; q <= e[2]; q++) colat[q] = i }
    for (i = 1; i <= nr; i++) { split(rs[i], e, "-"); for (q = e[1]; q <= e[2]; q++) rowat[q] = i }
}'

# The board's crop of a screenshot, as "x y r g b" lines relative to the
# frame.
e2e_board_lines() {
    local sx sy sw sh
    read -r sx sy sw sh < <(e2e_place sd991)
    e2e_rgb_lines "$1" "${sw}x${sh}+$((CX + sx))+$((CY + sy))"
}

# Counts in a region W H X Y (client) of a screenshot, printed as
# "ink near": ink, the pixels farther than 96 from the region's most
# frequent colour (its background); near, the pixels within DIST (default
# 110) of colour r,g,b (default black).
#   e2e_measure IMAGE W H X Y [R,G,B [DIST]]
e2e_measure() {
    e2e_rgb_lines "$1" "${2}x${3}+$((CX + $4))+$((CY + $5))" | awk -v c="${6:-0,0,0}" -v d="${7:-110}" '
        { n[NR] = $3 " " $4 " " $5; seen[n[NR]]++ }
        END {
            split(c, t, ",")
            for (k in seen) if (seen[k] > most) { most = seen[k]; bg = k }
            split(bg, b, " ")
            for (i = 1; i <= NR; i++) {
                split(n[i], p, " ")
                if ((p[1]-b[1])^2 + (p[2]-b[2])^2 + (p[3]-b[3])^2 > 96 * 96) ink++
                if ((p[1]-t[1])^2 + (p[2]-t[2])^2 + (p[3]-t[3])^2 <= d * d) near++
            }
            print ink + 0, near + 0
        }'
}

# Ink and near counts of the inside of cell (row, col), away from its bevel
# and its hover border.
#   e2e_cell_measure IMAGE ROW COL [R,G,B [DIST]]
e2e_cell_measure() {
    local x y
    read -r x y < <(e2e_cell "$2" "$3")
    e2e_measure "$1" 36 36 $((x - 18)) $((y - 18)) "${4:-0,0,0}" "${5:-110}"
}

# Ink of the nine candidate marks (three rows of three, 14 px each) of cell
# (row, col), one number each, against the cell's background; each mark
# is measured away from its hover border.
e2e_mark_inks() {
    local x y
    read -r x y _ < <(e2e_place "cell $2 $3")
    e2e_rgb_lines "$1" "42x42+$((CX + x + 2))+$((CY + y + 2))" | awk '
        { k = $3 " " $4 " " $5; px[NR] = k; m[NR] = ($1 % 14 >= 1 && $1 % 14 <= 11 && $2 % 14 >= 1 && $2 % 14 <= 11) ? 1 + int($1 / 14) + 3 * int($2 / 14) : 0
          if (++seen[k] > most) { most = seen[k]; bg = k } }
        END {
            split(bg, b, " ")
            for (i = 1; i <= NR; i++) if (m[i]) {
                split(px[i], p, " ")
                if ((p[1]-b[1])^2 + (p[2]-b[2])^2 + (p[3]-b[3])^2 > 96 * 96) ink[m[i]]++
            }
            for (k = 1; k <= 9; k++) printf "%d%s", ink[k], k < 9 ? " " : "\n"
        }'
}

# Client coordinates of the centre of candidate mark K of cell (row, col).
e2e_mark() {
    local x y
    read -r x y _ < <(e2e_place "cell $1 $2")
    echo $((x + 2 + 14 * (($3 - 1) % 3) + 6)) $((y + 2 + 14 * (($3 - 1) / 3) + 6))
}

# The whole board of a screenshot, one line per cell: "row col ink black
# blue red", the ink of its inside and its pixels near the colours of a
# given (black), a placed digit (blue) and a wrong one (dark red, not the marks' maroon). One
# pass over the board: 81 separate measurements would be slow.
e2e_board() {
    e2e_board_lines "$1" | awk -v spans="$(e2e_cell_spans)" "$E2E_SPANS_AWK"'
        function d2(r, g, b, R, G, B) { return (r-R)^2 + (g-G)^2 + (b-B)^2 }
        ($1 in colat) && ($2 in rowat) {
            cell = rowat[$2] " " colat[$1]
            k = $3 " " $4 " " $5
            px[cell, ++cnt[cell]] = k
            seen[cell, k]++
            if (seen[cell, k] > most[cell]) { most[cell] = seen[cell, k]; bg[cell] = k }
            if (d2($3, $4, $5, 0, 0, 0) <= 100^2) black[cell]++
            if (d2($3, $4, $5, 0, 0, 255) <= 110^2) blue[cell]++
            if (d2($3, $4, $5, 174, 0, 0) <= 30^2) red[cell]++
        }
        END {
            for (r = 1; r <= 9; r++) for (c = 1; c <= 9; c++) {
                cell = r " " c; split(bg[cell], b, " "); ink = 0
                for (i = 1; i <= cnt[cell]; i++) {
                    split(px[cell, i], p, " ")
                    if (d2(p[1], p[2], p[3], b[1], b[2], b[3]) > 96^2) ink++
                }
                print cell, ink, black[cell] + 0, blue[cell] + 0, red[cell] + 0
            }
        }'
}

# The background of every cell of a screenshot, the most frequent colour
# of its inside: one line per cell, "row col r g b".
e2e_cell_backgrounds() {
    e2e_board_lines "$1" | awk -v spans="$(e2e_cell_spans)" "$E2E_SPANS_AWK"'
        ($1 in colat) && ($2 in rowat) {
            cell = rowat[$2] " " colat[$1]; k = $3 " " $4 " " $5
            if (++seen[cell, k] > most[cell]) { most[cell] = seen[cell, k]; bg[cell] = k }
        }
        END { for (r = 1; r <= 9; r++) for (c = 1; c <= 9; c++) print r, c, bg[r " " c] }'
}

# Whether cell (row, col) of a screenshot shows a digit the player placed:
# a blue one, or a dark red one when it is not the solution's. The red
# must be close: candidate marks are maroon, only 46 away from it.
e2e_placed() {
    local blue red
    read -r _ blue < <(e2e_cell_measure "$1" "$2" "$3" 0,0,255 110)
    read -r _ red < <(e2e_cell_measure "$1" "$2" "$3" 174,0,0 30)
    [ $((blue + red)) -gt 15 ]
}

# Deals a game with the tool button "Create Sudoku:Very Easy" and waits for
# its givens; fills GIVEN (the first given, "row col") and OPEN (the open
# cells, "row col" each). The candidate mode must be None.
e2e_deal() {
    e2e_click_control ToolButton11 1
    e2e_park
    e2e_wait_dealt
}

# Waits for a dealt board (however it was dealt) and fills GIVEN and OPEN
# as e2e_deal does.
e2e_wait_dealt() {
    dealt() {
        e2e_shot dealt
        local r c ink black blue red n=0
        GIVEN="" OPEN=()
        while read -r r c ink black blue red; do
            if [ "$black" -gt 15 ]; then
                n=$((n + 1))
                [ -n "$GIVEN" ] || GIVEN="$r $c"
            elif [ "$ink" -eq 0 ]; then
                OPEN+=("$r $c")
            fi
        done < <(e2e_board "$E2E_OUT/dealt.png")
        # Every cell either a given or empty: the whole deal is on show.
        [ "$n" -ge 17 ] && [ $((n + ${#OPEN[@]})) -eq 81 ]
    }
    e2e_wait "$E2E_LIMIT" "a dealt board" dealt
}

# Crop of the clock (the time label) of a screenshot, as a checksum.
e2e_clock() {
    local x y w h
    read -r x y w h < <(e2e_place TimeLabel1)
    convert "$1" -crop "${w}x${h}+$((CX + x))+$((CY + y))" +repage -depth 8 rgb:- | md5sum
}

# Waits until the board on show is recorded in the history: the clock's
# caption changes on a tick, and every tick records a changed board.
# Call it once the change is on screen.
e2e_wait_tick() {
    local before
    e2e_shot tick-before
    before=$(e2e_clock "$E2E_OUT/tick-before.png")
    ticked() { e2e_shot tick-after && [ "$(e2e_clock "$E2E_OUT/tick-after.png")" != "$before" ]; }
    e2e_wait "$E2E_LIMIT" "a tick of the clock" ticked
}

# The common start of a test: screenshots into OUT_DIR, the game copied into
# a fresh program directory ($game_dir; with the new-version check off
# when the game cannot run without network), the layout, a private X
# server, and cleanup of both at exit.
e2e_begin() {
    BUILD=$(cd "$1" && pwd)
    E2E_OUT=$(mkdir -p "$2" && cd "$2" && pwd)
    game_dir=$(mktemp -d)
    cp "$BUILD/src/app/sudoku-nodala" "$game_dir/"
    [ "${#E2E_OFFLINE[@]}" -gt 0 ] || e2e_default_settings 0 >"$game_dir/vorel.ini"
    e2e_load_layout "$BUILD/tools/sudoku-tool/sudoku-tool"
    e2e_start_x
    trap e2e_cleanup EXIT
}

# A game still running ends the way a session does (it saves into its
# directory meanwhile), then the X server and the program directory go.
e2e_cleanup() {
    if [ -n "${GAME_PID:-}" ] && kill -0 "$GAME_PID" 2>/dev/null; then
        kill "$GAME_PID" 2>/dev/null
        e2e_wait_exit "$GAME_PID" 10 >/dev/null 2>&1 || kill -KILL "$GAME_PID" 2>/dev/null || true
    fi
    e2e_stop_x
    rm -rf "$game_dir" 2>/dev/null || true
}

# Id of the visible window whose title matches the regular expression $1
# (empty when there is none).
e2e_window() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true; }

# Waits until a window titled like $2 is on show and holds the keyboard
# focus, then stores its id in the variable named $1: keys typed before
# that would go elsewhere. When a box closes, the focus falls back to the
# root window and, without a window manager, nobody hands it on: then the
# window gets it the way a window manager would give it.
e2e_wait_window() {
    local -n _id=$1
    _id=""
    window_focused() {
        local focus shown
        _id=$(e2e_window "$2")
        [ -n "$_id" ] || return 1
        focus=$(xdotool getwindowfocus 2>/dev/null || true)
        [ "$focus" = "$_id" ] && return 0
        shown=$(xdotool search --onlyvisible --name '.' 2>/dev/null || true)
        grep -qx "$focus" <<<"$shown" || xdotool windowfocus "$_id" 2>/dev/null || true
        return 1
    }
    e2e_wait "$E2E_LIMIT" "the window \"$2\" with the focus" window_focused "$1" "$2"
}

# Waits until window $1 is no longer on show.
e2e_wait_gone() {
    window_gone() {
        local shown
        shown=$(xdotool search --onlyvisible --name '.' 2>/dev/null || true)
        ! grep -qx "$1" <<<"$shown"
    }
    e2e_wait "$E2E_LIMIT" "$2 to close" window_gone "$1"
}

# Opens the File menu by its mnemonic, once the main window has the focus.
e2e_file_menu() {
    e2e_wait_window WIN '^Sudoku Nodala v3\.0$'
    xdotool key --clearmodifiers alt+f
    e2e_wait 10 "the File menu" e2e_menu_shown
}
e2e_menu_shown() { [ "$(e2e_popups)" -gt 0 ]; }

# File > Exit; the game must end with status 0.
e2e_exit_game() {
    e2e_file_menu
    xdotool key e
    local status=0
    e2e_wait_exit "$GAME_PID" 10 || status=$?
    [ "$status" -eq 0 ] || e2e_fail "the game did not end with status 0 (status $status)"
}

# File > Continue Your Last Game.
e2e_continue_game() {
    e2e_file_menu
    xdotool key Down Down Return
}

# Two moves on a dealt Very Easy game, each recorded by a tick of the
# clock; OPEN[0] and OPEN[1] hold them.
e2e_play_two_moves() {
    e2e_locate
    e2e_deal
    [ "${#OPEN[@]}" -ge 2 ] || e2e_fail "fewer than two open cells"
    local i r c x y
    for i in 0 1; do
        read -r r c <<<"${OPEN[$i]}"
        read -r x y < <(e2e_cell "$r" "$c")
        xdotool key $((i + 3))
        e2e_click "$x" "$y" 1
        e2e_wait 20 "move $i at $r,$c" e2e_placed_at "move$i" "$r" "$c"
        e2e_wait_tick
    done
}
e2e_placed_at() { e2e_park; e2e_shot "$1" && e2e_placed "$E2E_OUT/$1.png" "$2" "$3"; }

# The record of a game of level 0 with its solution and 1 + N steps, CR LF
# after every line.
e2e_check_record() {
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

# Continues the last game and waits for both moves of e2e_play_two_moves.
e2e_continue_two_moves() {
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
