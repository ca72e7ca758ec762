#!/usr/bin/env python3
"""End-to-end test of Tesvik on a private X server.

  run_e2e.py --tesvik BUILD/tesvik/ui/app/tesvik --lineedit-target BUILD/tools/lineedit-target/lineedit-target
             --data-dir SOURCE/data [--keep]

Starts Xvfb, openbox and a tray host, three target programs (a Qt line edit,
an xterm running cat and Chromium showing a textarea) and Tesvik; clicks
Tesvik, finds characters on its pages by keyboard and checks that each target
receives them intact, also while both cores are busy and in bursts of picks
into the browser; checks the hot key, the clipboard copy, that the keyboard
map is unchanged afterwards, and "输出标准编码" (Tesvik started again with it
checked). Exit status 0 when every check
passed, 1 otherwise; the reasons are printed, and the work folder (logs,
screenshots of failures) is kept on failure or with --keep.
"""

import sys
sys.dont_write_bytecode = True

import os
import time

import tesvik_driver as drv
from checks import CheckRecorder, codepoints, missing_tools_need, run_test, test_arguments
from targets import ChromiumTarget, LineEditTarget, XtermTarget
from xsession import E2EFailure, XSession, missing_tools, wait_until

TRACKING_SETTLE = 0.4  # Tesvik samples the foreground window every 250 ms
DELIVERY_TIMEOUT = 5.0

# What each page finds, and how. (label, page, step, expected text)
CODE_VALUE_DELIVERIES = [
    ("code value 4e00", "customArea", lambda t: drv.custom_area_code_value(t, "4e00"), "\u4e00"),
    ("code value e815", "customArea", lambda t: drv.custom_area_code_value(t, "e815"), "\ue815"),
    ("code value 20000", "customArea", lambda t: drv.custom_area_code_value(t, "20000"), "\U00020000"),
]
PAGE_DELIVERIES = [
    # 一 is the only one-stroke character that starts with stroke 1.
    ("stroke order 1 / 1", "strokeOrder", lambda t: drv.stroke_order(t, 1, "1"), "\u4e00"),
    # Esc in the count box leaves the candidates to Enter and Space.
    ("stroke order 1, Esc, Enter", "strokeOrder", lambda t: drv.stroke_order_after_escape(t, 1, "Return"), "\u4e00"),
    ("stroke order 1, Esc, Space", "strokeOrder", lambda t: drv.stroke_order_after_escape(t, 1, "space"), "\u4e00"),
    # Radical 一 (first stroke 1), one stroke outside it: 一 comes first.
    ("radical 一 + 1", "radicalDirectory", lambda t: drv.radical(t, "1", 1), None),
    ("pinyin yi", "pinyin", lambda t: drv.pinyin(t, "yi"), "\u4e00"),
    ("first symbol", "symbol", drv.symbol, None),
]
# The browser takes bursts of picks in a row, each a character not typed
# before, so that every pick borrows a key anew: BMP, Private Use Area and
# supplementary-plane. The other targets take every page's delivery.
PAGE_TARGETS = ("lineedit", "xterm")
BURST_TARGETS = ("chromium",)
BURST_COUNT = 2
BURST_BASES = [0x4E00, 0xE650, 0x20000, 0xE815, 0x3400]
# "输出标准编码": the register character U+E650 arrives as the standard character it stands for.
STANDARD_CODE_DELIVERY = ("code value e650, standard code", "customArea",
                          lambda t: drv.custom_area_code_value(t, "e650"), "\U0002A9D4")


class Run(CheckRecorder):
    # ---- the steps ---------------------------------------------------------
    def deliver(self, target, label, page, step, expected):
        tesvik = self.tesvik
        before = target.text()
        tesvik.show_by_hot_key()
        target.focus()
        time.sleep(TRACKING_SETTLE)
        tesvik.click_window()
        tesvik.show_page(page)
        step(tesvik)

        def arrived():
            now = target.text()
            if expected is None:
                return len(now) == len(before) + 1 and now.startswith(before)
            return now == before + expected

        try:
            wait_until(f"{codepoints(expected) if expected else 'one character'} in {target.title}", arrived,
                       DELIVERY_TIMEOUT)
        except E2EFailure:
            now = target.text()
            raise E2EFailure(f"{target.title} received {codepoints(now[len(before):])} "
                             f"(text before: {codepoints(before)}, now: {codepoints(now)}), "
                             f"expected {codepoints(expected) if expected else 'one new character'}")
        got = target.text()[len(before):]
        wait_until("Tesvik to hide itself after the output (Hide defaults to 1)", lambda: not tesvik.visible(), 2)
        target.expected += got
        return f"-> {codepoints(got)}"

    def deliver_burst(self, target, burst):
        lost = []
        for base in BURST_BASES:
            code = base + 1 + burst
            value = f"{code:x}"
            try:
                self.deliver(target, f"code value {value}", "customArea",
                             lambda t, v=value: drv.custom_area_code_value(t, v), chr(code))
            except E2EFailure as failure:
                lost.append(f"U+{code:04X} ({failure})")
        if lost:
            raise E2EFailure(f"{len(lost)} of {len(BURST_BASES)} lost: " + "; ".join(lost))
        return f"{len(BURST_BASES)} of {len(BURST_BASES)} arrived"

    def hot_key(self):
        tesvik = self.tesvik
        tesvik.press_hot_key()  # toggle clear: shows the visible window
        time.sleep(0.5)
        if not tesvik.visible():
            raise E2EFailure("the first hot key press hid the window; it should show it (toggle starts clear)")
        tesvik.press_hot_key()
        wait_until("the second hot key press to hide the window", lambda: not tesvik.visible(), 3)
        tesvik.press_hot_key()
        wait_until("the third hot key press to show the window again", tesvik.visible, 3)
        return "show (no change), hide, show"

    def clipboard_copy(self):
        tesvik = self.tesvik
        tesvik.show_by_hot_key()
        tesvik.click_window()
        # Leave and re-enter the custom-area page: its grid gets the focus, cell U+E650 selected.
        tesvik.show_page("customArea")
        tesvik.show_page("strokeOrder")
        tesvik.show_page("customArea")
        tesvik.keys("Home")
        if self.session.clipboard() == "\ue650":
            raise E2EFailure("U+E650 was on the clipboard before the copy")
        tesvik.keys("Menu")
        time.sleep(0.4)
        tesvik.keys("Down", "Return")
        wait_until('"复制" to put U+E650 on the clipboard', lambda: self.session.clipboard() == "\ue650", 3)
        return "U+E650"

    def copy_as_code(self):
        """The "复制" menu's code entries, on the custom-area cell U+E650 that clipboard_copy left
        selected; each is read back from the X clipboard."""
        tesvik = self.tesvik
        for downs, expected in ((2, "U+E650"), (3, "&#xE650;"), (4, "A5 4A")):
            tesvik.keys("Menu")
            time.sleep(0.4)
            tesvik.keys(*(["Down"] * downs), "Return")
            wait_until(f"the menu entry {downs} to put {expected!r} on the clipboard",
                       lambda: self.session.clipboard() == expected, 3)
        return "U+E650, &#xE650;, A5 4A"

    def tesvik_exits_from_tray(self):
        tesvik = self.tesvik
        icon = self.tray_icon()
        if not icon:
            raise E2EFailure("no tray icon window of Tesvik found in the tray host")
        x, y, w, h = self.session.geometry(icon)
        self.session.click(x + w // 2, y + h // 2, button=3)
        time.sleep(0.5)
        self.session.key("Down", "Down", "Down", "Return")  # 隐藏, 显示, 退出
        try:
            wait_until("Tesvik to end after the tray menu's 退出", lambda: tesvik.process.poll() is not None, 5)
        except E2EFailure:
            tesvik.stop()
            raise
        status = tesvik.process.returncode
        self.session.forget(tesvik.process)
        tesvik.process = None
        if status != 0:
            raise E2EFailure(f"Tesvik ended with status {status}")
        return "status 0"

    def tray_icon(self):
        """The small embedded window Tesvik's process owns inside tint2's tray."""
        pid = self.tesvik.process.pid
        result = self.session.run(["xdotool", "search", "--pid", str(pid)], check=False)
        for line in result.stdout.decode().split():
            window = int(line)
            if window == self.tesvik.window or not self.session.is_viewable(window):
                continue
            _, _, w, h = self.session.geometry(window)
            if w <= 64 and h <= 64:
                return window
        return 0

    # ---- the whole run -----------------------------------------------------
    def main(self):
        args = self.args
        with XSession(self.work_dir, log=self.log) as session:
            self.session = session
            self.tesvik = None
            self.note_keyboard_map()
            kinds = {"lineedit": lambda: LineEditTarget(session, self.work_dir, "1", args.lineedit_target),
                     "xterm": lambda: XtermTarget(session, self.work_dir, "1"),
                     "chromium": lambda: ChromiumTarget(session, self.work_dir, "1")}
            targets = [kinds[kind]().start() for kind in args.targets.split(",")]
            for target in targets:
                target.expected = ""
            self.log("targets: " + ", ".join(f"{t.title} {t.window:#x}" for t in targets))
            home = os.path.join(self.work_dir, "home")
            self.tesvik = drv.Tesvik(session, args.tesvik, args.data_dir, home, show_all_pages=True, log=self.log)
            if not self.check("Tesvik starts", self.tesvik.start):
                return
            self.check("Tesvik's window name is exactly its caption", self.tesvik.check_caption)
            self.check("hot key Ctrl+Shift+T hides and shows the window", self.hot_key)

            page_targets = [t for t in targets if t.kind in PAGE_TARGETS]
            deliveries = CODE_VALUE_DELIVERIES + ([] if args.code_values_only else PAGE_DELIVERIES)
            for target in page_targets:
                for label, page, step, expected in deliveries:
                    self.check(f"{label} into {target.kind}", self.deliver, target, label, page, step, expected)

            for target in (t for t in targets if t.kind in BURST_TARGETS):
                for burst in range(BURST_COUNT):
                    self.check(f"burst {burst + 1}: {len(BURST_BASES)} picks in a row into {target.kind}",
                               self.deliver_burst, target, burst)

            busy = [session.spawn(f"busy{i}", [sys.executable, "-c", "while True: pass"]) for i in range(2)]
            try:
                for target in page_targets:
                    for label, page, step, expected in CODE_VALUE_DELIVERIES:
                        self.check(f"{label} into {target.kind}, both cores busy", self.deliver, target, label,
                                   page, step, expected)
            finally:
                for process in busy:
                    session.end_process(process)
                    session.forget(process)

            self.check('"复制" puts the character on the clipboard', self.clipboard_copy)
            self.check('"复制" menu copies the code as U+, HTML reference and GB18030 bytes', self.copy_as_code)
            time.sleep(1.5)  # borrowed keys are given back once typing has paused for 1 s
            self.check("keyboard map unchanged once typing has paused", self.keyboard_map_unchanged,
                       "while-running")
            self.check("Tesvik ends from the tray menu", self.tesvik_exits_from_tray)
            self.check("keyboard map unchanged after Tesvik ended", self.keyboard_map_unchanged, "after-exit")
            if self.check('Tesvik starts with "输出标准编码" checked', self.tesvik.start, {"StandardCode": 1}):
                for target in page_targets:
                    self.check(f"{STANDARD_CODE_DELIVERY[0]} into {target.kind}", self.deliver, target,
                               *STANDARD_CODE_DELIVERY)
                self.tesvik.stop()
            for target in targets:
                self.check(f"{target.kind} holds every character intact when it ends",
                           self.final_text, target)


def main():
    parser = test_arguments(__doc__, "--tesvik", "--lineedit-target", "--data-dir")
    parser.add_argument("--targets", default="lineedit,xterm,chromium",
                        help="the target programs, comma-separated (lineedit, xterm, chromium)")
    parser.add_argument("--code-values-only", action="store_true", help="deliver only through the code-value entry")
    args = parser.parse_args()
    return run_test("e2e", missing_tools_need(missing_tools()), Run, args, "tesvik-e2e-")


if __name__ == "__main__":
    sys.exit(main())
