#!/usr/bin/env python3
"""The window program's start to its first painted window, against a bare Qt window's.

Runs, interleaved in one loop so that both see the same machine load, on a private X server
(Xvfb) and a private session bus (dbus-daemon), both started here:
  bench/bare_window   (a QLabel shown: the least a Qt Widgets program does)
  orvanta             (a fresh person: no settings, no home city)
Both have bench/first_paint_probe preloaded, which writes the time of the first paint and ends
the program there; nothing in the program itself knows it is being timed. Prints the median
time from the start of the process to its first painted window, the ratio (goal: at most 1.2x),
and the median peak memory (RSS).

Usage: bench/window_start_cost.py [--binary build/release/app/orvanta] [--runs 41]
       [--display :93]
"""
import argparse
import os
import select
import statistics
import subprocess
import tempfile
import time

from interleaved_runs import PRIVATE_ENV, ROOT

GOAL = 1.2
PAINT_TIMEOUT_S = 30  # a program that shows no window in this time is a failure
BUILD = os.path.join(ROOT, "build/release")


def arguments():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--binary", default=os.path.join(BUILD, "app/orvanta"))
    parser.add_argument("--bare", default=os.path.join(BUILD, "bench/bare_window"))
    parser.add_argument("--probe", default=os.path.join(BUILD, "bench/first_paint_probe.so"))
    parser.add_argument("--runs", type=int, default=41)
    parser.add_argument("--display", default=":93")
    return parser.parse_args()


def start_x_server(display):
    """Xvfb on display, once it accepts connections."""
    server = subprocess.Popen(["Xvfb", display, "-screen", "0", "1280x800x24", "-nolisten", "tcp"],
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    socket = "/tmp/.X11-unix/X" + display.lstrip(":")
    for _ in range(100):
        if os.path.exists(socket):
            return server
        time.sleep(0.05)
    server.kill()
    raise SystemExit(f"Xvfb {display} did not start")


def start_session_bus():
    """A private session bus and its address."""
    bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                           stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    return bus, bus.stdout.readline().strip()


def first_paint(command, env):
    """Milliseconds from the start of command to its first painted window, and its peak RSS
    in MB."""
    reader, writer = os.pipe()
    env = dict(env, FIRST_PAINT_FD=str(writer))
    start = time.monotonic_ns()
    child = subprocess.Popen(command, env=env, pass_fds=(writer,), stdout=subprocess.DEVNULL)
    os.close(writer)
    with os.fdopen(reader) as pipe:
        ready, _, _ = select.select([pipe], [], [], PAINT_TIMEOUT_S)
        painted = pipe.readline().strip() if ready else ""
    if not painted:
        child.kill()
    _, status, usage = os.wait4(child.pid, 0)
    child.returncode = os.waitstatus_to_exitcode(status)
    if not painted or child.returncode != 0:
        raise SystemExit(f"{command[0]} painted nothing (exit status {child.returncode})")
    return (int(painted) - start) / 1e6, usage.ru_maxrss / 1024.0


def interleaved(commands, env, runs):
    """Per command: the median first-paint time and the median peak RSS over runs."""
    for command in commands:
        first_paint(command, env)
    times = [[] for _ in commands]
    memory = [[] for _ in commands]
    for _ in range(runs):
        for index, command in enumerate(commands):
            spent, rss = first_paint(command, env)
            times[index].append(spent)
            memory[index].append(rss)
    return [(statistics.median(t), statistics.median(m)) for t, m in zip(times, memory)]


def main():
    args = arguments()
    server = start_x_server(args.display)
    bus, address = start_session_bus()
    try:
        with tempfile.TemporaryDirectory() as runtime:
            os.chmod(runtime, 0o700)
            env = dict(PRIVATE_ENV, DISPLAY=args.display, DBUS_SESSION_BUS_ADDRESS=address,
                       XDG_RUNTIME_DIR=runtime, QT_QPA_PLATFORM="xcb",
                       LD_PRELOAD=os.path.abspath(args.probe))
            (bare, bare_rss), (program, rss) = interleaved([[args.bare], [args.binary]], env,
                                                           args.runs)
    finally:
        bus.kill()
        server.kill()
        bus.wait()
        server.wait()
    ratio = program / bare
    verdict = "within" if ratio <= GOAL else "OVER"
    print(f"bare Qt window: {bare:.1f} ms to its first paint, median of {args.runs}; "
          f"{bare_rss:.1f} MB peak RSS")
    print(f"orvanta: {program:.1f} ms to its first paint; {rss:.1f} MB peak RSS")
    print(f"ratio {ratio:.2f}x ({verdict} the goal of {GOAL}x)")


if __name__ == "__main__":
    main()
