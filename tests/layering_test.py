"""Each folder includes only from itself and the folders below it; inside app/, each room
includes only from itself and the rooms below it."""
import os
import re
import sys

# The folders from the bottom up; a folder may use those before it in this list.
ORDER = ["astro", "hijri", "common", "zones", "cities", "settings", "timetable", "cli", "app"]
# The rooms of app/ from the bottom up, in the same sense. Files at app/'s top (main.cpp) may use
# every room.
APP_ROOMS = ["text", "widgets", "system", "day", "reminders", "options", "month", "window"]
# Folders that are not libraries but may be included by the two front ends.
SHARED = {"resources": {"app"}}

root = os.environ.get("ORVANTA_SOURCE_DIR", os.path.dirname(os.path.dirname(__file__)))
include = re.compile(r'#include "([a-z_]+)/(?:([a-z_]+)/)?')
faults = []


def sources(folder):
    """(path relative to root, room or None) of every C++ file in a folder and its rooms."""
    top = os.path.join(root, folder)
    for directory, subfolders, names in os.walk(top):
        subfolders.sort()
        relative = os.path.relpath(directory, top)
        room = None if relative == "." else relative.split(os.sep)[0]
        for name in sorted(names):
            if name.endswith((".h", ".cpp")):
                yield os.path.relpath(os.path.join(directory, name), root), room


def check_room(path, number, room, target):
    """An include of app/TARGET/ from a file in app/ROOM/."""
    if target not in APP_ROOMS:
        faults.append(f"{path}:{number} includes app/ outside its rooms")
    elif room is not None and room not in APP_ROOMS:
        faults.append(f"{path}: app/{room}/ is not a room the layering knows")
    elif room is not None and APP_ROOMS.index(target) > APP_ROOMS.index(room):
        faults.append(f"{path}:{number} includes from the higher room app/{target}/")


for level, folder in enumerate(ORDER):
    allowed = set(ORDER[: level + 1]) - ({"cli"} if folder == "app" else set())
    allowed |= {name for name, users in SHARED.items() if folder in users}
    for path, room in sources(folder):
        with open(os.path.join(root, path), encoding="utf-8") as source:
            for number, line in enumerate(source, 1):
                found = include.match(line)
                if not found:
                    continue
                if found.group(1) not in allowed:
                    faults.append(f"{path}:{number} includes from {found.group(1)}/")
                elif found.group(1) == "app" and folder == "app":
                    check_room(path, number, room, found.group(2))
print("\n".join(faults) or "layering: every include points down")
sys.exit(1 if faults else 0)
