#!/usr/bin/env python3
"""A NIGHT MARKET stage in CLASSIC and in CLEAR, side by side, for the eye.

    python3 tests/atelier_images/capture_claire.py \\
        construction/<tree>/tests/qml/tessimora-qmltests docs/captures/tuiles_claires_partie.png

runs CaptureClaire.qml in the scene test runner on a private virtual display
with the software renderer and a throw-away settings folder, then lays the
two 384 x 224 grabs side by side at twice their size, CLASSIC on the left:
a tile picked, a pair hinted and the cursor on a third free tile.
"""

import os
import subprocess
import sys
import tempfile

ICI = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(ICI, "..", "..", "atelier", "images"))
from planche_claire import ecrire_png, lire_png  # noqa: E402

ECHELLE = 2


def main(arguments):
    if len(arguments) != 2:
        print(__doc__)
        return 2
    runner, sortie = os.path.abspath(arguments[0]), os.path.abspath(arguments[1])
    with tempfile.TemporaryDirectory() as temp:
        env = dict(os.environ, XDG_CONFIG_HOME=temp, XDG_DATA_HOME=temp,
                   LIBGL_ALWAYS_SOFTWARE="1", QSG_RENDER_LOOP="basic")
        env.pop("QT_QPA_PLATFORM", None)
        r = subprocess.run(["xvfb-run", "-a", "-s", "-screen 0 1920x1080x24", runner, "-input",
                            os.path.join(ICI, "CaptureClaire.qml")],
                           cwd=temp, env=env, timeout=600)
        if r.returncode != 0:
            return r.returncode
        images = [lire_png(os.path.join(temp, n + ".png")) for n in ("classique", "claire")]
    h, l = len(images[0]), len(images[0][0])
    ecart = 4
    planche = [[(0, 0, 0)] * ((2 * l + ecart) * ECHELLE) for _ in range(h * ECHELLE)]
    for n, im in enumerate(images):
        x0 = n * (l + ecart) * ECHELLE
        for y, rangee in enumerate(im):
            for x, p in enumerate(rangee):
                for dy in range(ECHELLE):
                    ligne = planche[y * ECHELLE + dy]
                    for dx in range(ECHELLE):
                        ligne[x0 + x * ECHELLE + dx] = p[:3]
    ecrire_png(sortie, planche)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
