#!/usr/bin/env python3
"""Runs one scene test on an X display of its own.

ctest runs two tests at a time. On one shared display, the window of one test
can take the keyboard focus from the other's in the middle of its key presses,
and those presses then go nowhere. A private Xvfb per test keeps each test's
window focused.

    ecran_prive.py PROGRAM [ARGUMENTS...]
"""

import os
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "essais"))
from essai import ServeurX  # noqa: E402


def main():
    if len(sys.argv) < 2:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    serveur = ServeurX(1920, 1080)
    try:
        env = dict(os.environ, DISPLAY=serveur.display)
        env.pop("WAYLAND_DISPLAY", None)
        return subprocess.call(sys.argv[1:], env=env)
    finally:
        serveur.fermer()


if __name__ == "__main__":
    sys.exit(main())
