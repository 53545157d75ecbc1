"""Timing whole processes for the cost benchmarks: each command is run once to warm the caches,
then all of them in turn, run after run, so that every command sees the same machine load; in a
new order each round, so that no command always follows the same one."""
import argparse
import os
import random
import statistics
import subprocess
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
# A private data folder: no home city or settings of the person running the benchmark.
PRIVATE_ENV = dict(os.environ, XDG_DATA_HOME="/nonexistent-orvanta-bench",
                   XDG_CONFIG_HOME="/nonexistent-orvanta-bench")


def arguments(doc, runs):
    """--binary (the program to time) and --runs, with the script's first docstring line."""
    parser = argparse.ArgumentParser(description=doc.splitlines()[0])
    parser.add_argument("--binary", default=os.path.join(ROOT, "build/release/cli/orvanta-times"))
    parser.add_argument("--runs", type=int, default=runs)
    return parser.parse_args()


def timed(command):
    """Wall time of one run of command, in milliseconds."""
    start = time.perf_counter()
    subprocess.run(command, check=True, stdout=subprocess.DEVNULL, env=PRIVATE_ENV)
    return (time.perf_counter() - start) * 1000.0


def rounds(count, runs):
    """The indices 0 .. count-1, runs times over, in a new order each round (a fixed seed): a
    program started right after a similar one starts faster (warm caches, and for a window a warm
    X server and bus), which in a fixed order favours the later programs."""
    order = list(range(count))
    shuffle = random.Random(1).shuffle
    for _ in range(runs):
        shuffle(order)
        yield from order


def interleaved_medians(commands, runs):
    """The median wall time of each command in milliseconds, over runs interleaved runs."""
    for command in commands:
        timed(command)
    times = [[] for _ in commands]
    for index in rounds(len(commands), runs):
        times[index].append(timed(commands[index]))
    return [statistics.median(spent) for spent in times]
