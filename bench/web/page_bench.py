#!/usr/bin/env python3
"""Figures of frosty's page in headless Chromium (never asserted: timings vary with the machine).

  - CPU of the browser's processes over a while, the program halted and animating at 10 Hz,
    against about:blank and against a bare page that changes a box of a canvas as large as the
    graphics window ten times a second (what the browser itself spends on such frames);
  - a click to its frame: from the press event to the end of the present it led to (median);
  - navigation to the first frame;
  - the sizes of the page's files, and gzipped.

Usage: page_bench.py --site build/web [--seconds 10] [--clicks 40]
"""

import argparse
import gzip
import os
import statistics
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..",
                                "tests", "web"))

from devtools import Browser  # noqa: E402
from page import Session, Site  # noqa: E402

# Notes, in the page, the time of every present and of every press that reached the canvas.
WATCH_PRESENTS = """
window.pz417Presents = []; window.pz417Presses = [];
let pageWindows;
Object.defineProperty(window, 'PZ417Windows', {configurable: true,
  get() { return pageWindows; },
  set(value) {
    pageWindows = value;
    const present = value.present;
    value.present = function () {
      const result = present.apply(this, arguments);
      pz417Presents.push(performance.now());
      return result;
    };
  }});
window.addEventListener('pointerdown', (e) => pz417Presses.push(e.timeStamp), true);
"""


# A canvas the graphics window's size, a title-sized box of it changed at 10 Hz, and no program.
BARE_CANVAS = """<!doctype html><body style="margin:0"><canvas width=595 height=515></canvas><script>
const context = document.querySelector('canvas').getContext('2d');
const picture = new ImageData(595, 515);
let frame = 0;
(function tick() {
  picture.data.fill(++frame % 2 ? 255 : 0);
  context.putImageData(picture, 0, 0, frame % 400, 30, 178, 18);
  setTimeout(tick, 100);
})();
</script>"""


def process_tree(root):
    """The pids of a process and of all its descendants."""
    children = {}
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            with open(f"/proc/{entry}/stat") as file:
                fields = file.read().rsplit(")", 1)[1].split()
        except OSError:
            continue
        children.setdefault(int(fields[1]), []).append(int(entry))
    pids, pending = [], [root]
    while pending:
        pid = pending.pop()
        pids.append(pid)
        pending += children.get(pid, [])
    return pids


def cpu_seconds(pids):
    total = 0
    for pid in pids:
        try:
            with open(f"/proc/{pid}/stat") as file:
                fields = file.read().rsplit(")", 1)[1].split()
            total += int(fields[11]) + int(fields[12])  # utime, stime
        except OSError:
            pass
    return total / os.sysconf("SC_CLK_TCK")


def cpu_percent(url, seconds, prepare=None):
    """The whole browser's CPU over `seconds`, a fresh browser showing `url` alone; `prepare`
    takes the steps in a program's page first."""
    with Browser() as browser:
        tab = browser.new_tab()
        if prepare is None:
            tab.navigate(url)
        else:
            prepare(Session(tab, url).open())
        time.sleep(2)  # the start-up's own work settles
        pids = process_tree(browser.process.pid)
        before, started = cpu_seconds(pids), time.monotonic()
        time.sleep(seconds)
        return 100 * (cpu_seconds(pids) - before) / (time.monotonic() - started)


def bare_canvas_cpu(seconds):
    """cpu_percent of BARE_CANVAS, served from a folder that is gone afterwards."""
    with tempfile.TemporaryDirectory(prefix="pz417-bench-") as folder:
        with open(os.path.join(folder, "index.html"), "w") as file:
            file.write(BARE_CANVAS)
        bare = Site(folder)
        try:
            return cpu_percent(bare.url, seconds)
        finally:
            bare.close()


def halted(session):
    session.ctrl("H")
    session.click(0, -100)


def animating(session):
    halted(session)
    session.ctrl("A")


def click_to_frame(url, clicks):
    """Milliseconds from each press to the end of the first present after it."""
    with Browser() as browser:
        tab = browser.new_tab()
        tab.add_script_on_load(WATCH_PRESENTS)
        session = Session(tab, url).open()
        halted(session)
        for n in range(clicks):
            session.click(-250, 232 if n % 2 == 0 else 207)  # Add Scoop, Remove Scoop
        presses = tab.evaluate("pz417Presses.slice(1)")  # the intro's press aside
        presents = tab.evaluate("pz417Presents")
    delays = []
    for press in presses:
        after = [p for p in presents if p >= press]
        if after:
            delays.append(after[0] - press)
    return delays


def first_frame(url, runs):
    """Milliseconds from the navigation's start to the first present, per run."""
    times = []
    with Browser() as browser:
        for _ in range(runs):
            tab = browser.new_tab()
            tab.add_script_on_load(WATCH_PRESENTS)
            Session(tab, url).open()
            times.append(tab.evaluate("pz417Presents[0]"))
            browser.send("Target.closeTarget", {"targetId": tab.target})
    return times


def sizes(site):
    rows = []
    for name in ("frosty.wasm", "frosty.js", "index.html", "frosty-single.html"):
        with open(os.path.join(site, name), "rb") as file:
            data = file.read()
        rows.append((name, len(data), len(gzip.compress(data, 9))))
    return rows


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--site", required=True)
    parser.add_argument("--seconds", type=float, default=10)
    parser.add_argument("--clicks", type=int, default=40)
    options = parser.parse_args()
    site = Site(options.site)
    url = site.url + "index.html"
    try:
        blank = cpu_percent("about:blank", options.seconds)
        print(f"CPU over {options.seconds:g} s, whole browser: about:blank {blank:.2f} %, "
              f"a bare canvas changed at 10 Hz {bare_canvas_cpu(options.seconds):.2f} %, "
              f"halted {cpu_percent(url, options.seconds, halted):.2f} %, "
              f"animating at 10 Hz {cpu_percent(url, options.seconds, animating):.2f} %")
        delays = click_to_frame(url, options.clicks)
        print(f"click to its frame: median {statistics.median(delays):.2f} ms, "
              f"max {max(delays):.2f} ms over {len(delays)} clicks")
        starts = first_frame(url, 5)
        print(f"navigation to the first frame: median {statistics.median(starts):.0f} ms "
              f"({', '.join(f'{t:.0f}' for t in starts)})")
        for name, size, packed in sizes(options.site):
            print(f"{name}: {size / 1024:.0f} KiB, gzip -9 {packed / 1024:.0f} KiB")
    finally:
        site.close()


if __name__ == "__main__":
    main()
