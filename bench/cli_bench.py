#!/usr/bin/env python3
"""Whole-process timings of orvanta-times.

1. A year timetable for Mecca in CSV, against the same work done by the npm package adhan
   under Node (installed with npm into a folder outside the sources on first use).
2. orvanta-times --city Mecca (today's six times), whose median should stay under 20 ms.

Usage: bench/cli_bench.py [--binary build/release/cli/orvanta-times] [--runs 31]
Prints the medians in milliseconds and the ratio.
"""
import argparse
import os
import shutil
import statistics
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)

# Mecca as the city database stores it: 21°26' N 39°50' E, UTC+3 all year.
LAT, LON, OFFSET = 21 + 26 / 60, 39 + 50 / 60, 3
YEAR = 2024


def median_ms(command, runs, env=None):
    """Runs the command runs times (after one warm-up) and returns the median wall time."""
    subprocess.run(command, check=True, stdout=subprocess.DEVNULL, env=env)
    samples = []
    for _ in range(runs):
        start = time.perf_counter()
        subprocess.run(command, check=True, stdout=subprocess.DEVNULL, env=env)
        samples.append((time.perf_counter() - start) * 1000.0)
    return statistics.median(samples)


def ensure_adhan(folder):
    if os.path.isdir(os.path.join(folder, "node_modules", "adhan")):
        return
    os.makedirs(folder, exist_ok=True)
    subprocess.run(["npm", "install", "--silent", "--no-audit", "--no-fund", "--prefix", folder,
                    "adhan"], check=True)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--binary", default=os.path.join(ROOT, "build/release/cli/orvanta-times"))
    parser.add_argument("--node-dir", default=os.path.join(ROOT, "build/bench-node"),
                        help="where adhan is installed (never inside the sources)")
    parser.add_argument("--runs", type=int, default=31)
    args = parser.parse_args()

    if shutil.which("node") is None or shutil.which("npm") is None:
        sys.exit("cli_bench: node and npm are needed for the comparison")
    ensure_adhan(args.node_dir)
    script = os.path.join(args.node_dir, "adhan_year.js")
    shutil.copyfile(os.path.join(HERE, "adhan_year.js"), script)

    # A private data folder: no home city or settings of the person running this.
    env = dict(os.environ, XDG_DATA_HOME="/nonexistent-orvanta-bench",
               XDG_CONFIG_HOME="/nonexistent-orvanta-bench")
    ours = median_ms([args.binary, "--city", "Mecca", "--year", str(YEAR), "--format", "csv"],
                     args.runs, env)
    peer = median_ms(["node", script, str(LAT), str(LON), str(YEAR), str(OFFSET)], args.runs)
    day = median_ms([args.binary, "--city", "Mecca"], args.runs, env)
    print(f"year timetable, CSV, Mecca {YEAR}: orvanta-times {ours:.2f} ms, "
          f"adhan under node {peer:.2f} ms, ratio {peer / ours:.1f}x")
    print(f"orvanta-times --city Mecca: {day:.2f} ms median (goal < 20 ms)")


if __name__ == "__main__":
    main()
