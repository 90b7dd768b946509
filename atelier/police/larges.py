#!/usr/bin/env python3
"""Writes the 9 x 9 maps of the wide glyphs, one text file per wide-script
language (larges/<language>.txt), for the characters the catalogue index
lists for it.

    larges.py <Galmuri9.bdf> <unifont.hex> <index.json> <larges folder>

Shapes come, in order of preference, from:
  - larges/dessins.txt, maps drawn by hand for this game;
  - Galmuri9 (OFL, npm package "galmuri", dist/Galmuri9.bdf), whose glyphs
    are native 9 x 9 pixel art;
  - for Simplified Chinese characters Galmuri9 lacks, the simplified left
    radical drawn here (RADICAUX) beside the right part of Galmuri9's
    traditional character (COMPOSES);
  - GNU Unifont (OFL, Debian package "unifont", /usr/share/unifont/unifont.hex)
    reduced from 16 x 16, a rough shape marked as such in the output until it
    is redrawn in dessins.txt.
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
}

# Simplified character -> (its radical, the traditional character whose right
# part it shares).
COMPOSES = {
    "设": ("讠", "設"), "请": ("讠", "請"), "语": ("讠", "語"), "试": ("讠", "試"),
    "说": ("讠", "說"), "调": ("讠", "調"), "计": ("讠", "計"), "谢": ("讠", "謝"),
    "红": ("纟", "紅"), "纪": ("纟", "紀"), "纱": ("纟", "紗"), "纸": ("纟", "紙"),
    "结": ("纟", "結"), "键": ("钅", "鍵"), "销": ("钅", "銷"),
}


def composer(radical, traditionnel):
    """The radical in columns 0-2, the traditional glyph's right part after
    the first blank column that follows its own radical."""
    coupe = next((c for c in range(2, 6) if all(r[c] == "." for r in traditionnel)), 3)
    return [RADICAUX[radical][j] + "." * (coupe - 2) + traditionnel[j][coupe + 1:]
            for j in range(9)]


def lire_hex(chemin):
    glyphes = {}
    with open(chemin) as f:
        for ligne in f:
            code, _, donnees = ligne.strip().partition(":")
            if len(donnees) == 64:
                glyphes[int(code, 16)] = [int(donnees[i:i + 4], 16) for i in range(0, 64, 4)]
    return glyphes


def reduire(rangs16):
    """A 16 x 16 glyph brought to 9 x 9: its ink box is cut into 9 x 9 cells
    and a cell is set when a stroke crosses it."""
    pixels = [[rangs16[y] >> (15 - x) & 1 for x in range(16)] for y in range(16)]
    xs = [x for y in range(16) for x in range(16) if pixels[y][x]]
    ys = [y for y in range(16) for x in range(16) if pixels[y][x]]
    if not xs:
        return ["." * 9] * 9
    x0, x1, y0, y1 = min(xs), max(xs) + 1, min(ys), max(ys) + 1
    carte = []
    for j in range(9):
        ligne = ""
        for i in range(9):
            ax, bx = x0 + (x1 - x0) * i / 9, x0 + (x1 - x0) * (i + 1) / 9
            ay, by = y0 + (y1 - y0) * j / 9, y0 + (y1 - y0) * (j + 1) / 9
            encre = aire = 0.0
            for y in range(int(ay), min(16, int(by + 0.999))):
                for x in range(int(ax), min(16, int(bx + 0.999))):
                    recouvre = (min(bx, x + 1) - max(ax, x)) * (min(by, y + 1) - max(ay, y))
                    if recouvre > 0:
                        aire += recouvre
                        encre += recouvre * pixels[y][x]
            ligne += "#" if aire and encre / aire >= 0.3 else "."
        carte.append(ligne)
    return carte


def lire_dessins(chemin):
    dessins, nom, rangs = {}, None, []
    if not os.path.exists(chemin):
        return dessins
    with open(chemin, encoding="utf-8") as f:
        for ligne in f.read().split("\n") + [""]:
            l = ligne.strip()
            if not l:
                if nom is not None and len(rangs) == 9:
                    dessins[ord(nom)] = rangs
                nom, rangs = None, []
            elif nom is None:
                if not (l.startswith("#") and l != "#"):
                    nom = l
            else:
                rangs.append(l)
    return dessins


def main():
    if len(sys.argv) != 5:
        sys.exit(__doc__)
    galmuri = lire_bdf(sys.argv[1])
    unifont = lire_hex(sys.argv[2])
    with open(sys.argv[3], encoding="utf-8") as f:
        cjk = json.load(f)["cjk"]
    dossier = sys.argv[4]
    dessins = lire_dessins(os.path.join(dossier, "dessins.txt"))
    for langue in ("ja", "ko", "zh-Hans", "zh-Hant"):
        sortie = ["# Wide glyphs of %s, 9 x 9, written by larges.py; do not edit:" % langue,
                  "# draw a better shape in dessins.txt instead.", ""]
        bruts = []
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
            elif code in unifont:
                origine, carte = "Unifont, reduced", reduire(unifont[code])
                bruts.append(c)
            else:
                sys.exit("no shape anywhere for U+%04X %s" % (code, c))
            sortie += ["# U+%04X %s" % (code, origine), c] + carte + [""]
        with open(os.path.join(dossier, langue + ".txt"), "w", encoding="utf-8") as f:
            f.write("\n".join(sortie))
        print("%s: %d glyphs, %d reduced from Unifont %s" % (langue, len(cjk[langue]), len(bruts),
                                                           "".join(bruts)))


if __name__ == "__main__":
    main()
