"""Trials of OPTIONS, CRT SETTINGS and CONTROLS with the real game, judged by
its sound log and its saved settings: a keyboard player goes from the title
through MODE SELECT to OPTIONS, switches to Japanese, lowers the music and
leaves, and the next start is in Japanese with the volume kept; a player
gives OK the key X in CONTROLS, and after a restart X starts from the title
while Return does nothing. Screenshots of the three screens are kept in
$TESSIMORA_CAPTURES when it names a folder, in English and in each language
of $TESSIMORA_LANGUES (default: English only)."""

import json
import os
import sys
import tempfile
import time
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from essai import Partie, ecrire_textes, lire_textes  # noqa: E402

SON = r"^TESSIMORA_SON \d+ %s$"
LIGNE_MUSIQUE, LIGNE_LANGUE = 7, 11


class Reglages(unittest.TestCase):
    def sons(self, p, *ids, delai=10):
        for i in ids:
            p.attendre(SON % i, delai)

    def touches(self, p, nom, fois, son="selection"):
        for _ in range(fois):
            p.touche(nom)
            self.sons(p, son)

    def capturer(self, p, dossier, nom):
        if not dossier:
            return
        time.sleep(0.8)
        chemin = p.capture(os.path.join(dossier, nom + ".png"))
        self.assertGreater(os.path.getsize(chemin), 5000)

    def test_japonais_et_musique_gardes(self):
        dossier = os.environ.get("TESSIMORA_CAPTURES")
        with tempfile.TemporaryDirectory() as config:
            ecrire_textes(config, {"reglages": json.dumps({"crt": {"actif": False}})})
            with Partie(["--journal-sons", "--muet"], config=config) as p:
                p.attendre("^TESSIMORA_PRET$")
                self.sons(p, "titre", delai=20)
                time.sleep(0.5)
                p.touche("Return")
                self.sons(p, "depart")  # MODE SELECT
                self.touches(p, "Left", 1)  # the rope wraps to OPTIONS
                p.touche("Return")
                self.sons(p, "depart")
                self.touches(p, "Down", LIGNE_LANGUE)
                # AUTO, zh-Hant, zh-Hans, ko, ja: four steps to the left.
                self.touches(p, "Left", 4)
                self.capturer(p, dossier, "options_japonais")
                self.touches(p, "Up", LIGNE_LANGUE - LIGNE_MUSIQUE)
                self.touches(p, "Left", 1)
                p.touche("Escape")
                self.sons(p, "deselection")
                time.sleep(0.5)
                self.assertEqual(p.fermer_fenetre(), 0)
            reglages = json.loads(lire_textes(config)["reglages"])
            self.assertEqual(reglages["jeu"]["langue"], "ja")
            self.assertEqual(reglages["son"]["musique"], 0.75)

            with Partie(["--journal-sons", "--muet", "--scene=titre"], config=config) as p:
                p.attendre("^TESSIMORA_PRET$")
                self.sons(p, "titre", delai=20)
                self.capturer(p, dossier, "titre_japonais")
                self.assertEqual(p.fermer_fenetre(), 0)
            reglages = json.loads(lire_textes(config)["reglages"])
            self.assertEqual(reglages["jeu"]["langue"], "ja")
            self.assertEqual(reglages["son"]["musique"], 0.75)

    def test_ok_sur_x(self):
        with tempfile.TemporaryDirectory() as config:
            with Partie(["--journal-sons", "--muet", "--scene=options"], config=config) as p:
                p.attendre("^TESSIMORA_PRET$")
                self.sons(p, "titre", delai=20)
                time.sleep(0.5)
                self.touches(p, "Up", 1)  # CONTROLS, the last line
                p.touche("Return")
                self.sons(p, "selection")
                time.sleep(0.3)
                self.touches(p, "Down", 4)  # OK  TAKE
                p.touche("Return")
                self.sons(p, "selection")
                p.touche("c")  # the tube's own key cannot be given
                self.sons(p, "erreur")
                p.touche("x")
                self.sons(p, "depart")
                p.touche("Escape")  # back to OPTIONS, on CONTROLS
                self.sons(p, "deselection")
                time.sleep(0.3)
                p.touche("x")  # X is OK now: CONTROLS again
                self.sons(p, "selection")
                self.assertEqual(p.fermer_fenetre(), 0)
            reglages = json.loads(lire_textes(config)["reglages"])
            self.assertEqual(reglages["touches"], {"ok": 0x58})

            with Partie(["--journal-sons", "--muet", "--scene=titre"], config=config) as p:
                p.attendre("^TESSIMORA_PRET$")
                self.sons(p, "titre", delai=20)
                time.sleep(0.5)
                p.touche("Return")
                time.sleep(1.0)
                sons = [l.split()[-1] for l in p.lignes_de("TESSIMORA_SON")]
                self.assertNotIn("depart", sons)
                p.touche("x")
                self.sons(p, "depart")

    # -- screenshots ---------------------------------------------------------
    def captures(self, langue, dossier):
        reglages = json.dumps({"crt": {"actif": False}, "jeu": {"langue": langue}})
        with tempfile.TemporaryDirectory() as config:
            ecrire_textes(config, {"reglages": reglages})
            with Partie(["--scene=options", "--journal-sons", "--muet"], config=config) as p:
                self.sons(p, "titre", delai=20)
                self.touches(p, "Down", LIGNE_MUSIQUE)
                self.touches(p, "Left", 3)
                self.capturer(p, dossier, langue + "_options")
            with Partie(["--scene=crt", "--journal-sons", "--muet"], config=config) as p:
                self.sons(p, "titre", delai=20)
                self.touches(p, "Down", 2)
                self.capturer(p, dossier, langue + "_crt")
            with Partie(["--scene=commandes", "--journal-sons", "--muet"], config=config) as p:
                self.sons(p, "titre", delai=20)
                self.touches(p, "Down", 8)
                self.capturer(p, dossier, langue + "_commandes")
                p.touche("Return")
                self.sons(p, "selection")
                self.capturer(p, dossier, langue + "_commandes_attente")
                p.touche("Escape")
                self.sons(p, "deselection")
                self.touches(p, "Right", 1)
                self.capturer(p, dossier, langue + "_commandes_souris")
                self.touches(p, "Right", 1)
                self.capturer(p, dossier, langue + "_commandes_manette")

    def test_captures(self):
        langues = os.environ.get("TESSIMORA_LANGUES", "en").split()
        dossier = os.environ.get("TESSIMORA_CAPTURES")
        with tempfile.TemporaryDirectory() as ici:
            for langue in langues:
                self.captures(langue, dossier or ici)


if __name__ == "__main__":
    unittest.main()
