#!/usr/bin/env python3
"""End-to-end test of Pelorin's font manager window on a private X server.

  run_pelorin_e2e.py --pelorin BUILD/pelorin/cli/pelorin [--screenshots DIR] [--keep]

Fresh HOME and XDG folders; a fontconfig rule of this test names a copy of a
Debian CJK face "LMTestKai", one of the maker's families, so that the
window's default list has a row. Opens `pelorin manager` and drives it with
keys as a user would: backs the font up, links an EUDC font made by
`pelorin make-eudc` and unlinks it (fc-match shows each), imports a library
of more than 2,000 glyphs made by `pelorin pfi-pack` through the import
dialog while the progress window shows, cancels a second import half-way
(every file and the link unchanged) and sees the list grow when a font is
added to the fonts folder. With --screenshots it also saves the window, the
dialogs and the progress window there, and the window in English and in
traditional Chinese. Exit status 0 when every check passed.
"""

import sys
sys.dont_write_bytecode = True

import hashlib
import os
import subprocess
import time

from checks import CheckRecorder, missing_tools_need, run_test, test_arguments
from xsession import E2EFailure, XSession, missing_tools, wait_until

UKAI = "/usr/share/fonts/truetype/arphic/ukai.ttc"
UKAI_CHINA = 0  # named LMTestKai here; it draws no Private Use Area code, so its EUDC font shows
UKAI_HONG_KONG = 1  # the face with Private Use Area glyphs, which become the libraries' EUDC codes
ZENHEI = "/usr/share/fonts/truetype/wqy/wqy-zenhei.ttc"
FACE = "LMTestKai"
ADDED_FACE = "LMTestZenHei"

WINDOW = "Lumenar字体管理表"
IMPORT_DIALOG = "引入Zorvan补字库"
PROGRESS = "Zorvan补字库转换为TrueType字库"
ABOUT = "版本说明"

# The window's focus order from the list: the import button, then the three
# buttons that need a row (skipped while they are disabled), then 关于.
TABS_TO = {"import": 1, "backup": 2, "link": 3, "unlink": 4, "about": 5}
TABS_TO_ABOUT_WITHOUT_ROW = 2


def sha256(path):
    with open(path, "rb") as f:
        return hashlib.sha256(f.read()).hexdigest()


def fontconfig_rule(source_folder, kai_copy, zenhei_link):
    """A test-only rule: the copies' faces get family names of the maker."""
    def rename(file, index, family):
        return (f'  <match target="scan">\n    <test name="file"><string>{file}</string></test>\n'
                f'    <test name="index"><int>{index}</int></test>\n'
                f'    <edit name="family" mode="assign_replace"><string>{family}</string></edit>\n  </match>\n')
    return ('<?xml version="1.0"?>\n<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">\n<fontconfig>\n'
            f'  <dir>{source_folder}</dir>\n' + rename(kai_copy, UKAI_CHINA, FACE) +
            rename(zenhei_link, 0, ADDED_FACE) + '</fontconfig>\n')


class Run(CheckRecorder):
    def __init__(self, args, work_dir):
        super().__init__(args, work_dir)
        self.process = None
        self.window = 0

    # ---- files ---------------------------------------------------------------
    def path(self, *parts):
        return os.path.join(self.work_dir, *parts)

    def environment(self, lang="zh_CN.UTF-8"):
        """The window's language from LANG; the code page 0 (codes are UCS-2) from LC_CTYPE, as
        the libraries made here have it. An empty LC_ALL counts as unset."""
        home = self.path("home")
        return {"HOME": home, "XDG_CONFIG_HOME": os.path.join(home, ".config"),
                "XDG_DATA_HOME": os.path.join(home, ".local/share"), "XDG_CACHE_HOME": os.path.join(home, ".cache"),
                "LANG": lang, "LC_ALL": "", "LC_CTYPE": "C.UTF-8"}

    def pelorin(self, *arguments, check=True):
        env = self.session.env(self.environment())
        result = subprocess.run([self.args.pelorin, *arguments], env=env, capture_output=True, timeout=120,
                                cwd=self.work_dir)
        if check and result.returncode != 0:
            raise E2EFailure(f"pelorin {' '.join(arguments)} failed ({result.returncode}): "
                             f"{result.stderr.decode(errors='replace')}")
        return result

    def fc_second_family(self, face):
        env = self.session.env(self.environment())
        out = subprocess.run(["fc-match", "-s", "-f", "%{family}\n", face], env=env, capture_output=True,
                             timeout=60).stdout.decode()
        lines = out.splitlines()
        return lines[1] if len(lines) > 1 else ""

    def prepare(self):
        env = self.environment()
        for key in ("XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"):
            os.makedirs(env[key], exist_ok=True)
        self.fonts_folder = os.path.join(env["XDG_DATA_HOME"], "fonts")
        os.makedirs(self.fonts_folder, exist_ok=True)
        source = self.path("source-fonts")
        os.makedirs(source)
        self.kai_copy = os.path.join(source, "ukai.ttc")
        os.symlink(UKAI, self.kai_copy)
        self.zenhei_link = os.path.join(self.fonts_folder, "zenhei.ttc")
        rules = os.path.join(env["XDG_CONFIG_HOME"], "fontconfig", "conf.d")
        os.makedirs(rules)
        with open(os.path.join(rules, "10-e2e-maker-faces.conf"), "w") as f:
            f.write(fontconfig_rule(source, self.kai_copy, self.zenhei_link))
        # Libraries from the Hong Kong face's Private Use Area (its EUDC codes)
        # and its ideographs.
        self.library = self.path("big.pfi")
        self.pelorin("pfi-pack", UKAI, "--face-index", str(UKAI_HONG_KONG), "--codes", "E000-F8FF,4E00-9FFF",
                     "--em", "1024", "--out", self.library)
        self.small_library = self.path("small.pfi")
        self.pelorin("pfi-pack", UKAI, "--face-index", str(UKAI_HONG_KONG), "--codes", "E000-E0FF",
                     "--em", "1024", "--out", self.small_library)
        self.linked_eudc = self.path("linked.tte")
        self.pelorin("make-eudc", self.small_library, self.linked_eudc)
        info = self.pelorin("pfi-info", self.library).stdout.decode()
        glyphs = int(dict(line.split("\t") for line in info.splitlines())["glyph-count"])
        if glyphs < 2000:
            raise E2EFailure(f"the import library holds {glyphs} glyphs, fewer than 2,000")
        listed = self.pelorin("list").stdout.decode()
        if not listed.startswith(FACE + "\t"):
            raise E2EFailure(f"pelorin list does not show {FACE} first:\n{listed}")
        return f"{glyphs} glyphs in the library; {FACE} listed"

    # ---- the window ------------------------------------------------------------
    def start(self, lang="zh_CN.UTF-8", title=WINDOW):
        self.process = self.session.spawn("pelorin-" + lang, [self.args.pelorin, "manager"],
                                          env_extra=self.environment(lang))
        windows = wait_until(f"the window {title!r}", lambda: self.visible(title), 20)
        self.window = windows[0]
        self.session.activate(self.window)
        return f"window {self.window:#x}"

    def stop(self):
        if self.process:
            self.session.end_process(self.process)
            self.session.forget(self.process)
            self.process = None

    def visible(self, title):
        # xdotool's name pattern does not match Chinese titles: every visible named window is compared.
        return [w for w in self.session.find_windows(".", only_visible=True) if self.session.window_name(w) == title]

    def dialog(self, title, timeout=10):
        found = wait_until(f"the window {title!r}", lambda: self.visible(title), timeout)
        self.session.activate(found[0])
        return found[0]

    def messages(self):
        """Message boxes over the window (they carry the window's title)."""
        return [w for w in self.visible(WINDOW) if w != self.window]

    def dismiss_messages(self):
        shown = self.messages()
        for box in shown:
            picture = os.path.join(self.work_dir, f"message-{box:#x}.png")  # kept with the work folder on failure
            self.session.run(["import", "-display", self.session.display, "-window", str(box), picture],
                             check=False, timeout=20)
            self.log(f"     message box {box:#x} answered ({os.path.basename(picture)})")
            self.session.activate(box)
            self.keys("Return")
            time.sleep(0.2)
        return len(shown)

    def wait_for_progress(self):
        """The progress window, once the library's warning (its code page is 0) is answered."""
        # Not activated: the warning over it is modal.
        progress = wait_until(f"the window {PROGRESS!r}", lambda: self.visible(PROGRESS), 10)[0]
        wait_until("the library's code-space warning", self.messages, 10)
        self.dismiss_messages()
        return progress

    def gone(self, title, timeout=10):
        wait_until(f"{title!r} to close", lambda: not self.visible(title), timeout)

    def keys(self, *keys):
        self.session.key(*keys, delay_ms=30)

    def focus_list(self, row=None):
        """A click in the list's empty lower part gives it the focus and clears the selection;
        Home and Down then make a row current, Space selects it (Home alone does not when the
        first row is current already)."""
        self.session.activate(self.window)
        x, y, w, h = self.session.geometry(self.window)
        self.session.click(x + w // 2, y + h - 100)
        time.sleep(0.2)
        if row is not None:
            self.keys("Home", *(["Down"] * row), "space")
            time.sleep(0.1)

    def press(self, button):
        self.keys(*(["Tab"] * TABS_TO[button]), "space")

    def type_path(self, path, replace=True):
        if replace:
            self.keys("ctrl+a")
        self.session.type_text(path, delay_ms=8)
        time.sleep(0.1)

    def shoot(self, window, name):
        if self.args.screenshots:
            time.sleep(0.3)
            self.session.screenshot(window, os.path.join(self.args.screenshots, name), frame=True)

    # ---- checks ------------------------------------------------------------
    def buttons_need_a_row(self):
        self.focus_list()
        self.keys(*(["Tab"] * TABS_TO_ABOUT_WITHOUT_ROW), "space")
        about = self.dialog(ABOUT)
        self.shoot(about, "pelorin-about-box.png")
        self.keys("Return")
        self.gone(ABOUT)
        self.focus_list(0)
        self.press("backup")
        title = f"备份:{FACE}..."
        self.dialog(title)
        self.keys("Escape")
        self.gone(title)
        return "without a row Tab reaches 关于; with one, 备份字体 opens its dialog"

    def backup(self):
        target = self.path("backup.ttf")
        self.focus_list(0)
        self.shoot(self.window, "pelorin-window.png")
        self.press("backup")
        self.dialog(f"备份:{FACE}...")
        self.type_path(target)
        self.keys("Return")
        wait_until("the backup file", lambda: os.path.exists(target) and os.path.getsize(target) ==
                   os.path.getsize(UKAI), 10)
        if sha256(target) != sha256(UKAI):
            raise E2EFailure("the backup differs from the font file")
        return f"{os.path.getsize(target)} bytes, identical"

    def link(self):
        self.focus_list(0)
        self.press("link")
        self.dialog(f"{FACE}：链接EUDC...")
        self.type_path(self.linked_eudc)
        self.keys("Return")
        expected = "EUDC " + os.path.basename(self.linked_eudc)
        wait_until(f"fc-match to fall back from {FACE} to {expected}",
                   lambda: self.fc_second_family(FACE) == expected, 10)
        return expected

    def unlink(self):
        self.focus_list(0)
        self.press("unlink")
        wait_until(f"fc-match to fall back from {FACE} to something else than the EUDC font",
                   lambda: not self.fc_second_family(FACE).startswith("EUDC "), 10)
        return self.fc_second_family(FACE)

    def fill_import_dialog(self, eudc_path, font_path=None):
        """Library and new EUDC file typed in; with `font_path` mode 2 (everything into a new
        copy of the font) with the library's glyphs first, else mode 0."""
        self.focus_list(0)
        self.press("import")
        dialog = self.dialog(IMPORT_DIALOG)
        self.keys("Tab")  # the font combo (the selected row) -> library
        self.type_path(self.library)
        self.keys("Tab", "Tab")  # -> new EUDC file
        self.type_path(eudc_path)
        if font_path:
            self.keys("Tab", "Tab", "Down", "Down")  # -> the mode radios: mode 2
            self.keys("Tab", "Down")  # -> precedence: the library's glyphs first
            self.keys("shift+Tab", "shift+Tab", "shift+Tab")  # -> the new font file, shown in mode 2
            self.type_path(font_path)
        self.shoot(dialog, "pelorin-import-dialog.png")
        self.keys("Return")
        self.gone(IMPORT_DIALOG)

    def import_library(self):
        new_eudc = self.path("imported.tte")
        self.fill_import_dialog(new_eudc)
        self.wait_for_progress()
        wait_until("the import to end", lambda: self.dismiss_messages() == 0 and not self.visible(PROGRESS), 60,
                   interval=0.3)
        if not os.path.exists(new_eudc):
            raise E2EFailure(f"no EUDC file {new_eudc} after the import")
        expected = "EUDC " + os.path.basename(new_eudc)
        wait_until(f"fc-match to fall back to {expected}", lambda: self.fc_second_family(FACE) == expected, 10)
        self.imported_eudc = new_eudc
        self.shoot(self.window, "pelorin-window-after-import.png")
        return f"{os.path.getsize(new_eudc)} bytes, linked"

    def shoot_region(self, window, name):
        """A window that may close any moment: its part of the screen, with the title bar."""
        if self.args.screenshots:
            x, y, w, h = self.session.geometry(window)
            title_bar = 22
            self.session.run(["import", "-display", self.session.display, "-window", "root", "-crop",
                              f"{w + 2}x{h + title_bar + 2}+{x - 1}+{y - title_bar - 1}", "+repage",
                              os.path.join(self.args.screenshots, name)], timeout=20)

    def state(self):
        """Every file the import could touch, and the link."""
        files = {}
        for root, _, names in os.walk(self.work_dir):
            if root.startswith(self.path("home", ".cache")):
                continue  # fontconfig's caches
            for name in names:
                full = os.path.join(root, name)
                # Pictures, logs, Qt's dialog state and fontconfig's folder marks are not the import's.
                if name.endswith((".png", ".log")) or name in ("QtProject.conf", ".uuid") or not os.path.isfile(full):
                    continue
                files[full] = sha256(full)
        files["fc-match"] = self.fc_second_family(FACE)
        return files

    def cancel_import(self):
        before = self.state()
        # Mode 2 into the linked EUDC file itself (the import edits it in place) and a new copy
        # of the font: long enough to be stopped half-way.
        new_font = self.path("never.ttc")
        self.fill_import_dialog(self.imported_eudc, new_font)
        progress = wait_until(f"the window {PROGRESS!r}", lambda: self.visible(PROGRESS), 10)[0]
        warning = wait_until("the library's code-space warning", self.messages, 10)[0]
        # Answer the warning and cancel at once (Esc is 取消 in the progress window,
        # which has the focus again): a Release build converts the library in well
        # under a second.
        self.session.activate(warning)
        self.keys("Return", "Escape")
        if self.session.is_viewable(progress):
            self.shoot_region(progress, "pelorin-progress.png")
        answered = []
        wait_until("the import to end", lambda: answered.append(self.dismiss_messages()) or
                   not self.visible(PROGRESS) and not self.messages(), 30, interval=0.2)
        wait_until("the window to settle", lambda: answered.append(self.dismiss_messages()) or not self.messages(), 3)
        after = self.state()
        changed = sorted(k for k in set(before) | set(after) if before.get(k) != after.get(k))
        if changed:
            raise E2EFailure("changed by the cancelled import: " + ", ".join(changed))
        if not any(answered):
            raise E2EFailure("no message said that the import was cancelled")
        return f"{len(after)} files and the link unchanged"

    def list_follows_new_font(self):
        os.symlink(ZENHEI, self.zenhei_link)
        wanted = f"备份:{ADDED_FACE}..."

        def backup_title(row_key):
            """The face of the first or last row, as the title of its backup dialog; None when the
            list was rebuilt under the keys and another window opened, which is closed again."""
            self.focus_list()
            self.keys(row_key, "space")
            self.press("backup")
            try:
                shown = wait_until("a backup dialog", lambda: [w for w in self.session.find_windows(".", True)
                                                               if self.session.window_name(w).startswith("备份:")], 5)
            except E2EFailure:
                for stray in self.visible(ABOUT) + self.messages():
                    self.session.activate(stray)
                    self.keys("Escape")
                return None
            title = self.session.window_name(shown[0])
            self.session.activate(shown[0])
            self.keys("Escape")
            self.gone(title)
            return title

        wait_until(f"{ADDED_FACE} in the list",
                   lambda: any(backup_title(key) == wanted for key in ("Home", "End")), 20, interval=0.5)
        return f"{ADDED_FACE} listed"

    def other_languages(self):
        self.stop()
        for lang, title, name in (("en_US.UTF-8", "Lumenar Font Manager", "pelorin-window-english.png"),
                                  ("zh_TW.UTF-8", "Lumenar字型管理表", "pelorin-window-traditional.png")):
            self.start(lang, title)
            self.focus_list(0)
            self.shoot(self.window, name)
            self.stop()
        return "English and traditional Chinese windows"

    def main(self):
        os.chdir(self.work_dir)  # where the import dialog puts a new font file by default
        with XSession(self.work_dir, log=self.log) as session:
            self.session = session
            if not self.check("fonts, libraries and EUDC font prepared", self.prepare):
                return
            if not self.check("pelorin manager opens the window", self.start):
                return
            self.check("the row buttons need a selected row", self.buttons_need_a_row)
            self.check("备份字体 copies the font file byte for byte", self.backup)
            self.check("链接EUDC links the EUDC font (fc-match)", self.link)
            self.check("断开EUDC removes the link (fc-match)", self.unlink)
            if self.check("an import of 2,000 glyphs runs with the progress window", self.import_library):
                self.check("取消 half-way leaves every file and the link as before", self.cancel_import)
            self.check("a font added to the fonts folder joins the list", self.list_follows_new_font)
            if self.args.screenshots:
                self.check("the window speaks English and traditional Chinese", self.other_languages)
            self.stop()


def main():
    parser = test_arguments(__doc__, "--pelorin")
    parser.add_argument("--screenshots", help="save screenshots into this folder")
    args = parser.parse_args()
    needs = missing_tools_need(missing_tools("fc-match"))
    needs += [f"missing font {font}" for font in (UKAI, ZENHEI) if not os.path.exists(font)]
    # The user's own registry store and fontconfig set-up stay out of the test.
    for variable in ("LUMENAR_REGISTRY_FILE", "FONTCONFIG_FILE", "FONTCONFIG_PATH"):
        os.environ.pop(variable, None)
    args.pelorin = os.path.abspath(args.pelorin)
    if args.screenshots:
        args.screenshots = os.path.abspath(args.screenshots)
        os.makedirs(args.screenshots, exist_ok=True)
    return run_test("e2e", needs, Run, args, "pelorin-e2e-")


if __name__ == "__main__":
    sys.exit(main())
