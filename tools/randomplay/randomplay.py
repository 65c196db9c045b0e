#!/usr/bin/env python3
"""Plays the real program with random input, as a player who does everything at once.

    randomplay.py PROGRAM CHECKTABLE [--seconds N] [--seed S] [--suppressions FILE]

PROGRAM is the program in its built folder (its data files beside it); CHECKTABLE is the tool
that tells whether a high-score table is whole (checktable). On a virtual display of its own,
the program is started in a copy of its folder (a fresh one at first and now and then, else the
one the last run left, with its table and options) and sent, for as long as asked: clicks and
drags at any point of any of its windows, every key with and without modifiers, the menus'
items, boxes answered with any button or closed, random Unicode typed into whatever has the
keyboard (names, deal numbers), pauses for the clearings and the watched play, File > New and
File > Exit, and the window closed, after which the program is started again. Each run draws
one of two players: a restless one who does all of that at once, and one who mostly plays, whose
games reach their end, their boxes and the table.

After each program run: no sanitizer report, no crash, the program answered the window manager's
ping throughout (a hang fails the run) and ended when its window was closed, and Config.cfg is
the table from before the run or a whole later one (checked with the game's own reader).

The seed fixes every choice the driver makes; the program's own timing (the clearings, the turn
timer, the par's search) decides what each event meets, so a run is repeated in kind, not event
for event. Prints the figures at the end; exits 1 if anything was found.
"""
import argparse
import ctypes
import os
import random
import shutil
import signal
import subprocess
import sys
import tempfile
import time
from ctypes import POINTER, byref, c_char_p, c_int, c_long, c_uint, c_ulong, c_void_p

MAIN_TITLE = b"Fitzel!"
MENU_BAR_HEIGHT = 20  # pixels at the top of the main window
GAME_OVER_TITLE = b"Fitzel! - Game Over!"
PING_LIMIT = 60  # seconds the program may take to answer a ping: a sanitizer build, a busy machine
START_LIMIT = 60  # seconds from start to the main window
CLOSE_LIMIT = 60  # seconds from the first close to the program's end

# --- The X display, through Xlib and its test extension -------------------------------------


class WindowAttributes(ctypes.Structure):
    _fields_ = [("x", c_int), ("y", c_int), ("width", c_int), ("height", c_int),
                ("border_width", c_int), ("depth", c_int), ("visual", c_void_p),
                ("root", c_ulong), ("c_class", c_int), ("bit_gravity", c_int),
                ("win_gravity", c_int), ("backing_store", c_int), ("backing_planes", c_ulong),
                ("backing_pixel", c_ulong), ("save_under", c_int), ("colormap", c_ulong),
                ("map_installed", c_int), ("map_state", c_int), ("all_event_masks", c_long),
                ("your_event_mask", c_long), ("do_not_propagate_mask", c_long),
                ("override_redirect", c_int), ("screen", c_void_p)]


class ClientMessage(ctypes.Structure):
    _fields_ = [("type", c_int), ("serial", c_ulong), ("send_event", c_int),
                ("display", c_void_p), ("window", c_ulong), ("message_type", c_ulong),
                ("format", c_int), ("data", c_long * 5)]


class Event(ctypes.Union):
    _fields_ = [("type", c_int), ("xclient", ClientMessage), ("pad", c_long * 24)]


CLIENT_MESSAGE = 33
IS_VIEWABLE = 2
SUBSTRUCTURE_NOTIFY_MASK = 1 << 19
STRUCTURE_NOTIFY_MASK = 1 << 17

xlib = ctypes.CDLL("libX11.so.6")
xtst = ctypes.CDLL("libXtst.so.6")
for name, res, args in [
    ("XOpenDisplay", c_void_p, [c_char_p]),
    ("XCloseDisplay", c_int, [c_void_p]),
    ("XDefaultRootWindow", c_ulong, [c_void_p]),
    ("XQueryTree", c_int, [c_void_p, c_ulong, POINTER(c_ulong), POINTER(c_ulong),
                           POINTER(POINTER(c_ulong)), POINTER(c_uint)]),
    ("XFree", c_int, [c_void_p]),
    ("XGetWindowAttributes", c_int, [c_void_p, c_ulong, POINTER(WindowAttributes)]),
    ("XFetchName", c_int, [c_void_p, c_ulong, POINTER(c_void_p)]),
    ("XInternAtom", c_ulong, [c_void_p, c_char_p, c_int]),
    ("XSendEvent", c_int, [c_void_p, c_ulong, c_int, c_long, POINTER(Event)]),
    ("XSetInputFocus", c_int, [c_void_p, c_ulong, c_int, c_ulong]),
    ("XSelectInput", c_int, [c_void_p, c_ulong, c_long]),
    ("XPending", c_int, [c_void_p]),
    ("XNextEvent", c_int, [c_void_p, POINTER(Event)]),
    ("XSync", c_int, [c_void_p, c_int]),
    ("XStringToKeysym", c_ulong, [c_char_p]),
    ("XKeysymToKeycode", ctypes.c_ubyte, [c_void_p, c_ulong]),
]:
    getattr(xlib, name).restype = res
    getattr(xlib, name).argtypes = args
for name, args in [
    ("XTestFakeKeyEvent", [c_void_p, c_uint, c_int, c_ulong]),
    ("XTestFakeButtonEvent", [c_void_p, c_uint, c_int, c_ulong]),
    ("XTestFakeMotionEvent", [c_void_p, c_int, c_int, c_int, c_ulong]),
]:
    getattr(xtst, name).argtypes = args

# A window may vanish between being listed and being asked about: that is no error here.
ERROR_HANDLER_TYPE = ctypes.CFUNCTYPE(c_int, c_void_p, c_void_p)
ERROR_HANDLER = ERROR_HANDLER_TYPE(lambda display, error: 0)
xlib.XSetErrorHandler.argtypes = [ERROR_HANDLER_TYPE]
xlib.XSetErrorHandler(ERROR_HANDLER)


class Window:
    def __init__(self, wid, attributes, title):
        self.id = wid
        self.x, self.y = attributes.x, attributes.y
        self.width, self.height = attributes.width, attributes.height
        self.popup = bool(attributes.override_redirect)
        self.title = title


class Display:
    def __init__(self, name):
        self.dpy = xlib.XOpenDisplay(name.encode())
        if not self.dpy:
            raise SystemExit(f"cannot open display {name}")
        self.root = xlib.XDefaultRootWindow(self.dpy)
        self.protocols = xlib.XInternAtom(self.dpy, b"WM_PROTOCOLS", 0)
        self.delete = xlib.XInternAtom(self.dpy, b"WM_DELETE_WINDOW", 0)
        self.ping_atom = xlib.XInternAtom(self.dpy, b"_NET_WM_PING", 0)
        self.pings = 0
        # Answers to pings come back to the root window.
        xlib.XSelectInput(self.dpy, self.root, STRUCTURE_NOTIFY_MASK | SUBSTRUCTURE_NOTIFY_MASK)

    def windows(self):
        """The viewable top-level windows, bottom to top."""
        root, parent = c_ulong(), c_ulong()
        children, count = POINTER(c_ulong)(), c_uint()
        if not xlib.XQueryTree(self.dpy, self.root, byref(root), byref(parent), byref(children),
                               byref(count)):
            return []
        ids = [children[i] for i in range(count.value)]
        if children:
            xlib.XFree(children)
        found = []
        for wid in ids:
            attributes = WindowAttributes()
            if not xlib.XGetWindowAttributes(self.dpy, wid, byref(attributes)):
                continue
            if attributes.map_state != IS_VIEWABLE:
                continue
            name = c_void_p()
            title = b""
            if xlib.XFetchName(self.dpy, wid, byref(name)) and name.value:
                title = ctypes.string_at(name.value)
                xlib.XFree(name)
            found.append(Window(wid, attributes, title))
        return found

    def send_protocol(self, wid, protocol, stamp=0):
        event = Event()
        event.xclient.type = CLIENT_MESSAGE
        event.xclient.window = wid
        event.xclient.message_type = self.protocols
        event.xclient.format = 32
        event.xclient.data[0] = protocol
        event.xclient.data[1] = stamp
        event.xclient.data[2] = wid
        xlib.XSendEvent(self.dpy, wid, 0, 0, byref(event))
        xlib.XSync(self.dpy, 0)

    def close(self, wid):
        self.send_protocol(wid, self.delete)

    def ping(self, wid, limit):
        """Whether the window's program answers a ping within limit seconds."""
        self.pings += 1
        stamp = self.pings
        self.send_protocol(wid, self.ping_atom, stamp)
        deadline = time.monotonic() + limit
        event = Event()
        while time.monotonic() < deadline:
            while xlib.XPending(self.dpy):
                xlib.XNextEvent(self.dpy, byref(event))
                message = event.xclient
                if (event.type == CLIENT_MESSAGE and message.message_type == self.protocols
                        and message.data[0] == self.ping_atom and message.data[1] == stamp):
                    return True
            time.sleep(0.01)
        return False

    def drain(self):
        event = Event()
        while xlib.XPending(self.dpy):
            xlib.XNextEvent(self.dpy, byref(event))

    def focus(self, wid):
        xlib.XSetInputFocus(self.dpy, wid, 2, 0)  # RevertToParent, CurrentTime
        xlib.XSync(self.dpy, 0)

    def keycode(self, keysym_name):
        return xlib.XKeysymToKeycode(self.dpy, xlib.XStringToKeysym(keysym_name.encode()))

    def key(self, combo):
        """Presses a combination such as "ctrl+shift+Left" and lets it go."""
        codes = [self.keycode(MODIFIER_KEYS.get(part, part)) for part in combo.split("+")]
        codes = [code for code in codes if code]
        for code in codes:
            xtst.XTestFakeKeyEvent(self.dpy, code, 1, 0)
        for code in reversed(codes):
            xtst.XTestFakeKeyEvent(self.dpy, code, 0, 0)
        xlib.XSync(self.dpy, 0)

    def move(self, x, y):
        xtst.XTestFakeMotionEvent(self.dpy, -1, x, y, 0)
        xlib.XSync(self.dpy, 0)

    def button(self, number, press):
        xtst.XTestFakeButtonEvent(self.dpy, number, int(press), 0)
        xlib.XSync(self.dpy, 0)


# --- What a player may send ------------------------------------------------------------------

MODIFIER_KEYS = {"ctrl": "Control_L", "alt": "Alt_L", "shift": "Shift_L", "super": "Super_L"}
PLAIN_KEYS = (["Left", "Right", "Up", "Down", "Return", "KP_Enter", "space", "Escape", "Tab",
               "ISO_Left_Tab", "BackSpace", "Delete", "Home", "End", "Prior", "Next", "Insert",
               "Menu", "KP_Add", "KP_Subtract", "KP_5"]
              + [f"F{n}" for n in range(1, 13)] + list("abcdefghijklmnopqrstuvwxyz0123456789")
              + ["minus", "plus", "period", "comma", "slash", "equal", "semicolon", "apostrophe",
                 "bracketleft", "backslash", "grave"])
# The game's own keys, sent more often than chance would: those that play a piece, and the
# shortcuts (less the one that ends the program, which has its own share of the events).
PLAY_KEYS = ["Left", "Right", "Up", "Down", "Return", "KP_Enter", "space", "Return", "alt+s",
             "alt+s"]
SHORTCUTS = ["h", "F1", "Escape", "y", "n", "Tab", "Return"]
# A new game, sent seldom enough that games are also played to their end.
NEW_GAME_KEYS = ["ctrl+n", "ctrl+r"]
MENU_KEYS = ["alt+f", "alt+o", "alt+d", "alt+h"]
# Text a field may be given: deal numbers good and bad, Latin-1, scripts beyond it, right to
# left, combining marks, characters beyond the basic plane.
TEXT_PIECES = ["1", "42", "999999999", "1000000000", "0", "-7", "007", "1e9", "99999999999999",
               " 12 ", "Ann", "Zoë", "Ægir", "ÿ", "名前", "Ярослав", "שלום", "مرحبا", "e\u0301",
               "😀", "𝔉𝔦𝔱𝔷", "~!@#$%^&*()", "\t", "a" * 80, "\u00a0", "ß", "¿"]


def random_text(rng):
    if rng.random() < 0.3:
        return "".join(chr(rng.choice([rng.randint(0x20, 0x7e), rng.randint(0xa0, 0xff),
                                       rng.randint(0x100, 0xd7ff), rng.randint(0xe000, 0xfffd),
                                       rng.randint(0x10000, 0x1fbff)]))
                       for _ in range(rng.randint(1, 24)))
    return "".join(rng.choice(TEXT_PIECES) for _ in range(rng.randint(1, 4)))


def random_combo(rng, new_game_share):
    roll = rng.random()
    if roll < 0.7:
        return rng.choice(PLAY_KEYS)
    if roll < 0.8:
        return rng.choice(SHORTCUTS)
    if roll < 0.8 + new_game_share:
        return rng.choice(NEW_GAME_KEYS)
    modifiers = rng.choice([[], [], [], ["ctrl"], ["alt"], ["shift"], ["ctrl", "shift"],
                            ["ctrl", "alt"], ["super"]])
    return "+".join(modifiers + [rng.choice(PLAIN_KEYS)])


# Two kinds of player, one drawn for each program run: one who does everything at once, and one
# who mostly plays, so that games also reach their end, their boxes and the table. The shares
# of the actions, and of a new game among the keys.
RESTLESS = {"click": 26, "key": 48, "menu": 6, "text": 8, "close box": 7.5, "leave": 0.5,
            "pause": 4, "play": 2, "new game": 0.003, "menu bar": 0.15, "game window": 0.0}
PLAYING = {"click": 15, "key": 50, "menu": 0.5, "text": 3, "close box": 6, "leave": 0.03,
           "pause": 4, "play": 20, "new game": 0.0003, "menu bar": 0.02, "game window": 0.5}
ACTIONS = ["click", "key", "menu", "text", "close box", "leave", "pause", "play"]


class Player:
    """Sends one program run's random events and counts them."""

    def __init__(self, display, rng):
        self.display = display
        self.rng = rng
        self.kind = rng.choice([RESTLESS, PLAYING])
        # Whether the player means to start a game as soon as no box is in the way: at first
        # (most players, and always one who mostly plays), and, for one who mostly plays, after
        # each game's end.
        self.wants_game = rng.random() < 0.8 or self.kind is PLAYING
        self.games_over = 0
        self.events = 0
        self.seen = {}  # each window shown, by its id: its title

    def look(self):
        windows = self.display.windows()
        for window in windows:
            if window.title and not window.popup:
                self.seen.setdefault(window.id, window.title.decode("latin-1"))
        return windows

    def games(self):
        return sum(1 for title in self.seen.values() if title == GAME_OVER_TITLE.decode())

    def target(self, windows):
        # Mostly the topmost window (where a box or menu waits), else any.
        if self.rng.random() < 0.6:
            return windows[-1]
        return self.rng.choice(windows)

    def click(self, window):
        x = window.x + self.rng.randrange(max(window.width, 1))
        y = window.y + self.rng.randrange(max(window.height, 1))
        if window.title == MAIN_TITLE and self.rng.random() < self.kind["menu bar"]:
            y = window.y + self.rng.randrange(min(window.height, MENU_BAR_HEIGHT))
        elif window.title == MAIN_TITLE and self.kind is PLAYING:
            # Below the menu bar: a menu opened by chance would soon meet a key that starts
            # a new game, and no game would reach its end.
            y = window.y + MENU_BAR_HEIGHT + self.rng.randrange(
                max(window.height - MENU_BAR_HEIGHT, 1))
        self.display.move(x, y)
        button = self.rng.choice([1, 1, 1, 1, 1, 1, 2, 3, 4, 5])
        self.display.button(button, True)
        if self.rng.random() < 0.1:  # a drag
            self.display.move(window.x + self.rng.randrange(max(window.width, 1)),
                              window.y + self.rng.randrange(max(window.height, 1)))
        self.display.button(button, False)
        if self.rng.random() < 0.1:  # a double click
            self.display.button(button, True)
            self.display.button(button, False)

    def type_text(self, text):
        subprocess.run(["xdotool", "type", "--delay", "3", "--", text], timeout=60,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=False)

    def leave(self, windows):
        """The program's end asked for: File > Exit's shortcut, or its window closed."""
        main = [w for w in windows if w.title == MAIN_TITLE]
        if main and self.rng.random() < 0.5:
            self.display.close(main[0].id)
            return
        if main:
            self.display.focus(main[0].id)
        self.display.key("ctrl+q")

    def step(self):
        """One random action; False once the program shows no window."""
        windows = self.look()
        if not windows:
            return False
        rng = self.rng
        if self.kind is PLAYING and self.games() > self.games_over:
            self.games_over = self.games()
            self.wants_game = True
        if self.wants_game and [w.title for w in windows] == [MAIN_TITLE]:
            self.wants_game = False
            self.display.focus(windows[0].id)
            self.display.key("ctrl+n")
        action = rng.choices(ACTIONS, [self.kind[a] for a in ACTIONS])[0]
        if action == "click":
            self.click(self.target(windows))
        elif action == "key":
            titled = [w for w in windows if not w.popup]
            main = [w for w in titled if w.title == MAIN_TITLE]
            if main and rng.random() < self.kind["game window"]:
                self.display.focus(main[0].id)
            elif titled and rng.random() < 0.8:
                self.display.focus(self.target(titled).id)
            self.display.key(random_combo(rng, self.kind["new game"]))
        elif action == "menu":
            self.display.key(rng.choice(MENU_KEYS))
            for _ in range(rng.randint(0, 4)):
                self.display.key(rng.choice(["Down", "Up", "Left", "Right"]))
            self.display.key(rng.choice(["Return", "Escape", "r", "w", "h", "p", "a", "o"]))
        elif action == "text":
            self.type_text(random_text(rng))
        elif action == "close box":
            boxes = [w for w in windows if not w.popup and w.title != MAIN_TITLE]
            if boxes:
                self.display.close(rng.choice(boxes).id)
        elif action == "leave":
            self.leave(windows)
        elif action == "play":
            # The piece placed or passed over, on the game's window, whatever else is open.
            main = [w for w in windows if w.title == MAIN_TITLE]
            if main:
                self.display.focus(main[0].id)
            self.display.key(rng.choice(["Left", "Right", "Up", "Down", "Return", "Return",
                                         "space", "alt+s"]))
        else:
            time.sleep(rng.choice([0.3, 0.8, 1.5, 4.0]))  # a clearing, a watched move, a turn
        self.events += 1
        time.sleep(rng.uniform(0.01, 0.12))
        return True


# --- Program runs ----------------------------------------------------------------------------


class Session:
    def __init__(self, args):
        self.args = args
        self.work = tempfile.mkdtemp(prefix="fitzel-randomplay-")
        self.program = os.path.abspath(args.program)
        self.checktable = os.path.abspath(args.checktable)
        self.reports = []
        self.runs = 0
        self.events = 0
        self.games = 0
        self.saves = 0
        self.windows = {}  # how many times a window of each title was shown
        self.xvfb = None
        self.process = None
        self.folder = None
        # The desktop's document opener (About's web address) opens nothing here.
        self.bin = os.path.join(self.work, "bin")
        os.makedirs(self.bin)
        for opener in ["xdg-open", "x-www-browser", "sensible-browser"]:
            path = os.path.join(self.bin, opener)
            with open(path, "w") as script:
                script.write("#!/bin/sh\nexit 0\n")
            os.chmod(path, 0o755)

    def start_display(self):
        read_end, write_end = os.pipe()
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24", "-nolisten",
             "tcp", "-noreset"], pass_fds=[write_end], stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as told:
            number = told.readline().strip()
        if not number:
            raise SystemExit("Xvfb gave no display")
        os.environ["DISPLAY"] = f":{number}"
        self.display = Display(os.environ["DISPLAY"])
        print(f"display {os.environ['DISPLAY']}", flush=True)

    def fresh_folder(self):
        if self.folder is not None:
            shutil.rmtree(self.folder)
        self.folder = os.path.join(self.work, f"game{self.runs}")
        source = os.path.dirname(self.program)
        shutil.copytree(source, self.folder,
                        ignore=lambda d, names: [n for n in names if n.endswith(".lock")])

    def environment(self, run_dir):
        env = dict(os.environ)
        sanitizer_log = os.path.join(run_dir, "sanitizer")
        env.update({
            "HOME": run_dir, "XDG_CONFIG_HOME": os.path.join(self.folder, "options"),
            "XDG_DATA_HOME": os.path.join(self.folder, "data-home"),
            "XDG_RUNTIME_DIR": os.path.join(self.work, "runtime"),
            "PATH": self.bin + os.pathsep + env.get("PATH", ""),
            "QT_QPA_PLATFORM": "xcb", "QT_ACCESSIBILITY": "0", "NO_AT_BRIDGE": "1",
            "ASAN_OPTIONS": f"detect_leaks=1:handle_abort=1:log_path={sanitizer_log}",
            "UBSAN_OPTIONS": f"print_stacktrace=1:halt_on_error=1:log_path={sanitizer_log}",
            "LSAN_OPTIONS": "print_suppressions=0" + (
                f":suppressions={os.path.abspath(self.args.suppressions)}"
                if self.args.suppressions else ""),
        })
        for name in ["QT_QPA_PLATFORMTHEME", "QT_SCALE_FACTOR", "WAYLAND_DISPLAY",
                     "DBUS_SESSION_BUS_ADDRESS"]:
            env.pop(name, None)
        os.makedirs(env["XDG_RUNTIME_DIR"], mode=0o700, exist_ok=True)
        return env

    def report(self, what, run_dir):
        self.reports.append(what)
        print(f"  FOUND: {what} (files in {run_dir})", flush=True)

    def ended(self, process):
        return process.poll() is not None

    def close_program(self, process, player):
        """Closes every box, then the main window, until the program ends."""
        deadline = time.monotonic() + CLOSE_LIMIT
        while not self.ended(process) and time.monotonic() < deadline:
            windows = player.look()
            boxes = [w for w in windows if w.title != MAIN_TITLE]
            if boxes:
                top = boxes[-1]
                if top.popup:
                    self.display.key("Escape")
                else:
                    self.display.close(top.id)
            for window in windows:
                if window.title == MAIN_TITLE:
                    self.display.close(window.id)
            time.sleep(0.2)
        return self.ended(process)

    def one_run(self, rng, seconds):
        run_dir = os.path.join(self.work, f"run{self.runs}")
        os.makedirs(run_dir)
        if self.folder is None or rng.random() < 0.25:
            self.fresh_folder()
        table = os.path.join(self.folder, "Config.cfg")
        before = os.path.join(run_dir, "Config.before")
        shutil.copyfile(table, before)
        files_before = set(os.listdir(self.folder))
        program = os.path.join(self.folder, os.path.basename(self.program))
        with open(os.path.join(run_dir, "stdout"), "w") as out, \
                open(os.path.join(run_dir, "stderr"), "w") as err:
            process = subprocess.Popen([program], cwd=self.folder, stdout=out, stderr=err,
                                       env=self.environment(run_dir))
        self.process = process
        player = Player(self.display, rng)
        hung = self.play(process, player, seconds)
        left_by_player = self.ended(process)
        if hung:
            self.report(f"run {self.runs}: {hung}", run_dir)
            process.send_signal(signal.SIGABRT)  # the sanitizer prints where it hangs
            try:
                process.wait(30)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
        elif not self.close_program(process, player):
            self.report(f"run {self.runs}: still running {CLOSE_LIMIT}s after its window was "
                        "closed", run_dir)
            process.send_signal(signal.SIGABRT)
            try:
                process.wait(30)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
        self.display.drain()
        status = process.wait()
        self.runs += 1
        self.events += player.events
        self.games += player.games()
        for title in player.seen.values():
            self.windows[title] = self.windows.get(title, 0) + 1
        if not hung and status != 0:
            self.report(f"run {self.runs - 1}: ended with status {status}", run_dir)
        for name in sorted(os.listdir(run_dir)):
            if name.startswith("sanitizer"):
                self.report(f"run {self.runs - 1}: sanitizer report {name}", run_dir)
        check = subprocess.run([self.checktable, table, before], capture_output=True, text=True)
        if check.returncode != 0:
            self.report(f"run {self.runs - 1}: Config.cfg: {check.stdout.strip()}", run_dir)
        elif check.stdout.strip().endswith("later"):
            self.saves += 1
        left = set(os.listdir(self.folder)) - files_before - {"options", "data-home"}
        if not hung and left:
            self.report(f"run {self.runs - 1}: left behind {sorted(left)}", run_dir)
        with open(os.path.join(run_dir, "stderr"), errors="replace") as err:
            said = err.read().splitlines()
        kind = "playing" if player.kind is PLAYING else "restless"
        ending = "left by the player" if left_by_player else "closed when the time was up"
        print(f"run {self.runs - 1} ({kind}, {ending}): {player.events} events, "
              f"{player.games()} games, "
              f"status {status}, table {check.stdout.strip().splitlines()[-1]}"
              + (f", {len(said)} lines on standard error: {said[0]}" if said else ""), flush=True)

    def play(self, process, player, seconds):
        """Random events until the time is up or the program ends; what hung, or nothing."""
        started = time.monotonic()
        while not player.look():
            if self.ended(process):
                return None
            if time.monotonic() - started > START_LIMIT:
                return f"no window {START_LIMIT}s after starting"
            time.sleep(0.1)
        deadline = time.monotonic() + seconds
        next_ping = time.monotonic()
        time.sleep(1)  # the window drawn and taking the keyboard
        while time.monotonic() < deadline and not self.ended(process):
            if time.monotonic() >= next_ping:
                windows = [w for w in player.look() if not w.popup]
                if windows and not self.display.ping(windows[-1].id, PING_LIMIT):
                    if not self.ended(process):
                        return f"no answer to a ping for {PING_LIMIT}s"
                next_ping = time.monotonic() + 2
            try:
                shown = player.step()
            except subprocess.TimeoutExpired:
                shown = True
            if not shown and not self.ended(process):
                # The window may be between a hide and the program's end, or gone for good.
                gone = time.monotonic()
                while not player.look() and not self.ended(process):
                    if time.monotonic() - gone > PING_LIMIT:
                        return f"running with no window for {PING_LIMIT}s"
                    time.sleep(0.1)
        return None

    def run(self):
        self.start_display()
        seed = self.args.seed
        started = time.monotonic()
        try:
            while time.monotonic() - started < self.args.seconds:
                rng = random.Random(f"{seed}-{self.runs}")
                left = self.args.seconds - (time.monotonic() - started)
                self.one_run(rng, min(left, rng.uniform(20, 300)))
        finally:
            if self.process and self.process.poll() is None:
                self.process.kill()
                self.process.wait()
            self.xvfb.terminate()
            self.xvfb.wait()
        print(f"seed {seed}: {self.events} events sent, {self.games} games finished, "
              f"{self.runs} program runs, {self.saves} tables saved, "
              f"{len(self.reports)} reports in {time.monotonic() - started:.0f}s")
        print("windows shown: " + ", ".join(f"{title} x{count}"
                                             for title, count in sorted(self.windows.items())))
        if self.reports:
            print(f"kept: {self.work}")
            return 1
        shutil.rmtree(self.work, ignore_errors=True)
        return 0


def main():
    # Stopped from outside, the driver still takes its display and the program down with it.
    signal.signal(signal.SIGTERM, lambda number, frame: sys.exit(143))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("program")
    parser.add_argument("checktable")
    parser.add_argument("--seconds", type=float, default=120)
    parser.add_argument("--seed", default=str(random.SystemRandom().randrange(1 << 31)))
    parser.add_argument("--suppressions")
    return Session(parser.parse_args()).run()


if __name__ == "__main__":
    sys.exit(main())
