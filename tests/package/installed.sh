#!/usr/bin/env bash
# The Debian package as a player meets it: build it, check it with lintian
# and the desktop's validators, install it with apt, see the desktop know
# its puzzle files, play as an ordinary user under Xvfb across two runs of
# the installed game, remove it.
#   bash tests/package/installed.sh BUILD_DIR OUT_DIR     (as root)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=../e2e/lib.sh
. "$here/../e2e/lib.sh"

[ "$(id -u)" -eq 0 ] || { echo "installed.sh: run as root (it installs a package and adds a user)" >&2; exit 2; }
BUILD=$(cd "$1" && pwd)
E2E_OUT=$(mkdir -p "$2" && cd "$2" && pwd)
app=com.sudokunodala.SudokuNodala
player=nodala-player

# --- the package
rm -f "$BUILD"/sudoku-nodala_*.deb
(cd "$BUILD" && cpack -G DEB >"$E2E_OUT/cpack.log" 2>&1) || e2e_fail "cpack failed (see cpack.log)"
deb=$(echo "$BUILD"/sudoku-nodala_3.0.0_"$(dpkg --print-architecture)".deb)
[ -f "$deb" ] || e2e_fail "no $(basename "$deb")"
for field in Maintainer Description Depends; do
    [ -n "$(dpkg-deb -f "$deb" "$field")" ] || e2e_fail "the package has no $field"
done
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || e2e_fail "Depends was not computed from the programs"
# lintian exits non-zero on errors; its warnings are shown, not failed on.
lintian "$deb" 2>&1 | tee "$E2E_OUT/lintian.txt" || e2e_fail "lintian found errors"

DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" >"$E2E_OUT/apt-install.log" 2>&1 \
    || e2e_fail "apt-get install failed (see apt-install.log)"
trap 'e2e_cleanup; apt-get remove -y -qq sudoku-nodala >/dev/null 2>&1 || true; userdel -r "$player" >/dev/null 2>&1 || true' EXIT

# --- the installed files
desktop=/usr/share/applications/$app.desktop
desktop-file-validate "$desktop" || e2e_fail "desktop-file-validate rejects $desktop"
appstreamcli validate --no-net "/usr/share/metainfo/$app.metainfo.xml" || e2e_fail "appstreamcli rejects the metainfo"
for page in sudoku-nodala sudoku-tool; do
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "/usr/share/man/man6/$page.6.gz" 2>&1 >/dev/null)
    [ -z "$warnings" ] || e2e_fail "man --warnings on $page(6): $warnings"
done
# The puzzle files' types, in the databases Debian's triggers rebuilt, and
# the launcher that opens them.
mime_types=(application/x-sudoku-sdk:sdk application/x-sudoku-sdm:sdm application/x-sudoku-ss:ss
            application/x-opensudoku:opensudoku)
[ -f "/usr/share/mime/packages/$app.xml" ] || e2e_fail "no shared-mime-info file"
grep -q '^Exec=sudoku-nodala %f$' "$desktop" || e2e_fail "the launcher takes no file: $(grep '^Exec=' "$desktop")"
for entry in "${mime_types[@]}"; do
    type=${entry%%:*} ext=${entry#*:}
    grep -q ":$type:\*\.$ext$" /usr/share/mime/globs2 || e2e_fail "the MIME database lacks $type (*.$ext)"
    grep -q "^MimeType=.*$type;" "$desktop" || e2e_fail "the launcher does not list $type"
    grep -q "^$type=.*$app\.desktop" /usr/share/applications/mimeinfo.cache \
        || e2e_fail "the desktop database does not open $type with the game"
done
[ -f "/usr/share/icons/hicolor/scalable/apps/$app.svg" ] || e2e_fail "no scalable icon"
for size in 48 64 128 256; do
    png=/usr/share/icons/hicolor/${size}x${size}/apps/$app.png
    [ "$(identify -format '%wx%h' "$png" 2>/dev/null)" = "${size}x${size}" ] || e2e_fail "no ${size} px icon"
done
/usr/games/sudoku-tool --version >/dev/null || e2e_fail "the installed sudoku-tool does not run"

# --- an ordinary user plays, exits and continues
userdel -r "$player" >/dev/null 2>&1 || true
useradd -m "$player"
home=$(getent passwd "$player" | cut -d: -f6)
data="$home/.local/share/Sudoku Nodala v3.0"
# The launcher's command, found on the user's login PATH as a desktop
# session would.
exec_line=$(sed -n 's/^Exec=//p' "$desktop" | sed 's/ %[fFuU]//')
e2e_load_layout /usr/games/sudoku-tool
e2e_start_x
E2E_GAME=(setpriv --reuid="$player" --regid="$player" --init-groups --reset-env
          bash -lc "export DISPLAY=$DISPLAY; exec $exec_line")
game_dir="" # nothing for the cleanup to delete: the user goes as a whole

e2e_start_game "$home"
has_icon() { xprop -id "$WIN" _NET_WM_ICON 2>/dev/null | grep -q '='; }
e2e_wait 10 "the window's icon" has_icon
e2e_locate
e2e_deal
read -r r c <<<"${OPEN[0]}"
read -r x y < <(e2e_cell "$r" "$c")
xdotool key 5
e2e_click "$x" "$y" 1
placed() { e2e_park; e2e_shot move && e2e_placed "$E2E_OUT/move.png" "$r" "$c"; }
e2e_wait 10 "the move at $r,$c" placed
e2e_wait_tick

e2e_exit_game

for f in lastgame.dat vorel.ini replay; do
    [ -e "$data/$f" ] || e2e_fail "no $f in $data"
    [ "$(stat -c %U "$data/$f")" = "$player" ] || e2e_fail "$data/$f is not the player's"
done
for f in lastgame.dat vorel.ini replay print_temp.htm; do
    [ ! -e "/usr/games/$f" ] || e2e_fail "the game wrote $f into /usr/games"
done

e2e_start_game "$home"
e2e_locate
e2e_continue_game
resumed() { e2e_park; e2e_shot continued && e2e_placed "$E2E_OUT/continued.png" "$r" "$c"; }
e2e_wait 10 "the move resumed at $r,$c" resumed
kill "$GAME_PID"
e2e_wait_exit "$GAME_PID" 10 >/dev/null || e2e_fail "the game did not end on SIGTERM"
GAME_PID=""
e2e_stop_x

# --- removal leaves no file of the package behind
files=$(dpkg -L sudoku-nodala | while read -r f; do [ -f "$f" ] && echo "$f"; done)
DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq sudoku-nodala >"$E2E_OUT/apt-remove.log" 2>&1 \
    || e2e_fail "apt-get remove failed"
for f in $files; do
    [ ! -e "$f" ] || e2e_fail "$f is left after removal"
done
[ -f "$data/lastgame.dat" ] || e2e_fail "removing the package took the player's game"
for entry in "${mime_types[@]}"; do
    ! grep -q ":${entry%%:*}:" /usr/share/mime/globs2 || e2e_fail "${entry%%:*} is left in the MIME database"
done
echo "installed-package test passed"
