#!/usr/bin/env python3
"""Message keys of the game: finds every key the code uses, records where in
the English catalogue ("@sources"), and writes the catalogue index
(app/i18n/index.json: the languages offered and, for each wide-script
language, the wide characters its texts and its own name need as glyphs).

    cles.py               rewrite app/i18n/en.json's "@sources" and app/i18n/index.json
    cles.py --verifier    exit 1 when either file is out of date (nothing written)
    cles.py --largeurs [CODE...]
                          width report: each translated text next to the English one
"""

import json
import os
import re
import sys
from collections import OrderedDict

RACINE = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
DOSSIER = os.path.join(RACINE, "app", "i18n")
ANGLAIS = os.path.join(DOSSIER, "en.json")
INDEX = os.path.join(DOSSIER, "index.json")

# Code, own name, fallback: the same table the game carries.
LANGUES = [
    ("en", "ENGLISH", ""), ("fr", "FRANÇAIS", ""), ("de", "DEUTSCH", ""),
    ("es", "ESPAÑOL", ""), ("es-419", "ESPAÑOL (LATAM)", "es"), ("it", "ITALIANO", ""),
    ("pt", "PORTUGUÊS", ""), ("pt-BR", "PORTUGUÊS (BRASIL)", "pt"), ("nl", "NEDERLANDS", ""),
    ("pl", "POLSKI", ""), ("cs", "ČEŠTINA", ""), ("sk", "SLOVENČINA", ""),
    ("sl", "SLOVENŠČINA", ""), ("hr", "HRVATSKI", ""), ("hu", "MAGYAR", ""),
    ("ro", "ROMÂNĂ", ""), ("bg", "БЪЛГАРСКИ", ""), ("el", "ΕΛΛΗΝΙΚΑ", ""),
    ("da", "DANSK", ""), ("sv", "SVENSKA", ""), ("fi", "SUOMI", ""), ("et", "EESTI", ""),
    ("lv", "LATVIEŠU", ""), ("lt", "LIETUVIŲ", ""), ("mt", "MALTI", ""),
    ("ga", "GAEILGE", ""), ("uk", "УКРАЇНСЬКА", ""), ("ja", "日本語", ""),
    ("ko", "한국어", ""), ("zh-Hans", "简体中文", ""), ("zh-Hant", "繁體中文", ""),
]
NOMS = {code: nom for code, nom, _ in LANGUES}
LARGES = ["ja", "ko", "zh-Hans", "zh-Hant"]

# --- What the pixel font can draw -------------------------------------------

_ETROITS = (
    "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789"
    " -:!.+*/@?,;'\"()[]<>=_#%&$"
    "\u00a9€°«»×…~↑↓←→\u25b6\u23f8¡¿‘“”„‚—·‹›¦"
    "ÆŒÀÂÄÉÈÊËÎÏÔÖÙÛÜŸÇÁÃÅÌÍÑÒÓÕÚÝĀĂĆĈĊČĎĒĔĖĚĜĞĠĤĨĪĬİĴĹŃŇŌŎŐŔŘŚŜŠŤŨŪŬŮŰŴŶŹŻŽĄĘĢĮĶĻŅŖŞŢŲȘȚĐŁØĦĽÞŦĿÐ"
    "ΪΫΓΔΘΛΞΠΣΦΨΩΑΒΕΖΗΙΚΜΝΟΡΤΥΧ"
    "ЀЁЇЍЙБҐДЄЖЗИЛУЦЧШЩЪЫЬЭЮЯАВГЕКМНОПРСТФХЅІЈ"
    "’–‐‑\u00a0\u202f"
    "\ue000\ue001\ue002\ue003\ue004\ue005\ue006\ue007"
)
ETROITS = frozenset(_ETROITS)
assert len(ETROITS) == 262, len(ETROITS)

_LARGES = [(0x1100, 0x11FF), (0x2E80, 0x33FF), (0x3400, 0x4DBF), (0x4E00, 0x9FFF),
           (0xA960, 0xA97F), (0xAC00, 0xD7AF), (0xF900, 0xFAFF), (0xFE30, 0xFE4F),
           (0xFF01, 0xFF60), (0xFFE0, 0xFFE6)]


def large(c):
    o = ord(c)
    return any(bas <= o <= haut for bas, haut in _LARGES)


_TONOS = str.maketrans({"Ά": "Α", "Έ": "Ε", "Ή": "Η", "Ί": "Ι", "Ό": "Ο", "Ύ": "Υ", "Ώ": "Ω",
                        "ΐ": "Ϊ", "ΰ": "Ϋ"})


def majuscules(texte):
    """The capitals the font draws: Greek capitals lose their stress accent."""
    haut = texte.upper()
    if any(0x0386 <= ord(c) <= 0x03B0 for c in haut):
        haut = haut.translate(_TONOS)
    return haut


PARAMETRE = re.compile(r"\{([A-Za-z0-9_]+)\}")


def parametres(texte):
    return set(PARAMETRE.findall(texte))


def sans_parametres(texte):
    return PARAMETRE.sub("", texte)


def unites(texte):
    """UTF-16 code units, as the font walks them."""
    for c in texte:
        if ord(c) > 0xFFFF:
            yield "\ufffd"
            yield "\ufffd"
        else:
            yield c


def introuvables(texte):
    """Characters of a text (placeholders aside) that the font cannot draw."""
    return sorted({c for c in unites(majuscules(sans_parametres(texte)))
                   if c not in ETROITS and not large(c)})


def largeur(texte):
    x = sum(10 if large(c) else 6 for c in unites(majuscules(sans_parametres(texte))))
    return x - 1 if x > 0 else 0


# --- Catalogues --------------------------------------------------------------

def lire_json(chemin):
    with open(chemin, encoding="utf-8") as f:
        return json.load(f, object_pairs_hook=OrderedDict)


def anglais_de(cle):
    return cle.split("|", 1)[1] if "|" in cle else cle


def textes(valeur):
    """The texts of an entry: one text, or each form of a plural entry."""
    if isinstance(valeur, str):
        return [valeur]
    if isinstance(valeur, dict):
        return [v for v in valeur.values() if isinstance(v, str)]
    return []


def entrees(catalogue):
    return OrderedDict((k, v) for k, v in catalogue.items() if not k.startswith("@"))


def catalogues():
    """Every catalogue file present, by code, in table order."""
    trouves = OrderedDict()
    for code, _, _ in LANGUES:
        chemin = os.path.join(DOSSIER, code + ".json")
        if os.path.exists(chemin):
            trouves[code] = chemin
    return trouves


# --- Keys in the code --------------------------------------------------------

# Calls whose argument holds keys, and which argument: every string literal
# in it counts, so that Langue.t(libre ? "FREE PLAY" : "1 COIN 1 PLAY") gives both.
_APPELS = [
    # Langue.t("KEY", ...) in scenes.
    (re.compile(r"\bLangue\s*\.\s*t\s*\("), 0),
    # Langue.p("ONE KEY", "PLURAL KEY", n): the entry lives under the plural key.
    (re.compile(r"\bLangue\s*\.\s*p\s*\("), 1),
    # T("KEY") marks a key in tables that translate later (scripts and C++ alike).
    (re.compile(r"(?<![\w.])T\s*\("), 0),
]
# Scene components whose property takes a key that the component translates
# itself: (component, property). Only a binding written inside that
# component's own block counts, so the same property name elsewhere (a scene
# table, a map of durations) is never read as a key.
_PROPRIETES = [
    ("Grand", "titre"),
]
_OUVRANTS, _FERMANTS = "([{", ")]}"
_SUFFIXES = (".qml", ".js", ".mjs", ".cpp", ".h")
_DOSSIERS = ("app", "noyau", "hote")
_ECHAPPEMENT = re.compile(r"\\(u\{[0-9A-Fa-f]+\}|u[0-9A-Fa-f]{4}|x[0-9A-Fa-f]{2}|.)")


def _litteral(texte):
    def remplacer(m):
        e = m.group(1)
        if e.startswith("u{"):
            return chr(int(e[2:-1], 16))
        if e[0] in "ux" and len(e) > 1:
            return chr(int(e[1:], 16))
        return {"n": "\n", "t": "\t", "r": "\r", "0": "\0"}.get(e, e)
    return _ECHAPPEMENT.sub(remplacer, texte)


def _litteraux(source, debut, rang):
    """(text, offset) of each string literal in argument `rang` of the call
    whose "(" ends just before `debut`."""
    trouves = []
    profondeur, argument, i = 0, 0, debut
    fin = min(len(source), debut + 4000)  # a call never runs this long
    while i < fin and argument <= rang:
        c = source[i]
        if c in "\"'`":
            j = i + 1
            while j < fin and source[j] != c and source[j] != "\n":
                j += 2 if source[j] == "\\" else 1
            if argument == rang and c != "`":
                trouves.append((_litteral(source[i + 1:j]), i))
            i = j + 1
            continue
        if c in _OUVRANTS:
            profondeur += 1
        elif c in _FERMANTS:
            if profondeur == 0:
                break
            profondeur -= 1
        elif c == "," and profondeur == 0:
            argument += 1
        i += 1
    return trouves


def _fin_de_bloc(source, ouvrant):
    """Offset of the "}" closing the block whose "{" is at `ouvrant`."""
    profondeur, i = 0, ouvrant
    while i < len(source):
        c = source[i]
        if c in "\"'`":
            j = i + 1
            while j < len(source) and source[j] != c and source[j] != "\n":
                j += 2 if source[j] == "\\" else 1
            i = j + 1
            continue
        if c == "{":
            profondeur += 1
        elif c == "}":
            profondeur -= 1
            if profondeur == 0:
                return i
        i += 1
    return len(source)


def _litteraux_de_liaison(source, debut):
    """(text, offset) of each string literal of one QML binding starting at
    `debut`: up to the end of its line, a ";" or the block's end."""
    trouves = []
    i = debut
    while i < len(source) and source[i] not in "\n;}":
        c = source[i]
        if c in "\"'":
            j = i + 1
            while j < len(source) and source[j] != c and source[j] != "\n":
                j += 2 if source[j] == "\\" else 1
            trouves.append((_litteral(source[i + 1:j]), i))
            i = j + 1
            continue
        i += 1
    return trouves


def _proprietes(source):
    """Keys bound to the key properties of `_PROPRIETES` in a QML source."""
    trouves = []
    for composant, propriete in _PROPRIETES:
        for m in re.finditer(r"(?<![\w.])%s\s*\{" % composant, source):
            ouvrant = m.end() - 1
            fin = _fin_de_bloc(source, ouvrant)
            # Bindings of the block itself, not of objects nested in it.
            profondeur = 0
            i = ouvrant + 1
            liaison = re.compile(r"(?<![\w.])%s\s*:" % propriete)
            while i < fin:
                c = source[i]
                if c == "{":
                    profondeur += 1
                elif c == "}":
                    profondeur -= 1
                elif profondeur == 0:
                    l = liaison.match(source, i)
                    if l:
                        trouves.extend(_litteraux_de_liaison(source, l.end()))
                        i = l.end()
                        continue
                i += 1
    return trouves


def cles_du_code():
    """Each key the code uses, with the places ("path:line") that use it."""
    lieux = {}
    for dossier in _DOSSIERS:
        base = os.path.join(RACINE, dossier)
        for racine, sous, fichiers in os.walk(base):
            sous[:] = sorted(d for d in sous if not d.startswith("."))
            for nom in sorted(fichiers):
                if not nom.endswith(_SUFFIXES):
                    continue
                chemin = os.path.join(racine, nom)
                try:
                    with open(chemin, encoding="utf-8") as f:
                        source = f.read()
                except (OSError, UnicodeDecodeError):
                    continue
                relatif = os.path.relpath(chemin, RACINE).replace(os.sep, "/")
                trouves = []
                for motif, rang in _APPELS:
                    for m in motif.finditer(source):
                        trouves.extend(_litteraux(source, m.end(), rang))
                if nom.endswith(".qml"):
                    trouves.extend(_proprietes(source))
                for cle, position in trouves:
                    ligne = source.count("\n", 0, position) + 1
                    lieux.setdefault(cle, set()).add((relatif, ligne))
    return {cle: ["%s:%d" % l for l in sorted(ls)] for cle, ls in lieux.items()}


# --- Generated texts ---------------------------------------------------------

def _ecrire(objet):
    return json.dumps(objet, ensure_ascii=False, indent=2) + "\n"


def texte_anglais(utilisees=None):
    """en.json with "@sources" brought up to date; the texts are left alone."""
    en = lire_json(ANGLAIS)
    if utilisees is None:
        utilisees = cles_du_code()
    sortie = OrderedDict()
    sortie["@"] = en.get("@", "")
    sortie["@sources"] = OrderedDict(
        (cle, utilisees[cle]) for cle in sorted(utilisees) if cle in en and not cle.startswith("@"))
    for cle in sorted(entrees(en)):
        sortie[cle] = en[cle]
    return _ecrire(sortie)


def texte_index():
    presents = catalogues()
    disponibles = [code for code, _, _ in LANGUES if code == "en" or code in presents]
    cjk = OrderedDict()
    for code in LARGES:
        vus = set(c for c in majuscules(NOMS[code]) if large(c))
        if code in presents:
            for valeur in entrees(lire_json(presents[code])).values():
                for texte in textes(valeur):
                    vus.update(c for c in majuscules(sans_parametres(texte)) if large(c))
        # The ideographic space advances but draws nothing: it needs no image.
        vus.discard("\u3000")
        cjk[code] = "".join(sorted(vus))
    return _ecrire(OrderedDict([("disponibles", disponibles), ("cjk", cjk)]))


def _lire_texte(chemin):
    try:
        with open(chemin, encoding="utf-8") as f:
            return f.read()
    except OSError:
        return None


def perimes():
    """Generated files that differ from what the tool would write now."""
    a_jour = {ANGLAIS: texte_anglais(), INDEX: texte_index()}
    return [os.path.relpath(chemin, RACINE) for chemin, texte in a_jour.items()
            if _lire_texte(chemin) != texte]


def ecrire():
    utilisees = cles_du_code()
    en = lire_json(ANGLAIS)
    inconnues = sorted(c for c in utilisees if c not in en)
    # Both texts are built before either file is opened for writing.
    anglais, index = texte_anglais(utilisees), texte_index()
    for chemin, texte in ((ANGLAIS, anglais), (INDEX, index)):
        provisoire = chemin + ".tmp"
        with open(provisoire, "w", encoding="utf-8") as f:
            f.write(texte)
        os.replace(provisoire, chemin)
    for cle in inconnues:
        print("key not in en.json: %r used at %s" % (cle, ", ".join(utilisees[cle])), file=sys.stderr)
    index = json.loads(index)
    print("%d keys used in the code, %d in en.json; index: %d languages, %s" % (
        len(utilisees), len(entrees(en)), len(index["disponibles"]),
        ", ".join("%s %d" % (c, len(t)) for c, t in index["cjk"].items())))
    return 1 if inconnues else 0


def rapport_largeurs(codes):
    en = entrees(lire_json(ANGLAIS))
    presents = catalogues()
    for code in codes or [c for c in presents if c != "en"]:
        if code not in presents:
            print("%s: no catalogue" % code)
            continue
        table = entrees(lire_json(presents[code]))
        lignes = []
        for cle, anglais in en.items():
            for texte in textes(table.get(cle, "")):
                lignes.append((largeur(texte), largeur(anglais), cle, texte))
        lignes.sort(key=lambda l: (-l[0], l[2]))
        print("== %s (widest first; px without placeholders, English in brackets)" % code)
        for lt, la, cle, texte in lignes:
            signe = "!!" if lt > 384 else "  "
            print("%s %4d [%4d]  %s  <=  %s" % (signe, lt, la, texte, anglais_de(cle)))


def main(arguments):
    if arguments[:1] == ["--verifier"]:
        vieux = perimes()
        for chemin in vieux:
            print("%s is out of date: run outils/cles/cles.py" % chemin)
        return 1 if vieux else 0
    if arguments[:1] == ["--largeurs"]:
        rapport_largeurs(arguments[1:])
        return 0
    if arguments:
        print(__doc__)
        return 2
    return ecrire()


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
