"""Frame-rate benchmark of the screen: the "--ips" medians of the game against
a plain reference window, measured in one run on this machine.

For each window size it runs the reference window (one 384 x 224 texture
through a one-sample shader), then a stage played by the computer
(--pilote=2) and the title, each with the tube look on and off, and prints
the median frames per second over the measured seconds with two ratios: to
the reference's frame rate, and to what a display of --affichage Hz (60 by
default) can show of the two, since the X server here has no refresh to wait
for and both programs draw as fast as they can: min(game, Hz) / min(reference,
Hz) is the share of the display's frames the game fills. The processor time
the program used per frame (all its threads, the software renderer's
included) is printed beside it: it depends much less on what else runs on the
machine than the frame rate does.

    TESSIMORA_EXE=construction/essais/tessimora \
    TESSIMORA_REFERENCE=construction/essais/tests/ips/reference_ips \
    python3 tests/ips/banc_ips.py [--secondes 12] [--avant OLD_BUILD] [--tailles 1280x720,1920x1080]

The game runs with --ips-continu: frames come back to back, as the
reference's (whose picture moves every frame) do, so that a scene whose
timers change it only sixty times a second, such as the title, still shows
what its frames cost.

--avant measures an older build of the game in the same run, each of its
rows right after the new one's, so that both see the same machine (a build
older than --ips-continu ignores it and draws only the frames its scene asks
for). Frame rates only mean something on a quiet machine: the processor time
the rest of the machine took during the measured seconds (everything but the
program and its X server) is printed, with a warning when it was high.
"""

import argparse
import os
import re
import shutil
import statistics
import subprocess
import sys
import tempfile
import threading
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "essais"))
from essai import ServeurX, ecrire_textes  # noqa: E402

TIC = os.sysconf("SC_CLK_TCK")
SCENES = [
    ("stage (--pilote=2)", ["--scene=partie", "--mode=night", "--pilote=2"]),
    ("title", ["--scene=titre"]),
]
LOOKS = [("look on", '{"crt":{"actif":true}}'), ("look off", '{"crt":{"actif":false}}')]


def processeurs_occupes():
    """Processor seconds the whole machine has spent busy so far, all cores."""
    with open("/proc/stat") as f:
        champs = [int(v) for v in f.readline().split()[1:]]
    # user nice system idle iowait irq softirq steal: idle and iowait are not work.
    return (sum(champs[:8]) - champs[3] - champs[4]) / TIC


def temps_processeur(pid):
    """Processor seconds used so far by a process, all its threads."""
    with open(f"/proc/{pid}/stat") as f:
        champs = f.read().rsplit(")", 1)[1].split()
    return (int(champs[11]) + int(champs[12])) / TIC


class Releve:
    """One measured stretch: the median of the `--ips` frame counts, the
    processor ms per frame, the share of one core the program used (process
    time over wall time), every frame count, the frames (ms) shown during
    each shake of the picture (`TESSIMORA_SECOUSSE`) with whether it opened
    FEVER, and the median and 95th percentile of the frames' lengths. A build that lists no frames (`TESSIMORA_IMAGES`) gives instead
    the slowest frame of each report second that shook."""

    def __init__(self, ips, ms_par_image, part, images, secousses=(), longueurs=()):
        self.ips, self.ms_par_image, self.part, self.images = ips, ms_par_image, part, images
        self.secousses = list(secousses)
        longueurs = sorted(longueurs)
        self.mediane = statistics.median(longueurs) if longueurs else (1000 / ips if ips else None)
        self.p95 = longueurs[len(longueurs) * 95 // 100] if longueurs else None

    def secousse_lente(self, fever=False):
        """The slowest frame shown while the picture shook (in the shakes that
        opened FEVER, or in the others), over the median frame's length, or
        None when no such shake came."""
        lentes = [max(d) for d, f in self.secousses if f == fever]
        if not lentes or not self.mediane:
            return None
        return max(lentes) / self.mediane

    def mediane_secousses(self):
        """The median length (ms) of the frames shown during the shakes that
        did not open FEVER, or None."""
        vues = [v for d, f in self.secousses if not f for v in d]
        return statistics.median(vues) if vues else None


# A shake's offsets come one display frame apart; a frame shows a step when
# it ends after it, at the latest this long after the shake's last step.
APRES_SECOUSSE = 0.05


def par_secousse(images, pas, fever=()):
    """The lengths (ms) of the frames, (end s, length ms), shown during each
    shake whose steps came at the times `pas` (s), and whether the shake
    opened FEVER: a time of `fever` falls in it. Opening FEVER flashes the
    whole screen, which draws the whole picture again, shake or not."""
    secousses = []
    for t in sorted(pas):
        if secousses and t - secousses[-1][1] < 0.1:
            secousses[-1][1] = t
        else:
            secousses.append([t, t])
    resultat = []
    for a, b in secousses:
        vues = [d for fin, d in images if a <= fin <= b + APRES_SECOUSSE]
        if vues:
            resultat.append((vues, any(a - 0.1 <= t <= b + 0.1 for t in fever)))
    return resultat


class Mesure:
    """One program in a window of the given size on its own X server."""

    def __init__(self, commande, titre, largeur, hauteur, reglages=None, env=None):
        self.commande, self.titre = commande, titre
        self.env_en_plus = env or {}
        self.taille = (largeur, hauteur)
        self.reglages = reglages
        self.lignes = []
        # Share of one core the rest of the machine used while measuring.
        self.autres = 0.0

    def _lire(self, flux):
        for ligne in flux:
            self.lignes.append((time.monotonic(), ligne.rstrip("\n")))

    def _xdotool(self, *arguments):
        return subprocess.run(["xdotool", "search", "--name", f"^{self.titre}$"] + list(arguments),
                              env=self.env, capture_output=True, text=True, timeout=10).stdout

    def attendre(self, motif, delai):
        fin = time.monotonic() + delai
        while time.monotonic() < fin:
            if any(re.search(motif, l) for _, l in self.lignes):
                return True
            if self.processus.poll() is not None:
                break
            time.sleep(0.1)
        raise RuntimeError(f"{' '.join(self.commande)}: no {motif!r} within {delai} s")

    def _dimensionner(self):
        # No window manager: the window is given its size by hand, and
        # checked, since a first request may come before it is mapped.
        l, h = self.taille
        fin = time.monotonic() + 20
        while time.monotonic() < fin:
            self._xdotool("windowmove", "--sync", "%@", "0", "0",
                          "windowsize", "--sync", "%@", str(l), str(h))
            time.sleep(0.5)
            geo = self._xdotool("getwindowgeometry", "--shell")
            if f"WIDTH={l}\n" in geo and f"HEIGHT={h}\n" in geo:
                return
        raise RuntimeError(f"the window never took the size {l} x {h}")

    def touche(self, nom):
        """Presses a key in the program's window, which gets the focus first
        (without a window manager nobody else gives it). The key goes to the
        focus as a real one: sent to a window named in the same xdotool
        command, it would be a synthetic event, which the toolkit ignores."""
        self._xdotool("windowfocus", "--sync", "%@")
        subprocess.run(["xdotool", "key", nom], env=self.env, capture_output=True, timeout=10)

    def mesurer(self, secondes):
        """What the running program did over the next `secondes`: its
        `TESSIMORA_IPS` lines and the processor time it took, with what the
        rest of the machine took meanwhile in `self.autres`."""
        debut, cpu0 = time.monotonic(), temps_processeur(self.processus.pid)
        x0, machine0 = temps_processeur(self.serveur.processus.pid), processeurs_occupes()
        fin = debut + secondes + 0.5
        while time.monotonic() < fin and self.processus.poll() is None:
            time.sleep(0.1)
        if self.processus.poll() is not None:
            raise RuntimeError(f"{' '.join(self.commande)}: ended with code "
                               f"{self.processus.returncode} while measured")
        cpu1 = temps_processeur(self.processus.pid)
        x1, machine1 = temps_processeur(self.serveur.processus.pid), processeurs_occupes()
        duree = max(0.1, time.monotonic() - debut)
        self.autres = max(0.0, (machine1 - machine0) - (cpu1 - cpu0) - (x1 - x0)) / duree
        rapports = [(t, l.split()) for t, l in self.lignes
                    if debut < t <= fin and l.startswith("TESSIMORA_IPS ")]
        images = [int(c[1]) for _, c in rapports]
        if not images:
            raise RuntimeError(f"{' '.join(self.commande)}: no TESSIMORA_IPS line")
        # When each step of a shake came: as the program says, on the clock
        # its frames are listed by, else when its line was read.
        secousses = [float(l.split()[3]) / 1000 if len(l.split()) > 3 else t
                     for t, l in self.lignes if l.startswith("TESSIMORA_SECOUSSE ")]
        liste = []  # (end s, length ms) of every frame in the stretch
        for t, l in self.lignes:
            if debut < t <= fin and l.startswith("TESSIMORA_IMAGES "):
                nombres = [float(v) for v in l.split()[1:]]
                fin_image = nombres[0]
                for d in nombres[1:]:
                    fin_image += d
                    liste.append((fin_image / 1000, d))
        # FEVER opens with the time bonus's sound, in a stage.
        fever = [t for t, l in self.lignes if l.endswith(" bonus_temps")
                 and l.startswith("TESSIMORA_SON ")]
        if liste:
            lentes = par_secousse(liste, secousses, fever)
        else:
            # A report covers the second before it: its slowest frame counts
            # for a shake when one of the shake's offsets came in that second.
            lentes = [([float(c[2])], False) for t, c in rapports
                      if any(t - 1 < s <= t for s in secousses)]
        return Releve(statistics.median(images), 1000 * (cpu1 - cpu0) / max(1, sum(images)),
                      (cpu1 - cpu0) / duree, images, lentes, [d for _, d in liste])

    def executer(self, chauffe, secondes, capture=None, suivre=None):
        """What the program did (a `Releve`) over `secondes` whole report
        lines after `chauffe` seconds of warming up; with
        `capture`, the screen is grabbed into that file after the warming up
        and nothing is measured; with `suivre`, it is called after the warming
        up, the program still running, and its answer is returned instead."""
        temp = tempfile.mkdtemp(prefix="tessimora-ips-")
        serveur = self.serveur = ServeurX(*self.taille)
        try:
            self.env = dict(os.environ, DISPLAY=serveur.display, LIBGL_ALWAYS_SOFTWARE="1",
                            XDG_CONFIG_HOME=os.path.join(temp, "config"),
                            XDG_RUNTIME_DIR=os.path.join(temp, "run"))
            self.env.pop("QT_QPA_PLATFORM", None)
            self.env.update(self.env_en_plus)
            os.makedirs(self.env["XDG_RUNTIME_DIR"], mode=0o700)
            if self.reglages:
                ecrire_textes(self.env["XDG_CONFIG_HOME"], {"reglages": self.reglages})
            self.processus = subprocess.Popen(self.commande + ["--ips"], cwd=temp, env=self.env,
                                              stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                                              text=True, bufsize=1)
            threading.Thread(target=self._lire, args=(self.processus.stdout,), daemon=True).start()
            self.attendre("^TESSIMORA_PRET$", 60)
            self._dimensionner()
            time.sleep(chauffe)
            if capture:
                subprocess.run(["import", "-window", "root", capture], env=self.env, check=True,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=30)
                return None
            if suivre:
                return suivre()
            releve = self.mesurer(secondes)
            return releve
        finally:
            if getattr(self, "processus", None) and self.processus.poll() is None:
                self.processus.terminate()
                try:
                    self.processus.wait(5)
                except subprocess.TimeoutExpired:
                    self.processus.kill()
                    self.processus.wait(5)
            serveur.fermer()
            shutil.rmtree(temp, ignore_errors=True)


def rapporter_autres(autres, quoi):
    """Prints how much processor time the rest of the machine took while
    measuring, and warns when that makes the figures (`quoi`) meaningless."""
    autres = autres or [0.0]
    print(f"\nthe rest of the machine used {100 * statistics.mean(autres):.0f} % of a core on "
          f"average while measuring, {100 * max(autres):.0f} % at most")
    if max(autres) > 0.15:
        print(f"warning: the machine was busy; {quoi} are not meaningful", flush=True)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--secondes", type=float, default=12)
    parser.add_argument("--chauffe", type=float, default=3)
    parser.add_argument("--tailles", default="1280x720,1920x1080")
    parser.add_argument("--avant", help="an older build of the game, measured in the same run")
    parser.add_argument("--scenes", default="stage,title", help="stage, title or both")
    parser.add_argument("--affichage", type=float, default=60,
                        help="the refresh rate of the display the second ratio is taken to")
    args = parser.parse_args()

    jeu = os.environ.get("TESSIMORA_EXE")
    reference = os.environ.get("TESSIMORA_REFERENCE")
    if not jeu or not reference:
        sys.exit("TESSIMORA_EXE and TESSIMORA_REFERENCE must name the game and the reference")
    jeu, reference = os.path.abspath(jeu), os.path.abspath(reference)
    programmes = [("", jeu)] + ([("before: ", os.path.abspath(args.avant))] if args.avant else [])
    scenes = [s for s in SCENES if s[0].split()[0] in args.scenes.split(",")]
    tailles = [tuple(int(v) for v in t.split("x")) for t in args.tailles.split(",")]

    autres, secousses = [], []
    print(f"median frames per second over {args.secondes:g} s, ratio to the reference, ratio "
          f"to a {args.affichage:g} Hz display, and processor ms per frame", flush=True)
    resultats = {}
    for l, h in tailles:
        mesure = Mesure([reference], "Tessimora reference", l, h)
        releve = mesure.executer(args.chauffe, args.secondes)
        ref, ref_cpu = releve.ips, releve.ms_par_image
        autres.append(mesure.autres)
        print(f"\n{l} x {h}: reference {ref:g} fps ({ref_cpu:.1f} ms)", flush=True)
        print(f"  {'':28}" + "".join(f"{nom:>28}" for nom, _ in LOOKS), flush=True)
        for nom_scene, options in scenes:
            for prefixe, programme in programmes:
                cases = []
                for nom_look, reglages in LOOKS:
                    # The sound log also logs each shake's offsets.
                    mesure = Mesure([programme, "--muet", "--ips-continu", "--ips-images",
                                     "--journal-sons"]
                                    + options, "Tessimora", l, h, reglages)
                    releve = mesure.executer(args.chauffe, args.secondes)
                    ips, cpu = releve.ips, releve.ms_par_image
                    autres.append(mesure.autres)
                    ecran = min(ips, args.affichage) / min(ref, args.affichage)
                    resultats[(l, h, prefixe, nom_scene, nom_look)] = ips / ref
                    cases.append(f"{ips:5g} {ips / ref:5.2f} {ecran:5.2f} ({cpu:5.1f} ms)")
                    lente, fever = releve.secousse_lente(), releve.secousse_lente(True)
                    if lente is not None or fever is not None:
                        ligne = f"{l} x {h}, {prefixe + nom_scene}, {nom_look}:"
                        if lente is not None:
                            ligne += f" {lente:.2f}"
                        if releve.p95 and releve.mediane_secousses():
                            ligne += (f" (median frame {releve.mediane:.1f} ms, while shaking "
                                      f"{releve.mediane_secousses():.1f} ms; 95th percentile "
                                      f"{releve.p95 / releve.mediane:.2f})")
                        if fever is not None:
                            ligne += f"; opening FEVER {fever:.2f}"
                        secousses.append(ligne)
                print(f"  {prefixe + nom_scene:28}" + "".join(f"{c:>28}" for c in cases),
                      flush=True)
    if secousses:
        print("\nslowest frame shown while the picture shook, over the median frame (at most "
              "2), beside the 95th percentile of all frames over the median; the shakes that "
              "open FEVER also flash the whole screen, a whole picture drawn again:")
        for s in secousses:
            print(f"  {s}")
    rapporter_autres(autres, "frame rates")


if __name__ == "__main__":
    main()
