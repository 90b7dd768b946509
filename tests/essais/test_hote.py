"""Trials of the host process: readiness, the frame-rate report, the fake
provider's folder, and a root scene that does not load."""

import os
import sys
import tempfile
import time
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from essai import Partie  # noqa: E402


class Hote(unittest.TestCase):
    def test_pret_et_pas_de_rapport_sans_option(self):
        with Partie(["--IPS", "-ips"]) as p:
            p.attendre("^TESSIMORA_PRET$")
            time.sleep(2.5)
            self.assertEqual(p.lignes_de("TESSIMORA_IPS"), [])

    def test_rapport_une_ligne_par_seconde(self):
        with Partie(["--ips"]) as p:
            p.attendre("^TESSIMORA_PRET$")
            premiere = p.attendre("^TESSIMORA_IPS ")
            time.sleep(3.2)
            lignes = p.lignes_de("TESSIMORA_IPS")
            self.assertGreaterEqual(len(lignes), 3)
            self.assertLessEqual(len(lignes), 6)
            for ligne in lignes:
                self.assertRegex(ligne, r"^TESSIMORA_IPS \d+ \d+\.\d \d+$")
            instants = [t for t, l in p.lignes if l.startswith("TESSIMORA_IPS")]
            ecarts = [b - a for a, b in zip(instants, instants[1:])]
            for ecart in ecarts:
                self.assertAlmostEqual(ecart, 1.0, delta=0.5)
            self.assertTrue(premiere)

    def test_dossier_du_faux_fournisseur_cree_avec_ses_parents(self):
        with tempfile.TemporaryDirectory() as ici:
            # Relative to the folder the game starts in.
            with Partie(["--faux-fournisseur=a/b/nuage-essai"], dossier=ici) as p:
                p.attendre("^TESSIMORA_PRET$")
                self.assertTrue(os.path.isdir(os.path.join(ici, "a", "b", "nuage-essai")))

    def test_options_bizarres_et_dossier_impossible(self):
        with tempfile.TemporaryDirectory() as ici:
            with open(os.path.join(ici, "fichier"), "w") as f:
                f.write("x")
            arguments = ["--faux-fournisseur=fichier/dessous", "--manette=", "--scene",
                         "--etape=" + "9" * 400, "--mode=\u00e9\u2603", "--PLEIN-ECRAN", ""]
            with Partie(arguments, dossier=ici) as p:
                p.attendre("^TESSIMORA_PRET$")
                time.sleep(1)
                self.assertIsNone(p.processus.poll())

    def test_racine_illisible_sortie_1(self):
        with Partie(env={"TESSIMORA_RACINE": "qrc:/app/nexiste-pas.qml"}) as p:
            self.assertEqual(p.attendre_fin(20), 1)
            self.assertEqual(p.lignes_de("TESSIMORA_PRET"), [])


if __name__ == "__main__":
    unittest.main()
