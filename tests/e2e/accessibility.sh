#!/usr/bin/env bash
# The board through a screen reader's eyes: a private D-Bus session with
# the AT-SPI registry, the game on it, and a real AT-SPI client
# (accessibility.py, pyatspi) reading the cells' names and following the
# keyboard cursor as it moves.
#   bash tests/e2e/accessibility.sh BUILD_DIR OUT_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# The game must reach the session's bus socket: no network namespace.
E2E_NO_UNSHARE=1
# shellcheck source=lib.sh
. "$here/lib.sh"

e2e_begin "$1" "$2"
# A session bus of our own, its sockets in files (abstract sockets would
# not do for every client), and Qt's bridge on without a desktop asking.
bus_dir=$(mktemp -d)
chmod 700 "$bus_dir"
export XDG_RUNTIME_DIR=$bus_dir
dbus-daemon --session --fork --address="unix:path=$bus_dir/bus" --print-pid=3 3>"$bus_dir/pid"
export DBUS_SESSION_BUS_ADDRESS="unix:path=$bus_dir/bus"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
trap 'e2e_cleanup; kill "$(cat "$bus_dir/pid")" 2>/dev/null || true; rm -rf "$bus_dir"' EXIT
# Debian's own Python, where python3-pyatspi lives.
atspi() { /usr/bin/python3 "$here/accessibility.py" "$@"; }

e2e_start_game "$game_dir"
e2e_locate
e2e_park
e2e_deal

# Every cell is named, and says given exactly where the board shows one.
listed() { atspi names >"$E2E_OUT/names.txt" 2>"$E2E_OUT/atspi.log" && [ "$(grep -c $'^table cell\tRow ' "$E2E_OUT/names.txt")" -eq 81 ]; }
e2e_wait 20 "81 named cells over AT-SPI (names.txt, atspi.log)" listed
given=$(grep -c $'^table cell\tRow [1-9], column [1-9]: given [1-9]$' "$E2E_OUT/names.txt" || true)
[ "$given" -eq $((81 - ${#OPEN[@]})) ] || e2e_fail "$given cells read as given, the board shows $((81 - ${#OPEN[@]}))"
for cell in "${OPEN[@]}"; do
    read -r r c <<<"$cell"
    grep -qx $'table cell\t'"Row $r, column $c: empty" "$E2E_OUT/names.txt" || e2e_fail "open cell $r,$c is not read as empty"
done
for name in "Very Easy" "Show hint" "Back Step" "None  (F1)" "Board"; do
    grep -q $'\t'"$name\$" "$E2E_OUT/names.txt" || e2e_fail "no object named \"$name\""
done

# The cursor's cell is the focused object, and each move announces the
# new cell. It shows where the pointer last touched the board (the window
# may have opened under it); Page Up and Home take it to (1, 1).
read -r r c <<<"${OPEN[0]}"
xdotool key --delay 50 Right Page_Up Home
at_home() { [ "$(atspi focused | sed 's/:.*//')" = "Row 1, column 1" ]; }
e2e_wait 10 "the focus on cell 1,1" at_home
atspi follow Right Right Down >"$E2E_OUT/followed.txt"
expected=$(printf '%s\n' "Row 1, column 2" "Row 1, column 3" "Row 2, column 3")
[ "$(sed 's/:.*//' "$E2E_OUT/followed.txt")" = "$expected" ] \
    || e2e_fail "the focus did not follow the cursor: $(tr '\n' '|' <"$E2E_OUT/followed.txt")"
[ "$(atspi focused | sed 's/:.*//')" = "Row 2, column 3" ] || e2e_fail "the focused cell is not the cursor's"

# A digit placed at the cursor changes what its cell says.
moves=(Page_Up Home)
for ((i = 1; i < r; i++)); do moves+=(Down); done
for ((i = 1; i < c; i++)); do moves+=(Right); done
xdotool key --delay 30 "${moves[@]}" 5 space
says_yours() { atspi focused >"$E2E_OUT/placed.txt" && grep -q "^Row $r, column $c: your 5" "$E2E_OUT/placed.txt"; }
e2e_wait 10 "cell $r,$c read as \"your 5\" (placed.txt)" says_yours
echo "accessibility test passed"
