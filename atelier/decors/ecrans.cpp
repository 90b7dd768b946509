// The cabinet's own sprites: the game's logo and the screens' gold titles with
// their passing shine, the menu lanterns and their icons, the score table's
// badges, the name-entry lanterns, the rule pictures and the countdown.

#include "couleurs.h"
#include "decors.h"
#include "lettres.h"
#include "trace.h"

#include <cmath>

using namespace palette;
using namespace teinte;

namespace {

constexpr double PI = 3.14159265358979323846;

// Gold (or red) lettering, lighter at the top of each letter, with a dark
// outline and a drop shadow. The shine is a slanted band of light whose
// centre is at x = eclat on the top row; outside the image there is none.
void titre(Toile& t, const QString& texte, int e, double eclat, bool rouge) {
    const int h = 7 * e;
    const int x = (t.largeur() - lettres::largeur(texte, e)) / 2;
    const int y = (t.hauteur() - h) / 2 - 1;
    Toile lettrage(t.largeur(), t.hauteur());
    lettres::ecrire(lettrage, x, y, texte, e, [&](int ligne) {
        const double v = double(ligne) / h;
        if (rouge) return v < 0.3 ? ROUGE_CLAIR : v < 0.65 ? ROUGE_VIF : ROUGE;
        return v < 0.25 ? OR_CLAIR : v < 0.6 ? OR : v < 0.85 ? ORANGE : OR_SOMBRE;
    });
    lettrage.teindre([&](int px, int py, Couleur c) {
        const double d = std::fabs(px - eclat + (py - y) * 0.7);
        return d < 1.5 ? BLANC : d < 3.5 ? trace::melange(c, BLANC, 0.55) : c;
    });
    lettrage.contour(rouge ? CONTOUR : CONTOUR_ROUGE);
    Toile ombre(t.largeur(), t.hauteur());
    ombre.poser(lettrage, 1, 1);
    ombre.teindre([](int, int, Couleur) { return CONTOUR; });
    t.poser(ombre, 0, 0);
    t.poser(lettrage, 0, 0);
}

// A shine that crosses the whole strip over the frames and is gone by the last
// one, so a title held on its last frame rests clean.
double eclat(int i, int n, int largeur) {
    if (i >= n - 1) return -100;
    return -8 + (largeur + 16.0) * i / std::max(1, n - 2);
}

// The big round paper lantern of the menu, hanging from the top centre.
void lanterneMenu(Toile& t, bool allumee, int image) {
    const double cx = t.largeur() / 2.0;
    t.rect(int(cx) - 1, 0, 2, 5, OR_SOMBRE);
    Toile c(t.largeur(), t.hauteur());
    const Couleur corps = allumee ? ROUGE : coul(0x4a1a2a);
    const Couleur creux = allumee ? ROUGE_SOMBRE : coul(0x2e1020);
    trace::ovale(c, cx, 26, 21, 18.5, corps);
    if (allumee) {
        // The flame behind the paper: a warm heart whose size flickers.
        const double f[] = {1.0, 0.85, 1.1, 0.92};
        trace::ovale(c, cx, 27, 14 * f[image % 4], 12 * f[image % 4], ROUGE_VIF);
        trace::ovale(c, cx, 28, 8 * f[image % 4], 7 * f[image % 4], ORANGE);
        trace::ovale(c, cx, 29, 4 * f[image % 4], 3.5 * f[image % 4], OR);
    }
    // Ribs of the paper.
    for (int k = -2; k <= 2; ++k) {
        for (int y = 9; y < 44; ++y) {
            const double v = (y + 0.5 - 26) / 18.5;
            if (v * v >= 1) continue;
            const int x = int(std::floor(cx + k * 8.5 * std::sqrt(1 - v * v)));
            c.point(x, y, creux);
        }
    }
    c.rect(int(cx) - 9, 5, 18, 4, allumee ? OR : OR_SOMBRE);
    c.rect(int(cx) - 9, 43, 18, 4, allumee ? OR_SOMBRE : BRUN);
    c.rect(int(cx) - 9, 5, 18, 1, allumee ? OR_CLAIR : OR_SOMBRE);
    // Tassel.
    c.rect(int(cx) - 1, 47, 2, 2, allumee ? OR : OR_SOMBRE);
    c.rect(int(cx) - 2, 49, 4, 2, allumee ? ROUGE_VIF : creux);
    c.contour(CONTOUR);
    t.poser(c, 0, 0);
}

// The menu icons, 10 x 10 each. Keys: o outline, a main, b light, c accent, d dark.
struct Icone {
    const char* nom;
    QStringList carte;
    Couleur a, b, c, d;
};

const std::vector<Icone>& icones() {
    static const std::vector<Icone> I = {
        {"night",
         {"....oo....", "...oddo...", "..oaaaao..", ".oabccbao.", ".oacccbao.", ".oacccbao.",
          ".oabccbao.", "..oaaaao..", "...oddo...", "....oo...."},
         ROUGE,
         ROUGE_VIF,
         OR,
         OR_SOMBRE},
        {"sliding",
         {"..........", "...o......", "..oao.....", ".oaaaaaaao", "..oao.....", ".....obo..",
          "obbbbbbbo.", ".....obo..", "......o...", ".........."},
         JADE2,
         OR,
         OR,
         JADE0},
        {"duel",
         {"o........o", "oo......oo", ".oao..obo.", "..oao.obo.", "...oaobo..", "...obooa..",
          "..obo.oao.", ".obo...oao", "odo.....do", "oo......oo"},
         ROUGE_VIF,
         BLEU_CLAIR,
         OR,
         GRIS1},
        {"rush",
         {"...oooo...", "..obbbbo..", ".obaaacbo.", "obaaacaabo", "obaaccaabo", "obaaaaaabo",
          "obaaaaaabo", ".obaaaabo.", "..obbbbo..", "...oooo..."},
         IVOIRE,
         OR,
         ROUGE,
         GRIS1},
        {"moon",
         {"...oooo...", "..obbbbo..", ".obbbbabo.", "obbabbbbbo", "obbbbbbabo", "obabbbbbbo",
          "obbbbabbbo", ".obbbbbbo.", "..obbbbo..", "...oooo..."},
         OR,
         OR_CLAIR,
         OR,
         OR_SOMBRE},
        {"paper",
         {"oooooooo..", "obbbbbboo.", "obaaaaobbo", "obbbbbbooo", "obaaaaaabo", "obbbbbbbbo",
          "obaaaaaabo", "obbbbbbbbo", "obaaabbbbo", "oooooooooo"},
         GRIS2,
         IVOIRE,
         OR,
         GRIS1},
        {"parade",
         {"oo......oo", "obo....obo", "oaaooooaao", "oabaaaabao", "oadbaabdao", "oabbaabbao",
          ".oabddbao.", ".oaabbaao.", "..oaaaao..", "...oooo..."},
         ROUX,
         IVOIRE,
         OR,
         PATTE},
        {"extras",
         {"....oo....", "....ob....", "...obao...", "ooooaaaooo", "oaaaaaaabo", ".oaaaaabo.",
          "..oaaaao..", ".oaao.oao.", ".oao..oao.", "oo......oo"},
         OR,
         OR_CLAIR,
         OR,
         OR_SOMBRE},
        {"options",
         {"...o..o...", "..oaooao..", ".oaaaaaao.", "oaaaooaaao", ".oaoddoao.", ".oaoddoao.",
          "oaaaooaaao", ".oaaaaaao.", "..oaooao..", "...o..o..."},
         GRIS3,
         BLANC,
         OR,
         NUIT1},
        {"gallery",
         {".oooooooo.", "obbbbbbbbo", "obaaaaaabo", "obacccaabo", "obaacaaabo", "obaacaaabo",
          "obacccaabo", "obaaaaaabo", "ooooooooo.", ".ddddddd.."},
         IVOIRE,
         IVOIRE_OMBRE,
         ENCRE,
         JADE0},
        {"sound",
         {"......oo..", "....ooao..", "..ooaabo..", "..oaboo...", "..oo.o....", "..o..o....",
          "..o..o....", "oooo.o....", "oaao.oo...", "oooo......"},
         OR,
         OR_CLAIR,
         OR,
         OR_SOMBRE},
        {"crt",
         {"oooooooooo", "oddddddddo", "odbbabbddo", "odbaaaabdo", "odaaaaaado", "odbaaaabdo",
          "oddddddddo", "oooooooooo", "...oaao...", "..oooooo.."},
         JADE2,
         JADE3,
         OR,
         NUIT1},
        {"tea",
         {"....oo....", "...obbo...", "..oooooo..", "o.oabaaooo", "ooaabaao.o", ".oaabaao.o",
          "..oabaaooo", "..oaaaao..", "...oooo...", "..dddddd.."},
         JADE2,
         JADE3,
         OR,
         NUIT1},
        {"room",
         {"....oo....", "...oaao...", "..oabbao..", ".oabccbao.", ".oabccbao.", ".oabccbao.",
          "..oabbao..", "...oaao...", "....oo....", "...oddo..."},
         ROUGE,
         ROSE_CLAIR,
         OR_CLAIR,
         OR_SOMBRE},
    };
    return I;
}

// Digits 3 x 5 for the rank badges.
const char* PETITS[10] = {
    "####.##.##.####", ".#.##..#..#.###", "###..#####..###", "###..####..####", "#.##.####..#..#",
    "####..###..####", "####..####.####", "###..#..#..#..#", "####.#####.####", "####.####..####"};

void petitChiffre(Toile& t, int x, int y, int n, Couleur c) {
    for (int j = 0; j < 5; ++j)
        for (int i = 0; i < 3; ++i)
            if (PETITS[n][j * 3 + i] == '#') t.point(x + i, y + j, c);
}

// A mahjong tile in small for the rule pictures: ivory face, jade relief on
// the right and below, and a few circles as its sign.
void tuile(Toile& t, int x, int y, int sorte, Couleur teinteFace = IVOIRE) {
    t.rect(x + 2, y + 2, 14, 18, JADE0);
    t.rect(x, y, 14, 18, teinteFace);
    t.rect(x, y + 17, 14, 1, IVOIRE_SOMBRE);
    t.rect(x + 13, y, 1, 18, IVOIRE_OMBRE);
    const Couleur c = sorte == 0 ? ROUGE : sorte == 1 ? JADE1 : BLEU;
    if (sorte == 0) {
        trace::ovale(t, x + 7, y + 9, 4, 4, c);
        trace::ovale(t, x + 7, y + 9, 2, 2, teinteFace);
        t.point(x + 6, y + 8, c);
    } else if (sorte == 1) {
        for (int k = 0; k < 3; ++k)
            t.rect(x + 3 + k * 3, y + 4, 2, 10, c);
    } else {
        for (int k = 0; k < 2; ++k)
            for (int l = 0; l < 2; ++l)
                trace::ovale(t, x + 4.5 + k * 5, y + 5.5 + l * 7, 2, 2, c);
    }
}

void cadreTuile(Toile& t, int x, int y, Couleur c) {
    t.cadre(x - 2, y - 2, 18, 22, c);
}

void regle(Toile& t, const QString& sorte) {
    auto dessus = [&](Toile& c) {
        c.contour(CONTOUR);
        t.poser(c, 0, 0);
    };
    Toile c(t.largeur(), t.hauteur());
    // No words in the pictures: the scene writes its own, in the player's language.
    // A felt panel behind the picture.
    t.rect(0, 0, t.largeur(), t.hauteur(), coul(0x14102a, 220));
    t.cadre(0, 0, t.largeur(), t.hauteur(), VIOLET2);
    if (sorte == "paire") {
        // Two matching free tiles, picked one after the other, vanish in sparks.
        tuile(c, 14, 20, 0);
        tuile(c, 44, 20, 0);
        tuile(c, 84, 20, 0, coul(0xfff2c0));
        dessus(c);
        cadreTuile(t, 14, 20, OR);
        cadreTuile(t, 44, 20, OR);
        for (int k = 0; k < 8; ++k) {
            const double a = k * PI / 4;
            t.point(int(91 + 14 * std::cos(a)), int(30 + 16 * std::sin(a)), OR_CLAIR);
        }
        // An arrow to the vanishing pair.
        t.rect(66, 29, 10, 2, OR);
        t.point(76, 28, OR);
        t.point(76, 31, OR);
        t.point(77, 29, OR);
        t.point(77, 30, OR);
    } else if (sorte == "combo") {
        // Two pairs, one quickly after the other: the incense clock shows 3 s.
        tuile(c, 8, 18, 1);
        tuile(c, 26, 18, 1);
        tuile(c, 74, 18, 2);
        tuile(c, 92, 18, 2);
        dessus(c);
        trace::ovale(t, 60, 27, 8, 8, IVOIRE_OMBRE);
        trace::ovale(t, 60, 27, 7, 7, NUIT1);
        t.rect(60, 21, 1, 7, OR);
        t.rect(60, 27, 4, 1, OR);
        lettres::ecrire(t, 57, 40, "3", 1, [](int) { return OR_CLAIR; });
        // An arc from the first pair to the second, and sparks over the second.
        for (int x = 22; x <= 98; ++x) {
            const double u = (x - 22) / 76.0;
            t.point(x, 56 - int(std::lround(6 * std::sin(PI * u))), u < 0.5 ? JADE3 : OR);
        }
        t.rect(96, 55, 3, 1, OR);
        t.rect(97, 54, 1, 3, OR);
        for (int k = 0; k < 6; ++k) {
            const double a = k * PI / 3 + 0.3;
            t.point(int(97 + 13 * std::cos(a)), int(27 + 14 * std::sin(a)),
                    k % 2 ? ROSE_CLAIR : OR_CLAIR);
        }
        lettres::ecrire(t, 8, 4, "1", 1, [](int) { return JADE3; });
        lettres::ecrire(t, 74, 4, "2", 1, [](int) { return JADE3; });
    } else {
        // Left: a tile free on one side, ticked; right: a tile held on both
        // sides, crossed.
        tuile(c, 14, 22, 2);
        tuile(c, 30, 22, 1);
        tuile(c, 90, 22, 1);
        tuile(c, 106, 22, 2);
        tuile(c, 122, 22, 0);
        dessus(c);
        cadreTuile(t, 14, 22, JADE3);
        cadreTuile(t, 106, 22, ROUGE_VIF);
        // Tick.
        for (int k = 0; k < 3; ++k)
            t.rect(16 + k, 48 + k, 2, 2, JADE3);
        for (int k = 0; k < 6; ++k)
            t.rect(19 + k, 50 - k, 2, 2, JADE3);
        // Cross.
        for (int k = 0; k < 7; ++k) {
            t.rect(109 + k, 46 + k, 2, 2, ROUGE_VIF);
            t.rect(115 - k, 46 + k, 2, 2, ROUGE_VIF);
        }
    }
}

} // namespace

bool dessinerEcrans(const QString& nom, const Gabarit& g, Bande& b) {
    if (!nom.startsWith("ecrans_")) return false;
    const int n = b.nombre();
    if (nom == "ecrans_logo") {
        for (int i = 0; i < n; ++i) {
            Toile& t = b.image(i);
            titre(t, "TESSIMORA", 4, eclat(i, n, g.l), false);
            // A glint on the first letter once the shine has passed.
            if (i >= n - 3) {
                const int x = 19 + (i == n - 1 ? 2 : 0);
                t.point(x, 4, BLANC);
                t.point(x - 1, 5, OR_CLAIR);
                t.point(x + 1, 5, OR_CLAIR);
                t.point(x, 6, OR_CLAIR);
            }
        }
    } else if (nom.startsWith("ecrans_titre_")) {
        QString texte = nom.mid(13).toUpper().replace('_', ' ');
        const int e = g.h >= 34 ? 4 : 2;
        for (int i = 0; i < n; ++i)
            titre(b.image(i), texte, e, eclat(i, n, g.l), texte == "VS");
    } else if (nom == "ecrans_lanterne_logo") {
        Toile& t = b.image(0);
        t.rect(12, 0, 2, 3, OR_SOMBRE);
        Toile c(g.l, g.h);
        trace::ovale(c, 13, 18, 12, 13, ROUGE);
        trace::ovale(c, 13, 18.5, 8, 10, ROUGE_VIF);
        trace::ovale(c, 13, 19, 4.5, 5.5, OR);
        trace::ovale(c, 13, 19.5, 2, 2.5, OR_CLAIR);
        for (int s : {-1, 1})
            trace::trait(c, 13 + s * 6.5, 8, 13 + s * 6.5, 29, 0.5, ROUGE_SOMBRE);
        c.rect(7, 3, 12, 3, OR);
        c.rect(7, 30, 12, 3, OR_SOMBRE);
        c.rect(12, 33, 2, 3, OR);
        c.contour(CONTOUR);
        t.poser(c, 0, 0);
    } else if (nom == "ecrans_lanterne_menu_eteinte" || nom == "ecrans_lanterne_menu_allumee") {
        for (int i = 0; i < n; ++i)
            lanterneMenu(b.image(i), nom.endsWith("allumee"), i);
    } else if (nom.startsWith("ecrans_icone_")) {
        const QString quoi = nom.mid(13);
        for (const Icone& ic : icones())
            if (quoi == ic.nom) {
                b.image(0).carte(
                    0, 0, ic.carte,
                    {{'o', CONTOUR}, {'a', ic.a}, {'b', ic.b}, {'c', ic.c}, {'d', ic.d}});
                b.image(1).carte(
                    0, 0, ic.carte,
                    {{'o', CONTOUR}, {'a', GRIS1}, {'b', GRIS2}, {'c', GRIS2}, {'d', NUIT2}});
            }
    } else if (nom == "ecrans_corde") {
        // Twisted rope, two strands, repeating every 4 pixels so it tiles.
        Toile& t = b.image(0);
        for (int x = 0; x < g.l; ++x) {
            const int p = x % 4;
            t.point(x, 1, CONTOUR);
            t.point(x, 4, CONTOUR);
            for (int y = 2; y <= 3; ++y)
                t.point(x, y, ((p + y) % 4) < 2 ? coul(0xc8a060) : coul(0x8a6a3a));
        }
    } else if (nom == "ecrans_brule_parfum") {
        b.image(0).carte(0, 0,
                         {"....oooo....", "..ooccccoo..", "oobbbbbbbboo", ".obaaaaaabo.",
                          ".oaaaaaaaao.", "..oaooooao..", "..oo....oo.."},
                         {{'o', CONTOUR}, {'a', OR_SOMBRE}, {'b', OR}, {'c', GRIS2}});
    } else if (nom == "ecrans_braise") {
        const Couleur c[3][4] = {{ORANGE, OR, ROUGE_VIF, ORANGE},
                                 {OR, OR_CLAIR, ORANGE, OR},
                                 {ROUGE_VIF, ORANGE, ROUGE, ROUGE_VIF}};
        for (int i = 0; i < n; ++i)
            for (int k = 0; k < 4; ++k)
                b.image(i).point(k % 2, k / 2, c[i % 3][k]);
    } else if (nom == "ecrans_lampion_allume" || nom == "ecrans_lampion_eteint") {
        const bool allume = nom.endsWith("allume");
        Toile& t = b.image(0);
        Toile c(g.l, g.h);
        trace::ovale(c, 7.5, 8, 7, 6, allume ? ROUGE : coul(0x4a1a2a));
        if (allume) {
            trace::ovale(c, 7.5, 8.5, 4, 3.5, ORANGE);
            trace::ovale(c, 7.5, 8.5, 2, 2, OR);
        }
        c.rect(4, 1, 7, 2, allume ? OR : OR_SOMBRE);
        c.rect(4, 13, 7, 2, allume ? OR_SOMBRE : BRUN);
        for (int s : {-1, 1})
            trace::trait(c, 7.5 + s * 3, 3, 7.5 + s * 3, 13, 0.45,
                         allume ? ROUGE_SOMBRE : coul(0x2e1020));
        c.contour(CONTOUR);
        t.poser(c, 0, 0);
    } else if (nom == "ecrans_rang") {
        // Gold, silver and bronze medals for the podium, jade tokens below.
        for (int i = 0; i < n; ++i) {
            Toile& t = b.image(i);
            const Couleur fond = i == 0 ? OR : i == 1 ? GRIS3 : i == 2 ? coul(0xd08040) : JADE1;
            const Couleur clair = i == 0   ? OR_CLAIR
                                  : i == 1 ? BLANC
                                  : i == 2 ? coul(0xf0b070)
                                           : JADE3;
            if (i < 3) {
                t.rect(2, 0, 2, 4, i == 0 ? ROUGE : i == 1 ? BLEU : JADE1);
                t.rect(6, 0, 2, 4, i == 0 ? ROUGE : i == 1 ? BLEU : JADE1);
            }
            Toile c(10, 13);
            trace::ovale(c, 5, 7.5, 4.5, 4.5, fond);
            trace::ovale(c, 4.5, 6.5, 2, 2, clair);
            trace::ovale(c, 5, 7.5, 3.2, 3.2, fond);
            c.contour(CONTOUR);
            t.poser(c, 0, 0);
            const Couleur encre = i < 3 ? CONTOUR : JADE4;
            if (i + 1 < 10)
                petitChiffre(t, 4, 5, i + 1, encre);
            else {
                petitChiffre(t, 1, 5, 1, encre);
                petitChiffre(t, 5, 5, 0, encre);
            }
        }
    } else if (nom == "ecrans_lettre_allumee" || nom == "ecrans_lettre_eteinte") {
        // The tall lantern behind a letter of the name entry.
        const bool allume = nom.endsWith("allumee");
        Toile& t = b.image(0);
        Toile c(g.l, g.h);
        trace::ovale(c, 10, 13, 9.5, 11, allume ? ROUGE : coul(0x3a1a30));
        trace::ovale(c, 10, 13, 7, 9, allume ? ROUGE_VIF : coul(0x2a1228));
        if (allume) trace::ovale(c, 10, 13.5, 5, 6.5, coul(0xf04a3a));
        c.rect(5, 0, 10, 3, allume ? OR : OR_SOMBRE);
        c.rect(5, 23, 10, 3, allume ? OR_SOMBRE : BRUN);
        c.contour(CONTOUR);
        t.poser(c, 0, 0);
    } else if (nom.startsWith("ecrans_regle_")) {
        regle(b.image(0), nom.mid(13));
    } else if (nom == "ecrans_trame") {
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 4; ++x)
                if ((x + y) % 2 == 0) b.image(0).point(x, y, coul(0x0a0618));
    } else if (nom == "ecrans_compte") {
        for (int i = 0; i < n; ++i)
            titre(b.image(i), QString::number(i), 4, -100, i <= 3);
    } else {
        return false;
    }
    return true;
}
