"""A program's page in headless Chromium, driven as a person would, each step also written as the
frosty-replay drive-file line that does the same; and what the page showed, compared with what
the program's replay executable shows for that drive file."""

import base64
import functools
import http.server
import json
import os
import subprocess
import tempfile
import threading
import time

from devtools import ALT, CTRL, DevToolsError

# The bar above the page's windows, in CSS pixels (shell.html).
BAR_HEIGHT = 28
# The headless host's screen, which the console's size follows: the page is made as large.
SCREEN = (1024, 768)
# Kit (0, 0) in the graphics window's content: the client area's centre, below the menu bar.
ORIGIN = (297, 248 + 19)
GRAPHICS, CONSOLE = "PZ417 Graphics", "PZ417 Text"

# Named keys: KeyboardEvent.key, KeyboardEvent.code, the Windows virtual-key code.
KEYS = {
    "Return": ("Enter", "Enter", 13), "Escape": ("Escape", "Escape", 27),
    "Tab": ("Tab", "Tab", 9), "BackSpace": ("Backspace", "Backspace", 8),
    "Left": ("ArrowLeft", "ArrowLeft", 37), "Up": ("ArrowUp", "ArrowUp", 38),
    "Right": ("ArrowRight", "ArrowRight", 39), "Down": ("ArrowDown", "ArrowDown", 40),
    "F10": ("F10", "F10", 121), "Alt": ("Alt", "AltLeft", 18),
    "Ctrl": ("Control", "ControlLeft", 17), "Shift": ("Shift", "ShiftLeft", 16),
}


def character_key(c):
    if c.isalpha():
        return c, "Key" + c.upper(), ord(c.upper())
    if c.isdigit():
        return c, "Digit" + c, ord(c)
    if c == " ":
        return c, "Space", 32
    raise ValueError(f"no key types {c!r} here")


class Site:
    """A folder served over HTTP on 127.0.0.1 only, for as long as the object lives."""

    class Handler(http.server.SimpleHTTPRequestHandler):
        extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                          ".wasm": "application/wasm"}

        def log_message(self, *_):
            pass

    def __init__(self, folder):
        handler = functools.partial(Site.Handler, directory=folder)
        self.server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        threading.Thread(target=self.server.serve_forever, daemon=True).start()
        self.url = f"http://127.0.0.1:{self.server.server_port}/"

    def close(self):
        self.server.shutdown()
        self.server.server_close()


class Session:
    """The page of one program, with the drive-file lines of every step taken in it."""

    def __init__(self, tab, url, scale=1):
        self.tab = tab
        self.url = url
        self.scale = scale
        self.steps = []  # (drive line, events before, events after, ticks after it)
        width, height = SCREEN
        tab.set_viewport(width * scale, height * scale + BAR_HEIGHT)

    def reload(self):
        """The page loaded again: a new run of the program, with no steps taken yet."""
        self.steps = []
        self.tab.reload()
        self.settle()
        return self

    def open(self, wait=True):
        separator = "&" if "?" in self.url else "?"
        scale = f"&scale={self.scale}" if self.scale != 1 else ""
        self.tab.navigate(f"{self.url}{separator}events{scale}")
        if wait:
            self.settle()
        return self

    # ---- what the page shows -------------------------------------------------------------
    def settle(self, timeout=20):
        """Waits until the program waits for input and has none left to take, or has ended."""
        self.tab.wait_for("window.Module && Module.pz417Idle && (Module.pz417Idle() || "
                          "!document.getElementById('pz417-ended').hidden)", timeout,
                          "the program to wait for input")

    def events(self):
        return self.tab.evaluate("(Module.pz417Events || []).slice()")

    def message(self):
        return self.tab.evaluate("document.getElementById('pz417-message').textContent")

    @staticmethod
    def frame(title):
        """The JavaScript expression for the frame of the window with this title."""
        selector = json.dumps(f'.pz417-frame[data-title="{title}"]')
        return f"document.querySelector({selector})"

    def canvas_box(self, title):
        """The window's canvas on the page, in CSS pixels, and its size in window pixels."""
        box = self.tab.evaluate(f"""(() => {{
            const frame = {self.frame(title)};
            if (!frame || frame.hidden) return null;
            const canvas = frame.querySelector('canvas'), r = canvas.getBoundingClientRect();
            return [r.left, r.top, r.width, r.height, canvas.width, canvas.height];
        }})()""")
        if box is None:
            raise DevToolsError(f"no {title} window is shown")
        return box

    def screenshot(self, title):
        """The window's content as the page shows it, in front of the other frames, as a person
        would bring it to look at it."""
        left, top, width, height, _, _ = self.canvas_box(title)
        front = f"{self.frame(title)}.style"
        self.tab.evaluate(f"window.pz417Behind = {front}.zIndex; {front}.zIndex = 1e6")
        try:
            return self.tab.screenshot(left, top, width, height)
        finally:
            self.tab.evaluate(f"{front}.zIndex = window.pz417Behind")

    # ---- steps ---------------------------------------------------------------------------
    # The program's timer ticks in real time here, and only in virtual time in the replay: the
    # page's record of events tells where ticks came, and the drive file gets as many there.
    def _event_count(self):
        return self.tab.evaluate("(Module.pz417Events || []).length")

    def _step(self, line, act, ticks_after=True):
        """Takes a step and notes which events came while it was taken. A step that the program
        is given as an event has the ticks that came meanwhile before or after that event; any
        other, after it: the step is taken as soon as it is sent, and its wait lasts longer. A
        halt has them before it, where they make the same events (one tick still follows it)."""
        start = self._event_count()
        act()
        self.settle()
        self.steps.append((line, start, self._event_count(), ticks_after))

    def outcome(self):
        """The drive-file lines of the steps taken, with the ticks the program was given, and
        the events it was given; taken once the timer can have nothing owed (a halt still
        gives one tick more)."""
        time.sleep(0.25)
        self.settle()
        events, lines, idle_from = self.events(), [], 0

        def ticks(entries):
            count = entries.count("Periodic")
            return [f"tick {count}"] if count else []

        for line, start, end, ticks_after in self.steps:
            lines += ticks(events[idle_from:start])
            during = events[start:end]
            own = next((i for i, event in enumerate(during) if event != "Periodic"),
                       0 if ticks_after else len(during))
            lines += ticks(during[:own]) + [line] + ticks(during[own:])
            idle_from = end
        return lines + ticks(events[idle_from:]), events

    def _page_point(self, px, py):
        left, top, width, height, pixels_wide, pixels_high = self.canvas_box(GRAPHICS)
        return (left + (px + 0.5) * width / pixels_wide, top + (py + 0.5) * height / pixels_high)

    def _mouse(self, kind, px, py, line):
        self._step(line, lambda: self.tab.mouse(kind, *self._page_point(px, py)))

    def press(self, px, py):
        self._mouse("mousePressed", px, py, f"press {px} {py}")

    def move(self, px, py):
        self._mouse("mouseMoved", px, py, f"move {px} {py}")

    def release(self, px, py):
        self._mouse("mouseReleased", px, py, f"release {px} {py}")

    def click(self, x, y):
        """A press and release at kit coordinates."""
        px, py = ORIGIN[0] + x, ORIGIN[1] - y
        self.press(px, py)
        self.release(px, py)

    def key(self, name):
        key, code, virtual_key = KEYS[name]
        modifiers = ALT if name == "Alt" else 0

        def act():
            self.tab.key("keyDown", key, code, virtual_key, modifiers)
            self.tab.key("keyUp", key, code, virtual_key)
        self._step(f"key {name}", act)

    def ctrl(self, letter):
        control = KEYS["Ctrl"]
        key, code, virtual_key = character_key(letter.lower())

        def act():
            self.tab.key("keyDown", *control, CTRL)
            self.tab.key("keyDown", key, code, virtual_key, CTRL)
            self.tab.key("keyUp", key, code, virtual_key, CTRL)
            self.tab.key("keyUp", *control)
        self._step(f"ctrl {letter.upper()}", act, ticks_after=letter.upper() != "H")

    def type(self, text):
        def act():
            for c in text:
                key, code, virtual_key = character_key(c)
                self.tab.key("keyDown", key, code, virtual_key, text=c)
                self.tab.key("keyUp", key, code, virtual_key)
        self._step(f"type {text}", act)

    def animate(self, seconds):
        """Ctrl+A, the animation's ticks as they come for that long, then Ctrl+H."""
        self.ctrl("A")
        time.sleep(seconds)
        self.ctrl("H")


def run_replay(replay, inputs, workdir, outputs=("window", "console", "events")):
    """Plays its inputs with a replay executable in workdir, each a list of drive lines or the
    path of a file to play; returns the paths of the outputs it wrote."""
    files = []
    for number, given in enumerate(inputs):
        if isinstance(given, str):
            files.append(given)
            continue
        files.append(os.path.join(workdir, f"session-{number}.drive"))
        with open(files[-1], "w") as file:
            file.write("".join(line + "\n" for line in given))
    paths = {kind: os.path.join(workdir, f"replay-{kind}.{'txt' if kind == 'events' else 'png'}")
             for kind in outputs}
    arguments = [replay, *files]
    for kind, path in paths.items():
        arguments += [f"--{kind}", path]
    done = subprocess.run(arguments, cwd=workdir, capture_output=True, text=True, timeout=120)
    if done.returncode != 0:
        raise AssertionError(f"{' '.join(arguments)} exited {done.returncode}: {done.stderr}")
    return paths


class Comparer:
    """Compares pictures in a tab of its own, where the browser decodes the PNGs exactly."""

    SCRIPT = """
    async function pixels(base64) {
      const blob = await (await fetch('data:image/png;base64,' + base64)).blob();
      const bitmap = await createImageBitmap(blob,
          {colorSpaceConversion: 'none', premultiplyAlpha: 'none'});
      const canvas = new OffscreenCanvas(bitmap.width, bitmap.height);
      const context = canvas.getContext('2d');
      context.drawImage(bitmap, 0, 0);
      return {width: bitmap.width, height: bitmap.height,
              data: context.getImageData(0, 0, bitmap.width, bitmap.height).data};
    }
    // null when the page's picture is the replay's shown at `scale`; else what differs.
    async function difference(pageBase64, replayBase64, scale) {
      const page = await pixels(pageBase64), replay = await pixels(replayBase64);
      if (page.width !== replay.width * scale || page.height !== replay.height * scale)
        return `${page.width} x ${page.height} against ${replay.width} x ${replay.height} x${scale}`;
      let count = 0, first = null;
      for (let y = 0; y < page.height; ++y) {
        for (let x = 0; x < page.width; ++x) {
          const p = (y * page.width + x) * 4;
          const r = (Math.floor(y / scale) * replay.width + Math.floor(x / scale)) * 4;
          for (let c = 0; c < 3; ++c) {
            if (page.data[p + c] !== replay.data[r + c]) {
              if (!first) first = `${x},${y}: ${page.data.slice(p, p + 3)} against ${replay.data.slice(r, r + 3)}`;
              ++count;
              break;
            }
          }
        }
      }
      return count === 0 ? null : `${count} pixels differ, the first at ${first}`;
    }
    """

    def __init__(self, browser, artifacts):
        self.tab = browser.new_tab()
        self.tab.evaluate(Comparer.SCRIPT + "; window.difference = difference; true")
        self.artifacts = artifacts

    def difference(self, name, page_png, replay_png_path, scale=1):
        """None when equal; else what differs, with both pictures kept under artifacts."""
        with open(replay_png_path, "rb") as file:
            replay_png = file.read()
        page64 = base64.b64encode(page_png).decode()
        replay64 = base64.b64encode(replay_png).decode()
        found = self.tab.evaluate(f"difference('{page64}', '{replay64}', {scale})",
                                  await_promise=True)
        if found:
            os.makedirs(self.artifacts, exist_ok=True)
            for suffix, data in (("page", page_png), ("replay", replay_png)):
                with open(os.path.join(self.artifacts, f"{name}-{suffix}.png"), "wb") as file:
                    file.write(data)
            found += f" (both pictures in {self.artifacts}/{name}-*.png)"
        return found


def scratch_folder():
    return tempfile.mkdtemp(prefix="pz417-web-")
