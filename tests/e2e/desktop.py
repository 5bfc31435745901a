"""The editor on a virtual display, driven like a user: xdotool moves the mouse, clicks and types;
ImageMagick takes screenshots. The window probe (a small Windows program beside the editor) tells
where the windows and their controls are, the way a user sees them on the screen."""

import os
import re
import shutil
import signal
import subprocess
import time
from pathlib import Path

TOP = Path(__file__).resolve().parents[2]
WINE_RUN = TOP / "scripts" / "wine-run"

# Message box buttons and the dialog's text field, by the ids the window system gives them.
IDOK, IDYES, IDNO = 1, 6, 7
MESSAGE_TEXT_ID = 0xFFFF


class JourneyError(AssertionError):
    """A step of a journey went otherwise than a user of the editor would expect."""


def windows_path(path):
    """The path as a Windows program under Wine names it (drive Z: is the root folder)."""
    return "Z:" + str(Path(path).resolve()).replace("/", "\\")


def _display_alive(display):
    return subprocess.run(["xdpyinfo", "-display", display], stdout=subprocess.DEVNULL,
                          stderr=subprocess.DEVNULL).returncode == 0


class VirtualDisplay:
    """The display the journeys run on: the one in DISPLAY when there is one, else an Xvfb of
    our own on the first free number from 94."""

    def __init__(self):
        self.process = None
        existing = os.environ.get("DISPLAY")
        if existing and _display_alive(existing):
            self.name = existing
            return
        number = 94
        while Path(f"/tmp/.X{number}-lock").exists() or Path(f"/tmp/.X11-unix/X{number}").exists():
            number += 1
        self.name = f":{number}"
        self.process = subprocess.Popen(
            ["Xvfb", self.name, "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        deadline = time.monotonic() + 15
        while not _display_alive(self.name):
            if time.monotonic() > deadline or self.process.poll() is not None:
                raise JourneyError(f"Xvfb did not start on {self.name}")
            time.sleep(0.2)
        os.environ["DISPLAY"] = self.name

    @property
    def owned(self):
        return self.process is not None

    def close(self):
        if self.process is not None:
            self.process.terminate()
            try:
                self.process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.process.kill()


def wine_environment(locale="ja_JP.UTF-8"):
    """Wine's environment; the locale is the display language the editor sees (Japanese, the
    specified behaviour, unless a journey says otherwise)."""
    env = dict(os.environ)
    env.setdefault("WINEDEBUG", "-all")
    env.setdefault("WINEPREFIX", str(TOP / "build" / "wineprefix"))
    env["LC_ALL"] = locale
    return env


def forget_language_choice():
    """Removes the language a user chose in an earlier run, so the display language decides."""
    prefix = Path(wine_environment()["WINEPREFIX"])
    for settings in prefix.glob("drive_c/users/*/AppData/Local/QZ57editor/settings.ini"):
        settings.unlink()
def clear_recovery_copies():
    """Deletes the recovery copies that editors ended by an earlier run left in the prefix, so
    that no start of this run offers them."""
    prefix = Path(wine_environment()["WINEPREFIX"])
    for folder in prefix.glob("drive_c/users/*/AppData/Local/QZ57editor/Recovery"):
        shutil.rmtree(folder, ignore_errors=True)


def run_windows_program(args, cwd=None, timeout=60):
    """Runs a console program of the Windows build under Wine; returns the finished process."""
    return subprocess.run([str(WINE_RUN)] + [str(a) for a in args], cwd=cwd,
                          env=wine_environment(), capture_output=True, timeout=timeout)


def xdotool(*args):
    subprocess.run(["xdotool"] + [str(a) for a in args], check=True, stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL)


class Window:
    """A top-level window as the probe saw it, with its child controls."""

    def __init__(self, fields):
        self.handle = int(fields[1])
        self.thread = int(fields[2])
        self.rect = tuple(int(v) for v in fields[3:7])
        self.client_origin = (int(fields[7]), int(fields[8]))
        self.focus = int(fields[9])
        self.class_name = fields[10]
        self.title = fields[11] if len(fields) > 11 else ""
        self.children = []
        self.list_info = None

    def child(self, control_id, class_name=None):
        for c in self.children:
            if c.id == control_id and (class_name is None or c.class_name == class_name):
                return c
        raise JourneyError(f"window '{self.title}' has no control {control_id}")

    def texts(self):
        return [c.text for c in self.children if c.visible]


class Control:
    def __init__(self, fields):
        self.handle = int(fields[2])
        self.id = int(fields[3])
        self.rect = tuple(int(v) for v in fields[4:8])
        self.visible = fields[8] == "1"
        self.enabled = fields[9] == "1"
        self.class_name = fields[10]
        self.text = fields[11].replace("\\n", "\n") if len(fields) > 11 else ""
        self.list_info = None

    @property
    def centre(self):
        left, top, right, bottom = self.rect
        return (left + right) // 2, (top + bottom) // 2


class Probe:
    """The window probe, kept running: one snapshot per request."""

    def __init__(self, exe):
        self.process = subprocess.Popen([str(WINE_RUN), str(exe)], stdin=subprocess.PIPE,
                                        stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                                        env=wine_environment())

    def snapshot(self):
        self.process.stdin.write(b"list\n")
        self.process.stdin.flush()
        windows, by_handle = [], {}
        while True:
            line = self.process.stdout.readline()
            if not line:
                raise JourneyError("the window probe ended unexpectedly")
            fields = line.decode("utf-8", "replace").rstrip("\r\n").split("\t")
            kind = fields[0]
            if kind == ".":
                return windows
            if kind == "W":
                w = Window(fields)
                windows.append(w)
                by_handle[w.handle] = w
            elif kind == "C":
                c = Control(fields)
                by_handle[int(fields[1])].children.append(c)
                by_handle[c.handle] = c
            elif kind in ("L", "V"):
                target = by_handle.get(int(fields[1]))
                if target is not None:
                    target.list_info = [int(v) for v in fields[2:]]

    def close(self):
        try:
            self.process.stdin.close()
            self.process.wait(timeout=10)
        except (OSError, subprocess.TimeoutExpired):
            self.process.kill()


class Screen:
    """Screenshots of the whole display, kept as PNG artifacts and read as pixels."""

    def __init__(self, folder):
        self.folder = Path(folder)
        self.folder.mkdir(parents=True, exist_ok=True)

    def shot(self, name):
        """Saves NAME.png and returns the picture."""
        png = self.folder / f"{name}.png"
        subprocess.run(["import", "-window", "root", str(png)], check=True,
                       stderr=subprocess.DEVNULL)
        return Picture.from_file(png)


class Picture:
    def __init__(self, width, height, data):
        self.width, self.height, self.data = width, height, data

    @classmethod
    def from_file(cls, path):
        ppm = subprocess.run(["convert", str(path), "-depth", "8", "ppm:-"], check=True,
                             capture_output=True).stdout
        match = re.match(rb"P6\s+(\d+)\s+(\d+)\s+(\d+)\s", ppm)
        width, height = int(match.group(1)), int(match.group(2))
        return cls(width, height, ppm[match.end():])

    def pixel(self, x, y):
        i = 3 * (y * self.width + x)
        return tuple(self.data[i:i + 3])

    def crop(self, rect):
        """The pixels of (left, top, right, bottom) as rows of bytes, for comparison."""
        left, top, right, bottom = rect
        return [self.data[3 * (y * self.width + left):3 * (y * self.width + right)]
                for y in range(top, bottom)]


def differing_pixels(a, b):
    count = 0
    for row_a, row_b in zip(a, b):
        if row_a != row_b:
            count += sum(1 for i in range(0, len(row_a), 3) if row_a[i:i + 3] != row_b[i:i + 3])
    return count


class Editor:
    """One run of QZ57editor.exe, with the user's hands (mouse and keyboard) and eyes."""

    # The Japanese title keeps its old spelling: scripts may find the window by it.
    JAPANESE_TITLE = "QZ-570 series Singal Editor"
    ENGLISH_TITLE = "QZ-570 series Signal Editor"

    def __init__(self, exe, probe, screen, cwd, log, locale="ja_JP.UTF-8", remembered=False):
        self.MAIN_TITLE = self.JAPANESE_TITLE if locale.startswith("ja") else self.ENGLISH_TITLE
        self.probe, self.screen, self.log = probe, screen, log
        Path(cwd).mkdir(parents=True, exist_ok=True)
        if not remembered:
            forget_language_choice()
        clear_recovery_copies()
        # A process group of its own, so that ending this run ends Wine's loader with it.
        self.process = subprocess.Popen([str(WINE_RUN), str(exe)], cwd=cwd,
                                        env=wine_environment(locale),
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                        start_new_session=True)
        self.main = self.wait_for_window(self.MAIN_TITLE, timeout=60)
        self.x_window = self._x_window_of(self.MAIN_TITLE)
        # The first paint may still be under way when the window appears.
        self.settle()

    # --- looking -------------------------------------------------------------------------

    def windows(self):
        return self.probe.snapshot()

    def find(self, title=None, class_name=None):
        for w in self.windows():
            if (title is None or w.title == title) and (class_name is None or
                                                         w.class_name == class_name):
                return w
        return None

    def _x_window_of(self, title, timeout=30):
        """Polls xdotool until the display has a visible window of that title."""
        deadline = time.monotonic() + timeout
        pattern = "^" + re.escape(title) + "$"
        while time.monotonic() < deadline:
            found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", pattern],
                                   capture_output=True, text=True).stdout.split()
            if found:
                return found[0]
            time.sleep(0.1)
        raise JourneyError(f"no window '{title}' appeared within {timeout} s")

    def wait_for_window(self, title=None, class_name=None, timeout=20):
        """Waits until a window of that title (and class) shows; returns it as the probe sees it."""
        if title is not None:
            self._x_window_of(title, timeout)
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            w = self.find(title, class_name)
            if w is not None:
                return w
            if self.process.poll() is not None:
                raise JourneyError(f"the editor ended while waiting for '{title or class_name}'")
            time.sleep(0.1)
        raise JourneyError(f"no window '{title or class_name}' appeared within {timeout} s")

    def wait_until_gone(self, title, timeout=20):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            if self.find(title) is None:
                self.settle()
                return
            time.sleep(0.1)
        raise JourneyError(f"the window '{title}' did not close within {timeout} s")

    def settle(self):
        """Lets the editor finish what the last input started (painting included)."""
        self.windows()
        time.sleep(0.15)

    def control(self, control_id, window_title=None):
        title = window_title or self.MAIN_TITLE
        w = self.find(title)
        if w is None:
            raise JourneyError(f"no window '{title}'")
        return w.child(control_id)

    def main_client_point(self, x96, y96):
        """A point of the main window's client area given at 96 dpi, as the layout places it."""
        ox, oy = self.find(self.MAIN_TITLE).client_origin
        return ox + x96, oy + y96

    def shot(self, name):
        self.settle()
        return self.screen.shot(name)

    # --- hands ---------------------------------------------------------------------------

    def click(self, x, y, button=1):
        xdotool("mousemove", "--sync", x, y)
        xdotool("click", button)
        self.settle()

    def drag(self, start, end):
        xdotool("mousemove", "--sync", *start)
        xdotool("mousedown", 1)
        time.sleep(0.1)
        steps = 8
        for i in range(1, steps + 1):
            x = start[0] + (end[0] - start[0]) * i // steps
            y = start[1] + (end[1] - start[1]) * i // steps
            xdotool("mousemove", "--sync", x, y)
            time.sleep(0.05)
        xdotool("mouseup", 1)
        self.settle()

    def key(self, *keys):
        for k in keys:
            xdotool("key", "--clearmodifiers", k)
            time.sleep(0.05)
        self.settle()

    def type_text(self, text):
        xdotool("type", "--delay", 15, "--", text)
        self.settle()

    def click_control(self, control):
        if not control.visible or not control.enabled:
            raise JourneyError(f"control {control.id} '{control.text}' cannot be clicked "
                               f"(visible {control.visible}, enabled {control.enabled})")
        self.click(*control.centre)

    def press_button(self, control_id, window_title=None):
        self.click_control(self.control(control_id, window_title))

    def choose_combo_entry(self, control_id, entry, window_title=None):
        """Opens a drop-down list with a click and clicks one of its entries."""
        combo = self.control(control_id, window_title)
        self.click_control(combo)
        listbox = self.wait_for_window(class_name="ComboLBox")
        count, item_height, top_index, _ = listbox.list_info
        if not 0 <= entry < count or item_height <= 0:
            raise JourneyError(f"combo {control_id} has no entry {entry} (it has {count})")
        left, top, right, _ = listbox.rect
        row = entry - top_index
        self.click((left + right) // 2, top + 1 + row * item_height + item_height // 2)
        self.wait_until_class_gone("ComboLBox")

    def wait_until_class_gone(self, class_name, timeout=10):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            if self.find(class_name=class_name) is None:
                return
            time.sleep(0.1)
        raise JourneyError(f"the {class_name} window did not close")

    def set_field(self, control_id, text, window_title):
        """Clicks into an edit field, selects what it holds and types over it."""
        self.click_control(self.control(control_id, window_title))
        self.key("End", "shift+Home")
        self.type_text(text)

    def menu(self, top_index, item_index):
        """Opens a menu of the menu bar with a click and chooses one of its items with the arrow
        keys, as the menu's separators are lower than its items. item_index counts the items
        without the separators (which the arrow keys pass over) but with the grayed ones."""
        main = self.find(self.MAIN_TITLE)
        ox, oy = main.client_origin
        # The menu bar sits right above the client area: "ファイル", "編集", "生成", "ヘルプ".
        title_x = [ox + 25, ox + 78, ox + 118, ox + 162][top_index]
        self.click(title_x, oy - 10)
        self.wait_for_window(class_name="#32768")
        self.key(*(["Down"] * (item_index + 1)), "Return")

    def list_row_point(self, row):
        """The middle of a row of the element list (type column)."""
        view = self.control(400)
        header = next(c for c in self.find(self.MAIN_TITLE).children
                      if c.class_name == "SysHeader32")
        row_height = view.list_info[1] if view.list_info and view.list_info[1] > 0 else 0
        if row_height <= 0:
            raise JourneyError("the element list tells no row height")
        x = view.rect[0] + 100
        y = header.rect[3] + row * row_height + row_height // 2
        return x, y

    def select_row(self, row):
        self.click(*self.list_row_point(row))

    # --- messages ------------------------------------------------------------------------

    def expect_message(self, title, text_part, answer=IDOK, timeout=20):
        """Waits for a message box, checks its words, saves a screenshot and answers it."""
        box = self.wait_for_window(title=title, class_name="#32770", timeout=timeout)
        shown = "\n".join(c.text for c in box.children if c.id == MESSAGE_TEXT_ID)
        if text_part not in shown:
            raise JourneyError(f"message '{title}' says '{shown}', expected '{text_part}'")
        self.log(f"message '{title}': {shown.splitlines()[0]}")
        self.press_button(answer, title)
        self.wait_until_gone_handle(box.handle)
        return box

    def wait_until_gone_handle(self, handle, timeout=20):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            if all(w.handle != handle for w in self.windows()):
                self.settle()
                return
            time.sleep(0.1)
        raise JourneyError("a window did not close after its button was pressed")

    def no_window(self, title, wait=1.0):
        """Checks that no window of that title shows up within a short while."""
        deadline = time.monotonic() + wait
        while time.monotonic() < deadline:
            if self.find(title) is not None:
                raise JourneyError(f"unexpected window '{title}'")
            time.sleep(0.1)

    def file_dialog(self, path):
        """In the open or save dialog that is showing, types the path and presses Enter."""
        deadline = time.monotonic() + 20
        edit = None
        while edit is None and time.monotonic() < deadline:
            for w in self.windows():
                if w.class_name != "#32770" or w.title == self.MAIN_TITLE:
                    continue
                edits = [c for c in w.children if c.class_name == "Edit" and c.visible]
                named = [c for c in edits if c.id in (0x480, 0x47C)]
                if named or edits:
                    edit = (named or edits)[0]
                    title = w.title
                    break
            time.sleep(0.1)
        if edit is None:
            raise JourneyError("no file dialog appeared")
        self.click_control(edit)
        self.key("End", "shift+Home")
        self.type_text(windows_path(path))
        self.key("Return")
        self.wait_until_gone(title)
        return title

    # --- end -----------------------------------------------------------------------------

    def wait_for_exit(self, timeout=20):
        try:
            return self.process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            raise JourneyError(f"the editor did not end within {timeout} s") from None

    def close(self):
        if self.process.poll() is None:
            try:
                os.killpg(self.process.pid, signal.SIGTERM)
                self.process.wait(timeout=10)
            except (ProcessLookupError, subprocess.TimeoutExpired):
                pass


def wine_server_stop(timeout=20):
    """Waits for the Wine server of the prefix to end on its own, then ends it."""
    server = shutil.which("wineserver")
    if server is None:
        return
    env = wine_environment()
    try:
        subprocess.run([server, "-w"], env=env, timeout=timeout)
    except subprocess.TimeoutExpired:
        subprocess.run([server, "-k"], env=env)
