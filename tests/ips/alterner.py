"""Times the screen of an older revision against the working tree's in one
process: both versions of app/ecran (and app/commun/ecran) show the same still
native picture in turn, 1.2 s each, and the processor time of the whole
process (the software renderer's threads included) is read at the start and
end of every turn. Since both versions share the process and the minute, a
busy machine slows both alike; the lower third of each version's turns is
printed, in processor ms per frame, for a stage and the title, look on and off.

    TESSIMORA_EXE=construction/essais/tessimora \\
    python3 tests/ips/alterner.py --avant REVISION [--secondes 30] [--tailles 1280x720,1920x1080]

The game must be a test build (it lets a trial choose its root scene). The
screen alone is timed: what the native scene costs is left to banc_ips.py.
"""

import argparse
import glob
import os
import sys
import tempfile
import time

ICI = os.path.dirname(os.path.abspath(__file__))
RACINE = os.path.abspath(os.path.join(ICI, "..", ".."))
sys.path.insert(0, ICI)
from banc_ips import Mesure  # noqa: E402
from comparer import cas, extraire, jeu_d_essai, natifs  # noqa: E402


def processeur_ns(pid):
    """Processor time of every thread of the process so far, in ns."""
    total = 0
    for f in glob.glob(f"/proc/{pid}/task/*/schedstat"):
        try:
            with open(f) as s:
                total += int(s.read().split()[0])
        except (OSError, ValueError, IndexError):
            pass  # a thread that ended meanwhile
    return total


class Alternance(Mesure):
    """The two screens in turn; `tours[i]` gathers version i's ms per frame."""

    def __init__(self, jeu, dossiers, image, crt, largeur, hauteur):
        super().__init__([jeu, "--ecrans=" + ",".join(dossiers), f"--image={image}",
                          f"--reglages={crt}"], "Tessimora", largeur, hauteur,
                         env={"TESSIMORA_RACINE": "file://" + os.path.join(ICI, "alterner.qml")})
        self.tours = [[] for _ in dossiers]

    def suivre(self, secondes):
        fin = time.monotonic() + secondes
        # Only the turns that start from now on: the earlier lines are past.
        vues, debut = len(self.lignes), None
        while time.monotonic() < fin and self.processus.poll() is None:
            while vues < len(self.lignes):
                ligne = self.lignes[vues][1]
                vues += 1
                if ligne.startswith("TESSIMORA_DEBUT "):
                    debut = processeur_ns(self.processus.pid)
                elif ligne.startswith("TESSIMORA_FIN ") and debut is not None:
                    _, version, images = ligne.split()
                    if int(images) > 0:
                        self.tours[int(version)].append(
                            (processeur_ns(self.processus.pid) - debut) / 1e6 / int(images))
                    debut = None
            time.sleep(0.02)


def bas(valeurs):
    """Mean of the lowest third: the turns the rest of the machine disturbed least."""
    v = sorted(valeurs)[:max(1, len(valeurs) // 3)]
    return sum(v) / len(v)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--avant", required=True, help="the git revision to time against")
    parser.add_argument("--secondes", type=float, default=30, help="per scene, look and size")
    parser.add_argument("--tailles", default="1280x720,1920x1080")
    args = parser.parse_args()
    jeu = jeu_d_essai()
    temp = tempfile.mkdtemp(prefix="tessimora-alterner-")
    extraire(args.avant, os.path.join(temp, "avant"))
    dossiers = [os.path.join(temp, "avant", "ecran"), os.path.join(RACINE, "app", "ecran")]
    images = natifs(jeu, temp)

    print(f"processor ms per frame, lowest third of the turns: {args.avant} | working tree")
    for taille, l, h, court, image, nom_look, crt in cas(args.tailles, images):
        a = Alternance(jeu, dossiers, image, crt, l, h)
        a.executer(2, 0, suivre=lambda: a.suivre(args.secondes))
        if not all(a.tours):
            print(f"  {taille:>9} {court:6} {nom_look:8}  no whole turn", flush=True)
            continue
        avant, apres = bas(a.tours[0]), bas(a.tours[1])
        print(f"  {taille:>9} {court:6} {nom_look:8}  {avant:6.2f} | {apres:6.2f}  "
              f"({100 * (apres / avant - 1):+.0f} %, {len(a.tours[1])} turns)", flush=True)


if __name__ == "__main__":
    main()
