#!/usr/bin/env python3
"""qmllint over every QML file of the game and its scene tests.

Runs Qt's qmllint with its unqualified-access check on app/ and tests/qml,
with the game's C++ types described to it (types_qml.py), and compares what
it finds with the findings known today (connus.txt, one "file: message" a
line, without line numbers so that edits elsewhere in a file do not move
them). A finding that is not known fails the check; a known one that is gone
is only reported, for the list to shrink with --mettre-a-jour.

    python3 outils/qmllint/verifier.py [--qmake PATH] [--mettre-a-jour] [--tout]
"""
import argparse
import collections
import pathlib
import re
import subprocess
import sys
import tempfile

import qt
import types_qml

RACINE = pathlib.Path(__file__).resolve().parents[2]
CONNUS = pathlib.Path(__file__).resolve().parent / "connus.txt"
DOSSIERS = ["app", "tests/qml"]

# The host's three context properties are the scenes' documented globals.
GLOBALES = {"tessimoraHote", "tessimoraPlateforme", "tessimoraTele"}

# What qmllint 5.15 cannot know, so reports on all correct code: members of a
# value held by a `var` property or a value type (a JS object, a list, a
# rect), members reached through an alias, a string's methods, and a file's
# inline components (`component Nom: ...`). Those findings are dropped.
VALEURS = {"var", "variant", "int", "real", "double", "bool", "string", "url", "color",
           "date", "point", "size", "rect", "font", "list", "QVariant", "QVariantMap",
           "QVariantList", "QJSValue", "QStringList", "QPointF", "QSizeF", "QRectF",
           "QColor", "QUrl", "QDateTime"}
MEMBRE_DE_VALEUR = re.compile(r'^Type "(?P<t>[^"]+)" of member "(?P<p>[^"]+)" not found$')
PROPRIETE_SANS_TYPE = re.compile(r'^Type of property "(?P<p>[^"]+)" not found$')
METHODE_DE_CHAINE = re.compile(r'^"[^"]+" is a string\. You cannot access "[^"]+" on it$')
NON_TROUVE = re.compile(r"^(?P<t>\w+) was not found\. Did you add all import paths\?$")
EN_LIGNE = re.compile(r"^\s*component\s+(\w+)\s*:", re.MULTILINE)
DECLARATION = re.compile(r"\bproperty\s+(?P<t>[\w.]+(?:<[\w.]+>)?)\s+(?P<p>\w+)")

AVERTISSEMENT = re.compile(r"^(?:warning|error): (.*?)(?: at (\d+):(\d+)\.?)?\s*$",
                           re.IGNORECASE)
SYNTAXE = re.compile(r"^(?P<f>.+?):(?P<l>\d+) : (?P<m>.*)$")
IDENTIFIANT = re.compile(r"[A-Za-z_$][\w$]*")


def fichiers():
    r = []
    for d in DOSSIERS:
        r += [p for p in (RACINE / d).rglob("*") if p.suffix in (".qml", ".js")]
    return sorted(r)


def lisible(f, source):
    """A copy of `source` qmllint can follow: the tests import the game's
    folders from the resources ("qrc:/app/borne"), which on disk are app/'s."""
    texte = source.read_text(encoding="utf-8")
    if "qrc:/app/" not in texte:
        return source
    relatif = source.relative_to(RACINE) if source.is_relative_to(RACINE) else source.name
    copie = pathlib.Path(f) / relatif
    copie.parent.mkdir(parents=True, exist_ok=True)
    copie.write_text(texte.replace('"qrc:/app/', f'"{RACINE}/app/'), encoding="utf-8")
    return copie


def proprietes_opaques(sources, modules):
    """Names of the properties declared with a value type or as an alias, in
    QML or in C++: qmllint cannot follow their members."""
    r = set()
    textes = [s.read_text(encoding="utf-8") for s in sources]
    textes += [t.read_text() for t in pathlib.Path(modules).rglob("*.qmltypes")]
    for texte in textes:
        for m in DECLARATION.finditer(texte):
            if m.group("t").split("<")[0] in VALEURS | {"alias"}:
                r.add(m.group("p"))
        for m in re.finditer(r'Property \{ name: "(\w+)"; type: "([^"]+)"', texte):
            if m.group(2) in VALEURS:
                r.add(m.group(1))
    return r


def aveugle(message, opaques, texte):
    """Whether a finding is one of qmllint 5.15's blind spots; `texte` is the
    file's."""
    m = NON_TROUVE.match(message)
    if m:
        return m.group("t") in EN_LIGNE.findall(texte)
    m = MEMBRE_DE_VALEUR.match(message)
    if m:
        return m.group("t") in VALEURS or m.group("p") in opaques
    m = PROPRIETE_SANS_TYPE.match(message)
    if m:
        return m.group("p") in opaques
    return bool(METHODE_DE_CHAINE.match(message))


def constats(source, sortie, opaques):
    """(message, line) of each finding of qmllint's output for one file."""
    texte = source.read_text(encoding="utf-8")
    lignes = texte.splitlines()
    r, lus = [], 0
    for l in sortie.splitlines():
        m = AVERTISSEMENT.match(l.strip())
        if m:
            lus += 1
            message, ligne, colonne = m.group(1), m.group(2), m.group(3)
            ligne = int(ligne) if ligne else 0
            if message == "unqualified access" and 0 < ligne <= len(lignes):
                # Name the identifier: the position alone would change with edits.
                nom = IDENTIFIANT.match(lignes[ligne - 1], int(colonne) - 1)
                nom = nom.group(0) if nom else "?"
                if nom in GLOBALES:
                    continue
                message = f"unqualified access: {nom}"
            message = message.rstrip(".")
            if not aveugle(message, opaques, texte):
                r.append((message, ligne))
            continue
        m = SYNTAXE.match(l.strip())
        if m:
            lus += 1
            r.append((f"syntax: {m.group('m')}", int(m.group("l"))))
    return r, lus


def examiner(chemins, modules, copies, source, opaques):
    """(message, line) of each finding in one file; `modules` holds the
    described C++ types, `copies` is where readable copies may go."""
    qml = chemins["QT_INSTALL_QML"]
    # QtQuick's own types need QtQml's, which qmllint does not import from
    # QtQuick's dependencies by itself.
    commande = [chemins["qmllint"], "-U", "-I", qml, "-I", str(modules),
                "-I", str(RACINE / "hote" / "qml"),
                "-i", f"{qml}/QtQml/plugins.qmltypes", str(lisible(copies, source))]
    p = subprocess.run(commande, capture_output=True, text=True)
    trouves, lus = constats(source, p.stdout + "\n" + p.stderr, opaques)
    if p.returncode != 0 and not lus:
        trouves = [(f"qmllint failed ({p.returncode})", 0)]
    return trouves


def analyser(chemins):
    """Counter of "file: message" entries, and where each was seen."""
    vus = collections.Counter()
    ou = collections.defaultdict(list)
    with tempfile.TemporaryDirectory() as temp:
        modules = pathlib.Path(temp) / "modules"
        types_qml.ecrire(modules, chemins)
        copies = pathlib.Path(temp) / "copies"
        opaques = proprietes_opaques(fichiers(), modules)
        for source in fichiers():
            nom = source.relative_to(RACINE).as_posix()
            for message, ligne in examiner(chemins, modules, copies, source, opaques):
                cle = f"{nom}: {message}"
                vus[cle] += 1
                ou[cle].append(ligne)
    return vus, ou


def lire_connus():
    if not CONNUS.exists():
        return collections.Counter()
    return collections.Counter(l for l in CONNUS.read_text(encoding="utf-8").splitlines()
                               if l and not l.startswith("#"))


def main():
    p = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    p.add_argument("--qmake", default="qmake")
    p.add_argument("--mettre-a-jour", action="store_true",
                   help="write today's findings as the known ones")
    p.add_argument("--tout", action="store_true", help="print every finding")
    a = p.parse_args()

    vus, ou = analyser(qt.chemins(a.qmake))
    if a.mettre_a_jour:
        entete = ["# qmllint findings known today (outils/qmllint/verifier.py --mettre-a-jour).",
                  "# The check fails on any finding not listed here; fix, do not add."]
        CONNUS.write_text("\n".join(entete + sorted(vus.elements())) + "\n", encoding="utf-8")
        print(f"{sum(vus.values())} findings written to {CONNUS.relative_to(RACINE)}")
        return 0

    connus = lire_connus()
    nouveaux = vus - connus
    partis = connus - vus
    if a.tout:
        for cle in sorted(vus):
            print(f"{cle} (lines {', '.join(map(str, ou[cle]))})")
    for cle in sorted(partis):
        print(f"fixed, drop it from connus.txt: {cle}")
    for cle in sorted(nouveaux):
        print(f"NEW: {cle} (lines {', '.join(map(str, ou[cle]))})")
    if any("was not found" in cle for cle in nouveaux):
        print("A type not found may be a C++ type registered in a way "
              "outils/qmllint/types_qml.py does not read.")
    print(f"qmllint: {len(fichiers())} files, {sum(vus.values())} findings, "
          f"{sum(nouveaux.values())} new, {sum(partis.values())} fixed since the list")
    return 1 if nouveaux else 0


if __name__ == "__main__":
    sys.exit(main())
