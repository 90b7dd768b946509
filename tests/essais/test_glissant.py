"""Trials of SLIDING STALLS in the real game, judged by its sound log: the
direct start with READY, GO and its music; the cursor, a row rotation and a
hint from the keyboard; rotations that burn the incense to the end, then
CONTINUE? and the same run again; the mode reached from the title by a
keyboard player; screenshots of a grid in play and of a row sliding back,
kept in $TESSIMORA_CAPTURES when it names a folder. The run left alone until
its time is out lasts two and a half minutes: it runs only with
TESSIMORA_ESSAIS_LONGS=1 (ctest -L essai_long)."""

import json
import os
import subprocess
import sys
import tempfile
import time
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from essai import Partie, ecrire_textes  # noqa: E402

SON = r"^TESSIMORA_SON \d+ %s$"
# The keyboard's main keys for the row rotations and the hint.
GLISSE_G, GLISSE_D, HINT = "Prior", "Next", "h"
# The row the cursor is taken to before rotating (the cursor starts on the
# first tile, which is on the top row or near it).
RANGEE = 1
SANS_CRT = json.dumps({"crt": {"actif": False}})

# The window (1280 x 720 at the top-left of the X screen) and where the grid's
# rows are: native origin (84, 30), cells of 18 x 22.
L, H = 1280, 720
SX, SY = L / 384, H / 224


def image_brute(p):
    """The window as raw RGB bytes, grabbed without encoding a file, so that
    grabs follow one another closely."""
    return subprocess.run(["import", "-window", "root", "-crop", f"{L}x{H}+0+0", "+repage",
                           "-depth", "8", "rgb:-"], env=p.env, capture_output=True, check=True,
                          timeout=20).stdout


def phase_rangee(image, r):
    """Where, within its cell, the first wide stretch of tile face of row r
    begins (native pixels, 0..18); None on an empty row. A row at rest keeps
    the same figure; one caught sliding back shows another."""
    y = round((30 + 22 * r + 4) * SY)
    ligne = image[y * L * 3:(y + 1) * L * 3]
    clair = [min(ligne[i:i + 3]) > 160 for i in range(0, len(ligne), 3)]
    x = 0
    while x < L:
        n = 0
        while x + n < L and clair[x + n]:
            n += 1
        if n >= 8 * SX:
            return round((x / SX - 84) % 18, 1)
        x += max(n, 1)
    return None


def ecrire_png(image, chemin):
    subprocess.run(["convert", "-size", f"{L}x{H}", "-depth", "8", "rgb:-", chemin],
                   input=image, check=True, timeout=20)
    return chemin


def sons_de(p):
    return [l.split()[-1] for l in p.lignes_de("TESSIMORA_SON")]


class Commun(unittest.TestCase):
    def sons(self, p, *ids, delai=10):
        for i in ids:
            p.attendre(SON % i, delai)

    def jusqu_au_jeu(self, p):
        """READY and GO shown: the grid takes moves only then."""
        self.sons(p, "jeu1", "voix_ready", delai=30)
        self.sons(p, "voix_go", delai=10)
        time.sleep(0.3)

    def partie(self, config, *arguments):
        ecrire_textes(config, {"reglages": SANS_CRT})
        return Partie(["--scene=glissant", "--journal-sons", "--muet"] + list(arguments),
                      config=config)

    def capturer(self, p, dossier, nom):
        chemin = p.capture(os.path.join(dossier, nom + ".png"))
        self.assertGreater(os.path.getsize(chemin), 5000)
        return chemin


class Glissant(Commun):
    def test_depart_rotation_indice_et_captures(self):
        dossier = os.environ.get("TESSIMORA_CAPTURES")
        with tempfile.TemporaryDirectory() as ici, tempfile.TemporaryDirectory() as config:
            with self.partie(config) as p:
                p.attendre("^TESSIMORA_PRET$")
                self.jusqu_au_jeu(p)
                time.sleep(0.6)  # GO has gone
                self.capturer(p, dossier or ici, "glissant_grille")
                # The cursor moves silently; a rotation slides its row back
                # into place with the rotation's sound.
                p.touche("Right")
                for _ in range(RANGEE):
                    p.touche("Down")
                avant = sons_de(p).count("deselection")
                p.touche(GLISSE_D)
                self.sons(p, "deselection")
                p.touche(GLISSE_G)
                self.sons(p, "deselection")
                self.assertEqual(sons_de(p).count("deselection"), avant + 2)
                p.touche(HINT)
                self.sons(p, "indice")
                # Rotations one after the other keep the cursor's row sliding
                # back; of quick grabs, the first that catches it mid-way is
                # kept (the last one otherwise).
                repos = phase_rangee(image_brute(p), RANGEE)
                p.focaliser()
                salve = subprocess.Popen(["xdotool", "key", "--repeat", "50", "--delay", "45",
                                          GLISSE_D], env=p.env, stdout=subprocess.DEVNULL,
                                         stderr=subprocess.DEVNULL)
                for _ in range(15):
                    image = image_brute(p)
                    phase = phase_rangee(image, RANGEE)
                    if phase is not None and repos is not None and abs(phase - repos) >= 1.5:
                        break
                chemin = ecrire_png(image, os.path.join(dossier or ici, "glissant_glissement.png"))
                self.assertGreater(os.path.getsize(chemin), 5000)
                salve.wait(20)
                self.assertNotIn("erreur", sons_de(p))

    def test_rotations_jusqu_au_bout_du_temps(self):
        """Every rotation costs a second of incense: enough of them end the
        run by time, with TIME UP, CONTINUE? is offered, and OK there starts
        the same run again."""
        with tempfile.TemporaryDirectory() as config:
            with self.partie(config) as p:
                p.attendre("^TESSIMORA_PRET$")
                self.jusqu_au_jeu(p)
                p.focaliser()
                p.xdotool("key", "--repeat", "160", "--delay", "12", GLISSE_D)
                self.sons(p, "voix_time_up", delai=30)
                self.sons(p, "continue", delai=10)
                # Rotations after the time is out are not taken.
                self.assertLessEqual(sons_de(p).count("deselection"), 150)
                time.sleep(0.5)
                p.touche("Return")
                self.sons(p, "depart")
                self.jusqu_au_jeu(p)
                p.touche(GLISSE_G)
                self.sons(p, "deselection")

    def test_depuis_le_titre_au_clavier(self):
        with Partie(["--journal-sons", "--muet"]) as p:
            p.attendre("^TESSIMORA_PRET$")
            self.sons(p, "titre", delai=20)
            time.sleep(0.5)
            p.touche("Return")
            self.sons(p, "depart")
            p.touche("Right")  # NIGHT MARKET, then SLIDING STALLS
            self.sons(p, "selection")
            p.touche("Return")
            self.sons(p, "depart")
            self.jusqu_au_jeu(p)
            p.touche(GLISSE_G)
            self.sons(p, "deselection")



@unittest.skipUnless(os.environ.get("TESSIMORA_ESSAIS_LONGS") == "1",
                     "two and a half minutes: TESSIMORA_ESSAIS_LONGS=1")
class GlissantLong(Commun):
    def test_temps_laisse_seul(self):
        with tempfile.TemporaryDirectory() as config:
            with self.partie(config) as p:
                p.attendre("^TESSIMORA_PRET$")
                self.jusqu_au_jeu(p)
                self.sons(p, "voix_time_up", delai=200)
                self.sons(p, "continue", delai=10)


if __name__ == "__main__":
    unittest.main()
