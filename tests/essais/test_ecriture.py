"""Trials of a settings file that cannot be written: a folder in its place, a
read-only folder, a full disk. Each time the game plays on, says so in one
line on standard error, keeps the stored file as it was, and writes the
change once the obstacle is gone. Read-only folders and full disks are made
with an immutable folder, a read-only mount or a tiny tmpfs; where the
machine allows none of them, that trial is skipped with the reason."""

import json
import os
import subprocess
import sys
import tempfile
import time
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from essai import Partie, ecrire_textes, fichier_textes, lire_textes  # noqa: E402

REGLAGES = json.dumps({"crt": {"actif": True}, "son": {"musique": 0.25}})
SCORES = json.dumps({"rush": [{"nom": "OLD", "score": 777777, "etape": 2}]})


def commande(*arguments):
    return subprocess.run(list(arguments), stdout=subprocess.DEVNULL,
                          stderr=subprocess.DEVNULL).returncode == 0


def peut_creer(dossier):
    try:
        with tempfile.NamedTemporaryFile(dir=dossier):
            return True
    except OSError:
        return False


class Ecriture(unittest.TestCase):
    def jouer_avec_obstacle(self, config, lever, graine=True):
        """Starts the game on `config`, whose file cannot be written, switches
        the tube off, checks the game's answer, then calls `lever` and checks
        that the change reaches the file."""
        chemin = fichier_textes(config)
        avant = open(chemin, "rb").read() if graine else None
        with Partie(["--journal-sons", "--muet"], config=config) as p:
            p.attendre("^TESSIMORA_PRET$")
            p.attendre(r"^TESSIMORA_SON \d+ titre$", 30)
            time.sleep(0.3)
            p.touche("c")
            time.sleep(1.5)
            p.touche("c")  # a second change while it still fails: no second line
            time.sleep(4)
            self.assertIsNone(p.processus.poll(), "the game ended")
            dites = [l for l in getattr(p, "erreurs", []) if "Tessimora.conf" in l]
            self.assertEqual(len(dites), 1, dites)
            self.assertIn("cannot be written", dites[0])
            print("\n  " + dites[0], file=sys.stderr)
            if graine:
                self.assertEqual(open(chemin, "rb").read(), avant, "the stored file changed")
            # Still playing: the sound log answers a key.
            p.touche("c")
            lever()
            fin = time.monotonic() + 10
            while time.monotonic() < fin:
                try:
                    if json.loads(lire_textes(config)["reglages"])["crt"]["actif"] is False:
                        break
                except (OSError, KeyError, ValueError):
                    pass
                time.sleep(0.2)
            self.assertEqual(p.fermer_fenetre(), 0)
            self.assertEqual(len([l for l in p.erreurs if "Tessimora.conf" in l]), 1)
        textes = lire_textes(config)
        reglages = json.loads(textes["reglages"])
        self.assertIs(reglages["crt"]["actif"], False)
        if graine:
            self.assertEqual(reglages["son"]["musique"], 0.25)
            self.assertEqual(json.loads(textes["scores"])["rush"][0]["nom"], "OLD")

    def test_un_dossier_a_la_place_du_fichier(self):
        with tempfile.TemporaryDirectory() as config:
            chemin = fichier_textes(config)
            os.makedirs(chemin)
            self.jouer_avec_obstacle(config, lambda: os.rmdir(chemin), graine=False)

    def test_un_dossier_en_lecture_seule(self):
        with tempfile.TemporaryDirectory() as config:
            ecrire_textes(config, {"scores": SCORES, "reglages": REGLAGES})
            dossier = os.path.dirname(fichier_textes(config))
            # Root writes through permissions: an immutable folder or a
            # read-only bind mount stops it too.
            if commande("chattr", "+i", dossier) and not peut_creer(dossier):
                lever = lambda: commande("chattr", "-i", dossier)  # noqa: E731
            else:
                commande("chattr", "-i", dossier)
                if not (commande("mount", "--bind", dossier, dossier)
                        and commande("mount", "-o", "remount,bind,ro", dossier)):
                    commande("umount", dossier)
                    os.chmod(dossier, 0o555)
                    if peut_creer(dossier):
                        os.chmod(dossier, 0o755)
                        self.skipTest("no way here to make a folder read-only")
                    lever = lambda: os.chmod(dossier, 0o755)  # noqa: E731
                else:
                    lever = lambda: commande("umount", dossier)  # noqa: E731
            try:
                self.jouer_avec_obstacle(config, lever)
            finally:
                lever()

    def test_un_disque_plein(self):
        with tempfile.TemporaryDirectory() as config:
            if not commande("mount", "-t", "tmpfs", "-o", "size=64k", "tmpfs", config):
                self.skipTest("no tmpfs can be mounted here to fill")
            try:
                ecrire_textes(config, {"scores": SCORES, "reglages": REGLAGES})
                plein = os.path.join(config, "plein")
                fd = os.open(plein, os.O_WRONLY | os.O_CREAT)
                try:
                    while os.write(fd, b"\0" * 4096) > 0:
                        pass
                except OSError:
                    pass
                os.close(fd)
                self.jouer_avec_obstacle(config, lambda: os.remove(plein))
            finally:
                commande("umount", config)


if __name__ == "__main__":
    unittest.main()
