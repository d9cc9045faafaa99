#!/usr/bin/env python3
"""What can be checked of the Flatpak here, where no Flatpak repository is reachable.

    FlatpakManifestTest.py MANIFEST BUILD_DIR SOURCE_DIR APP_ID

The manifest must name the application id, program and install layout that `cmake --install`
gives, build this source tree with CMake, ask for no permission beyond those the game plays
with, and pin every source it fetches; the tree it would package (the build installed into a
scratch /app) must pass the AppStream and desktop checks and export only files that Flatpak
exports, those named after the application id.
"""
import os
import subprocess
import sys
import tempfile

import yaml

# A window on Wayland or else X11, shared memory for X11, sound, the GPU.
ALLOWED_FINISH_ARGS = {
    "--socket=wayland",
    "--socket=fallback-x11",
    "--share=ipc",
    "--socket=pulseaudio",
    "--device=dri",
}
# The one hint AppStream 0.16 gives for a reverse-DNS id with a capital, which Flatpak ids
# commonly carry and this one must keep: it names the launcher, icons and window class.
ALLOWED_APPSTREAM_HINT = "cid-contains-uppercase-letter"

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def check_manifest(manifest, path, source_dir, app_id):
    check(manifest.get("app-id") == app_id, f"app-id is {manifest.get('app-id')}")
    check(manifest.get("runtime") == "org.freedesktop.Platform", "not the freedesktop runtime")
    check(manifest.get("sdk") == "org.freedesktop.Sdk", "not the freedesktop SDK")
    check(isinstance(manifest.get("runtime-version"), str),
          "runtime-version must be a string (YAML reads 24.08 unquoted as a number)")
    extra = set(manifest.get("finish-args", [])) - ALLOWED_FINISH_ARGS
    check(not extra, f"permissions beyond what the game needs: {sorted(extra)}")

    modules = manifest.get("modules", [])
    check(modules, "no modules")
    if not modules:
        return
    game = modules[-1]
    check(game.get("buildsystem") in ("cmake", "cmake-ninja"), "the game is not built with CMake")
    options = game.get("config-opts", [])
    check("-DCMAKE_BUILD_TYPE=Release" in options, "not a Release build")
    # The layout checked below is cmake --install's own; the manifest must not move it.
    check(not [o for o in options if o.startswith("-DCMAKE_INSTALL_")], "install layout changed")
    dirs = [s for s in game.get("sources", []) if s.get("type") == "dir"]
    here = os.path.dirname(os.path.abspath(path))
    check(len(dirs) == 1 and os.path.samefile(os.path.join(here, dirs[0]["path"]), source_dir),
          "the game's module does not build this source tree")
    for module in modules[:-1]:
        for source in module.get("sources", []):
            pinned = source.get("sha256") or source.get("tag") or source.get("commit")
            check(pinned, f"module {module.get('name')}: a source that is not pinned")


def check_install_tree(app, command, app_id):
    program = os.path.join(app, "bin", command)
    check(os.access(program, os.X_OK), f"cmake --install gives no bin/{command}")
    check(os.listdir(os.path.join(app, "bin")) == [command], "bin/ holds more than the program")
    check(os.path.isdir(os.path.join(app, "share", "quillox", "Data")),
          "no share/quillox/Data beside bin/")

    # Flatpak exports the launcher, metadata and icons only when named after the id.
    exported = []
    for folder in ("applications", "metainfo", "icons"):
        for root, _, files in os.walk(os.path.join(app, "share", folder)):
            exported += [os.path.join(root, f) for f in files if not f.startswith("index")]
    for name in exported:
        check(os.path.basename(name).startswith(app_id + "."), f"not exported: {name}")

    desktop = os.path.join(app, "share", "applications", app_id + ".desktop")
    entries = dict(line.rstrip("\n").split("=", 1) for line in open(desktop) if "=" in line)
    check(entries.get("Exec", "").split()[0] == command, f"Exec= is {entries.get('Exec')}")
    check(entries.get("Icon") == app_id, f"Icon= is {entries.get('Icon')}")
    run = subprocess.run(["desktop-file-validate", desktop], capture_output=True, text=True)
    print(f"desktop-file-validate: {(run.stdout + run.stderr).strip() or 'nothing to report'}")
    check(run.returncode == 0 and not (run.stdout + run.stderr).strip(), "desktop-file-validate")

    metainfo = os.path.join(app, "share", "metainfo", app_id + ".metainfo.xml")
    run = subprocess.run(["appstreamcli", "validate", "--pedantic", "--no-net", metainfo],
                         capture_output=True, text=True)
    print("appstreamcli validate --pedantic --no-net:\n" + (run.stdout + run.stderr).strip())
    issues = [line for line in run.stdout.splitlines() if line[:3] in ("E: ", "W: ", "I: ", "P: ")]
    others = [line for line in issues if ALLOWED_APPSTREAM_HINT not in line]
    check(run.returncode == 0 and not others, f"appstreamcli: {others}")
    check(f"<binary>{command}</binary>" in open(metainfo).read(), "metadata names another binary")


def main():
    path, build_dir, source_dir, app_id = sys.argv[1:5]
    with open(path) as f:
        manifest = yaml.safe_load(f)
    check_manifest(manifest, path, source_dir, app_id)
    with tempfile.TemporaryDirectory() as scratch:
        app = os.path.join(scratch, "app")
        subprocess.run(["cmake", "--install", build_dir, "--prefix", app], check=True,
                       stdout=subprocess.DEVNULL)
        check_install_tree(app, manifest.get("command", ""), app_id)
    for failure in failures:
        print("FAIL: " + failure, file=sys.stderr)
    if not failures:
        print("ok: the Flatpak manifest agrees with the install tree, which validates")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
