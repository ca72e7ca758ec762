#!/usr/bin/env python3
"""Screenshots of the recent-picks row, of undrawable cells (the symbol page's
private-use characters, which no installed font draws) and of the 字符信息
window, under Xvfb with the CJK fonts, cropped to their windows.

  take_feature_screenshots.py --tesvik BUILD/tesvik/ui/app/tesvik --data-dir SOURCE/data --out docs/screenshots
"""

import sys
sys.dont_write_bytecode = True

import argparse
import os
import shutil
import time

import tesvik_driver as drv
from take_screenshots import dialog_window, shoot
from xsession import E2EFailure, XSession, make_temp_dir, missing_tools, wait_until

INFO_TITLE = "字符信息"


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--tesvik", required=True)
    parser.add_argument("--data-dir", required=True)
    parser.add_argument("--out", required=True)
    args = parser.parse_args()
    missing = missing_tools()
    if missing:
        print("screenshots: missing tools: " + ", ".join(missing), file=sys.stderr)
        return 1
    os.makedirs(args.out, exist_ok=True)
    work_dir = make_temp_dir("tesvik-feature-shots-")
    log = lambda message: print(message, flush=True)
    status = 0
    try:
        with XSession(work_dir, log=log) as session:
            tesvik = drv.Tesvik(session, args.tesvik, args.data_dir, os.path.join(work_dir, "home"),
                                show_all_pages=True, log=log)
            tesvik.start()
            time.sleep(0.5)
            # Picks from two pages fill the recent row (with no target they are copied).
            tesvik.click_window()
            tesvik.show_page("strokeOrder")
            tesvik.type("7")
            tesvik.keys("Tab")
            tesvik.type("12")
            time.sleep(0.3)
            for strokes in ("13", "14", "15", "21", "25", "31", "35", "41", "51"):
                tesvik.keys("ctrl+a")
                tesvik.type(strokes)
                time.sleep(0.3)
                tesvik.keys("Return")
            tesvik.show_page("pinyin")
            tesvik.type("zhang")
            time.sleep(0.3)
            tesvik.keys("Return")
            time.sleep(0.5)
            tesvik.show_page("strokeOrder")
            time.sleep(0.3)
            shoot(session, tesvik.window, "recent-picks.png", args.out, work_dir, log)

            # The symbol page's "补字区" table (32 of 0-37): private-use characters no font draws.
            tesvik.show_page("symbol")
            tesvik.keys("End", *(["Up"] * 5))
            time.sleep(0.8)
            shoot(session, tesvik.window, "undrawable-cells.png", args.out, work_dir, log)

            session.run(["sh", "-c", "printf '㐅' | xclip -selection clipboard >/dev/null 2>&1"], timeout=10)
            tesvik.keys("ctrl+i")
            info = wait_until("the 字符信息 window", lambda: dialog_window(session, INFO_TITLE), 5)
            time.sleep(0.3)
            session.key("ctrl+v")
            time.sleep(0.5)
            shoot(session, info, "character-info.png", args.out, work_dir, log)
            tesvik.stop()
    except E2EFailure as failure:
        print(f"screenshots: {failure} (work folder kept: {work_dir})", file=sys.stderr)
        status = 1
    if status == 0:
        shutil.rmtree(work_dir, ignore_errors=True)
    return status


if __name__ == "__main__":
    sys.exit(main())
