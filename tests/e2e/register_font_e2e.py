#!/usr/bin/env python3
"""Tesvik with its default settings in a fresh home after Pelorin's start-up
set-up linked the register font: the custom area, the pinyin page for
"zhang" and a stroke search that lists register characters draw no
missing-glyph box (checked in a grab of each page's grid).

  register_font_e2e.py --tesvik TESVIK --pelorin PELORIN --register-font LMCivic.TTE --data-dir DATA
"""

import sys
sys.dont_write_bytecode = True

import argparse
import os
import shutil
import time

import tesvik_driver as drv
from glyph_boxes import find_boxes
from xsession import E2EFailure, XSession, make_temp_dir, missing_tools

# Page, keys typed into its first control, and the grid's place in the
# window (left, top, right, bottom) in the window's default size.
GRIDS = [
    ("customArea", lambda t: None, (60, 60, 560, 165)),
    ("pinyin", lambda t: t.type("zhang"), (10, 85, 700, 320)),
    # 5 strokes beginning 一丨一: 53 characters, 5 of them register characters.
    ("strokeOrder", lambda t: (t.type("5"), t.keys("Tab"), t.type("121")), (20, 145, 690, 395)),
]


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--tesvik", required=True)
    parser.add_argument("--pelorin", required=True)
    parser.add_argument("--register-font", required=True)
    parser.add_argument("--data-dir", required=True)
    args = parser.parse_args()
    missing = missing_tools()
    if missing:
        print("register font e2e: missing tools: " + ", ".join(missing), file=sys.stderr)
        return 1
    work_dir = make_temp_dir("tesvik-register-")
    log = lambda message: print(message, flush=True)
    failures = []
    try:
        with XSession(work_dir, log=log) as session:
            tesvik = drv.Tesvik(session, args.tesvik, args.data_dir, os.path.join(work_dir, "home"),
                                show_all_pages=True, log=log)
            drv.set_up_register_font(session, tesvik, args.pelorin, args.register_font)
            tesvik.start()
            time.sleep(0.5)
            for page, query, grid in GRIDS:
                tesvik.click_window()
                tesvik.show_page(page)
                query(tesvik)
                time.sleep(0.8)
                grab = os.path.join(work_dir, page + ".png")
                session.screenshot(tesvik.window, grab)
                boxes = find_boxes(grab, grid)
                log(f"{page}: {len(boxes)} missing-glyph boxes")
                if boxes:
                    failures.append(f"{page} shows {len(boxes)} boxes at {boxes} (grab: {grab})")
            tesvik.stop()
    except E2EFailure as failure:
        failures.append(str(failure))
    if failures:
        print("register font e2e: " + "; ".join(failures) + f" (work folder kept: {work_dir})", file=sys.stderr)
        return 1
    shutil.rmtree(work_dir, ignore_errors=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
