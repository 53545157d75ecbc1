#!/usr/bin/env python3
"""Whole-process cost of a year's timetable against the cost of starting the program at all.

Runs, interleaved in one loop so that both see the same machine load:
  orvanta-times --version
  orvanta-times --city Mecca --year 2026 --format csv
and prints both medians in milliseconds and their ratio (goal: the year within 1.5x of
--version).

Usage: bench/process_cost.py [--binary build/release/cli/orvanta-times] [--runs 101]
"""
from interleaved_runs import arguments, interleaved_medians

GOAL = 1.5


def main():
    args = arguments(__doc__, 101)
    version = [args.binary, "--version"]
    year = [args.binary, "--city", "Mecca", "--year", "2026", "--format", "csv"]
    v, y = interleaved_medians([version, year], args.runs)
    verdict = "within" if y <= GOAL * v else "OVER"
    print(f"orvanta-times --version: {v:.2f} ms median of {args.runs}")
    print(f"orvanta-times --city Mecca --year 2026 --format csv: {y:.2f} ms median")
    print(f"ratio {y / v:.2f}x ({verdict} the goal of {GOAL}x)")


if __name__ == "__main__":
    main()
