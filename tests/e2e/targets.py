"""The programs Tesvik types into: a Qt line edit, an xterm running cat, a Chromium textarea and a GTK
entry (zenity)."""

import json
import os
import re
import shutil
import subprocess
import urllib.request

from xsession import E2EFailure, wait_until


class Target:
    kind = ""

    def __init__(self, session, work_dir, name):
        self.session = session
        self.name = name
        self.title = f"E2E {self.kind} {name}"
        self.file = os.path.join(work_dir, f"{self.kind}-{name}.txt")
        self.process = None
        self.window = 0

    def wait_for_window(self, pattern=None, timeout=10):
        """Waits for the target's viewable window, named by the regular expression `pattern` (its title)."""
        pattern = pattern or "^" + self.title + "$"

        def found():
            if self.process.poll() is not None:
                raise E2EFailure(f"{self.title} ended at start (status {self.process.returncode})")
            windows = [w for w in self.session.find_windows(pattern) if self.session.is_viewable(w)]
            return windows[0] if windows else 0

        self.window = wait_until(f'the target window "{self.title}"', found, timeout)

    def text(self):
        try:
            with open(self.file, "rb") as f:
                return f.read().decode("utf-8", errors="replace")
        except FileNotFoundError:
            return ""

    def focus(self):
        self.session.activate(self.window)

    def finish(self):
        """Ends the target and returns the text it received."""
        if self.process is not None:
            self.session.end_process(self.process)
            self.session.forget(self.process)
            self.process = None
        return self.text()


class LineEditTarget(Target):
    """tools/lineedit-target: rewrites its file after every change and once more when it ends."""
    kind = "lineedit"

    def __init__(self, session, work_dir, name, program):
        super().__init__(session, work_dir, name)
        self.binary = program
        self.program = os.path.basename(program)  # the name the input method knows it by

    def start(self):
        if not os.access(self.binary, os.X_OK):
            raise E2EFailure(f"lineedit-target is not built: {self.binary}")
        self.process = self.session.spawn(self.title.replace(" ", "-"),
                                          [self.binary, "--title", self.title, "--output", self.file, "--live"])
        self.wait_for_window()
        return self


class XtermTarget(Target):
    """xterm in raw mode running cat: every byte typed lands in the file at once."""
    kind = "xterm"

    def start(self):
        open(self.file, "wb").close()
        self.process = self.session.spawn(
            self.title.replace(" ", "-"),
            ["xterm", "-u8", "-T", self.title, "-geometry", "60x6", "-fa", "WenQuanYi Zen Hei Mono", "-fs", "14",
             "-xrm", "XTerm*allowTitleOps: false",
             "-e", "sh", "-c", 'stty raw -echo; exec cat >> "$0"', self.file])
        self.wait_for_window()
        return self


class ZenityTarget(Target):
    """zenity --entry: a GTK 3 entry nobody here wrote; it prints its text when it ends, on Return
    or, with a timeout, when that has passed (as a native Wayland client it ignores a typed Return)."""
    kind = "zenity"
    program = "zenity"

    def __init__(self, session, work_dir, name, timeout=None):
        super().__init__(session, work_dir, name)
        self.timeout = timeout

    def start(self):
        argv = ["zenity", "--entry", "--title", self.title, "--text", "Type here"]
        if self.timeout is not None:
            argv += ["--timeout", str(self.timeout)]
        with open(self.file, "wb") as output:
            self.process = self.session.spawn(self.title.replace(" ", "-"), argv, stdout=output)
        self.wait_for_window()
        return self

    def text(self):
        return ""  # known only when it ends

    def printed_text(self, timeout):
        """Waits for zenity to end; the text it printed."""
        try:
            self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            raise E2EFailure(f"{self.title} did not end within {timeout} s")
        finally:
            self.session.end_process(self.process)
            self.session.forget(self.process)
        with open(self.file, "rb") as f:
            return f.read().decode("utf-8", errors="replace").rstrip("\n")

    def finish(self):
        self.focus()
        self.session.key("Return")
        return self.printed_text(5)


CHROMIUM_PAGE = """<!doctype html>
<html><head><meta charset="utf-8"><title>{title} []</title></head>
<body style="margin:0">
<textarea id="text" autofocus style="width:95%;height:160px;font-size:24px"></textarea>
<script>
// The page's title carries the text as code points, so the test reads it
// through the DevTools port's page list.
const text = document.getElementById("text");
text.addEventListener("input", () => {{
    const codes = Array.from(text.value, c => c.codePointAt(0).toString(16).toUpperCase());
    document.title = "{title} [" + codes.join(" ") + "]";
}});
text.focus();
</script></body></html>
"""


# The DevTools port is local: no proxy of the environment in between.
DIRECT = urllib.request.build_opener(urllib.request.ProxyHandler({}))


class ChromiumTarget(Target):
    """Chromium showing a local page with one textarea, read back through its DevTools port."""
    kind = "chromium"

    def start(self):
        if shutil.which("chromium") is None:
            raise E2EFailure("chromium is not installed (Debian package chromium)")
        profile = os.path.join(os.path.dirname(self.file), f"chromium-profile-{self.name}")
        shutil.rmtree(profile, ignore_errors=True)
        os.makedirs(profile)
        self.profile = profile
        page = os.path.join(os.path.dirname(self.file), f"chromium-{self.name}.html")
        with open(page, "w", encoding="utf-8") as f:
            f.write(CHROMIUM_PAGE.format(title=self.title))
        self.page_url = "file://" + page
        self.port = 0
        self.process = self.session.spawn(
            self.title.replace(" ", "-"),
            ["chromium", "--no-sandbox", "--disable-gpu", "--no-first-run", "--disable-background-networking",
             "--disable-component-update", "--disable-sync", "--no-default-browser-check",
             "--password-store=basic", "--remote-debugging-port=0", "--remote-debugging-address=127.0.0.1",
             f"--user-data-dir={profile}", "--window-size=700,300", f"--app={self.page_url}"])
        self.wait_for_window("^" + re.escape(self.title) + " \\[", timeout=30)  # the title carries the text
        wait_until("Chromium's DevTools port", self.devtools_port, 20)
        wait_until("Chromium's page to load", lambda: self.page_title() is not None, 20)
        return self

    def devtools_port(self):
        try:
            with open(os.path.join(self.profile, "DevToolsActivePort"), encoding="utf-8") as f:
                self.port = int(f.readline().strip())
        except (FileNotFoundError, ValueError):
            return 0
        return self.port

    def page_title(self):
        try:
            with DIRECT.open(f"http://127.0.0.1:{self.port}/json/list", timeout=3) as reply:
                pages = json.load(reply)
        except (OSError, ValueError):
            return None
        for page in pages:
            if page.get("type") == "page" and page.get("url") == self.page_url:
                return page.get("title", "")
        return None

    def text(self):
        if self.process is None:
            return self.last_text
        title = self.page_title()
        prefix = self.title + " ["
        if title is None or not title.startswith(prefix) or not title.endswith("]"):
            return self.last_text
        codes = title[len(prefix):-1].split()
        self.last_text = "".join(chr(int(code, 16)) for code in codes)
        return self.last_text

    last_text = ""

    def finish(self):
        text = self.text()
        super().finish()
        return text
