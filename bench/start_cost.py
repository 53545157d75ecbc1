#!/usr/bin/env python3
"""Whole-process cost of the short runs a status bar or a shell completion makes, against
/bin/true.

Runs, interleaved in one loop so that all see the same machine load:
  /bin/true
  orvanta-times next --city Mecca --format waybar
  orvanta-times --version
  orvanta-times cities search Mec
and prints each median in milliseconds and its ratio to /bin/true (goal: at most 2.5x).

Usage: bench/start_cost.py [--binary build/release/cli/orvanta-times] [--runs 201]
"""
import argparse
import os
import statistics
import subprocess
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
GOAL = 2.5


def timed(command, env):
    start = time.perf_counter()
    subprocess.run(command, check=True, stdout=subprocess.DEVNULL, env=env)
    return (time.perf_counter() - start) * 1000.0


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--binary", default=os.path.join(ROOT, "build/release/cli/orvanta-times"))
    parser.add_argument("--runs", type=int, default=201)
    args = parser.parse_args()

    # A private data folder: no home city or settings of the person running this.
    env = dict(os.environ, XDG_DATA_HOME="/nonexistent-orvanta-bench",
               XDG_CONFIG_HOME="/nonexistent-orvanta-bench")
    commands = [
        ["/bin/true"],
        [args.binary, "next", "--city", "Mecca", "--format", "waybar"],
        [args.binary, "--version"],
        [args.binary, "cities", "search", "Mec"],
    ]
    for command in commands:
        timed(command, env)
    times = [[] for _ in commands]
    for _ in range(args.runs):
        for command, spent in zip(commands, times):
            spent.append(timed(command, env))
    medians = [statistics.median(spent) for spent in times]
    print(f"/bin/true: {medians[0]:.2f} ms median of {args.runs}")
    for command, median in zip(commands[1:], medians[1:]):
        ratio = median / medians[0]
        verdict = "within" if ratio <= GOAL else "OVER"
        shown = " ".join(["orvanta-times"] + command[1:])
        print(f"{shown}: {median:.2f} ms, {ratio:.2f}x /bin/true ({verdict} the goal of {GOAL}x)")


if __name__ == "__main__":
    main()
