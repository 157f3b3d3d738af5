#!/bin/bash
# Fails on an include that goes against the picture of the rooms in the
# README: each room of src/ may include itself and the rooms (or single
# headers) its line names, nothing else.
# Usage: check-rooms.sh [repository root]
set -euo pipefail
root=${1:-$(dirname "$0")/..}
readme=$root/README.md
picture=$(sed -n '/^<!-- rooms -->$/,/^<!-- \/rooms -->$/p' "$readme" | grep -E '^[a-z]+ ' || true)
[ -n "$picture" ] || { echo "no picture of the rooms in $readme" >&2; exit 2; }

bad=0
for dir in "$root"/src/*/; do
    room=$(basename "$dir")
    line=$(grep -E "^$room " <<<"$picture" || true)
    [ -n "$line" ] || { echo "src/$room: a room the README does not show" >&2; bad=1; continue; }
    allowed=" $room ${line#"$room"} "
    while IFS=: read -r file _ include; do
        target=$(sed -E 's/.*#include "([^"]+)".*/\1/' <<<"$include")
        other=${target%%/*}
        [ "$other" = "$target" ] && continue # a header beside the file
        [ -d "$root/src/$other" ] || continue
        case "$allowed" in
            *" $other "* | *" $target "*) ;;
            *) echo "${file#"$root"/}: includes $target, but $room may not include $other" >&2; bad=1 ;;
        esac
    done < <(grep -rn --include='*.h' --include='*.cpp' '^#include "' "$dir" || true)
done
exit $bad
