#!/usr/bin/env python3
"""Describes the game's C++ QML types to qmllint.

The faces are registered at run time (qmlRegisterType and its kin in each
area's qml/ folder), so qmllint cannot see them. This reads the registration
calls from the sources, asks moc for the meta-objects of the classes they
name (properties, methods, signals, enums) and writes, for each module, the
folder qmllint imports: `<sortie>/<Module>/qmldir` and `plugins.qmltypes`.

    python3 outils/qmllint/types_qml.py --qmake /usr/lib/qt5/bin/qmake --sortie DIR
"""
import argparse
import json
import pathlib
import re
import subprocess
import sys
import tempfile

import qt

RACINE = pathlib.Path(__file__).resolve().parents[2]

# Where classes and their registrations are: every face folder, the one
# registration function, and the scene tests' runner (module "Essais").
DOSSIERS = ["noyau", "hote"]
FICHIERS_EN_PLUS = ["tests/qml/principal.cpp"]

# qmlRegisterType<C>("Uri", 1, 0, "Nom") and qmlRegisterSingletonType<C>(...)
ENREGISTREMENT = re.compile(
    r'qmlRegister(Type|SingletonType|UncreatableType)\s*<\s*([\w:]+)\s*>\s*\(\s*'
    r'"([\w.]+)"\s*,\s*(\d+)\s*,\s*(\d+)\s*,\s*"(\w+)"')
# qmlRegisterUncreatableMetaObject(C::staticMetaObject, "Uri", 1, 0, "Nom", ...)
META_OBJET = re.compile(
    r'qmlRegisterUncreatableMetaObject\s*\(\s*([\w:]+)::staticMetaObject\s*,\s*'
    r'"([\w.]+)"\s*,\s*(\d+)\s*,\s*(\d+)\s*,\s*"(\w+)"')

# moc's type names as qmltypes files spell them.
TYPES = {"QString": "string", "qreal": "double", "float": "double", "uint": "int",
         "qint64": "int", "quint64": "int", "qint32": "int", "quint32": "int",
         "QList<QObject*>": "QObject", "QStringList": "QStringList"}


# Qt bases of our faces that no module of Qt's own describes to qmllint.
BASES_QT = [
    '    Component { name: "QAbstractItemModel"; prototype: "QObject" }',
    '    Component { name: "QAbstractListModel"; prototype: "QAbstractItemModel" }',
]


def sources():
    vus = []
    for d in DOSSIERS:
        vus += sorted((RACINE / d).rglob("*.cpp")) + sorted((RACINE / d).rglob("*.h"))
    vus += [RACINE / f for f in FICHIERS_EN_PLUS if (RACINE / f).exists()]
    return vus


def enregistrements(fichiers):
    """(uri, version, nom, classe, sorte) of every registration call."""
    r = []
    for f in fichiers:
        if f.suffix != ".cpp":
            continue
        texte = f.read_text(encoding="utf-8")
        for m in ENREGISTREMENT.finditer(texte):
            sorte = {"Type": "type", "SingletonType": "singleton",
                     "UncreatableType": "increable"}[m.group(1)]
            r.append((m.group(3), f"{m.group(4)}.{m.group(5)}", m.group(6),
                      m.group(2).split("::")[-1], sorte))
        for m in META_OBJET.finditer(texte):
            r.append((m.group(2), f"{m.group(3)}.{m.group(4)}", m.group(5),
                      m.group(1).split("::")[-1], "increable"))
    return r


def classes(chemins, fichiers):
    """Every QObject and gadget of the files, by class name, as moc sees them."""
    r = {}
    entetes = chemins["QT_INSTALL_HEADERS"]
    inclure = ["-I", str(RACINE / "noyau"), "-I", entetes]
    for module in ("QtCore", "QtGui", "QtQml", "QtQuick"):
        inclure += ["-I", f"{entetes}/{module}"]
    with tempfile.TemporaryDirectory() as temp:
        for i, f in enumerate(fichiers):
            texte = f.read_text(encoding="utf-8", errors="replace")
            if not re.search(r"\bQ_(OBJECT|GADGET|NAMESPACE)\b", texte):
                continue
            sortie = pathlib.Path(temp) / f"moc_{i}.cpp"
            p = subprocess.run([chemins["moc"], "--output-json", *inclure,
                                "-o", str(sortie), str(f)],
                               capture_output=True, text=True)
            json_ = sortie.with_name(sortie.name + ".json")
            if p.returncode != 0 or not json_.exists():
                sys.exit(f"moc failed on {f}: {p.stderr.strip()}")
            for c in json.loads(json_.read_text()).get("classes", []):
                r[c["className"]] = c
    return r


def type_qml(t):
    """(type, is a pointer) of a moc type name."""
    t = t.replace("const ", "").replace("&", "").strip()
    pointeur = t.endswith("*")
    t = t.rstrip("*").strip()
    return TYPES.get(t, t), pointeur


def citer(s):
    return json.dumps(s)


def decrire_parametres(lignes, arguments, retrait):
    for a in arguments:
        t, p = type_qml(a.get("type", "QVariant"))
        nom = a.get("name") or "_"
        champs = [f"name: {citer(nom)}", f"type: {citer(t)}"]
        if p:
            champs.append("isPointer: true")
        lignes.append(f"{retrait}Parameter {{ {'; '.join(champs)} }}")


def decrire(c, exports):
    """The qmltypes Component of one class, exported under `exports`."""
    l = ["    Component {", f"        name: {citer(c['className'])}"]
    bases = [b["name"].split("::")[-1] for b in c.get("superClasses", [])]
    if bases:
        l.append(f"        prototype: {citer(bases[0])}")
    if exports:
        noms = [f"{uri}/{nom} {version}" for uri, version, nom, _ in exports]
        l.append(f"        exports: [{', '.join(citer(n) for n in noms)}]")
        l.append(f"        exportMetaObjectRevisions: [{', '.join('0' for _ in noms)}]")
        sortes = {s for *_, s in exports}
        if "singleton" in sortes:
            l.append("        isSingleton: true")
        if sortes & {"singleton", "increable"} or not c.get("object"):
            l.append("        isCreatable: false")
    for e in c.get("enums", []):
        valeurs = ", ".join(f"{citer(v)}: {i}" for i, v in enumerate(e.get("values", [])))
        l.append(f"        Enum {{ name: {citer(e['name'])}; values: {{ {valeurs} }} }}")
    for p in c.get("properties", []):
        t, pointeur = type_qml(p["type"])
        champs = [f"name: {citer(p['name'])}", f"type: {citer(t)}"]
        if not p.get("write") and not p.get("member"):
            champs.append("isReadonly: true")
        if pointeur:
            champs.append("isPointer: true")
        l.append(f"        Property {{ {'; '.join(champs)} }}")
    for genre, cle in (("Signal", "signals"), ("Method", "slots"), ("Method", "methods")):
        for m in c.get(cle, []):
            if m.get("access", "public") != "public":
                continue
            tete = f"        {genre} {{ name: {citer(m['name'])}"
            retour = m.get("returnType", "void")
            if genre == "Method" and retour != "void":
                t, _ = type_qml(retour)
                tete += f"; type: {citer(t)}"
            if not m.get("arguments"):
                l.append(tete + " }")
                continue
            l.append(tete)
            decrire_parametres(l, m["arguments"], "            ")
            l.append("        }")
    l.append("    }")
    return l


def ecrire(sortie, chemins):
    """Writes every module's folder under `sortie`; returns the modules' names."""
    fichiers = sources()
    regs = enregistrements(fichiers)
    connues = classes(chemins, fichiers)
    manquantes = sorted({cl for *_, cl, _ in regs if cl not in connues})
    if manquantes:
        sys.exit("registered classes moc did not find: " + ", ".join(manquantes))
    modules = {}
    for uri, version, nom, classe, sorte in regs:
        modules.setdefault(uri, {}).setdefault(classe, []).append((uri, version, nom, sorte))
    for uri, exportees in modules.items():
        # A module describes its exported classes and every class of ours they
        # derive from, so that inherited members resolve.
        a_decrire, file = [], list(exportees)
        while file:
            cl = file.pop(0)
            if cl in a_decrire or cl not in connues:
                continue
            a_decrire.append(cl)
            file += [b["name"].split("::")[-1] for b in connues[cl].get("superClasses", [])]
        lignes = ["import QtQuick.tooling 1.2", "",
                  "// Written by outils/qmllint/types_qml.py for qmllint; not used at run time.",
                  "Module {", '    dependencies: ["QtQuick 2.0"]']
        for cl in sorted(a_decrire):
            lignes += decrire(connues[cl], exportees.get(cl, []))
        lignes += BASES_QT
        lignes.append("}")
        dossier = pathlib.Path(sortie) / uri.replace(".", "/")
        dossier.mkdir(parents=True, exist_ok=True)
        (dossier / "plugins.qmltypes").write_text("\n".join(lignes) + "\n")
        # qmllint reads a module's typeinfo only when its qmldir names a plugin.
        (dossier / "qmldir").write_text(
            f"module {uri}\nplugin {uri.lower().replace('.', '_')}\ntypeinfo plugins.qmltypes\n")
    return sorted(modules)


def main():
    p = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    p.add_argument("--qmake", default="qmake")
    p.add_argument("--sortie", required=True)
    a = p.parse_args()
    for uri in ecrire(a.sortie, qt.chemins(a.qmake)):
        print(uri)


if __name__ == "__main__":
    main()
