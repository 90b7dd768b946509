#!/usr/bin/env python3
"""A NIGHT MARKET stage of the real game with TILES CLEAR on, for the eye.

    TESSIMORA_EXE=construction/<tree>/tessimora \\
        python3 tests/atelier_images/partie_claire.py docs/captures/partie_claire.png

The game starts on a private X server with a throw-away settings folder whose
settings say CLEAR (and the CRT look off, the screen at a whole factor), the
computer plays the stage for a few seconds, and the native screen is cut out
of the window as tests/essais/captures.py does: 1152 x 672, three times the
game's pixels.
"""

import os
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "essais"))
from essai import Partie, ecrire_textes  # noqa: E402

REGLAGES = '{"crt":{"actif":false,"affichage":"entier"},"acces":{"tuilesClaires":true}}'
CADRE = "1152x672+64+24"


def main(arguments):
    if len(arguments) != 1:
        print(__doc__)
        return 2
    sortie = os.path.abspath(arguments[0])
    p = Partie(["--muet", "--scene=partie", "--mode=night", "--pilote=1"],
               largeur=1280, hauteur=720)
    ecrire_textes(p.config, {"reglages": REGLAGES})
    with p, tempfile.TemporaryDirectory() as temp:
        p.attendre("^TESSIMORA_PRET$", delai=60)
        time.sleep(12)
        brut = p.capture(os.path.join(temp, "ecran.bmp"))
        subprocess.run(["convert", brut, "-crop", CADRE, "+repage", sortie],
                       check=True, timeout=60)
    print(sortie)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
