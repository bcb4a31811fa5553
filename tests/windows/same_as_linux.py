#!/usr/bin/env python3
"""frosty-replay.exe under Wine against the Linux frosty-replay: for the same input, the same bytes.

Plays the demo, records a session with the kit's Record Script and plays that script back, each
with both programs in folders of their own, and compares every file they write: the pictures,
the log and the event trace byte for byte, and the recorded script line for line (a Windows
program writes its text files with CR LF line ends). Prints "N passed, N failed".
"""

import argparse
import filecmp
import os
import subprocess
import sys
import tempfile

OUTPUTS = ["--window", "window.png", "--canvas", "canvas.png", "--console", "console.png",
           "--log", "log.txt", "--events", "events.txt"]
SCRIPT_FILE = "PZ417.SCR"
# A session that records itself: presses, typed text (a character above 127 among it), ticks.
RECORDING = """ctrl L
ctrl R
click 0 0
click -240 233
type Hi! \xe9t\xe9
ctrl A
tick 5
ctrl H
click -240 183
click 10 40
ctrl R
"""


class Failure(Exception):
    pass


def play(command, inputs, folder):
    os.makedirs(folder, exist_ok=True)
    done = subprocess.run(command + inputs + OUTPUTS, cwd=folder, capture_output=True,
                          timeout=300)
    if done.returncode != 0:
        raise Failure(f"{' '.join(command)} exited {done.returncode}: "
                      f"{done.stderr.decode(errors='replace').strip()}")


def script_lines(path):
    with open(path, "rb") as f:
        return f.read().replace(b"\r\n", b"\n")


def compare(linux, windows):
    """The names of the files that differ, or that only one of the two wrote."""
    names = sorted(set(os.listdir(linux)) | set(os.listdir(windows)))
    differing = []
    for name in names:
        a, b = os.path.join(linux, name), os.path.join(windows, name)
        if not (os.path.isfile(a) and os.path.isfile(b)):
            differing.append(f"{name} (written by one only)")
        elif name == SCRIPT_FILE:
            if script_lines(a) != script_lines(b):
                differing.append(name)
        elif not filecmp.cmp(a, b, shallow=False):
            differing.append(name)
    return differing


def same_outputs(paths, work, name, inputs):
    linux, windows = os.path.join(work, name, "linux"), os.path.join(work, name, "windows")
    play([paths.linux], inputs, linux)
    play([paths.launcher, paths.windows], inputs, windows)
    differing = compare(linux, windows)
    if differing:
        raise Failure(f"{', '.join(differing)} differ ({linux} against {windows})")
    return linux


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--linux", required=True, help="the Linux frosty-replay")
    parser.add_argument("--windows", required=True, help="frosty-replay.exe")
    parser.add_argument("--launcher", required=True, help="runs a Windows program (Wine)")
    parser.add_argument("--source", required=True, help="the source tree, for demo/")
    paths = parser.parse_args()
    for name in ("linux", "windows", "launcher", "source"):
        setattr(paths, name, os.path.abspath(getattr(paths, name)))
    work = tempfile.mkdtemp(prefix="frosty-windows-")
    recording = os.path.join(work, "recording.drive")
    with open(recording, "w", encoding="latin-1") as f:
        f.write(RECORDING)
    cases = [
        ("demo", lambda: same_outputs(paths, work, "demo",
                                      [os.path.join(paths.source, "demo", "demo.drive")])),
        ("record", lambda: same_outputs(paths, work, "record", [recording])),
        ("script", lambda: same_outputs(
            paths, work, "script", [os.path.join(work, "record", "linux", SCRIPT_FILE)])),
    ]
    passed = failed = 0
    for name, case in cases:
        try:
            case()
            passed += 1
            print(f"ok    {name}", flush=True)
        except (Failure, OSError, subprocess.SubprocessError) as failure:
            failed += 1
            print(f"FAIL  {name}: {failure}", flush=True)
    print(f"{passed} passed, {failed} failed" + (f"; the files are in {work}" if failed else ""))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
