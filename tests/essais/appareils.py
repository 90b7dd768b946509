"""The devices of the random play: a keyboard and a mouse through the X
server's XTEST extension, and the four gamepads of a test build through their
named pipe (TESSIMORA_MANETTES), with the keys and buttons of each action."""

import ctypes
import os

# Keys by X name for each action: the default keyboard with its AZERTY and
# QWERTY spares, the two-player duel's left hand, the remotes' keys.
CLAVIER = {
    "gauche": ["Left", "q", "a"], "droite": ["Right", "d"], "haut": ["Up", "z", "w"],
    "bas": ["Down", "s"], "ok": ["Return", "KP_Enter", "space"], "retour": ["Escape", "BackSpace"],
    "hint": ["h", "1", "ampersand"], "mix": ["m", "2", "eacute"],
    "undo": ["u", "3", "quotedbl"], "peek": ["p", "4", "apostrophe"],
    "piece": ["5", "parenleft", "Insert"], "start": ["F1", "Pause"],
    "glisseG": ["comma", "bracketleft", "less", "Prior"],
    "glisseD": ["semicolon", "bracketright", "period", "greater", "Next"],
}
DUEL1 = {"gauche": ["q", "a"], "droite": ["d"], "haut": ["z", "w"], "bas": ["s"], "ok": ["f"],
         "retour": ["g"], "hint": ["h"], "mix": ["m"], "undo": ["r"], "peek": ["t"]}
TELECOMMANDE = {
    "ok": ["Select"], "retour": ["XF86Back"], "hint": ["XF86Red"], "mix": ["XF86Green"],
    "undo": ["XF86Yellow"], "peek": ["XF86Blue"], "piece": ["XF86Info"],
    "start": ["XF86AudioPlay", "XF86AudioPause", "Menu"],
    "glisseG": ["XF86AudioRewind", "XF86AudioPrev"], "glisseD": ["XF86AudioForward", "XF86AudioNext"],
}
SANS_ACTION = ["Tab", "Home", "End", "Delete", "F5", "x", "y", "k", "0", "9", "XF86AudioStop",
               "Super_L", "F12", "KP_5", "minus"]
BOUTONS = {"ok": 0, "retour": 1, "hint": 2, "mix": 3, "undo": 4, "peek": 5, "glisseG": 6,
           "glisseD": 7, "piece": 8, "start": 9, "haut": 12, "bas": 13, "droite": 14, "gauche": 15}
AXES = {"gauche": (0, -1), "droite": (0, 1), "haut": (1, -1), "bas": (1, 1)}
ACTIONS = list(BOUTONS)


class Clavier:
    """Keys and the pointer through the XTEST extension, as a keyboard and a
    mouse plugged into the private X server would send them."""

    def __init__(self, display):
        x = self.x = ctypes.cdll.LoadLibrary("libX11.so.6")
        t = self.t = ctypes.cdll.LoadLibrary("libXtst.so.6")
        x.XOpenDisplay.restype = ctypes.c_void_p
        x.XOpenDisplay.argtypes = [ctypes.c_char_p]
        x.XStringToKeysym.restype = ctypes.c_ulong
        x.XStringToKeysym.argtypes = [ctypes.c_char_p]
        x.XDisplayKeycodes.argtypes = [ctypes.c_void_p, ctypes.POINTER(ctypes.c_int),
                                       ctypes.POINTER(ctypes.c_int)]
        x.XGetKeyboardMapping.restype = ctypes.POINTER(ctypes.c_ulong)
        x.XGetKeyboardMapping.argtypes = [ctypes.c_void_p, ctypes.c_ubyte, ctypes.c_int,
                                          ctypes.POINTER(ctypes.c_int)]
        x.XChangeKeyboardMapping.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int,
                                             ctypes.POINTER(ctypes.c_ulong), ctypes.c_int]
        x.XFree.argtypes = [ctypes.c_void_p]
        for nom in ("XFlush", "XCloseDisplay"):
            getattr(x, nom).argtypes = [ctypes.c_void_p]
        x.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
        t.XTestFakeKeyEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]
        t.XTestFakeButtonEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int,
                                           ctypes.c_ulong]
        t.XTestFakeMotionEvent.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int,
                                           ctypes.c_int, ctypes.c_ulong]
        self.d = x.XOpenDisplay(display.encode())
        if not self.d:
            raise RuntimeError("cannot open " + display)
        self.touches = {}
        self._carte()

    def _carte(self):
        """Key codes and shift level of every key the stream uses; a key the
        server's keyboard lacks is put on a free key code, as xdotool does."""
        bas, haut = ctypes.c_int(), ctypes.c_int()
        self.x.XDisplayKeycodes(self.d, ctypes.byref(bas), ctypes.byref(haut))
        n = haut.value - bas.value + 1
        par = ctypes.c_int()
        table = self.x.XGetKeyboardMapping(self.d, bas.value, n, ctypes.byref(par))
        connus, libres = {}, []
        for i in range(n):
            syms = [table[i * par.value + j] for j in range(par.value)]
            if not any(syms):
                libres.append(bas.value + i)
            for niveau, s in enumerate(syms[:2]):
                connus.setdefault(s, (bas.value + i, niveau == 1))
        self.x.XFree(table)
        noms = {n for table in (CLAVIER, DUEL1, TELECOMMANDE) for l in table.values() for n in l}
        noms |= set(SANS_ACTION) | {"c", "F11", "Alt_L", "Control_L", "Shift_L"}
        for nom in sorted(noms):
            s = self.x.XStringToKeysym(nom.encode())
            if not s:
                continue
            if s not in connus and libres:
                code = libres.pop()
                self.x.XChangeKeyboardMapping(self.d, code, 1, (ctypes.c_ulong * 1)(s), 1)
                connus[s] = (code, False)
            if s in connus:
                self.touches[nom] = connus[s]
        self.x.XSync(self.d, 0)

    def touche(self, nom, bas):
        code, maj = self.touches.get(nom, (0, False))
        if not code:
            return
        if maj and bas:
            self.t.XTestFakeKeyEvent(self.d, self.touches["Shift_L"][0], 1, 0)
        self.t.XTestFakeKeyEvent(self.d, code, 1 if bas else 0, 0)
        if maj and not bas:
            self.t.XTestFakeKeyEvent(self.d, self.touches["Shift_L"][0], 0, 0)
        self.x.XFlush(self.d)

    def bouton(self, numero, bas):
        self.t.XTestFakeButtonEvent(self.d, numero, 1 if bas else 0, 0)
        self.x.XFlush(self.d)

    def aller(self, x, y):
        self.t.XTestFakeMotionEvent(self.d, 0, int(x), int(y), 0)
        self.x.XFlush(self.d)

    def fermer(self):
        self.x.XCloseDisplay(self.d)


class Tube:
    """The four trial gamepads of a test build (TESSIMORA_MANETTES)."""

    def __init__(self, chemin):
        os.mkfifo(chemin)
        # Read and write, so the open never waits for the game.
        self.fd = os.open(chemin, os.O_RDWR | os.O_NONBLOCK)

    def ecrire(self, ligne):
        try:
            os.write(self.fd, (ligne + "\n").encode())
        except BlockingIOError:
            pass  # the game is not reading: that input is lost, like a key on a hung window

    def fermer(self):
        os.close(self.fd)
