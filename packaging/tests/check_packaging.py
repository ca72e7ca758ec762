#!/usr/bin/env python3
"""Checks the installed layout and the Debian package made from a build.

  check_packaging.py install --build B --source S --prefix P --sysconfdir D --version V [--addon-libdir L]
      installs the build into a temporary DESTDIR, checks the layout, runs
      tesvik-query and pelorin from the installed tree, and starts the
      installed tesvik under Xvfb.
  check_packaging.py deb --build B --source S --version V [--addon-libdir L]
      makes the .deb with CPack, checks the same layout in it, and runs
      lintian, desktop-file-validate and appstreamcli on it.
  check_packaging.py no-werror --source S
      configures every build type without the CI option and checks that no
      compile command treats warnings as errors.
--addon-libdir (the install's library folder, relative to the prefix) says
that the build made the Fcitx5 addon, which goes to L/fcitx5.
"""

import argparse
import glob
import json
import os
import shutil
import subprocess
import sys
import tempfile
import time

ICON_SIZES = [16, 22, 24, 32, 48, 64, 128, 256]
ICONS = ["tesvik", "pelorin", "tesvik-tray"]
PROGRAMS = ["tesvik", "pelorin", "tesvik-query"]
AUTOSTART = "xdg/autostart/org.lumenar.Pelorin.EudcSetup.desktop"
DESKTOP = "share/applications/org.lumenar.Tesvik.desktop"
PELORIN_DESKTOP = "share/applications/org.lumenar.Pelorin.desktop"
METAINFO = "share/metainfo/org.lumenar.Tesvik.metainfo.xml"
ADDON_CONF = "share/fcitx5/addon/tesvik.conf"


class Failure(Exception):
    pass


def run(argv, check=True, **kwargs):
    result = subprocess.run(argv, capture_output=True, text=True, **kwargs)
    if check and result.returncode != 0:
        raise Failure(f"{' '.join(argv)} exited with {result.returncode}\n{result.stdout}{result.stderr}")
    return result


def register_font_built(build):
    """The build makes LMCivic.TTE only where fonts-hanazono is installed."""
    return os.path.isfile(os.path.join(build, "fonts", "register", "LMCivic.TTE"))


def addon_library(prefix, addon_libdir):
    return f"{prefix.strip('/')}/{addon_libdir.strip('/')}/fcitx5/libtesvik.so"


def expected_files(source, prefix, sysconfdir, register_font, addon_libdir):
    """Every file the install puts down, relative to the DESTDIR root."""
    p = prefix.strip("/")
    files = {f"{p}/bin/{program}" for program in PROGRAMS}
    for name in os.listdir(os.path.join(source, "data")):
        if name not in ("README.md", "SOURCES", "pua-set.tsv"):
            files.add(f"{p}/share/tesvik/{name}")
    help_dir = os.path.join(source, "docs", "help")
    for folder, _, names in os.walk(help_dir):
        for name in names:
            files.add(f"{p}/share/tesvik/help/" + os.path.relpath(os.path.join(folder, name), help_dir))
    for name in ("Unicode-data.txt", "rime-stroke.txt", "LGPL-3.txt", "GPL-3.txt"):
        files.add(f"{p}/share/tesvik/licenses/{name}")
    files.add(f"{p}/share/pelorin/pfiFonts.ini")
    pelorin_help = os.path.join(source, "docs", "pelorin-help")
    for folder, _, names in os.walk(pelorin_help):
        for name in names:
            files.add(f"{p}/share/pelorin/help/" + os.path.relpath(os.path.join(folder, name), pelorin_help))
    files.add(f"{p}/share/pelorin/59-lumenar-faces.conf")
    if register_font:
        files.update(f"{p}/share/fonts/truetype/lumenar/{name}" for name in ("LMCivic.TTE", "hanazono-license.txt"))
    files.add(f"{p}/{DESKTOP}")
    files.add(f"{p}/{PELORIN_DESKTOP}")
    files.add(sysconfdir.strip("/") + "/" + AUTOSTART)
    for icon in ICONS:
        files.add(f"{p}/share/icons/hicolor/scalable/apps/{icon}.svg")
        files.update(f"{p}/share/icons/hicolor/{s}x{s}/apps/{icon}.png" for s in ICON_SIZES)
    files.add(f"{p}/{METAINFO}")
    files.update(f"{p}/share/man/man1/{program}.1.gz" for program in PROGRAMS)
    files.update(f"{p}/share/bash-completion/completions/{program}" for program in ("tesvik-query", "pelorin"))
    files.update(f"{p}/share/doc/lumenar/{name}" for name in ("copyright", "changelog.gz"))
    if addon_libdir:
        files.update({addon_library(prefix, addon_libdir), f"{p}/{ADDON_CONF}"})
    return files


def check_layout(root, source, prefix, sysconfdir, register_font, addon_libdir):
    found = set()
    for folder, _, names in os.walk(root):
        for name in names:
            found.add(os.path.relpath(os.path.join(folder, name), root))
    expected = expected_files(source, prefix, sysconfdir, register_font, addon_libdir)
    missing, extra = sorted(expected - found), sorted(found - expected)
    if missing or extra:
        raise Failure("installed layout differs:\n  missing: " + "\n  missing: ".join(missing or ["-"]) +
                      "\n  unexpected: " + "\n  unexpected: ".join(extra or ["-"]))
    binaries = [os.path.join(prefix.strip("/"), "bin", program) for program in PROGRAMS]
    if addon_libdir:
        binaries.append(addon_library(prefix, addon_libdir))
    for binary in binaries:
        dynamic = run(["readelf", "-d", os.path.join(root, binary)]).stdout
        if "RPATH" in dynamic or "RUNPATH" in dynamic:
            raise Failure(f"{binary} keeps a library search path into the build:\n{dynamic}")
    if addon_libdir:
        check_addon(root, prefix, addon_libdir)
    print(f"layout: {len(found)} files, as expected")


def check_addon(root, prefix, addon_libdir):
    """fcitx5 loads Library=<name> as <name>.so from its addon folder, and
    only at start when the addon is not loaded on demand."""
    with open(os.path.join(root, prefix.strip("/"), ADDON_CONF), encoding="utf-8") as f:
        conf = f.read().splitlines()
    library = os.path.basename(addon_library(prefix, addon_libdir))
    for needed in (f"Library={library[:-len('.so')]}", "OnDemand=False"):
        if needed not in conf:
            raise Failure(f"{ADDON_CONF} lacks {needed}:\n" + "\n".join(conf))
    symbols = run(["nm", "-D", "--defined-only", os.path.join(root, addon_library(prefix, addon_libdir))]).stdout
    if "fcitx_addon_factory_instance" not in symbols:
        raise Failure(f"{library} does not export the addon factory")


def validate_entries(root, prefix, sysconfdir):
    p = os.path.join(root, prefix.strip("/"))
    run(["desktop-file-validate", os.path.join(p, DESKTOP), os.path.join(p, PELORIN_DESKTOP),
         os.path.join(root, sysconfdir.strip("/"), AUTOSTART)])
    run(["appstreamcli", "validate", "--no-net", os.path.join(p, METAINFO)])
    print("desktop entries and metainfo validate")


def isolated_environment(home):
    """No source or build folder in reach: a bare PATH, a private home, and
    the temporary folder as working directory."""
    for sub in ("config", "data", "runtime"):
        os.makedirs(os.path.join(home, sub), exist_ok=True)
    os.chmod(os.path.join(home, "runtime"), 0o700)
    return {
        "PATH": "/usr/bin:/bin",
        "HOME": home,
        "XDG_CONFIG_HOME": os.path.join(home, "config"),
        "XDG_DATA_HOME": os.path.join(home, "data"),
        "XDG_RUNTIME_DIR": os.path.join(home, "runtime"),
        "LANG": "C.UTF-8",
        "LC_ALL": "C.UTF-8",
    }


def check_command_line_manners(bin_dir, env, version):
    for program in PROGRAMS:
        path = os.path.join(bin_dir, program)
        shown = run([path, "--version"], env=env)
        if shown.stdout.strip() != f"{program} {version}":
            raise Failure(f"{program} --version says {shown.stdout!r}, expected '{program} {version}'")
        helped = run([path, "--help"], env=env)
        if "--version" not in helped.stdout:
            raise Failure(f"{program} --help does not mention --version:\n{helped.stdout}")
    usage = run([os.path.join(bin_dir, "pelorin"), "frobnicate"], env=env, check=False)
    if usage.returncode != 2:
        raise Failure(f"pelorin with an unknown command exited with {usage.returncode}, expected 2")
    print(f"--help and --version answer on every program ({version})")


def check_installed_programs(root, prefix, source, version, work):
    bin_dir = os.path.join(root, prefix.strip("/"), "bin")
    home = os.path.join(work, "home")
    env = isolated_environment(home)
    check_command_line_manners(bin_dir, env, version)

    strokes = run([os.path.join(bin_dir, "tesvik-query"), "strokes", "--count", "7", "--strokes", "12"],
                  env=env, cwd=work).stdout.splitlines()
    if strokes[:1] != ["3416\t㐖\t1"]:
        raise Failure(f"installed tesvik-query found no shipped data: {strokes[:3]}")

    library = os.path.join(work, "edge-cases.pfi")
    shutil.copy(os.path.join(source, "tests", "fixtures", "pfi", "edge-cases.pfi"), library)
    info = run([os.path.join(bin_dir, "pelorin"), "pfi-info", library], env=env, cwd=work).stdout
    if "glyph-count\t" not in info:
        raise Failure(f"pelorin pfi-info printed:\n{info}")

    # A bare pelorin reads the installed pfiFonts.ini, whose section makes
    # LMCivic.TTE the system default EUDC font (without the file it would be
    # EUDC.TTE): the installed one while the user's fonts folder has none.
    installed_font = os.path.join(root, prefix.strip("/"), "share", "fonts", "truetype", "lumenar", "LMCivic.TTE")
    if not os.path.isfile(installed_font):  # built without fonts-hanazono: the user's folder
        installed_font = os.path.join(home, "data", "fonts", "LMCivic.TTE")
    run([os.path.join(bin_dir, "pelorin")], env=env, cwd=work)
    with open(os.path.join(home, "config", "lumenar", "registry"), encoding="utf-8") as f:
        registry = f.read()
    if "SystemDefaultEUDCFont=" + installed_font not in registry:
        raise Failure(f"the start-up set-up did not link the installed LMCivic.TTE:\n{registry}")
    if not os.path.isfile(os.path.join(home, "config", "fontconfig", "conf.d", "59-lumenar-faces.conf")):
        raise Failure("the start-up set-up did not put the face rule in the user's fontconfig")
    print("tesvik-query and pelorin work from the installed tree")


def check_installed_tesvik(root, prefix, source, work):
    sys.path.insert(0, os.path.join(source, "tests", "e2e"))
    from xsession import XSession, wait_until, E2EFailure  # noqa: E402
    from tesvik_driver import CAPTION  # noqa: E402

    program = os.path.join(root, prefix.strip("/"), "bin", "tesvik")
    home = os.path.join(work, "tesvik-home")
    env = isolated_environment(home)
    del env["PATH"]
    with XSession(work, log=lambda message: None) as session:
        desktop = set(session.find_windows("."))  # the window manager's and the panel's
        process = session.spawn("tesvik", [program], env_extra=env)

        def windows():
            if process.poll() is not None:
                raise Failure(f"the installed tesvik ended with status {process.returncode}")
            shown = [w for w in session.find_windows(".") if w not in desktop and session.is_viewable(w)]
            return [(w, session.window_name(w)) for w in shown]

        try:
            wait_until("the installed tesvik's window", lambda: any(n == CAPTION for _, n in windows()), 30)
            time.sleep(2)  # a missing data file is reported in a message box right after the window
            names = [n for _, n in windows()]
        except E2EFailure as e:
            raise Failure(str(e))
        if names != [CAPTION]:
            with open(os.path.join(work, "tesvik.log"), encoding="utf-8", errors="replace") as f:
                log = f.read()
            raise Failure(f"the installed tesvik shows {names}, expected only its main window\n{log}")
    print("the installed tesvik finds its data and shows its window")


def install_tree(build, root):
    env = dict(os.environ, DESTDIR=root)
    run(["cmake", "--install", build], env=env)


def command_install(args):
    with tempfile.TemporaryDirectory(prefix="lumenar-install-") as work:
        root = os.path.join(work, "root")
        install_tree(args.build, root)
        check_layout(root, args.source, args.prefix, args.sysconfdir, register_font_built(args.build), args.addon_libdir)
        validate_entries(root, args.prefix, args.sysconfdir)
        check_installed_programs(root, args.prefix, args.source, args.version, work)
        check_installed_tesvik(root, args.prefix, args.source, work)


def lintian_errors(deb):
    result = run(["lintian", "--tag-display-limit", "0", deb], check=False)
    lines = (result.stdout + result.stderr).splitlines()
    for line in lines:
        print("lintian:", line)
    return [line for line in lines if line.startswith("E:")]


def command_deb(args):
    with tempfile.TemporaryDirectory(prefix="lumenar-deb-") as work:
        run(["cpack", "-G", "DEB", "-B", work, "--config", os.path.join(args.build, "CPackConfig.cmake")])
        debs = glob.glob(os.path.join(work, "*.deb"))
        if len(debs) != 1:
            raise Failure(f"cpack made {debs}, expected one .deb")
        deb = debs[0]
        root = os.path.join(work, "root")
        run(["dpkg-deb", "-x", deb, root])
        check_layout(root, args.source, "/usr", "/etc", register_font_built(args.build), args.addon_libdir)
        validate_entries(root, "/usr", "/etc")
        fields = run(["dpkg-deb", "-f", deb, "Package", "Version", "Depends"]).stdout
        print(fields, end="")
        for needed in ("libqt6widgets6", "libfontconfig1", "qt6-qpa-plugins", f"Version: {args.version}"):
            if needed not in fields:
                raise Failure(f"the package's control fields lack {needed}")
        conffiles = run(["dpkg-deb", "-I", deb, "conffiles"]).stdout.split()
        if conffiles != ["/etc/" + AUTOSTART]:
            raise Failure(f"conffiles: {conffiles}")
        errors = lintian_errors(deb)
        if errors:
            raise Failure("lintian reports errors:\n" + "\n".join(errors))
        print(f"{os.path.basename(deb)}: layout as installed, lintian reports no errors")


def command_no_werror(args):
    with tempfile.TemporaryDirectory(prefix="lumenar-configure-") as work:
        for build_type in ("Debug", "Release", "RelWithDebInfo", "MinSizeRel"):
            build = os.path.join(work, build_type)
            run(["cmake", "-S", args.source, "-B", build, f"-DCMAKE_BUILD_TYPE={build_type}",
                 "-DLUMENAR_BENCHMARKS=OFF", "-DLUMENAR_UI=OFF", "-DCMAKE_EXPORT_COMPILE_COMMANDS=ON"])
            with open(os.path.join(build, "compile_commands.json"), encoding="utf-8") as f:
                commands = json.load(f)
            forced = [c["file"] for c in commands if "-Werror" in c["command"].replace("-Werror=", "")]
            if not commands or forced:
                raise Failure(f"{build_type}: warnings are errors in {forced[:3]} without LUMENAR_WERROR")
            print(f"{build_type}: {len(commands)} compile commands, none with -Werror")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("mode", choices=["install", "deb", "no-werror"])
    parser.add_argument("--build")
    parser.add_argument("--source", required=True)
    parser.add_argument("--prefix", default="/usr/local")
    parser.add_argument("--sysconfdir", default="/usr/local/etc")
    parser.add_argument("--version")
    parser.add_argument("--addon-libdir", help="the build made the Fcitx5 addon; the prefix's library folder")
    args = parser.parse_args()
    try:
        {"install": command_install, "deb": command_deb, "no-werror": command_no_werror}[args.mode](args)
    except Failure as failure:
        print(f"FAILED: {failure}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
