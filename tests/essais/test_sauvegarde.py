"""Trials of the saves with the real game: what a first start writes, how
damaged stored texts are repaired, and the cloud copy through the fake
provider, read back and merged on the next start."""

import json
import os
import sys
import tempfile
import time
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from essai import Partie, ecrire_textes, lire_textes  # noqa: E402

CLES = ("scores", "reglages", "progression", "succes")
MODES = ("night", "sliding", "duel", "rush", "daily", "paper", "parade")


class Sauvegarde(unittest.TestCase):
    def demarrer_et_fermer(self, config, arguments=()):
        with Partie(list(arguments), config=config) as p:
            p.attendre("^TESSIMORA_PRET$")
            # The memory reads its texts one turn later; give the start a moment.
            time.sleep(2)
            p.fermer_fenetre(attendre=False)
            self.assertIsNotNone(p.attendre_fin(15), "the game did not end on close")
            return p.lignes_de("TESSIMORA_PLATEFORME")

    def test_premier_demarrage_ecrit_quatre_textes_valides(self):
        with tempfile.TemporaryDirectory() as config:
            self.demarrer_et_fermer(config)
            textes = lire_textes(config)
            for cle in CLES:
                self.assertIn(cle, textes)
            scores = json.loads(textes["scores"])
            self.assertEqual(list(scores), list(MODES))
            self.assertEqual(scores["night"][0], {"nom": "PND", "score": 100000, "etape": 10})
            reglages = json.loads(textes["reglages"])
            self.assertEqual(list(reglages), ["crt", "son", "jeu", "touches", "acces"])
            self.assertEqual(json.loads(textes["progression"])["etapeMax"], 0)
            self.assertEqual(list(json.loads(textes["succes"])), ["debloques", "stats", "defiDernier"])

    def test_textes_abimes_reecrits_champ_par_champ(self):
        with tempfile.TemporaryDirectory() as config:
            ecrire_textes(config, {
                "scores": '{"night":[{"nom":"ab","score":"1500.9","etape":-3}],"rush":',
                "reglages": '{"crt":{"balayage":7,"lueur":0.1},"son":{"musique":0.25},"jeu":[]}',
                "progression": '{"etapeMax":"x","defisFinis":["20261201",5]}',
                "succes": "\u0000garbage",
            })
            self.demarrer_et_fermer(config)
            textes = lire_textes(config)
            # An unreadable scores text reads as the default tables.
            self.assertEqual(json.loads(textes["scores"])["night"][0]["nom"], "PND")
            reglages = json.loads(textes["reglages"])
            self.assertEqual(reglages["crt"]["balayage"], 0.6)
            self.assertEqual(reglages["crt"]["lueur"], 0.1)
            self.assertEqual(reglages["son"]["musique"], 0.25)
            self.assertEqual(reglages["jeu"]["initiales"], "PND")
            progression = json.loads(textes["progression"])
            self.assertEqual(progression["etapeMax"], 0)
            self.assertEqual(progression["defisFinis"], ["20261201"])
            self.assertEqual(json.loads(textes["succes"])["debloques"], {})

    def test_nuage_du_faux_fournisseur(self):
        with tempfile.TemporaryDirectory() as config, tempfile.TemporaryDirectory() as ici:
            dossier = os.path.join(ici, "nuage")
            lignes = self.demarrer_et_fermer(config, ["--faux-fournisseur=" + dossier])
            sav = os.path.join(dossier, "tessimora.sav")
            self.assertTrue(os.path.exists(sav))
            with open(sav, "rb") as f:
                octets = f.read()
            self.assertIn("TESSIMORA_PLATEFORME nuage %d" % len(octets), lignes)
            env = json.loads(octets.decode("utf-8"))
            self.assertEqual(env["format"], "tessimora-sauvegarde")
            self.assertEqual(env["version"], 1)

            # A better score from another device, planted in the cloud file.
            env["scores"]["rush"].insert(0, {"nom": "CLD", "score": 999999, "etape": 3})
            with open(sav, "w", encoding="utf-8") as f:
                f.write(json.dumps(env, separators=(",", ":")))
            self.demarrer_et_fermer(config, ["--faux-fournisseur=" + dossier])
            local = json.loads(lire_textes(config)["scores"])
            self.assertEqual(local["rush"][0], {"nom": "CLD", "score": 999999, "etape": 3})
            with open(sav, encoding="utf-8") as f:
                nuage = json.loads(f.read())
            self.assertEqual(nuage["scores"]["rush"][0]["nom"], "CLD")
            self.assertEqual(len(nuage["scores"]["rush"]), 10)


if __name__ == "__main__":
    unittest.main()
