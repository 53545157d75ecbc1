#!/usr/bin/env python3
"""Whole-process cost of the short runs a status bar or a shell completion makes, against
/bin/true.

Runs, interleaved in one loop so that all see the same machine load:
  /bin/true
  orvanta-times next --city Mecca --format waybar
  orvanta-times --version
  orvanta-times cities search Mec
  orvanta-times cities nearest 48.85 2.35   (goal: at most 3x)
and prints each median in milliseconds and its ratio to /bin/true (goal: at most 2.5x).

Beside them, when the build folder of --binary holds them, two yardsticks linked as
orvanta-times is, which show what a short run cannot avoid:
  bench/runtime_yardstick next ...   the C++ runtime, the argument parser, the math library
  bench/sqlite_lookup_yardstick      one lookup through the system's shared SQLite

Usage: bench/start_cost.py [--binary build/release/cli/orvanta-times] [--runs 201]
"""
import os

from interleaved_runs import arguments, interleaved_medians

GOAL = 2.5
NEAREST_GOAL = 3.0  # reads a band of the city database


def main():
    args = arguments(__doc__, 201)
    commands = [
        ["/bin/true"],
        [args.binary, "next", "--city", "Mecca", "--format", "waybar"],
        [args.binary, "--version"],
        [args.binary, "cities", "search", "Mec"],
        [args.binary, "cities", "nearest", "48.85", "2.35"],
    ]
    ours = len(commands)
    commands += yardsticks(args.binary)
    medians = interleaved_medians(commands, args.runs)
    print(f"/bin/true: {medians[0]:.2f} ms median of {args.runs}")
    for command, median in zip(commands[1:ours], medians[1:ours]):
        ratio = median / medians[0]
        goal = NEAREST_GOAL if command[1:3] == ["cities", "nearest"] else GOAL
        verdict = "within" if ratio <= goal else "OVER"
        shown = " ".join(["orvanta-times"] + command[1:])
        print(f"{shown}: {median:.2f} ms, {ratio:.2f}x /bin/true ({verdict} the goal of {goal}x)")
    extra = 0.0  # what the yardsticks cost beyond starting a process, in units of /bin/true
    for command, median in zip(commands[ours:], medians[ours:]):
        ratio = median / medians[0]
        extra += ratio - 1.0
        print(f"yardstick {os.path.basename(command[0])}: {median:.2f} ms, {ratio:.2f}x /bin/true")
    if len(commands) > ours:
        print(f"both yardsticks' costs on one process (the least a run that looks a city up "
              f"pays): {1.0 + extra:.2f}x /bin/true")


def yardsticks(binary):
    """The yardstick commands from the build folder of binary, or none (with a line saying so)
    when it has none, as for an installed orvanta-times."""
    build = os.path.dirname(os.path.dirname(os.path.abspath(binary)))
    runtime = os.path.join(build, "bench", "runtime_yardstick")
    lookup = os.path.join(build, "bench", "sqlite_lookup_yardstick")
    database = os.path.join(build, "data", "cities.db")
    if not all(os.path.exists(path) for path in (runtime, lookup, database)):
        print(f"(no yardsticks in {build}: build the targets runtime_yardstick and "
              "sqlite_lookup_yardstick there)")
        return []
    return [[runtime, "next", "--city", "Mecca", "--format", "waybar"],
            [lookup, database, "mecca"]]


if __name__ == "__main__":
    main()
