"""The programs Tesvik types into: a Qt line edit and an xterm running cat."""

import os

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

    def wait_for_window(self):
        pattern = "^" + self.title + "$"

        def found():
            if self.process.poll() is not None:
                raise E2EFailure(f"{self.title} ended at start (status {self.process.returncode})")
            windows = [w for w in self.session.find_windows(pattern) if self.session.is_viewable(w)]
            return windows[0] if windows else 0

        self.window = wait_until(f'the target window "{self.title}"', found, 10)

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
        self.program = program

    def start(self):
        if not os.access(self.program, os.X_OK):
            raise E2EFailure(f"lineedit-target is not built: {self.program}")
        self.process = self.session.spawn(self.title.replace(" ", "-"),
                                          [self.program, "--title", self.title, "--output", self.file, "--live"])
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
