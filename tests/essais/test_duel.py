"""Trials of LANTERN DUEL with the real game, judged by its sound log and by
screenshots: a keyboard player goes from the title to a two-player duel and
each player's keys move his own board's cursor (the paw is found on the
screenshots); `--scene=duel` against VS LANTERN starts with the duel's music,
the computer's smoke reaches player 1's board (a screenshot of it is kept
in $TESSIMORA_CAPTURES when that names a folder), and QUIT TO TITLE leaves.

The whole duel lost to the computer, player 1 idle until the computer has
cleared its stack, takes minutes: it runs only with TESSIMORA_ESSAIS_LONGS=1
(the build's `essai_long` label)."""

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
# Without the tube, so that the paw's colours reach the screenshot unchanged.
SANS_TUBE = json.dumps({"crt": {"actif": False}})
# The cursor's paw: a pink pad on a brown paw.
COUSSINET = bytes((0xFF, 0x6A, 0x8A))
PATTE = bytes((0x4A, 0x24, 0x18))


def pixels(chemin, largeur, hauteur):
    """The window's part of a screenshot, as raw RGB bytes."""
    return subprocess.run(["convert", chemin, "-crop", f"{largeur}x{hauteur}+0+0", "+repage",
                           "-depth", "8", "rgb:-"], capture_output=True, check=True,
                          timeout=30).stdout


def pattes(chemin, largeur, hauteur):
    """The centre of the paw on each half of the window, (left, right), in
    window pixels; None for a half where no paw shows. A pad pixel counts
    only with the paw's brown near it, so sparks of the same pink do not."""
    d = pixels(chemin, largeur, hauteur)
    moities = ([], [])
    i = d.find(COUSSINET)
    while i >= 0:
        if i % 3 == 0:
            x, y = (i // 3) % largeur, (i // 3) // largeur
            # The boards only: above the HUD's helps at the bottom.
            if y < hauteur * 0.86:
                proche = False
                for dx in (-6, 0, 6):
                    for dy in (-6, 0, 6):
                        xx, yy = x + dx, y + dy
                        if 0 <= xx < largeur and 0 <= yy < hauteur:
                            j = 3 * (yy * largeur + xx)
                            proche = proche or d[j:j + 3] == PATTE
                if proche:
                    moities[0 if x < largeur // 2 else 1].append((x, y))
        i = d.find(COUSSINET, i + 1)
    return tuple((sum(p[0] for p in m) / len(m), sum(p[1] for p in m) / len(m)) if m else None
                 for m in moities)


def loin(a, b):
    return abs(a[0] - b[0]) + abs(a[1] - b[1]) > 8


class Commun(unittest.TestCase):
    def sons(self, p, *ids, delai=10):
        for i in ids:
            p.attendre(SON % i, delai)

    def dossier(self):
        d = os.environ.get("TESSIMORA_CAPTURES", "")
        return d if d and os.path.isdir(d) else None

    def partie(self, arguments, config):
        ecrire_textes(config, {"reglages": SANS_TUBE})
        return Partie(arguments + ["--journal-sons", "--muet"], config=config)


class Duel(Commun):
    def test_deux_joueurs_depuis_le_titre(self):
        with tempfile.TemporaryDirectory() as config, \
                self.partie(["--scene=titre"], config) as p:
            p.attendre("^TESSIMORA_PRET$")
            self.sons(p, "titre", delai=20)
            time.sleep(0.5)
            # As a player would: START, two lanterns right to LANTERN DUEL,
            # its opponents open on VS LANTERN, two more to 2 PLAYERS.
            p.touche("Return")
            self.sons(p, "depart")
            for _ in range(2):
                p.touche("Right")
                self.sons(p, "selection")
            p.touche("Return")
            self.sons(p, "selection")
            for _ in range(2):
                p.touche("Right")
                self.sons(p, "selection")
            p.touche("Return")
            self.sons(p, "depart", "duel", "voix_ready")
            self.sons(p, "voix_go", delai=20)
            time.sleep(0.5)
            _, _, largeur, hauteur = p.fenetre()

            def regarder(nom):
                chemin = p.capture(os.path.join(p.temp, nom + ".png"))
                g, d = pattes(chemin, largeur, hauteur)
                self.assertIsNotNone(g, nom + ": no paw on board 1")
                self.assertIsNotNone(d, nom + ": no paw on board 2")
                return g, d

            def bouger(nom, touches, moitie, avant):
                """Presses a player's keys one after the other until his paw
                moves (where the stack has no tile to the right, down does)."""
                for k, t in enumerate(touches):
                    p.touche(t)
                    time.sleep(0.4)
                    apres = regarder(f"{nom}_{k}")
                    if loin(avant[moitie], apres[moitie]):
                        return apres
                self.fail(f"{nom}: the paw of board {moitie + 1} did not move")

            depart = regarder("depart")
            # Player 1's letters move board 1's paw only.
            joueur1 = bouger("joueur1", ("d", "s"), 0, depart)
            self.assertFalse(loin(depart[1], joueur1[1]), (depart, joueur1))
            # Player 2's arrows move board 2's paw only.
            joueur2 = bouger("joueur2", ("Right", "Down"), 1, joueur1)
            self.assertFalse(loin(joueur1[0], joueur2[0]), (joueur1, joueur2))
            # Escape pauses both boards: the pause menu takes the arrows, and
            # Escape again resumes.
            p.touche("Escape")
            time.sleep(0.3)
            p.touche("Down")
            self.sons(p, "selection")
            p.touche("Escape")
            self.sons(p, "deselection")

    def test_contre_lantern_la_fumee_puis_le_titre(self):
        with tempfile.TemporaryDirectory() as config, \
                self.partie(["--scene=duel"], config) as p:
            p.attendre("^TESSIMORA_PRET$")
            self.sons(p, "duel", "voix_ready", delai=20)
            self.sons(p, "voix_go", delai=20)
            # The computer's combo smokes player 1's board: his warning sound.
            self.sons(p, "erreur", delai=90)
            time.sleep(0.5)
            chemin = p.capture(os.path.join(self.dossier() or p.temp, "duel_fumee.png"))
            self.assertGreater(os.path.getsize(chemin), 5000)
            # QUIT TO TITLE from the pause, YES.
            p.touche("Escape")
            time.sleep(0.3)
            for _ in range(4):  # RESUME HINT MIX PEEK, then QUIT TO TITLE
                p.touche("Down")
                self.sons(p, "selection")
            p.touche("Return")
            self.sons(p, "selection")
            p.touche("Left")
            self.sons(p, "selection")
            p.touche("Return")
            self.sons(p, "depart", "titre")


@unittest.skipUnless(os.environ.get("TESSIMORA_ESSAIS_LONGS") == "1",
                     "the whole duel takes minutes: TESSIMORA_ESSAIS_LONGS=1")
class DuelComplet(Commun):
    def test_lantern_nettoie_et_gagne(self):
        with tempfile.TemporaryDirectory() as config, \
                self.partie(["--scene=duel"], config) as p:
            p.attendre("^TESSIMORA_PRET$")
            self.sons(p, "duel", delai=20)
            self.sons(p, "voix_go", delai=20)
            debut = time.monotonic()
            # Player 1 does nothing; the computer clears its stack before his
            # incense is out (his time-up voice would come first otherwise).
            ligne = p.attendre(SON % "(defaite|voix_time_up)", delai=600)
            self.assertTrue(ligne.endswith("defaite"), ligne)
            duree = time.monotonic() - debut
            time.sleep(0.8)
            chemin = p.capture(os.path.join(self.dossier() or p.temp, "duel_perdu.png"))
            self.assertGreater(os.path.getsize(chemin), 5000)
            # The logos, then MODE SELECT with the title music.
            self.sons(p, "titre", delai=15)
            print(f"the computer cleared its stack in {duree:.0f} s", file=sys.stderr)
            sons = [l.split()[-1] for l in p.lignes_de("TESSIMORA_SON")]
            self.assertNotIn("victoire", sons)
            self.assertNotIn("voix_time_up", sons)


if __name__ == "__main__":
    unittest.main()
