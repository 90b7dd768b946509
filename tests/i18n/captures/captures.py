#!/usr/bin/env python3
"""Grabs of translated texts in place, to be looked at (Captures.qml):

    python3 tests/i18n/captures/captures.py construction/fin/tests/qml/tessimora-qmltests \\
        FOLDER [test_logosDuel|test_scenes_fr|test_scenes_ja|test_scenes_en]...

runs the scene test runner on a private virtual display with the software
renderer and a throw-away settings folder, and leaves in FOLDER one
384 x 224 PNG per language and picture, plus planche_<what>.png, every
language's picture of one moment side by side at twice the size (ImageMagick).
"""

import glob
import os
import subprocess
import sys
import tempfile

ICI = os.path.dirname(os.path.abspath(__file__))


def main(arguments):
    if len(arguments) < 2:
        print(__doc__)
        return 2
    runner, dossier = os.path.abspath(arguments[0]), os.path.abspath(arguments[1])
    fonctions = ["Captures::" + a for a in arguments[2:]]
    os.makedirs(dossier, exist_ok=True)
    with tempfile.TemporaryDirectory() as temp:
        env = dict(os.environ, XDG_CONFIG_HOME=temp, XDG_DATA_HOME=temp, LIBGL_ALWAYS_SOFTWARE="1",
                   QSG_RENDER_LOOP="basic")
        env.pop("QT_QPA_PLATFORM", None)
        r = subprocess.run(["xvfb-run", "-a", "-s", "-screen 0 1920x1080x24", runner, "-input",
                            os.path.join(ICI, "Captures.qml")] + fonctions,
                           cwd=dossier, env=env, timeout=1800)
    moments = sorted({os.path.basename(f).split("_", 1)[1]
                      for f in glob.glob(os.path.join(dossier, "*_*.png"))
                      if not os.path.basename(f).startswith("planche_")})
    for m in moments:
        images = sorted(glob.glob(os.path.join(dossier, "*_" + m)))
        images = [i for i in images if not os.path.basename(i).startswith("planche_")
                  and os.path.basename(i).split("_", 1)[1] == m]
        subprocess.run(["montage"] + images + ["-tile", "4x", "-geometry", "768x448+2+2", "-filter",
                        "point", "-label", "%t", os.path.join(dossier, "planche_" + m)], check=False)
    return r.returncode


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
