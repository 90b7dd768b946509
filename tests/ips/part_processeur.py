"""What the game costs the machine in each state a player leaves it in: the
share of one core it uses (process processor time over wall time, all its
threads, the software renderer's included) and the frames it draws, with the
tube look on, a stage untouched and paused, the title and the still screens.
Each state is measured for the game and, with --avant, right after it for an
older build, so that both see the same machine; the ratio says how much of
the older build's share is left.

    TESSIMORA_EXE=construction/essais/tessimora \\
    python3 tests/ips/part_processeur.py [--avant OLD_BUILD] [--secondes 12] [--taille 1280x720]

A game that draws only what changes draws nothing on a still screen, so the
frame counts are printed beside the shares: a paused stage should show only
the pause menu's own animation. Shares are compared with the targets below,
never asserted: the machine decides them. The processor time the rest of the
machine took while measuring is printed, with a warning when it was high.
"""

import argparse
import os
import statistics
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from banc_ips import Mesure, Releve, rapporter_autres  # noqa: E402

LOOK = '{"crt":{"actif":true}}'
GO = r"^TESSIMORA_SON \d+ voix_go$"


def au_jeu(m):
    m.attendre(GO, 40)
    time.sleep(1.5)


def en_pause(m):
    au_jeu(m)
    m.touche("Escape")
    m.attendre(r"^TESSIMORA_SCENE partie pause$", 10)
    time.sleep(1.5)


def au_titre_qui_demande(m):
    m.attendre(r"^TESSIMORA_SCENE titre$", 20)
    time.sleep(1)
    m.touche("Escape")
    m.attendre(r"^TESSIMORA_SCENE titre sortie$", 10)
    time.sleep(1)


def attendre_scene(nom, secondes):
    def preparer(m):
        m.attendre(rf"^TESSIMORA_SCENE {nom}$", 20)
        time.sleep(secondes)
    return preparer


# State, options, how to reach it once the window has its size, the largest
# share of one core it should take, and how long it holds once reached (the
# attract loop leaves the title after 8 s and HIGH SCORES after 6 s), None
# for as long as it is left alone. A state that holds less than the seconds
# asked is measured in as many runs as it takes.
ETATS = [
    ("title", ["--scene=titre"], attendre_scene("titre", 1.5), 0.50, 5.5),
    ("stage running, untouched", ["--scene=partie", "--mode=night"], au_jeu, 0.90, None),
    ("stage paused", ["--scene=partie", "--mode=night"], en_pause, 0.10, None),
    ("OPTIONS", ["--scene=options"], attendre_scene("options", 2), 0.10, None),
    ("confirmation (quit?)", ["--scene=titre"], au_titre_qui_demande, 0.10, 4),
    # After its entry animation.
    ("HIGH SCORES", ["--scene=scores"], attendre_scene("scores", 1.5), 0.10, 3.5),
]


def mesurer_une_fois(programme, options, preparer, taille, secondes):
    m = Mesure([programme, "--muet", "--journal-sons"] + options, "Tessimora", *taille, LOOK)

    def suivre():
        preparer(m)
        debut = time.monotonic()
        releve = m.mesurer(secondes)
        fin = time.monotonic()
        # A state the cabinet left while measured would be another's figure.
        partis = [l for t, l in m.lignes
                  if debut < t <= fin and l.startswith("TESSIMORA_SCENE ")]
        if partis:
            raise RuntimeError(f"left the state while measured ({partis[0]})")
        return releve

    releve = m.executer(0, secondes, suivre=suivre)
    return releve, m.autres


def mesurer(programme, options, preparer, taille, secondes, tenue):
    """One state over `secondes` in all, in runs of at most `tenue` seconds:
    the share over the whole measured time, the median of every frame count."""
    releves, autres, reste = [], [], secondes
    while reste > 0.05:
        duree = min(reste, tenue or reste)
        releve, autre = mesurer_une_fois(programme, options, preparer, taille, duree)
        releves.append((duree, releve))
        autres.append(autre)
        reste -= duree
    total = sum(d for d, _ in releves)
    images = [i for _, r in releves for i in r.images]
    part = sum(d * r.part for d, r in releves) / total
    ms = sum(d * r.part * 1000 for d, r in releves) / max(1, sum(images))
    return Releve(statistics.median(images), ms, part, images), autres


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--secondes", type=float, default=12)
    parser.add_argument("--taille", default="1280x720")
    parser.add_argument("--avant", help="an older build of the game, measured in the same run")
    parser.add_argument("--etats", help="the states to measure, by the start of their names, "
                        "separated by commas (all by default)")
    args = parser.parse_args()

    jeu = os.environ.get("TESSIMORA_EXE")
    if not jeu:
        sys.exit("TESSIMORA_EXE must name the game")
    programmes = [os.path.abspath(jeu)] + ([os.path.abspath(args.avant)] if args.avant else [])
    taille = tuple(int(v) for v in args.taille.split("x"))
    etats = [e for e in ETATS
             if not args.etats or any(e[0].startswith(n) for n in args.etats.split(","))]

    print(f"share of one core and median frames per second over {args.secondes:g} s, "
          f"{taille[0]} x {taille[1]}, look on", flush=True)
    entete = f"  {'state':28}{'target':>8}{'now':>16}"
    if args.avant:
        entete += f"{'before':>16}{'now/before':>12}"
    print(entete, flush=True)
    autres = []
    for nom, options, preparer, cible, tenue in etats:
        cases = []
        for programme in programmes:
            # A build that ends or never reaches the state leaves its cell
            # empty, and the rest of the table is still measured.
            try:
                releve, autre = mesurer(programme, options, preparer, taille, args.secondes,
                                        tenue)
                autres.extend(autre)
            except RuntimeError as e:
                print(f"  {nom}: {e}", file=sys.stderr, flush=True)
                releve = None
            cases.append(releve)
        ligne = f"  {nom:28}{100 * cible:7.0f}%"
        ligne += "".join(f"{100 * r.part:7.1f}% {r.ips:5g} fps" if r else f"{'failed':>16}"
                         for r in cases)
        if len(cases) == 2 and all(cases):
            ligne += f"{cases[0].part / max(1e-6, cases[1].part):12.2f}"
        if cases[0] and cases[0].part > cible:
            ligne += "  over the target"
        print(ligne, flush=True)
    rapporter_autres(autres, "the shares")


if __name__ == "__main__":
    main()
