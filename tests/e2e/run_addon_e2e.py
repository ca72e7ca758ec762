#!/usr/bin/env python3
"""End-to-end test of Tesvik's input-method addon on a private X server.

  dbus-run-session -- run_addon_e2e.py --addon-build-dir BUILD/fcitx5-addon
                      --lineedit-target BUILD/tools/lineedit-target/lineedit-target [--keep]

Starts Xvfb, openbox, fcitx5 with the addon from the build folder (fresh
home, empty configuration) and two programs that type through fcitx5: a GTK
entry (zenity --entry) and a Qt line edit. Calls the addon's Commit as
Tesvik does and checks that each focused program receives U+4E00, U+E650 and
U+20000 in order, also while both cores are busy; that a text asked for by
the focused program itself waits for the next program; that a text sent
while nothing has the focus lands when a program gets it, and one that
waits longer than 10 s is dropped; that the keyboard map never changes.
Exit status 0 when every check passed, 1 otherwise.
"""

import sys
sys.dont_write_bytecode = True

import subprocess
import time

from checks import CheckRecorder, codepoints, run_test, test_arguments
from input_method import InputMethod, unmet_needs, use_test_profile
from targets import LineEditTarget, ZenityTarget
from xsession import REQUIRED_TOOLS, E2EFailure, XSession, wait_until

CHARACTERS = ["\u4e00", "\ue650", "\U00020000"]
DELIVERY_TIMEOUT = 5.0
PENDING_LIMIT = 10.0


class Run(CheckRecorder):
    # ---- the steps ---------------------------------------------------------
    def focus(self, target):
        # A window activated while its program is still starting up may not
        # pass the focus on to its input context: activate it again until it does.
        def focused():
            if self.im.focused_programs() == [target.program]:
                return True
            target.focus()
            return False

        target.focus()
        wait_until(f"the input context of {target.program} to get the focus", focused, 10)

    def focus_nothing(self, target):
        self.session.run(["xdotool", "windowminimize", "--sync", str(target.window)])
        wait_until("no input context to have the focus", lambda: self.im.focused_programs() == [], 5)

    def commit_in_order(self, target):
        self.focus(target)
        before = target.text()
        requests = [self.im.commit(c) for c in CHARACTERS]
        outcomes = [self.im.wait_finished(r, DELIVERY_TIMEOUT) for r in requests]
        if outcomes != [True] * len(requests):
            raise E2EFailure(f"CommitFinished said {outcomes}, expected delivered for each")
        expected = "".join(CHARACTERS)
        if not isinstance(target, ZenityTarget):
            wait_until(f"{codepoints(expected)} in {target.title}", lambda: target.text() == before + expected,
                       DELIVERY_TIMEOUT)
        target.expected += expected
        return codepoints(expected)

    def own_program_skipped(self, own, other):
        """The focused program is the asker itself: the text waits and goes to the next program."""
        self.focus(own)
        request = self.im.commit("\u4e8c", own.program)
        time.sleep(0.5)
        if request in self.im.finished():
            raise E2EFailure(f"the asker's own program has the focus, yet CommitFinished came: {self.im.finished()}")
        self.focus(other)
        if not self.im.wait_finished(request, DELIVERY_TIMEOUT):
            raise E2EFailure("CommitFinished said not delivered")
        other.expected += "\u4e8c"
        return f"U+4E8C skipped {own.program}, went to {other.program}"

    def pending_until_focus(self, target):
        self.focus_nothing(target)
        request = self.im.commit("\u4e09")
        time.sleep(0.5)
        if request in self.im.finished():
            raise E2EFailure("CommitFinished came while no input context had the focus")
        if target.text() != target.expected:
            raise E2EFailure(f"text arrived while nothing had the focus: {codepoints(target.text())}")
        self.focus(target)
        if not self.im.wait_finished(request, DELIVERY_TIMEOUT):
            raise E2EFailure("CommitFinished said not delivered")
        target.expected += "\u4e09"
        wait_until(f"U+4E09 in {target.title}", lambda: target.text() == target.expected, DELIVERY_TIMEOUT)
        return "U+4E09 landed when the line edit got the focus"

    def dropped_after_limit(self, target):
        self.focus_nothing(target)
        called = time.monotonic()
        request = self.im.commit("\u56db")
        delivered = self.im.wait_finished(request, PENDING_LIMIT + 3)
        waited = time.monotonic() - called
        if delivered:
            raise E2EFailure("CommitFinished said delivered, yet nothing had the focus")
        if waited < PENDING_LIMIT - 0.5:
            raise E2EFailure(f"dropped after {waited:.1f} s, expected {PENDING_LIMIT:.0f} s")
        self.focus(target)
        time.sleep(0.5)
        if target.text() != target.expected:
            raise E2EFailure(f"the dropped text still arrived: {codepoints(target.text())}")
        return f"dropped after {waited:.1f} s"

    # ---- the whole run -----------------------------------------------------
    def main(self):
        use_test_profile(self.work_dir)
        with XSession(self.work_dir, log=self.log) as session:
            self.session = session
            self.note_keyboard_map()
            self.im = InputMethod(session, self.args.addon_build_dir, self.work_dir).start()

            zenity = ZenityTarget(session, self.work_dir, "1").start()
            lineedit = LineEditTarget(session, self.work_dir, "1", self.args.lineedit_target).start()
            targets = [zenity, lineedit]
            for target in targets:
                target.expected = ""
            # GTK's input-method module makes its input context only when the
            # window first gets the focus: give each target the focus once.
            for target in targets + targets:
                target.focus()
                time.sleep(0.3)

            for target in targets:
                self.check(f"{target.kind} receives the characters in order", self.commit_in_order, target)
            busy = [session.spawn(f"busy{i}", ["yes"], stdout=subprocess.DEVNULL) for i in range(2)]
            try:
                for target in targets:
                    self.check(f"{target.kind} receives them while both cores are busy", self.commit_in_order,
                               target)
            finally:
                for process in busy:
                    session.end_process(process)
                    session.forget(process)
            self.check("the asker's own focused program is skipped", self.own_program_skipped, lineedit, zenity)
            self.check("zenity prints every character when it ends", self.final_text, zenity)
            self.check("a text sent while nothing has the focus lands on the next focus", self.pending_until_focus,
                       lineedit)
            self.check("a text nobody takes is dropped after 10 s", self.dropped_after_limit, lineedit)
            self.check("the keyboard map is unchanged", self.keyboard_map_unchanged)
            self.check("the line edit holds every character when it ends", self.final_text, lineedit)


def main():
    parser = test_arguments(__doc__, "--lineedit-target")
    parser.add_argument("--addon-build-dir", required=True, help="the build's fcitx5-addon folder (lib/, share/)")
    args = parser.parse_args()
    return run_test("addon e2e", unmet_needs(REQUIRED_TOOLS + ["yes"]), Run, args, "tesvik-addon-e2e-")


if __name__ == "__main__":
    sys.exit(main())
