#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A monkey in a real window: random keys, clicks and wheel turns into the built wizard, on its own Xvfb.

    monkey.py <larkspan binary> [--seeds 1,2,3] [--seconds 60]

Each seed runs for the given time. The dialogs the wizard opens are answered or cancelled at random, the file
dialogs only with bare names inside a scratch folder, and the clipboard is now and then left without an owner.
A wizard that ends by the user's choice is started again. The run fails on a crash, an abort, a sanitizer report
or a hang (no answer to a ping within some seconds), and prints the seed and the last events for a replay.
"""

import argparse
import collections
import os
import random
import shutil
import signal
import subprocess
import sys
import tempfile
import time

from Xlib import X, XK, Xatom, display as xdisplay, error as xerror
from Xlib.ext import xtest
from Xlib.protocol import event as xevent, request

MAIN_TITLE_PREFIX = "Larkspan 1.1"
WINDOW = (598, 351)  # the main window's size; it stands at the top left without a window manager
PING_SECONDS = 5
# Access keys of the buttons and boxes on the pages (but Cancel's, which is pressed more rarely, as Escape is), and
# the keys a user presses most.
ACCESS_KEYS = "sbnahdugtlvmxfrpie"
PLAIN_KEYS = ["Tab", "shift+Tab", "Return", "space", "BackSpace", "Delete", "Up", "Down", "Left", "Right",
              "Home", "End", "Prior", "Next", "ctrl+v", "ctrl+c", "ctrl+x", "ctrl+z", "ctrl+a", "shift+Insert",
              "alt+Down", "ctrl+Return", "shift+Return", "alt+Return"]
SANITIZER_MARKS = ("ERROR: AddressSanitizer", "ERROR: LeakSanitizer", "runtime error:", "Segmentation fault")


class Failure(Exception):
    pass


class Monkey:
    def __init__(self, binary, seed, scratch):
        self.binary = binary
        self.seed = seed
        self.scratch = scratch
        self.random = random.Random(seed)
        self.events = collections.deque(maxlen=40)
        self.count = 0
        self.starts = 0
        self.pages = collections.Counter()
        self.wizard = None
        self.log = None
        self.d = xdisplay.Display()
        self.root = self.d.screen().root
        # Qt answers a ping on the root window, to clients that listen for structure changes there.
        self.root.change_attributes(event_mask=X.StructureNotifyMask | X.SubstructureNotifyMask)
        self.atoms = {name: self.d.intern_atom(name) for name in
                      ("WM_PROTOCOLS", "_NET_WM_PING", "WM_DELETE_WINDOW", "CLIPBOARD")}

    # --- the wizard's life

    def start(self):
        self.starts += 1
        home = os.path.join(self.scratch, "home")
        env = dict(os.environ, QT_QPA_PLATFORM="xcb", HOME=home, XDG_CONFIG_HOME=os.path.join(home, ".config"))
        # Preview in Browser would start the machine's web browser through xdg-open: with no program to be found,
        # the wizard says so in a message instead, which the monkey answers like any other.
        env.update(PATH=os.path.join(self.scratch, "no-programs"), BROWSER="", DEFAULT_BROWSER="")
        self.log = open(os.path.join(self.scratch, "wizard.log"), "a+")
        self.log.write(f"--- start {self.starts} of seed {self.seed}\n")
        self.log.flush()
        self.wizard = subprocess.Popen([self.binary], cwd=os.path.join(self.scratch, "pages"), env=env,
                                       stdout=self.log, stderr=subprocess.STDOUT)
        deadline = time.monotonic() + 30
        while time.monotonic() < deadline:
            if self.main():
                return
            self.check_running()
            time.sleep(0.1)
        raise Failure("no wizard window appeared")

    def check_running(self):
        status = self.wizard.poll()
        if status is None:
            return True
        if status != 0:
            raise Failure(f"the wizard ended with status {status}"
                          + (f" ({signal.Signals(-status).name})" if status < 0 else ""))
        self.check_log()
        return False

    def check_log(self):
        self.log.flush()
        with open(self.log.name, errors="replace") as text:
            for line in text:
                if any(mark in line for mark in SANITIZER_MARKS):
                    raise Failure(f"sanitizer report: {line.strip()}")

    def stop(self):
        if self.wizard and self.wizard.poll() is None:
            self.wizard.kill()
            self.wizard.wait()

    # --- windows

    def windows(self):
        """The wizard's visible top-level windows: (window, title), menus and lists included."""
        found = []
        try:
            for child in self.root.query_tree().children:
                attributes = child.get_attributes()
                if attributes.map_state != X.IsViewable:
                    continue
                name = child.get_wm_name() or ""
                if isinstance(name, bytes):
                    name = name.decode("utf-8", "replace")
                found.append((child, name, attributes.override_redirect))
        except xerror.XError:
            pass
        return found

    def main(self):
        for window, name, _ in self.windows():
            if name.startswith(MAIN_TITLE_PREFIX):
                return window
        return None

    def ping(self):
        """Fails unless the wizard's event loop answers a ping on its main window."""
        window = self.main()
        if window is None:
            return
        stamp = int(time.monotonic() * 1000) & 0xFFFFFFFF
        message = xevent.ClientMessage(window=window, client_type=self.atoms["WM_PROTOCOLS"],
                                       data=(32, [self.atoms["_NET_WM_PING"], stamp, window.id, 0, 0]))
        window.send_event(message, event_mask=0)
        self.d.flush()
        deadline = time.monotonic() + PING_SECONDS
        while time.monotonic() < deadline:
            while self.d.pending_events():
                reply = self.d.next_event()
                if (reply.type == X.ClientMessage and reply.client_type == self.atoms["WM_PROTOCOLS"]
                        and reply.data[1][0] == self.atoms["_NET_WM_PING"] and reply.data[1][1] == stamp):
                    return
            if not self.check_running():
                return
            time.sleep(0.05)
        shown = ", ".join(f'"{name}"' for _, name, _ in self.windows())
        raise Failure(f"the wizard did not answer a ping within {PING_SECONDS} seconds: it hangs (windows: {shown})")

    # --- input

    def note(self, what):
        self.count += 1
        self.events.append(what)

    def key(self, combo):
        self.note(f"key {combo}")
        parts = combo.split("+")
        codes = []
        for part in parts:
            name = {"ctrl": "Control_L", "alt": "Alt_L", "shift": "Shift_L"}.get(part, part)
            code = self.d.keysym_to_keycode(XK.string_to_keysym(name))
            if code:
                codes.append(code)
        for code in codes:
            xtest.fake_input(self.d, X.KeyPress, code)
        for code in reversed(codes):
            xtest.fake_input(self.d, X.KeyRelease, code)
        self.d.sync()

    def type(self, text):
        for letter in text:
            self.key({" ": "space", ".": "period"}.get(letter, letter))

    def click(self, x, y, button):
        self.note(f"click {button} at {x},{y}")
        xtest.fake_input(self.d, X.MotionNotify, x=x, y=y)
        xtest.fake_input(self.d, X.ButtonPress, button)
        xtest.fake_input(self.d, X.ButtonRelease, button)
        self.d.sync()

    def empty_clipboard(self):
        self.note("clipboard and selection left without an owner")
        # Never owned by the monkey itself: it would not answer the wizard's requests for the data.
        for selection in (self.atoms["CLIPBOARD"], Xatom.PRIMARY):
            request.SetSelectionOwner(display=self.d.display, window=X.NONE, selection=selection, time=X.CurrentTime)
        self.d.sync()

    def focus(self, window):
        try:
            window.set_input_focus(X.RevertToParent, X.CurrentTime)
            self.d.sync()
        except xerror.XError:
            pass

    def close(self, window, name):
        self.note(f"close \"{name}\"")
        message = xevent.ClientMessage(window=window, client_type=self.atoms["WM_PROTOCOLS"],
                                       data=(32, [self.atoms["WM_DELETE_WINDOW"], X.CurrentTime, 0, 0, 0]))
        window.send_event(message, event_mask=0)
        self.d.sync()

    # --- one step

    def answer(self, window, name):
        """A dialog or another window of the wizard is open: answer it, cancel it or play in it."""
        r = self.random
        self.focus(window)
        if name in ("Select an Image", "Import a Text File", "Save your web page"):
            if r.random() < 0.4:
                self.key("Escape")
            else:
                made_up = "".join(r.choice("abcxyz") for _ in range(r.randint(1, 6)))
                stem = r.choice(["logo", "notes", "page", made_up])
                self.key("ctrl+a")
                self.type(stem + r.choice(["", ".gif", ".txt", ".htm", ".jpg"]))
                self.key("Return")
        elif name == "Select Color":
            self.key(r.choice(["Escape", "Return", "Tab", "Right", "space"]))
        elif name in ("Larkspan", "Source Browser - Read Only"):
            self.key(r.choice(["Return", "Escape", "alt+y", "alt+n", "Tab", "space", "ctrl+a", "ctrl+c", "Down"]))
        else:
            # Help, properties and anything else: a key or two, and now and then closed as a window manager would.
            if r.random() < 0.3:
                self.close(window, name)
            else:
                self.key(r.choice(["Escape", "Tab", "Down", "Return", "alt+F4"]))

    def play(self):
        r = self.random
        wizard_windows = self.windows()
        main = next((w for w, n, _ in wizard_windows if n.startswith(MAIN_TITLE_PREFIX)), None)
        others = [(w, n) for w, n, redirect in wizard_windows
                  if not redirect and not n.startswith(MAIN_TITLE_PREFIX) and n]
        if others:
            self.answer(*others[-1])
            return
        if main is None:
            return
        title = next(n for w, n, _ in wizard_windows if w == main)
        self.pages[title] += 1
        popup_open = any(redirect for _, _, redirect in wizard_windows)
        if not popup_open:
            self.focus(main)
        roll = r.random()
        if roll < 0.08 and not popup_open:
            # On through the wizard, so that every page gets its share: a layout first where none is chosen yet.
            if "layout" in title:
                self.click(435, 37, 1)
                self.key("Down")
                self.key("Return")
            self.key(r.choice(["alt+s", "alt+n", "alt+n", "alt+b"]))
        elif roll < 0.13:
            self.empty_clipboard()
        elif roll < 0.30:
            self.click(r.randrange(WINDOW[0]), r.randrange(WINDOW[1]), r.choice([1, 1, 1, 2, 3]))
        elif roll < 0.36:
            self.click(r.randrange(WINDOW[0]), r.randrange(WINDOW[1]), r.choice([4, 5, 6, 7]))
        elif roll < 0.50:
            self.key("alt+" + r.choice(ACCESS_KEYS))
        elif roll < 0.53:
            self.key(r.choice(["Escape", "Escape", "alt+c"]))
        elif roll < 0.80:
            self.key(r.choice(PLAIN_KEYS))
        else:
            self.type("".join(r.choice("abc xyz12.") for _ in range(r.randint(1, 4))))

    def run(self, seconds):
        self.start()
        deadline = time.monotonic() + seconds
        last_ping = time.monotonic()
        while time.monotonic() < deadline:
            if not self.check_running():
                self.start()
                continue
            self.play()
            time.sleep(0.03)
            if time.monotonic() - last_ping > 2:
                self.ping()
                last_ping = time.monotonic()
        self.ping()
        self.check_running()
        self.check_log()
        self.stop()


def start_xvfb(scratch):
    """Starts an Xvfb on a free display; another server starting at the same moment may take it, so it tries again."""
    for _ in range(5):
        read_end, write_end = os.pipe()
        server = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24",
                                   "-nolisten", "tcp", "-noreset"], pass_fds=(write_end,),
                                  stderr=open(os.path.join(scratch, "xvfb.log"), "w"))
        os.close(write_end)
        number = os.read(read_end, 16).decode().strip()
        os.close(read_end)
        os.environ["DISPLAY"] = ":" + number
        for _ in range(100):  # up to ten seconds on a busy machine
            try:
                xdisplay.Display().close()
                if server.poll() is None:
                    return server
            except Exception:  # refused, reset or closed: not this display
                pass
            time.sleep(0.1)
        server.kill()
        server.wait()
    raise Failure("no X server could be started")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("binary")
    parser.add_argument("--seeds", default="1,2,3")
    parser.add_argument("--seconds", type=float, default=60)
    arguments = parser.parse_args()
    if not shutil.which("Xvfb"):
        print("FAIL: Xvfb is not installed (scripts/bootstrap installs it)")
        return 1

    scratch = tempfile.mkdtemp(prefix="larkspan-monkey-")
    server = None
    monkey = None
    try:
        server = start_xvfb(scratch)
        for name in ("home", "pages"):
            os.makedirs(os.path.join(scratch, name))
        pages = os.path.join(scratch, "pages")
        subprocess.run(["convert", "-size", "40x30", "xc:teal", os.path.join(pages, "logo.gif")], check=True)
        with open(os.path.join(pages, "notes.txt"), "w") as notes:
            notes.write("First line\nSecond line\n")
        for seed in (int(s) for s in arguments.seeds.split(",")):
            monkey = Monkey(os.path.abspath(arguments.binary), seed, scratch)
            began = time.monotonic()
            monkey.run(arguments.seconds)
            print(f"seed {seed}: {monkey.count} events, {monkey.starts} starts, "
                  f"{time.monotonic() - began:.0f} s: no crash, hang or report; "
                  f"{len(monkey.pages)} pages seen")
            monkey.d.close()
        return 0
    except Failure as failure:
        print(f"FAIL: {failure}")
        if monkey:
            monkey.stop()
            print(f"seed {monkey.seed}, after {monkey.count} events; the last ones:")
            for what in monkey.events:
                print("   ", what)
            with open(os.path.join(scratch, "wizard.log"), errors="replace") as text:
                print("--- the wizard's output (end)")
                print("".join(text.readlines()[-40:]))
        return 1
    finally:
        if monkey:
            monkey.stop()
        if server:
            server.kill()
            server.wait()
        shutil.rmtree(scratch, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
