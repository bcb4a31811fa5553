#!/usr/bin/env python3
"""The picture of frosty's page in the README: headless Chromium after a few clicks, the drawing
log switched on (Ctrl+L) so that both windows show.

Usage: screenshot.py --site build/web --out docs/web/frosty-in-chromium.png [--scale N]
"""

import argparse
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from devtools import Browser  # noqa: E402
from page import BAR_HEIGHT, CONSOLE, SCREEN, Session, Site  # noqa: E402


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--site", required=True)
    parser.add_argument("--out", required=True)
    parser.add_argument("--scale", type=int, default=1)
    options = parser.parse_args()
    site = Site(options.site)
    try:
        with Browser() as browser:
            s = Session(browser.new_tab(), site.url + "index.html", options.scale).open()
            s.click(0, -100)
            for x, y in ((-250, 232), (-250, 232), (-250, 182), (-30, 45), (-250, 157),
                         (-270, -160), (-250, 182), (25, 50), (-250, 107)):
                s.click(x, y)
            s.ctrl("L")
            s.click(-250, 82)     # Add Good Stuff: a panel, drawn and logged
            width, height = SCREEN
            # The console brought to the front by a press on its title, as a person would.
            left, top = s.canvas_box(CONSOLE)[:2]
            for kind in ("mousePressed", "mouseReleased"):
                s.tab.mouse(kind, left + width * options.scale * 0.8, top - 8 * options.scale)
            s.settle()
            png = s.tab.screenshot(0, 0, width * options.scale, height * options.scale + BAR_HEIGHT)
        with open(options.out, "wb") as file:
            file.write(png)
    finally:
        site.close()


if __name__ == "__main__":
    main()
