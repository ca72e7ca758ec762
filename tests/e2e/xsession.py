"""A private X session for end-to-end tests: Xvfb, a window manager, a tray
host, and small wrappers around the command-line X tools that drive it.

Every process started here is ended by XSession.close(), also when a check
fails half-way; use the session as a context manager.
"""

import os
import shutil
import signal
import subprocess
import tempfile
import time


def _die_with_parent():
    """Child side of a spawn: end when the test driver ends, however it ends
    (a test runner's timeout kills the driver without running its clean-up)."""
    import ctypes
    PR_SET_PDEATHSIG = 1
    ctypes.CDLL(None, use_errno=True).prctl(PR_SET_PDEATHSIG, signal.SIGKILL)


class E2EFailure(Exception):
    """A check failed; the message says what was expected and what was seen."""


REQUIRED_TOOLS = ["Xvfb", "openbox", "tint2", "xdotool", "xwininfo", "xprop", "xkbcomp", "xclip", "xterm", "import"]


def missing_tools(*extra):
    """The tools a session needs, and the test's `extra` ones, that are not installed."""
    return [tool for tool in REQUIRED_TOOLS + list(extra) if shutil.which(tool) is None]


def wait_until(what, predicate, timeout, interval=0.05):
    """Polls predicate until it returns a true value; fails naming `what` after `timeout` seconds."""
    deadline = time.monotonic() + timeout
    while True:
        value = predicate()
        if value:
            return value
        if time.monotonic() >= deadline:
            raise E2EFailure(f"timed out after {timeout:.1f} s waiting for {what}")
        time.sleep(interval)


class XSession:
    def __init__(self, work_dir, width=1280, height=900, log=print):
        self.work_dir = work_dir
        self.log = log
        self.size = (width, height)
        self.display = None
        self.processes = []  # (name, Popen), ended in reverse order

    # ---- life cycle -------------------------------------------------------
    def __enter__(self):
        self.start()
        return self

    def __exit__(self, *exc):
        self.close()
        return False

    def start(self):
        read_end, write_end = os.pipe()
        xvfb = self.spawn("Xvfb", ["Xvfb", "-displayfd", str(write_end), "-noreset", "-nolisten", "tcp",
                                   "-screen", "0", f"{self.size[0]}x{self.size[1]}x24"],
                          pass_fds=(write_end,), with_display=False)
        os.close(write_end)
        number = b""
        deadline = time.monotonic() + 15
        while not number.endswith(b"\n"):
            if time.monotonic() > deadline or xvfb.poll() is not None:
                os.close(read_end)
                raise E2EFailure("Xvfb did not report a display number (see xvfb.log)")
            chunk = os.read(read_end, 16)
            if not chunk:
                break
            number += chunk
        os.close(read_end)
        self.display = ":" + number.decode().strip()
        self.log(f"X server on display {self.display}")
        wait_until("the X server to answer", lambda: self.run(["xprop", "-root", "_NET_SUPPORTED"], check=False)
                   .returncode == 0 or self.run(["xwininfo", "-root"], check=False).returncode == 0, 10)
        self.spawn("openbox", ["openbox", "--sm-disable"])
        wait_until("openbox to manage the screen",
                   lambda: "_NET_SUPPORTING_WM_CHECK(WINDOW)" in self.output(["xprop", "-root"], check=False), 10)
        tint2rc = os.path.join(self.work_dir, "tint2rc")
        with open(tint2rc, "w") as f:
            f.write(TINT2_CONFIG)
        self.spawn("tint2", ["tint2", "-c", tint2rc])
        wait_until("the tray host (tint2) to show its panel",
                   lambda: self.run(["xdotool", "search", "--class", "tint2"], check=False).returncode == 0, 10)

    def close(self):
        for name, process in reversed(self.processes):
            self.end_process(process)
        self.processes = []

    # ---- processes --------------------------------------------------------
    def env(self, extra=None):
        """The environment of a program in this session: the test's own, on this session's display."""
        env = dict(os.environ)
        self.point_at_display(env)
        env.setdefault("LANG", "C.UTF-8")
        env["LC_ALL"] = "C.UTF-8"
        if extra:
            env.update(extra)
        return env

    def point_at_display(self, env):
        """This X server, and no Wayland compositor."""
        if self.display:
            env["DISPLAY"] = self.display
        env.pop("WAYLAND_DISPLAY", None)
        env["QT_QPA_PLATFORM"] = "xcb"

    def spawn(self, name, argv, env_extra=None, pass_fds=(), with_display=True, stdout=None):
        log_path = os.path.join(self.work_dir, f"{name}.log")
        log_file = open(log_path, "ab")
        process = subprocess.Popen(argv, env=self.env(env_extra) if with_display else None,
                                   stdout=stdout if stdout is not None else log_file, stderr=log_file,
                                   stdin=subprocess.DEVNULL, pass_fds=pass_fds, start_new_session=True,
                                   preexec_fn=_die_with_parent)
        log_file.close()
        process.e2e_name = name
        self.processes.append((name, process))
        return process

    @staticmethod
    def end_process(process, grace=3.0):
        """Ends one process (and its process group) that this session started."""
        if process.poll() is not None:
            return process.returncode
        try:
            os.killpg(process.pid, signal.SIGTERM)
        except ProcessLookupError:
            pass
        try:
            return process.wait(grace)
        except subprocess.TimeoutExpired:
            try:
                os.killpg(process.pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
            return process.wait(5)

    def forget(self, process):
        self.processes = [(n, p) for (n, p) in self.processes if p is not process]

    def run(self, argv, check=True, timeout=15, input=None):
        try:
            result = subprocess.run(argv, env=self.env(), capture_output=True, timeout=timeout, input=input)
        except subprocess.TimeoutExpired:
            raise E2EFailure(f"{' '.join(argv)} did not finish within {timeout} s")
        if check and result.returncode != 0:
            raise E2EFailure(f"{' '.join(argv)} failed ({result.returncode}): "
                             f"{result.stderr.decode(errors='replace').strip()}")
        return result

    def output(self, argv, check=True, timeout=15):
        return self.run(argv, check=check, timeout=timeout).stdout.decode("utf-8", errors="replace")

    # ---- X queries --------------------------------------------------------
    def find_windows(self, name_regex, only_visible=False):
        argv = ["xdotool", "search"]
        if only_visible:
            argv.append("--onlyvisible")
        argv += ["--name", name_regex]
        result = self.run(argv, check=False)
        return [int(line) for line in result.stdout.decode().split()]

    def window_name(self, window):
        text = self.output(["xprop", "-id", str(window), "_NET_WM_NAME"], check=False)
        if "=" not in text:
            return ""
        value = text.split("=", 1)[1].strip()
        return value[1:-1] if value.startswith('"') else value

    def map_state(self, window):
        text = self.output(["xwininfo", "-id", str(window)], check=False)
        for line in text.splitlines():
            if "Map State:" in line:
                return line.split(":", 1)[1].strip()
        return "gone"

    def is_viewable(self, window):
        return self.map_state(window) == "IsViewable"

    def geometry(self, window):
        """(x, y, width, height) of the window's client area in root coordinates."""
        text = self.output(["xwininfo", "-id", str(window)])
        values = {}
        for line in text.splitlines():
            line = line.strip()
            for key in ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height"):
                if line.startswith(key + ":"):
                    values[key] = int(line.split(":", 1)[1])
        return (values["Absolute upper-left X"], values["Absolute upper-left Y"], values["Width"], values["Height"])

    def active_window(self):
        result = self.run(["xdotool", "getactivewindow"], check=False)
        text = result.stdout.decode().strip()
        return int(text) if result.returncode == 0 and text else 0

    def focus_window(self):
        text = self.output(["xdotool", "getwindowfocus", "-f"], check=False).strip()
        return int(text) if text.isdigit() else 0

    def keyboard_map(self, path):
        self.run(["xkbcomp", "-xkb", self.display, path])
        with open(path, encoding="utf-8", errors="replace") as f:
            return f.read()

    def clipboard(self):
        result = self.run(["xclip", "-o", "-selection", "clipboard"], check=False, timeout=5)
        return result.stdout.decode("utf-8", errors="replace") if result.returncode == 0 else None

    # ---- input ------------------------------------------------------------
    def activate(self, window):
        self.run(["xdotool", "windowactivate", "--sync", str(window)], check=False, timeout=10)
        wait_until(f"window {window:#x} to become active", lambda: self.active_window() == window, 5)

    def click(self, x, y, button=1):
        # No --sync: it waits for the pointer to move, forever when it is already there.
        self.run(["xdotool", "mousemove", str(x), str(y), "sleep", "0.05", "click", str(button)])

    def key(self, *keys, delay_ms=40):
        self.run(["xdotool", "key", "--delay", str(delay_ms)] + list(keys))

    def type_text(self, text, delay_ms=40):
        self.run(["xdotool", "type", "--delay", str(delay_ms), text])

    def screenshot(self, window, path, frame=False):
        argv = ["import", "-display", self.display, "-window", str(window)]
        if frame:
            argv.insert(1, "-frame")
        self.run(argv + [path], timeout=30)
        return path

    def screen_screenshot(self, path):
        """The whole screen."""
        self.run(["import", "-display", self.display, "-window", "root", path], timeout=20)
        return path


TINT2_CONFIG = """\
panel_items = S
panel_position = bottom right horizontal
panel_size = 200 30
panel_background_id = 0
systray_padding = 2 2 4
systray_icon_size = 24
"""


def make_temp_dir(prefix):
    return tempfile.mkdtemp(prefix=prefix)
