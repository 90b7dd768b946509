"""Random play: the real game driven for a fixed time by a seeded stream of
keys, gamepad buttons and sticks, mouse clicks, wheel turns and touch-like
gestures (taps, holds, swipes, drags), weighted by what the cabinet shows so
that menus are entered, games played, paused and left, and the extras
visited. The trial fails on a crash or an abnormal exit, on a hang (no
frame report for half a minute), on any QML warning or error the game prints,
and in the long run on resident memory growing more than 20 % between the
second minute and the last.

    TESSIMORA_ALEA_GRAINE=N   play that stream again (the seed is printed first)
    TESSIMORA_ALEA_DUREE=S    seconds of play, 45 by default (600 in the long run)
    TESSIMORA_ALEA_LONG=1     one process for the whole time: every quit is
                              answered NO and the memory is judged
    TESSIMORA_ALEA_JOURNAL=1  print every input with the state it was drawn for

The short run starts a new process for each stretch of the stream (from the
start card, the title, a menu, an extra or straight into a game, some with
the computer playing), and also after a quit the stream confirmed, which is a
normal end. The cabinet reports each state on a `TESSIMORA_SCENE` line. A
seed gives the same decisions, though not the same timing: what the game does
between two inputs depends on the machine."""

import os
import random
import re
import shutil
import statistics
import sys
import tempfile
import time
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from appareils import (ACTIONS, AXES, BOUTONS, CLAVIER, DUEL1, SANS_ACTION,  # noqa: E402
                       TELECOMMANDE, Clavier, Tube)
from essai import Partie, vers_fenetre  # noqa: E402

# What the game prints on standard error for a fault of the scene layer.
FAUTE_QML = re.compile(r"qrc:/|file:/|TypeError|ReferenceError|SyntaxError|RangeError|"
                       r"[Bb]inding loop|Cannot read property|Cannot assign|is not a function|"
                       r"is not defined|Unable to assign|QQmlComponent|QQmlExpression")
SCENES = ["mire", "titre", "demo", "scores", "regles", "menu", "options", "commandes", "crt",
          "galerie", "succes", "sontest", "salle", "partie", "continue", "gameover", "saisie"]

# -- what the stream does in each state ----------------------------------------
# Weights of the stream's moves: the fourteen actions, then "attente" (wait),
# "clic", "droit" (right click), "milieu", "molette", "maintien" (a still
# hold), "balayage" (a swipe left), "glisser" (a drag), "survol" (hover),
# "tenir" (an action held long enough to repeat), "crt" (the C key),
# "ecran" (full screen on or off), "ctrlz", "autre" (a key without action),
# "debranche" (a gamepad unplugged), "secret" (OK held on the title),
# "veille" (nothing until the attract loop has moved on a few times),
# "rafale" (a burst of actions with no pause between them), "accord" (two
# keys held across each other, or a key and a button).
COMMUN = {"attente": 3, "clic": 3, "droit": 0.5, "molette": 0.5, "survol": 0.5, "tenir": 1,
          "crt": 0.2, "ecran": 0.1, "autre": 0.5, "debranche": 0.1, "piece": 0.3,
          "rafale": 0.6, "accord": 0.4}
POIDS = {
    "mire": {"attente": 10},  # one second, then the title
    "titre": {"ok": 10, "start": 3, "retour": 1.5, "attente": 4, "clic": 3, "maintien": 1,
              "secret": 1.5, "gauche": 1, "veille": 1},
    "titre sortie": {"gauche": 3, "droite": 3, "ok": 3, "retour": 2, "clic": 2},
    "demo": {"attente": 4, "ok": 2, "clic": 1}, "scores": {"attente": 4, "ok": 2},
    "regles": {"attente": 4, "ok": 2},
    "menu": {"droite": 8, "gauche": 4, "haut": 1, "bas": 1, "ok": 4, "retour": 1, "clic": 3},
    "options": {"haut": 5, "bas": 6, "gauche": 4, "droite": 4, "ok": 3, "retour": 2},
    "commandes": {"haut": 4, "bas": 5, "gauche": 3, "droite": 3, "ok": 4, "retour": 2,
                  "autre": 3},
    "crt": {"haut": 4, "bas": 4, "gauche": 4, "droite": 4, "ok": 2, "retour": 2},
    "galerie": {"haut": 3, "bas": 3, "gauche": 4, "droite": 4, "ok": 2, "retour": 2},
    "succes": {"haut": 4, "bas": 4, "gauche": 2, "droite": 2, "retour": 2},
    "sontest": {"haut": 4, "bas": 4, "gauche": 3, "droite": 3, "ok": 4, "retour": 2},
    "salle": {"attente": 3, "ok": 2, "clic": 1},
    "partie": {"gauche": 5, "droite": 5, "haut": 5, "bas": 5, "ok": 8, "retour": 1.5,
               "start": 0.8, "hint": 2, "mix": 1, "undo": 1.5, "peek": 1, "glisseG": 1.5,
               "glisseD": 1.5, "clic": 8, "milieu": 1, "maintien": 1, "balayage": 1.5,
               "glisser": 1.5, "ctrlz": 0.3, "molette": 1},
    "partie pause": {"haut": 3, "bas": 3, "ok": 3, "retour": 1, "start": 0.5, "clic": 2},
    "partie pause titre": {"gauche": 2, "droite": 2, "ok": 2, "retour": 1, "clic": 2},
    "partie pause quitter": {"gauche": 2, "droite": 2, "ok": 2, "retour": 1, "clic": 2},
    "continue": {"attente": 4, "ok": 2, "retour": 1, "gauche": 1, "droite": 1, "piece": 1},
    "gameover": {"attente": 6, "ok": 1},
    "saisie": {"haut": 3, "bas": 3, "gauche": 2, "droite": 2, "ok": 4, "retour": 1},
}
# Native zones (x0, y0, x1, y1, weight) where presses land in each state.
ZONES = {
    "titre": [(0, 0, 384, 224, 4), (6, 206, 70, 222, 1)],
    "menu": [(0, 30, 384, 90, 4), (20, 140, 380, 190, 2), (0, 0, 384, 224, 1)],
    "partie": [(16, 14, 368, 222, 8), (0, 0, 384, 11, 1)],
    "partie pause": [(120, 67, 264, 160, 5), (0, 0, 384, 224, 1)],
    "confirmation": [(100, 108, 290, 131, 5), (0, 0, 384, 224, 1)],
}
DEPARTS = ([[]] * 8 + [["--scene=titre"]] * 3 + [["--scene=menu"]] * 2 +
           [["--scene=" + s] for s in ("options", "commandes", "crt", "galerie", "succes",
                                      "sontest", "salle", "scores", "regles", "demo",
                                      # A stretch is too short for a game to end in
                                      # a record, so name entry is also started as is.
                                      "saisie")])
MODES = ["night", "rush", "daily", "paper", "parade"]
# The share of stretches started straight in a game.
PART_DES_JEUX = 0.3


def choisir(rng, poids):
    total = sum(poids.values())
    r = rng.uniform(0, total)
    for cle, p in poids.items():
        r -= p
        if r <= 0:
            return cle
    return cle


def rss(pid):
    """Resident memory of a process in KiB, None once it is gone."""
    try:
        with open(f"/proc/{pid}/status") as f:
            for ligne in f:
                if ligne.startswith("VmRSS:"):
                    return int(ligne.split()[1])
    except OSError:
        pass
    return None


class Joueur:
    """One run of the game with the stream: it reads the cabinet's state
    lines between inputs, so each input is drawn for the state shown."""

    def __init__(self, rng, arguments, config, long_, journal):
        self.rng, self.long, self.journal = rng, long_, journal
        self.temp = tempfile.mkdtemp(prefix="tessimora-alea-")
        tube = os.path.join(self.temp, "manettes")
        self.tube = Tube(tube)
        self.arguments = arguments
        self.partie = Partie(["--muet", "--ips", "--faux-fournisseur=nuage"] + arguments,
                             config=config, dossier=self.temp, env={"TESSIMORA_MANETTES": tube})
        self.etat = "mire"
        self.depuis = time.monotonic()
        self.vus = {}
        self.suite = []
        self.lus = 0
        self.secret_fait = False
        self.plan, self.etat_plan, self.presse = [], None, False
        self.debut_jeu, self.patience, self.au_bout = 0, 0, False
        self.tournee = [2, 1, 7, 3, 8, 0, 4, 5, 6, 2, 7]
        self.memoire = []
        self.entrees = []
        # Lines of standard error, each with the inputs just before it.
        self.erreurs_lues = 0
        self.fautes, self.autres = [], []

    # -- life ---------------------------------------------------------------
    def demarrer(self):
        self.partie.demarrer()
        self.partie.attendre("^TESSIMORA_PRET$", 60)
        self.x = Clavier(self.partie.env["DISPLAY"])
        self.partie.focaliser()
        self.geometrie()
        self.debut = time.monotonic()

    def arreter(self):
        for nom in ("x", "tube"):
            if getattr(self, nom, None):
                getattr(self, nom).fermer()
        self.partie.arreter()
        if self.partie.processus:
            self.partie.processus.stdout.close()
            self.partie.processus.stderr.close()
        shutil.rmtree(self.temp, ignore_errors=True)

    def vivant(self):
        return self.partie.processus.poll() is None

    def geometrie(self):
        try:
            self.fenetre = self.partie.fenetre()
        except (KeyError, ValueError):
            pass

    def en_tournee(self):
        """The long run's first minute takes MODE SELECT's entries in turn,
        each game briefly, and switches the tube off and on: much of what a
        scene loads the first time it is shown is then in memory before the
        second minute, against which the last is judged."""
        return self.long and self.tournee and time.monotonic() - self.debut < 60

    def nouveau_jeu(self):
        """How long a game is played before the stream pauses it to leave;
        some are played out (INCENSE RUSH lasts 90 s, a stage's incense some
        minutes), so that CONTINUE?, GAME OVER and NEW RECORD come too."""
        self.debut_jeu = time.monotonic()
        self.au_bout = self.rng.random() < (0.4 if self.long else 0.1)
        if self.en_tournee():
            self.au_bout, self.patience = False, self.rng.uniform(5, 7)
        elif self.au_bout:
            self.patience = 300
        else:
            self.patience = self.rng.uniform(40, 90) if self.long else self.rng.uniform(10, 25)

    def suivre(self):
        """Takes the new lines: the state, and the clock of the last frame
        report."""
        erreurs = getattr(self.partie, "erreurs", [])
        for ligne in erreurs[self.erreurs_lues:]:
            if FAUTE_QML.search(ligne):
                self.fautes.append(ligne)
                print(f"QML fault: {ligne}\n  after (s, state, input): {self.entrees[-8:]}",
                      flush=True)
            else:
                self.autres.append(ligne)
        self.erreurs_lues = len(erreurs)
        lignes = self.partie.lignes
        while self.lus < len(lignes):
            t, ligne = lignes[self.lus]
            self.lus += 1
            if ligne.startswith("TESSIMORA_SCENE "):
                etat = ligne[len("TESSIMORA_SCENE "):]
                if etat != self.etat:
                    if etat.split()[0] == "partie" != self.etat.split()[0]:
                        self.nouveau_jeu()
                    self.etat, self.depuis = etat, time.monotonic()
                    self.suite.append(etat)
                self.vus[etat] = self.vus.get(etat, 0) + 1

    def derniere_image(self):
        for t, ligne in reversed(self.partie.lignes):
            if ligne.startswith("TESSIMORA_IPS"):
                return self.partie.debut + t
        return self.debut

    # -- one input ------------------------------------------------------------
    def dormir(self, a, b):
        time.sleep(self.rng.uniform(a, b))

    def poids(self):
        etat = self.etat
        p = dict(COMMUN)
        p.update(POIDS.get(etat, POIDS.get(etat.split()[0], {"retour": 2, "ok": 2})))
        if etat == "titre" and not self.secret_fait:
            p["secret"] = 6
        if self.long and etat.endswith((" sortie", " quitter")):
            return {"retour": 1}
        if self.au_bout and etat == "partie":
            p["start"], p["retour"] = 0, 0.2
        return p

    def planifier(self):
        """A few inputs with a purpose for the state just shown: MODE SELECT
        opens on its first lantern, so walking to one and choosing it
        reaches every mode and extra; the pause menu opens on RESUME, so Up
        reaches its exits from the bottom."""
        etat, rng = self.etat, self.rng
        if etat == "menu":
            if self.en_tournee():
                cible = self.tournee.pop(0)
            else:
                cible = choisir(rng, {0: 3, 1: 2, 2: 2, 3: 2, 4: 1.5, 5: 1, 6: 1, 7: 5, 8: 3})
            pas = ["droite"] * cible if cible <= 4 else ["gauche"] * (9 - cible)
            return pas + ["ok"] + ["droite"] * rng.randrange(5) + ["ok"]
        if etat == "titre" and self.en_tournee() and not self.secret_fait:
            return ["crt", "crt", "secret", "ok"]
        if etat == "partie pause" and self.presse:
            # Up twice is QUIT TO TITLE, once QUIT GAME (the long run's
            # leaves to the title).
            return ["haut"] * (2 if self.long else rng.choice([1, 2, 2])) + ["ok"]
        if etat == "partie pause" and self.au_bout:
            return ["retour"]
        if etat.endswith(" sortie") or etat.endswith(" quitter"):
            # The long run never lets the program quit: Back answers NO.
            if self.long or rng.random() < 0.3:
                return ["retour"]
            return [rng.choice(["gauche", "droite"]), "ok"]
        if etat.endswith(" titre"):
            return [rng.choice(["gauche", "droite"]), "ok"]
        return []

    def presser(self):
        """A scene held too long is left: Back in menus, the pause and its
        exits in a game, so the stream keeps moving through the cabinet."""
        duree = time.monotonic() - self.depuis
        base = self.etat.split()[0]
        if self.etat == "partie" and time.monotonic() - self.debut_jeu > self.patience \
                and not self.plan:
            self.presse = True
            self.plan = [self.rng.choice(["start", "retour"])]
        elif base not in ("partie", "mire", "gameover", "continue") and duree > 20 \
                and not self.plan:
            self.plan = ["retour"]

    def entree(self):
        if self.etat != self.etat_plan:
            self.etat_plan = self.etat
            self.plan = self.planifier()
        self.presser()
        if self.plan and (self.rng.random() < 0.9 or self.etat.endswith((" sortie", " quitter"))):
            coup = self.plan.pop(0)
        else:
            coup = choisir(self.rng, self.poids())
        if self.etat.split()[0] != "partie":
            self.presse = False
        self.entrees.append((round(time.monotonic() - self.debut, 2), self.etat, coup))
        del self.entrees[:-40]
        if self.journal:
            print(f"  {self.entrees[-1][0]:7.2f} {self.etat:22} {coup}", flush=True)
        if coup in BOUTONS:
            self.action(coup)
        else:
            getattr(self, "coup_" + coup)()
        if self.long and self.etat in ("titre", "partie pause"):
            # A quit confirmation may open now: its line must be read
            # before the next input, which could answer it.
            time.sleep(0.4)
        # The next input comes after a pause of a human's length, shorter
        # in games and menus than on the attract screens.
        self.dormir(0.05, 0.35)

    def action(self, a, tenue=None):
        """One action by a device drawn at random."""
        tenue = tenue or self.rng.uniform(0.03, 0.12)
        appareil = choisir(self.rng, {"clavier": 6, "manette": 3, "telecommande": 1})
        if appareil == "manette":
            self.manette(a, tenue)
            return
        noms = CLAVIER[a]
        if appareil == "telecommande" and a in TELECOMMANDE:
            noms = TELECOMMANDE[a]
        elif self.rng.random() < 0.2 and a in DUEL1:
            noms = DUEL1[a]
        self.touche(self.rng.choice(noms), tenue)

    def touche(self, nom, tenue):
        self.x.touche(nom, True)
        time.sleep(tenue)
        self.x.touche(nom, False)

    def manette(self, a, tenue):
        pad = choisir(self.rng, {0: 6, 1: 3, 2: 1, 3: 1})
        if a in AXES and self.rng.random() < 0.35:
            axe, signe = AXES[a]
            self.tube.ecrire(f"axe {pad} {axe} {signe * self.rng.uniform(0.65, 1):.2f}")
            time.sleep(tenue)
            self.tube.ecrire(f"axe {pad} {axe} {signe * self.rng.uniform(0, 0.25):.2f}")
            return
        b = BOUTONS[a]
        if self.rng.random() < 0.05:
            b = self.rng.choice([10, 11, 16, 17, -1])
        valeur = 1 if self.rng.random() < 0.9 else self.rng.choice([0.3, 0.55, 0.8])
        self.tube.ecrire(f"appui {pad} {b} {valeur}")
        time.sleep(tenue)
        self.tube.ecrire(f"relache {pad} {b}")

    def point(self):
        """A window pixel for a native point drawn from the state's zones."""
        zones = ZONES.get(self.etat)
        if zones is None and self.etat.endswith(("sortie", "titre", "quitter")):
            zones = ZONES["confirmation"]
        zones = zones or ZONES.get(self.etat.split()[0], [(0, 0, 384, 224, 1)])
        x0, y0, x1, y1, _ = zones[choisir(self.rng, {i: z[4] for i, z in enumerate(zones)})]
        fx, fy, l, h = self.fenetre
        px, py = vers_fenetre(self.rng.uniform(x0, x1), self.rng.uniform(y0, y1), l, h)
        return fx + px, fy + py

    def appuyer(self, bouton, tenue, chemin=None):
        x, y = self.point()
        self.x.aller(x, y)
        self.x.bouton(bouton, True)
        for dx, dy in chemin or []:
            time.sleep(tenue / max(1, len(chemin)))
            x, y = x + dx, y + dy
            self.x.aller(x, y)
        if not chemin:
            time.sleep(tenue)
        self.x.bouton(bouton, False)

    # The moves that are not a plain action.
    def coup_attente(self):
        base = self.etat.split()[0]
        self.dormir(0.2, 0.6 if base == "mire" else 2.5 if base in ("partie", "menu") else 6)

    def coup_veille(self):
        changements = self.rng.randint(1, 4)
        fin = time.monotonic() + 60
        suite = len(self.suite)
        while time.monotonic() < fin and len(self.suite) - suite < changements and self.vivant():
            time.sleep(0.2)
            self.suivre()

    def coup_rafale(self):
        # A burst is over before its state lines are read: in the long run it
        # holds neither OK nor Back, which could open a quit and confirm it.
        actions = [a for a in ACTIONS if not self.long or a not in ("ok", "retour")]
        for _ in range(self.rng.randint(4, 14)):
            self.action(self.rng.choice(actions), self.rng.uniform(0, 0.02))

    def coup_accord(self):
        a, b = self.rng.sample(ACTIONS, 2)
        premier, second = self.rng.choice(CLAVIER[a]), self.rng.choice(CLAVIER[b])
        self.x.touche(premier, True)
        self.dormir(0.02, 0.2)
        if self.rng.random() < 0.5:
            self.x.touche(second, True)
            self.dormir(0.02, 0.2)
            self.x.touche(premier, False)
            self.dormir(0.02, 0.2)
            self.x.touche(second, False)
        else:
            self.coup_clic()
            self.x.touche(premier, False)

    def coup_clic(self):
        self.appuyer(1, self.rng.uniform(0.03, 0.15))

    def coup_droit(self):
        self.appuyer(3, 0.05)

    def coup_milieu(self):
        self.appuyer(2, 0.05)

    def coup_molette(self):
        x, y = self.point()
        self.x.aller(x, y)
        b = self.rng.choice([4, 5])
        self.x.bouton(b, True)
        self.x.bouton(b, False)

    def coup_maintien(self):
        self.appuyer(1, self.rng.uniform(0.7, 1.6))

    def coup_balayage(self):
        pas = self.rng.randint(4, 8)
        dx = -self.rng.uniform(45, 110) * self.fenetre[2] / 384 / pas
        self.appuyer(1, 0.2, [(dx, self.rng.uniform(-2, 2))] * pas)

    def coup_glisser(self):
        pas = self.rng.randint(3, 10)
        chemin = [(self.rng.uniform(-40, 40), self.rng.uniform(-10, 10)) for _ in range(pas)]
        self.appuyer(1, self.rng.uniform(0.2, 0.8), chemin)

    def coup_survol(self):
        self.x.aller(*self.point())

    def coup_tenir(self):
        self.action(self.rng.choice(["gauche", "droite", "haut", "bas", "ok"]),
                    self.rng.uniform(0.5, 1.3))

    def coup_secret(self):
        self.secret_fait = True
        self.action("ok", self.rng.uniform(3.2, 3.6))

    def coup_crt(self):
        self.touche("c", 0.05)

    def coup_ecran(self):
        if self.rng.random() < 0.5:
            self.touche("F11", 0.05)
        else:
            self.x.touche("Alt_L", True)
            self.touche("Return", 0.05)
            self.x.touche("Alt_L", False)
        time.sleep(0.8)
        self.geometrie()
        self.partie.focaliser()

    def coup_ctrlz(self):
        self.x.touche("Control_L", True)
        self.touche("z", 0.05)
        self.x.touche("Control_L", False)

    def coup_autre(self):
        self.touche(self.rng.choice(SANS_ACTION), 0.05)

    def coup_debranche(self):
        self.tube.ecrire(f"debranche {self.rng.randrange(4)}")

    def coup_piece(self):
        self.action("piece")

    # -- the stretch ------------------------------------------------------------
    def jouer(self, fin):
        """Plays until `fin` (monotonic) or until the game ends; the exit
        code, or None when it still runs."""
        dernier_releve = 0
        while time.monotonic() < fin:
            self.suivre()
            if not self.vivant():
                break
            maintenant = time.monotonic()
            if maintenant - dernier_releve >= 5:
                dernier_releve = maintenant
                r = rss(self.partie.processus.pid)
                if r:
                    self.memoire.append((maintenant - self.debut, r))
                    if self.journal:
                        print(f"  VmRSS {r // 1024} MiB", flush=True)
                self.geometrie()
                self.partie.focaliser()
            if maintenant - self.derniere_image() > 30:
                raise AssertionError("no frame report for 30 s: the event loop is stuck")
            self.entree()
        self.suivre()
        return self.partie.processus.poll()


class Aleatoire(unittest.TestCase):
    def test_jeu_au_hasard(self):
        graine = int(os.environ.get("TESSIMORA_ALEA_GRAINE") or random.randrange(1, 10 ** 9))
        duree = float(os.environ.get("TESSIMORA_ALEA_DUREE") or 45)
        long_ = os.environ.get("TESSIMORA_ALEA_LONG") == "1"
        journal = os.environ.get("TESSIMORA_ALEA_JOURNAL") == "1"
        print(f"\nrandom play: seed {graine} (TESSIMORA_ALEA_GRAINE={graine}), {duree:.0f} s"
              f"{', one process' if long_ else ''}", flush=True)
        rng = random.Random(graine)
        config = tempfile.mkdtemp(prefix="tessimora-alea-config-")
        self.addCleanup(shutil.rmtree, config, ignore_errors=True)
        debut = time.monotonic()
        fin = debut + duree
        vus, fautes, autres, fins, memoires = {}, [], [], [], []
        troncon = 0
        while time.monotonic() < fin - 3:
            troncon += 1
            if long_:
                arguments = []
            elif rng.random() < PART_DES_JEUX:
                mode = rng.choice(MODES + ["duel", "sliding"])
                scene = {"duel": "duel", "sliding": "glissant"}.get(mode, "partie")
                arguments = ["--scene=" + scene, "--mode=" + mode]
                if rng.random() < 0.4:
                    arguments.append(f"--etape={rng.randrange(12)}")
                if rng.random() < 0.4:
                    arguments.append(f"--pilote={rng.randrange(3)}")
            else:
                arguments = list(rng.choice(DEPARTS))
            # A stretch ends with the close button, a quit the stream asked
            # for, or the end of the run.
            reste = fin - time.monotonic()
            longueur = rng.uniform(15, 35)
            if long_ or reste - longueur < 12:
                longueur = reste
            joueur = Joueur(rng, arguments, config, long_, journal)
            t0 = time.monotonic() - debut
            try:
                joueur.demarrer()
                code = joueur.jouer(min(fin, time.monotonic() + longueur))
                quitte = code is not None
                if code is None:
                    code = joueur.partie.fermer_fenetre(20)
            finally:
                time.sleep(0.2)  # the last lines of standard error
                joueur.suivre()
                fautes += joueur.fautes
                autres += joueur.autres
                derniers = joueur.entrees[-12:]
                joueur.arreter()
            for etat, n in joueur.vus.items():
                vus[etat] = vus.get(etat, 0) + n
            memoires.append(joueur.memoire)
            fins.append(code)
            kio = [m for _, m in joueur.memoire]
            print(f"stretch {troncon} at {t0:.0f} s {' '.join(arguments) or '(start card)'}: "
                  f"{'quit by the stream' if quitte else 'closed'}, exit {code}, "
                  f"states {' > '.join(joueur.suite)}; VmRSS "
                  f"{min(kio) // 1024 if kio else '?'}-{max(kio) // 1024 if kio else '?'} MiB",
                  flush=True)
            if code != 0:
                self.fail(f"seed {graine}: the game ended with {code} in stretch {troncon} "
                          f"({' '.join(arguments)}); last inputs {derniers}; "
                          f"standard error {fautes + autres}")
            if long_ and quitte:
                self.fail(f"seed {graine}: the long run quit at {time.monotonic() - debut:.0f} s; "
                          f"last inputs {derniers}")
        atteintes = sorted({e.split()[0] for e in vus}, key=SCENES.index)
        print("scenes reached:", " ".join(atteintes))
        print("not reached:", " ".join(s for s in SCENES if s not in atteintes))
        print("states:", ", ".join(f"{e} x{n}" for e, n in sorted(vus.items())))
        if autres:
            print("other lines on standard error:", *sorted(set(autres))[:20], sep="\n  ")
        self.assertEqual(fautes, [], f"seed {graine}: QML faults")
        if long_:
            self.memoire(graine, memoires[0])

    def memoire(self, graine, releves):
        fin = releves[-1][0]
        seconde = [m for t, m in releves if 60 <= t < 120]
        derniere = [m for t, m in releves if t >= fin - 60]
        self.assertTrue(seconde and derniere and fin >= 180, "too short to judge the memory")
        a, b = statistics.median(seconde), statistics.median(derniere)
        minutes = {}
        for t, m in releves:
            minutes.setdefault(int(t // 60), []).append(m)
        print("VmRSS median per minute (MiB):",
              " ".join(f"{statistics.median(v) / 1024:.0f}" for _, v in sorted(minutes.items())))
        print(f"VmRSS median: second minute {a / 1024:.1f} MiB, last minute {b / 1024:.1f} MiB "
              f"({(b / a - 1) * 100:+.1f} %), peak {max(m for _, m in releves) / 1024:.1f} MiB")
        self.assertLessEqual(b, a * 1.2, f"seed {graine}: resident memory grew more than 20 %")


if __name__ == "__main__":
    unittest.main()
