"""Trials of MODE SELECT and the pause menu with the real game, judged by its
sound log: a keyboard player and a mouse player each go from a plain start to
INCENSE RUSH, pause it and quit to the title through the confirmation; a
locked mode refuses, NIGHT MARKET with no progress starts at once; and
screenshots of the menus, kept in $TESSIMORA_CAPTURES when it names a folder,
in English and in each language of $TESSIMORA_LANGUES (default: English only)."""

import json
import os
import sys
import tempfile
import time
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from essai import Partie, ecrire_textes  # noqa: E402

SON = r"^TESSIMORA_SON \d+ %s$"


class Menus(unittest.TestCase):
    def sons(self, p, *ids, delai=10):
        for i in ids:
            p.attendre(SON % i, delai)

    def jusqu_au_jeu(self, p):
        """The stage under way: Escape and the top band pause only then."""
        self.sons(p, "depart", "jeu4", "voix_ready", delai=20)
        self.sons(p, "voix_go", delai=20)
        time.sleep(0.3)

    def test_clavier_jusqu_a_la_pause_et_retour(self):
        with Partie(["--journal-sons", "--muet"]) as p:
            p.attendre("^TESSIMORA_PRET$")
            self.sons(p, "titre", delai=20)
            time.sleep(0.5)
            p.touche("Return")
            self.sons(p, "depart")
            for _ in range(3):
                p.touche("Right")
                self.sons(p, "selection")
            p.touche("Return")
            self.jusqu_au_jeu(p)
            p.touche("Escape")
            time.sleep(0.3)
            for _ in range(5):  # RESUME HINT MIX UNDO PEEK, then QUIT TO TITLE
                p.touche("Down")
                self.sons(p, "selection")
            p.touche("Return")
            self.sons(p, "selection")
            p.touche("Left")
            self.sons(p, "selection")
            p.touche("Return")
            self.sons(p, "depart", "titre")

    def test_souris_jusqu_a_la_pause_et_retour(self):
        with Partie(["--journal-sons", "--muet"]) as p:
            p.attendre("^TESSIMORA_PRET$")
            self.sons(p, "titre", delai=20)
            time.sleep(0.5)
            p.clic_natif(192, 120)  # a tap on the title acts as OK
            self.sons(p, "depart")
            time.sleep(0.3)
            p.clic_natif(4 + 54 * 3 + 24, 60)  # INCENSE RUSH's lantern
            self.sons(p, "selection")
            time.sleep(0.3)
            p.clic_natif(4 + 54 * 3 + 24, 60)  # the chosen lantern acts as OK
            self.jusqu_au_jeu(p)
            p.clic_natif(192, 5)  # the top band pauses
            time.sleep(0.3)
            p.clic_natif(190, 70 + 13 * 5)  # QUIT TO TITLE
            self.sons(p, "selection")
            time.sleep(0.3)
            p.clic_natif(150, 120)  # YES lights first
            self.sons(p, "selection")
            time.sleep(0.2)
            p.clic_natif(150, 120)
            self.sons(p, "depart", "titre")

    def test_mode_ferme_et_depart_immediat(self):
        with Partie(["--scene=menu", "--journal-sons", "--muet"]) as p:
            p.attendre("^TESSIMORA_PRET$")
            self.sons(p, "titre", delai=20)
            time.sleep(0.5)
            for _ in range(5):
                p.touche("Right")
                self.sons(p, "selection")
            p.touche("Return")  # PAPER MOON, locked
            self.sons(p, "erreur")
            for _ in range(5):
                p.touche("Left")
                self.sons(p, "selection")
            p.touche("Return")  # NIGHT MARKET: STAGE 01 at once, no row
            self.sons(p, "depart", "voix_ready", delai=20)
            # No row opened on the way: ten moves, one start.
            sons = [l.split()[-1] for l in p.lignes_de("TESSIMORA_SON")]
            self.assertEqual(sons.count("selection"), 10)
            self.assertEqual(sons.count("depart"), 1)

    # -- screenshots ---------------------------------------------------------
    def capturer(self, p, dossier, nom):
        time.sleep(0.6)
        chemin = p.capture(os.path.join(dossier, nom + ".png"))
        self.assertGreater(os.path.getsize(chemin), 5000)

    def captures(self, langue, dossier):
        reglages = json.dumps({"crt": {"actif": False}, "jeu": {"langue": langue}})
        progression = json.dumps({"etapeMax": 6, "etapesVues": [0, 1, 2, 3, 4, 5]})
        with tempfile.TemporaryDirectory() as config:
            ecrire_textes(config, {"reglages": reglages, "progression": progression})
            with Partie(["--scene=menu", "--journal-sons", "--muet"], config=config) as p:
                p.attendre("^TESSIMORA_PRET$")
                self.sons(p, "titre", delai=20)
                self.capturer(p, dossier, langue + "_menu")
                p.touche("Return")
                self.capturer(p, dossier, langue + "_menu_etapes")
                p.touche("Escape")
                p.touche("Right")
                p.touche("Right")
                p.touche("Return")
                self.capturer(p, dossier, langue + "_menu_duel")
                p.touche("Escape")
                for _ in range(5):
                    p.touche("Right")
                p.touche("Return")
                self.capturer(p, dossier, langue + "_menu_extras")
                p.touche("Escape")
                p.touche("Left")
                self.capturer(p, dossier, langue + "_menu_parade")
            ecrire_textes(config, {"reglages": reglages})
            with Partie(["--scene=titre", "--journal-sons", "--muet"], config=config) as p:
                self.sons(p, "titre", delai=20)
                self.capturer(p, dossier, langue + "_titre")
                p.touche("Escape")
                self.capturer(p, dossier, langue + "_titre_quitter")
            for mode in ("night", "daily"):
                with Partie(["--scene=partie", "--mode=" + mode, "--journal-sons", "--muet"],
                            config=config) as p:
                    self.sons(p, "voix_go", delai=30)
                    time.sleep(0.3)
                    p.touche("Escape")
                    self.capturer(p, dossier, "%s_pause_%s" % (langue, mode))
                    if mode == "night":
                        for _ in range(5):
                            p.touche("Down")
                        p.touche("Return")
                        self.capturer(p, dossier, langue + "_confirmation")

    def test_captures(self):
        langues = os.environ.get("TESSIMORA_LANGUES", "en").split()
        dossier = os.environ.get("TESSIMORA_CAPTURES")
        with tempfile.TemporaryDirectory() as ici:
            for langue in langues:
                self.captures(langue, dossier or ici)


if __name__ == "__main__":
    unittest.main()
