// The 42 tile faces, the jade back, the shaded tile images and the strips that
// play over a tile. A face is 16 x 20 with a dark outline; the signs sit in the
// 14 x 18 ivory field inside it.

#include "claires.h"
#include "faces.h"
#include "familles.h"

#include <QString>

using namespace palette;

namespace {

// Top-left of the field inside the face's outline.
constexpr int FX = 1, FY = 1;

void signe(Toile& t, int x, int y, const QStringList& carte, Couleur encre) {
    t.carte(x, y, carte, {{'#', encre}});
}

// The micro font's character i (0..13) at (x, y).
void petite(Toile& t, int x, int y, int i, Couleur c) {
    signe(t, x, y, faces::PETITE[i], c);
}

// A round pip of the circles suit: a dark rim, the colour, a light centre.
void pastille(Toile& t, int cx, int cy, int taille, Couleur c, Couleur clair) {
    if (taille <= 4) {
        // 4 x 4, top-left at (cx, cy)
        t.carte(cx, cy, {".oo.", "oCCo", "oChC", ".oC."}, {{'o', c}, {'C', c}, {'h', clair}});
        t.point(cx + 3, cy + 3, TRANSPARENT);
        t.carte(cx, cy, {".oo.", "o..o", "o..o", ".oo."}, {{'o', CONTOUR}});
        t.point(cx + 1, cy + 1, c);
        t.point(cx + 2, cy + 1, c);
        t.point(cx + 1, cy + 2, c);
        t.point(cx + 2, cy + 2, clair);
        return;
    }
    if (taille == 5) {
        t.carte(cx, cy, {".ooo.", "oCCCo", "oChCo", "oCCCo", ".ooo."},
                {{'o', CONTOUR}, {'C', c}, {'h', clair}});
        return;
    }
    t.carte(cx, cy, {".oooo.", "oCCCCo", "oChhCo", "oChhCo", "oCCCCo", ".oooo."},
            {{'o', CONTOUR}, {'C', c}, {'h', clair}});
}

} // namespace

// One bamboo stick, w wide (2 or 3) and h high, with its joints.
void tuiles::baton(Toile& t, int x, int y, int w, int h, Couleur c, Couleur clair, Couleur sombre) {
    t.rect(x, y, w, h, c);
    for (int j = y; j < y + h; ++j)
        t.point(x, j, clair);
    if (w == 3)
        for (int j = y; j < y + h; ++j)
            t.point(x + 2, j, sombre);
    // a joint in the middle and dark ends, so stacked sticks stay apart
    t.rect(x, y + h / 2, w, 1, sombre);
    t.rect(x, y, w, 1, sombre);
    t.rect(x, y + h - 1, w, 1, sombre);
    if (w == 3) t.point(x + 1, y + h / 2 - 1, clair);
}

namespace {

using tuiles::baton;

void batonVert(Toile& t, int x, int y, int w, int h) {
    baton(t, x, y, w, h, JADE1, JADE2, JADE0);
}
void batonRouge(Toile& t, int x, int y, int w, int h) {
    baton(t, x, y, w, h, ROUGE_VIF, ROUGE_CLAIR, ROUGE_SOMBRE);
}
void batonBleu(Toile& t, int x, int y, int w, int h) {
    baton(t, x, y, w, h, BLEU, BLEU_CLAIR, NUIT2);
}

void caracteres(Toile& t, int n) {
    signe(t, FX + 2, FY + 1, faces::NUMERAUX[n - 1], ENCRE);
    signe(t, FX + 1, FY + 9, faces::WAN, ROUGE);
    // A darker bottom stroke gives the sign some weight.
    for (int i = 0; i < faces::WAN.last().size(); ++i)
        if (faces::WAN.last()[i] == '#')
            t.point(FX + 1 + i, FY + 9 + faces::WAN.size() - 1, ROUGE_SOMBRE);
}

void cercles(Toile& t, int n) {
    const Couleur B = BLEU, V = JADE1, R = ROUGE_VIF;
    const Couleur b = BLEU_CLAIR, v = JADE3, r = ROUGE_CLAIR;
    auto p4 = [&](int i, int j, Couleur c, Couleur h) { pastille(t, FX + i, FY + j, 4, c, h); };
    auto p5 = [&](int i, int j, Couleur c, Couleur h) { pastille(t, FX + i, FY + j, 5, c, h); };
    auto p6 = [&](int i, int j, Couleur c, Couleur h) { pastille(t, FX + i, FY + j, 6, c, h); };
    switch (n) {
    case 1:
        // the big coin: rings of jade, red and gold around a dark eye
        t.disque(FX + 7, FY + 9, 6, CONTOUR);
        t.disque(FX + 7, FY + 9, 5, JADE1);
        t.cercle(FX + 7, FY + 9, 5, JADE2);
        t.disque(FX + 7, FY + 9, 3, ROUGE_VIF);
        t.cercle(FX + 7, FY + 9, 3, CONTOUR);
        t.disque(FX + 7, FY + 9, 1, OR);
        t.point(FX + 7, FY + 9, CONTOUR);
        for (int k = 0; k < 8; ++k) {
            static const int dx[8] = {0, 3, 4, 3, 0, -3, -4, -3};
            static const int dy[8] = {-4, -3, 0, 3, 4, 3, 0, -3};
            t.point(FX + 7 + dx[k], FY + 9 + dy[k], JADE4);
        }
        break;
    case 2:
        p6(4, 1, V, v);
        p6(4, 11, B, b);
        break;
    case 3:
        p5(0, 0, B, b);
        p5(4, 6, R, r);
        p5(8, 12, V, v);
        break;
    case 4:
        p6(0, 1, B, b);
        p6(8, 1, V, v);
        p6(0, 11, V, v);
        p6(8, 11, B, b);
        break;
    case 5:
        p5(0, 0, B, b);
        p5(9, 0, V, v);
        p5(4, 6, R, r);
        p5(0, 12, V, v);
        p5(9, 12, B, b);
        break;
    case 6:
        p5(1, 0, V, v);
        p5(8, 0, V, v);
        p5(1, 6, R, r);
        p5(8, 6, R, r);
        p5(1, 12, R, r);
        p5(8, 12, R, r);
        break;
    case 7:
        p4(0, 0, V, v);
        p4(5, 2, V, v);
        p4(10, 4, V, v);
        p4(2, 9, R, r);
        p4(8, 9, R, r);
        p4(2, 14, R, r);
        p4(8, 14, R, r);
        break;
    case 8:
        for (int j = 0; j < 4; ++j) {
            p4(2, j * 5 - (j == 3 ? 1 : 0), B, b);
            p4(8, j * 5 - (j == 3 ? 1 : 0), B, b);
        }
        break;
    case 9:
        for (int j = 0; j < 3; ++j)
            for (int i = 0; i < 3; ++i) {
                const Couleur c = j == 0 ? B : (j == 1 ? R : V);
                const Couleur h = j == 0 ? b : (j == 1 ? r : v);
                p4(i * 5, 1 + j * 6, c, h);
            }
        break;
    }
}

// The one of bamboo is the house's mascot: a red panda hugging a bamboo shoot.
void panda(Toile& t) {
    t.carte(FX, FY, tuiles::PANDA_CARTE, tuiles::clePanda());
}

void bambous(Toile& t, int n) {
    const int x0 = FX, y0 = FY;
    switch (n) {
    case 1:
        panda(t);
        break;
    case 2:
        batonVert(t, x0 + 4, y0 + 1, 3, 16);
        batonBleu(t, x0 + 8, y0 + 1, 3, 16);
        break;
    case 3:
        batonVert(t, x0 + 6, y0 + 1, 3, 7);
        batonVert(t, x0 + 2, y0 + 10, 3, 7);
        batonBleu(t, x0 + 10, y0 + 10, 3, 7);
        break;
    case 4:
        batonVert(t, x0 + 3, y0 + 1, 3, 7);
        batonBleu(t, x0 + 9, y0 + 1, 3, 7);
        batonBleu(t, x0 + 3, y0 + 10, 3, 7);
        batonVert(t, x0 + 9, y0 + 10, 3, 7);
        break;
    case 5:
        batonVert(t, x0 + 1, y0 + 1, 3, 7);
        batonBleu(t, x0 + 11, y0 + 1, 3, 7);
        batonRouge(t, x0 + 6, y0 + 5, 3, 8);
        batonBleu(t, x0 + 1, y0 + 10, 3, 7);
        batonVert(t, x0 + 11, y0 + 10, 3, 7);
        break;
    case 6:
        for (int i = 0; i < 3; ++i) {
            batonVert(t, x0 + 1 + 5 * i, y0 + 1, 3, 7);
            batonBleu(t, x0 + 1 + 5 * i, y0 + 10, 3, 7);
        }
        break;
    case 7:
        batonRouge(t, x0 + 6, y0 + 0, 3, 5);
        for (int i = 0; i < 3; ++i) {
            batonVert(t, x0 + 1 + 5 * i, y0 + 6, 3, 5);
            batonVert(t, x0 + 1 + 5 * i, y0 + 12, 3, 6);
        }
        break;
    case 8:
        // four over four, the middle pairs leaning towards each other
        for (int i = 0; i < 4; ++i) {
            batonVert(t, x0 + 1 + 3 * i + (i > 1 ? 1 : 0), y0 + 1, 2, 7);
            batonBleu(t, x0 + 1 + 3 * i + (i > 1 ? 1 : 0), y0 + 10, 2, 7);
        }
        t.ligne(x0 + 4, y0 + 9, x0 + 9, y0 + 9, JADE0);
        break;
    case 9:
        for (int j = 0; j < 3; ++j) {
            batonVert(t, x0 + 1, y0 + 1 + 6 * j, 3, 5);
            batonRouge(t, x0 + 6, y0 + 1 + 6 * j, 3, 5);
            batonBleu(t, x0 + 11, y0 + 1 + 6 * j, 3, 5);
        }
        break;
    }
}

void vent(Toile& t, int i) {
    // The compass letter in red at the corner, the character below it.
    // W and N need more than three columns to read at a glance.
    static const QStringList W = {"#...#", "#...#", "#.#.#", "##.##", "#...#"};
    static const QStringList N = {"#..#", "##.#", "#.##", "#..#", "#..#"};
    if (i == 2)
        signe(t, FX + 1, FY + 1, W, ROUGE_VIF);
    else if (i == 3)
        signe(t, FX + 1, FY + 1, N, ROUGE_VIF);
    else
        petite(t, FX + 1, FY + 1, 10 + i, ROUGE_VIF);
    signe(t, FX + 2, FY + 6, faces::VENTS[i], ENCRE);
}

void dragon(Toile& t, int i) {
    if (i == 0) {
        signe(t, FX + 1, FY + 3, faces::ZHONG, ROUGE_VIF);
        // a darker right edge on each stroke
        for (int j = 0; j < faces::ZHONG.size(); ++j)
            for (int k = 0; k < faces::ZHONG[j].size() - 1; ++k)
                if (faces::ZHONG[j][k] == '#' && faces::ZHONG[j][k + 1] != '#')
                    t.point(FX + 1 + k, FY + 3 + j, ROUGE);
    } else if (i == 1) {
        signe(t, FX + 1, FY + 2, faces::FA, JADE1);
    } else {
        // The blue dragon: a double frame in blue, as the game names it.
        t.cadre(FX + 1, FY + 1, 12, 16, BLEU);
        t.cadre(FX + 2, FY + 2, 10, 14, BLEU);
        t.cadre(FX + 4, FY + 4, 6, 10, NUIT3);
        for (int j = FY + 5; j < FY + 13; j += 2)
            t.point(FX + 7, j, BLEU_CLAIR);
    }
}

void fleur(Toile& t, int i) {
    petite(t, FX + 10, FY + 1, i + 1, ROUGE_VIF);
    const int x = FX, y = FY;
    switch (i) {
    case 0: // plum: pink blossoms on a dark branch
        t.ligne(x + 1, y + 17, x + 8, y + 8, BRUN);
        t.ligne(x + 2, y + 17, x + 9, y + 8, BRUN);
        t.ligne(x + 6, y + 11, x + 4, y + 5, BRUN);
        for (auto [cx, cy] : {std::pair{4, 5}, std::pair{9, 8}, std::pair{4, 12}}) {
            t.carte(x + cx - 2, y + cy - 2, tuiles::PRUNIER, {{'p', ROSE}, {'y', OR}});
        }
        break;
    case 1: // orchid: purple flower on long leaves
        t.ligne(x + 2, y + 17, x + 6, y + 8, JADE1);
        t.ligne(x + 7, y + 17, x + 7, y + 9, JADE1);
        t.ligne(x + 12, y + 17, x + 9, y + 10, JADE1);
        t.ligne(x + 3, y + 17, x + 1, y + 11, JADE2);
        t.carte(x + 3, y + 3, tuiles::ORCHIDEE, {{'v', VIOLET2}, {'V', VIOLET3}, {'y', OR}});
        break;
    case 2: // chrysanthemum: a round gold flower head
        t.ligne(x + 7, y + 17, x + 7, y + 10, JADE1);
        t.carte(x + 3, y + 13, {"gg..", ".gg."}, {{'g', JADE2}});
        t.disque(x + 7, y + 7, 4, ORANGE);
        t.disque(x + 7, y + 7, 3, OR);
        for (int k = 0; k < 8; ++k) {
            static const int dx[8] = {0, 3, 4, 3, 0, -3, -4, -3};
            static const int dy[8] = {-4, -3, 0, 3, 4, 3, 0, -3};
            t.point(x + 7 + dx[k], y + 7 + dy[k], OR_CLAIR);
        }
        t.disque(x + 7, y + 7, 1, ORANGE);
        break;
    case 3: // bamboo: a stalk with leaves
        batonVert(t, x + 5, y + 3, 3, 15);
        t.carte(x + 1, y + 4, {"gg....", ".ggg..", "...gg."}, {{'g', JADE2}});
        t.carte(x + 8, y + 10, {".gggg", "gg...", "....."}, {{'g', JADE2}});
        break;
    }
}

void saison(Toile& t, int i) {
    petite(t, FX + 10, FY + 1, i + 1, BLEU);
    const int x = FX, y = FY;
    switch (i) {
    case 0: // spring: a swallow over a green shoot
        t.carte(x + 1, y + 6, tuiles::HIRONDELLE, {{'k', ENCRE}, {'w', ROUGE_VIF}});
        t.ligne(x + 7, y + 17, x + 7, y + 13, JADE1);
        t.carte(x + 5, y + 12, {"g...g", ".g.g."}, {{'g', JADE2}});
        break;
    case 1: // summer: the sun with its rays
        t.disque(x + 7, y + 9, 3, ROUGE_VIF);
        t.disque(x + 6, y + 8, 1, ORANGE);
        for (int k = 0; k < 8; ++k) {
            static const int dx[8] = {0, 4, 6, 4, 0, -4, -6, -4};
            static const int dy[8] = {-6, -4, 0, 4, 6, 4, 0, -4};
            t.point(x + 7 + dx[k], y + 9 + dy[k], OR);
            t.point(x + 7 + dx[k] * 5 / 6, y + 9 + dy[k] * 5 / 6, ORANGE);
        }
        break;
    case 2: // autumn: a maple leaf
        t.carte(x + 2, y + 4, tuiles::ERABLE, {{'o', ORANGE}});
        t.ligne(x + 6, y + 6, x + 6, y + 12, ROUGE);
        t.ligne(x + 3, y + 8, x + 9, y + 8, ROUGE);
        break;
    case 3: // winter: a snowflake
        t.ligne(x + 7, y + 3, x + 7, y + 15, BLEU);
        t.ligne(x + 2, y + 6, x + 12, y + 12, BLEU);
        t.ligne(x + 2, y + 12, x + 12, y + 6, BLEU);
        t.disque(x + 7, y + 9, 1, BLEU_CLAIR);
        for (auto [a, b] : {std::pair{7, 3}, std::pair{7, 15}, std::pair{2, 6}, std::pair{12, 12},
                            std::pair{2, 12}, std::pair{12, 6}})
            t.point(x + a, y + b, NUIT3);
        break;
    }
}

} // namespace

// The ivory face with its outline and a light top edge.
Toile tuiles::faceVide() {
    Toile t(16, 20);
    t.rect(0, 0, 16, 20, CONTOUR);
    t.rect(1, 1, 14, 18, IVOIRE);
    t.rect(1, 18, 14, 1, IVOIRE_OMBRE);
    t.rect(14, 1, 1, 18, IVOIRE_OMBRE);
    t.rect(1, 1, 13, 1, BLANC);
    return t;
}

// The jade back of a veiled tile: a lattice in two greens round a gold moon.
Toile tuiles::faceJade() {
    Toile t(16, 20);
    t.rect(0, 0, 16, 20, CONTOUR);
    t.rect(1, 1, 14, 18, JADE1);
    for (int y = 1; y < 19; ++y)
        for (int x = 1; x < 15; ++x)
            if ((x + y) % 4 == 0 || (x - y + 40) % 4 == 0) t.point(x, y, JADE0);
    t.rect(1, 1, 14, 1, JADE3);
    t.rect(1, 1, 1, 18, JADE2);
    t.disque(8, 10, 3, JADE_NUIT);
    t.disque(8, 10, 2, OR);
    t.point(9, 9, OR_CLAIR);
    t.point(7, 11, OR_SOMBRE);
    return t;
}

namespace {

using tuiles::faceJade;
using tuiles::faceVide;

// Relief behind a face: an ivory layer, then the jade body, then the outline;
// a tile's relief is its 3 right columns and 4 bottom rows.
Toile corps() {
    Toile t(19, 24);
    const int dx[5] = {0, 1, 2, 2, 3};
    const Couleur c[5] = {0, IVOIRE_SOMBRE, JADE1, JADE0, CONTOUR};
    for (int k = 4; k >= 1; --k)
        t.rect(dx[k], k, 16, 20, c[k]);
    // dark steps along the upper right and lower left edges of the relief
    for (int k = 1; k <= 4; ++k) {
        t.point(dx[k] + 15, k, CONTOUR);
        t.point(dx[k], k + 19, CONTOUR);
    }
    return t;
}

QImage ombrer(const QImage& im, double f) {
    QImage r = im;
    for (int y = 0; y < r.height(); ++y)
        for (int x = 0; x < r.width(); ++x) {
            const QRgb c = r.pixel(x, y);
            if (qAlpha(c) == 0) continue;
            r.setPixel(x, y,
                       qRgba(arrondi(qRed(c) * f), arrondi(qGreen(c) * f), arrondi(qBlue(c) * f),
                             qAlpha(c)));
        }
    return r;
}

} // namespace

namespace tuiles {

Couleur vers(Couleur c, Couleur teinte) {
    auto canal = [](int a, int b) { return (a + a * b / 255) / 2 + b / 8; };
    return qRgba(std::min(255, canal(qRed(c), qRed(teinte))),
                 std::min(255, canal(qGreen(c), qGreen(teinte))),
                 std::min(255, canal(qBlue(c), qBlue(teinte))), qAlpha(c));
}

const QStringList PANDA_CARTE = {
    "..........g...", ".oo....oo.gG..", "oRRo..oRRogG..", "oRwRooRwRogG..", "oRRRRRRRRo.gg.",
    "oRwwRRRwwRo.G.", "oRkwRRwkRRo.g.", "oRwwwnwwwRo...", ".oRwwwwwRo..g.", "..oooRooo..gG.",
    "..oRRRRRRo.gG.", ".oRRBBBBRRo.G.", ".oRBBggBBRoog.", "oRRBgGGgBRRog.", "oBBoggGgoBBog.",
    ".oo.gGGg.oo.g.", "....gGGg...gg.", "....gGGg......",
};

const std::map<QChar, Couleur>& clePanda() {
    static const std::map<QChar, Couleur> cle = {{'o', CONTOUR}, {'R', ROUX},    {'w', IVOIRE},
                                                 {'k', CONTOUR}, {'n', CONTOUR}, {'B', BRUN},
                                                 {'g', JADE1},   {'G', JADE2}};
    return cle;
}

const QStringList PRUNIER = {".p.p.", "ppppp", ".pyp.", "ppppp", ".p.p."};
const QStringList ORCHIDEE = {"..v..", ".vVv.", "vVyVv", ".vVv.", "v...v"};
const QStringList HIRONDELLE = {"kk.......kk", ".kkk...kkk.", "..kkkwkkk..", "....kkk....",
                                "....k.k...."};
const QStringList ERABLE = {"....o....", "..o.oo.o.", "..oooooo.", "ooooooooo", ".ooooooo.",
                            "..ooooo..", ".oo.o.oo.", "....o....", "....o....", "....o...."};

Toile composer(int motif, const std::array<Dessin, 7>& familles) {
    if (motif == VOILE) return faceJade();
    Toile t = faceVide();
    // First motif of each family; the suits count from one, the honours,
    // flowers and seasons from nought.
    static const int DEBUT[7] = {0, 9, 18, 27, 31, 34, 38};
    int f = 6;
    while (motif < DEBUT[f])
        --f;
    familles[f](t, motif - DEBUT[f] + (f < 3 ? 1 : 0));
    return t;
}

Toile face(int motif) {
    return composer(motif, {caracteres, cercles, bambous, vent, dragon, fleur, saison});
}

Toile tuile(int colonne) {
    Toile t = corps();
    t.poser(face(colonne), 0, 0);
    return t;
}

Toile dos() {
    // Seen from behind: all jade, the relief on the same sides.
    Toile t = corps();
    Toile f(16, 20);
    f.rect(0, 0, 16, 20, CONTOUR);
    f.rect(1, 1, 14, 18, JADE1);
    f.rect(1, 1, 14, 1, JADE3);
    f.rect(1, 1, 1, 18, JADE2);
    f.rect(14, 2, 1, 17, JADE0);
    f.rect(2, 18, 13, 1, JADE0);
    t.poser(f, 0, 0);
    return t;
}

Toile flanc() {
    // A tile on its edge: the ivory front layer and the jade body, side by side.
    Toile t(19, 24);
    t.rect(6, 1, 7, 22, CONTOUR);
    t.rect(7, 2, 2, 20, IVOIRE);
    t.rect(9, 2, 3, 20, JADE1);
    t.rect(11, 2, 1, 20, JADE0);
    t.rect(7, 2, 5, 1, BLANC);
    return t;
}

} // namespace tuiles

void jeuDeTuiles(const QString& prefixe, const std::function<Toile(int)>& face, Couleur prise,
                 Couleur indice, const std::vector<double>& teintes, std::vector<Fichier>& f) {
    std::vector<QImage> pleines;
    for (int c = 0; c <= tuiles::VOILE; ++c) {
        Toile t = corps();
        t.poser(face(c), 0, 0);
        pleines.push_back(t.image());
    }
    for (int s = 0; s < 4; ++s) {
        const double k = s < int(teintes.size()) ? teintes[s] : 1.0;
        for (int c = 0; c <= tuiles::VOILE; ++c)
            f.push_back(
                {QString("tuiles/%1%2_%3.png").arg(prefixe).arg(s).arg(c), ombrer(pleines[c], k)});
    }
    for (int m = 0; m < tuiles::NOMBRE; ++m) {
        // Peek: every other pixel in a checkerboard, so what lies beneath shows.
        QImage apercu = pleines[m];
        for (int y = 0; y < apercu.height(); ++y)
            for (int x = 0; x < apercu.width(); ++x)
                if ((x + y) % 2) apercu.setPixel(x, y, 0);
        f.push_back({QString("tuiles/%1apercu_%2.png").arg(prefixe).arg(m), apercu});
        Toile p = face(m), i = face(m);
        p.teindre([prise](int, int, Couleur c) { return tuiles::vers(c, prise); });
        i.teindre([indice](int, int, Couleur c) { return tuiles::vers(c, indice); });
        f.push_back({QString("tuiles/%1prise_%2.png").arg(prefixe).arg(m), p.image()});
        f.push_back({QString("tuiles/%1indice_%2.png").arg(prefixe).arg(m), i.image()});
    }
}

std::vector<Fichier> fichiersTuiles(const std::vector<double>& teintes) {
    std::vector<Fichier> f;
    jeuDeTuiles("", tuiles::face, OR, ROSE, teintes, f);
    for (int s = 0; s < 4; ++s) {
        const double k = s < int(teintes.size()) ? teintes[s] : 1.0;
        f.push_back({QString("tuiles/dos_%1.png").arg(s), ombrer(tuiles::dos().image(), k)});
        f.push_back({QString("tuiles/flanc_%1.png").arg(s), ombrer(tuiles::flanc().image(), k)});
    }
    for (auto& c : fichiersClairs(teintes))
        f.push_back(std::move(c));
    return f;
}
