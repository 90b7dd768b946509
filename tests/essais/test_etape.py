"""Trials of a stage played on screen by the computer player, followed through
the sound log: a whole stack cleared to its end, and the weakest player's
wrong pairs refused like a player's."""

import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from essai import Partie  # noqa: E402


class Etape(unittest.TestCase):
    def test_etape_videe_par_l_ia(self):
        # The strongest computer player clears a stack of 110 tiles on screen:
        # the start, every pair and the end of the stage are heard.
        with Partie(["--scene=partie", "--mode=night", "--etape=5", "--pilote=2",
                     "--journal-sons", "--muet"]) as p:
            p.attendre("^TESSIMORA_PRET$")
            p.attendre(r"^TESSIMORA_SON \d+ voix_go$", 20)
            p.attendre(r"^TESSIMORA_SON \d+ fin_etape$", 240)
            self.assertEqual(len([l for l in p.lignes_de("TESSIMORA_SON") if " paire_" in l]), 55)

    def test_ia_faible_refusee(self):
        # The weakest computer player's wrong pairs are refused on screen. It
        # plays one in about seven pairs, a pair every 2.6 s or so.
        with Partie(["--scene=partie", "--mode=night", "--pilote=0", "--journal-sons",
                     "--muet"]) as p:
            p.attendre("^TESSIMORA_PRET$")
            p.attendre(r"^TESSIMORA_SON \d+ voix_go$", 20)
            p.attendre(r"^TESSIMORA_SON \d+ erreur$", 240)


if __name__ == "__main__":
    unittest.main()
