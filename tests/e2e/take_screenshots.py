#!/usr/bin/env python3
"""Screenshots of Tesvik under Xvfb with the CJK fonts: every page (all six
shown), the settings dialog and the about box, cropped to their windows.

  take_screenshots.py --tesvik BUILD/tesvik/ui/app/tesvik --data-dir SOURCE/data --out docs/screenshots
"""

import sys
sys.dont_write_bytecode = True

import argparse
import os
import re
import shutil
import time

import tesvik_driver as drv
from xsession import E2EFailure, XSession, make_temp_dir, missing_tools, wait_until

PAGE_FILES = {
    "radicalDirectory": "radical-directory.png",
    "radicalLookup": "radical-lookup.png",
    "strokeOrder": "stroke-order.png",
    "customArea": "custom-area.png",
    "pinyin": "pinyin.png",
    "symbol": "symbol.png",
}
SETTINGS_TITLE = "LumenarTesvik输入法软件设置"
ABOUT_TITLE = "关于 LumenarTesvik输入法软件"


def save_small(session, source, target):
    """An 8-bit palette PNG without metadata keeps the files small."""
    session.run(["convert", source, "-strip", "-colors", "256", "-define", "png:compression-level=9",
                 "PNG8:" + target], timeout=60)


def dialog_window(session, title):
    windows = [w for w in session.find_windows("^" + re.escape(title) + "$") if session.is_viewable(w)]
    return windows[0] if windows else 0


def shoot(session, window, name, out_dir, work_dir, log):
    raw = os.path.join(work_dir, "raw-" + name)
    session.screenshot(window, raw)
    save_small(session, raw, os.path.join(out_dir, name))
    log(f"{name}: {os.path.getsize(os.path.join(out_dir, name))} bytes")


def open_from_tray(session, tesvik, downs):
    """Right click on the tray icon, then the menu item `downs` places down (隐藏 显示 退出 设置)."""
    pid = tesvik.process.pid
    result = session.run(["xdotool", "search", "--pid", str(pid)], check=False)
    for line in result.stdout.decode().split():
        window = int(line)
        if window != tesvik.window and session.is_viewable(window):
            x, y, w, h = session.geometry(window)
            if w <= 64 and h <= 64:
                session.click(x + w // 2, y + h // 2, button=3)
                time.sleep(0.5)
                session.key(*(["Down"] * downs), "Return")
                return
    raise E2EFailure("no tray icon of Tesvik found")


def about_button_offset(session, tesvik, work_dir):
    """The last button of the top button row ("关于"): the rightmost non-background pixel column
    in the row's band, scanning from the right."""
    raw = os.path.join(work_dir, "row.png")
    session.screenshot(tesvik.window, raw)
    _, _, width, _ = session.geometry(tesvik.window)
    band = session.output(["convert", raw, "-crop", f"{width}x24+0+2", "+repage", "-colorspace", "gray",
                           "-threshold", "60%", "-negate", "-trim", "info:"])
    match = re.search(r" (\d+)x(\d+) \d+x\d+\+(\d+)\+(\d+)", band)
    if not match:
        raise E2EFailure(f"cannot find the button row ({band.strip()!r})")
    w, h, left, top = (int(v) for v in match.groups())
    return (left + w - 20, 2 + top + h // 2)


# What each page shows in its screenshot: keys typed into its first control.
PAGE_QUERIES = {
    "radicalDirectory": lambda t: t.type("441"),
    "radicalLookup": lambda t: (t.keys("ctrl+a"), t.type("3")),
    "strokeOrder": lambda t: (t.type("7"), t.keys("Tab"), t.type("12")),
    "pinyin": lambda t: t.type("zhang"),
}


class ScreenshotRun:
    """A private X session with Tesvik running (every page shown), and where its screenshots go."""

    def __init__(self, session, tesvik, out_dir, work_dir, log):
        self.session = session
        self.tesvik = tesvik
        self.out_dir = out_dir
        self.work_dir = work_dir
        self.log = log

    def shoot(self, window, name):
        shoot(self.session, window, name, self.out_dir, self.work_dir, log=self.log)


def screenshot_arguments(description):
    """The command line every screenshot script takes; a script adds its own options."""
    parser = argparse.ArgumentParser(description=description, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--tesvik", required=True)
    parser.add_argument("--data-dir", required=True)
    parser.add_argument("--out", required=True)
    return parser


def take_screenshots(args, work_prefix, take, before_start=None):
    """Starts Xvfb and Tesvik, calls take(ScreenshotRun), ends Tesvik; the exit status. before_start
    (session, tesvik) runs in the fresh home before Tesvik starts. The work folder is kept on a failure."""
    missing = missing_tools()
    if missing:
        print("screenshots: missing tools: " + ", ".join(missing), file=sys.stderr)
        return 1
    os.makedirs(args.out, exist_ok=True)
    work_dir = make_temp_dir(work_prefix)
    log = lambda message: print(message, flush=True)
    try:
        with XSession(work_dir, log=log) as session:
            tesvik = drv.Tesvik(session, args.tesvik, args.data_dir, os.path.join(work_dir, "home"),
                                show_all_pages=True, log=log)
            if before_start:
                before_start(session, tesvik)
            tesvik.start()
            time.sleep(0.5)
            take(ScreenshotRun(session, tesvik, args.out, work_dir, log))
            tesvik.stop()
    except E2EFailure as failure:
        print(f"screenshots: {failure} (work folder kept: {work_dir})", file=sys.stderr)
        return 1
    shutil.rmtree(work_dir, ignore_errors=True)
    return 0


def take_page_screenshots(run):
    session, tesvik = run.session, run.tesvik
    for page in drv.PAGES_WITH_ALL:
        tesvik.click_window()
        tesvik.show_page(page)
        PAGE_QUERIES.get(page, lambda t: None)(tesvik)
        time.sleep(0.5)
        run.shoot(tesvik.window, PAGE_FILES[page])

    open_from_tray(session, tesvik, 4)
    settings = wait_until("the settings dialog", lambda: dialog_window(session, SETTINGS_TITLE), 5)
    time.sleep(0.5)
    run.shoot(settings, "settings-dialog.png")
    session.key("Escape")
    wait_until("the settings dialog to close", lambda: not dialog_window(session, SETTINGS_TITLE), 5)

    tesvik.click_window()
    tesvik.click_at_offset(about_button_offset(session, tesvik, run.work_dir))
    about = wait_until("the about box", lambda: dialog_window(session, ABOUT_TITLE), 5)
    time.sleep(0.5)
    run.shoot(about, "about-box.png")
    session.key("Escape")


def main():
    parser = screenshot_arguments(__doc__)
    parser.add_argument("--pelorin", help="run its start-up set-up in the fresh home first")
    parser.add_argument("--register-font", help="LMCivic.TTE, copied to the fresh home's fonts folder first")
    args = parser.parse_args()

    def set_up_register_font(session, tesvik):
        if args.pelorin:
            drv.set_up_register_font(session, tesvik, args.pelorin, args.register_font)

    return take_screenshots(args, "tesvik-shots-", take_page_screenshots, before_start=set_up_register_font)


if __name__ == "__main__":
    sys.exit(main())
