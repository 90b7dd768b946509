"""Trial of a paused stage: the game draws only the pause menu's own
animation (its title's shine, eight frames every three seconds), not the
stage under it, and draws again as soon as play resumes. Judged by the
frames the `--ips` report counts each second, never by time taken."""

import os
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from essai import Partie  # noqa: E402

# Seconds of pause judged, and the most frames they may hold: three shines of
# eight frames, and a few more for a frame shared by two changes or a cursor.
SECONDES = 6
IMAGES_AU_PLUS = 32


def maintenant(partie):
    """Seconds since the game started, as its lines are stamped."""
    return time.monotonic() - partie.debut


def images(partie, depuis, jusqua):
    """Frame counts of the report lines written between two instants (s)."""
    return [int(l.split()[1]) for t, l in partie.lignes
            if depuis < t <= jusqua and l.startswith("TESSIMORA_IPS ")]


class Repos(unittest.TestCase):
    def test_une_pause_ne_dessine_que_son_menu(self):
        with Partie(["--scene=partie", "--mode=night", "--ips", "--journal-sons",
                     "--muet"]) as p:
            p.attendre("^TESSIMORA_PRET$", 30)
            p.attendre(r"^TESSIMORA_SON \d+ voix_go$", 30)
            time.sleep(1)
            p.touche("Escape")
            p.attendre(r"^TESSIMORA_SCENE partie pause$", 10)
            # The menu's own opening, then the still stretch.
            time.sleep(1.5)
            debut = maintenant(p)
            time.sleep(SECONDES + 0.5)
            pause = images(p, debut, maintenant(p))
            self.assertGreaterEqual(len(pause), SECONDES - 1, "no frame-rate report")
            self.assertLessEqual(sum(pause), IMAGES_AU_PLUS,
                                 f"a paused stage drew {pause} frames a second")

            # Resumed, the stage draws again: its background scrolls.
            p.touche("Escape")
            p.attendre(r"^TESSIMORA_SCENE partie$", 10)
            debut = maintenant(p)
            time.sleep(3.5)
            jeu = images(p, debut, maintenant(p))
            self.assertGreater(max(jeu, default=0), 5, f"a resumed stage drew {jeu}")


if __name__ == "__main__":
    unittest.main()
