"""Compares the screen's picture between an older revision and the working
tree, pixel for pixel: both versions of app/ecran (and app/commun/ecran) run
in the same build on the same still native pictures (a stage and the title,
grabbed from the game itself), at each window size, with the tube look on and
off. Prints the mean absolute difference per channel (0..255), the largest
difference and the share of pixels that differ by more than 8, and leaves
every grab and an amplified difference image in the output folder to be
looked at.

    TESSIMORA_EXE=construction/essais/tessimora \\
    python3 tests/ips/comparer.py --avant REVISION [--sortie DIR] [--tailles 1280x720,1920x1080]

With --secousse X,Y it compares instead, in the working tree's screen, the
two ways of shaking the picture by X,Y native pixels: the native picture
moved inside the native screen (as moving every item would, drawn again
through the tube) and the screen's kept picture moved (the shake as drawn).
With --jeu-avant OLD_BUILD it compares the working tree's screen drawn by an
older test build of the game with the same screen drawn by this one, for a
change to the screen's C++ (the tube's kept picture and how it is shown).

The game must be a test build (it lets a trial choose its root scene).
"""

import argparse
import os
import re
import subprocess
import sys
import tempfile

ICI = os.path.dirname(os.path.abspath(__file__))
RACINE = os.path.abspath(os.path.join(ICI, "..", ".."))
sys.path.insert(0, ICI)
from banc_ips import Mesure, SCENES, LOOKS  # noqa: E402

DOSSIERS = ["app/ecran", "app/commun/ecran"]


def extraire(revision, destination):
    """The screen's folders as they are at `revision`."""
    for dossier in DOSSIERS:
        fichiers = subprocess.run(["git", "-C", RACINE, "ls-tree", "--name-only", revision,
                                   dossier + "/"], capture_output=True, text=True,
                                  check=True).stdout.split()
        for f in fichiers:
            chemin = os.path.join(destination, os.path.relpath(f, "app"))
            os.makedirs(os.path.dirname(chemin), exist_ok=True)
            with open(chemin, "wb") as sortie:
                sortie.write(subprocess.run(["git", "-C", RACINE, "show", f"{revision}:{f}"],
                                            capture_output=True, check=True).stdout)


def natif(jeu, options, chemin):
    """A native picture of the game: a 768 x 448 window without the tube shows
    every native pixel as a 2 x 2 block."""
    grand = chemin + ".grand.png"
    Mesure([jeu, "--muet"] + options, "Tessimora", 768, 448, '{"crt":{"actif":false}}').executer(
        4, 0, capture=grand)
    subprocess.run(["convert", grand, "-crop", "768x448+0+0", "-sample", "50%", chemin],
                   check=True)


def jeu_d_essai():
    """The test build of the game that TESSIMORA_EXE names; stops otherwise."""
    jeu = os.path.abspath(os.environ.get("TESSIMORA_EXE", ""))
    if not os.path.isfile(jeu):
        sys.exit("TESSIMORA_EXE must name a test build of the game")
    return jeu


def natifs(jeu, dossier):
    """A native picture of each benchmark scene in `dossier`, by its short name."""
    images = {}
    for nom, options in SCENES:
        court = nom.split()[0]
        images[court] = os.path.join(dossier, f"natif_{court}.png")
        natif(jeu, options, images[court])
    return images


def cas(tailles, images):
    """Every window size, scene picture and look to measure, with the look's
    settings as the screen takes them: (size, width, height, scene, picture,
    look, crt)."""
    for taille in tailles.split(","):
        l, h = (int(v) for v in taille.split("x"))
        for court, image in images.items():
            for nom_look, reglages in LOOKS:
                crt = re.search(r'\{"crt":(.*)\}$', reglages).group(1)
                yield taille, l, h, court, image, nom_look, crt


def difference(a, b, image):
    """(mean absolute difference per channel in 0..255, largest difference,
    share of pixels off by more than 8); writes the difference x 8."""
    mae = subprocess.run(["compare", "-metric", "MAE", a, b, "null:"], capture_output=True,
                         text=True).stderr
    moyenne = float(re.search(r"\(([0-9.e-]+)\)", mae).group(1)) * 255
    pae = subprocess.run(["compare", "-metric", "PAE", a, b, "null:"], capture_output=True,
                         text=True).stderr
    pire = float(re.search(r"\(([0-9.e-]+)\)", pae).group(1)) * 255
    ae = subprocess.run(["compare", "-metric", "AE", "-fuzz", f"{8 / 255 * 100}%", a, b, "null:"],
                        capture_output=True, text=True).stderr
    hors = float(ae.split()[0])
    subprocess.run(["convert", a, b, "-compose", "difference", "-composite",
                    "-evaluate", "multiply", "8", image], check=True)
    taille = subprocess.run(["identify", "-format", "%w %h", a], capture_output=True,
                            text=True).stdout.split()
    return moyenne, pire, hors / (int(taille[0]) * int(taille[1]))


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--avant", help="the git revision to compare with")
    parser.add_argument("--secousse", help="X,Y: compare the two ways of shaking the picture")
    parser.add_argument("--jeu-avant", help="an older test build drawing the same screen")
    parser.add_argument("--sortie", default=None)
    parser.add_argument("--tailles", default="1280x720,1920x1080")
    args = parser.parse_args()
    if not args.avant and not args.secousse and not args.jeu_avant:
        parser.error("--avant, --secousse or --jeu-avant is needed")
    jeu = jeu_d_essai()
    sortie = args.sortie or tempfile.mkdtemp(prefix="tessimora-comparaison-")
    os.makedirs(sortie, exist_ok=True)
    ici = os.path.join(RACINE, "app")
    # Each version: (screen folder, option, build of the game that draws it).
    if args.secousse:
        # Both ways in the working tree's screen.
        versions = {"avant": (ici, f"--decalage={args.secousse}", jeu),
                    "apres": (ici, f"--secousse={args.secousse}", jeu)}
    elif args.jeu_avant:
        versions = {"avant": (ici, "", os.path.abspath(args.jeu_avant)), "apres": (ici, "", jeu)}
    else:
        versions = {"avant": (os.path.join(sortie, "avant"), "", jeu), "apres": (ici, "", jeu)}
        extraire(args.avant, versions["avant"][0])
    carte = os.path.join(ICI, "carte.qml")

    images = natifs(jeu, sortie)

    print(f"grabs in {sortie}; mean absolute difference per channel, largest, share > 8")
    for taille, l, h, court, image, nom_look, crt in cas(args.tailles, images):
        grabs = {}
        for version, (dossier, option, programme) in versions.items():
            grabs[version] = os.path.join(
                sortie, f"{court}_{taille}_{nom_look.replace(' ', '_')}_{version}.png")
            Mesure([programme, f"--ecran={dossier}/ecran", f"--image={image}",
                    f"--reglages={crt}"] + ([option] if option else []), "Tessimora", l, h,
                   env={"TESSIMORA_RACINE": "file://" + carte}).executer(
                3, 0, capture=grabs[version])
        moyenne, pire, hors = difference(
            grabs["avant"], grabs["apres"],
            grabs["apres"].replace("_apres.png", "_difference.png"))
        print(f"  {taille:>9} {court:6} {nom_look:8}  mean {moyenne:5.2f}  largest "
              f"{pire:5.1f}  > 8: {100 * hors:5.2f} %", flush=True)


if __name__ == "__main__":
    main()
