"""Fcitx5 with Tesvik's addon, run inside a test session, and the addon's
D-Bus interface driven with gdbus.

The caller provides the session bus (run the test under dbus-run-session).
fcitx5 gets a fresh home and finds the addon in the build folder:
FCITX_ADDON_DIRS lists the build's addon folder before the system one (the
variable replaces the default search path), XDG_DATA_DIRS the build's
share folder, where tesvik.conf lies.
"""

import os
import re
import shutil
import subprocess

from checks import missing_tools_need
from xsession import E2EFailure, wait_until

BUS_NAME = "org.lumenar.Tesvik.InputMethod"
OBJECT_PATH = "/org/lumenar/Tesvik/InputMethod"
INTERFACE = "org.lumenar.Tesvik.InputMethod1"

# Clients of the input method: GTK and Qt through fcitx's D-Bus frontend.
CLIENT_ENVIRONMENT = {
    "GTK_IM_MODULE": "fcitx",
    "QT_IM_MODULE": "fcitx",
    "XMODIFIERS": "@im=fcitx",
    "NO_AT_BRIDGE": "1",
}

# What a test with the input method needs besides its session's tools.
TOOLS = ["fcitx5", "gdbus", "zenity"]

_FINISHED = re.compile(r"\.CommitFinished \(uint64 (\d+), (true|false)\)")
_FOCUSED_CONTEXT = re.compile(r"IC \[[0-9a-f]+\] program:(\S*) .*focus:1")


def fresh_home(work_dir):
    """A home of its own for fcitx5 and its clients: empty configuration."""
    home = os.path.join(work_dir, "home")
    env = {"HOME": home}
    for variable, sub in (("XDG_CONFIG_HOME", ".config"), ("XDG_DATA_HOME", ".local/share"),
                          ("XDG_CACHE_HOME", ".cache"), ("XDG_RUNTIME_DIR", "runtime")):
        env[variable] = os.path.join(home, sub)
        os.makedirs(env[variable], exist_ok=True)
    os.chmod(env["XDG_RUNTIME_DIR"], 0o700)
    return env


def unmet_needs(session_tools):
    """Why an input-method test cannot run here: missing tools (its session's and TOOLS), no session bus."""
    needs = missing_tools_need([tool for tool in session_tools + TOOLS if shutil.which(tool) is None])
    if "DBUS_SESSION_BUS_ADDRESS" not in os.environ:
        needs.append("no session bus; run it under dbus-run-session")
    return needs


def use_test_profile(work_dir):
    """Every program started from now on gets a fresh home and types through the input method."""
    os.environ.update(fresh_home(work_dir))
    os.environ.update(CLIENT_ENVIRONMENT)


class InputMethod:
    def __init__(self, session, addon_build_dir, work_dir):
        self.session = session
        self.addon_build_dir = addon_build_dir
        self.monitor_file = os.path.join(work_dir, "addon-signals.log")
        self.process = None
        self.monitor = None

    def system_addon_dir(self):
        """The input method's own addon folder, as its development files name it (the build writes it)."""
        with open(os.path.join(self.addon_build_dir, "system-addon-dir"), encoding="utf-8") as f:
            return f.read().strip()

    def start(self):
        env = {
            "FCITX_ADDON_DIRS": os.path.join(self.addon_build_dir, "lib") + ":" + self.system_addon_dir(),
            "XDG_DATA_DIRS": os.path.join(self.addon_build_dir, "share") + ":/usr/local/share:/usr/share",
        }
        self.process = self.session.spawn("fcitx5", ["fcitx5", "--verbose=default=3"], env_extra=env)

        def answers():
            if self.process.poll() is not None:
                raise E2EFailure(f"fcitx5 ended at start (status {self.process.returncode}, see fcitx5.log)")
            return self.call("Version", check=False)

        version = wait_until(f"fcitx5 to load the addon and {BUS_NAME} to answer", answers, 15, interval=0.2)
        with open(self.monitor_file, "wb") as out:
            self.monitor = self.session.spawn("gdbus-monitor", ["gdbus", "monitor", "--session", "--dest", BUS_NAME,
                                                                "--object-path", OBJECT_PATH], stdout=out)
        wait_until("gdbus monitor to watch the addon", lambda: "is owned by" in self._monitor_text(), 5)
        self.session.log(f"fcitx5 runs the addon, Version answers {version}")
        return self

    def stop(self):
        for process in (self.monitor, self.process):
            if process is not None:
                self.session.end_process(process)

    def call(self, method, *arguments, check=True):
        """The method's reply as gdbus prints it, e.g. "(uint64 3,)"; None when it failed and check is off."""
        argv = ["gdbus", "call", "--session", "--dest", BUS_NAME, "--object-path", OBJECT_PATH,
                "--method", f"{INTERFACE}.{method}", "--"] + list(arguments)
        result = subprocess.run(argv, env=self.session.env(), capture_output=True, timeout=10)
        if result.returncode != 0:
            if check:
                raise E2EFailure(f"{method}{arguments} failed: {result.stderr.decode(errors='replace').strip()}")
            return None
        return result.stdout.decode().strip()

    def commit(self, text, own_program="tesvik"):
        reply = self.call("Commit", text, own_program)
        match = re.fullmatch(r"\(uint64 (\d+),\)", reply)
        if not match:
            raise E2EFailure(f"Commit answered {reply!r}, expected a request id")
        return int(match.group(1))

    def _monitor_text(self):
        with open(self.monitor_file, encoding="utf-8", errors="replace") as f:
            return f.read()

    def finished(self):
        """{request id: delivered} for every CommitFinished seen so far."""
        return {int(m.group(1)): m.group(2) == "true" for m in _FINISHED.finditer(self._monitor_text())}

    def wait_finished(self, request, timeout):
        wait_until(f"CommitFinished for request {request}", lambda: request in self.finished(), timeout)
        return self.finished()[request]

    def focused_programs(self):
        """Program names of the input contexts that have the focus, from fcitx5's own report."""
        result = subprocess.run(["gdbus", "call", "--session", "--dest", "org.fcitx.Fcitx5", "--object-path",
                                 "/controller", "--method", "org.fcitx.Fcitx.Controller1.DebugInfo"],
                                env=self.session.env(), capture_output=True, timeout=10)
        text = result.stdout.decode(errors="replace").replace("\\n", "\n")
        return _FOCUSED_CONTEXT.findall(text)
