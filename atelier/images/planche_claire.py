#!/usr/bin/env python3
"""Contact sheet of the CLEAR tiles as four kinds of eyes see them.

    planche_claire.py <images folder> <out.png>

The images folder is the workshop's output (construction/<tree>/genere/app/images).
The sheet shows, for normal vision and for simulated protanopia, deuteranopia
and tritanopia, the 42 CLEAR faces, then a picked, a hinted and an aimed tile
with their marks, at three times their size. It also prints, for each
vision, the smallest colour difference (CIE76 delta E) between the inks of
two families' indices, the number to watch when a colour changes.

Pure Python (zlib only), so it runs wherever the build does.
"""

import struct
import sys
import zlib

ECHELLE = 3
FOND = (0x14, 0x1A, 0x3A)

# Machado, Oliveira and Fernandes (2009), full severity, on linear RGB.
MATRICES = {
    "NORMAL": None,
    "PROTANOPIA": ((0.152286, 1.052583, -0.204868),
                   (0.114503, 0.786281, 0.099216),
                   (-0.003882, -0.048116, 1.051998)),
    "DEUTERANOPIA": ((0.367322, 0.860646, -0.227968),
                     (0.280085, 0.672501, 0.047413),
                     (-0.011820, 0.042940, 0.968881)),
    "TRITANOPIA": ((1.255528, -0.076749, -0.178779),
                   (-0.078411, 0.930809, 0.147602),
                   (0.004733, 0.691367, 0.303900)),
}

# The index inks of the families, as claires.cpp draws them.
ENCRES = {
    "CHARACTER": 0x1C2250, "CIRCLE": 0x2F5FD0, "BAMBOO": 0x0F5A44, "WIND": 0x1A0F2E,
    "RED DRAGON": 0xE8303A, "GREEN DRAGON": 0x0F5A44, "BLUE DRAGON": 0x2F5FD0,
    "FLOWER": 0x6A3A8C, "SEASON": 0xB87818,
}


# The workshop's 5 x 7 capitals for the sheet's labels (lettres.cpp).
LETTRES = {
    "A": ".###.#...##...#######...##...##...#", "D": "####.#...##...##...##...##...#####.",
    "E": "######....#....####.#....#....#####", "I": ".###...#....#....#....#....#...###.",
    "L": "#....#....#....#....#....#....#####", "M": "#...###.###.#.##.#.##...##...##...#",
    "N": "#...###..##.#.##..###...##...##...#", "O": ".###.#...##...##...##...##...#.###.",
    "P": "####.#...##...#####.#....#....#....", "R": "####.#...##...#####.#.#..#..#.#...#",
    "T": "#####..#....#....#....#....#....#..", "U": "#...##...##...##...##...##...#.###.",
}


def ecrire(image, x, y, texte, couleur):
    for n, c in enumerate(texte):
        forme = LETTRES.get(c, "." * 35)
        for j in range(7):
            for i in range(5):
                if forme[j * 5 + i] == "#":
                    for dy in range(2):
                        for dx in range(2):
                            image[y + 2 * j + dy][x + 2 * (n * 6 + i) + dx] = couleur


def lire_png(chemin):
    with open(chemin, "rb") as f:
        octets = f.read()
    assert octets[:8] == b"\x89PNG\r\n\x1a\n", chemin
    pos, donnees, palette, trns = 8, b"", None, None
    while pos < len(octets):
        n, genre = struct.unpack(">I4s", octets[pos:pos + 8])
        corps = octets[pos + 8:pos + 8 + n]
        pos += 12 + n
        if genre == b"IHDR":
            l, h, prof, sorte = struct.unpack(">IIBB", corps[:10])
        elif genre == b"PLTE":
            palette = [tuple(corps[i:i + 3]) for i in range(0, len(corps), 3)]
        elif genre == b"tRNS":
            trns = corps
        elif genre == b"IDAT":
            donnees += corps
    assert prof == 8, chemin
    canaux = {6: 4, 2: 3, 3: 1, 0: 1, 4: 2}[sorte]
    brut = zlib.decompress(donnees)
    ligne = l * canaux
    pixels, avant = [], bytearray(ligne)
    for y in range(h):
        filtre = brut[y * (ligne + 1)]
        r = bytearray(brut[y * (ligne + 1) + 1:(y + 1) * (ligne + 1)])
        for i in range(ligne):
            a = r[i - canaux] if i >= canaux else 0
            b = avant[i]
            c = avant[i - canaux] if i >= canaux else 0
            if filtre == 1:
                r[i] = (r[i] + a) & 255
            elif filtre == 2:
                r[i] = (r[i] + b) & 255
            elif filtre == 3:
                r[i] = (r[i] + (a + b) // 2) & 255
            elif filtre == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                r[i] = (r[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
        avant = r
        rangee = []
        for x in range(l):
            v = r[x * canaux:(x + 1) * canaux]
            if sorte == 6:
                rangee.append(tuple(v))
            elif sorte == 2:
                rangee.append((v[0], v[1], v[2], 255))
            elif sorte == 3:
                al = trns[v[0]] if trns and v[0] < len(trns) else 255
                rangee.append(palette[v[0]] + (al,))
            elif sorte == 4:
                rangee.append((v[0], v[0], v[0], v[1]))
            else:
                rangee.append((v[0], v[0], v[0], 255))
        pixels.append(rangee)
    return pixels


def ecrire_png(chemin, pixels):
    h, l = len(pixels), len(pixels[0])
    brut = b"".join(b"\x00" + bytes(c for p in rangee for c in p) for rangee in pixels)

    def morceau(genre, corps):
        return (struct.pack(">I", len(corps)) + genre + corps
                + struct.pack(">I", zlib.crc32(genre + corps) & 0xFFFFFFFF))

    with open(chemin, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n")
        f.write(morceau(b"IHDR", struct.pack(">IIBBBBB", l, h, 8, 2, 0, 0, 0)))
        f.write(morceau(b"IDAT", zlib.compress(brut, 9)))
        f.write(morceau(b"IEND", b""))


def lineaire(c):
    c /= 255
    return c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4


def encode(v):
    v = min(1.0, max(0.0, v))
    v = v * 12.92 if v <= 0.0031308 else 1.055 * v ** (1 / 2.4) - 0.055
    return int(round(v * 255))


def simuler(rgb, matrice):
    if matrice is None:
        return rgb
    lin = [lineaire(c) for c in rgb]
    return tuple(encode(sum(matrice[i][k] * lin[k] for k in range(3))) for i in range(3))


def lab(rgb):
    r, g, b = (lineaire(c) for c in rgb)
    x = (0.4124 * r + 0.3576 * g + 0.1805 * b) / 0.95047
    y = 0.2126 * r + 0.7152 * g + 0.0722 * b
    z = (0.0193 * r + 0.1192 * g + 0.9505 * b) / 1.08883
    f = [t ** (1 / 3) if t > 0.008856 else 7.787 * t + 16 / 116 for t in (x, y, z)]
    return (116 * f[1] - 16, 500 * (f[0] - f[1]), 200 * (f[1] - f[2]))


def ecart(a, b):
    return sum((u - v) ** 2 for u, v in zip(lab(a), lab(b))) ** 0.5


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    dossier, sortie = sys.argv[1], sys.argv[2]
    tuiles = [lire_png(f"{dossier}/tuiles/clair_3_{m}.png") for m in range(42)]
    # A picked, a hinted and an aimed tile, each with its mark, and the
    # picked one under the cursor.
    def avec(base, *dessus):
        t = [list(r) for r in lire_png(f"{dossier}/tuiles/clair_3_{base}.png")]
        for nom in dessus:
            im = lire_png(f"{dossier}/tuiles/{nom}.png")
            for y, rangee in enumerate(im):
                for x, p in enumerate(rangee):
                    if p[3]:
                        t[y][x] = p
        return t
    marques = [
        avec(4, "clair_prise_4", "clair_marque_prise"),
        avec(13, "clair_indice_13", "clair_marque_indice"),
        avec(22, "clair_marque_curseur"),
        avec(31, "clair_prise_31", "clair_marque_prise", "clair_marque_curseur"),
    ]
    lignes = [tuiles[0:14], tuiles[14:28], tuiles[28:42], marques]
    pas_x, pas_y = 21, 26
    titre = 8
    bloc_h = titre + len(lignes) * pas_y + 6
    l = (14 * pas_x + 4) * ECHELLE
    h = len(MATRICES) * bloc_h * ECHELLE
    image = [[FOND] * l for _ in range(h)]
    for v, (nom, matrice) in enumerate(MATRICES.items()):
        cache = {}
        ecrire(image, 4 * ECHELLE, (v * bloc_h + 2) * ECHELLE, nom, (0xFF, 0xF2, 0xB0))
        for j, rangee in enumerate(lignes):
            for i, t in enumerate(rangee):
                x0 = (4 + i * pas_x) * ECHELLE
                y0 = (v * bloc_h + titre + 4 + j * pas_y) * ECHELLE
                for y, r in enumerate(t):
                    for x, p in enumerate(r):
                        if not p[3]:
                            continue
                        a = p[3] / 255
                        c = tuple(int(p[k] * a + FOND[k] * (1 - a)) for k in range(3))
                        if c not in cache:
                            cache[c] = simuler(c, matrice)
                        s = cache[c]
                        for dy in range(ECHELLE):
                            ligne = image[y0 + y * ECHELLE + dy]
                            for dx in range(ECHELLE):
                                ligne[x0 + x * ECHELLE + dx] = s
        # The families' inks on the ivory face: how far apart they stay.
        familles = ["CHARACTER", "CIRCLE", "BAMBOO", "WIND", "FLOWER", "SEASON"]
        vues = {f: simuler(tuple((ENCRES[f] >> s) & 255 for s in (16, 8, 0)), matrice)
                for f in familles}
        pires = min(((ecart(vues[a], vues[b]), a, b) for i, a in enumerate(familles)
                     for b in familles[i + 1:]))
        print(f"{nom:13} closest family inks: {pires[1]} / {pires[2]} delta E {pires[0]:.1f}")
    ecrire_png(sortie, image)


if __name__ == "__main__":
    main()
