#!/usr/bin/env python3
"""frosty in real windows: a private Xvfb, xdotool as the user, ImageMagick as the eye.

Each case starts frosty afresh, does what a person would do with xdotool, and compares
screenshots of the graphics window, pixel for pixel, with the --window picture frosty-replay
draws for the same input. Prints "N passed, N failed" and exits non-zero on a failure; exits 77
(skipped) only when Xvfb cannot start at all.
"""

import argparse
import os
import re
import select
import shutil
import subprocess
import sys
import tempfile
import time

SKIPPED = 77
MENU_BAR_ROWS = 19
CLIENT = (595, 496)
ORIGIN = (297, 248)  # client pixel of kit (0, 0)
# Where the Run menu sits in the window's content: the bar's "Run", and the middle row of each
# dropdown item by command id.
RUN_TITLE = (15, 9)
MENU_ITEM_X = 60
MENU_ITEM_Y = {1: 30, 2: 48, 3: 66, 4: 93, 5: 120, 6: 138, 7: 156, 8: 183}

SCRIPT_FILE = "PZ417.SCR"  # what Record Script writes into the working folder
XVFB_WAIT = 15.0     # seconds for Xvfb to name its display
WINDOW_WAIT = 15.0   # seconds for frosty's window to appear under a sanitizer build
SETTLE = 4.0         # seconds a screenshot may take to show what was done
EXIT_WAIT = 8.0
ANIMATION_TIME = 0.6    # seconds the title is left moving
ANIMATION_TICKS = 30    # replayed ticks the moved picture is looked up among


class Failure(Exception):
    pass


class Skip(Exception):
    """A case this platform cannot run; reported, and counted neither way."""


# ---- what a person does, and the drive lines that do the same ------------------------------

class Step:
    def __init__(self, drive, act):
        self.drive = drive  # lines of a drive file
        self.act = act      # does it to the running frosty


def kit_press(x, y):
    px, py = ORIGIN[0] + x, ORIGIN[1] - y
    return Step([f"click {x} {y}"], lambda f: f.press(px, py + MENU_BAR_ROWS))


def ctrl(letter):
    return Step([f"ctrl {letter.upper()}"],
                lambda f: f.xdo("keydown", "ctrl", "key", letter.lower(), "keyup", "ctrl"))


def alt(letter):
    upper = letter.upper()
    return Step(["down Alt", f"down {upper}", f"up {upper}", "up Alt"],
                lambda f: f.xdo("keydown", "alt", "key", letter.lower(), "keyup", "alt"))


def typed(text):
    return Step([f"type {text}"], lambda f: f.xdo("type", "--delay", "40", text))


def key(name):
    return Step([f"key {name}"], lambda f: f.xdo("key", name))


def run_clicked():
    x, y = RUN_TITLE
    return Step([f"press {x} {y}", f"release {x} {y}"], lambda f: f.press(x, y))


def hover(command_id):
    x, y = MENU_ITEM_X, MENU_ITEM_Y[command_id]
    return Step([f"move {x} {y}"], lambda f: f.move(x, y))


def dragged_from_run_to(command_id):
    """The button goes down on "Run", the mouse drags down the popup and lets go on the item."""
    (rx, ry), x, y = RUN_TITLE, MENU_ITEM_X, MENU_ITEM_Y[command_id]
    return Step([f"press {rx} {ry}", f"move {x} {MENU_ITEM_Y[1]}", f"move {x} {y}",
                 f"release {x} {y}"],
                lambda f: f.drag([(rx, ry), (x, MENU_ITEM_Y[1]), (x, y)]))


def menu(command_id):
    return Step([f"menu {command_id}"], lambda f: f.choose_menu_item(command_id))


def tick():
    """One timer period; frosty's own clock runs by itself, so it only has to pass."""
    return Step(["tick"], lambda f: time.sleep(0.3))


HALT = ctrl("h")
# Halting first makes the pictures deterministic: the title only moves while animating.
START = [HALT, kit_press(0, 0)]

BUTTON = {"AddScoop": 0, "RemoveScoop": 1, "AddTopping": 2, "ChangeColor": 3,
          "ChangeTopping": 4, "SelectTopping": 5, "AddGoodStuff": 6}


def button(name):
    return kit_press(-240, 233 - 25 * BUTTON[name])


# ---- the tools ---------------------------------------------------------------------------

def run(args, env, timeout=20, check=True):
    done = subprocess.run(args, env=env, capture_output=True, text=True, timeout=timeout)
    if check and done.returncode != 0:
        raise Failure(f"{' '.join(args)} exited {done.returncode}: {done.stderr.strip()}")
    return done


def differing_pixels(a, b, env):
    done = run(["compare", "-metric", "AE", a, b, "null:"], env, check=False)
    if done.returncode == 2:
        raise Failure(f"cannot compare {a} and {b}: {done.stderr.strip()}")
    match = re.match(r"\s*([0-9.e+]+)", done.stderr)
    if not match:
        raise Failure(f"compare said {done.stderr.strip()!r}")
    return int(float(match.group(1)))


def image_size(path, env):
    done = run(["identify", "-format", "%w %h", path], env)
    width, height = done.stdout.split()
    return int(width), int(height)


def colours(path, env):
    """The names of the colours a picture holds."""
    done = run(["convert", path, "-unique-colors", "-depth", "8", "txt:-"], env)
    named = {"#000000": "black", "#FFFFFF": "white"}
    return {named.get(code.upper(), code) for code in re.findall(r"#[0-9A-Fa-f]{6}", done.stdout)}


def crop(source, geometry, target, env):
    run(["convert", source, "-crop", geometry, "+repage", target], env)
    return target


class Xvfb:
    def __init__(self):
        self.process = None
        self.display = None

    def start(self):
        if shutil.which("Xvfb") is None:
            return False
        read_end, write_end = os.pipe()
        try:
            self.process = subprocess.Popen(
                # Without -noreset the server resets whenever its last client leaves, as
                # between two cases, and refuses the next frosty while it does.
                ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "2560x1600x24",
                 "-nolisten", "tcp", "-noreset"],
                pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        finally:
            os.close(write_end)
        with os.fdopen(read_end) as pipe:
            ready, _, _ = select.select([pipe], [], [], XVFB_WAIT)
            number = pipe.readline().strip() if ready else ""
        if not number.isdigit():
            self.stop()
            return False
        self.display = f":{number}"
        return True

    def stop(self):
        if self.process is not None:
            self.process.terminate()
            self.process.wait(timeout=10)


class Frosty:
    """One run of frosty on the display, with the graphics window found and focused."""

    def __init__(self, paths, env, workdir, scale=1):
        self.paths = paths
        self.env = env
        # Screen pixels per window pixel, where presses are given in window pixels; None: the
        # display's own, which the test display leaves at 1 unless the environment says otherwise.
        self.scale = scale or 1
        self.log = open(os.path.join(workdir, "frosty.log"), "w+")
        option = ["--scale", str(scale)] if scale else []
        self.process = subprocess.Popen(paths.launcher + [paths.frosty, *option], env=env,
                                        cwd=workdir,
                                        stdout=self.log, stderr=subprocess.STDOUT)
        try:
            self.window = self.find_window("PZ417 Graphics", visible_only=True)
            self.xdo("windowfocus", "--sync", self.window)
        except Exception:
            self.stop()
            raise

    def find_window(self, title, visible_only=False):
        deadline = time.monotonic() + WINDOW_WAIT
        while time.monotonic() < deadline:
            found = self.search(title, visible_only)
            if found:
                return found[0]
            if self.process.poll() is not None:
                raise Failure(f"frosty exited {self.process.returncode}: {self.output()}")
            time.sleep(0.05)
        raise Failure(f'no window "{title}" after {WINDOW_WAIT} s')

    def search(self, title, visible_only=False):
        args = ["xdotool", "search", "--all", "--pid", str(self.process.pid)]
        args += ["--onlyvisible"] if visible_only else []
        done = run(args + ["--name", f"^{title}$"], self.env, check=False)
        return done.stdout.split()

    def xdo(self, *args):
        run(["xdotool", *args], self.env)

    def at(self, x, y):
        return ["mousemove", "--window", self.window, str(x * self.scale), str(y * self.scale)]

    def press(self, x, y):
        self.xdo(*self.at(x, y), "click", "1")

    def move(self, x, y):
        self.xdo(*self.at(x, y))

    def drag(self, points):
        moves = [arg for p in points[1:] for arg in ["sleep", "0.1", *self.at(*p)]]
        self.xdo(*self.at(*points[0]), "mousedown", "1", *moves, "sleep", "0.1", "mouseup", "1")

    def choose_menu_item(self, command_id):
        self.press(*RUN_TITLE)
        self.press(MENU_ITEM_X, MENU_ITEM_Y[command_id])

    def screenshot(self, path, window=None):
        run(["import", "-window", window or self.window, path], self.env)
        return path

    def console(self):
        """The console once it shows."""
        return self.find_window("PZ417 Text", visible_only=True)

    def wait_exit(self):
        try:
            return self.process.wait(timeout=EXIT_WAIT)
        except subprocess.TimeoutExpired:
            raise Failure(f"frosty still runs {EXIT_WAIT} s later")

    def output(self):
        self.log.seek(0)
        return self.log.read().strip()

    def stop(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()
        self.log.close()


# ---- the cases ---------------------------------------------------------------------------

class Suite:
    def __init__(self, paths, env, workdir):
        self.paths = paths
        self.env = env
        self.workdir = workdir
        self.intro = None  # frosty-replay's picture of the intro screen

    def replay(self, name, steps, extra_lines=()):
        """Runs frosty-replay in its own folder; returns the --window picture."""
        drive = os.path.join(self.workdir, f"{name}.drive")
        with open(drive, "w") as out:
            out.write("\n".join([line for s in steps for line in s.drive] + list(extra_lines)))
            out.write("\n")
        expected = os.path.join(self.workdir, f"{name}.expected.png")
        folder = os.path.join(self.workdir, f"{name}.replay")
        os.makedirs(folder, exist_ok=True)
        done = subprocess.run([self.paths.replay, drive, "--window", expected], env=self.env,
                              cwd=folder, capture_output=True, text=True, timeout=60)
        if done.returncode != 0:
            raise Failure(f"frosty-replay exited {done.returncode}: {done.stderr.strip()}")
        return expected

    def start(self, name, scale=1, env=None):
        """frosty, once it shows its intro screen (at scale 1): input sent earlier could be lost."""
        workdir = os.path.join(self.workdir, name)
        os.makedirs(workdir, exist_ok=True)
        if self.intro is None:
            self.intro = self.replay("ready", [])
        frosty = Frosty(self.paths, env or self.env, workdir, scale)
        if scale != 1:
            return frosty
        try:
            self.shows(frosty, f"{name}.ready", self.intro)
        except Exception:
            frosty.stop()
            raise
        return frosty

    def shows(self, frosty, name, expected):
        """Waits for the window to show exactly the expected picture."""
        shot = os.path.join(self.workdir, f"{name}.shot.png")
        deadline = time.monotonic() + SETTLE
        while True:
            differing = differing_pixels(frosty.screenshot(shot), expected, self.env)
            if differing == 0:
                return
            if time.monotonic() > deadline:
                raise Failure(f"{differing} pixels differ from frosty-replay's picture "
                              f"({shot} against {expected})")
            time.sleep(0.1)

    def same_as_replay(self, name, steps, scale=1):
        expected = self.replay(name, steps)
        if scale != 1:
            # Each window pixel as a scale x scale block: nearest neighbour, nothing blended.
            scaled = expected + f".x{scale}.png"
            run(["convert", expected, "-sample", f"{scale * 100}%", scaled], self.env)
            expected = scaled
        frosty = self.start(name, scale)
        try:
            for step in steps:
                step.act(frosty)
            self.shows(frosty, name, expected)
        finally:
            frosty.stop()

    def quits(self, name, steps, close_frame=False):
        frosty = self.start(name)
        try:
            for step in steps:
                step.act(frosty)
            if close_frame:
                run([self.paths.x_helper, "close", frosty.window], self.env)
            status = frosty.wait_exit()
            if status != 0:
                raise Failure(f"frosty exited {status}: {frosty.output()}")
        finally:
            frosty.stop()

    # -- pictures

    def intro_screen(self):
        self.same_as_replay("intro", [])

    def scene_after_the_intro(self):
        self.same_as_replay("scene", START)

    def scoops_and_toppings(self):
        self.same_as_replay("toppings", START + [
            button("AddScoop"), button("AddScoop"), button("RemoveScoop"),
            button("AddTopping"), kit_press(10, 40), kit_press(-20, 90),
            button("ChangeTopping"), button("AddTopping"), kit_press(25, 60)])

    def palette_colours_a_topping(self):
        self.same_as_replay("palette", START + [
            button("AddTopping"), kit_press(0, 50), button("ChangeColor"),
            kit_press(-250, -145)])

    def good_stuff(self):
        self.same_as_replay("goodstuff", START + [
            button("AddGoodStuff"), kit_press(-165, 76), button("AddGoodStuff"),
            kit_press(-165, 90)])

    def letters_are_no_shortcuts(self):
        # Were a letter taken with Ctrl, "a" would start the title moving, "q" would quit.
        self.same_as_replay("letters", START + [typed("haflqrpo AZ")])

    def alt_r_opens_the_run_menu(self):
        self.same_as_replay("altr", START + [alt("r")])

    def menu_item_by_its_letter(self):
        self.same_as_replay("menuletter", START + [alt("r"), typed("f"), tick()])

    def menu_item_by_mouse(self):
        self.same_as_replay("menumouse", START + [menu(3), tick()])

    def hover_highlights_an_item(self):
        self.same_as_replay("hover", START + [run_clicked(), hover(3)])

    def f10_then_enter_opens_the_menu(self):
        self.same_as_replay("f10enter", START + [key("F10"), key("Return")])

    def escape_goes_back_to_the_bar(self):
        self.same_as_replay("escape", START + [alt("r"), key("Escape")])

    def escape_twice_leaves_the_menu(self):
        # The first Escape closes the popup and leaves "Run" raised; the second leaves the bar.
        self.same_as_replay("escape2", START + [alt("r"), key("Escape"), key("Escape")])

    def press_drag_release_chooses_halt(self):
        """Animating, then Halt chosen by dragging: the title stands still where it stopped."""
        frosty = self.start("drag")
        try:
            for step in START + [ctrl("a")]:
                step.act(frosty)
            time.sleep(ANIMATION_TIME)
            dragged_from_run_to(2).act(frosty)
            time.sleep(0.5)
            first = frosty.screenshot(os.path.join(self.workdir, "drag.first.png"))
            time.sleep(ANIMATION_TIME)
            second = frosty.screenshot(os.path.join(self.workdir, "drag.second.png"))
        finally:
            frosty.stop()
        # The scene is drawn by the first timer tick after the intro.
        expected = self.replay("drag", START + [ctrl("a"), tick(), HALT])
        # The buttons, under the popup's place: the title and the cone never reach them.
        geometry = f"115x240+0+{MENU_BAR_ROWS}"
        closed = differing_pixels(crop(first, geometry, first + ".menu.png", self.env),
                                  crop(expected, geometry, expected + ".menu.png", self.env),
                                  self.env)
        if closed != 0:
            raise Failure(f"the menu is still drawn ({closed} pixels differ where it was)")
        still = differing_pixels(first, second, self.env)
        if still != 0:
            raise Failure(f"the title still moves after Halt ({still} pixels changed)")

    def scale_two_is_exact(self):
        """x2: every window pixel a 2 x 2 block, presses and moves at scaled places."""
        self.same_as_replay("scale2", START + [button("AddScoop"), run_clicked(), hover(5)],
                            scale=2)

    def gdk_scale_sets_the_scale(self):
        if self.paths.launcher:
            raise Skip("a Windows program takes the density from the platform, not GDK_SCALE")
        frosty = self.start("gdkscale", scale=None, env=dict(self.env, GDK_SCALE="2"))
        try:
            done = run(["xdotool", "getwindowgeometry", "--shell", frosty.window], self.env)
        finally:
            frosty.stop()
        size = dict(line.split("=") for line in done.stdout.split())
        got = (int(size["WIDTH"]), int(size["HEIGHT"]))
        if got != (2 * CLIENT[0], 2 * (MENU_BAR_ROWS + CLIENT[1])):
            raise Failure(f"with GDK_SCALE=2 the window is {got[0]} x {got[1]}")

    def ctrl_f_advances_one_frame(self):
        self.same_as_replay("ctrlf", START + [ctrl("f"), tick(), tick()])

    def ctrl_l_switches_the_log_check(self):
        self.same_as_replay("ctrll", START + [ctrl("l"), alt("r")])

    def ctrl_released_in_another_window(self):
        # Were Ctrl still taken as held, the "a" typed next would start the title moving.
        if self.paths.launcher:
            # Wine without a window manager does not take the focus given back by another
            # client as an activation, so the "a" would reach no window at all.
            raise Skip("focus handed back by another client is no activation under Wine")

        def release_elsewhere(frosty):
            root = run(["xdotool", "search", "--maxdepth", "0", "--name", ""], self.env)
            frosty.xdo("keydown", "ctrl", "windowfocus", root.stdout.split()[0], "keyup", "ctrl")
            frosty.xdo("windowfocus", "--sync", frosty.window)

        self.same_as_replay("ctrlelsewhere", START + [
            Step(["down Ctrl", "up Ctrl"], release_elsewhere), typed("a"), tick(), tick()])

    def typed_characters_reach_the_program(self):
        """The kit's Record Script writes every key the program gets, as frosty-replay's does."""
        steps = START + [ctrl("r"), typed("Hi there, 42!"), key("Return"), key("BackSpace"),
                         key("Tab"), key("Escape"), key("F1"), ctrl("q")]
        self.replay("record", steps)
        self.quits("record", steps)
        with open(os.path.join(self.workdir, "record.replay", SCRIPT_FILE)) as replayed, \
                open(os.path.join(self.workdir, "record", SCRIPT_FILE)) as recorded:
            expected, got = replayed.read(), recorded.read()
        if got != expected or "PZ417_KBD(" not in expected:
            raise Failure(f"frosty recorded {got!r} where frosty-replay recorded {expected!r}")

    # -- the keyboard and the mouse between the two windows

    def drag_chooses_while_the_console_has_the_keyboard(self):
        # Ctrl+L gives the console the keyboard; the press on "Run" is the graphics window's all
        # the same, and so are the drag and the release that choose "Advance one frame".
        self.same_as_replay("dragconsole", START + [ctrl("l"), dragged_from_run_to(3), tick()])

    def closing_the_console_gives_the_keyboard_back(self):
        def close_console(frosty):
            run([self.paths.x_helper, "close", frosty.console()], self.env)
            self.waits_until_hidden(frosty, "PZ417 Text")

        # No drive line closes the console: the replay takes the same steps without it.
        self.same_as_replay("consoleclose", START + [
            ctrl("l"), Step([], close_console), ctrl("f"), tick()])

    def held_ctrl_p_plays_once(self):
        """The console comes up with "EOF encountered" while Ctrl+P is still held: the key's
        auto-repeats that follow are no fresh presses, so the script is played once."""
        steps = START + [Step(["down Ctrl", "down P", "repeat P 10", "up P", "up Ctrl"],
                              lambda f: f.xdo("keydown", "ctrl", "keydown", "p", "sleep", "1.5",
                                              "keyup", "p", "keyup", "ctrl"))]
        for folder in ("heldctrlp", "heldctrlp.replay"):
            os.makedirs(os.path.join(self.workdir, folder), exist_ok=True)
            with open(os.path.join(self.workdir, folder, SCRIPT_FILE), "w") as script:
                script.write("PZ417_MOUSE(-240, 233);\n")  # Add Scoop
        self.same_as_replay("heldctrlp", steps)

    def waits_until_hidden(self, frosty, title):
        deadline = time.monotonic() + SETTLE
        while frosty.search(title, visible_only=True):
            if time.monotonic() > deadline:
                raise Failure(f'"{title}" is still shown')
            time.sleep(0.1)

    def covered_window_repaints(self):
        steps = START + [button("AddScoop")]
        expected = self.replay("cover", steps)
        frosty = self.start("cover")
        try:
            for step in steps:
                step.act(frosty)
            self.shows(frosty, "cover", expected)
            run([self.paths.x_helper, "cover", frosty.window], self.env)
            self.shows(frosty, "cover", expected)
        finally:
            frosty.stop()

    def uncovered_tall_console_repaints_its_last_lines_only(self):
        """The console, taller than its 25 lines, is covered and uncovered: above the lines it
        repaints it is blank, as the classic desktop erases what it uncovers."""
        if self.paths.launcher:
            raise Skip("Wine keeps an uncovered window's pixels itself and asks for no repaint")
        frosty = self.start("tallconsole")
        try:
            for step in START + [ctrl("l"), button("AddScoop")]:
                step.act(frosty)
            console = frosty.console()
            time.sleep(0.5)
            run([self.paths.x_helper, "cover", console], self.env)
            time.sleep(0.5)
            shot = frosty.screenshot(os.path.join(self.workdir, "tallconsole.png"), console)
        finally:
            frosty.stop()
        lines = 25 * 13
        width, height = image_size(shot, self.env)
        if height <= lines:
            raise Skip(f"the console is only {height} pixels tall here")
        above = crop(shot, f"{width}x{height - lines}+0+0", shot + ".above.png", self.env)
        if colours(above, self.env) != {"white"}:
            raise Failure(f"the console shows something above its last 25 lines ({above})")

    def odd_console_size_at_scale_two_is_filled(self):
        """At x2 a console resized to an odd size shows its last column and row in part."""
        if self.paths.launcher:
            raise Skip("Wine without a window manager takes no size given from outside")
        frosty = self.start("oddconsole", scale=2)
        try:
            ctrl("l").act(frosty)
            console = frosty.console()
            frosty.xdo("windowsize", "--sync", console, "2033", "459")
            time.sleep(0.5)
            shot = frosty.screenshot(os.path.join(self.workdir, "oddconsole.png"), console)
        finally:
            frosty.stop()
        for edge, geometry in (("column", "1x459+2032+0"), ("row", "2033x1+0+458")):
            seen = colours(crop(shot, geometry, f"{shot}.{edge}.png", self.env), self.env)
            if seen == {"black"}:
                raise Failure(f"the console's last {edge} is black ({shot})")

    def console_starts_hidden(self):
        frosty = self.start("console")
        try:
            frosty.find_window("PZ417 Text")
            self.waits_until_hidden(frosty, "PZ417 Text")
        finally:
            frosty.stop()

    def ctrl_a_animates_the_title(self):
        """The title moves with the timer; the halted picture equals replay after some ticks."""
        snapshots = [f"snapshot {self.workdir}/tick{n}.png" for n in range(ANIMATION_TICKS + 1)]
        lines = [snapshots[0]] + [line for n in range(1, ANIMATION_TICKS + 1)
                                  for line in ("tick", snapshots[n])]
        self.replay("animate", START + [ctrl("a")], lines)
        frosty = self.start("animate")
        try:
            for step in START + [ctrl("a")]:
                step.act(frosty)
            time.sleep(ANIMATION_TIME)
            HALT.act(frosty)
            time.sleep(0.5)
            shot = frosty.screenshot(os.path.join(self.workdir, "animate.shot.png"))
        finally:
            frosty.stop()
        geometry = f"{CLIENT[0]}x{CLIENT[1]}"
        client = crop(shot, f"{geometry}+0+{MENU_BAR_ROWS}", shot + ".client.png", self.env)
        for n in range(ANIMATION_TICKS + 1):
            canvas = os.path.join(self.workdir, f"tick{n}.png")
            visible = crop(canvas, f"{geometry}+0+0", canvas + ".client.png", self.env)
            if differing_pixels(client, visible, self.env) == 0:
                if n < 3:
                    raise Failure(f"the title moved only {n} times in {ANIMATION_TIME} s")
                return
        raise Failure(f"the animated picture matches none of {ANIMATION_TICKS} replayed ticks")

    # -- the end of the program

    def ctrl_q_quits(self):
        self.quits("ctrlq", [HALT, ctrl("q")])

    def quit_from_the_menu(self):
        self.quits("menuquit", START + [menu(8)])

    def closing_the_graphics_window_quits(self):
        self.quits("close", START, close_frame=True)

    def no_display_says_so(self):
        if self.paths.launcher:
            raise Skip("a Windows program has its display from the platform, not DISPLAY")
        env = {k: v for k, v in self.env.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}
        done = run([self.paths.frosty], env, check=False)
        lines = done.stderr.strip().splitlines()
        if done.returncode == 0 or len(lines) != 1 or "frosty-replay" not in lines[0]:
            raise Failure(f"exited {done.returncode} saying {done.stderr!r}")


def cpu_seconds(pid):
    with open(f"/proc/{pid}/stat") as stat:
        fields = stat.read().rsplit(")", 1)[1].split()
    # utime and stime, fields 14 and 15 of the line; the split starts at field 3
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def cpu_share(pid, seconds):
    before = cpu_seconds(pid)
    time.sleep(seconds)
    return 100.0 * (cpu_seconds(pid) - before) / seconds


def measure_cpu(suite, seconds, scale):
    """frosty's CPU use while it waits with the animation halted, then while it animates."""
    frosty = suite.start("cpu", scale)
    try:
        for step in START:
            step.act(frosty)
        time.sleep(1.0)
        halted = cpu_share(frosty.process.pid, seconds)
        ctrl("a").act(frosty)
        time.sleep(1.0)
        animating = cpu_share(frosty.process.pid, seconds)
    finally:
        frosty.stop()
    print(f"CPU over {seconds:g} s at x{scale}: {halted:.1f} % halted, "
          f"{animating:.1f} % animating at 10 Hz")


CASES = [
    Suite.intro_screen, Suite.scene_after_the_intro, Suite.scoops_and_toppings,
    Suite.palette_colours_a_topping, Suite.good_stuff, Suite.letters_are_no_shortcuts,
    Suite.alt_r_opens_the_run_menu, Suite.menu_item_by_its_letter, Suite.menu_item_by_mouse,
    Suite.hover_highlights_an_item, Suite.f10_then_enter_opens_the_menu,
    Suite.escape_goes_back_to_the_bar, Suite.escape_twice_leaves_the_menu,
    Suite.press_drag_release_chooses_halt, Suite.scale_two_is_exact,
    Suite.gdk_scale_sets_the_scale,
    Suite.ctrl_f_advances_one_frame, Suite.ctrl_l_switches_the_log_check,
    Suite.ctrl_released_in_another_window, Suite.typed_characters_reach_the_program,
    Suite.drag_chooses_while_the_console_has_the_keyboard,
    Suite.closing_the_console_gives_the_keyboard_back, Suite.held_ctrl_p_plays_once,
    Suite.uncovered_tall_console_repaints_its_last_lines_only,
    Suite.odd_console_size_at_scale_two_is_filled,
    Suite.covered_window_repaints, Suite.console_starts_hidden, Suite.ctrl_a_animates_the_title,
    Suite.ctrl_q_quits, Suite.quit_from_the_menu, Suite.closing_the_graphics_window_quits,
    Suite.no_display_says_so,
]


def run_cases(suite, only):
    """Runs the cases whose names contain `only`; returns how many passed and failed."""
    passed = failed = 0
    for case in CASES:
        if only and only not in case.__name__:
            continue
        began = time.monotonic()
        try:
            case(suite)
            passed += 1
            print(f"ok    {case.__name__} ({time.monotonic() - began:.1f} s)", flush=True)
        except Skip as reason:
            print(f"skip  {case.__name__}: {reason}", flush=True)
        except (Failure, subprocess.SubprocessError, OSError) as failure:
            failed += 1
            print(f"FAIL  {case.__name__}: {failure}", flush=True)
    return passed, failed


def parse_arguments():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--frosty", required=True)
    parser.add_argument("--replay", required=True)
    parser.add_argument("--x-helper", required=True)
    parser.add_argument("--launcher", help="runs frosty, as Wine runs a Windows build")
    parser.add_argument("--keep", help="keep screenshots and drive files in this folder")
    parser.add_argument("-k", dest="only", help="run only cases whose name contains this")
    parser.add_argument("--measure-cpu", type=float, metavar="SECONDS",
                        help="measure frosty's CPU use instead of running the cases")
    parser.add_argument("--scale", type=int, default=1, help="the display scale to measure at")
    paths = parser.parse_args()
    for tool in ("frosty", "replay", "x_helper"):
        setattr(paths, tool, os.path.abspath(getattr(paths, tool)))
    paths.launcher = [os.path.abspath(paths.launcher)] if paths.launcher else []
    return paths


def main():
    paths = parse_arguments()
    xvfb = Xvfb()
    if not xvfb.start():
        print("Xvfb cannot start here: skipped")
        return SKIPPED
    # A sanitizer build would fail every run on what the system's D-Bus library keeps.
    suppressions = os.path.join(os.path.dirname(os.path.abspath(__file__)), "lsan.supp")
    env = dict(os.environ, DISPLAY=xvfb.display, SDL_VIDEODRIVER="x11",
               LSAN_OPTIONS=f"suppressions={suppressions}:print_suppressions=0")
    env.pop("WAYLAND_DISPLAY", None)
    workdir = paths.keep or tempfile.mkdtemp(prefix="frosty-xvfb-")
    os.makedirs(workdir, exist_ok=True)
    suite = Suite(paths, env, workdir)
    passed = failed = 0
    try:
        if paths.measure_cpu:
            measure_cpu(suite, paths.measure_cpu, paths.scale)
            return 0
        passed, failed = run_cases(suite, paths.only)
    finally:
        xvfb.stop()
        if not paths.keep and failed == 0:
            shutil.rmtree(workdir, ignore_errors=True)
    if failed:
        print(f"screenshots and drive files are in {workdir}")
    print(f"{passed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
