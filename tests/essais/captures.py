"""The screenshots of the AppStream metadata, taken from the real game.

    TESSIMORA_EXE=construction/essais/tessimora python3 tests/essais/captures.py docs/captures

(or `cmake --build construction/essais --target captures`). The game runs in
its 1280 x 720 window with the CRT look off and the screen at a whole factor
(3), and each capture is cut to the native screen: 1152 x 672 of the game's
own pixels, sharp and small. Stacks are played by the AI for a few seconds
first, so that a game is under way; the achievement banner is taken a second
after the game says the first unlock (it shows for 3 s).
"""

import os
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(__file__))
from essai import Partie, ecrire_textes  # noqa: E402

LARGEUR, HAUTEUR = 1280, 720
REGLAGES = '{"crt":{"actif":false,"affichage":"entier"}}'
# The native 384 x 224 screen three times, centred in the window.
CADRE = "1152x672+64+24"

# File name, arguments, seconds of play before the capture (or the line to
# wait for, then one second), and the band of the window (top and height, in
# pixels) that must be lit: PUSH START blinks.
CAPTURES = [
    ("titre", ["--scene=titre"], 1, (534, 60)),
    ("partie", ["--scene=partie", "--mode=night", "--pilote=1"], 14, None),
    ("papier", ["--scene=partie", "--mode=paper", "--pilote=2"], 10, None),
    ("regles", ["--scene=regles"], 3, None),
    ("succes", ["--scene=partie", "--mode=night", "--pilote=2"],
     "^TESSIMORA_SUCCES FIRST_LANTERN$", None),
]


def clarte(chemin, bande):
    haut, hauteur = bande
    r = subprocess.run(["convert", chemin, "-crop", f"{LARGEUR}x{hauteur}+0+{haut}",
                        "-colorspace", "Gray", "-format", "%[fx:mean]", "info:"],
                       capture_output=True, text=True, check=True, timeout=30)
    return float(r.stdout)


def capturer(dossier):
    os.makedirs(dossier, exist_ok=True)
    for nom, arguments, attente, bande in CAPTURES:
        chemin = os.path.join(dossier, nom + ".png")
        p = Partie(["--muet"] + arguments, largeur=LARGEUR, hauteur=HAUTEUR)
        ecrire_textes(p.config, {"reglages": REGLAGES})
        with p, tempfile.TemporaryDirectory() as temp:
            p.attendre("^TESSIMORA_PRET$", delai=60)
            if isinstance(attente, str):
                p.attendre(attente, delai=60)
                attente = 1
            time.sleep(attente)
            # Quick grabs (uncompressed); where a band must be lit, a few of
            # them before the title gives way to the demo, the brightest kept.
            essais = []
            for k in range(1 if bande is None else 4):
                essais.append(p.capture(os.path.join(temp, f"{k}.bmp")))
                time.sleep(0.2)
            meilleur = essais[0] if bande is None else max(essais,
                                                          key=lambda e: clarte(e, bande))
            subprocess.run(["convert", meilleur, "-crop", CADRE, "+repage", chemin],
                           check=True, timeout=60)
        print(chemin)


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit("usage: captures.py FOLDER")
    capturer(sys.argv[1])
