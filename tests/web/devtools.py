"""Headless Chromium driven through the DevTools protocol over --remote-debugging-pipe.

The browser reads commands from its fd 3 and writes answers and events to its fd 4, each a JSON
message ended by a NUL byte. No port is opened and nothing beyond the standard library is used.
"""

import base64
import json
import os
import shutil
import subprocess
import tempfile
import time

CHROMIUM = "/usr/lib/chromium/chromium"

# The machine has no network: nothing the browser would fetch for itself is asked for.
QUIET_FLAGS = [
    "--headless=new", "--no-sandbox", "--disable-gpu", "--disable-background-networking",
    "--disable-component-update", "--disable-sync", "--no-first-run", "--disable-quic",
    "--disable-default-apps", "--disable-extensions", "--mute-audio",
    "--force-color-profile=srgb", "--hide-scrollbars",
]

# Modifier bits of Input.dispatchKeyEvent and Input.dispatchMouseEvent.
ALT, CTRL, META, SHIFT = 1, 2, 4, 8


class DevToolsError(Exception):
    pass


class Browser:
    """One Chromium process with a fresh profile; closed with close() or as a context."""

    def __init__(self):
        self.profile = tempfile.mkdtemp(prefix="pz417-chromium-")
        to_browser_read, self._to_browser = os.pipe()
        self._from_browser, from_browser_write = os.pipe()
        # Out of the way of 3 and 4, which the child's copies must take.
        ours = [os.dup(fd) for fd in (to_browser_read, from_browser_write)]
        os.close(to_browser_read)
        os.close(from_browser_write)

        # The copies at 3 and 4 are the only ones left open across exec: every descriptor
        # Python makes is closed on exec unless made inheritable, as dup2 makes these.
        def give_pipes():
            os.dup2(ours[0], 3)
            os.dup2(ours[1], 4)

        self.process = subprocess.Popen(
            [CHROMIUM, *QUIET_FLAGS, "--remote-debugging-pipe", f"--user-data-dir={self.profile}",
             "--window-size=1280,1024", "about:blank"],
            stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
            preexec_fn=give_pipes, close_fds=False)
        for fd in ours:
            os.close(fd)
        self._buffer = b""
        self._next_id = 0
        self.events = []

    def __enter__(self):
        return self

    def __exit__(self, *_):
        self.close()

    def close(self):
        if self.process.poll() is None:
            try:
                self.send("Browser.close", timeout=5)
            except (DevToolsError, OSError):
                pass
            try:
                self.process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
        for fd in (self._to_browser, self._from_browser):
            try:
                os.close(fd)
            except OSError:
                pass
        shutil.rmtree(self.profile, ignore_errors=True)

    def _read_message(self, deadline):
        while b"\0" not in self._buffer:
            if time.monotonic() > deadline:
                raise DevToolsError("the browser did not answer in time")
            chunk = os.read(self._from_browser, 1 << 20)
            if not chunk:
                raise DevToolsError("the browser closed its pipe")
            self._buffer += chunk
        message, self._buffer = self._buffer.split(b"\0", 1)
        return json.loads(message)

    def send(self, method, params=None, session=None, timeout=30):
        """Sends a command and returns its result; events that come meanwhile are kept."""
        self._next_id += 1
        command = {"id": self._next_id, "method": method, "params": params or {}}
        if session:
            command["sessionId"] = session
        os.write(self._to_browser, json.dumps(command).encode() + b"\0")
        deadline = time.monotonic() + timeout
        while True:
            message = self._read_message(deadline)
            if message.get("id") == self._next_id:
                if "error" in message:
                    raise DevToolsError(f"{method}: {message['error'].get('message')}")
                return message.get("result", {})
            if "method" in message:
                self.events.append(message)

    def new_tab(self):
        target = self.send("Target.createTarget", {"url": "about:blank"})["targetId"]
        session = self.send("Target.attachToTarget", {"targetId": target, "flatten": True})
        tab = Tab(self, session["sessionId"], target)
        tab.send("Page.enable")
        tab.send("Runtime.enable")
        return tab


class Tab:
    """One page of the browser: evaluate, navigate, mouse and keys, screenshots."""

    def __init__(self, browser, session, target):
        self.browser = browser
        self.session = session
        self.target = target

    def send(self, method, params=None, timeout=30):
        return self.browser.send(method, params, self.session, timeout)

    def events(self, method):
        return [e for e in self.browser.events
                if e.get("method") == method and e.get("sessionId") == self.session]

    def evaluate(self, expression, await_promise=False):
        result = self.send("Runtime.evaluate", {
            "expression": expression, "returnByValue": True, "awaitPromise": await_promise})
        if "exceptionDetails" in result:
            details = result["exceptionDetails"]
            text = details.get("exception", {}).get("description") or details.get("text")
            raise DevToolsError(f"{expression}: {text}")
        return result["result"].get("value")

    def wait_for(self, expression, timeout=20, what=None):
        """Polls a JavaScript condition until it is true; its last value otherwise fails."""
        deadline = time.monotonic() + timeout
        while True:
            try:
                value = self.evaluate(expression)
            except DevToolsError:
                value = None  # the page is still loading
            if value:
                return value
            if time.monotonic() > deadline:
                raise DevToolsError(f"waited {timeout} s for {what or expression}")
            time.sleep(0.02)

    def navigate(self, url):
        self.send("Page.navigate", {"url": url})

    def reload(self):
        self.send("Page.reload", {"ignoreCache": True})

    def add_script_on_load(self, source):
        """Runs `source` in every page this tab loads, before the page's own scripts."""
        self.send("Page.addScriptToEvaluateOnNewDocument", {"source": source})

    def set_viewport(self, width, height):
        self.send("Emulation.setDeviceMetricsOverride", {
            "width": width, "height": height, "deviceScaleFactor": 1, "mobile": False})

    def mouse(self, kind, x, y, modifiers=0):
        """kind: mousePressed, mouseMoved or mouseReleased; x, y in CSS pixels of the page."""
        params = {"type": kind, "x": x, "y": y, "modifiers": modifiers, "button": "left",
                  "buttons": 1 if kind != "mouseReleased" else 0}
        if kind != "mouseMoved":
            params["clickCount"] = 1
        self.send("Input.dispatchMouseEvent", params)

    def key(self, kind, key, code, virtual_key, modifiers=0, text=None):
        """kind: keyDown or keyUp; key and code as KeyboardEvent has them."""
        params = {"type": kind, "key": key, "code": code, "windowsVirtualKeyCode": virtual_key,
                  "nativeVirtualKeyCode": virtual_key, "modifiers": modifiers}
        if text is not None and kind == "keyDown":
            params["text"] = text
            params["unmodifiedText"] = text
        elif kind == "keyDown":
            params["type"] = "rawKeyDown"
        self.send("Input.dispatchKeyEvent", params)

    def screenshot(self, left, top, width, height):
        """The page's pixels in a box of CSS pixels, as PNG bytes, one device pixel each."""
        result = self.send("Page.captureScreenshot", {
            "format": "png", "captureBeyondViewport": False,
            "clip": {"x": left, "y": top, "width": width, "height": height, "scale": 1}})
        return base64.b64decode(result["data"])
