#!/usr/bin/env python3
"""Checks of the message catalogues, one per command-line word, each exiting 1
with the list of what is wrong:

    a-jour       en.json's "@sources" and index.json match what the key tool writes
    code         every key the code uses is in the English catalogue
    utilisees    every key of the English catalogue is used somewhere in the code
    outil        the key tool reads keys where the code puts them, and nothing else
    cles         every language has its file, with "@", exactly the English keys, none empty
    parametres   every text keeps the {placeholders} of its English text, no more, no fewer
    caracteres   every text is drawable by the game font
    largeurs     no text is wider than the 384-pixel screen
    glossaire    every language names each game concept with its glossary's word
"""

import json
import os
import re
import sys
from collections import OrderedDict

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "outils", "cles"))
import cles  # noqa: E402

ECRAN = 384
MONTRES = 40  # problems listed per catalogue before the rest are only counted


class Doublon(ValueError):
    pass


def _sans_doublons(paires):
    vus = OrderedDict()
    for cle, valeur in paires:
        if cle in vus:
            raise Doublon("key %r appears twice" % cle)
        vus[cle] = valeur
    return vus


def charger(code):
    """(table, problem): the catalogue of a language, or why it cannot be read."""
    chemin = os.path.join(cles.DOSSIER, code + ".json")
    if not os.path.exists(chemin):
        return None, "no file %s.json" % code
    try:
        with open(chemin, encoding="utf-8") as f:
            table = json.load(f, object_pairs_hook=_sans_doublons)
    except (ValueError, UnicodeDecodeError) as e:
        return None, "%s.json unreadable: %s" % (code, e)
    if not isinstance(table, dict):
        return None, "%s.json is not a JSON object" % code
    return table, None


def tous():
    """Every language of the table with its catalogue or its problem."""
    return [(code,) + charger(code) for code, _, _ in cles.LANGUES]


def anglais():
    table, probleme = charger("en")
    if probleme:
        raise SystemExit(probleme)
    return cles.entrees(table)


def verifier_a_jour():
    return ["%s is stale: run outils/cles/cles.py and commit the result" % p for p in cles.perimes()]


def verifier_code():
    en = anglais()
    return ["key %r used at %s is not in en.json" % (cle, ", ".join(lieux))
            for cle, lieux in sorted(cles.cles_du_code().items()) if cle not in en]


def verifier_utilisees():
    utilisees = cles.cles_du_code()
    return ["key %r of en.json is used nowhere in the code (mark it with T() where a table "
            "holds it, or remove it from every catalogue)" % cle
            for cle in sorted(anglais()) if cle not in utilisees]


def verifier_outil():
    problemes = []

    def attendre(source, attendues, nom="Essai.qml"):
        trouvees = sorted(c for c, _ in cles._proprietes(source)) if nom.endswith(".qml") else []
        for motif, rang in cles._APPELS:
            for m in motif.finditer(source):
                trouvees += [c for c, _ in cles._litteraux(source, m.end(), rang)]
        if sorted(trouvees) != sorted(attendues):
            problemes.append("keys of %r read as %r, not %r" % (source, sorted(trouvees),
                                                                 sorted(attendues)))

    # A title's key, on one line or on its own line, with a choice of two.
    attendre('Grand { y: 4; nom: "ecrans_x"; titre: "HIGH SCORES"; reprise: 2500 }',
             ["HIGH SCORES"])
    attendre('Grand {\n  nom: a ? "x" : "y"\n  titre: a ? "CRT SETTINGS" : "OPTIONS"\n'
             '  reprise: 3500\n}', ["CRT SETTINGS", "OPTIONS"])
    # The same property name outside a title, or in an object nested in one, is no key.
    attendre('var scenes = { mire: "SceneMire.qml", titre: "SceneTitre.qml" }', [])
    attendre('Grand { titre: "PAUSE"; Item { titre: "NOT A KEY" } }', ["PAUSE"])
    # Marked table entries in scripts and C++, calls with a choice, plurals.
    attendre('ready: [T("READY"), 4], x: Commandes.T("NO")', ["READY"])
    attendre('{"ID", T("FIRST LANTERN"), T("CLEAR YOUR FIRST PAIR."), false}',
             ["FIRST LANTERN", "CLEAR YOUR FIRST PAIR."], "x.cpp")
    attendre('Langue.t(libre ? "FREE PLAY" : "1 COIN 1 PLAY", {n: "x"})',
             ["FREE PLAY", "1 COIN 1 PLAY"])
    attendre('Langue.p("{n} PAIR", "{n} PAIRS", n)', ["{n} PAIRS"])
    return problemes


def _vide(valeur):
    if isinstance(valeur, str):
        return not valeur.strip()
    if isinstance(valeur, dict):
        return not any(isinstance(v, str) and v.strip() for v in valeur.values())
    return True


def verifier_cles():
    en = anglais()
    problemes = []
    for code, table, probleme in tous():
        if probleme:
            problemes.append(probleme)
            continue
        if not isinstance(table.get("@"), str) or not table["@"].strip():
            problemes.append("%s: no translators' note \"@\"" % code)
        entrees = cles.entrees(table)
        for cle in en:
            if cle not in entrees:
                problemes.append("%s: missing %r" % (code, cle))
            elif _vide(entrees[cle]):
                problemes.append("%s: empty %r" % (code, cle))
            elif isinstance(entrees[cle], dict) != isinstance(en[cle], dict):
                problemes.append("%s: %r is %s in English" % (
                    code, cle, "a plural entry" if isinstance(en[cle], dict) else "a plain text"))
        for cle in entrees:
            if cle not in en:
                problemes.append("%s: extra key %r" % (code, cle))
    return problemes


def verifier_parametres():
    en = anglais()
    problemes = []
    for code, table, probleme in tous():
        if probleme:
            continue
        for cle, valeur in cles.entrees(table).items():
            if cle not in en:
                continue
            attendus = set()
            for texte in cles.textes(en[cle]) or [cles.anglais_de(cle)]:
                attendus |= cles.parametres(texte)
            for texte in cles.textes(valeur):
                trouves = cles.parametres(texte)
                if trouves != attendus:
                    problemes.append("%s: %r has {%s}, English has {%s}" % (
                        code, texte, ", ".join(sorted(trouves)), ", ".join(sorted(attendus))))
    return problemes


def verifier_caracteres():
    index = json.loads(cles.texte_index())
    glyphes = set("".join(index["cjk"].values()))
    problemes = []
    for code, nom, _ in cles.LANGUES:
        for c in cles.introuvables(nom):
            problemes.append("own name of %s: %r cannot be drawn (U+%04X)" % (code, nom, ord(c)))
    for code, table, probleme in tous():
        if probleme:
            continue
        for cle, valeur in cles.entrees(table).items():
            for texte in cles.textes(valeur):
                for c in cles.introuvables(texte):
                    problemes.append("%s: %r: U+%04X %r is not in the font" % (code, texte, ord(c), c))
                for c in cles.majuscules(cles.sans_parametres(texte)):
                    # A wide character only has an image when some wide-script
                    # catalogue uses it too.
                    if cles.large(c) and c != "\u3000" and c not in glyphes:
                        problemes.append("%s: %r: wide U+%04X %r has no glyph in any subset" % (
                            code, texte, ord(c), c))
    return problemes


def verifier_largeurs():
    problemes = []
    for code, table, probleme in tous():
        if probleme:
            continue
        for cle, valeur in cles.entrees(table).items():
            for texte in cles.textes(valeur):
                largeur = cles.largeur(texte)
                if largeur > ECRAN:
                    problemes.append("%s: %r is %d px wide (screen %d; English %d)" % (
                        code, texte, largeur, ECRAN, cles.largeur(cles.anglais_de(cle))))
    return problemes


GLOSSAIRES = os.path.join(cles.DOSSIER, "glossaire")


def charger_glossaire(code):
    """(glossary, problem) of a language: concept -> its record."""
    chemin = os.path.join(GLOSSAIRES, code + ".json")
    if not os.path.exists(chemin):
        return None, "no glossary glossaire/%s.json" % code
    try:
        with open(chemin, encoding="utf-8") as f:
            table = json.load(f, object_pairs_hook=_sans_doublons)
    except (ValueError, UnicodeDecodeError) as e:
        return None, "glossaire/%s.json unreadable: %s" % (code, e)
    if not isinstance(table, dict):
        return None, "glossaire/%s.json is not a JSON object" % code
    return cles.entrees(table), None


def _motifs(code, nom, liste, problemes):
    """The compiled expressions of a list, reporting the ones that are not."""
    if not isinstance(liste, list) or not liste:
        problemes.append("%s: %s has no forms" % (code, nom))
        return []
    compiles = []
    for m in liste:
        try:
            compiles.append(re.compile(m))
        except (re.error, TypeError) as e:
            problemes.append("%s: %s: bad form %r: %s" % (code, nom, m, e))
    return compiles


def _exceptions(code, nom, sauf, concernees, problemes):
    """The keys a "sauf" record exempts; each must be a key the concept
    concerns, with the reason given."""
    if sauf is None:
        return set()
    if not isinstance(sauf, dict):
        problemes.append("%s: %s: \"sauf\" is not an object" % (code, nom))
        return set()
    for cle, raison in sauf.items():
        if cle not in concernees:
            problemes.append("%s: %s: \"sauf\" names %r, which does not use the concept" % (code, nom, cle))
        if not isinstance(raison, str) or not raison.strip():
            problemes.append("%s: %s: \"sauf\" %r gives no reason" % (code, nom, cle))
    return set(sauf)


def _voisins(code, concepts, concernees, formes, termes, entrees):
    """Concepts one screen shows side by side (UNDO beside BACK and the
    capture's CANCEL on CONTROLS) must not even hold each other's word: the
    one word must not contain the other's, and a text naming one of them and
    not the other must hold none of the other's forms."""
    problemes = []
    for nom, concept in concepts.items():
        voisins = concept.get("voisins", [])
        if not isinstance(voisins, list) or any(v not in concepts for v in voisins):
            problemes.append("%s: %s: \"voisins\" must list concepts" % (code, nom))
            continue
        for autre in voisins:
            if nom in termes and autre in termes and (
                    any(f.search(cles.majuscules(termes[nom])) for f in formes.get(autre, []))
                    or any(f.search(cles.majuscules(termes[autre])) for f in formes.get(nom, []))):
                problemes.append("%s: %s %r and %s %r, shown side by side, hold the same word" % (
                    code, nom, termes[nom], autre, termes[autre]))
            for a, b in ((nom, autre), (autre, nom)):
                if not formes.get(b):
                    continue
                for cle in sorted(concernees.get(a, set()) - concernees.get(b, set())):
                    for texte in cles.textes(entrees.get(cle)):
                        if any(f.search(cles.majuscules(cles.sans_parametres(texte))) for f in formes[b]):
                            problemes.append("%s: %r (%s) names %s with the word of %s %r" % (
                                code, texte, cles.anglais_de(cle), a, b, termes.get(b, "?")))
    return problemes


def verifier_glossaire():
    concepts, probleme = charger_glossaire("en")
    if probleme:
        return [probleme]
    en = anglais()
    problemes = []
    # Which English texts name each concept.
    concernees = {}
    for nom, concept in concepts.items():
        try:
            motif = re.compile(concept["motif"])
        except (KeyError, TypeError, re.error) as e:
            problemes.append("en: %s: bad \"motif\": %s" % (nom, e))
            continue
        touchees = {cle for cle in en if motif.search(cles.anglais_de(cle))}
        if not touchees:
            problemes.append("en: %s: no English text uses it" % nom)
        touchees -= _exceptions("en", nom, concept.get("sauf"), touchees, problemes)
        concernees[nom] = touchees
    for code, table, probleme in tous():
        if code == "en" or probleme:
            continue
        glossaire, probleme = charger_glossaire(code)
        if probleme:
            problemes.append(probleme)
            continue
        for nom in glossaire:
            if nom not in concepts:
                problemes.append("%s: unknown concept %r" % (code, nom))
        formes = {}
        termes = {}
        for nom in concepts:
            entree = glossaire.get(nom)
            if not isinstance(entree, dict):
                problemes.append("%s: no word for %s" % (code, nom))
                continue
            terme = entree.get("terme")
            formes[nom] = _motifs(code, nom, entree.get("formes"), problemes)
            if not isinstance(terme, str) or not terme.strip():
                problemes.append("%s: %s has no \"terme\"" % (code, nom))
                continue
            termes[nom] = terme
            if formes[nom] and not any(f.search(cles.majuscules(terme)) for f in formes[nom]):
                problemes.append("%s: %s: the word %r matches none of its forms" % (code, nom, terme))
        # Two concepts never share a word (UNDO and BACK, EXTRAS and BONUS).
        for nom, terme in termes.items():
            for autre, siennes in formes.items():
                if autre != nom and any(f.fullmatch(cles.majuscules(terme)) for f in siennes):
                    problemes.append("%s: %s and %s share the word %r" % (code, nom, autre, terme))
        entrees = cles.entrees(table)
        problemes += _voisins(code, concepts, concernees, formes, termes, entrees)
        for nom, cles_concept in concernees.items():
            if nom not in formes or not formes[nom]:
                continue
            sauf = _exceptions(code, nom, glossaire[nom].get("sauf"), cles_concept, problemes)
            for cle in sorted(cles_concept - sauf):
                for texte in cles.textes(entrees.get(cle)):
                    affiche = cles.majuscules(cles.sans_parametres(texte))
                    if not any(f.search(affiche) for f in formes[nom]):
                        problemes.append("%s: %r (%s) does not name %s %r" % (
                            code, texte, cles.anglais_de(cle), nom, termes.get(nom, "?")))
    return problemes


VERIFICATIONS = {
    "a-jour": verifier_a_jour,
    "code": verifier_code,
    "utilisees": verifier_utilisees,
    "outil": verifier_outil,
    "cles": verifier_cles,
    "parametres": verifier_parametres,
    "caracteres": verifier_caracteres,
    "largeurs": verifier_largeurs,
    "glossaire": verifier_glossaire,
}


def afficher(problemes):
    par_langue = OrderedDict()
    for p in problemes:
        par_langue.setdefault(p.split(":", 1)[0], []).append(p)
    for liste in par_langue.values():
        for p in liste[:MONTRES]:
            print(p)
        if len(liste) > MONTRES:
            print("... and %d more like it" % (len(liste) - MONTRES))


def main(arguments):
    if len(arguments) != 1 or arguments[0] not in VERIFICATIONS:
        print(__doc__)
        return 2
    problemes = VERIFICATIONS[arguments[0]]()
    afficher(problemes)
    print("%s: %s" % (arguments[0], "%d problem(s)" % len(problemes) if problemes else "ok"))
    return 1 if problemes else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
