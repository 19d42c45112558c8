#!/usr/bin/env python3
"""Fails when an #include crosses the layers that src/CMakeLists.txt declares.

The CMake file is the one statement of the layering: a target's folder is
its name (vylora_gui_kit is src/gui/kit), the order in which the targets are
declared is the order of the layers, lowest first, and a target's link line
names the rooms its files may include. Reading both from there keeps this
check and the build from drifting apart. Three faults are refused:

- a link to a target declared further down (a higher layer);
- an include of another room that the including target does not link
  itself, be the room higher (a loop in the making) or merely unlinked;
- a link to a room that no file of the target includes.

Usage: check_layers.py [SOURCE_DIR]   (default: the src folder beside scripts/)
"""

import re
import sys
from pathlib import Path

CALL = re.compile(r"\b(vylora_layer|add_library|add_executable|target_link_libraries)\s*\(([^)]*)\)")
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)
KEYWORDS = {"PUBLIC", "PRIVATE", "INTERFACE", "STATIC", "SHARED", "OBJECT"}
# Every target links the shared compile settings; they are no layer.
SETTINGS = "vylora_settings"


class Target:
    def __init__(self, name, rank):
        self.name = name
        self.rank = rank
        self.links = []
        self.files = []


def folder_of(target):
    return target[len("vylora_"):].replace("_", "/")


def read_targets(cmake_text):
    """The targets in declaration order, with their links and own files."""
    text = re.sub(r"#[^\n]*", "", cmake_text)
    targets = {}

    def declare(name):
        return targets.setdefault(name, Target(name, len(targets)))

    for command, arguments in CALL.findall(text):
        words = [w for w in arguments.split() if w not in KEYWORDS]
        # The helper's own body names its targets through variables.
        if not words or words[0].startswith("$"):
            continue
        if command == "vylora_layer":
            target = declare("vylora_" + words[0].replace("/", "_"))
            target.links += words[1:]
        elif command == "target_link_libraries":
            if words[0] in targets:
                targets[words[0]].links += words[1:]
        else:
            target = declare(words[0])
            if command == "add_executable":
                target.files += [w for w in words[1:] if w.endswith(".cpp")]
    return targets


def owners(targets, src):
    """Each source file under src, by path relative to src, with its target."""
    owned = {}
    for target in targets.values():
        folder = src / folder_of(target.name)
        if target.name.startswith("vylora_") and folder.is_dir():
            for path in sorted(folder.glob("*.[ch]*")):
                owned[path.relative_to(src).as_posix()] = target
    for target in targets.values():
        for file in target.files:
            owned[file] = target
    return owned


def room_of(include, folders):
    parts = include.split("/")[:-1]
    while parts:
        if "/".join(parts) in folders:
            return "/".join(parts)
        parts.pop()
    return None


def check(src):
    targets = read_targets((src / "CMakeLists.txt").read_text())
    by_folder = {folder_of(t.name): t for t in targets.values() if t.name.startswith("vylora_")}
    faults = []
    upward = set()
    for target in targets.values():
        for link in target.links:
            if link in targets and link != SETTINGS and targets[link].rank > target.rank:
                faults.append("%s links %s, a higher layer" % (target.name, link))
                upward.add((target.name, link))

    included = {name: set() for name in targets}
    for file, target in sorted(owners(targets, src).items()):
        for include in INCLUDE.findall((src / file).read_text(errors="replace")):
            room = room_of(include, by_folder)
            if room is None:
                continue
            wanted = by_folder[room]
            if wanted is target:
                continue
            included[target.name].add(wanted.name)
            if wanted.name in target.links:
                continue
            why = "a higher layer" if wanted.rank > target.rank else "a room %s does not link" % target.name
            faults.append("src/%s includes %s: %s" % (file, include, why))

    for target in targets.values():
        for link in target.links:
            if (link in targets and link != SETTINGS and link not in included[target.name]
                    and (target.name, link) not in upward):
                faults.append("%s links %s, which none of its files includes" % (target.name, link))
    return faults, sum(len(rooms) for rooms in included.values())


def main():
    src = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent / "src"
    faults, edges = check(src)
    for fault in faults:
        print(fault)
    if faults:
        return 1
    print("layers: every include is linked and every link included (%d room links)" % edges)
    return 0


if __name__ == "__main__":
    sys.exit(main())
