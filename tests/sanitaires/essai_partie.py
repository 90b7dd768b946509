"""The instrumented game played for a while and closed: a stage played by the
strongest computer player for 20 s, then the window's close button. The
program must end with code 0 and leave no AddressSanitizer, LeakSanitizer or
UndefinedBehaviorSanitizer report (each is written to a file of its own)."""

import glob
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "essais"))
from essai import Partie  # noqa: E402

DUREE = 20


def prechargements(exe):
    """Mesa unloads its software driver when the display closes, before the
    leak check at exit: the memory its globals still held then looks lost, and
    a leak in a library that is gone cannot be named in a suppression. Loaded
    with the program, the driver stays to the end. The dynamic AddressSanitizer
    runtime must come first in that list."""
    pilotes = glob.glob("/usr/lib/*/dri/swrast_dri.so")
    if not pilotes:
        return ""
    liens = subprocess.run(["ldd", exe], capture_output=True, text=True).stdout
    asan = re.findall(r"^\s*(libasan\.so\S*)", liens, re.M)
    return " ".join(asan[:1] + pilotes[:1])


class PartieSanitaire(unittest.TestCase):
    def setUp(self):
        self.rapports = tempfile.mkdtemp(prefix="tessimora-rapports-")
        self.addCleanup(shutil.rmtree, self.rapports, True)

    def verifier_rapports(self, erreurs):
        rapports = sorted(glob.glob(os.path.join(self.rapports, "*")))
        textes = []
        for r in rapports:
            with open(r, encoding="utf-8", errors="replace") as f:
                textes.append(f.read())
        self.assertEqual(textes, [], "sanitizer reports:\n" + "\n".join(textes))
        for ligne in erreurs:
            self.assertNotRegex(ligne, r"runtime error|Sanitizer", "on standard error")

    def test_etape_jouee_puis_fermee(self):
        env = {
            "LD_PRELOAD": prechargements(os.environ["TESSIMORA_EXE"]),
            "ASAN_OPTIONS": "log_path=" + os.path.join(self.rapports, "asan"),
            "LSAN_OPTIONS": "print_suppressions=0",
            "UBSAN_OPTIONS": "log_path=" + os.path.join(self.rapports, "ubsan"),
        }
        with Partie(["--scene=partie", "--mode=night", "--etape=5", "--pilote=2",
                     "--journal-sons"], env=env) as p:
            # The tools the trial runs are not instrumented.
            p.env.pop("LD_PRELOAD")
            p.attendre("^TESSIMORA_PRET$", 120)
            p.attendre(r"^TESSIMORA_SON \d+ voix_go$", 60)
            fin = time.monotonic() + DUREE
            while time.monotonic() < fin:
                self.assertIsNone(p.processus.poll(), "the game ended by itself")
                time.sleep(0.5)
            paires = [l for l in p.lignes_de("TESSIMORA_SON") if " paire_" in l]
            self.assertGreater(len(paires), 0, "the computer played no pair")
            code = p.fermer_fenetre(120)
            # Standard error is read to its end once the process is gone.
            time.sleep(0.5)
            erreurs = getattr(p, "erreurs", [])
        self.verifier_rapports(erreurs)
        self.assertEqual(code, 0, "exit code; standard error ends: %s" % erreurs[-20:])


if __name__ == "__main__":
    unittest.main()
