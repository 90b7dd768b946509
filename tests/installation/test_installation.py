"""The install as a distribution or a player does it: `cmake --install` of the
test build into a temporary DESTDIR, every installed file checked by the
desktop's own validators, and the installed game started.

Environment (set by ctest): TESSIMORA_CONSTRUCTION, the build folder;
TESSIMORA_SOURCES, the checkout; TESSIMORA_VERSION, the project's version.
"""

import os
import re
import shutil
import struct
import subprocess
import sys
import tempfile
import unittest

SOURCES = os.environ["TESSIMORA_SOURCES"]
CONSTRUCTION = os.environ["TESSIMORA_CONSTRUCTION"]
VERSION = os.environ["TESSIMORA_VERSION"]
sys.path.insert(0, os.path.join(SOURCES, "tests", "essais"))
from essai import Partie  # noqa: E402

ID = "net.brontelvik.tessimora"
TAILLES = (16, 24, 32, 48, 64, 128, 256, 512)
ATTENDUS = {
    "bin/tessimora",
    "bin/tessimora-moteur",
    f"share/applications/{ID}.desktop",
    f"share/metainfo/{ID}.metainfo.xml",
    "share/man/man6/tessimora.6",
    "share/man/man6/tessimora-moteur.6",
    "share/doc/tessimora/OFL-Galmuri9.md",
} | {f"share/icons/hicolor/{t}x{t}/apps/{ID}.png" for t in TAILLES}


def lancer(commande, env=None):
    return subprocess.run(commande, capture_output=True, text=True, timeout=60, env=env)


def sans_affichage():
    """An environment with no display at all: help and version must not need one."""
    env = dict(os.environ)
    for variable in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"):
        env.pop(variable, None)
    return env


def taille_png(chemin):
    with open(chemin, "rb") as f:
        entete = f.read(24)
    if entete[:8] != b"\x89PNG\r\n\x1a\n" or entete[12:16] != b"IHDR":
        return None
    return struct.unpack(">II", entete[16:24])


def pixels(chemin, t):
    """Rows of RGBA pixels, through ImageMagick."""
    brut = subprocess.run(["convert", chemin, "-depth", "8", "rgba:-"], capture_output=True,
                          check=True, timeout=60).stdout
    return [[brut[(y * t + x) * 4:(y * t + x) * 4 + 4] for x in range(t)] for y in range(t)]


def cadre(image):
    """The rows and columns that hold a pixel that is not fully transparent."""
    rangs = [y for y, r in enumerate(image) if any(p[3] for p in r)]
    colonnes = [x for x in range(len(image[0])) if any(r[x][3] for r in image)]
    return [image[y][colonnes[0]:colonnes[-1] + 1] for y in range(rangs[0], rangs[-1] + 1)]


def options(texte):
    """The long options a help text or a manual page names."""
    return set(re.findall(r"--[a-z][a-z-]*=?", texte.replace("\\-", "-")))


class Installation(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.destdir = tempfile.mkdtemp(prefix="tessimora-installation-")
        r = lancer(["cmake", "--install", CONSTRUCTION, "--prefix", "/usr"],
                   env=dict(os.environ, DESTDIR=cls.destdir))
        if r.returncode != 0:
            shutil.rmtree(cls.destdir, ignore_errors=True)
            raise AssertionError("cmake --install failed:\n" + r.stdout + r.stderr)
        cls.usr = os.path.join(cls.destdir, "usr")

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.destdir, ignore_errors=True)

    def chemin(self, relatif):
        return os.path.join(self.usr, relatif)

    def lire(self, relatif):
        with open(self.chemin(relatif), encoding="utf-8") as f:
            return f.read()

    def test_chaque_fichier_a_sa_place_et_rien_d_autre(self):
        installes = set()
        for dossier, _, fichiers in os.walk(self.destdir):
            for nom in fichiers:
                installes.add(os.path.relpath(os.path.join(dossier, nom), self.usr))
        self.assertEqual(installes, ATTENDUS)
        for programme in ("bin/tessimora", "bin/tessimora-moteur"):
            self.assertTrue(os.access(self.chemin(programme), os.X_OK), programme)
        # A path of the build machine in an installed text would break elsewhere.
        for relatif in ATTENDUS:
            if relatif.startswith("share/") and not relatif.endswith(".png"):
                texte = self.lire(relatif)
                for dossier in (SOURCES, CONSTRUCTION, self.destdir):
                    self.assertNotIn(dossier, texte, relatif)

    def test_les_validateurs_du_bureau_acceptent_tout(self):
        entree = self.chemin(f"share/applications/{ID}.desktop")
        r = lancer(["desktop-file-validate", entree])
        self.assertEqual((r.returncode, r.stdout + r.stderr), (0, ""))
        metainfo = self.chemin(f"share/metainfo/{ID}.metainfo.xml")
        r = lancer(["appstreamcli", "validate", "--no-net", "--pedantic", metainfo])
        self.assertEqual(r.returncode, 0, r.stdout + r.stderr)
        # The whole tree: the metainfo's launchable, its desktop entry, the icon.
        r = lancer(["appstreamcli", "validate-tree", "--no-net", "--pedantic", self.destdir])
        self.assertEqual(r.returncode, 0, r.stdout + r.stderr)

    def test_l_entree_du_menu_lance_le_programme_installe_avec_son_icone(self):
        entree = dict(l.split("=", 1) for l in self.lire(f"share/applications/{ID}.desktop")
                      .splitlines() if "=" in l)
        self.assertEqual(entree["Exec"].split()[0], "tessimora")
        self.assertEqual(entree["Icon"], ID)
        self.assertTrue({"Game", "BoardGame"} <= set(entree["Categories"].split(";")))
        self.assertIn("mahjong", entree["Keywords"].split(";"))
        metainfo = self.lire(f"share/metainfo/{ID}.metainfo.xml")
        for binaire in ("tessimora", "tessimora-moteur"):
            self.assertIn(f"<binary>{binaire}</binary>", metainfo)
        self.assertIn(f"<launchable type=\"desktop-id\">{ID}.desktop</launchable>", metainfo)
        # Each screenshot is one the captures target takes, at the size it says.
        images = re.findall(r'<image type="source" width="(\d+)" height="(\d+)">[^<]*/([^/<]+)<',
                            metainfo)
        self.assertGreaterEqual(len(images), 3)
        for largeur, hauteur, nom in images:
            capture = os.path.join(SOURCES, "docs", "captures", nom)
            self.assertEqual(taille_png(capture), (int(largeur), int(hauteur)), nom)

    def test_icones_a_leur_taille_en_pixels_entiers(self):
        def icone(t):
            chemin = self.chemin(f"share/icons/hicolor/{t}x{t}/apps/{ID}.png")
            self.assertEqual(taille_png(chemin), (t, t), chemin)
            return pixels(chemin, t)

        for t in TAILLES:
            icone(t)
        # From 24 pixels up, the panda tile scaled by a whole factor: blocks of
        # k x k equal pixels (no smoothing), each the tile's own pixel.
        tuile = cadre(icone(24))
        self.assertEqual((len(tuile[0]), len(tuile)), (19, 24))
        for t in TAILLES:
            if t < 24:
                continue
            k = t // 24
            grande = cadre(icone(t))
            self.assertEqual((len(grande[0]), len(grande)), (19 * k, 24 * k), t)
            for y, rang in enumerate(grande):
                for x, p in enumerate(rang):
                    if p != tuile[y // k][x // k]:
                        self.fail(f"{t} px: pixel {x}, {y} is not the tile's")

    def test_aide_et_version_sans_affichage(self):
        env = sans_affichage()
        r = lancer([self.chemin("bin/tessimora"), "--help"], env)
        self.assertEqual(r.returncode, 0, r.stderr)
        self.assertTrue(r.stdout.startswith("Usage: tessimora [OPTION]..."), r.stdout)
        r = lancer([self.chemin("bin/tessimora"), "--scene=titre", "--version"], env)
        self.assertEqual((r.returncode, r.stdout), (0, f"Tessimora {VERSION}\n"))
        r = lancer([self.chemin("bin/tessimora-moteur"), "--version"], env)
        self.assertEqual((r.returncode, r.stdout), (0, f"tessimora-moteur {VERSION}\n"))
        # The metadata and the package say the same version.
        premiere = re.search(r'<release version="([^"]+)"',
                             self.lire(f"share/metainfo/{ID}.metainfo.xml")).group(1)
        self.assertEqual(premiere, VERSION)
        with open(os.path.join(SOURCES, "debian", "changelog"), encoding="utf-8") as f:
            paquet = re.match(r"tessimora \(([^)-]+)", f.readline()).group(1)
        self.assertEqual(paquet, VERSION)

    def test_les_pages_de_manuel_documentent_chaque_option(self):
        for page in ("tessimora.6", "tessimora-moteur.6"):
            r = lancer(["groff", "-man", "-ww", "-z", self.chemin("share/man/man6/" + page)])
            self.assertEqual((r.returncode, r.stderr), (0, ""), page)
            self.assertIn(f'"Tessimora {VERSION}"', self.lire("share/man/man6/" + page))

        env = sans_affichage()
        jeu = lancer([self.chemin("bin/tessimora"), "--help"], env).stdout
        page = options(self.lire("share/man/man6/tessimora.6"))
        self.assertGreaterEqual(len(options(jeu)), 12)
        self.assertEqual(options(jeu) - page, set())
        # The README's table of options names them all too.
        with open(os.path.join(SOURCES, "README.md"), encoding="utf-8") as f:
            readme = options(f.read())
        self.assertEqual(options(jeu) - {"--help", "--version"} - readme, set())

        outil = self.chemin("bin/tessimora-moteur")
        aide = lancer([outil, "--help"], env).stdout
        page_outil = self.lire("share/man/man6/tessimora-moteur.6").replace("\\-", "-")
        commandes = re.findall(r"^  ([a-z]+)", aide, re.MULTILINE)
        self.assertEqual(len(commandes), 7, aide)
        for commande in commandes:
            self.assertIn(".B " + commande, page_outil)
            texte = lancer([outil, commande, "--help"], env).stdout
            self.assertEqual(options(texte) - options(page_outil), set(), commande)

    def test_le_jeu_installe_demarre(self):
        os.environ["TESSIMORA_EXE"] = self.chemin("bin/tessimora")
        with Partie(["--muet"]) as p:
            p.attendre("^TESSIMORA_PRET$", delai=60)


if __name__ == "__main__":
    unittest.main()
