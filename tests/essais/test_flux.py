"""Trials of whole games with the real program, judged by its sound log, its
leaderboard lines and the saved settings file: INCENSE RUSH whose incense
burns out, GAME OVER at once and the table. Screenshots go to
$TESSIMORA_CAPTURES when it names a folder.

In every run the rush's incense is spent first through the aids
(Partie.depenser_encens) and its last seconds burn by the clock. The long run
(configure with -DTESSIMORA_ESSAIS_LONGS=ON, then ctest -L essai_long) leaves
the rush alone for its whole 90 s, clears STAGE 12 of NIGHT MARKET by the
computer (a minute and a half of play) through the LANTERN ROOM and NEW
RECORD with three OKs to the saved entry and stage, and plays INCENSE RUSH
with the computer until its incense is out, through NEW RECORD to the saved
entry, and restarts the game to see it in the attract loop's rush table. The
flow of the twelfth stage is also followed, in every run, by the scene test
tst_borne_flux."""

import json
import os
import re
import sys
import tempfile
import time
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from essai import Partie, ecrire_textes, lire_textes  # noqa: E402

SON = r"^TESSIMORA_SON \d+ %s$"
SANS_CRT = json.dumps({"crt": {"actif": False}})


class Flux(unittest.TestCase):
    def setUp(self):
        self.dossier = os.environ.get("TESSIMORA_CAPTURES") or tempfile.mkdtemp()
        self.config = tempfile.mkdtemp(prefix="tessimora-flux-")
        ecrire_textes(self.config, {"reglages": SANS_CRT})

    def sons(self, p, *ids, delai=10):
        for i in ids:
            p.attendre(SON % i, delai)

    def capturer(self, p, nom, attente=0.8):
        time.sleep(attente)
        chemin = p.capture(os.path.join(self.dossier, nom + ".png"))
        self.assertGreater(os.path.getsize(chemin), 5000)

    def trois_ok(self, p):
        for _ in range(3):
            p.touche("Return")
            self.sons(p, "credit")

    def test_rush_sans_joueur(self):
        # Nobody plays a pair: the 90 s run out, GAME OVER at once (no
        # CONTINUE?), a score of 0 enters no table, HIGH SCORES, then the title.
        with Partie(["--scene=partie", "--mode=rush", "--journal-sons", "--muet"],
                    config=self.config) as p:
            p.attendre("^TESSIMORA_PRET$")
            self.sons(p, "jeu4", "voix_go", delai=30)
            debut = time.monotonic()
            depense = 0 if os.environ.get("TESSIMORA_ESSAIS_LONGS") else p.depenser_encens()
            if not p.temps_ecoule():
                self.sons(p, "voix_time_up", delai=120)
            self.assertGreater(time.monotonic() - debut + depense, 80)
            self.sons(p, "defaite", delai=5)
            self.capturer(p, "flux_gameover_rush")
            self.sons(p, "titre", delai=6)
            sons = [l.split()[-1] for l in p.lignes_de("TESSIMORA_SON")]
            self.assertNotIn("continue", sons)
            self.assertNotIn("record", sons)
            self.capturer(p, "flux_scores_rush", attente=0.5)

    @unittest.skipUnless(os.environ.get("TESSIMORA_ESSAIS_LONGS"), "minutes long")
    def test_rush_jusqu_au_record(self):
        # The weakest computer player gains 2 s per pair but spends more: its
        # incense burns out in minutes (a stronger one regains more than it burns).
        arguments = ["--scene=partie", "--mode=rush", "--pilote=0", "--journal-sons", "--muet"]
        with Partie(arguments, config=self.config) as p:
            p.attendre("^TESSIMORA_PRET$")
            self.sons(p, "jeu4", delai=30)
            self.sons(p, "defaite", delai=1500)
            score = int(p.attendre(r"^TESSIMORA_CLASSEMENT rush \d+$", 10).split()[-1])
            self.capturer(p, "flux_gameover")
            sons = [l.split()[-1] for l in p.lignes_de("TESSIMORA_SON")]
            self.assertNotIn("continue", sons)
            # Each cleared stack rang its all-clear and raised the multiplier.
            multiplicateur = 1 + sons.count("bonus_temps")
            self.sons(p, "record", delai=10)
            self.capturer(p, "flux_saisie")
            self.trois_ok(p)
            self.sons(p, "titre")
            self.capturer(p, "flux_scores", attente=0.5)
            # After a finished game the table leads to the title, not to HOW TO PLAY.
            time.sleep(6.5)
            self.capturer(p, "flux_titre_apres", attente=0)
            self.assertEqual(p.fermer_fenetre(), 0)
        textes = lire_textes(self.config)
        rush = json.loads(textes["scores"])["rush"]
        entree = [e for e in rush if e["nom"] == "PND" and e["score"] == score]
        self.assertEqual(len(entree), 1, rush)
        self.assertEqual(entree[0]["etape"], multiplicateur)
        self.assertEqual(json.loads(textes["reglages"])["jeu"]["initiales"], "PND")
        # After a restart the attract loop's rush table holds the entry: start
        # card 1 s, then titre 8, demo 30, a table 6 and HOW TO PLAY 8, three
        # times, before the fourth table (rush) shows.
        with Partie(["--journal-sons", "--muet"], config=self.config) as p:
            p.attendre("^TESSIMORA_PRET$")
            self.sons(p, "titre", delai=20)
            time.sleep(1 + 3 * (8 + 30 + 6 + 8) + 8 + 30 + 2)
            self.capturer(p, "flux_attract_rush", attente=0)

    @unittest.skipUnless(os.environ.get("TESSIMORA_ESSAIS_LONGS"), "minutes long")
    def test_douzieme_etape_salle_et_record(self):
        arguments = ["--scene=partie", "--mode=night", "--etape=11", "--pilote=2",
                     "--journal-sons", "--muet"]
        with Partie(arguments, config=self.config) as p:
            p.attendre("^TESSIMORA_PRET$")
            self.sons(p, "voix_go", delai=30)
            self.sons(p, "fin_etape", delai=400)
            self.sons(p, "victoire", delai=30)
            score = int(p.attendre(r"^TESSIMORA_CLASSEMENT night \d+$", 10).split()[-1])
            self.capturer(p, "flux_salle", attente=1.5)
            p.touche("Return")
            self.sons(p, "record")
            self.capturer(p, "flux_saisie_nuit")
            self.trois_ok(p)
            self.sons(p, "titre")
            self.assertEqual(p.fermer_fenetre(), 0)
        textes = lire_textes(self.config)
        night = json.loads(textes["scores"])["night"]
        self.assertIn({"nom": "PND", "score": score, "etape": 12}, night)
        progression = json.loads(textes["progression"])
        self.assertEqual(progression["etapeMax"], 12)
        self.assertIn(11, progression["etapesVues"])
        # After a restart MODE SELECT has PAPER MOON open: OK starts it.
        with Partie(["--scene=menu", "--journal-sons", "--muet"], config=self.config) as p:
            p.attendre("^TESSIMORA_PRET$")
            self.sons(p, "titre", delai=20)
            time.sleep(0.5)
            for _ in range(5):
                p.touche("Right")
                self.sons(p, "selection")
            p.touche("Return")
            self.sons(p, "depart", "voix_ready", delai=20)
            self.assertNotIn("erreur", [l.split()[-1] for l in p.lignes_de("TESSIMORA_SON")])


if __name__ == "__main__":
    unittest.main()
