#!/usr/bin/env python3
"""Checks of the wide glyphs' 9 x 9 maps, one per command-line word, each
exiting 1 with the list of what is wrong:

    script   larges.py on a small font and index: a drawing wins over the
             font, a simplified radical is composed, and a missing shape or
             a malformed drawing stops it instead of being passed over
    depot    the committed maps: each lists exactly its language's wide
             characters, as 9 rows of 9 '#'/'.', from a known source, and
             each drawn character has its drawing
"""

import json
import os
import subprocess
import sys
import tempfile

RACINE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")
LARGES = os.path.join(RACINE, "atelier", "police", "larges")
SCRIPT = os.path.join(RACINE, "atelier", "police", "larges.py")
LANGUES = ("ja", "ko", "zh-Hans", "zh-Hant")

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(SCRIPT))
import larges  # noqa: E402

CROIX = ["#.......#", ".#.....#.", "..#...#..", "...#.#...", "....#....",
         "...#.#...", "..#...#..", ".#.....#.", "#.......#"]
CADRE = ["#########"] + ["#.......#"] * 7 + ["#########"]
# Galmuri9's 設 has its radical in columns 0-2 and the right part from column 4.
SET = ["###.####.", "....#..#.", "###.#..##", "........."] + ["###.#####", "#.#.#...#"] * 2 + ["###.#####"]


def bdf(glyphes):
    """A font file of 9 x 9 glyphs, each row left-aligned in 16 bits."""
    texte = "STARTFONT 2.1\n"
    for c, rangs in glyphes.items():
        texte += "STARTCHAR u%04X\nENCODING %d\nBBX 9 9 0 0\nBITMAP\n" % (ord(c), ord(c))
        texte += "".join("%04X\n" % (int(r.replace("#", "1").replace(".", "0"), 2) << 7) for r in rangs)
        texte += "ENDCHAR\n"
    return texte + "ENDFONT\n"


def bloc(c, rangs, commentaire="# a test shape"):
    return "\n".join([commentaire, c] + rangs) + "\n\n"


def lancer(dossier, dessins, cjk):
    """Runs larges.py on Galmuri-like glyphs for 東 and 設: (exit code, output, maps)."""
    with open(os.path.join(dossier, "police.bdf"), "w", encoding="utf-8") as f:
        f.write(bdf({"東": CADRE, "設": SET}))
    with open(os.path.join(dossier, "index.json"), "w", encoding="utf-8") as f:
        json.dump({"cjk": dict({l: "" for l in LANGUES}, **cjk)}, f)
    sortie = os.path.join(dossier, "larges")
    os.makedirs(sortie, exist_ok=True)
    with open(os.path.join(sortie, "dessins.txt"), "w", encoding="utf-8") as f:
        f.write(dessins)
    for l in LANGUES:
        if os.path.exists(os.path.join(sortie, l + ".txt")):
            os.remove(os.path.join(sortie, l + ".txt"))
    r = subprocess.run([sys.executable, SCRIPT, os.path.join(dossier, "police.bdf"),
                        os.path.join(dossier, "index.json"), sortie],
                       capture_output=True, text=True)
    return r.returncode, r.stdout + r.stderr, {l: lire_carte(os.path.join(sortie, l + ".txt"))
                                               for l in LANGUES
                                               if os.path.exists(os.path.join(sortie, l + ".txt"))}


def lire_carte(chemin):
    """character -> (origin, rows) of a written language map."""
    with open(chemin, encoding="utf-8") as f:
        lignes = f.read().split("\n")
    return {lignes[i + 1]: (lignes[i].split(" ", 2)[2], lignes[i + 2:i + 11])
            for i in range(len(lignes)) if lignes[i].startswith("# U+")}


def verifier_script():
    problemes = []
    with tempfile.TemporaryDirectory() as dossier:
        code, texte, cartes = lancer(dossier, bloc("東", CROIX) + bloc("东", CROIX[::-1]),
                                     {"ja": "東", "zh-Hans": "东设", "zh-Hant": "東"})
        if code != 0:
            problemes.append("a complete run failed: " + texte)
        else:
            if cartes["ja"].get("東") != ("drawn", CROIX):
                problemes.append("a drawing does not take the place of the font's glyph")
            if cartes["zh-Hans"].get("东") != ("drawn", CROIX[::-1]):
                problemes.append("a drawn character is not written as drawn")
            attendu = [larges.RADICAUX["讠"][j] + SET[j][3:] for j in range(9)]
            if cartes["zh-Hans"].get("设", (None, None))[1] != attendu:
                problemes.append("设 is not the simplified radical beside 設's right part")
        code, texte, _ = lancer(dossier, "", {"zh-Hans": "卡"})
        if code == 0 or "U+5361" not in texte:
            problemes.append("a character with no shape anywhere did not stop the script")
        mauvais = {
            "a drawing of 8 rows": bloc("东", CROIX[:8]),
            "a row of 10 columns": bloc("东", CROIX[:8] + ["#........#"]),
            "a row of other marks": bloc("东", CROIX[:8] + ["#...x...#"]),
            "a block without its character": "# a test shape\n" + "\n".join(CROIX) + "\n",
            "a character drawn twice": bloc("东", CROIX) + bloc("东", CADRE),
        }
        for quoi, dessins in mauvais.items():
            code, texte, cartes = lancer(dossier, dessins, {"zh-Hans": "东"})
            if code == 0 or "dessins.txt" not in texte or cartes:
                problemes.append("%s was passed over instead of stopping the script" % quoi)
    return problemes


def verifier_depot():
    problemes = []
    with open(os.path.join(RACINE, "app", "i18n", "index.json"), encoding="utf-8") as f:
        cjk = json.load(f)["cjk"]
    dessins = larges.lire_dessins(os.path.join(LARGES, "dessins.txt"))
    for l in LANGUES:
        cartes = lire_carte(os.path.join(LARGES, l + ".txt"))
        if sorted(cartes) != sorted(cjk[l]):
            problemes.append("%s: the map does not list the index's wide characters; run larges.py" % l)
        for c, (origine, rangs) in sorted(cartes.items()):
            if origine not in ("drawn", "Galmuri9") and not origine.startswith("radical "):
                problemes.append("%s: %s comes from %r, not a source of larges.py" % (l, c, origine))
            if len(rangs) != 9 or any(len(r) != 9 or set(r) - set("#.") for r in rangs):
                problemes.append("%s: %s is not 9 rows of 9 '#'/'.'" % (l, c))
            if ord(c) in dessins and (origine, rangs) != ("drawn", dessins[ord(c)]):
                problemes.append("%s: %s differs from its drawing; run larges.py" % (l, c))
    return problemes


VERIFICATIONS = {"script": verifier_script, "depot": verifier_depot}


def main(arguments):
    if len(arguments) != 1 or arguments[0] not in VERIFICATIONS:
        print(__doc__)
        return 2
    problemes = VERIFICATIONS[arguments[0]]()
    for p in problemes:
        print(p)
    print("%s: %s" % (arguments[0], "%d problem(s)" % len(problemes) if problemes else "ok"))
    return 1 if problemes else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
