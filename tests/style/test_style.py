#!/usr/bin/env python3
"""The source checks find what they are for and nothing else: a misspelt
member of a C++ type, a name reached from the wrong scope, a file that is not
formatted; not what qmllint 5.15 cannot see, nor a file still waiting.

TESSIMORA_QMAKE and TESSIMORA_CLANG_FORMAT name the tools (ctest sets them)."""
import importlib.machinery
import importlib.util
import os
import pathlib
import sys
import tempfile
import unittest

RACINE = pathlib.Path(__file__).resolve().parents[2]
sys.path.insert(0, str(RACINE / "outils" / "qmllint"))
import qt  # noqa: E402
import types_qml  # noqa: E402
import verifier  # noqa: E402


def charger_formater():
    chargeur = importlib.machinery.SourceFileLoader("formater", str(RACINE / "outils/formater"))
    spec = importlib.util.spec_from_loader("formater", chargeur)
    module = importlib.util.module_from_spec(spec)
    chargeur.exec_module(module)
    return module


class Qmllint(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.temp = tempfile.TemporaryDirectory()
        cls.dossier = pathlib.Path(cls.temp.name)
        cls.chemins = qt.chemins(os.environ.get("TESSIMORA_QMAKE", "qmake"))
        cls.modules = cls.dossier / "modules"
        types_qml.ecrire(cls.modules, cls.chemins)

    @classmethod
    def tearDownClass(cls):
        cls.temp.cleanup()

    def constats(self, texte):
        source = self.dossier / "Essai.qml"
        source.write_text(texte)
        opaques = verifier.proprietes_opaques([source], self.modules)
        return [m for m, _ in verifier.examiner(self.chemins, self.modules,
                                                 self.dossier / "copies", source, opaques)]

    def test_membres_des_types_du_jeu(self):
        # A singleton's method, a face's property, an enum of a gadget.
        self.assertEqual(self.constats(
            'import QtQuick 2.15\nimport Tessimora 1.0\n'
            'Item {\n    Partie { id: p }\n'
            '    property string a: Langue.t("YES") + p.score + FinPile.Continue\n}\n'), [])
        self.assertEqual(self.constats(
            'import QtQuick 2.15\nimport Tessimora 1.0\n'
            'Item {\n    Partie { id: p }\n'
            '    property string a: Langue.tt("YES") + p.scoree\n}\n'),
            ['Property "tt" not found on type "Langue"',
             'Property "scoree" not found on type "Partie"'])

    def test_noms_non_qualifies(self):
        # The name is given, not its place, and the host's globals are known.
        self.assertEqual(self.constats(
            'import QtQuick 2.15\nItem {\n    id: racine\n    property int h: 2\n'
            '    property string hote: tessimoraHote\n'
            '    Item { width: h; height: racine.h }\n}\n'),
            ["unqualified access: h"])

    def test_angles_morts_de_qmllint(self):
        self.assertEqual(self.constats(
            'import QtQuick 2.15\nItem {\n    id: r\n    property var v: ({ a: { b: 1 } })\n'
            '    property string s: "x"\n    property alias w: r.width\n'
            '    property int n: r.v.a.b + r.s.toUpperCase().length\n'
            '    component Morceau: Item {}\n    Morceau {}\n}\n'), [])

    def test_dossiers_du_jeu_par_les_ressources(self):
        self.assertEqual(self.constats(
            'import QtQuick 2.15\nimport "qrc:/app/ecran"\n'
            'Item {\n    Texte { texte: "x" }\n}\n'), [])
        self.assertEqual(self.constats(
            'import QtQuick 2.15\nimport "qrc:/app/ecran"\nItem {\n    Textee {}\n}\n'),
            ["Textee was not found. Did you add all import paths?"])

    def test_enregistrements_sur_plusieurs_lignes(self):
        f = self.dossier / "faces.cpp"
        f.write_text('qmlRegisterSingletonType<AQml>(\n    "Tessimora", 1, 0, "A",\n'
                     '    [](QQmlEngine*, QJSEngine*) -> QObject* { return new AQml; });\n'
                     'qmlRegisterUncreatableMetaObject(ns::B::staticMetaObject, "Tessimora", 1,'
                     ' 0,\n                                 "B", QStringLiteral("b"));\n')
        self.assertEqual(types_qml.enregistrements([f]),
                         [("Tessimora", "1.0", "A", "AQml", "singleton"),
                          ("Tessimora", "1.0", "B", "B", "increable")])


class Format(unittest.TestCase):
    def test_nouveau_fichier_et_liste_d_attente(self):
        formater = charger_formater()
        cf = formater.outil(os.environ.get("TESSIMORA_CLANG_FORMAT"))
        # Outside the tree: in it, the check of the tree running alongside would see them.
        with tempfile.TemporaryDirectory() as temp:
            d = pathlib.Path(temp)
            (d / "bon.cpp").write_text("int f() {\n    return 1;\n}\n")
            (d / "mauvais.cpp").write_text("int  f( ){return 1;}\n")
            (d / "attend.cpp").write_text("int  g( ){return 2;}\n")
            (d / "fait.cpp").write_text("int g() {\n    return 2;\n}\n")
            noms = {p.name: str(p) for p in d.iterdir()}
            tous = sorted(noms.values())
            mauvais, faits = formater.verifier(cf, tous, [noms["attend.cpp"], noms["fait.cpp"]])
            self.assertEqual(mauvais, [noms["mauvais.cpp"]])
            self.assertEqual(faits, [noms["fait.cpp"]])
            formater.formater(cf, [noms["mauvais.cpp"]])
            self.assertEqual(formater.verifier(cf, tous, [noms["attend.cpp"]]), ([], []))


if __name__ == "__main__":
    unittest.main()
