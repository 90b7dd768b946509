"""Trials of TEA HOUSE with the real game: a folder of stack files in both
formats, good and bad, read at start (each bad one said once on standard
output and standard error); the list reached from the title by keyboard;
a small file played by the AI to its end screen, back to the list on that
stack, and SAME DEAL; the best time kept across a restart; --pile=FILE
starting its stack at once. A catalogue stack played to its end takes
most of a minute: it runs only with TESSIMORA_ESSAIS_LONGS=1 (the build's
`essai_long` label)."""

import json
import os
import shutil
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from essai import Partie, ecrire_textes, lire_textes  # noqa: E402

EXEMPLES = os.path.join(os.path.dirname(__file__), "..", "noyau", "piles", "exemples")
BONS = ["ancien.layout", "escalier.layout", "pont.layout", "lanterne.json"]
MAUVAIS = {"casse.layout": "BAD TILE", "impair.json": "ODD", "large.layout": "TOO WIDE"}
PAROLE = r"^TESSIMORA_PAROLE "
REGLAGES = json.dumps({"acces": {"parole": True}, "jeu": {"langue": "en"},
                       "crt": {"actif": False}})


def dossier_de_piles(donnees):
    piles = os.path.join(donnees, "tessimora", "piles")
    os.makedirs(piles)
    for nom in BONS + list(MAUVAIS):
        shutil.copy(os.path.join(EXEMPLES, nom), piles)
    # Two more in the project's own notation, so that each format has three.
    with open(os.path.join(piles, "bol.json"), "w") as f:
        json.dump({"nom": "BOWL", "couches": [["####"]]}, f)
    with open(os.path.join(piles, "carre.json"), "w") as f:
        json.dump({"nom": "SQUARE", "couches": [["##", "##"]]}, f)
    return piles


def vers_le_salon(p):
    """From the title, by keyboard: MODE SELECT, right to TEA HOUSE's
    lantern by what SPEECH says, then its list."""
    p.touche("Return")
    p.attendre(PAROLE + "MODE SELECT, ")
    for _ in range(12):
        p.touche("Right")
        if p.attendre(PAROLE + r"\S", 5).startswith("TESSIMORA_PAROLE TEA HOUSE"):
            break
    else:
        raise AssertionError("no TEA HOUSE lantern on MODE SELECT")
    p.touche("Return")
    p.attendre("^TESSIMORA_SCENE salon$")


class Salon(unittest.TestCase):
    def test_du_titre_a_la_fin_d_une_pile(self):
        with tempfile.TemporaryDirectory() as config, tempfile.TemporaryDirectory() as donnees:
            piles = dossier_de_piles(donnees)
            ecrire_textes(config, {"reglages": REGLAGES})
            env = {"XDG_DATA_HOME": donnees}
            with Partie(["--journal-parole", "--muet", "--pilote=2"], env=env, config=config) as p:
                p.attendre(PAROLE + "TESSIMORA, ARCADE MAHJONG$", 20)
                refus = p.lignes_de("TESSIMORA_PILE_REFUSEE ")
                self.assertEqual(sorted(refus), ["TESSIMORA_PILE_REFUSEE %s %s"
                                                 % (os.path.join(piles, nom), raison)
                                                 for nom, raison in sorted(MAUVAIS.items())])
                vers_le_salon(p)
                p.attendre(PAROLE + "TEA HOUSE, GREAT LANTERN$")
                # Up from the top wraps to the last file by name: the bridge.
                p.touche("Up")
                p.attendre(PAROLE + "PONT$")
                p.touche("Return")
                p.attendre("^TESSIMORA_PILE PONT 8$", 10)
                p.attendre("^TESSIMORA_SCENE bilan$", 30)
                p.attendre(PAROLE + r"ALL CLEAR, PONT, TIME \d+:\d\d, PAIRS 4, HINT 0, UNDO 0, "
                           r"BEST TIME \d+:\d\d, BEST SCORE \d+$")
                p.touche("Return")
                p.attendre("^TESSIMORA_SCENE salon$")
                # Back on the bridge, with its SAME DEAL row under it.
                p.touche("Down")
                p.attendre(PAROLE + "SAME DEAL$")
                p.touche("Return")
                p.attendre("^TESSIMORA_PILE PONT 8$", 10)
                p.attendre("^TESSIMORA_SCENE bilan$", 30)
                p.fermer_fenetre()
            erreurs = "\n".join(getattr(p, "erreurs", []))
            for nom in MAUVAIS:
                self.assertIn(os.path.join(piles, nom), erreurs)
            salon = json.loads(lire_textes(config)["salon"])
            pont = [r for r in salon["piles"] if r["nom"] == "PONT"]
            self.assertEqual(len(pont), 1)
            self.assertGreater(pont[0]["temps"], 0)

            # A file named on the command line starts at once; the bridge's
            # record is still there afterwards.
            with Partie(["--muet", "--pilote=2", "--pile=" + os.path.join(piles, "lanterne.json")],
                        env=env, config=config) as p:
                p.attendre("^TESSIMORA_PILE PAPER LANTERN 10$", 20)
                p.attendre("^TESSIMORA_SCENE bilan$", 30)
                p.fermer_fenetre()
            salon = json.loads(lire_textes(config)["salon"])
            noms = sorted(r["nom"] for r in salon["piles"])
            self.assertEqual(noms, ["PAPER LANTERN", "PONT"])
            self.assertEqual([r["temps"] for r in salon["piles"] if r["nom"] == "PONT"],
                             [pont[0]["temps"]])


@unittest.skipUnless(os.environ.get("TESSIMORA_ESSAIS_LONGS") == "1",
                     "a whole catalogue stack takes most of a minute: TESSIMORA_ESSAIS_LONGS=1")
class SalonCatalogue(unittest.TestCase):
    def test_une_pile_du_catalogue_jusqu_au_bilan(self):
        with tempfile.TemporaryDirectory() as config, tempfile.TemporaryDirectory() as donnees:
            ecrire_textes(config, {"reglages": REGLAGES})
            with Partie(["--journal-parole", "--muet", "--pilote=2"],
                        env={"XDG_DATA_HOME": donnees}, config=config) as p:
                p.attendre(PAROLE + "TESSIMORA, ARCADE MAHJONG$", 20)
                vers_le_salon(p)
                # With no files the last row is the catalogue's smallest duel stack.
                p.touche("Up")
                p.touche("Return")
                p.attendre("^TESSIMORA_PILE RICE BOWL 106$", 10)
                p.attendre("^TESSIMORA_SCENE bilan$", 240)
                p.fermer_fenetre()
            salon = json.loads(lire_textes(config)["salon"])
            self.assertEqual([r["nom"] for r in salon["piles"]], ["RICE BOWL"])


if __name__ == "__main__":
    unittest.main()
