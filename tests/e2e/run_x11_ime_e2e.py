#!/usr/bin/env python3
"""End-to-end test of Tesvik's input-method route on a private X server.

  dbus-run-session -- run_x11_ime_e2e.py --tesvik BUILD/tesvik/ui/app/tesvik
      --lineedit-target BUILD/tools/lineedit-target/lineedit-target --addon-build-dir BUILD/fcitx5-addon
      --data-dir SOURCE/data [--keep]

Xvfb with openbox, fcitx5 with Tesvik's addon, `zenity --entry` (GTK) and
the project's Qt line edit: Tesvik picks U+4E00, U+E650 and U+20000 by code
value and they arrive in both through the addon, with the keyboard map
untouched (no key was typed through XTest). Exit status 0 when every check
passed.
"""

import sys
sys.dont_write_bytecode = True

import argparse
import os
import shutil
import subprocess
import time
import traceback

import tesvik_driver as drv
from input_method import CLIENT_ENVIRONMENT, InputMethod, fresh_home
from targets import LineEditTarget
from xsession import E2EFailure, XSession, make_temp_dir, missing_tools, wait_until

CHARACTERS = ["4e00", "e650", "20000"]
EXPECTED = "\u4e00\ue650\U00020000"
TRACKING_SETTLE = 0.4  # Tesvik samples the active window every 250 ms


def codepoints(text):
    return " ".join(f"U+{ord(c):04X}" for c in text) or "(nothing)"


class ZenityTarget:
    """`zenity --entry`: prints its text when Return ends it."""

    def __init__(self, session, work_dir):
        self.session = session
        self.title = "E2E zenity"
        self.file = os.path.join(work_dir, "zenity.txt")
        with open(self.file, "wb") as out:
            self.process = session.spawn("zenity", ["zenity", "--entry", "--title", self.title], stdout=out)
        self.window = wait_until("the zenity window", lambda: next(
            (w for w in session.find_windows("^" + self.title + "$") if session.is_viewable(w)), 0), 10)

    def focus(self):
        self.session.activate(self.window)

    def finish(self):
        self.focus()
        self.session.key("Return")
        try:
            self.process.wait(5)
        except subprocess.TimeoutExpired:
            raise E2EFailure("zenity did not end on Return")
        with open(self.file, "rb") as f:
            return f.read().decode("utf-8", errors="replace").rstrip("\n")


class Run:
    def __init__(self, args, work_dir):
        self.args = args
        self.work_dir = work_dir
        self.failures = []
        self.started = time.monotonic()

    def log(self, message):
        print(f"[{time.monotonic() - self.started:6.1f}s] {message}", flush=True)

    def check(self, name, function, *args):
        try:
            self.log(f"PASS {name} {function(*args) or ''}")
        except E2EFailure as failure:
            self.failures.append(name)
            self.log(f"FAIL {name}: {failure}")
        except Exception:
            self.failures.append(name)
            self.log(f"ERROR {name}:\n{traceback.format_exc()}")

    def main(self):
        os.environ.update(fresh_home(self.work_dir))
        os.environ.update(CLIENT_ENVIRONMENT)
        with XSession(self.work_dir, log=self.log) as session:
            keymap_before = session.keyboard_map(os.path.join(self.work_dir, "keymap-before.xkb"))
            InputMethod(session, self.args.addon_build_dir, self.work_dir).start()
            zenity = ZenityTarget(session, self.work_dir)
            lineedit = LineEditTarget(session, self.work_dir, "ime", self.args.lineedit_target).start()
            tesvik = drv.Tesvik(session, self.args.tesvik, self.args.data_dir, os.path.join(self.work_dir, "tesvik"),
                                show_all_pages=False, log=self.log)
            tesvik.start()
            self.check("picks arrive in the Qt line edit", self.picks_into, session, tesvik, lineedit,
                       lineedit.text)
            self.check("picks arrive in zenity", self.picks_into, session, tesvik, zenity, None)
            self.check("zenity prints them", self.zenity_text, zenity)
            self.check("keyboard map untouched", self.keymap_unchanged, session, keymap_before)
        return 0 if not self.failures else 1

    def picks_into(self, session, tesvik, target, read_text):
        for hex_value in CHARACTERS:
            tesvik.show_by_hot_key()
            target.focus()
            time.sleep(TRACKING_SETTLE)
            tesvik.click_window()
            tesvik.show_page("customArea")
            drv.custom_area_code_value(tesvik, hex_value)
            wait_until("Tesvik to hide after the pick", lambda: not tesvik.visible(), 3)
        if read_text is None:
            return "handed over"
        wait_until(f"{codepoints(EXPECTED)} in the line edit", lambda: read_text() == EXPECTED, 5)
        return codepoints(EXPECTED)

    def zenity_text(self, zenity):
        text = zenity.finish()
        if text != EXPECTED:
            raise E2EFailure(f"zenity received {codepoints(text)}, expected {codepoints(EXPECTED)}")
        return codepoints(text)

    def keymap_unchanged(self, session, before):
        after = session.keyboard_map(os.path.join(self.work_dir, "keymap-after.xkb"))
        if after != before:
            raise E2EFailure("the keyboard map changed: a key was typed through XTest")
        return "identical"


def main():
    parser = argparse.ArgumentParser()
    for option in ("--tesvik", "--lineedit-target", "--addon-build-dir", "--data-dir"):
        parser.add_argument(option, required=True)
    parser.add_argument("--keep", action="store_true")
    args = parser.parse_args()
    missing = missing_tools() + [t for t in ("fcitx5", "zenity", "gdbus") if shutil.which(t) is None]
    if missing:
        print("missing tools: " + " ".join(missing))
        return 1
    work_dir = make_temp_dir("tesvik-x11-ime-e2e-")
    run = Run(args, work_dir)
    try:
        status = run.main()
    except E2EFailure as failure:
        run.log(f"FAIL {failure}")
        status = 1
    run.log(f"{'passed' if status == 0 else 'FAILED: ' + ', '.join(run.failures)}; work folder {work_dir}")
    if status == 0 and not args.keep:
        shutil.rmtree(work_dir, ignore_errors=True)
    return status


if __name__ == "__main__":
    sys.exit(main())
