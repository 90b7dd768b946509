"""Trials of the cabinet with the real game, followed through its sound log:
the title's music, a coin, OK at the title leaving for the mode menu, and a
screenshot of the title."""

import os
import sys
import tempfile
import time
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from essai import Partie  # noqa: E402


class Borne(unittest.TestCase):
    def test_titre_piece_et_depart(self):
        with Partie(["--scene=titre", "--journal-sons", "--muet"]) as p:
            p.attendre("^TESSIMORA_PRET$")
            p.attendre(r"^TESSIMORA_SON \d+ titre$")
            time.sleep(0.5)
            p.touche("5")
            p.attendre(r"^TESSIMORA_SON \d+ credit$", 10)
            p.touche("Return")
            p.attendre(r"^TESSIMORA_SON \d+ depart$", 10)
            with tempfile.TemporaryDirectory() as ici:
                image = p.capture(os.path.join(ici, "menu.png"))
                self.assertGreater(os.path.getsize(image), 1000)

    def test_depart_au_demarrage(self):
        # A plain start begins with the start card, then the title's music.
        with Partie(["--journal-sons", "--muet"]) as p:
            p.attendre("^TESSIMORA_PRET$")
            p.attendre(r"^TESSIMORA_SON \d+ titre$", 15)

    def test_depart_direct_joue_par_l_ia(self):
        # The direct start opens a NIGHT MARKET stage at once; the AI plays it.
        with Partie(["--scene=partie", "--mode=night", "--pilote=2", "--journal-sons",
                     "--muet"]) as p:
            p.attendre("^TESSIMORA_PRET$")
            p.attendre(r"^TESSIMORA_SON \d+ voix_ready$", 20)
            p.attendre(r"^TESSIMORA_SON \d+ voix_go$", 20)
            p.attendre(r"^TESSIMORA_SON \d+ paire_1$", 30)
            p.attendre(r"^TESSIMORA_SON \d+ paire_2$", 30)

    def test_depart_direct_incense_rush(self):
        with Partie(["--scene=partie", "--mode=rush", "--journal-sons", "--muet"]) as p:
            p.attendre("^TESSIMORA_PRET$")
            p.attendre(r"^TESSIMORA_SON \d+ jeu4$", 20)
            p.attendre(r"^TESSIMORA_SON \d+ voix_ready$", 20)


if __name__ == "__main__":
    unittest.main()
