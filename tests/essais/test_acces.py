"""Trials of playing by ear and by keyboard alone with the real game: with
SPEECH on in the settings, the title, MODE SELECT and NIGHT MARKET are
reached by keyboard, and the TESSIMORA_PAROLE lines name each screen, each
menu entry and each tile the cursor reaches; the finding keys reach a free
tile and its partner and a pair is cleared; the pause menu and its
confirmation say their entries and answers, CONTINUE? its countdown and
GAME OVER its score; a COMBO shakes the picture
under MOTION FULL and not under CALM; the ACCESS page is grabbed in a
Latin and a wide-script language and a paused stage in German, kept in
$TESSIMORA_CAPTURES when it names a folder."""

import contextlib
import json
import os
import subprocess
import sys
import tempfile
import time
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from essai import Partie, ecrire_textes  # noqa: E402

PAROLE = r"^TESSIMORA_PAROLE "
TUILE = PAROLE + r".+, (FREE|BLOCKED), LAYER \d+$"


# Grabs as the software centres' screenshots are taken: the 1280 x 720 window,
# the CRT look off and the screen at a whole factor, cut to the native screen.
LARGEUR, HAUTEUR = 1280, 720
CADRE = "1152x672+64+24"


def reglages(parole=True, calme=False, **jeu):
    return json.dumps({"jeu": jeu, "acces": {"parole": parole, "mouvementCalme": calme},
                       "crt": {"actif": False, "affichage": "entier"}})


@contextlib.contextmanager
def etape(textes, arguments=(), **taille):
    """A NIGHT MARKET stage under way, with these settings."""
    with tempfile.TemporaryDirectory() as config:
        ecrire_textes(config, {"reglages": textes})
        with Partie(["--scene=partie", "--mode=night", "--journal-sons", "--muet"]
                    + list(arguments), config=config, **taille) as p:
            p.attendre("^TESSIMORA_PRET$")
            p.attendre(r"^TESSIMORA_SON \d+ voix_go$", 20)
            yield p


def saisir(p, chemin):
    with tempfile.TemporaryDirectory() as temp:
        ecran = p.capture(os.path.join(temp, "ecran.bmp"))
        subprocess.run(["convert", ecran, "-crop", CADRE, "+repage", chemin],
                       check=True, timeout=60)


class Acces(unittest.TestCase):
    def test_au_clavier_et_a_l_oreille(self):
        with tempfile.TemporaryDirectory() as config:
            ecrire_textes(config, {"reglages": reglages(langue="en")})
            with Partie(["--journal-parole", "--muet"], config=config) as p:
                p.attendre("^TESSIMORA_PRET$")
                p.attendre(PAROLE + "TESSIMORA, ARCADE MAHJONG$", 20)
                time.sleep(0.5)
                p.touche("Return")
                p.attendre(PAROLE + "MODE SELECT, NIGHT MARKET, ")
                p.touche("Right")
                p.attendre(PAROLE + "SLIDING STALLS, ")
                p.touche("Left")
                p.attendre(PAROLE + "NIGHT MARKET, ")
                p.touche("Return")
                p.attendre(PAROLE + "STAGE 01$", 20)
                # The first tile is said when play begins.
                p.attendre(TUILE, 20)
                time.sleep(0.2)
                p.touche("Right")
                p.attendre(TUILE)
                # FIND TILE until the tile found has a free partner: FIND PAIR
                # then says it, and OK clears the pair.
                for _ in range(40):
                    p.touche("n")  # FIND TILE
                    self.assertRegex(p.attendre(TUILE), ", FREE, ")
                    p.touche("Return")
                    p.attendre(PAROLE + ".+, PICKED$")
                    p.touche("b")  # FIND PAIR
                    try:
                        partenaire = p.attendre(TUILE, 1.5)
                        break
                    except AssertionError:
                        p.touche("Escape")  # no partner: let the tile go
                        time.sleep(0.2)
                else:
                    self.fail("no free tile with a free partner was found")
                self.assertRegex(partenaire, ", FREE, ")
                p.touche("Return")
                p.attendre(PAROLE + "PAIR, ")
                p.touche("i")  # the summary
                p.attendre(PAROLE + r"PAIRS LEFT \d+, FREE PAIRS \d+, \d+ SECONDS LEFT$")
                # The pause menu says its title and each entry; its exit asks
                # again, saying the question and the answer lit; NO comes back
                # to the entry.
                p.touche("F1")
                p.attendre(PAROLE + "PAUSE, RESUME$")
                p.touche("Down")
                p.attendre(PAROLE + "HINT$")
                p.touche("Up")
                p.touche("Up")  # round to the last entry, QUIT GAME on a desktop
                p.attendre(PAROLE + "QUIT GAME$")
                p.touche("Up")
                p.attendre(PAROLE + "QUIT TO TITLE$")
                p.touche("Return")
                p.attendre(PAROLE + "LEAVE THE NIGHT MARKET\\?, THIS GAME WILL BE LOST, NO$")
                p.touche("Left")
                p.attendre(PAROLE + "YES$")
                p.touche("Right")
                p.attendre(PAROLE + "NO$")
                p.touche("Return")
                p.attendre(PAROLE + "QUIT TO TITLE$")
                self.assertLess(time.monotonic() - p.debut, 60)

    def test_continue_et_game_over_a_l_oreille(self):
        # The incense burnt through its aids: TIME UP, CONTINUE? with what a
        # press does, each digit as BACK counts it down, then GAME OVER.
        with etape(reglages(langue="en"), ["--journal-parole"]) as p:
            p.depenser_encens()
            p.attendre(PAROLE + r"TIME UP, SCORE \d+$", 30)
            p.attendre(PAROLE + r"CONTINUE\?, PUSH START$", 20)
            time.sleep(1.2)
            for chiffre in range(8, -1, -1):
                p.touche("Escape")
                p.attendre(PAROLE + "%d$" % chiffre, 5)
            p.attendre(PAROLE + r"GAME OVER, SCORE \d+$", 20)

    def secousses(self, calme):
        """The shake offsets applied while the strongest computer player
        makes a COMBO of 4 or more, which shakes the picture under FULL."""
        with etape(reglages(parole=False, calme=calme, langue="en"), ["--pilote=2"]) as p:
            p.attendre(r"^TESSIMORA_SON \d+ paire_[4-9]$", 45)
            # The shake lasts a few frames; give it room on a busy machine.
            time.sleep(1)
            return [l.split()[1:3] for l in p.lignes_de("TESSIMORA_SECOUSSE ")]

    def test_le_mouvement_calme_ne_secoue_rien(self):
        self.assertTrue(any(d != ["0", "0"] for d in self.secousses(False)))
        self.assertEqual(self.secousses(True), [])

    def captures(self, langue, dossier):
        with tempfile.TemporaryDirectory() as config:
            ecrire_textes(config, {"reglages": reglages(langue=langue)})
            with Partie(["--journal-parole", "--muet", "--scene=options"], config=config,
                        largeur=LARGEUR, hauteur=HAUTEUR) as p:
                p.attendre("^TESSIMORA_PRET$")
                p.attendre(PAROLE + ".+", 20)
                time.sleep(0.5)
                p.touche("Up")
                p.touche("Up")  # CONTROLS, then ACCESS above it
                p.touche("Return")
                p.attendre(PAROLE + ".+", 10)
                p.touche("Right")  # SPEECH goes off, and says so no more
                time.sleep(1)
                saisir(p, os.path.join(dossier, "acces-%s.png" % langue))

    def pause(self, langue, dossier):
        """A paused stage, whose help lines name the FIND keys."""
        with etape(reglages(parole=False, langue=langue), largeur=LARGEUR, hauteur=HAUTEUR) as p:
            time.sleep(0.3)
            p.touche("F1")
            time.sleep(1)
            saisir(p, os.path.join(dossier, "pause-%s.png" % langue))

    def test_la_page_acces_en_deux_langues(self):
        dossier = os.environ.get("TESSIMORA_CAPTURES")
        with tempfile.TemporaryDirectory() as ici:
            for langue in ("fr", "ja"):
                self.captures(langue, dossier or ici)
                self.assertTrue(os.path.exists(os.path.join(dossier or ici, "acces-%s.png" % langue)))
            # The longest help line of play, in a long language.
            self.pause("de", dossier or ici)
            self.assertTrue(os.path.exists(os.path.join(dossier or ici, "pause-de.png")))


if __name__ == "__main__":
    unittest.main()
