"""Trials of the platform services with the real game: achievements earned by
the computer player reach the fake provider and the saved text, a second run
tells the provider again without unlocking anything again, and the friends'
status follows the scene."""

import json
import os
import re
import sys
import tempfile
import time
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from essai import Partie, lire_textes  # noqa: E402

ETAPE_1 = 'TESSIMORA_PLATEFORME presence #Night {"etape":"1"} '


def paires_annoncees(p):
    """The pair counter as the provider last heard it."""
    valeurs = [int(m.group(1)) for m in
               (re.match(r"^TESSIMORA_PLATEFORME progresser HUNDRED_LANTERNS (\d+)/100 paires$", l)
                for l in p.lignes_de("TESSIMORA_PLATEFORME progresser")) if m]
    return valeurs[-1] if valeurs else 0


class Plateforme(unittest.TestCase):
    def test_succes_gagnes_par_l_ia_puis_seconde_partie(self):
        with tempfile.TemporaryDirectory() as config, tempfile.TemporaryDirectory() as ici:
            dossier = os.path.join(ici, "nuage")
            arguments = ["--scene=partie", "--mode=night", "--pilote=2",
                         "--faux-fournisseur=" + dossier, "--journal-sons", "--muet"]
            with Partie(arguments, config=config) as p:
                p.attendre("^TESSIMORA_PRET$")
                p.attendre("^" + re.escape(ETAPE_1) + "$", 20)
                p.attendre("^TESSIMORA_SUCCES FIRST_LANTERN$", 40)
                p.attendre("^TESSIMORA_SUCCES SPARKS$", 40)
                self.assertIsNotNone(p.fermer_fenetre(), "the game did not end on close")
                time.sleep(0.5)  # the last lines of the pipe
                lignes = [l for _, l in p.lignes if not l.startswith("TESSIMORA_SON")]
                # The provider hears of each unlock (and of the progress and
                # records of the same pair) before the console line.
                for id in ("FIRST_LANTERN", "SPARKS"):
                    i = lignes.index("TESSIMORA_SUCCES " + id)
                    j = lignes.index("TESSIMORA_PLATEFORME debloquer " + id)
                    self.assertLess(j, i)
                    self.assertTrue(all(l.startswith("TESSIMORA_PLATEFORME ")
                                        for l in lignes[j:i]), lignes[j:i])
                self.assertIn("TESSIMORA_PLATEFORME progresser HUNDRED_LANTERNS 1/100 paires",
                              lignes)
                self.assertIn("TESSIMORA_PLATEFORME progresser LANTERN_FESTIVAL 1/5000 paires",
                              lignes)
                self.assertIn("TESSIMORA_PLATEFORME score RECORD_PAIRS 1 []", lignes)
                # The status is sent once: the stage did not change (a tick
                # before the game started may have sent the title's).
                self.assertEqual(p.lignes_de("TESSIMORA_PLATEFORME presence #Night"), [ETAPE_1])
                paires = paires_annoncees(p)

            succes = json.loads(lire_textes(config)["succes"])
            self.assertIn("FIRST_LANTERN", succes["debloques"])
            self.assertIn("SPARKS", succes["debloques"])
            self.assertEqual(succes["stats"]["paires"], paires)
            with open(os.path.join(dossier, "tessimora.sav"), encoding="utf-8") as f:
                self.assertIn("SPARKS", json.loads(f.read())["succes"]["debloques"])

            # Second run: the provider hears again of what was earned, and the
            # next pairs unlock nothing already unlocked.
            with Partie(arguments, config=config) as p:
                p.attendre("^TESSIMORA_PLATEFORME debloquer FIRST_LANTERN$", 20)
                p.attendre("^TESSIMORA_PLATEFORME debloquer SPARKS$", 5)
                p.attendre("^TESSIMORA_PLATEFORME progresser HUNDRED_LANTERNS %d/100 paires$"
                           % paires, 5)
                p.attendre("^TESSIMORA_PLATEFORME progresser HUNDRED_LANTERNS %d/100 paires$"
                           % (paires + 3), 40)
                succes_vus = p.lignes_de("TESSIMORA_SUCCES ")
                self.assertNotIn("TESSIMORA_SUCCES FIRST_LANTERN", succes_vus)
                self.assertNotIn("TESSIMORA_SUCCES SPARKS", succes_vus)

    def test_statut_suit_la_scene(self):
        with tempfile.TemporaryDirectory() as ici:
            dossier = os.path.join(ici, "nuage")
            with Partie(["--scene=titre", "--faux-fournisseur=" + dossier, "--muet"]) as p:
                p.attendre("^TESSIMORA_PRET$")
                p.attendre(r"^TESSIMORA_PLATEFORME presence #Titre \{\} $", 20)
                time.sleep(0.5)
                p.touche("Return")
                p.attendre(r"^TESSIMORA_PLATEFORME presence #Menu \{\} $", 10)
                time.sleep(2.5)
                self.assertEqual(len(p.lignes_de("TESSIMORA_PLATEFORME presence")), 2)
            # A game played by hand: its stage, its pause, the stage again.
            with Partie(["--scene=partie", "--mode=paper", "--faux-fournisseur=" + dossier,
                         "--muet", "--journal-sons"]) as p:
                p.attendre(r'^TESSIMORA_PLATEFORME presence #Paper \{"etape":"1"\} $', 30)
                # Escape pauses only once the stage is under way.
                if not [l for l in p.lignes_de("TESSIMORA_SON") if l.endswith(" voix_go")]:
                    p.attendre(r"^TESSIMORA_SON \d+ voix_go$", 10)
                time.sleep(0.3)
                p.touche("Escape")
                p.attendre(r"^TESSIMORA_PLATEFORME presence #Pause \{\} $", 10)
                p.touche("F1")
                p.attendre(r'^TESSIMORA_PLATEFORME presence #Paper \{"etape":"1"\} $', 10)

    def test_sans_fournisseur_tout_reste_local(self):
        with tempfile.TemporaryDirectory() as config:
            with Partie(["--scene=partie", "--mode=night", "--pilote=2", "--muet"],
                        config=config) as p:
                p.attendre("^TESSIMORA_SUCCES FIRST_LANTERN$", 40)
                time.sleep(1.5)
                p.fermer_fenetre()
                self.assertEqual(p.lignes_de("TESSIMORA_PLATEFORME"), [])
            self.assertIn("FIRST_LANTERN", json.loads(lire_textes(config)["succes"])["debloques"])


if __name__ == "__main__":
    unittest.main()
