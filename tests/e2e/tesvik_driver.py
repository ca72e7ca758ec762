"""Drives Tesvik as a user would: a click on its window, then keys.

Everything that depends on how a page is laid out lives in the small
functions and tables at the top of this file, so that a changed tab order
or page order is a one-line change here.
"""

import os
import re
import shutil
import subprocess
import time

from xsession import E2EFailure, wait_until

CAPTION = "LumenarTesvik输入法软件（规范字表版）V1.0"

# Page order in the main window, Ctrl+PageDown/PageUp cycle through them.
PAGES = ["radicalDirectory", "radicalLookup", "strokeOrder", "customArea"]
PAGES_WITH_ALL = PAGES + ["pinyin", "symbol"]

HOT_KEY = {"Vk": 84, "Flag": 3}  # 'T' with Ctrl+Shift
HOT_KEY_XDOTOOL = "ctrl+shift+t"

KEY_DELAY_MS = 30


# ---- page steps: from the page's first focused control to a delivery -------
# Each takes the Tesvik driver and performs the keys that find a character
# and deliver it; the page is already in view with its first control focused.

def custom_area_code_value(tesvik, hex_value):
    """Code-value entry: type the value, then click "内码录入该字".

    The button is clicked with the mouse: Space would first output the grid's
    selected cell (Space outputs on every control of the page) and Return does
    not press a button outside a dialog. Its place is found once from the focus
    frame that Tab moves onto it."""
    tesvik.keys(*CUSTOM_AREA_TO_CODE_ENTRY)
    tesvik.keys("ctrl+a", "BackSpace")
    tesvik.type(hex_value)
    if tesvik.code_button_offset is None:
        tesvik.code_button_offset = tesvik.locate_by_focus_move(CUSTOM_AREA_CODE_ENTRY_TO_BUTTON)
        tesvik.keys("shift+Tab")
    tesvik.click_at_offset(tesvik.code_button_offset)


# From the grid (first focus) to the code entry (read-only code, code form, font, entry), and on to the button.
CUSTOM_AREA_TO_CODE_ENTRY = ["Tab", "Tab", "Tab", "Tab"]
CUSTOM_AREA_CODE_ENTRY_TO_BUTTON = ["Tab"]


def stroke_order(tesvik, count, strokes, extra_keys=()):
    """Stroke-order page: total stroke count, then the first strokes as digits 1-5 (the default
    stroke keys); the first candidate is selected, Enter outputs it."""
    tesvik.keys("ctrl+a")
    tesvik.type(str(count))
    tesvik.keys(*STROKE_COUNT_TO_STROKES)
    tesvik.type(strokes)
    tesvik.keys(*extra_keys)
    tesvik.keys("Return")


STROKE_COUNT_TO_STROKES = ["Tab"]


def stroke_order_after_escape(tesvik, count, output_key):
    """Stroke-order page: the total stroke count, then Esc in the count box (the focus moves to
    the page); Enter or Space still outputs the selected candidate."""
    tesvik.keys("ctrl+a")
    tesvik.type(str(count))
    tesvik.keys("Escape", output_key)


def radical(tesvik, radical_first_strokes, remaining):
    """Radical directory: the radical's first strokes pick it, Enter confirms it and shows the
    radical lookup page (remaining-strokes field focused); Enter outputs the first character."""
    tesvik.keys("ctrl+a", "BackSpace")
    tesvik.type(radical_first_strokes)
    time.sleep(0.2)
    tesvik.keys("Return")
    tesvik.page = tesvik.pages.index("radicalLookup")
    time.sleep(0.2)
    tesvik.keys("ctrl+a")
    tesvik.type(str(remaining))
    time.sleep(0.2)
    tesvik.keys("Return")


def pinyin(tesvik, syllable):
    """Pinyin page: the query runs on every change; Enter outputs the first candidate."""
    tesvik.keys("ctrl+a", "BackSpace")
    tesvik.type(syllable)
    time.sleep(0.3)
    tesvik.keys("Return")


def symbol(tesvik):
    """Symbol page: the first symbol of the first table (focus on the table list); Enter outputs it."""
    tesvik.keys("Return")


def set_up_register_font(session, tesvik, pelorin, register_font):
    """What a user's log-in does: the register font in the fonts folder of
    Tesvik's home, linked by Pelorin's start-up set-up there."""
    fonts = os.path.join(tesvik.home, "data", "fonts")
    os.makedirs(fonts, exist_ok=True)
    if register_font:
        shutil.copy(register_font, os.path.join(fonts, "LMCivic.TTE"))
    tesvik.write_settings()
    result = subprocess.run([pelorin], env=session.env(tesvik.environment()), capture_output=True, timeout=60)
    if result.returncode != 0:
        raise E2EFailure(f"pelorin's start-up set-up ended with status {result.returncode}: "
                         f"{result.stderr.decode(errors='replace').strip()}")


class Tesvik:
    def __init__(self, session, binary, data_dir, home, show_all_pages, log=print):
        self.session = session
        self.binary = binary
        self.data_dir = data_dir
        self.home = home
        self.show_all_pages = show_all_pages
        self.pages = PAGES_WITH_ALL if show_all_pages else PAGES
        self.log = log
        self.process = None
        self.window = 0
        self.page = 0
        self.toggle = False  # the hot key's show/hide flag, clear at start
        self.code_button_offset = None

    # ---- files and start ----------------------------------------------------
    def environment(self):
        return {
            "HOME": self.home,
            "XDG_CONFIG_HOME": os.path.join(self.home, "config"),
            "XDG_DATA_HOME": os.path.join(self.home, "data"),
            "XDG_RUNTIME_DIR": os.path.join(self.home, "runtime"),
        }

    def settings_dir(self):
        return os.path.join(self.home, "config", "tesvik")

    def write_settings(self, extra=None):
        for sub in ("config/tesvik", "data", "runtime"):
            os.makedirs(os.path.join(self.home, sub), exist_ok=True)
        os.chmod(os.path.join(self.home, "runtime"), 0o700)
        values = {"Vk": HOT_KEY["Vk"], "Flag": HOT_KEY["Flag"], "ShowAllPages": 1 if self.show_all_pages else 0}
        values.update(extra or {})
        with open(os.path.join(self.settings_dir(), "Tesvik.ini"), "w", encoding="utf-8") as f:
            f.write("[Config]\n")
            for key, value in values.items():
                f.write(f"{key}={value}\n")

    def start(self, settings=None):
        if not os.access(self.binary, os.X_OK):
            raise E2EFailure(f"the tesvik program is not built: {self.binary}")
        self.write_settings(settings)
        self.process = self.session.spawn("tesvik", [self.binary, "--data-dir", self.data_dir],
                                          env_extra=self.environment())
        pattern = "^" + re.escape(CAPTION) + "$"

        def found():
            if self.process.poll() is not None:
                raise E2EFailure(f"tesvik ended at start with status {self.process.returncode} "
                                 f"(see tesvik.log)")
            windows = [w for w in self.session.find_windows(pattern) if self.session.is_viewable(w)]
            return windows[0] if windows else 0

        self.window = wait_until(f'the window "{CAPTION}" to appear', found, 20)
        self.page = 0
        self.toggle = False
        self.log(f"tesvik window {self.window:#x} at {self.session.geometry(self.window)}")
        return self.window

    def check_caption(self):
        name = self.session.window_name(self.window)
        if name != CAPTION:
            raise E2EFailure(f"Tesvik's _NET_WM_NAME is {name!r}, expected {CAPTION!r}")
        return "exact"

    def stop(self):
        if self.process is not None:
            status = self.session.end_process(self.process)
            self.session.forget(self.process)
            self.process = None
            return status
        return None

    # ---- input ----------------------------------------------------------------
    def keys(self, *keys):
        if keys:
            self.session.key(*keys, delay_ms=KEY_DELAY_MS)

    def type(self, text):
        if text:
            self.session.type_text(text, delay_ms=KEY_DELAY_MS)

    def visible(self):
        return self.session.is_viewable(self.window)

    def press_hot_key(self):
        self.session.key(HOT_KEY_XDOTOOL)
        self.toggle = not self.toggle

    def show_by_hot_key(self):
        """Shows the hidden window with the hot key: a press shows when the toggle is clear,
        hides (nothing to see) when it is set."""
        if self.visible():
            return
        if self.toggle:
            self.press_hot_key()
            time.sleep(0.2)
        self.press_hot_key()
        wait_until("the hot key to show Tesvik's window", self.visible, 3)

    def click_window(self):
        """A click on the title bar: activates Tesvik without moving the focus inside it."""
        x, y, width, height = self.session.geometry(self.window)
        top = self.frame_top()
        if top > 4:
            self.session.click(x + width // 2, y - top // 2)
        else:
            self.session.click(x + width - 3, y + height - 3)
        wait_until("Tesvik's window to become active after the click",
                   lambda: self.session.active_window() == self.window, 3)

    def frame_top(self):
        text = self.session.output(["xprop", "-id", str(self.window), "_NET_FRAME_EXTENTS"], check=False)
        numbers = re.findall(r"\d+", text.split("=", 1)[1]) if "=" in text else []
        return int(numbers[2]) if len(numbers) == 4 else 0

    def show_page(self, name):
        """Cycles with Ctrl+PageDown/PageUp from the page in view to `name`. When it is already in
        view, leaves and re-enters it so that its first control has the focus again."""
        target = self.pages.index(name)
        if target == self.page:
            self.keys("ctrl+Next", "ctrl+Prior")
            time.sleep(0.15)
            return
        count = len(self.pages)
        forward = (target - self.page) % count
        backward = (self.page - target) % count
        if forward <= backward:
            self.keys(*(["ctrl+Next"] * forward))
        else:
            self.keys(*(["ctrl+Prior"] * backward))
        self.page = target
        time.sleep(0.15)

    def locate_by_focus_move(self, keys):
        """Where the focus lands after `keys`: the changed area between two screenshots lies
        between the old and the new focus widget; the new one is to the right on the same row,
        so its centre is taken 12 pixels inside the right edge of the change."""
        before = os.path.join(self.session.work_dir, "focus-before.png")
        after = os.path.join(self.session.work_dir, "focus-after.png")
        self.screenshot(before)
        self.keys(*keys)
        time.sleep(0.15)
        self.screenshot(after)
        text = self.session.output(["convert", before, after, "-compose", "difference", "-composite",
                                    "-threshold", "1%", "-trim", "info:"])
        match = re.search(r" (\d+)x(\d+) \d+x\d+\+(\d+)\+(\d+)", text)
        if not match:
            raise E2EFailure(f"the focus did not visibly move (convert said {text.strip()!r})")
        width, height, left, top = (int(v) for v in match.groups())
        if width <= 1 or height <= 1:
            raise E2EFailure("the focus did not visibly move: both screenshots are the same")
        return (left + width - 12, top + height // 2)

    def click_at_offset(self, offset):
        x, y, _, _ = self.session.geometry(self.window)
        self.session.click(x + offset[0], y + offset[1])

    def screenshot(self, path):
        return self.session.screenshot(self.window, path)
