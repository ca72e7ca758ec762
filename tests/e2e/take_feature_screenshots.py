#!/usr/bin/env python3
"""Screenshots of the recent-picks row, of undrawable cells (the symbol page's
private-use characters, which no installed font draws), of a stroke page with
characters of Extensions E to H and of the 字符信息 window, under Xvfb with
the CJK fonts, cropped to their windows.

  take_feature_screenshots.py --tesvik BUILD/tesvik/ui/app/tesvik --data-dir SOURCE/data --out docs/screenshots
"""

import sys
sys.dont_write_bytecode = True

import time

import tesvik_driver as drv
from take_screenshots import dialog_window, screenshot_arguments, take_screenshots
from xsession import wait_until

INFO_TITLE = "字符信息"


def recent_picks(run):
    """Picks from two pages fill the recent row (with no target they are copied)."""
    tesvik = run.tesvik
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
    run.shoot(tesvik.window, "recent-picks.png")


def undrawable_cells(run):
    """The symbol page's "补字区" table (32 of 0-37): private-use characters no font draws."""
    tesvik = run.tesvik
    tesvik.show_page("symbol")
    tesvik.keys("End", *(["Up"] * 5))
    time.sleep(0.8)
    run.shoot(tesvik.window, "undrawable-cells.png")


# U+2CCF2 (Extension E) in the 31-stroke grid: the 61st cell, column 9 and row 5 of 7, in the
# window's default size.
EXTENSION_E_CELL = (278, 341)


def extension_characters(run):
    """31 strokes, no stroke typed: the grid ends with characters of Extensions E to H
    (U+2B820-U+323AF), which the data knows by their stroke count only. HanaMinB draws E and F;
    G and H show as dashed empty cells. The status line names the selected one's block."""
    tesvik = run.tesvik
    tesvik.click_window()
    tesvik.show_page("strokeOrder")
    tesvik.keys(*drv.STROKE_COUNT_TO_STROKES, "ctrl+a", "BackSpace", "shift+Tab", "ctrl+a")
    tesvik.type("31")
    tesvik.keys("Escape")
    time.sleep(0.5)
    tesvik.click_at_offset(EXTENSION_E_CELL)
    time.sleep(0.5)
    run.shoot(tesvik.window, "tesvik-strokes-extensions.png")


def character_info(run):
    session, tesvik = run.session, run.tesvik
    session.run(["sh", "-c", "printf '㐅' | xclip -selection clipboard >/dev/null 2>&1"], timeout=10)
    tesvik.keys("ctrl+i")
    info = wait_until("the 字符信息 window", lambda: dialog_window(session, INFO_TITLE), 5)
    time.sleep(0.3)
    session.key("ctrl+v")
    time.sleep(0.5)
    run.shoot(info, "character-info.png")


def take_feature_screenshots(run):
    recent_picks(run)
    extension_characters(run)
    undrawable_cells(run)
    character_info(run)


def main():
    args = screenshot_arguments(__doc__).parse_args()
    return take_screenshots(args, "tesvik-feature-shots-", take_feature_screenshots)


if __name__ == "__main__":
    sys.exit(main())
