"""The check loop every end-to-end test shares: run a step, log PASS or FAIL
with the time and what it found, grab the screen on a failure, and at the
end print "N of M checks passed in S s" with the failed checks.

A test's Run class derives from CheckRecorder, sets `self.session` once its
session runs and does its checks in main(); the test's main() parses
test_arguments() and ends in run_test(), which gives the exit status.
"""

import argparse
import os
import shutil
import sys
import time
import traceback

from xsession import E2EFailure, make_temp_dir


def codepoints(text):
    return " ".join(f"U+{ord(c):04X}" for c in text) or "(nothing)"


class CheckRecorder:
    def __init__(self, args, work_dir):
        self.args = args  # the test's command line
        self.work_dir = work_dir
        self.results = []  # (name, passed, detail)
        self.started = time.monotonic()
        self.session = None

    def log(self, message):
        print(f"[{time.monotonic() - self.started:6.1f}s] {message}", flush=True)

    def check(self, name, function, *args):
        """Runs function(*args), which returns what it found or raises E2EFailure; True when it passed."""
        try:
            detail = function(*args) or ""
        except E2EFailure as failure:
            self._record_failure(name, str(failure), f"FAIL {name}: {failure}")
            return False
        except Exception:  # a fault of the test itself
            trace = traceback.format_exc()
            self._record_failure(name, trace, f"ERROR {name}:\n{trace}")
            return False
        self.results.append((name, True, detail))
        self.log(f"PASS {name} {detail}")
        return True

    def _record_failure(self, name, detail, line):
        self.results.append((name, False, detail))
        self.log(line)
        self.screenshot_of_failure(name)

    def screenshot_of_failure(self, name):
        """The whole screen as the failed check left it, kept with the work folder."""
        if self.session is None:
            return
        safe = "".join(c if c.isalnum() else "_" for c in name)
        path = os.path.join(self.work_dir, f"fail-{len(self.results)}-{safe}.png")
        try:
            self.session.screen_screenshot(path)
            self.log(f"     screenshot of the screen: {path}")
        except Exception:  # the session may be gone; the failure itself is recorded
            pass

    # ---- checks several tests make ----------------------------------------
    def note_keyboard_map(self):
        """Keeps the keyboard map as it is now, for keyboard_map_unchanged()."""
        self.keymap_before = self.session.keyboard_map(os.path.join(self.work_dir, "keymap-before.xkb"))

    def keyboard_map_unchanged(self, when="after"):
        """Nothing typed through XTest left a key bound (the diff is kept with the work folder)."""
        after = self.session.keyboard_map(os.path.join(self.work_dir, f"keymap-{when}.xkb"))
        if after != self.keymap_before:
            diff_path = os.path.join(self.work_dir, f"keymap-{when}.diff")
            os.system(f"diff {self.work_dir}/keymap-before.xkb {self.work_dir}/keymap-{when}.xkb > {diff_path}")
            raise E2EFailure(f"keyboard map differs {when} (diff in {diff_path})")
        return f"({len(after)} bytes, identical)"

    def final_text(self, target):
        """The target's text once it ends is what it should have received."""
        got = target.finish()
        if got != target.expected:
            raise E2EFailure(f"{target.title} ended with {codepoints(got)}, expected {codepoints(target.expected)}")
        return codepoints(got)

    def main(self):
        raise NotImplementedError


def run_checks(run, keep):
    """Runs run.main() and prints the summary; removes the work folder when every check
    passed, unless keep. The exit status: 0 when every check passed."""
    try:
        run.main()
    except E2EFailure as failure:
        run.results.append(("harness", False, str(failure)))
        run.log(f"FAIL harness: {failure}")
    failed = [result for result in run.results if not result[1]]
    print(f"\n{len(run.results) - len(failed)} of {len(run.results)} checks passed "
          f"in {time.monotonic() - run.started:.0f} s")
    for name, _, detail in failed:
        print(f"  FAILED: {name}: {detail}")
    if failed or keep:
        print(f"work folder kept: {run.work_dir}")
    else:
        shutil.rmtree(run.work_dir, ignore_errors=True)
    return 1 if failed or not run.results else 0


def test_arguments(description, *required_options):
    """The command line of an end-to-end test: its required options and --keep; a test adds its own."""
    parser = argparse.ArgumentParser(description=description, formatter_class=argparse.RawDescriptionHelpFormatter)
    for option in required_options:
        parser.add_argument(option, required=True)
    parser.add_argument("--keep", action="store_true", help="keep the work folder also when every check passed")
    return parser


def missing_tools_need(missing):
    """Missing tools as one of the needs run_test() reports."""
    return ["missing tools: " + ", ".join(missing)] if missing else []


def run_test(name, needs, run_class, args, work_prefix):
    """Reports the unmet needs (what keeps the test from running here) or runs the checks of
    run_class(args, a new work folder); the exit status."""
    if needs:
        print(f"{name}: " + "; ".join(needs), file=sys.stderr)
        return 1
    return run_checks(run_class(args, make_temp_dir(work_prefix)), args.keep)
