"""Trial of a NIGHT MARKET stage whose incense burns out, with the real
program: TIME UP, CONTINUE? with its music and its count from 9, left to run
out; GAME OVER with no record for a score of 0, HIGH SCORES, then the title.
A screenshot of CONTINUE? goes to $TESSIMORA_CAPTURES when it names a folder.

The stage's incense lasts 230 s. In every run it is spent first through the
aids (two MIX aids, paid MIXes, the PEEK: Partie.depenser_encens), and the
last seconds burn by the clock. The long run (configure with
-DTESSIMORA_ESSAIS_LONGS=ON, then ctest -L essai_long) leaves the stage alone
for the whole three minutes and more, then takes the offer: the same stage
starts again with its full incense, and is left to burn out a second time."""

import json
import os
import sys
import tempfile
import time
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from essai import Partie, ecrire_textes  # noqa: E402

SON = r"^TESSIMORA_SON \d+ %s$"


class Encens(unittest.TestCase):
    def sons(self, p, *ids, delai=10):
        for i in ids:
            p.attendre(SON % i, delai)

    def capturer(self, p, nom, attente=0.8):
        dossier = os.environ.get("TESSIMORA_CAPTURES") or self.config
        time.sleep(attente)
        chemin = p.capture(os.path.join(dossier, nom + ".png"))
        self.assertGreater(os.path.getsize(chemin), 5000)

    def jusqu_au_continue(self, p, depenser=False):
        """The incense's life in seconds: from GO to TIME UP, with what was spent."""
        debut = time.monotonic()
        depense = p.depenser_encens() if depenser else 0
        if not (depenser and p.temps_ecoule()):
            self.sons(p, "voix_time_up", delai=420)
        duree = time.monotonic() - debut + depense
        self.sons(p, "continue", "compte", delai=10)
        return duree

    def test_encens_consume(self):
        self.config = tempfile.mkdtemp(prefix="tessimora-encens-")
        ecrire_textes(self.config, {"reglages": json.dumps({"crt": {"actif": False}})})
        longs = bool(os.environ.get("TESSIMORA_ESSAIS_LONGS"))
        with Partie(["--scene=partie", "--mode=night", "--journal-sons", "--muet"],
                    config=self.config) as p:
            p.attendre("^TESSIMORA_PRET$")
            self.sons(p, "voix_go", delai=30)
            premiere = self.jusqu_au_continue(p, depenser=not longs)
            # The first stage's own clock: 120 s and 1 s per pair of its 220 tiles.
            self.assertGreater(premiere, 200)
            self.capturer(p, "flux_continue")
            avant = 0
            if longs:
                p.touche("Return")
                self.sons(p, "depart", "voix_ready", "voix_go", delai=10)
                avant = len([l for l in p.lignes_de("TESSIMORA_SON") if l.endswith(" compte")])
                self.capturer(p, "flux_apres_continue", attente=0.3)
                seconde = self.jusqu_au_continue(p)
                # The same stack again, with its full incense.
                self.assertGreater(seconde, 0.9 * premiere)
            # Left alone, the offer ends one second after 0: GAME OVER.
            self.sons(p, "defaite", delai=14)
            comptes = [l for l in p.lignes_de("TESSIMORA_SON") if l.endswith(" compte")]
            self.assertEqual(len(comptes) - avant, 10)  # 9 down to 0
            self.sons(p, "titre", delai=6)  # HIGH SCORES, no NEW RECORD for 0
            sons = [l.split()[-1] for l in p.lignes_de("TESSIMORA_SON")]
            self.assertNotIn("record", sons)
            self.capturer(p, "flux_scores_nuit", attente=0.5)


if __name__ == "__main__":
    unittest.main()
