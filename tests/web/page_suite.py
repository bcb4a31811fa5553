#!/usr/bin/env python3
"""The pages in headless Chromium against the programs' replay executables.

Each case drives a page as a person would, writes the same steps as a drive file, and holds the
page to what the replay executable shows and gives for it: the same pictures pixel for pixel,
the same events, the same script file.

Usage: page_suite.py --site DIR --replay FROSTY_REPLAY [--scoop-page PATH --scoop-replay EXE]
       [--case NAME...] [--artifacts DIR]
"""

import argparse
import functools
import os
import sys
import time
import traceback

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from devtools import Browser  # noqa: E402
from page import CONSOLE, GRAPHICS, Comparer, Session, Site, run_replay, scratch_folder  # noqa: E402

SCRIPT_FILE = "PZ417.SCR"

# Run in every page before its own scripts, to make the browser fail as it may.
REFUSED_STORAGE = """Object.defineProperty(window, 'indexedDB', {get() {
    throw new DOMException('The user denied access to storage', 'SecurityError'); }});"""
FILLING_STORAGE = """window.pz417StorageFull = false;
    const put = IDBObjectStore.prototype.put;
    IDBObjectStore.prototype.put = function (...args) {
      if (window.pz417StorageFull) throw new DOMException('The quota has been exceeded.', 'QuotaExceededError');
      return put.apply(this, args);
    };"""
NO_WEBASSEMBLY = "delete window.WebAssembly;"
FAILING_CANVAS = "HTMLCanvasElement.prototype.getContext = () => { throw new Error('no 2-D context'); };"


class Suite:
    def __init__(self, options):
        self.options = options
        self.site = Site(options.site)
        self.browser = Browser()
        self.comparer = Comparer(self.browser, options.artifacts)

    def close(self):
        self.browser.close()
        self.site.close()

    # ---- helpers -----------------------------------------------------------------------------
    def session(self, scale=1, url=None, before_load=None, wait=True):
        """A fresh page, its origin's storage emptied first."""
        tab = self.browser.new_tab()
        tab.send("Storage.clearDataForOrigin",
                 {"origin": self.site.url.rstrip("/"), "storageTypes": "indexeddb"})
        if before_load:
            tab.add_script_on_load(before_load)
        return Session(tab, url or self.site.url + "index.html", scale).open(wait)

    def replay(self, inputs, workdir, replay=None):
        return run_replay(replay or self.options.replay, inputs, workdir)

    @functools.cached_property
    def intro(self):
        """frosty-replay's picture of the intro screen, in a folder of its own."""
        return self.replay([[]], scratch_folder())["window"]

    def expect_same_picture(self, name, session, title, replay_png):
        found = self.comparer.difference(name, session.screenshot(title), replay_png,
                                         session.scale)
        assert found is None, f"{name}: the page's {title} window is not the replay's: {found}"

    @staticmethod
    def expect_same_events(name, page_events, replay_events_path):
        with open(replay_events_path) as file:
            expected = file.read().splitlines()
        # The replay closes the graphics window when its input runs out; the page stays open.
        if expected and expected[-1] == "Quit":
            expected.pop()
        assert page_events == expected, (
            f"{name}: the page's events {page_events[:30]} are not the replay's {expected[:30]}")

    def download_script(self, session, folder):
        """The page's PZ417.SCR as its Download button saves it."""
        os.makedirs(folder, exist_ok=True)
        target = os.path.join(folder, SCRIPT_FILE)
        if os.path.exists(target):
            os.remove(target)
        self.browser.send("Browser.setDownloadBehavior", {"behavior": "allow",
                                                          "downloadPath": folder})
        session.tab.evaluate("document.getElementById('pz417-download').click()")
        deadline = time.monotonic() + 10
        while not os.path.exists(target) and time.monotonic() < deadline:
            time.sleep(0.05)
        assert os.path.exists(target), "the page's Download button saved no PZ417.SCR"
        time.sleep(0.1)  # the file is named when it is complete, but be sure it is closed
        with open(target, "rb") as file:
            return file.read()

    @staticmethod
    def stored_script(session):
        """The PZ417.SCR the browser's storage holds for the page's origin, or None."""
        stored = session.tab.evaluate("""new Promise((resolve) => {
            const open = indexedDB.open('PZ417', 1);
            open.onupgradeneeded = () => open.result.createObjectStore('files');
            open.onsuccess = () => {
              const get = open.result.transaction('files').objectStore('files').get('PZ417.SCR');
              get.onsuccess = () => resolve(get.result ? Array.from(get.result) : null);
            };
          })""", await_promise=True)
        return None if stored is None else bytes(stored)

    @staticmethod
    def load_from_disk(session, path):
        tab = session.tab
        document = tab.send("DOM.getDocument")
        node = tab.send("DOM.querySelector", {"nodeId": document["root"]["nodeId"],
                                              "selector": "#pz417-file"})
        tab.evaluate("document.getElementById('pz417-message').textContent = ''")
        tab.send("DOM.setFileInputFiles", {"files": [path], "nodeId": node["nodeId"]})
        tab.wait_for("document.getElementById('pz417-message').textContent !== ''",
                     what="a message about the loaded file")
        return session.message()

    @staticmethod
    def recorded_by_replay(work):
        with open(os.path.join(work, SCRIPT_FILE), "rb") as file:
            return file.read()

    # ---- pixels --------------------------------------------------------------------------------
    @staticmethod
    def editing(s):
        """Clicks, menu choices by mouse and by keyboard, Ctrl shortcuts and animation ticks."""
        s.ctrl("H")               # frosty animates from the start
        s.click(0, -100)          # the intro ends with any press
        s.click(-250, 232)        # Add Scoop
        s.click(-250, 182)        # Add Topping
        s.click(-30, 45)          # ... placed on a scoop
        s.press(15, 9)            # "Run" ...
        s.release(15, 9)
        s.move(60, 64)            # ... "Advance one frame" highlighted, chosen
        s.press(60, 64)
        s.release(60, 64)
        for name in ("F10", "Down", "Down", "Down", "Return"):  # the same from the keyboard
            s.key(name)
        s.ctrl("F")
        s.animate(0.45)
        s.click(-250, 157)        # Change Color: the palette
        s.ctrl("L")               # the drawing log, in the console
        s.click(-270, -160)       # a swatch

    def pixels_at(self, scale):
        s = self.session(scale)
        self.expect_same_picture(f"intro-x{scale}", s, GRAPHICS, self.intro)
        self.editing(s)
        drive, events = s.outcome()
        after = self.replay([drive], scratch_folder())
        self.expect_same_events("editing", events, after["events"])
        self.expect_same_picture(f"editing-x{scale}", s, GRAPHICS, after["window"])
        self.expect_same_picture(f"console-x{scale}", s, CONSOLE, after["console"])

    def case_pixels(self):
        self.pixels_at(1)

    def case_pixels_at_scale_2(self):
        self.pixels_at(2)

    def case_scoop_drop(self):
        if not self.options.scoop_page:
            raise Skipped("no --scoop-page")
        s = self.session(url=self.site.url + self.options.scoop_page)
        s.ctrl("H")               # it animates from the start
        s.click(-200, 0)
        s.type("dddd")
        s.ctrl("F")
        s.animate(0.6)
        drive, events = s.outcome()
        after = self.replay([drive], scratch_folder(), self.options.scoop_replay)
        self.expect_same_events("scoop-drop", events, after["events"])
        self.expect_same_picture("scoop-drop", s, GRAPHICS, after["window"])

    def case_shortcuts_stay_in_the_page(self):
        s = self.session()
        s.tab.evaluate("""window.pz417Marker = 'still this page'; window.pz417Keys = [];
            window.addEventListener('keydown', (e) => pz417Keys.push([e.code, e.defaultPrevented]));
            true""")
        # The keyboard is the graphics window's from the start: no click comes first.
        for letter in "AHFL":
            s.ctrl(letter)
        console = Session.frame(CONSOLE)
        assert s.tab.evaluate(f"!{console}.hidden"), "Ctrl+L did not show the console"
        s.click(0, -100)
        s.ctrl("R")
        s.click(-250, 232)        # a line for the script file
        for letter in "RPO":
            s.ctrl(letter)
        for name in ("Alt", "Escape", "F10", "Escape"):
            s.key(name)
        assert self.stored_script(s) is not None, "Ctrl+R kept no PZ417.SCR in the browser"
        s.ctrl("Q")
        s.tab.wait_for("!document.getElementById('pz417-ended').hidden",
                       what="the page to say the program ended")
        marker, kept = s.tab.evaluate("[pz417Marker, pz417Keys.filter(k => !k[1]).map(k => k[0])]")
        assert marker == "still this page", "the page was reloaded or left"
        assert kept == [], f"the browser kept its own action for {kept}"
        navigations = len(s.tab.events("Page.frameNavigated"))
        dialogs = len(s.tab.events("Page.javascriptDialogOpening"))
        assert navigations == 1 and dialogs == 0, f"{navigations} navigations, {dialogs} dialogs"

    def case_close_boxes(self):
        """The console's close box hides it; the graphics window's ends the program."""
        s = self.session()
        s.ctrl("L")

        def close(title):
            frame = Session.frame(title)
            box = s.tab.evaluate(f"{frame}.querySelector('.pz417-close').getBoundingClientRect().toJSON()")
            for kind in ("mousePressed", "mouseReleased"):
                s.tab.mouse(kind, box["x"] + box["width"] / 2, box["y"] + box["height"] / 2)
            s.settle()
            return frame

        console = close(CONSOLE)
        assert s.tab.evaluate(f"{console}.hidden"), "the console's close box did not hide it"
        assert s.tab.evaluate("document.getElementById('pz417-ended').hidden"), "the program ended"
        close(GRAPHICS)
        assert s.tab.evaluate("!document.getElementById('pz417-ended').hidden"), (
            "the graphics window's close box did not end the program")
        assert s.events()[-1] == "Quit", f"the program's last events: {s.events()[-3:]}"

    # ---- scripts -------------------------------------------------------------------------------
    @staticmethod
    def record(s, stop=True):
        s.ctrl("H")
        s.click(0, -100)
        s.ctrl("R")
        s.click(-250, 232)        # Add Scoop
        s.type("hi")
        s.click(-250, 182)        # Add Topping
        s.click(-30, 45)
        if stop:
            s.ctrl("R")

    def expect_plays_as_replay(self, s, script, work, name):
        """Ctrl+P after the intro: the events and picture of the replay playing `script`."""
        s.ctrl("H")
        s.click(0, -100)
        intro, _ = s.outcome()
        s.ctrl("P")
        played = self.replay([intro, script], work)
        self.expect_same_events(name, s.outcome()[1], played["events"])
        self.expect_same_picture(name, s, GRAPHICS, played["window"])

    def case_script_recorded_in_the_page_plays_on_linux(self):
        s = self.session()
        work = scratch_folder()
        self.record(s)
        downloaded = self.download_script(s, os.path.join(work, "download"))
        self.replay([s.outcome()[0]], work)
        recorded = self.recorded_by_replay(work)
        assert downloaded.replace(b"\r\n", b"\n") == recorded, (
            f"the page's PZ417.SCR {downloaded!r} is not frosty-replay's {recorded!r}")
        s.reload()
        assert "Mouse" not in " ".join(s.events()), "the reloaded page is not a new run"
        self.expect_plays_as_replay(s, os.path.join(work, SCRIPT_FILE), work, "playback")

    def case_script_recorded_on_linux_plays_in_the_page(self):
        work = scratch_folder()
        recorder = self.session()
        self.record(recorder)
        self.replay([recorder.outcome()[0]], work)
        script = os.path.join(work, SCRIPT_FILE)
        s = self.session()
        said = self.load_from_disk(s, script)
        assert "Loaded" in said, f"loading frosty-replay's PZ417.SCR: {said}"
        self.expect_plays_as_replay(s, script, work, "linux-script")

    # ---- faults --------------------------------------------------------------------------------
    def case_storage_refused(self):
        s = self.session(before_load=REFUSED_STORAGE)
        said = s.message()
        assert "storage is refused" in said, f"the page says {said!r}"
        self.expect_same_picture("refused-intro", s, GRAPHICS, self.intro)
        work = scratch_folder()
        self.record(s)
        self.replay([s.outcome()[0]], work)
        assert self.download_script(s, work + "/download") == self.recorded_by_replay(work), (
            "without storage the page's PZ417.SCR is not what was recorded")

    def case_storage_full_while_recording(self):
        s = self.session(before_load=FILLING_STORAGE)
        work = scratch_folder()
        s.ctrl("H")
        s.click(0, -100)
        s.ctrl("R")
        s.click(-250, 232)
        s.tab.evaluate("pz417StorageFull = true")
        s.type("full")
        said = s.message()
        assert "QuotaExceededError" in said and "still has all of it" in said, f"the page says {said!r}"
        s.tab.evaluate("pz417StorageFull = false")
        s.click(-250, 182)
        s.ctrl("R")
        self.replay([s.outcome()[0]], work)
        recorded = self.recorded_by_replay(work)
        assert self.download_script(s, work + "/download") == recorded, "the page lost lines"
        s.tab.wait_for("document.getElementById('pz417-message').textContent.includes('again')",
                       what="the storage to take the file again")
        assert self.stored_script(s) == recorded, "the browser's copy lacks what it refused"

    def case_not_a_script_file(self):
        s = self.session()
        work = scratch_folder()
        self.record(s)
        before = self.download_script(s, work + "/before")
        for path in (self.intro, os.path.abspath(__file__)):
            said = self.load_from_disk(s, path)
            assert "is not a script file" in said and "unchanged" in said, f"{path}: {said!r}"
        assert self.download_script(s, work + "/after") == before, "PZ417.SCR changed"
        assert self.stored_script(s) == before, "the stored PZ417.SCR changed"

    def case_closed_while_recording(self):
        s = self.session()
        work = scratch_folder()
        self.record(s, stop=False)
        drive, _ = s.outcome()
        self.browser.send("Target.closeTarget", {"targetId": s.tab.target})
        self.replay([drive], work)
        later = Session(self.browser.new_tab(), self.site.url + "index.html").open()
        assert self.stored_script(later) == self.recorded_by_replay(work), (
            "the page closed while recording lost what was written")

    def case_failures_are_said(self):
        for script, expected in ((NO_WEBASSEMBLY, "needs WebAssembly"),
                                 (FAILING_CANVAS, "The program stopped")):
            s = self.session(before_load=script, wait=False)
            said = s.tab.wait_for("!document.getElementById('pz417-failure').hidden && "
                                  "document.getElementById('pz417-failure').textContent",
                                  what=f"a failure message ({expected})")
            assert expected in said, f"the page says {said!r}"

    def case_single_file_from_disk(self):
        path = os.path.join(os.path.abspath(self.options.site), "frosty-single.html")
        s = Session(self.browser.new_tab(), "file://" + path).open()
        self.expect_same_picture("single-file", s, GRAPHICS, self.intro)


class Skipped(Exception):
    pass


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--site", required=True, help="the folder with index.html")
    parser.add_argument("--replay", required=True, help="frosty-replay")
    parser.add_argument("--scoop-page", help="Scoop Drop's page, relative to --site")
    parser.add_argument("--scoop-replay", help="scoop-drop-replay")
    parser.add_argument("--case", action="append", help="run only these cases")
    parser.add_argument("--artifacts", default="build/web/failures",
                        help="where the pictures of a failed comparison go")
    options = parser.parse_args()
    # The replay executables run in scratch folders.
    for name in ("replay", "scoop_replay"):
        if getattr(options, name):
            setattr(options, name, os.path.abspath(getattr(options, name)))
    cases = sorted(name[5:] for name in dir(Suite) if name.startswith("case_"))
    if options.case:
        cases = [name for name in cases if name in options.case]
    suite = Suite(options)
    passed = failed = skipped = 0
    try:
        for name in cases:
            started = time.monotonic()
            try:
                getattr(suite, "case_" + name)()
                passed += 1
                print(f"PASS {name} ({time.monotonic() - started:.1f} s)", flush=True)
            except Skipped as reason:
                skipped += 1
                print(f"SKIP {name}: {reason}", flush=True)
            except Exception:  # noqa: BLE001 - every failure is reported, the next case runs
                failed += 1
                print(f"FAIL {name}\n{traceback.format_exc()}", flush=True)
    finally:
        suite.close()
    print(f"{passed} passed, {failed} failed, {skipped} skipped")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
