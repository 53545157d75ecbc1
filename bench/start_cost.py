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

Usage: bench/start_cost.py [--binary build/release/cli/orvanta-times] [--runs 201]
"""
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
    medians = interleaved_medians(commands, args.runs)
    print(f"/bin/true: {medians[0]:.2f} ms median of {args.runs}")
    for command, median in zip(commands[1:], medians[1:]):
        ratio = median / medians[0]
        goal = NEAREST_GOAL if command[1:3] == ["cities", "nearest"] else GOAL
        verdict = "within" if ratio <= goal else "OVER"
        shown = " ".join(["orvanta-times"] + command[1:])
        print(f"{shown}: {median:.2f} ms, {ratio:.2f}x /bin/true ({verdict} the goal of {goal}x)")


if __name__ == "__main__":
    main()
