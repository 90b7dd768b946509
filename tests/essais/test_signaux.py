"""Trials of the end of a run by a signal: SIGTERM, SIGINT and SIGHUP quit
as the close button does, with every saved text and the cloud copy written,
even when the last change was made a moment before; a second signal ends the
process at once; and a change is on disk a second after it was made, so that
even SIGKILL loses nothing."""

import json
import os
import signal
import sys
import tempfile
import time
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from essai import Partie, lire_textes  # noqa: E402

CLES = ("scores", "reglages", "progression", "succes")


class Signaux(unittest.TestCase):
    def demarrer(self, p):
        p.attendre("^TESSIMORA_PRET$")
        # The title's music: the memory has read its texts and the cabinet runs.
        p.attendre(r"^TESSIMORA_SON \d+ titre$", 30)
        time.sleep(0.3)

    def basculer_crt(self, p):
        """The C key switches the tube off and saves the settings."""
        p.touche("c")

    def crt_sur_disque(self, config):
        return json.loads(lire_textes(config)["reglages"])["crt"]["actif"]

    def test_chaque_signal_ecrit_tout_et_le_nuage(self):
        for numero in (signal.SIGTERM, signal.SIGINT, signal.SIGHUP):
            with self.subTest(signal=numero.name), tempfile.TemporaryDirectory() as config, \
                    tempfile.TemporaryDirectory() as ici:
                nuage = os.path.join(ici, "nuage")
                arguments = ["--journal-sons", "--muet", "--faux-fournisseur=" + nuage]
                with Partie(arguments, config=config) as p:
                    self.demarrer(p)
                    avant = len(p.lignes_de("TESSIMORA_PLATEFORME nuage"))
                    self.basculer_crt(p)
                    time.sleep(0.2)
                    p.processus.send_signal(numero)
                    self.assertEqual(p.attendre_fin(15), 0, "no clean quit on " + numero.name)
                    # The quit's cloud copy, sent at once rather than 2 s later.
                    self.assertGreater(len(p.lignes_de("TESSIMORA_PLATEFORME nuage")), avant)
                textes = lire_textes(config)
                for cle in CLES:
                    self.assertIn(cle, textes)
                self.assertIs(self.crt_sur_disque(config), False)
                with open(os.path.join(nuage, "tessimora.sav"), encoding="utf-8") as f:
                    env = json.loads(f.read())
                self.assertIs(env["reglages"]["crt"]["actif"], False)

    def test_un_second_signal_finit_aussitot(self):
        with tempfile.TemporaryDirectory() as config:
            with Partie(["--journal-sons", "--muet"], config=config) as p:
                self.demarrer(p)
                self.basculer_crt(p)
                time.sleep(1)
                # Both arrive before the quit is over: the second ends it. Two
                # different ones, since a pending signal sent again is one
                # signal; whichever is taken second is the one that kills.
                p.processus.send_signal(signal.SIGINT)
                p.processus.send_signal(signal.SIGTERM)
                self.assertIn(p.attendre_fin(15), (-signal.SIGINT, -signal.SIGTERM))
            # What was already stored is whole.
            self.assertIs(self.crt_sur_disque(config), False)

    def test_sigkill_une_seconde_apres_ne_perd_rien(self):
        with tempfile.TemporaryDirectory() as config:
            with Partie(["--journal-sons", "--muet"], config=config) as p:
                self.demarrer(p)
                self.basculer_crt(p)
                time.sleep(1)
                p.processus.kill()
                self.assertEqual(p.attendre_fin(15), -signal.SIGKILL)
            self.assertIs(self.crt_sur_disque(config), False)


if __name__ == "__main__":
    unittest.main()
