"""Trials of the extras with the real game, followed through its sound log
and its unlock lines: the title's hidden code opens them, then a keyboard
player goes through MODE SELECT to the SOUND TEST (track 01 and a sound
effect, stopped, left), the TILE GALLERY, the ACHIEVEMENTS list and the
LANTERN ROOM. Screenshots of each land in $TESSIMORA_CAPTURES when it names
a folder (to look at them), else in a temporary folder."""

import os
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from essai import Partie  # noqa: E402

SON = r"^TESSIMORA_SON \d+ "


class Extras(unittest.TestCase):
    def capture(self, p, nom):
        dossier = os.environ.get("TESSIMORA_CAPTURES") or p.temp
        os.makedirs(dossier, exist_ok=True)
        time.sleep(1.0)  # let the scene draw itself
        chemin = p.capture(os.path.join(dossier, "extras_" + nom + ".png"))
        self.assertGreater(os.path.getsize(chemin), 1000)

    def touches(self, p, nom, fois, son=None):
        for _ in range(fois):
            p.touche(nom)
            if son:
                p.attendre(SON + son + "$", 10)
            else:
                time.sleep(0.15)

    def vers_extra(self, p, droites):
        """From MODE SELECT's first lantern to the extras row, then its item."""
        self.touches(p, "Left", 2, "selection")
        self.touches(p, "Return", 1, "selection")
        self.touches(p, "Right", droites, "selection")
        self.touches(p, "Return", 1, "depart")

    def depuis_le_titre(self, p):
        p.attendre("^TESSIMORA_PRET$")
        p.attendre(SON + "titre$", 20)
        time.sleep(0.5)
        # The hidden code: OK held on the title.
        p.repetition_clavier(False)
        p.touche("Return", maintien=4.0)
        p.repetition_clavier(True)
        p.attendre("^TESSIMORA_SUCCES BEHIND_THE_CURTAIN$", 10)
        p.attendre(SON + "bonus_temps$", 10)
        time.sleep(1.5)  # the sparks and the PERFECT logo fade
        self.touches(p, "Return", 1, "depart")

    def test_un_joueur_au_clavier_fait_le_tour_des_extras(self):
        with Partie(["--scene=titre", "--journal-sons", "--muet"]) as p:
            self.depuis_le_titre(p)

            # SOUND TEST. Entering leaves the title music alone, so track 01
            # is heard going on; stopped, it is asked again from its start.
            self.vers_extra(p, 1)
            p.attendre("^TESSIMORA_SUCCES NIGHT_MARKET_RADIO$", 10)
            self.touches(p, "Return", 1)
            self.capture(p, "sontest")
            self.touches(p, "Escape", 1, "-")
            self.touches(p, "Return", 1, "titre")
            # Twelve tracks back, PAIR X9: a sound effect of 2.4 s.
            self.touches(p, "Left", 12)
            self.touches(p, "Return", 1, "paire_9")
            self.touches(p, "Escape", 1, "-")  # stops, stays
            time.sleep(0.8)
            # Still in the sound test: leaving would have asked for the menu's music.
            titres = [l for l in p.lignes_de("TESSIMORA_SON") if l.endswith(" titre")]
            self.assertEqual(len(titres), 2, "the first Back left the sound test")
            self.touches(p, "Escape", 1, "titre")  # leaves: the menu's music

            # TILE GALLERY.
            self.vers_extra(p, 0)
            p.attendre("^TESSIMORA_SUCCES SKETCHBOOK$", 10)
            self.touches(p, "Down", 1, "selection")
            self.touches(p, "Right", 3, "selection")
            self.capture(p, "galerie")
            p.touche("Escape")  # the gallery leaves silently
            time.sleep(0.5)

            # ACHIEVEMENTS: page 1, then the last page with the three unlocks.
            self.vers_extra(p, 4)
            self.capture(p, "succes")
            self.touches(p, "Left", 1, "selection")
            self.capture(p, "succes_page7")
            self.touches(p, "Escape", 1, "deselection")

            # LANTERN ROOM, with its music, and back to MODE SELECT.
            self.vers_extra(p, 3)
            p.attendre("^TESSIMORA_SUCCES LANTERN_ROOM$", 10)
            p.attendre(SON + "victoire$", 10)
            self.capture(p, "salle")
            self.touches(p, "Return", 1, "titre")
            self.capture(p, "menu")


if __name__ == "__main__":
    unittest.main()
