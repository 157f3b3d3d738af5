#!/usr/bin/env python3
"""Holds the libraries of src/ against the picture of the rooms in the README.

Each library is named after its room (nodala_ROOM or nodala_ROOM_PART) and
defined in that room's folder; each has one line in the picture, naming the
rooms (all their libraries) or single libraries its sources may include besides its own headers.
A library may include only the headers of the Qt modules it links, directly
or through the project's libraries it links: a QtCore-only library that
includes a widgets header fails.

Usage: check-rooms.py REPOSITORY_ROOT QT_HEADERS_DIR
"""
import os
import re
import sys

root, qt_headers = os.path.abspath(sys.argv[1]), sys.argv[2]
src = os.path.join(root, "src")
problems = []

# The picture: "LIBRARY  ALLOWED..." lines between the rooms markers.
readme = open(os.path.join(root, "README.md"), encoding="utf-8").read()
m = re.search(r"<!-- rooms -->\n```text\n(.*?)```\n<!-- /rooms -->", readme, re.S)
if not m:
    sys.exit(f"no picture of the rooms in {root}/README.md")
picture = {}
for line in m.group(1).splitlines():
    words = line.split()
    if words:
        picture[words[0]] = [w for w in words[1:] if w != "-"]

# The libraries: nodala_library(NAME SOURCES ... LIBS ...) in src/.
call = re.compile(r"^\s*(nodala_library|add_library)\((\S+)(.*?)\)\s*$", re.S | re.M)
libraries = {}  # short name -> {room, dir, sources, libs}
for dirpath, _, files in os.walk(src):
    if "CMakeLists.txt" not in files:
        continue
    text = open(os.path.join(dirpath, "CMakeLists.txt"), encoding="utf-8").read()
    text = re.sub(r"#.*", "", text)
    room = os.path.relpath(dirpath, src).split(os.sep)[0]
    for kind, name, body in call.findall(text):
        where = os.path.relpath(os.path.join(dirpath, "CMakeLists.txt"), root)
        if kind == "add_library":
            problems.append(f"{where}: {name} is not made with nodala_library")
            continue
        if name != f"nodala_{room}" and not name.startswith(f"nodala_{room}_"):
            problems.append(f"{where}: {name} is defined in src/{room}/ but not named after it")
        parts = re.split(r"\b(SOURCES|LIBS)\b", body)
        fields = {parts[i]: parts[i + 1].split() for i in range(1, len(parts) - 1, 2)}
        sources = {os.path.normpath(os.path.join(dirpath, s)) for s in fields.get("SOURCES", [])
                   if not s.startswith("$") and s.endswith((".h", ".cpp"))}
        # Sources chosen by platform: $<IF:cond,a.cpp,b.cpp>
        for choice in re.findall(r"\$<IF:[^,]*,([^,>]*),([^,>]*)>", body):
            sources |= {os.path.normpath(os.path.join(dirpath, s)) for s in choice}
        libraries[name[len("nodala_"):]] = {
            "room": room, "where": where, "sources": sources, "libs": fields.get("LIBS", [])}

for name in libraries:
    if name not in picture:
        problems.append(f"{libraries[name]['where']}: nodala_{name} has no line in the picture of the rooms")
for name in picture:
    if name not in libraries:
        problems.append(f"README.md: the picture names {name}, which no folder of src/ defines")

owner = {s: n for n, lib in libraries.items() for s in lib["sources"]}


def allowed(name):
    out = {name}
    for word in picture.get(name, []):
        # A room's name stands for all its libraries.
        room = {n for n, lib in libraries.items() if lib["room"] == word}
        out |= room or {word}
    return out


def qt_modules(name, seen=None):
    seen = seen if seen is not None else set()
    if name in seen:
        return set()
    seen.add(name)
    mods = set()
    for lib in libraries[name]["libs"]:
        if lib.startswith("Qt6::"):
            mods.add("Qt" + lib[5:])
        elif lib.startswith("nodala_") and lib[7:] in libraries:
            mods |= qt_modules(lib[7:], seen)
        elif lib == "nodala_artwork":
            mods |= {"QtGui", "QtSvg"}
    # What a module needs comes with it.
    if mods & {"QtWidgets", "QtPrintSupport", "QtSvg"}:
        mods.add("QtGui")
    if mods:
        mods.add("QtCore")
    return mods


header_module = {}
for module in os.listdir(qt_headers):
    if module.startswith("Qt") and os.path.isdir(os.path.join(qt_headers, module)):
        for header in os.listdir(os.path.join(qt_headers, module)):
            header_module.setdefault(header, module)

include = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.M)
for name, lib in sorted(libraries.items()):
    ok = allowed(name)
    mods = qt_modules(name)
    for source in sorted(lib["sources"]):
        shown = os.path.relpath(source, root)
        if not os.path.exists(source):
            problems.append(f"{shown}: listed in {lib['where']} but missing")
            continue
        for bracket, target in include.findall(open(source, encoding="utf-8").read()):
            if bracket == "<":
                module = target.split("/")[0] if "/" in target else header_module.get(target)
                if module and module.startswith("Qt") and module not in mods:
                    problems.append(f"{shown}: includes <{target}> of {module}, which nodala_{name} does not link")
                continue
            path = os.path.normpath(os.path.join(src, target))
            if not path.startswith(src + os.sep) or not os.path.exists(path):
                continue  # a header beside the file, or not one of src/
            other = owner.get(path)
            if other is None:
                problems.append(f"{shown}: includes {target}, which no library lists")
            elif other not in ok:
                problems.append(f"{shown}: includes {target} of nodala_{other}, but nodala_{name} may not")

for p in problems:
    print(p, file=sys.stderr)
sys.exit(1 if problems else 0)
