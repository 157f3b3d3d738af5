#!/usr/bin/env bash
# The installer under Wine: a silent install into Program Files with its
# Start-menu shortcut, uninstall entry and the puzzle files opened by the
# game (another program's default kept); the installed game, its folder
# read-only as it is for an ordinary Windows user, keeps its files in the
# user's application data folder; the silent uninstall takes every program
# file, the shortcut, the entry and the associations away and leaves the
# saves and the other program's default.
#   bash tests/windows/installer.sh SETUP_EXE OUT_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=lib.sh
. "$here/lib.sh"

setup=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
out=$(mkdir -p "$2" && cd "$2" && pwd)
E2E_OUT=$out
win_prefix "$out/wine"
drive_c=$WINEPREFIX/drive_c
app="$drive_c/Program Files/Sudoku Nodala"
link="$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Sudoku Nodala.lnk"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\SudokuNodala'
user=$(wine cmd /c 'echo %USERNAME%' 2>/dev/null | tr -d '\r')
data="$drive_c/users/$user/AppData/Roaming/Sudoku Nodala v3.0"

classes='HKLM\Software\Classes'
progid=SudokuNodala.Puzzle
reg_default() { wine reg query "$classes\\$1" /ve 2>/dev/null | tr -d '\r' | sed -n 's/.*REG_SZ *//p'; }
# .ss belongs to another program already.
wine reg add "$classes\.ss" /ve /d Other.ss /f >/dev/null 2>&1

wine "$setup" /S
wineserver -w
for f in sudoku-nodala.exe sudoku-tool.exe uninstall.exe platforms/qwindows.dll LICENSE.txt; do
    [ -f "$app/$f" ] || e2e_fail "the installer put no $f into Program Files"
done
[ -f "$link" ] || e2e_fail "no Start-menu shortcut"
entry=$(wine reg query "$key" 2>/dev/null | tr -d '\r')
for value in "DisplayName.*Sudoku Nodala" "DisplayVersion.*3\.0" "Publisher.*Sudoku Nodala developers" \
             "DisplayIcon.*sudoku-nodala\.exe" "UninstallString.*uninstall\.exe" "EstimatedSize.*0x"; do
    grep -Eq "$value" <<<"$entry" || e2e_fail "the uninstall entry lacks $value"
done
command=$(reg_default "$progid\shell\open\command")
[ "$command" = '"C:\Program Files\Sudoku Nodala\sudoku-nodala.exe" "%1"' ] || e2e_fail "the puzzle files open with: $command"
for ext in .sdk .sdm .ss; do
    wine reg query "$classes\\$ext\OpenWithProgids" 2>/dev/null | grep -q "$progid" \
        || e2e_fail "the game is not offered for $ext"
done
[ "$(reg_default .sdk)" = "$progid" ] && [ "$(reg_default .sdm)" = "$progid" ] \
    || e2e_fail "the game does not open .sdk and .sdm"
[ "$(reg_default .ss)" = Other.ss ] || e2e_fail "the installer took .ss from another program"

# The folder read-only, as Program Files is for an ordinary user (root
# writes anywhere else: a read-only bind mount stops it too).
mount --bind "$app" "$app"
mount -o remount,ro,bind "$app"
unmount() { umount "$app" 2>/dev/null || true; }
E2E_GAME=(wine ./sudoku-nodala.exe)
WIN_TOOL=$app/sudoku-tool.exe
e2e_load_layout win_tool
e2e_start_x
trap 'unmount; win_cleanup' EXIT
mkdir -p "$data"
[ "${#E2E_OFFLINE[@]}" -gt 0 ] || e2e_default_settings 0 >"$data/vorel.ini"
win_start_game "$app"
e2e_play_two_moves
e2e_exit_game
unmount
e2e_check_record "$data/lastgame.dat" 3
[ -f "$data/vorel.ini" ] || e2e_fail "no vorel.ini in the application data folder"
[ ! -e "$app/lastgame.dat" ] && [ ! -e "$app/vorel.ini" ] || e2e_fail "the game wrote into Program Files"

wine "$app/uninstall.exe" /S
# The uninstaller runs from a copy of itself: wait for every Wine process.
wineserver -w
e2e_wait 60 "the uninstaller to finish" test ! -e "$app/sudoku-nodala.exe"
[ ! -e "$app" ] || e2e_fail "the uninstaller left $(cd "$app" && find . | tr '\n' ' ')"
[ ! -e "$link" ] || e2e_fail "the uninstaller left the shortcut"
! wine reg query "$key" >/dev/null 2>&1 || e2e_fail "the uninstaller left its entry"
for k in "$progid" .sdk .sdm .ss\\OpenWithProgids; do
    ! wine reg query "$classes\\$k" >/dev/null 2>&1 || e2e_fail "the uninstaller left $k"
done
[ "$(reg_default .ss)" = Other.ss ] || e2e_fail "the uninstaller took .ss from another program"
[ -f "$data/lastgame.dat" ] && [ -f "$data/vorel.ini" ] || e2e_fail "the uninstaller took the saves"
echo "Windows installer test passed"
