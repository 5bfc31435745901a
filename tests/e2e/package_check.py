#!/usr/bin/env python3
"""Checks an unpacked release folder as a user would meet it: the editor starts under Wine, shows
its main window, and its menu "ヘルプ" → "使用方法" opens the help file beside it. Screenshots of
both go to the output folder.

  package_check.py --folder UNPACKED --probe e2e_window_probe.exe --out DIR
"""

import argparse
import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

from desktop import (Editor, JourneyError, Probe, Screen, VirtualDisplay,  # noqa: E402
                     wine_server_stop)

HELP_MENU, HOW_TO_USE = 3, 0


def check(folder, probe_exe, out):
    for name in ("QZ57editor.exe", "QZ57editor.chm", "QZ57editor-en.chm", "qz57.exe",
                 "README-ja.txt", "README-en.txt"):
        if not (folder / name).is_file():
            raise JourneyError(f"the package has no {name}")
    probe = Probe(probe_exe)
    editor = None
    try:
        editor = Editor(folder / "QZ57editor.exe", probe, Screen(out), folder, print)
        editor.shot("package-check-main")
        print("the editor started from the unpacked folder")
        before = {w.handle for w in editor.windows()}
        editor.menu(HELP_MENU, HOW_TO_USE)
        deadline = time.monotonic() + 30
        while time.monotonic() < deadline:
            new = [w for w in editor.windows() if w.handle not in before and w.title]
            if new:
                time.sleep(2)
                editor.shot("package-check-help")
                print(f"the help opened: window '{new[0].title}'")
                return
            time.sleep(0.2)
        raise JourneyError("the help window did not open within 30 s")
    finally:
        if editor is not None:
            editor.close()
        probe.close()


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--folder", required=True)
    parser.add_argument("--probe", required=True)
    parser.add_argument("--out", required=True)
    args = parser.parse_args()
    display = VirtualDisplay()
    try:
        check(Path(args.folder).resolve(), Path(args.probe).resolve(), Path(args.out).resolve())
        print("package check: 1 passed, 0 failed")
        return 0
    except JourneyError as error:
        print(f"package check FAILED: {error}")
        return 1
    finally:
        if display.owned:
            wine_server_stop()
        display.close()


if __name__ == "__main__":
    sys.exit(main())
