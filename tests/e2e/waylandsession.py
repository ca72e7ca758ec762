"""A private Wayland session for end-to-end tests: headless sway in a user
namespace (sway refuses to run as root), driven with swaymsg (focus, tree,
the seat's cursor), wtype (a virtual keyboard) and grim (screenshots).

It offers the calls of XSession that the Tesvik driver uses, so the same
driver steps work here. A window is named by its program's process id:
Qt gives a window that is hidden and shown again a new toplevel, and with
it a new sway container; each program here has one window. Clients connect
through an absolute WAYLAND_DISPLAY, so that they may have a runtime folder
of their own.
"""

import glob
import json
import os
import time

from xsession import E2EFailure, XSession, wait_until

REQUIRED_TOOLS = ["sway", "swaymsg", "wtype", "grim", "unshare", "convert"]

SWAY_CONFIG = """\
xwayland disable
output * resolution 1280x900 position 0 0
default_border normal
focus_on_window_activation focus
"""

# xdotool's key names that the driver uses, as wtype's key names.
MODIFIERS = {"ctrl": "ctrl", "shift": "shift", "alt": "alt", "super": "logo"}


class WaylandSession(XSession):
    def __init__(self, work_dir, log=print):
        super().__init__(work_dir, log=log)
        self.runtime_dir = os.path.join(work_dir, "sway-runtime")
        self.wayland_display = None
        self.sway_socket = None

    def start(self):
        os.makedirs(self.runtime_dir, mode=0o700, exist_ok=True)
        config = os.path.join(self.work_dir, "sway.config")
        with open(config, "w") as f:
            f.write(SWAY_CONFIG)
        env = {"WLR_BACKENDS": "headless", "WLR_RENDERER": "pixman", "WLR_LIBINPUT_NO_DEVICES": "1",
               "XDG_RUNTIME_DIR": self.runtime_dir}
        self.spawn("sway", ["unshare", "-U", "--map-user=1000", "--map-group=1000", "sway", "-c", config],
                   env_extra=env)

        def sockets():
            displays = [p for p in glob.glob(os.path.join(self.runtime_dir, "wayland-*"))
                        if not p.endswith(".lock")]
            ipc = glob.glob(os.path.join(self.runtime_dir, "sway-ipc.*.sock"))
            return (displays[0], ipc[0]) if displays and ipc else None

        self.wayland_display, self.sway_socket = wait_until("sway to open its sockets", sockets, 15)
        self.log(f"sway on {self.wayland_display}")
        wait_until("sway to answer", lambda: self.run(["swaymsg", "-s", self.sway_socket, "-t", "get_version"],
                                                      check=False).returncode == 0, 10)

    def point_at_display(self, env):
        """This sway, and no X server."""
        env.pop("DISPLAY", None)
        if self.wayland_display:
            env["WAYLAND_DISPLAY"] = self.wayland_display
            env["SWAYSOCK"] = self.sway_socket
        env.setdefault("XDG_RUNTIME_DIR", self.runtime_dir)
        env["QT_QPA_PLATFORM"] = "wayland"
        env["GDK_BACKEND"] = "wayland"

    # ---- sway queries ---------------------------------------------------------
    def swaymsg(self, *command):
        return self.output(["swaymsg", "-s", self.sway_socket] + list(command))

    def _windows(self):
        tree = json.loads(self.swaymsg("-t", "get_tree", "-r"))
        found = []

        def walk(node):
            if node.get("type") in ("con", "floating_con") and node.get("pid"):
                found.append(node)
            for child in node.get("nodes", []) + node.get("floating_nodes", []):
                walk(child)

        walk(tree)
        return found

    def _window(self, window):
        for node in self._windows():
            if node["pid"] == window:
                return node
        return None

    def find_windows(self, name_regex, only_visible=False):
        import re
        pattern = re.compile(name_regex)
        return [n["pid"] for n in self._windows() if pattern.search(n.get("name") or "")
                and (n.get("visible") or not only_visible)]

    def find_app(self, app_id):
        return [n["pid"] for n in self._windows() if n.get("app_id") == app_id]

    def window_name(self, window):
        node = self._window(window)
        return node.get("name") or "" if node else ""

    def is_viewable(self, window):
        node = self._window(window)
        return bool(node and node.get("visible"))

    def geometry(self, window):
        node = self._window(window)
        if node is None:
            raise E2EFailure(f"window {window} is gone")
        rect, inner = node["rect"], node["window_rect"]
        return (rect["x"] + inner["x"], rect["y"] + inner["y"], inner["width"], inner["height"])

    def active_window(self):
        for node in self._windows():
            if node.get("focused"):
                return node["pid"]
        return 0

    def activate(self, window):
        self.swaymsg(f"[pid={window}] focus")
        wait_until(f"window {window} to have the focus", lambda: self.active_window() == window, 5)

    # ---- input ------------------------------------------------------------------
    def click(self, x, y, button=1):
        self.swaymsg(f"seat - cursor set {x} {y}")
        time.sleep(0.05)
        self.swaymsg("seat - cursor press button1")
        self.swaymsg("seat - cursor release button1")

    @staticmethod
    def _wtype_key(key):
        *mods, name = key.split("+")
        argv = []
        for m in mods:
            argv += ["-M", MODIFIERS[m.lower()]]
        argv += ["-k", name]
        for m in reversed(mods):
            argv += ["-m", MODIFIERS[m.lower()]]
        return argv

    def key(self, *keys, delay_ms=40):
        for key in keys:
            self.run(["wtype", "-s", "30"] + self._wtype_key(key))
            time.sleep(delay_ms / 1000)

    def type_text(self, text, delay_ms=40):
        self.run(["wtype", "-s", "30", "-d", str(delay_ms), text])

    def screenshot(self, window, path, frame=False):
        x, y, width, height = self.geometry(window)
        self.run(["grim", "-g", f"{x},{y} {width}x{height}", path], timeout=30)
        return path

    def screen_screenshot(self, path):
        """The whole output."""
        self.run(["grim", path], timeout=30)
        return path
