#!/usr/bin/env python3
"""End-to-end test of Tesvik's input-method route on a private Wayland session.

  dbus-run-session -- run_wayland_e2e.py --tesvik BUILD/tesvik/ui/app/tesvik
      --tesvik-query BUILD/tools/tesvik-query/tesvik-query --lineedit-target BUILD/tools/lineedit-target/lineedit-target
      --addon-build-dir BUILD/fcitx5-addon --data-dir SOURCE/data [--keep]

Headless sway, fcitx5 with Tesvik's addon, Tesvik as a native Wayland
client and `zenity --entry` as a native GTK client: picks arrive in zenity,
the hot key (seen by the addon) shows and hides Tesvik, `tesvik-query type`
delivers into a focused zenity, and with no input method running a pick
goes to the clipboard (pasted into a Qt line edit to check). Exit status 0
when every check passed.
"""

import sys
sys.dont_write_bytecode = True

import os
import time

import tesvik_driver as drv
from checks import CheckRecorder, codepoints, run_test, test_arguments
from input_method import InputMethod, unmet_needs, use_test_profile
from targets import LineEditTarget, ZenityTarget
from waylandsession import REQUIRED_TOOLS, WaylandSession
from xsession import E2EFailure, wait_until

CHARACTERS = ["4E00", "E650", "20000"]
EXPECTED = "\u4e00\ue650\U00020000"
EXPECTED_PICKS = "\u4e00\ue650"


# The seat of headless sway has no pointer, so Tesvik is driven by keys only.
def pick_stroke_one(tesvik):
    """一: stroke-order page, one stroke, first stroke 1, Enter."""
    tesvik.show_page("strokeOrder")
    drv.stroke_order(tesvik, 1, "1")


def pick_grid_cell(tesvik):
    """Custom area: Space outputs the grid's selected cell, U+E650, where the page starts. (The code-value
    button, which would reach U+20000, needs a click; `tesvik-query type` delivers U+20000 below.)"""
    tesvik.show_page("customArea")
    tesvik.keys("space")


def show_by_hot_key(tesvik):
    """Presses the hot key until Tesvik shows: a press on a set toggle hides (nothing to see)."""
    for _ in range(3):
        tesvik.press_hot_key()
        try:
            return wait_until("the hot key to show Tesvik", tesvik.visible, 1.5)
        except E2EFailure:
            pass
    raise E2EFailure("three presses of the hot key did not show Tesvik")


class Run(CheckRecorder):
    def main(self):
        use_test_profile(self.work_dir)
        with WaylandSession(self.work_dir, log=self.log) as session:
            self.session = session
            ime = InputMethod(session, self.args.addon_build_dir, self.work_dir).start()
            # As native Wayland clients the zenity windows ignore a typed Return: they end by their timeout.
            zenity = ZenityTarget(session, self.work_dir, "picks", timeout=12).start()
            tesvik = drv.Tesvik(session, self.args.tesvik, self.args.data_dir, os.path.join(self.work_dir, "tesvik"),
                                show_all_pages=False, log=self.log)
            tesvik.start()
            self.check("picks through the input method arrive in zenity", self.picks, session, tesvik, zenity)
            zenity = ZenityTarget(session, self.work_dir, "query", timeout=8).start()
            self.check("hot key shows and hides Tesvik", self.hot_key_shows_and_hides, session, tesvik, zenity)
            self.check("tesvik-query type into zenity", self.query_type, session, zenity)
            ime.stop()
            self.check("without input method a pick is copied", self.pick_without_input_method, session, tesvik)
            self.check("without input method tesvik-query type copies", self.query_type_copies, session)

    def pick(self, session, tesvik, zenity, steps):
        """Zenity had the focus; Tesvik is shown (by the hot key after the first pick), picks by keys
        and hides, and the focus goes back to zenity."""
        if not tesvik.visible():
            show_by_hot_key(tesvik)
        session.activate(tesvik.window)
        steps(tesvik)
        wait_until("Tesvik to hide after the pick", lambda: not tesvik.visible(), 3)
        wait_until("zenity to have the focus again", lambda: session.active_window() == zenity.window, 3)

    def picks(self, session, tesvik, zenity):
        for steps in (pick_stroke_one, pick_grid_cell):
            session.activate(zenity.window)
            self.pick(session, tesvik, zenity, steps)
            time.sleep(0.3)
        text = zenity.printed_text(20)
        if text != EXPECTED_PICKS:
            raise E2EFailure(f"zenity received {codepoints(text)}, expected {codepoints(EXPECTED_PICKS)}")
        return codepoints(text)

    def hot_key_shows_and_hides(self, session, tesvik, zenity):
        """The addon sees the keys typed into zenity; once shown, Tesvik has the focus and the key reaches
        the addon through Tesvik's own input context."""
        session.activate(zenity.window)
        show_by_hot_key(tesvik)
        tesvik.press_hot_key()
        wait_until("the hot key to hide Tesvik", lambda: not tesvik.visible(), 3)
        return "shown and hidden"

    def query_type(self, session, zenity):
        session.activate(zenity.window)
        result = session.run([self.args.tesvik_query, "type", "--code"] + CHARACTERS, check=False, timeout=20)
        if result.returncode != 0:
            raise E2EFailure(f"tesvik-query type ended with {result.returncode}: {result.stderr.decode().strip()}")
        text = zenity.printed_text(10)
        if text != EXPECTED:
            raise E2EFailure(f"zenity received {codepoints(text)}, expected {codepoints(EXPECTED)}")
        return codepoints(text)

    def pick_without_input_method(self, session, tesvik):
        target = LineEditTarget(session, self.work_dir, "paste", self.args.lineedit_target).start()
        # The hot key needs the input method: Tesvik is shown by starting it again.
        tesvik.stop()
        tesvik.start()
        tesvik.show_page("customArea")
        tesvik.keys("space")  # the grid's selected cell, U+E650
        time.sleep(0.5)
        if not tesvik.visible():
            raise E2EFailure("Tesvik hid although the pick went to the clipboard")
        tesvik.screenshot(os.path.join(self.work_dir, "copied-status.png"))
        target.focus()
        session.key("ctrl+v")
        wait_until("the pasted character in the line edit", lambda: target.text() == "\ue650", 3)
        return "pasted U+E650"

    def query_type_copies(self, session):
        """With no input method to hand it to, `tesvik-query type` puts the text on the clipboard
        (through wl-copy, which serves it after tesvik-query has ended) and says so."""
        result = session.run([self.args.tesvik_query, "type", "--code", "20000"], check=False, timeout=20)
        if "剪贴板" not in result.stderr.decode():
            raise E2EFailure(f"tesvik-query type ended with {result.returncode} without saying it copied: "
                             f"{result.stderr.decode().strip()}")
        target = LineEditTarget(session, self.work_dir, "query-paste", self.args.lineedit_target).start()
        target.focus()
        session.key("ctrl+v")
        wait_until("the pasted U+20000 in the line edit", lambda: target.text() == "\U00020000", 3)
        return "pasted U+20000"


def main():
    args = test_arguments(__doc__, "--tesvik", "--tesvik-query", "--lineedit-target", "--addon-build-dir",
                          "--data-dir").parse_args()
    return run_test("wayland e2e", unmet_needs(REQUIRED_TOOLS + ["wl-copy"]), Run, args, "tesvik-wayland-e2e-")


if __name__ == "__main__":
    sys.exit(main())
