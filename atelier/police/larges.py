#!/usr/bin/env python3
"""Writes the 9 x 9 maps of the wide glyphs, one text file per wide-script
language (larges/<language>.txt), for the characters the catalogue index
lists for it.

    larges.py <Galmuri9.bdf> <index.json> <larges folder>

Shapes come, in order of preference, from:
  - larges/dessins.txt, maps drawn by hand for this game;
  - Galmuri9 (OFL, npm package "galmuri", dist/Galmuri9.bdf), whose glyphs
    are native 9 x 9 pixel art;
  - for Simplified Chinese characters Galmuri9 lacks, the simplified left
    radical drawn here (RADICAUX) beside the right part of Galmuri9's
    traditional character (COMPOSES).
A character found in none of them stops the script: draw it in dessins.txt.
The workshop then paints the maps in every style:
    cmake --build <build> --target glyphes_larges
"""

import json
import os
import sys


def lire_bdf(chemin):
    """code point -> 9 rows of 9 '#'/'.', for the glyphs that fit 9 x 9."""
    glyphes = {}
    code, bbx, rangs, dans = None, None, [], False
    with open(chemin, encoding="utf-8", errors="replace") as f:
        for ligne in f:
            mots = ligne.split()
            if not mots:
                continue
            if mots[0] == "ENCODING":
                code = int(mots[1])
            elif mots[0] == "BBX":
                bbx = [int(m) for m in mots[1:5]]
            elif mots[0] == "BITMAP":
                dans, rangs = True, []
            elif mots[0] == "ENDCHAR":
                dans = False
                w, h, xo, yo = bbx
                if code is not None and w > 0 and xo >= 0 and xo + w <= 9 and yo >= 0 and yo + h <= 9:
                    carte = [["."] * 9 for _ in range(9)]
                    for j, r in enumerate(rangs):
                        bits = int(r, 16)
                        n = len(r) * 4
                        for i in range(w):
                            if bits >> (n - 1 - i) & 1:
                                carte[9 - yo - h + j][xo + i] = "#"
                    glyphes[code] = ["".join(r) for r in carte]
            elif dans:
                rangs.append(mots[0])
    return glyphes


# Simplified left radicals, 3 columns by 9 rows.
RADICAUX = {
    "讠": ["#..", ".#.", "...", "##.", ".#.", ".#.", ".#.", ".#.", ".##"],
    "纟": [".#.", "#..", ".#.", "#.#", ".#.", "#..", "###", "...", "..."],
    "钅": [".#.", "###", "#..", "###", ".#.", "###", ".#.", ".#.", ".##"],
    "饣": [".#.", "##.", "#.#", ".#.", ".#.", ".#.", ".#.", ".##", "..."],
}

# Simplified character -> (its radical, the traditional character whose right
# part it shares).
COMPOSES = {
    "设": ("讠", "設"), "请": ("讠", "請"), "语": ("讠", "語"), "试": ("讠", "試"),
    "说": ("讠", "說"), "调": ("讠", "調"), "计": ("讠", "計"), "谢": ("讠", "謝"),
    "红": ("纟", "紅"), "纪": ("纟", "紀"), "纱": ("纟", "紗"), "纸": ("纟", "紙"),
    "结": ("纟", "結"), "键": ("钅", "鍵"), "销": ("钅", "銷"), "馆": ("饣", "館"),
}


def composer(radical, traditionnel):
    """The radical in columns 0-2, the traditional glyph's right part after
    the first blank column that follows its own radical."""
    coupe = next((c for c in range(2, 6) if all(r[c] == "." for r in traditionnel)), 3)
    return [RADICAUX[radical][j] + "." * (coupe - 2) + traditionnel[j][coupe + 1:]
            for j in range(9)]


def lire_dessins(chemin):
    """code point -> 9 rows, from blocks separated by blank lines: comment
    lines ("# ..."), the character, then 9 rows of 9 '#' (set) or '.'.
    A malformed block stops the script rather than being passed over."""
    dessins = {}
    if not os.path.exists(chemin):
        return dessins
    with open(chemin, encoding="utf-8") as f:
        lignes = f.read().split("\n")
    nom, rangs, debut = None, [], 0
    for numero, ligne in enumerate(lignes + [""], 1):
        l = ligne.strip()
        if not l:
            if nom is not None:
                if len(rangs) != 9 or any(len(r) != 9 or set(r) - set("#.") for r in rangs):
                    sys.exit("%s:%d: %s needs 9 rows of 9 '#' or '.'" % (chemin, debut, nom))
                if ord(nom) in dessins:
                    sys.exit("%s:%d: %s is drawn twice" % (chemin, debut, nom))
                dessins[ord(nom)] = rangs
            nom, rangs = None, []
        elif nom is None:
            if l == "#" or l.startswith("# "):
                continue
            if len(l) != 1:
                sys.exit("%s:%d: a block names its character before its rows" % (chemin, numero))
            nom, debut = l, numero
        else:
            rangs.append(l)
    return dessins


def main():
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    galmuri = lire_bdf(sys.argv[1])
    with open(sys.argv[2], encoding="utf-8") as f:
        cjk = json.load(f)["cjk"]
    dossier = sys.argv[3]
    dessins = lire_dessins(os.path.join(dossier, "dessins.txt"))
    for langue in ("ja", "ko", "zh-Hans", "zh-Hant"):
        sortie = ["# Wide glyphs of %s, 9 x 9, written by larges.py; do not edit:" % langue,
                  "# draw a better shape in dessins.txt instead.", ""]
        for c in cjk[langue]:
            code = ord(c)
            if code in dessins:
                origine, carte = "drawn", dessins[code]
            elif code in galmuri:
                origine, carte = "Galmuri9", galmuri[code]
            elif c in COMPOSES and ord(COMPOSES[c][1]) in galmuri:
                radical, traditionnel = COMPOSES[c]
                origine = "radical %s and Galmuri9's %s" % (radical, traditionnel)
                carte = composer(radical, galmuri[ord(traditionnel)])
            else:
                sys.exit("no shape for U+%04X %s: draw it in dessins.txt" % (code, c))
            sortie += ["# U+%04X %s" % (code, origine), c] + carte + [""]
        with open(os.path.join(dossier, langue + ".txt"), "w", encoding="utf-8") as f:
            f.write("\n".join(sortie))
        print("%s: %d glyphs" % (langue, len(cjk[langue])))


if __name__ == "__main__":
    main()
