// Play effects: the lantern that leaves a removed tile, sparks, banners, logos,
// veils, the paw, the coin and the big digits. Sizes and frame counts come from
// the table; each drawer fills the frames it is given.

#include "familles.h"
#include "lettres.h"

#include <QtMath>
#include <array>

using namespace palette;

namespace {

constexpr double PI = 3.14159265358979;

// A vertical colour ramp for words, top to bottom.
using Rampe = std::vector<Couleur>;
const Rampe RAMPE_OR = {OR_CLAIR, OR_CLAIR, OR, OR, OR, OR, ORANGE};
const Rampe RAMPE_ROUGE = {ROSE_CLAIR, ROSE_CLAIR, ROUGE_CLAIR, ROUGE_CLAIR,
                           ROUGE_VIF,  ROUGE_VIF,  ROUGE};
const Rampe RAMPE_JADE = {JADE4, JADE4, JADE3, JADE3, JADE2, JADE2, JADE1};
const Rampe RAMPE_BLANC = {BLANC,          BLANC,          BLANC,         BLANC,
                           coul(0xffe0e8), coul(0xffe0e8), coul(0xffe0e8)};
const Rampe RAMPE_FEU = {OR_CLAIR, OR, ORANGE, ROUGE_CLAIR, ROUGE_VIF, ROUGE, ROUGE_SOMBRE};

// A word in the game's banner style: a ramp inside, a darker extrusion below,
// a 1-pixel dark outline all round. `decalage` rotates the ramp (for colour
// cycling), `reflet` draws a light diagonal band at that x (none when < -100).
void mot(Toile& t, const QString& texte, int e, const Rampe& rampe, Couleur extrusion,
         int decalage = 0, int reflet = -1000, int y = -1) {
    const int l = lettres::largeur(texte, e);
    const int x = (t.largeur() - l) / 2;
    const int h = lettres::HAUTEUR * e;
    if (y < 0) y = (t.hauteur() - h - std::max(1, e / 2)) / 2;
    const int ep = std::max(1, e / 2);
    Toile lettres(t.largeur(), t.hauteur());
    for (int k = ep; k >= 1; --k)
        lettres::ecrire(lettres, x, y + k, texte, e, [&](int) { return extrusion; });
    lettres::ecrire(lettres, x, y, texte, e, [&](int ligne) {
        const int n = int(rampe.size());
        const int i = (ligne * n / h + decalage) % n;
        return rampe[i];
    });
    if (reflet > -100)
        lettres.teindre([&](int px, int py, Couleur c) {
            const int d = px + py / 2 - reflet;
            if (c != extrusion && d >= 0 && d < std::max(3, e + 1))
                return d == 0 ? OR_CLAIR : BLANC;
            return c;
        });
    lettres.contour(CONTOUR_ROUGE, true);
    t.poser(lettres, 0, 0);
}

// A logo: the word flashes white as it lands, then a shine sweeps across it;
// the last frame is clean, since a posed logo holds it.
void logo(Bande& b, const QString& texte, const Rampe& rampe, Couleur extrusion) {
    const int e = b.image(0).hauteur() >= 30 ? 4 : 2;
    const int n = b.nombre();
    const int l = lettres::largeur(texte, e);
    const int x0 = (b.image(0).largeur() - l) / 2;
    mot(b.image(0), texte, e, Rampe(7, BLANC), extrusion);
    // The band lies where x + y / 2 is constant: sweep it from the letters'
    // top-left corner to the middle of the last one.
    const int debut = x0 + 1, fin = x0 + l - 2 * e;
    for (int i = 1; i < n; ++i) {
        const int reflet = i == n - 1 ? -1000 : debut + (i - 1) * (fin - debut) / (n - 3);
        mot(b.image(i), texte, e, rampe, extrusion, 0, reflet);
    }
}

// A red paper lantern centred on (cx, cy): ribbed body, gold caps, a glow inside
// whose strength `lueur` (0..2) flickers, a tassel below.
void lanterne(Toile& t, int cx, int cy, int rx, int ry, int lueur, int balance = 0) {
    t.ellipse(cx, cy, rx, ry, ROUGE);
    t.ellipse(cx, cy, std::max(0, rx - 2), std::max(0, ry - 1), ROUGE_VIF);
    if (lueur > 0)
        t.ellipse(cx, cy, std::max(0, rx / 2), std::max(0, ry / 2), lueur > 1 ? OR : ROUGE_CLAIR);
    if (lueur > 1) t.ellipse(cx, cy, std::max(0, rx / 4), std::max(0, ry / 4), OR_CLAIR);
    // ribs
    for (int j = cy - ry + 1; j <= cy + ry - 1; ++j) {
        if (qAlpha(t.lire(cx - rx / 2 - 1, j))) t.point(cx - rx / 2 - 1, j, ROUGE_SOMBRE);
        if (qAlpha(t.lire(cx + rx / 2 + 1, j))) t.point(cx + rx / 2 + 1, j, ROUGE_SOMBRE);
    }
    // caps
    t.rect(cx - rx / 2, cy - ry - 1, rx + 1, 2, OR);
    t.rect(cx - rx / 2, cy + ry, rx + 1, 2, OR_SOMBRE);
    t.point(cx - rx / 2, cy - ry - 1, OR_CLAIR);
    // tassel
    t.ligne(cx, cy + ry + 2, cx + balance, cy + ry + 5, ROUGE);
    t.point(cx + balance, cy + ry + 5, OR);
}

// A four-pointed star of sparkle.
void etoile(Toile& t, int cx, int cy, int r, Couleur centre, Couleur bras, Couleur bout,
            bool diagonales) {
    for (int k = 1; k <= r; ++k) {
        const Couleur c = k == r ? bout : bras;
        t.point(cx + k, cy, c);
        t.point(cx - k, cy, c);
        t.point(cx, cy + k, c);
        t.point(cx, cy - k, c);
        if (diagonales && k < r) {
            t.point(cx + k, cy + k, bout);
            t.point(cx - k, cy + k, bout);
            t.point(cx + k, cy - k, bout);
            t.point(cx - k, cy - k, bout);
        }
    }
    t.point(cx, cy, centre);
}

// Drops pixels in an ordered pattern: a fade without blending. `part` of the
// pixels (0..1) are kept.
void tramer(Toile& t, double part) {
    static const int BAYER[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    for (int y = 0; y < t.hauteur(); ++y)
        for (int x = 0; x < t.largeur(); ++x)
            if ((BAYER[y % 4][x % 4] + 0.5) / 16.0 >= part) t.point(x, y, TRANSPARENT);
}

void eclair(Bande& b) {
    // The tile (at 8, 8) flashes white, then the light opens out and goes.
    Toile& a = b.image(0);
    a.rect(8, 8, 16, 20, coul(0xffffff, 220));
    a.cadre(7, 7, 18, 22, OR_CLAIR);
    etoile(a, 16, 18, 10, BLANC, OR_CLAIR, OR, false);
    Toile& c = b.image(1);
    c.cadre(5, 5, 22, 26, OR_CLAIR);
    c.cadre(4, 4, 24, 28, OR);
    etoile(c, 16, 18, 15, BLANC, OR_CLAIR, ORANGE, true);
    c.rect(8, 8, 16, 20, coul(0xfff2b0, 90));
    Toile& d = b.image(2);
    for (int i = 0; i < 35; i += 2) {
        d.point(i, 1, OR);
        d.point(i, 38, OR);
    }
    for (int j = 0; j < 40; j += 2) {
        d.point(1, j, OR);
        d.point(33, j, OR);
    }
    etoile(d, 4, 4, 2, BLANC, OR_CLAIR, OR, false);
    etoile(d, 30, 35, 2, BLANC, OR_CLAIR, OR, false);
    etoile(d, 30, 4, 1, BLANC, OR, OR, false);
    etoile(d, 4, 35, 1, BLANC, OR, OR, false);
}

void ecrase(Bande& b) {
    // The tile folds up into a paper lantern round its centre (17, 19).
    const int cx = 17, cy = 19;
    const int l[8] = {16, 16, 14, 12, 10, 10, 12, 12};
    const int h[8] = {20, 15, 11, 9, 9, 11, 12, 12};
    for (int i = 0; i < 8; ++i) {
        Toile& t = b.image(i);
        if (i < 3) {
            const int x = cx - l[i] / 2, y = cy - h[i] / 2;
            t.rect(x, y, l[i], h[i], i == 0 ? IVOIRE : (i == 1 ? IVOIRE_OMBRE : ROSE_CLAIR));
            t.rect(x, y + h[i] - 2, l[i], 2, JADE1);
            t.rect(x, y, l[i], 1, BLANC);
            t.cadre(x - 1, y - 1, l[i] + 2, h[i] + 2, CONTOUR);
            if (i == 1) // creases where it folds
                t.ligne(x + 2, y + 3, x + l[i] - 3, y + h[i] - 4, IVOIRE_SOMBRE);
            if (i == 2) t.ligne(x + 1, y + h[i] / 2, x + l[i] - 2, y + h[i] / 2, ROUGE_CLAIR);
        } else {
            lanterne(t, cx, cy, l[i] / 2, h[i] / 2, i < 5 ? 0 : (i < 7 ? 1 : 2));
            t.contour(CONTOUR);
            if (i >= 6) etoile(t, cx + 6, cy - 6, i == 6 ? 1 : 2, BLANC, OR_CLAIR, OR, false);
        }
    }
}

void lanterneMonte(Bande& b) {
    // Body centred on (10, 8), swaying; sparks drift down behind it.
    const int balance[8] = {0, 1, 1, 1, 0, -1, -1, -1};
    for (int i = 0; i < 8; ++i) {
        Toile& t = b.image(i);
        const int cx = 10 + balance[i] / 2;
        lanterne(t, cx, 8, 6, 6, (i % 3 == 1) ? 1 : 2, balance[i]);
        t.contour(CONTOUR);
        // a trail of embers under it, falling as the lantern climbs
        for (int k = 0; k < 3; ++k) {
            const int y = 18 + ((i * 2 + k * 5) % 15);
            const int x = 10 + ((k * 7 + i) % 5) - 2;
            t.point(x, y, k == 0 ? OR_CLAIR : (k == 1 ? OR : ORANGE));
            if (y + 1 < 34 && k == 0) t.point(x, y + 1, ORANGE);
        }
    }
}

void lanterneEclate(Bande& b) {
    const int c = 14;
    {
        Toile& t = b.image(0);
        lanterne(t, c, c, 7, 7, 2);
        t.disque(c, c, 3, BLANC);
        t.contour(CONTOUR);
    }
    {
        Toile& t = b.image(1);
        t.disque(c, c, 9, ORANGE);
        t.disque(c, c, 7, OR);
        t.disque(c, c, 4, BLANC);
    }
    // Then a ring of red paper and gold bits flying out and thinning.
    for (int i = 2; i < 7; ++i) {
        Toile& t = b.image(i);
        const int r = 7 + i * 2 - (i > 4 ? 1 : 0);
        const int morceaux = 10;
        for (int k = 0; k < morceaux; ++k) {
            const double a = 2 * PI * k / morceaux + i * 0.12;
            const int x = c + arrondi(r * std::cos(a)), y = c + arrondi(r * std::sin(a));
            const bool papier = k % 2 == 0;
            const int taille = i < 4 ? 1 : 0;
            if (papier) {
                t.rect(x - taille, y - taille, 1 + taille, 1 + taille, i < 5 ? ROUGE_VIF : ROUGE);
            } else {
                t.point(x, y, i < 5 ? OR_CLAIR : OR);
                if (i < 4) etoile(t, x, y, 1, BLANC, OR, OR, false);
            }
        }
        if (i == 2) t.cercle(c, c, 5, OR_CLAIR);
        if (i < 6) t.contour(coul(0x1a0f2e, 200));
        if (i == 6) tramer(t, 0.6);
    }
}

void etincelle(Bande& b, Couleur centre, Couleur bras, Couleur bout) {
    const int rayon[6] = {4, 4, 3, 2, 1, 1};
    for (int i = 0; i < 6; ++i) {
        Toile& t = b.image(i);
        if (i == 5) {
            // the last glint: one dim pixel and a speck beside it
            t.point(4, 4, bout);
            t.point(5, 3, bras);
            continue;
        }
        etoile(t, 4, 4, rayon[i], i < 4 ? centre : bras, bras, bout, i == 1 || i == 2);
        if (i == 0) t.disque(4, 4, 1, centre);
    }
}

void poussiere(Bande& b) {
    etoile(b.image(0), 1, 1, 1, IVOIRE, GRIS3, GRIS3, false);
    b.image(1).point(1, 1, IVOIRE);
    b.image(1).point(2, 2, GRIS2);
    etoile(b.image(2), 1, 1, 1, GRIS3, GRIS2, GRIS2, false);
    b.image(3).point(0, 0, GRIS3);
    b.image(3).point(1, 1, GRIS2);
}

void flamme(Bande& b) {
    // A teardrop flame, base at (7, 19), whose tip and sides flicker.
    for (int i = 0; i < b.nombre(); ++i) {
        Toile& t = b.image(i);
        const double phase = 2 * PI * i / b.nombre();
        const int hauteur = 15 + arrondi(2 * std::sin(phase));
        for (int y = 0; y <= hauteur; ++y) {
            const double u = double(y) / hauteur; // 0 at the base, 1 at the tip
            const double largeur =
                5.5 * std::sin(PI * std::min(1.0, 0.25 + u * 0.9)) * (1 - u * 0.6);
            const int ox = arrondi(1.5 * u * std::sin(phase + u * 3));
            const int w = std::max(0, arrondi(largeur));
            for (int x = -w; x <= w; ++x) {
                const double d = std::abs(double(x)) / std::max(1, w);
                Couleur c = ROUGE_VIF;
                if (d < 0.75 && u < 0.8) c = ORANGE;
                if (d < 0.45 && u < 0.55) c = OR;
                if (d < 0.2 && u < 0.3) c = OR_CLAIR;
                t.point(7 + x + ox, 18 - y, c);
            }
        }
        t.contour(coul(0x8a1426));
    }
}

void encens(Bande& b) {
    // A stick of incense in a small gold censer, its tip glowing, a curl of
    // smoke rising and swaying over it.
    for (int i = 0; i < 4; ++i) {
        Toile& t = b.image(i);
        t.rect(4, 8, 1, 7, ROUX);
        t.point(4, 8, ROUGE_VIF);
        t.point(4, 7, i % 2 ? OR : ORANGE);
        if (i % 2 == 0) t.point(4, 6, OR_CLAIR);
        t.carte(1, 14, {".ooooo.", "oYYYYYo", ".oYYYo.", "..ooo.."}, {{'o', OR_SOMBRE}, {'Y', OR}});
        t.point(2, 15, OR_CLAIR);
        for (int y = 0; y < 6; ++y) {
            const int x = 4 + arrondi(1.6 * std::sin((y + i * 1.5) * PI / 3));
            t.point(x, y, y < 2 ? GRIS2 : GRIS3);
        }
    }
}

void combo(Bande& b) {
    // Warm colours rolling down the letters; they never go dark, so the word
    // stays readable over any background.
    const Rampe rampe = {OR_CLAIR, OR_CLAIR, OR, ORANGE, ROUGE_CLAIR, ORANGE, OR};
    for (int i = 0; i < 4; ++i)
        mot(b.image(i), "COMBO", 2, rampe, ROUGE_SOMBRE, (7 - i * 2) % 7, 4 + i * 16);
}

void fever(Bande& b) {
    // Gold letters on fire: tongues of flame flicker along their tops and a
    // shine runs through them.
    for (int i = 0; i < 4; ++i) {
        Toile& t = b.image(i);
        mot(t, "FEVER", 4, RAMPE_OR, i % 2 ? ROUGE : ROUGE_SOMBRE, 0, 8 + i * 28, 4);
        for (int x = 0; x < t.largeur(); ++x) {
            if (t.lire(x, 4) != OR_CLAIR) continue;
            const int h = 1 + ((x / 2) * 7 + i * 3) % 4;
            for (int k = 0; k < h; ++k)
                t.point(x, 3 - k, k == h - 1 ? ROUGE_VIF : (k == 0 ? OR : ORANGE));
        }
    }
}

void twin(Bande& b) {
    const int n = b.nombre();
    for (int i = 0; i < n; ++i)
        mot(b.image(i), "TWIN", 2, RAMPE_JADE, JADE0, 0,
            i == n - 1 ? -1000 : -6 + i * 60 / (n - 1));
    // two little sparks on the last frame, one per tile of the pair
    etoile(b.image(n - 1), 2, 3, 2, BLANC, JADE3, JADE2, false);
    etoile(b.image(n - 1), 49, 16, 2, BLANC, JADE3, JADE2, false);
}

void piece(Bande& b) {
    // A gold coin with its square hole, turning.
    const int demi[6] = {4, 3, 2, 0, 2, 3};
    for (int i = 0; i < 6; ++i) {
        Toile& t = b.image(i);
        const bool revers = i > 3;
        const int rx = demi[i];
        t.ellipse(5, 5, rx, 4, revers ? OR_SOMBRE : OR);
        if (rx >= 2) t.ellipse(5, 5, rx - 1, 3, revers ? OR : OR_CLAIR);
        if (rx >= 3) {
            t.rect(4, 4, 2, 2, CONTOUR);
            t.point(4, 3, revers ? ORANGE : OR);
        } else if (rx >= 1) {
            t.rect(5, 4, 1, 2, CONTOUR);
        } else {
            t.rect(5, 1, 1, 9, OR_SOMBRE);
        }
        t.contour(CONTOUR);
        if (i == 0) t.point(3, 3, BLANC);
    }
}

void patte(Bande& b) {
    // A red panda's paw seen from below, toes up: the middle toe's tip (5, 1) is
    // the anchor. Dark fur, pink pads, so it reads on an ivory face.
    const QStringList repos = {
        "..o.o.o.o..", ".oRoRoRoRo.", ".oporopoRo.", "oRRRRRRRRRo", "oRRRpppRRRo", "oRRpppppRRo",
        "oRRpppppRRo", ".oRRpppRRo.", ".oRRRRRRRo.", "..oRRRRRo..", "...ooooo...",
    };
    const std::map<QChar, Couleur> cle = {{'o', CONTOUR}, {'R', coul(0x4a2418)}, {'p', ROSE}};
    b.image(0).carte(0, 0, repos, cle);
    // Pressed: the toes sink into the paw and the pads light up.
    const std::map<QChar, Couleur> appui = {
        {'o', CONTOUR}, {'R', coul(0x4a2418)}, {'p', ROSE_CLAIR}};
    b.image(1).carte(0, 1, repos.mid(1), appui);
}

void refus(Bande& b) {
    // A red cross over the face that snaps in, shakes and fades.
    const int decal[4] = {0, -1, 1, 0};
    for (int i = 0; i < 4; ++i) {
        Toile& t = b.image(i);
        const int m = i == 0 ? 3 : 2;
        const int x0 = 2 + m + decal[i], x1 = 13 - m + decal[i];
        const int y0 = 3 + m, y1 = 16 - m;
        for (int k = 0; k < 2; ++k) {
            t.ligne(x0 + k, y0, x1 + k, y1, ROUGE_VIF);
            t.ligne(x1 + k, y0, x0 + k, y1, ROUGE_VIF);
        }
        t.ligne(x0, y0, x0 + 2, y0, ROUGE_CLAIR);
        t.contour(CONTOUR_ROUGE);
        t.cadre(0, 0, 16, 20, i == 3 ? ROUGE : ROUGE_VIF);
        if (i == 3) tramer(t, 0.5);
    }
}

void tourbillon(Bande& b) {
    // Three spiral arms turning a third of a turn over the loop.
    const Couleur couleurs[4] = {OR_CLAIR, OR, JADE3, VIOLET3};
    for (int i = 0; i < 8; ++i) {
        Toile& t = b.image(i);
        for (int bras = 0; bras < 3; ++bras)
            for (int k = 0; k < 40; ++k) {
                const double r = 3 + k * 0.5;
                const double a = bras * 2 * PI / 3 + r * 0.22 + i * (2 * PI / 3) / 8;
                const int x = 24 + arrondi(r * std::cos(a)), y = 24 + arrondi(r * std::sin(a));
                const Couleur c = couleurs[std::min(3, k / 10)];
                t.point(x, y, c);
                if (k < 30) {
                    t.point(x + 1, y, c);
                    t.point(x, y + 1, c);
                }
            }
        t.disque(24, 24, 1, BLANC);
        t.contour(coul(0x1a0f2e, 160));
    }
}

// Soft round clouds: a few discs with a lighter top, outlined.
void nuage(Toile& t, const std::vector<std::array<int, 3>>& boules, Couleur c, Couleur clair,
           Couleur bord) {
    for (const auto& o : boules)
        t.disque(o[0], o[1], o[2], c);
    for (const auto& o : boules)
        t.disque(o[0] - o[2] / 3, o[1] - o[2] / 3, std::max(0, o[2] / 2), clair);
    t.contour(bord);
}

void bouffee(Bande& b) {
    for (int i = 0; i < 6; ++i) {
        Toile& t = b.image(i);
        const int r = 4 + i;
        const int e = 3 + i;
        nuage(t,
              {{{14, 12, r}},
               {{14 - e, 12 + 1, r - 1}},
               {{14 + e, 12 + 1, r - 1}},
               {{14, 12 - e / 2 - 1, r - 2}}},
              GRIS2, GRIS3, VIOLET1);
        if (i >= 3) tramer(t, 1.0 - (i - 2) * 0.22);
    }
}

void voileFumee(Bande& b) {
    // Incense smoke over a tile at (2, 2): thick enough to hide its face.
    for (int i = 0; i < 4; ++i) {
        Toile& t = b.image(i);
        const double a = i * PI / 2;
        std::vector<std::array<int, 3>> boules;
        for (int k = 0; k < 6; ++k) {
            const double ak = a + k * PI / 3;
            boules.push_back({{12 + arrondi(5 * std::cos(ak)), 14 + arrondi(6 * std::sin(ak)),
                               6 + (k + i) % 2}});
        }
        boules.push_back({{12, 14, 7}});
        nuage(t, boules, VIOLET2, GRIS2, VIOLET1);
        for (int k = 0; k < 3; ++k) {
            const double ak = -a + k * 2 * PI / 3;
            t.point(12 + arrondi(4 * std::cos(ak)), 14 + arrondi(4 * std::sin(ak)), GRIS3);
        }
    }
}

void eclats(Bande& b) {
    // A chip of tile tumbling: ivory face, jade edge.
    const QStringList formes[4] = {
        {"..o.....", ".oIo....", ".oIIo...", "oIIIIo..", "oJJJJJo.", ".ooooo..", "........",
         "........"},
        {"........", "..oooo..", ".oIIIJo.", ".oIIJo..", ".oIJo...", ".oJo....", "..o.....",
         "........"},
        {"........", "........", "..ooooo.", ".oJJJJJo", "..oIIIIo", "...oIIo.", "....oIo.",
         ".....o.."},
        {"........", ".....o..", "....oJo.", "...oJIo.", "..oJIIo.", ".oJIIIo.", "..oooo..",
         "........"},
    };
    for (int i = 0; i < 4; ++i)
        b.image(i).carte(0, 0, formes[i], {{'o', CONTOUR}, {'I', IVOIRE}, {'J', JADE1}});
}

void retournement(Bande& b) {
    // The jade back turns edge-on and the face comes round.
    const QImage dos = tuiles::tuile(tuiles::VOILE).image();
    auto compresse = [](const QImage& src, Toile& t, double k) {
        const int cx = 9;
        for (int y = 0; y < 24; ++y)
            for (int x = 0; x < 19; ++x) {
                const int sx = cx + arrondi((x - cx) / k);
                if (sx >= 0 && sx < 19 && k > 0) t.point(x, y, src.pixel(sx, y));
            }
    };
    compresse(dos, b.image(0), 0.55);
    Toile& tranche = b.image(1);
    tranche.rect(7, 1, 4, 22, CONTOUR);
    tranche.rect(8, 2, 1, 20, JADE2);
    tranche.rect(9, 2, 1, 20, IVOIRE);
    Toile face(19, 24);
    face.rect(0, 0, 16, 20, CONTOUR);
    face.rect(1, 1, 14, 18, IVOIRE);
    face.rect(1, 1, 14, 1, BLANC);
    compresse(face.image(), b.image(2), 0.55);
    // Last frame: only a glint on the corners, the real face shows through.
    Toile& fin = b.image(3);
    etoile(fin, 2, 2, 2, BLANC, OR_CLAIR, OR, false);
    etoile(fin, 13, 17, 2, BLANC, OR_CLAIR, OR, false);
    fin.cadre(0, 0, 16, 20, coul(0xfff2b0, 160));
}

void refletPrise(Bande& b) {
    // A gold frame on the face, and a light band that sweeps across it once.
    for (int i = 0; i < 8; ++i) {
        Toile& t = b.image(i);
        t.cadre(1, 1, 14, 18, coul(0xffd040, 200));
        if (i == 0 || i == 7) {
            etoile(t, i == 0 ? 2 : 13, i == 0 ? 2 : 17, 1, BLANC, OR_CLAIR, OR, false);
            continue;
        }
        const int p = -6 + i * 4;
        for (int y = 2; y < 18; ++y)
            for (int x = 2; x < 14; ++x) {
                const int d = x + y / 2 - p;
                if (d >= 0 && d < 3)
                    t.point(x, y, d == 1 ? coul(0xffffff, 190) : coul(0xfff2b0, 120));
            }
    }
}

void poulsIndice(Bande& b) {
    const Couleur bord[4] = {ROSE, ROSE_CLAIR, BLANC, ROSE_CLAIR};
    const int epaisseur[4] = {1, 2, 2, 1};
    for (int i = 0; i < 4; ++i) {
        Toile& t = b.image(i);
        for (int k = 0; k < epaisseur[i]; ++k)
            t.cadre(k, k, 16 - 2 * k, 20 - 2 * k, k == 0 ? bord[i] : ROSE);
        if (i == 2)
            for (auto [x, y] :
                 {std::pair{0, 0}, std::pair{15, 0}, std::pair{0, 19}, std::pair{15, 19}})
                t.point(x, y, OR_CLAIR);
    }
}

void glisse(Bande& b) {
    // Speed lines trailing to the left of a tile at (6, 0).
    for (int i = 0; i < 3; ++i) {
        Toile& t = b.image(i);
        for (int k = 0; k < 5; ++k) {
            const int y = 3 + k * 4 + (i + k) % 2;
            const int l = 2 + (k * 3 + i * 2) % 4;
            for (int x = 6 - l; x < 6; ++x)
                t.point(x - (i % 2), y, x == 5 ? BLANC : GRIS3);
        }
        t.rect(6, 1, 1, 19, coul(0xffffff, 120 + 40 * i));
    }
}

Rampe rampeDuStyle(const QString& style) {
    if (style == "blanc") return RAMPE_BLANC;
    if (style == "rouge") return RAMPE_ROUGE;
    if (style == "jade") return RAMPE_JADE;
    return RAMPE_OR;
}

void chiffres(Bande& b, const QString& style) {
    // Frames follow "0123456789+×-": 10 x 14 digits with an outline and a drop.
    const QString ordre = QString::fromUtf8("0123456789+\u00d7-");
    const Rampe rampe = rampeDuStyle(style);
    const Couleur contour = style == "jade" ? JADE_NUIT : CONTOUR_ROUGE;
    for (int i = 0; i < ordre.size() && i < b.nombre(); ++i) {
        Toile& t = b.image(i);
        Toile c(16, 20);
        lettres::ecrire(c, 2, 3, QString(ordre[i]), 2, [&](int) { return contour; });
        lettres::ecrire(c, 2, 2, QString(ordre[i]), 2,
                        [&](int ligne) { return rampe[ligne * 7 / 14]; });
        c.contour(contour, true);
        t.poser(c, 0, 0);
    }
}

void voileBande(Bande& b) {
    // The night colour over 10, 30 and 50 % of the pixels, spread evenly: the
    // cell of ten pixels along each diagonal holds 1, 3 or 5 of them.
    const int parDix[3] = {1, 3, 5};
    static const int ORDRE[10] = {0, 5, 2, 7, 4, 9, 1, 6, 3, 8};
    for (int f = 0; f < 3; ++f)
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 384; ++x)
                if (ORDRE[(x + 3 * y) % 10] < parDix[f] * 2 && ORDRE[(x + 3 * y) % 10] % 2 == 0)
                    b.image(f).point(x, y, NUIT0);
}

void flash(Bande& b) {
    const int alpha[3] = {230, 150, 70};
    for (int i = 0; i < 3; ++i)
        b.image(i).rect(0, 0, 384, 224, coul(0xfff8f0, alpha[i]));
}

} // namespace

bool dessinerEffets(const QString& nom, const Rangee&, Bande& b) {
    struct Logo {
        const char* nom;
        const char* texte;
        const Rampe* rampe;
        Couleur extrusion;
    };
    static const Logo LOGOS[] = {
        {"ready", "READY", &RAMPE_OR, ROUGE},
        {"go", "GO!", &RAMPE_FEU, ROUGE_SOMBRE},
        {"stage", "STAGE", &RAMPE_OR, ROUGE},
        {"stage_clear", "STAGE CLEAR", &RAMPE_JADE, JADE0},
        {"all_clear", "ALL CLEAR", &RAMPE_JADE, JADE0},
        {"time_up", "TIME UP", &RAMPE_ROUGE, ROUGE_SOMBRE},
        {"no_more_pairs", "NO MORE PAIRS", &RAMPE_ROUGE, ROUGE_SOMBRE},
        {"game_over", "GAME OVER", &RAMPE_ROUGE, VIOLET1},
        {"continue", "CONTINUE?", &RAMPE_OR, VIOLET2},
        {"perfect", "PERFECT", &RAMPE_OR, ROUGE},
        {"boss", "BOSS", &RAMPE_ROUGE, VIOLET1},
        {"win", "WIN", &RAMPE_OR, ROUGE},
        {"lose", "LOSE", &RAMPE_BLANC, VIOLET2},
        {"pause", "PAUSE", &RAMPE_BLANC, VIOLET2},
    };
    if (nom.startsWith("effets_logo_")) {
        for (const auto& l : LOGOS)
            if (nom == QString("effets_logo_") + l.nom) {
                logo(b, l.texte, *l.rampe, l.extrusion);
                return true;
            }
        return false;
    }
    if (nom.startsWith("chiffres_")) {
        chiffres(b, nom.mid(9));
        return true;
    }
    if (nom == "effets_etincelle_or")
        etincelle(b, BLANC, OR, ORANGE);
    else if (nom == "effets_etincelle_rose")
        etincelle(b, BLANC, ROSE_CLAIR, ROSE);
    else if (nom == "effets_etincelle_blanc")
        etincelle(b, BLANC, GRIS3, BLEU_CLAIR);
    else if (nom == "effets_etincelle_jade")
        etincelle(b, JADE4, JADE3, JADE2);
    else if (nom == "effets_eclair")
        eclair(b);
    else if (nom == "effets_ecrase")
        ecrase(b);
    else if (nom == "effets_lanterne_monte")
        lanterneMonte(b);
    else if (nom == "effets_lanterne_eclate")
        lanterneEclate(b);
    else if (nom == "effets_poussiere")
        poussiere(b);
    else if (nom == "effets_combo")
        combo(b);
    else if (nom == "effets_fever")
        fever(b);
    else if (nom == "effets_flamme")
        flamme(b);
    else if (nom == "effets_twin")
        twin(b);
    else if (nom == "effets_time_bonus")
        logo(b, "TIME BONUS", RAMPE_OR, ROUGE);
    else if (nom == "effets_sec")
        mot(b.image(0), "SEC", 2, RAMPE_BLANC, VIOLET2);
    else if (nom == "effets_encens_bonus")
        encens(b);
    else if (nom == "effets_flash")
        flash(b);
    else if (nom == "effets_voile_bande")
        voileBande(b);
    else if (nom == "effets_tourbillon")
        tourbillon(b);
    else if (nom == "effets_bouffee")
        bouffee(b);
    else if (nom == "effets_voile_fumee")
        voileFumee(b);
    else if (nom == "effets_eclats")
        eclats(b);
    else if (nom == "effets_refus")
        refus(b);
    else if (nom == "effets_piece")
        piece(b);
    else if (nom == "effets_patte")
        patte(b);
    else
        return false;
    return true;
}

bool dessinerTuiles(const QString& nom, const Rangee&, Bande& b) {
    if (nom == "tuiles_reflet_prise")
        refletPrise(b);
    else if (nom == "tuiles_pouls_indice")
        poulsIndice(b);
    else if (nom == "tuiles_retournement")
        retournement(b);
    else if (nom == "tuiles_glisse")
        glisse(b);
    else
        return false;
    return true;
}
