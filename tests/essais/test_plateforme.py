"""Trials of the platform services with the real game: achievements earned by
the computer player reach the fake provider and the saved text, a second run
tells the provider again without unlocking anything again, the friends'
status follows the scene, the game's own ACHIEVEMENT banner shows when no
provider shows its notices, and --manette= gives CONTROLS that family's
buttons. Screenshots go to $TESSIMORA_CAPTURES when it names a folder.

A finished INCENSE RUSH writes its leaderboard line without a provider too:
the computer players regain more incense than they burn, so the real game
takes minutes to end (test_flux.py's long run waits for that line); the
scene test tst_racine plays a rush to its end on the game's own watch."""

import json
import os
import re
import subprocess
import sys
import tempfile
import time
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from essai import Partie, ecrire_textes, geometrie_image, lire_textes  # noqa: E402

ETAPE_1 = 'TESSIMORA_PLATEFORME presence #Night {"etape":"1"} '
# The window at 1280 x 720 shows the native screen three times over, sharp.
LARGEUR, HAUTEUR = 1280, 720
NETTE = json.dumps({"crt": {"actif": False, "affichage": "entier"}})
ACTIONS = ["gauche", "droite", "haut", "bas", "ok", "retour", "hint", "mix", "undo", "peek",
           "piece", "start", "glisseG", "glisseD"]


def pixels(chemin, x, y, largeur, hauteur):
    """The (r, g, b) of a rectangle of native pixels, read from a grab of
    the whole 1280 x 720 screen."""
    gx, gy, k, _ = geometrie_image(LARGEUR, HAUTEUR, "entier")
    cadre = f"{largeur * k}x{hauteur * k}+{gx + x * k}+{gy + y * k}"
    d = subprocess.run(["convert", chemin, "-crop", cadre, "+repage", "-depth", "8", "rgb:-"],
                       capture_output=True, check=True, timeout=30).stdout
    return list(zip(d[0::3], d[1::3], d[2::3]))


def sur_la_banniere(rgb):
    """The banner's background, #2a0a1c at 0.9 over whatever lies beneath."""
    r, g, b = rgb
    return 37 <= r <= 64 and 9 <= g <= 36 and 25 <= b <= 51


def garder(chemin, nom):
    """Keeps a grab in $TESSIMORA_CAPTURES, as PNG, when it names a folder."""
    dossier = os.environ.get("TESSIMORA_CAPTURES")
    if dossier:
        subprocess.run(["convert", chemin, os.path.join(dossier, nom + ".png")], check=True,
                       timeout=30)


def paires_annoncees(p):
    """The pair counter as the provider last heard it."""
    valeurs = [int(m.group(1)) for m in
               (re.match(r"^TESSIMORA_PLATEFORME progresser HUNDRED_LANTERNS (\d+)/100 paires$", l)
                for l in p.lignes_de("TESSIMORA_PLATEFORME progresser")) if m]
    return valeurs[-1] if valeurs else 0


class Plateforme(unittest.TestCase):
    def test_succes_gagnes_par_l_ia_puis_seconde_partie(self):
        with tempfile.TemporaryDirectory() as config, tempfile.TemporaryDirectory() as ici:
            dossier = os.path.join(ici, "nuage")
            arguments = ["--scene=partie", "--mode=night", "--pilote=2",
                         "--faux-fournisseur=" + dossier, "--journal-sons", "--muet"]
            with Partie(arguments, config=config) as p:
                p.attendre("^TESSIMORA_PRET$")
                p.attendre("^" + re.escape(ETAPE_1) + "$", 20)
                p.attendre("^TESSIMORA_SUCCES FIRST_LANTERN$", 40)
                p.attendre("^TESSIMORA_SUCCES SPARKS$", 40)
                self.assertIsNotNone(p.fermer_fenetre(), "the game did not end on close")
                time.sleep(0.5)  # the last lines of the pipe
                lignes = [l for _, l in p.lignes if not l.startswith("TESSIMORA_SON")]
                # The provider hears of each unlock (and of the progress and
                # records of the same pair) before the console line.
                for id in ("FIRST_LANTERN", "SPARKS"):
                    i = lignes.index("TESSIMORA_SUCCES " + id)
                    j = lignes.index("TESSIMORA_PLATEFORME debloquer " + id)
                    self.assertLess(j, i)
                    self.assertTrue(all(l.startswith("TESSIMORA_PLATEFORME ")
                                        for l in lignes[j:i]), lignes[j:i])
                self.assertIn("TESSIMORA_PLATEFORME progresser HUNDRED_LANTERNS 1/100 paires",
                              lignes)
                self.assertIn("TESSIMORA_PLATEFORME progresser LANTERN_FESTIVAL 1/5000 paires",
                              lignes)
                self.assertIn("TESSIMORA_PLATEFORME score RECORD_PAIRS 1 []", lignes)
                # The status is sent once: the stage did not change (a tick
                # before the game started may have sent the title's).
                self.assertEqual(p.lignes_de("TESSIMORA_PLATEFORME presence #Night"), [ETAPE_1])
                paires = paires_annoncees(p)

            succes = json.loads(lire_textes(config)["succes"])
            self.assertIn("FIRST_LANTERN", succes["debloques"])
            self.assertIn("SPARKS", succes["debloques"])
            self.assertEqual(succes["stats"]["paires"], paires)
            with open(os.path.join(dossier, "tessimora.sav"), encoding="utf-8") as f:
                self.assertIn("SPARKS", json.loads(f.read())["succes"]["debloques"])

            # Second run: the provider hears again of what was earned, and the
            # next pairs unlock nothing already unlocked.
            with Partie(arguments, config=config) as p:
                p.attendre("^TESSIMORA_PLATEFORME debloquer FIRST_LANTERN$", 20)
                p.attendre("^TESSIMORA_PLATEFORME debloquer SPARKS$", 5)
                p.attendre("^TESSIMORA_PLATEFORME progresser HUNDRED_LANTERNS %d/100 paires$"
                           % paires, 5)
                p.attendre("^TESSIMORA_PLATEFORME progresser HUNDRED_LANTERNS %d/100 paires$"
                           % (paires + 3), 40)
                succes_vus = p.lignes_de("TESSIMORA_SUCCES ")
                self.assertNotIn("TESSIMORA_SUCCES FIRST_LANTERN", succes_vus)
                self.assertNotIn("TESSIMORA_SUCCES SPARKS", succes_vus)

    def test_statut_suit_la_scene(self):
        with tempfile.TemporaryDirectory() as ici:
            dossier = os.path.join(ici, "nuage")
            with Partie(["--scene=titre", "--faux-fournisseur=" + dossier, "--muet"]) as p:
                p.attendre("^TESSIMORA_PRET$")
                p.attendre(r"^TESSIMORA_PLATEFORME presence #Titre \{\} $", 20)
                time.sleep(0.5)
                p.touche("Return")
                p.attendre(r"^TESSIMORA_PLATEFORME presence #Menu \{\} $", 10)
                time.sleep(2.5)
                self.assertEqual(len(p.lignes_de("TESSIMORA_PLATEFORME presence")), 2)
            # A game played by hand: its stage, its pause, the stage again.
            with Partie(["--scene=partie", "--mode=paper", "--faux-fournisseur=" + dossier,
                         "--muet", "--journal-sons"]) as p:
                p.attendre(r'^TESSIMORA_PLATEFORME presence #Paper \{"etape":"1"\} $', 30)
                # Escape pauses only once the stage is under way.
                if not [l for l in p.lignes_de("TESSIMORA_SON") if l.endswith(" voix_go")]:
                    p.attendre(r"^TESSIMORA_SON \d+ voix_go$", 10)
                time.sleep(0.3)
                p.touche("Escape")
                p.attendre(r"^TESSIMORA_PLATEFORME presence #Pause \{\} $", 10)
                p.touche("F1")
                p.attendre(r'^TESSIMORA_PLATEFORME presence #Paper \{"etape":"1"\} $', 10)

    def test_sans_fournisseur_tout_reste_local_et_la_banniere_s_affiche(self):
        with tempfile.TemporaryDirectory() as config:
            ecrire_textes(config, {"reglages": NETTE})
            with Partie(["--scene=partie", "--mode=night", "--pilote=2", "--muet"],
                        config=config, largeur=LARGEUR, hauteur=HAUTEUR) as p:
                p.attendre("^TESSIMORA_SUCCES FIRST_LANTERN$", 40)
                # No provider shows its own notices: the game's banner comes on
                # the next frames, at the top of the screen (rows 3 to 27), and
                # its lowest rows hold no text.
                vue = None
                for k in range(6):  # quick grabs, uncompressed
                    chemin = p.capture(os.path.join(config, "grab%d.bmp" % k))
                    if all(sur_la_banniere(c) for c in pixels(chemin, 150, 24, 84, 4)):
                        vue = chemin
                        break
                self.assertIsNotNone(vue, "no ACHIEVEMENT banner on screen")
                garder(vue, "plateforme_banniere")
                self.assertFalse(all(sur_la_banniere(c) for c in pixels(vue, 150, 28, 84, 2)))
                time.sleep(1.5)
                p.fermer_fenetre()
                self.assertEqual(p.lignes_de("TESSIMORA_PLATEFORME"), [])
            self.assertIn("FIRST_LANTERN", json.loads(lire_textes(config)["succes"])["debloques"])

    def commandes_de_la_manette(self, config, famille):
        """A grab of CONTROLS on its gamepad page, with --manette=famille
        (none when empty: no gamepad was ever pressed, so generic buttons)."""
        arguments = ["--scene=commandes", "--journal-sons", "--muet"]
        if famille:
            arguments.append("--manette=" + famille)
        with Partie(arguments, config=config, largeur=LARGEUR, hauteur=HAUTEUR) as p:
            p.attendre(r"^TESSIMORA_SON \d+ titre$", 30)
            time.sleep(0.5)
            for _ in range(2):  # keyboard, mouse, gamepad
                p.touche("Right")
                p.attendre(r"^TESSIMORA_SON \d+ selection$", 5)
            time.sleep(0.8)
            nom = "plateforme_commandes_" + (famille or "generique")
            chemin = p.capture(os.path.join(config, nom + ".png"))
            garder(chemin, nom)
            return chemin

    def test_manette_playstation_sur_commandes(self):
        # The family's own buttons replace the generic ones where it has its
        # own (cross, circle, square, triangle, CREATE, OPTIONS); the other
        # rows keep theirs. Each label is told by its jade pixels, in its row.
        def etiquette(chemin, i):
            return [g > r + 30 and g > b for r, g, b in pixels(chemin, 148, 49 + 10 * i, 110, 10)]

        with tempfile.TemporaryDirectory() as config:
            ecrire_textes(config, {"reglages": NETTE})
            famille = self.commandes_de_la_manette(config, "playstation")
            generique = self.commandes_de_la_manette(config, "")
            propres = {"ok", "retour", "hint", "mix", "piece", "start"}
            for i, a in enumerate(ACTIONS):
                f, g = etiquette(famille, i), etiquette(generique, i)
                self.assertTrue(any(f), a)
                if a in propres:
                    self.assertNotEqual(f, g, a)
                else:
                    self.assertEqual(f, g, a)

if __name__ == "__main__":
    unittest.main()
