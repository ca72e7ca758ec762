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

import os
import time

import tesvik_driver as drv
from checks import CheckRecorder, codepoints, run_test, test_arguments
from input_method import InputMethod, unmet_needs, use_test_profile
from targets import LineEditTarget, ZenityTarget
from xsession import REQUIRED_TOOLS, XSession, wait_until

CHARACTERS = ["4e00", "e650", "20000"]
EXPECTED = "\u4e00\ue650\U00020000"
TRACKING_SETTLE = 0.4  # Tesvik samples the active window every 250 ms


class Run(CheckRecorder):
    def main(self):
        use_test_profile(self.work_dir)
        with XSession(self.work_dir, log=self.log) as session:
            self.session = session
            self.note_keyboard_map()
            InputMethod(session, self.args.addon_build_dir, self.work_dir).start()
            zenity = ZenityTarget(session, self.work_dir, "ime").start()
            zenity.expected = EXPECTED
            lineedit = LineEditTarget(session, self.work_dir, "ime", self.args.lineedit_target).start()
            tesvik = drv.Tesvik(session, self.args.tesvik, self.args.data_dir, os.path.join(self.work_dir, "tesvik"),
                                show_all_pages=False, log=self.log)
            tesvik.start()
            self.check("picks arrive in the Qt line edit", self.picks_into, session, tesvik, lineedit,
                       lineedit.text)
            self.check("picks arrive in zenity", self.picks_into, session, tesvik, zenity, None)
            self.check("zenity prints them", self.final_text, zenity)
            self.check("keyboard map untouched", self.keyboard_map_unchanged)

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



def main():
    args = test_arguments(__doc__, "--tesvik", "--lineedit-target", "--addon-build-dir", "--data-dir").parse_args()
    return run_test("x11 ime e2e", unmet_needs(REQUIRED_TOOLS), Run, args, "tesvik-x11-ime-e2e-")


if __name__ == "__main__":
    sys.exit(main())
