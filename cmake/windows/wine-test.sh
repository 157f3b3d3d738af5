#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a cross-built test under Wine and prints its log. Without a console
# window QtTest writes its log to the debugger instead of standard output,
# so it goes to a file and is printed from there.
#   wine-test.sh TEST.exe [ARGS...]
set -u
exe=$1
shift
log=$(basename "$exe" .exe).log
rm -f "$log"
wine "$exe" -o "$log,txt" "$@"
status=$?
[ -f "$log" ] && cat "$log"
exit $status
