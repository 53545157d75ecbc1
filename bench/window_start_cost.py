#!/usr/bin/env python3
"""The window program's start to its first painted window, against a bare Qt window's.

Runs, interleaved in one loop so that both see the same machine load, on a private X server
(Xvfb) and a private session bus (dbus-daemon), both started here:
  bench/bare_window   (a QLabel shown: the least a Qt Widgets program does)
  orvanta             (a fresh person: no settings, no home city)
Both have bench/first_paint_probe preloaded, which writes the times of the start's milestones
and ends the program at its first paint; nothing in the program itself knows it is being timed.
Prints the median times from the start of the process to its libraries loaded, to its
application object (with the display connected) and to its first painted window, and the
median peak memory (RSS); and the ratio of the first paints (goal: at most 1.2x).

Usage: bench/window_start_cost.py [--binary build/release/app/orvanta]... [--runs 41]
       [--display :93]
"""
import argparse
import os
import select
import socket
import statistics
import subprocess
import tempfile
import time

from interleaved_runs import PRIVATE_ENV, ROOT, rounds

GOAL = 1.2
PAINT_TIMEOUT_S = 30  # a program that shows no window in this time is a failure
BUILD = os.path.join(ROOT, "build/release")


def arguments():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--binary", action="append",
                        help="the window program; given more than once, each is timed (to "
                             "compare builds); default build/release/app/orvanta")
    parser.add_argument("--bare", default=os.path.join(BUILD, "bench/bare_window"))
    parser.add_argument("--probe", default=os.path.join(BUILD, "bench/first_paint_probe.so"))
    parser.add_argument("--runs", type=int, default=41)
    parser.add_argument("--display", default=":93")
    return parser.parse_args()


def start_x_server(display):
    """Xvfb on display, once it accepts connections."""
    server = subprocess.Popen(["Xvfb", display, "-screen", "0", "1280x800x24", "-nolisten", "tcp"],
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    path = "/tmp/.X11-unix/X" + display.lstrip(":")
    for _ in range(100):
        # Connected, not merely there: a server that was killed leaves its socket file behind.
        with socket.socket(socket.AF_UNIX, socket.SOCK_STREAM) as probe:
            if probe.connect_ex(path) == 0:
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
    """Milliseconds from the start of command to its libraries loaded, to its application
    object, and to its first painted window; and its peak RSS in MB."""
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
    return [(int(reading) - start) / 1e6 for reading in painted.split()], usage.ru_maxrss / 1024.0


def interleaved(commands, env, runs):
    """Per command: the medians of the three times of first_paint and of the peak RSS."""
    for command in commands:
        first_paint(command, env)
    readings = [[] for _ in commands]
    for index in rounds(len(commands), runs):
        spent, rss = first_paint(commands[index], env)
        readings[index].append(spent + [rss])
    return [[statistics.median(column) for column in zip(*rows)] for rows in readings]


def main():
    args = arguments()
    server = start_x_server(args.display)
    bus, address = start_session_bus()
    try:
        # The session's runtime folder is a memory file system, as /run/user/<uid> is.
        with tempfile.TemporaryDirectory(dir="/dev/shm") as runtime:
            os.chmod(runtime, 0o700)
            env = dict(PRIVATE_ENV, DISPLAY=args.display, DBUS_SESSION_BUS_ADDRESS=address,
                       XDG_RUNTIME_DIR=runtime, QT_QPA_PLATFORM="xcb",
                       LD_PRELOAD=os.path.abspath(args.probe))
            programs = args.binary or [os.path.join(BUILD, "app/orvanta")]
            bare, *timed = interleaved([[args.bare]] + [[p] for p in programs], env, args.runs)
    finally:
        bus.terminate()
        server.terminate()
        bus.wait()
        server.wait()
    print(f"medians of {args.runs} runs, ms from the start of the process to: libraries loaded, "
          "application object, first paint; peak RSS")
    loaded, application, painted, rss = bare
    print(f"bare Qt window: {loaded:6.1f} {application:6.1f} {painted:6.1f} ms  {rss:5.1f} MB")
    for program, (loaded, application, painted, rss) in zip(programs, timed):
        ratio = painted / bare[2]
        verdict = "within" if ratio <= GOAL else "OVER"
        print(f"{os.path.relpath(program, ROOT)}: {loaded:6.1f} {application:6.1f} "
              f"{painted:6.1f} ms  {rss:5.1f} MB; first paint {ratio:.2f}x the bare window's "
              f"({verdict} the goal of {GOAL}x)")


if __name__ == "__main__":
    main()
