"""Trials of the screen: the native picture scaled into the window, the
backdrop band around it and the tube look, judged on screenshots."""

import os
import subprocess
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from essai import Partie, ecrire_textes  # noqa: E402


def lire_ppm(chemin):
    """(width, height, pixel reader giving (r, g, b) in 0..255) of a binary PPM."""
    with open(chemin, "rb") as f:
        donnees = f.read()
    champs = []
    i = 0
    while len(champs) < 4:
        while donnees[i:i + 1].isspace():
            i += 1
        if donnees[i:i + 1] == b"#":
            while donnees[i:i + 1] != b"\n":
                i += 1
            continue
        debut = i
        while not donnees[i:i + 1].isspace():
            i += 1
        champs.append(donnees[debut:i])
    assert champs[0] == b"P6", champs
    l, h, maximum = int(champs[1]), int(champs[2]), int(champs[3])
    pixels = donnees[i + 1:]
    if maximum < 256:
        return l, h, lambda x, y: tuple(pixels[3 * (y * l + x):3 * (y * l + x) + 3])
    # 16 bits per channel, most significant byte first: keep the top byte.
    return l, h, lambda x, y: tuple(pixels[6 * (y * l + x) + 2 * c] for c in range(3))


class Ecran(unittest.TestCase):
    def partie(self, largeur, hauteur, texte):
        # The X screen is larger than the window so that the window can be
        # given any size; the capture is cut to the window.
        p = Partie(["--plein-ecran"], largeur=1920, hauteur=1080)
        p.fenetre = (largeur, hauteur)
        ecrire_textes(p.config, {"reglages": texte})
        return p

    def capture(self, p, nom):
        # Without a window manager a full-screen request leaves the window at
        # its own size: give it the wanted size by hand, twice, since the
        # first request may come before the window is mapped.
        l, h = p.fenetre
        for _ in range(2):
            p.xdotool("search", "--name", "Tessimora", "windowmove", "--sync", "%@", "0", "0",
                      "windowsize", "--sync", "%@", str(l), str(h))
            time.sleep(1.5)
        # Wait until the window really has that size (a busy machine may be slow).
        fin = time.monotonic() + 15
        while time.monotonic() < fin:
            r = subprocess.run(["xdotool", "search", "--name", "^Tessimora$",
                                "getwindowgeometry", "--shell"], env=p.env,
                               capture_output=True, text=True, timeout=10)
            if f"WIDTH={l}" in r.stdout and f"HEIGHT={h}" in r.stdout:
                break
            p.xdotool("search", "--name", "^Tessimora$", "windowsize", "--sync", "%@",
                      str(l), str(h))
            time.sleep(0.5)
        # Give the scene a moment to draw itself at its new size.
        time.sleep(2)
        chemin = os.path.join(p.temp, nom + ".ppm")
        p.capture(chemin)
        return lire_ppm(chemin)

    def test_double_pixel_pour_pixel_sans_tube(self):
        with self.partie(768, 448, '{"crt":{"actif":false}}') as p:
            p.attendre("^TESSIMORA_PRET$")
            _, _, px = self.capture(p, "double")
            l, h = 768, 448
            # Every native pixel is exactly a 2 x 2 block of window pixels.
            differents = 0
            for y in range(0, h, 2):
                for x in range(0, l, 2):
                    a = px(x, y)
                    if not (a == px(x + 1, y) == px(x, y + 1) == px(x + 1, y + 1)):
                        differents += 1
            self.assertEqual(differents, 0)
            # And the picture is not empty.
            self.assertGreater(len({px(x, y) for x in range(0, l, 16) for y in range(0, h, 16)}), 3)

    def test_marge_autour_de_l_image_entiere(self):
        with self.partie(1920, 1080, '{"crt":{"actif":false,"affichage":"entier"}}') as p:
            p.attendre("^TESSIMORA_PRET$")
            # The picture is 1536 x 896 at (192, 92): 4 x 4 blocks inside.
            # The scene moves and a screen grab is not atomic, so a grab taken
            # while a frame was being shown may tear: one clean grab of three
            # is enough to show the scaling is exact.
            for essai in range(5):
                l, h, px = self.capture(p, "entier%d" % essai)
                ecarts = [(x, y) for y in range(92, 988, 4) for x in range(192, 1728, 64)
                          if px(x, y) != px(x + 3, y + 3)]
                if not ecarts:
                    break
            self.assertEqual(ecarts, [])
            # The backdrop, dimmed to 0.6, fills every side.
            for x, y in [(10, 540), (1910, 540), (960, 20), (960, 1060), (5, 5), (1915, 1075)]:
                self.assertLessEqual(max(px(x, y)), 0.6 * 255 + 1, (x, y))
            bande = {px(x, y) for x in range(0, 192, 4) for y in range(0, 1080, 8)}
            self.assertGreater(len(bande), 1)

    def test_tube_coins_sombres_et_jamais_noir(self):
        # The band never moves, so the same backdrop pixels can be compared
        # with the look off and with only the vignette on.
        points = [(5, 5), (1913, 1073), (5, 541), (961, 5), (101, 901)]
        reglage = ('{"crt":{"actif":true,"balayage":0,"lueur":0,"courbure":0,"masque":0,'
                   '"vignette":0.5,"affichage":"entier"}}')
        vues = {}
        with self.partie(1920, 1080, reglage) as p:
            p.attendre("^TESSIMORA_PRET$")
            _, _, px = self.capture(p, "vignette")
            vues["vignette"] = [px(x, y) for x, y in points]
            # The C key turns the look off: the same backdrop, undimmed by the tube.
            p.touche("c")
            _, _, px = self.capture(p, "plat")
            vues["plat"] = [px(x, y) for x, y in points]
        for (x, y), plat, sombre in zip(points, vues["plat"], vues["vignette"]):
            nx, ny = (x + 0.5) / 1920 * 2 - 1, (y + 0.5) / 1080 * 2 - 1
            facteur = 1 - 0.22 * (nx * nx + ny * ny) ** 1.6
            for a, b in zip(plat, sombre):
                self.assertAlmostEqual(b, a * facteur, delta=2.5, msg=(x, y, plat, sombre))

        # With the whole look and a strong curvature, beyond the curved edge
        # the backdrop goes on: nothing is plain black.
        with self.partie(1920, 1080, '{"crt":{"actif":true,"courbure":1}}') as p:
            p.attendre("^TESSIMORA_PRET$")
            _, _, px = self.capture(p, "courbe")
            # The very corner pixel may round down to black under the strongest
            # vignette; the backdrop must still show in the corner's square.
            for x0, y0 in [(0, 0), (1904, 0), (0, 1064), (1904, 1064)]:
                carre = [px(x, y) for x in range(x0, x0 + 16) for y in range(y0, y0 + 16)]
                self.assertTrue(any(c != (0, 0, 0) for c in carre), (x0, y0))


if __name__ == "__main__":
    unittest.main()
