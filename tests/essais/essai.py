"""Trials of the real game: start the executable on a private X server with a
private settings folder, follow its TESSIMORA_ lines, send keys and pointer
events, grab screenshots, and always end the process.

    with Partie(["--ips"]) as p:
        p.attendre("TESSIMORA_PRET")
        p.touche("Escape")
        p.capture("titre.png")

The executable comes from the environment variable TESSIMORA_EXE (set by
ctest); a trial file is a plain unittest module.
"""

import ctypes
import os
import queue
import re
import shutil
import signal
import subprocess
import tempfile
import threading
import time

LARGEUR, HAUTEUR = 1920, 1080


# The settings store the game reads: group [tessimora] of
# <XDG_CONFIG_HOME>/BRONTELVIK/Tessimora.conf, one text per record.
def fichier_textes(config):
    return os.path.join(config, "BRONTELVIK", "Tessimora.conf")


def lire_textes(config):
    """The texts of group [tessimora], as QSettings stores them."""
    textes, groupe = {}, None
    with open(fichier_textes(config), encoding="utf-8") as f:
        for ligne in f:
            ligne = ligne.rstrip("\n")
            if ligne.startswith("["):
                groupe = ligne[1:-1]
                continue
            if groupe != "tessimora" or "=" not in ligne:
                continue
            cle, valeur = ligne.split("=", 1)
            if valeur.startswith('"') and valeur.endswith('"'):
                valeur = re.sub(r'\\(.)', r'\1', valeur[1:-1])
            textes[cle] = valeur
    return textes


def ecrire_textes(config, textes):
    """Seeds the store with these texts before the game starts."""
    os.makedirs(os.path.dirname(fichier_textes(config)), exist_ok=True)
    with open(fichier_textes(config), "w", encoding="utf-8") as f:
        f.write("[tessimora]\n")
        for cle, valeur in textes.items():
            f.write(cle + '="' + valeur.replace("\\", "\\\\").replace('"', '\\"') + '"\n')


def executable():
    chemin = os.environ.get("TESSIMORA_EXE")
    if not chemin or not os.path.exists(chemin):
        raise RuntimeError("TESSIMORA_EXE must name the built game")
    return chemin


# -- native points and window pixels ---------------------------------------
NATIF = (384, 224)


def geometrie_image(largeur, hauteur, affichage=""):
    """(x, y, sx, sy) of the native picture in a window, as the screen
    chooses it: a saved display mode, else whole multiples when they fill the
    window exactly, stretching within 5 % of the native shape, filling
    otherwise."""
    L, H = NATIF
    k = max(1, int(min(largeur / L, hauteur / H)))
    mode = affichage
    if mode not in ("entier", "remplir", "etirer"):
        if L * k == largeur and H * k == hauteur:
            mode = "entier"
        elif abs((largeur / hauteur) / (L / H) - 1) <= 0.05:
            mode = "etirer"
        else:
            mode = "remplir"
    if mode == "entier":
        return ((largeur - L * k) // 2, (hauteur - H * k) // 2, k, k)
    if mode == "etirer":
        return (0, 0, largeur / L, hauteur / H)
    s = min(largeur / L, hauteur / H)
    return ((largeur - L * s) / 2, (hauteur - H * s) / 2, s, s)


def _deformer(nx, ny, force):
    kx, ky, g = 0.07 * force, 0.11 * force, 1 + 0.024 * force
    return nx * (1 + kx * ny * ny) * g, ny * (1 + ky * nx * nx) * g


def vers_fenetre(x, y, largeur, hauteur, courbure=0.5, affichage=""):
    """The window pixel a press must hit for the game to read the centre of
    native pixel (x, y): the picture's placement, then the tube's curvature
    undone (the screen bends the window point before placing it)."""
    gx, gy, sx, sy = geometrie_image(largeur, hauteur, affichage)
    cx, cy = gx + (x + 0.5) * sx, gy + (y + 0.5) * sy
    if courbure <= 0:
        return round(cx), round(cy)
    tx, ty = cx / largeur * 2 - 1, cy / hauteur * 2 - 1
    nx, ny = tx, ty
    for _ in range(50):
        dx, dy = _deformer(nx, ny, courbure)
        nx, ny = nx + tx - dx, ny + ty - dy
    return round((nx + 1) / 2 * largeur), round((ny + 1) / 2 * hauteur)


class _MessageClient(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong),
                ("message_type", ctypes.c_ulong), ("format", ctypes.c_int),
                ("l", ctypes.c_long * 5)]


class _Evenement(ctypes.Union):
    _fields_ = [("xclient", _MessageClient), ("pad", ctypes.c_long * 24)]

def _fermer(env):
    """Asks the game's windows to close as a window manager's close button does
    (WM_DELETE_WINDOW): a private X server has no window manager to do it."""
    r = subprocess.run(["xdotool", "search", "--name", "^Tessimora$"], env=env,
                       capture_output=True, text=True, timeout=10)
    x = ctypes.cdll.LoadLibrary("libX11.so.6")
    x.XOpenDisplay.restype = ctypes.c_void_p
    x.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x.XInternAtom.restype = ctypes.c_ulong
    x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    x.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                             ctypes.POINTER(_Evenement)]
    x.XFlush.argtypes = [ctypes.c_void_p]
    x.XCloseDisplay.argtypes = [ctypes.c_void_p]
    d = x.XOpenDisplay(env["DISPLAY"].encode())
    protocoles = x.XInternAtom(d, b"WM_PROTOCOLS", 0)
    supprimer = x.XInternAtom(d, b"WM_DELETE_WINDOW", 0)
    for w in r.stdout.split():
        ev = _Evenement()
        ev.xclient.type = 33  # ClientMessage
        ev.xclient.window = int(w)
        ev.xclient.message_type = protocoles
        ev.xclient.format = 32
        ev.xclient.l[0] = supprimer
        x.XSendEvent(d, int(w), 0, 0, ctypes.byref(ev))
    x.XFlush(d)
    x.XCloseDisplay(d)
    return r.stdout.split()


class ServeurX:
    """A private Xvfb display, so trials never share windows or focus."""

    def __init__(self, largeur=LARGEUR, hauteur=HAUTEUR):
        lecture, ecriture = os.pipe()
        # -displayfd lets the server choose a free display number itself.
        self.processus = subprocess.Popen(
            ["Xvfb", "-displayfd", str(ecriture), "-screen", "0",
             f"{largeur}x{hauteur}x24", "-nolisten", "tcp"],
            pass_fds=(ecriture,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(ecriture)
        with os.fdopen(lecture) as f:
            numero = f.readline().strip()
        if not numero:
            self.processus.kill()
            raise RuntimeError("Xvfb did not start")
        self.display = ":" + numero

    def fermer(self):
        self.processus.terminate()
        try:
            self.processus.wait(5)
        except subprocess.TimeoutExpired:
            self.processus.kill()


class Partie:
    """One run of the game. Lines on standard output are collected as they
    come; `attendre` waits for a pattern with a deadline, never forever."""

    def __init__(self, arguments=(), env=None, config=None, largeur=LARGEUR, hauteur=HAUTEUR,
                 dossier=None):
        self.arguments = list(arguments)
        self.env_en_plus = env or {}
        self.temp = tempfile.mkdtemp(prefix="tessimora-essai-")
        self.config = config or os.path.join(self.temp, "config")
        self.dossier = dossier or self.temp
        self.taille = (largeur, hauteur)
        self.lignes = []
        self._file = queue.Queue()
        self.processus = None
        self.serveur = None

    # -- life -------------------------------------------------------------
    def __enter__(self):
        self.demarrer()
        return self

    def __exit__(self, *_):
        self.arreter()

    def demarrer(self):
        self.serveur = ServeurX(*self.taille)
        env = dict(os.environ)
        env.update({
            "DISPLAY": self.serveur.display,
            "XDG_CONFIG_HOME": self.config,
            "XDG_RUNTIME_DIR": os.path.join(self.temp, "run"),
            "LIBGL_ALWAYS_SOFTWARE": "1",
        })
        os.makedirs(env["XDG_RUNTIME_DIR"], mode=0o700, exist_ok=True)
        env.pop("QT_QPA_PLATFORM", None)
        env.update(self.env_en_plus)
        self.env = env
        self.debut = time.monotonic()
        self.processus = subprocess.Popen(
            [executable()] + self.arguments, cwd=self.dossier, env=env,
            stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True, bufsize=1)
        threading.Thread(target=self._lire, args=(self.processus.stdout, True), daemon=True).start()
        threading.Thread(target=self._lire, args=(self.processus.stderr, False), daemon=True).start()

    def _lire(self, flux, sortie):
        for ligne in flux:
            ligne = ligne.rstrip("\n")
            if sortie:
                self.lignes.append((time.monotonic() - self.debut, ligne))
                self._file.put(ligne)
            else:
                self.erreurs = getattr(self, "erreurs", []) + [ligne]

    def attendre_fin(self, delai=15):
        try:
            return self.processus.wait(delai)
        except subprocess.TimeoutExpired:
            return None

    def arreter(self):
        if self.processus and self.processus.poll() is None:
            self.processus.send_signal(signal.SIGTERM)
            try:
                self.processus.wait(5)
            except subprocess.TimeoutExpired:
                self.processus.kill()
                self.processus.wait(5)
        if self.serveur:
            self.serveur.fermer()
        shutil.rmtree(self.temp, ignore_errors=True)

    def fermer_fenetre(self, delai=15, attendre=True):
        """Closes the window as a player would with the close button, and
        returns the exit code (None when not waiting or still running)."""
        _fermer(self.env)
        return self.attendre_fin(delai) if attendre else None

    # -- following the lines ----------------------------------------------
    def attendre(self, motif, delai=20):
        """The first line matching `motif` (a regular expression) that has
        not been returned yet; raises AssertionError after `delai` seconds."""
        expression = re.compile(motif)
        fin = time.monotonic() + delai
        while True:
            reste = fin - time.monotonic()
            if reste <= 0:
                raise AssertionError(f"no line matching {motif!r} within {delai} s; "
                                     f"seen: {[l for _, l in self.lignes][-20:]}")
            try:
                ligne = self._file.get(timeout=min(reste, 0.2))
            except queue.Empty:
                if self.processus.poll() is not None and self._file.empty():
                    raise AssertionError(f"the game ended ({self.processus.returncode}) "
                                         f"before a line matching {motif!r}")
                continue
            if expression.search(ligne):
                return ligne

    def lignes_de(self, prefixe):
        return [l for _, l in self.lignes if l.startswith(prefixe)]

    # -- input and output ---------------------------------------------------
    def xdotool(self, *arguments):
        subprocess.run(["xdotool"] + list(arguments), env=self.env, check=False,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=10)

    def focaliser(self):
        """Gives the game window the keyboard focus: without a window manager
        nobody else does."""
        self.xdotool("search", "--name", "^Tessimora$", "windowfocus", "--sync")

    def touche(self, nom, maintien=None):
        """Presses a key by its X name ("Return", "Escape", "c", "alt+Return")."""
        self.focaliser()
        if maintien is None:
            self.xdotool("key", nom)
        else:
            self.xdotool("keydown", nom)
            time.sleep(maintien)
            self.xdotool("keyup", nom)

    def repetition_clavier(self, active):
        """Turns the X server's key auto-repeat on or off. A held key repeats
        as release-press pairs, and on a busy machine the toolkit may read the
        release before its press arrives and take it for a real one: a trial
        that holds a key turns repeating off first."""
        x = ctypes.cdll.LoadLibrary("libX11.so.6")
        x.XOpenDisplay.restype = ctypes.c_void_p
        x.XOpenDisplay.argtypes = [ctypes.c_char_p]
        for nom in ("XAutoRepeatOn", "XAutoRepeatOff", "XFlush", "XCloseDisplay"):
            getattr(x, nom).argtypes = [ctypes.c_void_p]
        d = x.XOpenDisplay(self.env["DISPLAY"].encode())
        (x.XAutoRepeatOn if active else x.XAutoRepeatOff)(d)
        x.XFlush(d)
        x.XCloseDisplay(d)

    def clic(self, x, y, bouton=1):
        """Clicks at window pixel (x, y) of the full-screen-sized X screen."""
        self.xdotool("mousemove", str(x), str(y), "click", str(bouton))

    def fenetre(self):
        """(x, y, width, height) of the game window on the X screen."""
        r = subprocess.run(["xdotool", "search", "--name", "^Tessimora$", "getwindowgeometry",
                            "--shell"], env=self.env, capture_output=True, text=True, timeout=10)
        v = dict(l.split("=", 1) for l in r.stdout.split() if "=" in l)
        return int(v["X"]), int(v["Y"]), int(v["WIDTH"]), int(v["HEIGHT"])

    def clic_natif(self, x, y, courbure=0.5, affichage=""):
        """Clicks where the game reads native point (x, y), with the tube's
        curvature and the display mode the game's settings give."""
        fx, fy, l, h = self.fenetre()
        px, py = vers_fenetre(x, y, l, h, courbure, affichage)
        self.clic(fx + px, fy + py)
        return fx + px, fy + py

    def capture(self, chemin):
        """Grabs the whole X screen to a PNG file."""
        subprocess.run(["import", "-window", "root", chemin], env=self.env, check=True,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=20)
        return chemin

    def depenser_encens(self):
        """Burns a stack's incense down through its aids, as a player in a
        hurry would, so that a trial of what follows a burnt-out clock need
        not wait minutes for it: the two MIX aids, then MIXes paid with 15 s
        each until one is refused or the incense is out, then the PEEK (10 s)
        if the clock still runs. Needs --journal-sons and a stage under way;
        returns the seconds of incense so spent (the last MIX may have cost
        less than its 15 s). TIME UP, when it came, is left for the caller:
        see `temps_ecoule`."""
        def reponse(touche, succes):
            self.touche(touche)
            ligne = self.attendre(r"^TESSIMORA_SON \d+ (%s|erreur|voix_time_up)$" % succes, 10)
            return ligne.split()[-1] == succes

        melanges = 0
        while reponse("m", "melange"):
            melanges += 1
            # Each MIX is answered before the next key, so none is lost in the whirl.
            time.sleep(0.1)
        # A stack starts with two MIX aids; every later MIX was paid.
        depense = 15 * max(0, melanges - 2)
        if melanges < 3:
            raise AssertionError(f"only {melanges} MIX before the first refusal")
        if not self.temps_ecoule() and reponse("p", "indice"):
            depense += 10
        return depense

    def temps_ecoule(self):
        """Whether TIME UP has been heard (its line may already be consumed)."""
        return any(l.endswith(" voix_time_up") for l in self.lignes_de("TESSIMORA_SON"))
