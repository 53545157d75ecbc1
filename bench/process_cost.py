#!/usr/bin/env python3
"""Whole-process cost of a year's timetable against the cost of starting the program at all.

Runs, interleaved in one loop so that both see the same machine load:
  orvanta-times --version
  orvanta-times --city Mecca --year 2026 --format csv
and prints both medians in milliseconds and their ratio (goal: the year within 1.5x of
--version).

Usage: bench/process_cost.py [--binary build/release/cli/orvanta-times] [--runs 101]
"""
import argparse
import os
import statistics
import subprocess
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
GOAL = 1.5


def timed(command, env):
    start = time.perf_counter()
    subprocess.run(command, check=True, stdout=subprocess.DEVNULL, env=env)
    return (time.perf_counter() - start) * 1000.0


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--binary", default=os.path.join(ROOT, "build/release/cli/orvanta-times"))
    parser.add_argument("--runs", type=int, default=101)
    args = parser.parse_args()

    # A private data folder: no home city or settings of the person running this.
    env = dict(os.environ, XDG_DATA_HOME="/nonexistent-orvanta-bench",
               XDG_CONFIG_HOME="/nonexistent-orvanta-bench")
    version = [args.binary, "--version"]
    year = [args.binary, "--city", "Mecca", "--year", "2026", "--format", "csv"]
    timed(version, env)
    timed(year, env)
    version_ms, year_ms = [], []
    for _ in range(args.runs):
        version_ms.append(timed(version, env))
        year_ms.append(timed(year, env))
    v, y = statistics.median(version_ms), statistics.median(year_ms)
    verdict = "within" if y <= GOAL * v else "OVER"
    print(f"orvanta-times --version: {v:.2f} ms median of {args.runs}")
    print(f"orvanta-times --city Mecca --year 2026 --format csv: {y:.2f} ms median")
    print(f"ratio {y / v:.2f}x ({verdict} the goal of {GOAL}x)")


if __name__ == "__main__":
    main()
