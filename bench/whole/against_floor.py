#!/usr/bin/env python3
"""The whole player against the floor: a bare Qt window playing the same file
through a polled playbin (qt_floor, built from the team's floor sources).

In each round, each case plays a generated song once in the player and once in
the floor, one program at a time (the order alternates between rounds, so
neither always runs on a warmer machine). Each run's CPU time (user + system)
and peak RSS come from the kernel's accounting of the child. A case's ratio is
the median of its rounds' ratios; the range is printed beside it.

Cases: mp3 and wav with a 40-line LRC; big: the MP3 with a 1 MB LRC whose
lines come a tenth of a second apart (a new line every tick, the page turning
every few); big-turns: the same lines with their times starting again at the
song's end, so that some 27 lines share each time and every tick turns the
page. Start-up: launch to the window shown, with and without a last file to
play.

Needs Xvfb and gst-launch-1.0 (gstreamer1.0-tools); the start-up rounds need
xdotool. Run from the source folder after a build:

    bench/whole/against_floor.py --floor /tmp/solvane-floor
"""

import argparse
import os
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time

SAMPLE_RATE = 44100
SAMPLES_PER_BUFFER = 1024
LINES_IN_SMALL_LRC = 40
# The largest lyric file the player reads is 1,000,000 bytes; the big case
# stays just under it.
BIG_LRC_BYTES = 1_000_000
POLL_PAUSE_SECONDS = 0.005


def lrc_time(tenths):
    return f"[{tenths // 600:02d}:{tenths // 10 % 60:02d}.{tenths % 10}0]"


def write_small_lrc(path, seconds):
    step = max(1, seconds * 10 // LINES_IN_SMALL_LRC)
    with open(path, "w", encoding="utf-8") as out:
        out.write("[ti:Bench]\n[ar:Floor]\n")
        for line in range(LINES_IN_SMALL_LRC):
            out.write(f"{lrc_time(line * step)}Lyric line {line} of the song, sung slowly\n")


def write_big_lrc(path, seconds, times_wrap):
    # A line every tenth of a second; when the times wrap, they start again
    # at the song's end.
    with open(path, "w", encoding="utf-8") as out:
        line, written = 0, 0
        while True:
            tenths = line % (seconds * 10) if times_wrap else line
            text = f"{lrc_time(tenths)}Line {line} with a little more text to fill the row\n"
            if written + len(text) > BIG_LRC_BYTES:
                break
            out.write(text)
            written += len(text)
            line += 1


def make_song(path, seconds, encoder):
    buffers = seconds * SAMPLE_RATE // SAMPLES_PER_BUFFER
    subprocess.run(
        ["gst-launch-1.0", "-q", "audiotestsrc", f"num-buffers={buffers}",
         f"samplesperbuffer={SAMPLES_PER_BUFFER}", "!",
         f"audio/x-raw,rate={SAMPLE_RATE},channels=2", "!", "audioconvert", "!", encoder,
         "!", "filesink", f"location={path}"],
        check=True)


def make_cases(work, seconds):
    cases = {}
    for name, song, encoder, lrc in (
            ("mp3", "song.mp3", "lamemp3enc", write_small_lrc),
            ("wav", "song.wav", "wavenc", write_small_lrc),
            ("big", "song.mp3", "lamemp3enc", lambda path, s: write_big_lrc(path, s, False)),
            ("big-turns", "song.mp3", "lamemp3enc", lambda path, s: write_big_lrc(path, s, True))):
        folder = os.path.join(work, name)
        os.makedirs(folder)
        make_song(os.path.join(folder, song), seconds, encoder)
        lrc(os.path.join(folder, "song.lrc"), seconds)
        cases[name] = (folder, song)
    return cases


def start_xvfb():
    read_end, write_end = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0",
                               "1024x1024x24", "-nolisten", "tcp"],
                              pass_fds=(write_end,), stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as display:
        number = display.readline().strip()
    if not number:
        sys.exit("against_floor: Xvfb did not start")
    return server, ":" + number


def run_measured(command, env, seconds):
    """Runs `command` for at most `seconds` and gives (CPU seconds, peak RSS in KiB)."""
    child = subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL,
                             stderr=subprocess.DEVNULL)
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        pid, status, usage = os.wait4(child.pid, os.WNOHANG)
        if pid:
            child.returncode = status
            return usage.ru_utime + usage.ru_stime, usage.ru_maxrss
        time.sleep(0.05)
    # Not child.terminate(): it polls first, and a child that ended at that
    # moment would be reaped there, its accounting lost to wait4.
    os.kill(child.pid, signal.SIGTERM)
    _, _, usage = os.wait4(child.pid, 0)
    child.returncode = 0
    return usage.ru_utime + usage.ru_stime, usage.ru_maxrss


def seconds_to_window(command, env, window_class, limit=10.0):
    """Launch to a visible window of `window_class`, in ms; None past `limit`."""
    started = time.monotonic()
    child = subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL,
                             stderr=subprocess.DEVNULL)
    shown = None
    while time.monotonic() - started < limit:
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--class", window_class],
                               env=env, capture_output=True)
        if found.returncode == 0 and found.stdout.strip():
            shown = (time.monotonic() - started) * 1000
            break
        # Asked without a pause, the display's queue of new connections
        # fills, and the program being measured fails to connect to it.
        time.sleep(POLL_PAUSE_SECONDS)
    child.terminate()
    child.wait()
    return shown


def summary(ratios):
    return f"{statistics.median(ratios):.2f} ({min(ratios):.2f}-{max(ratios):.2f})"


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--floor", default="/tmp/solvane-floor",
                        help="folder holding the built qt_floor")
    parser.add_argument("--build", default="build", help="the player's build folder")
    parser.add_argument("--rounds", type=int, default=3)
    parser.add_argument("--seconds", type=int, default=60, help="length of the songs")
    parser.add_argument("--cases", nargs="*", default=["mp3", "wav", "big", "big-turns"])
    parser.add_argument("--startup-rounds", type=int, default=7, help="0 skips them")
    args = parser.parse_args()

    floor = os.path.join(args.floor, "qt_floor")
    for needed in ("Xvfb", "gst-launch-1.0") + (("xdotool",) if args.startup_rounds else ()):
        if shutil.which(needed) is None:
            sys.exit(f"against_floor: {needed} is missing")
    if not os.access(floor, os.X_OK):
        sys.exit(f"against_floor: no qt_floor in {args.floor}; build it with the floor's build.sh")

    work = tempfile.mkdtemp(prefix="solvane-against-floor-")
    # The player keeps its state beside a program folder that holds its skin,
    # so the measured copy never touches the build folder's state.
    app = os.path.join(work, "app")
    os.makedirs(app)
    for name in ("solvane", "wvrc.sv"):
        shutil.copy2(os.path.join(args.build, name), app)
    player = os.path.join(app, "solvane")
    state_writer = os.path.join(args.build, "bench", "whole", "bench_state_file")
    cases = make_cases(work, args.seconds)
    server, display = start_xvfb()
    env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb",
               SOLVANE_AUDIO_SINK="fakesink", SOLVANE_SCREEN="480x800",
               SOLVANE_INSTANCE_NAME=os.path.join(work, "player.socket"))
    env.pop("DBUS_SESSION_BUS_ADDRESS", None)

    def write_state(case, play_last):
        folder, song = cases[case]
        subprocess.run([state_writer, os.path.join(app, "solvane.dat"), folder + "/", song,
                        "1" if play_last else "0"], check=True)

    try:
        cpu = {case: [] for case in args.cases}
        rss = {case: [] for case in args.cases}
        for round_number in range(args.rounds):
            for case in args.cases:
                folder, song = cases[case]
                write_state(case, True)
                runs = {
                    "player": [player],
                    "floor": [floor, os.path.join(folder, song)],
                }
                order = ["floor", "player"] if round_number % 2 == 0 else ["player", "floor"]
                measured = {}
                for who in order:
                    # The floor ends with its song; the player is ended a second after.
                    measured[who] = run_measured(runs[who], env, args.seconds + 1)
                cpu[case].append(measured["player"][0] / measured["floor"][0])
                rss[case].append(measured["player"][1] / measured["floor"][1])
                print(f"round {round_number + 1} {case}: player {measured['player'][0]:.2f} s "
                      f"{measured['player'][1]} KiB, floor {measured['floor'][0]:.2f} s "
                      f"{measured['floor'][1]} KiB", flush=True)
        for case in args.cases:
            print(f"{case}: CPU {summary(cpu[case])}, peak RSS {summary(rss[case])}")

        if args.startup_rounds:
            shown = {"player, last file": [], "floor, file": [], "player, no last file": [],
                     "floor, no engine": []}
            folder, song = cases["mp3"]
            for _ in range(args.startup_rounds):
                write_state("mp3", True)
                shown["player, last file"].append(seconds_to_window([player], env, "solvane"))
                shown["floor, file"].append(
                    seconds_to_window([floor, os.path.join(folder, song)], env, "qt_floor"))
                write_state("mp3", False)
                shown["player, no last file"].append(seconds_to_window([player], env, "solvane"))
                shown["floor, no engine"].append(
                    seconds_to_window([floor, "--no-engine"], env, "qt_floor"))
            medians = {}
            for what, times in shown.items():
                kept = [t for t in times if t is not None]
                medians[what] = statistics.median(kept) if kept else float("nan")
                print(f"start to window, {what}: median {medians[what]:.0f} ms "
                      f"of {[round(t) if t else 'none' for t in times]}")
            print(f"start-up ratios: last file {medians['player, last file'] / medians['floor, file']:.2f}, "
                  f"no last file {medians['player, no last file'] / medians['floor, file']:.2f} "
                  f"(against Qt alone {medians['player, no last file'] / medians['floor, no engine']:.2f})")
    finally:
        server.terminate()
        server.wait()
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
