"""Each folder includes only from itself and the folders below it."""
import os
import re
import sys

# The folders from the bottom up; a folder may use those before it in this list.
ORDER = ["astro", "hijri", "common", "zones", "cities", "settings", "timetable", "cli", "app"]
# Folders that are not libraries but may be included by the two front ends.
SHARED = {"resources": {"app"}}

root = os.environ.get("ORVANTA_SOURCE_DIR", os.path.dirname(os.path.dirname(__file__)))
include = re.compile(r'#include "([a-z_]+)/')
faults = []
for level, folder in enumerate(ORDER):
    allowed = set(ORDER[: level + 1]) - ({"cli"} if folder == "app" else set())
    allowed |= {name for name, users in SHARED.items() if folder in users}
    path = os.path.join(root, folder)
    if not os.path.isdir(path):
        continue
    for name in sorted(os.listdir(path)):
        if not name.endswith((".h", ".cpp")):
            continue
        with open(os.path.join(path, name), encoding="utf-8") as source:
            for number, line in enumerate(source, 1):
                found = include.match(line)
                if found and found.group(1) not in allowed:
                    faults.append(f"{folder}/{name}:{number} includes from {found.group(1)}/")
print("\n".join(faults) or "layering: every include points down")
sys.exit(1 if faults else 0)
