#!/usr/bin/env python3
"""The game's accessible objects as a screen reader gets them over AT-SPI.

    accessibility.py names          every named object of the main window: "ROLE<TAB>NAME"
    accessibility.py focused        the name of the focused cell, if any
    accessibility.py follow KEY...  types the keys with xdotool and prints the
                                    cell named by each focus event on the way
"""
import subprocess
import sys

import pyatspi
from gi.repository import GLib

TITLE = "Sudoku Nodala v3.0"


def main_window():
    for app in pyatspi.Registry.getDesktop(0):
        if app is None:
            continue
        for win in app:
            if win is not None and win.name == TITLE:
                return win
    sys.exit("no window named " + TITLE)


def cells(win):
    return pyatspi.findAllDescendants(win, lambda o: o.getRole() == pyatspi.ROLE_TABLE_CELL)


def names():
    win = main_window()
    for obj in pyatspi.findAllDescendants(win, lambda o: bool(o.name)):
        print(f"{obj.getRoleName()}\t{obj.name}")


def focused():
    for cell in cells(main_window()):
        if cell.getState().contains(pyatspi.STATE_FOCUSED):
            print(cell.name)


def follow(keys):
    spoken = []

    def on_focus(event):
        if event.detail1 == 1 and event.source.getRole() == pyatspi.ROLE_TABLE_CELL:
            spoken.append(event.source.name)

    def type_keys():
        subprocess.run(["xdotool", "key", "--delay", "150", *keys], check=True)
        GLib.timeout_add(1500, pyatspi.Registry.stop)
        return False

    pyatspi.Registry.registerEventListener(on_focus, "object:state-changed:focused")
    GLib.timeout_add(500, type_keys)
    pyatspi.Registry.start()
    for name in spoken:
        print(name)


if __name__ == "__main__":
    what = sys.argv[1] if len(sys.argv) > 1 else ""
    if what == "names":
        names()
    elif what == "focused":
        focused()
    elif what == "follow":
        follow(sys.argv[2:])
    else:
        sys.exit(__doc__)
