// The four market backgrounds: a still sky, three layers that wrap round every
// 768 pixels, the water and the small animated elements set on them. Layers are
// drawn on a surface wider than they are, every shape placed once per period,
// so that what leaves the right edge comes back on the left without a seam.

#include "couleurs.h"
#include "decors.h"
#include "trace.h"

#include <cmath>
#include <functional>

using namespace palette;
using namespace teinte;

namespace {

constexpr double PI = 3.14159265358979323846;
constexpr int PERIODE = 768;
constexpr int MARGE = 24;

// Ordered dither threshold, 4 x 4, 0..15.
int bayer(int x, int y) {
    static const int M[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    return M[y & 3][x & 3];
}

// A vertical run of colours, each band dithered into the next.
Couleur degradeEn(int x, int y, const std::vector<std::pair<int, Couleur>>& arrets) {
    if (y <= arrets.front().first) return arrets.front().second;
    for (size_t k = 1; k < arrets.size(); ++k)
        if (y < arrets[k].first) {
            const double t =
                double(y - arrets[k - 1].first) / (arrets[k].first - arrets[k - 1].first);
            return t * 16 > bayer(x, y) + 0.5 ? arrets[k].second : arrets[k - 1].second;
        }
    return arrets.back().second;
}

int mod(int a, int n) {
    return ((a % n) + n) % n;
}

// A layer under construction: a surface of the wanted width plus margins, on
// which every shape is repeated at each period.
class Plan {
public:
    explicit Plan(int l) : t(l + 2 * MARGE, 224), largeur(l) {}
    Toile t;
    // Runs a drawing once per period, given the x shift of that copy.
    void rep(const std::function<void(Toile&, int)>& f) {
        for (int k = -1; k * PERIODE < largeur + MARGE; ++k)
            f(t, MARGE + k * PERIODE);
    }
    // Outlines are drawn over the whole surface, margins included, so they
    // wrap like the shapes they surround.
    void contour() { t.contour(CONTOUR); }
    Toile fini() const {
        Toile r(largeur, 224);
        for (int y = 0; y < 224; ++y)
            for (int x = 0; x < largeur; ++x)
                r.point(x, y, t.lire(x + MARGE, y));
        return r;
    }

private:
    int largeur;
};

// A roof with upturned eaves, its ridge at y, eaves at y + h.
void toit(Toile& t, int cx, int y, int demi, int h, Couleur c, Couleur arete) {
    for (int j = 0; j <= h; ++j) {
        const int l = demi * (j + 2) / (h + 2);
        t.rect(cx - l, y + j, 2 * l + 1, 1, c);
    }
    // The curled tips of the eaves.
    for (int s : {-1, 1}) {
        t.point(cx + s * (demi + 1), y + h - 1, c);
        t.point(cx + s * (demi + 2), y + h - 2, c);
        t.point(cx + s * (demi + 1), y + h, c);
    }
    t.rect(cx - demi / 3, y - 1, 2 * (demi / 3) + 1, 1, arete);
}

// ---------------------------------------------------------------- skies

struct Ciel {
    std::vector<std::pair<int, Couleur>> arrets;
    int luneX, luneY, luneR; // 0 radius for none
    bool croissant;
    unsigned graine;
};

Ciel cielDe(const QString& fond) {
    if (fond == "pont")
        return {{{0, NUIT0}, {50, NUIT1}, {120, NUIT2}, {190, NUIT3}}, 300, 46, 16, false, 2};
    if (fond == "temple")
        return {{{0, NUIT0}, {60, VIOLET1}, {140, VIOLET2}, {200, coul(0xb0508a)}},
                70,
                40,
                11,
                true,
                3};
    if (fond == "port")
        return {{{0, NUIT0}, {70, NUIT1}, {150, NUIT2}, {200, coul(0x3a2f6a)}}, 0, 0, 0, false, 4};
    return {{{0, NUIT0}, {60, NUIT1}, {120, VIOLET1}, {180, coul(0x5a2458)}}, 330, 30, 9, true, 1};
}

Toile ciel(const QString& fond, int largeur) {
    const Ciel c = cielDe(fond);
    Toile t(largeur, 224);
    for (int y = 0; y < 224; ++y)
        for (int x = 0; x < largeur; ++x)
            t.point(x, y, degradeEn(x, y, c.arrets));
    // Faint fixed stars, thinning towards the horizon.
    for (int k = 0; k < 90; ++k) {
        const int x = int(trace::hachage(k, c.graine) % unsigned(largeur));
        const int y = int(trace::hachage(k, c.graine, 7) % 140u);
        const unsigned v = trace::hachage(k, c.graine, 9) % 4u;
        t.point(x, y, v == 0 ? GRIS3 : v == 1 ? BLEU_CLAIR : GRIS2);
    }
    if (c.luneR > 0) {
        // The moon with a soft halo, and a bite taken out for a crescent.
        const Couleur halo = trace::melange(t.lire(c.luneX, c.luneY + c.luneR + 5), OR_CLAIR, 0.12);
        trace::ovale(t, c.luneX, c.luneY, c.luneR + 6, c.luneR + 6, halo);
        trace::ovale(t, c.luneX, c.luneY, c.luneR, c.luneR, OR_CLAIR);
        trace::ovale(t, c.luneX - c.luneR * 0.3, c.luneY + c.luneR * 0.2, c.luneR * 0.25,
                     c.luneR * 0.2, IVOIRE_OMBRE);
        trace::ovale(t, c.luneX + c.luneR * 0.35, c.luneY - c.luneR * 0.3, c.luneR * 0.18,
                     c.luneR * 0.18, IVOIRE_OMBRE);
        if (c.croissant)
            trace::ovale(t, c.luneX + c.luneR * 0.55, c.luneY - c.luneR * 0.35, c.luneR * 0.9,
                         c.luneR * 0.9, halo);
    }
    return t;
}

// ---------------------------------------------------------------- far layers

// A skyline of roofs and towers along the horizon, windows lit here and there.
void lointainVille(Plan& p, int base, Couleur masse, Couleur fenetre, unsigned graine) {
    p.rep([&](Toile& t, int o) {
        for (int k = 0; k < 24; ++k) {
            const int x = k * 32 + int(trace::hachage(k, graine) % 12u);
            const int h = 18 + int(trace::hachage(k, graine, 1) % 34u);
            const int l = 18 + int(trace::hachage(k, graine, 2) % 14u);
            t.rect(o + x, base - h, l, 224 - base + h, masse);
            toit(t, o + x + l / 2, base - h - 5, l / 2 + 2, 5, masse, masse);
            for (int j = base - h + 4; j < base + 10; j += 6)
                for (int i = x + 3; i < x + l - 3; i += 5)
                    if (trace::hachage(mod(i, PERIODE), j, graine) % 5u == 0)
                        t.rect(o + i, j, 2, 2, fenetre);
        }
        // A pagoda on the skyline, the tallest thing in the distance.
        const int px = 500;
        for (int e = 0; e < 5; ++e) {
            const int y = base - 70 + e * 13;
            t.rect(o + px - 6 + e, y + 4, 13 - 2 * e + 4 * e, 10, masse);
            toit(t, o + px + 1 + e, y, 9 + 2 * e, 4, masse, masse);
        }
        t.rect(o + px, base - 78, 3, 8, masse);
    });
}

// Rounded mountain ridges, one behind the other.
void montagnes(Plan& p, int base, int amplitude, Couleur c, unsigned graine) {
    p.rep([&](Toile& t, int o) {
        for (int x = 0; x < PERIODE; ++x) {
            double h = 0;
            // Whole numbers of waves over the period keep the ridge seamless.
            h += std::sin(2 * PI * x * 2 / PERIODE + graine) * 0.5;
            h += std::sin(2 * PI * x * 5 / PERIODE + graine * 2.0) * 0.3;
            h += std::sin(2 * PI * x * 11 / PERIODE + graine * 3.0) * 0.12;
            const int y = base - int(std::lround((h + 1) * amplitude * 0.5));
            t.rect(o + x, y, 1, 224 - y, c);
        }
    });
}

// ---------------------------------------------------------------- night market

void marcheMilieu(Plan& p) {
    // Eight stalls, 96 pixels each: a tiled roof, a striped awning with a
    // lantern at its end, a lit back wall, three steaming pots on the counter.
    p.rep([&](Toile& t, int o) {
        t.rect(o, 196, PERIODE, 28, SILHOUETTE2);
        for (int k = 0; k < 8; ++k) {
            const int x = o + 96 * k;
            const bool rouge = k % 2 == 0;
            t.rect(x + 10, 110, 80, 70, BOIS);
            for (int j = 114; j < 170; ++j)
                for (int i = x + 12; i < x + 88; ++i)
                    if ((bayer(i, j) + (j - 114) / 4) < 12) t.point(i, j, LUEUR);
            // Shelves of jars glowing in the back.
            for (int i = x + 18; i < x + 84; i += 9) {
                t.rect(i, 128, 5, 6, rouge ? JADE0 : OR_SOMBRE);
                t.point(i + 1, 129, rouge ? JADE2 : OR);
            }
            t.rect(x + 14, 136, 72, 2, BOIS_CLAIR);
            t.rect(x + 8, 104, 4, 94, BOIS_CLAIR);
            t.rect(x + 88, 104, 4, 94, BOIS_CLAIR);
            toit(t, x + 50, 90, 46, 14, TUILE_TOIT, ROUGE_SOMBRE);
            for (int i = x + 8; i < x + 92; i += 4)
                t.rect(i, 97, 2, 7, coul(0x2a3a66));
            // Awning stripes.
            for (int i = 0; i < 64; ++i) {
                const Couleur c = (i / 6) % 2 ? IVOIRE_OMBRE : (rouge ? ROUGE : JADE1);
                const int bas = 112 + ((i % 6) < 3 ? 1 : 0);
                t.rect(x + 14 + i, 105, 1, bas - 105, c);
            }
            // Counter with its three pots under the steam.
            t.rect(x + 10, 172, 80, 24, BOIS_CLAIR);
            t.rect(x + 10, 172, 80, 2, OR_SOMBRE);
            t.rect(x + 12, 180, 76, 1, BOIS);
            for (int c : {32, 54, 76}) {
                trace::ovale(t, x + c, 168, 7, 5, GRIS1);
                t.rect(x + c - 7, 163, 14, 2, GRIS2);
                t.rect(x + c - 2, 173, 4, 1, ORANGE);
            }
            // A hanging sign with a gold character-like mark.
            t.rect(x + 40, 116, 18, 9, ROUGE_SOMBRE);
            t.rect(x + 44, 118, 10, 1, OR);
            t.rect(x + 48, 117, 2, 7, OR);
            t.rect(x + 45, 121, 8, 1, OR);
        }
    });
    p.contour();
}

void marcheLoin(Plan& p) {
    montagnes(p, 120, 30, SILHOUETTE0, 1);
    lointainVille(p, 140, SILHOUETTE1, coul(0x8a5a3a), 11);
    // Strings of tiny lanterns between the far roofs.
    p.rep([&](Toile& t, int o) {
        for (int k = 0; k < 12; ++k)
            for (int i = 0; i < 64; i += 8) {
                const int y = 120 + int(6 * std::sin(PI * i / 64.0));
                t.point(o + k * 64 + i, y, k % 2 ? ROUGE_CLAIR : OR);
            }
    });
}

void marchePres(Plan& p) {
    p.rep([&](Toile& t, int o) {
        // The rope the near lanterns hang from, sagging between them.
        for (int k = 0; k < 12; ++k)
            for (int i = 0; i <= 64; ++i) {
                const int y = 8 + int(std::lround(7 * std::sin(PI * i / 64.0)));
                t.rect(o + 30 + k * 64 + i, y - 1, 1, 2, BOIS_CLAIR);
            }
        // Paper pennants between the lanterns.
        for (int k = 0; k < 12; ++k)
            for (int f = 1; f < 4; ++f) {
                const int i = f * 16;
                const int y = 8 + int(std::lround(7 * std::sin(PI * i / 64.0)));
                const Couleur c = f == 2 ? OR : (k % 2 ? JADE1 : ROSE);
                trace::triangle(t, o + 30 + k * 64 + i - 3, y, o + 30 + k * 64 + i + 4, y,
                                o + 30 + k * 64 + i + 0.5, y + 7, c);
            }
        // Crates, sacks and baskets along the front edge of the street.
        for (int k = 0; k < 16; ++k) {
            const int x = o + k * 48 + int(trace::hachage(k, 5) % 16u);
            const int sorte = int(trace::hachage(k, 6) % 3u);
            if (sorte == 0) {
                t.rect(x, 204, 18, 20, BOIS_CLAIR);
                t.rect(x, 210, 18, 1, BOIS);
                t.rect(x + 8, 204, 2, 20, BOIS);
            } else if (sorte == 1) {
                trace::ovale(t, x + 9, 216, 10, 9, coul(0x8a6a48));
                t.rect(x + 4, 207, 10, 2, coul(0x5a4030));
            } else {
                t.rect(x, 210, 22, 14, coul(0x9a7040));
                for (int i = 0; i < 22; i += 3)
                    t.rect(x + i, 210, 1, 14, coul(0x6a4a2a));
                trace::ovale(t, x + 6, 209, 3, 2, ORANGE);
                trace::ovale(t, x + 14, 209, 3, 2, ROUGE_VIF);
            }
        }
    });
    p.contour();
}

// ---------------------------------------------------------------- bridge

void pontLoin(Plan& p) {
    montagnes(p, 130, 60, SILHOUETTE0, 4);
    montagnes(p, 160, 34, SILHOUETTE1, 7);
    p.rep([&](Toile& t, int o) {
        // A pagoda on a far hill, windows lit.
        const int px = 180;
        for (int e = 0; e < 4; ++e) {
            const int y = 96 + e * 12;
            t.rect(o + px - 4 - e, y + 3, 9 + 2 * e, 10, SILHOUETTE1);
            t.point(o + px, y + 7, FENETRE);
            toit(t, o + px, y, 7 + 2 * e, 3, SILHOUETTE1, SILHOUETTE1);
        }
        t.rect(o + px - 1, 88, 2, 8, SILHOUETTE1);
    });
}

void pontMilieu(Plan& p) {
    // One long red bridge on four arches across the river; the lanterns
    // hang below its deck.
    p.rep([&](Toile& t, int o) {
        t.rect(o, 100, PERIODE, 3, ROUGE_SOMBRE); // top rail
        t.rect(o, 110, PERIODE, 6, ROUGE);        // deck edge
        t.rect(o, 116, PERIODE, 2, ROUGE_SOMBRE);
        for (int x = 0; x < PERIODE; x += 12)
            t.rect(o + x, 100, 2, 10, ROUGE_SOMBRE); // balusters
        for (int x = 6; x < PERIODE; x += 12)
            t.rect(o + x, 104, 6, 1, ROUGE_SOMBRE);
        for (int a = 0; a < 4; ++a) {
            const int x0 = a * 192;
            // A pier between arches, then the arch's underside.
            t.rect(o + x0, 118, 14, 62, coul(0x6a2a3a));
            t.rect(o + x0 + 2, 118, 2, 62, coul(0x8a3a4a));
            for (int x = 14; x < 192; ++x) {
                const double u = (x - 14) / 178.0;
                const int bas = 118 + int(std::lround(10 + 22 * (1 - std::sin(PI * u))));
                t.rect(o + x0 + x, 118, 1, bas - 118, ROUGE_SOMBRE);
                t.point(o + x0 + x, bas, ROUGE);
            }
            // Gold caps on the posts at each pier.
            t.rect(o + x0 + 4, 96, 6, 4, OR);
            t.rect(o + x0 + 5, 95, 4, 1, OR_CLAIR);
        }
    });
    p.contour();
}

void pontPres(Plan& p) {
    p.rep([&](Toile& t, int o) {
        // The willows' crowns overhead, at the tops of their hanging strands.
        for (int x : {20, 420, 600}) {
            trace::ovale(t, o + x + 20, -4, 30, 12, JADE0);
            trace::ovale(t, o + x + 14, -2, 16, 8, JADE1);
            for (int k = 0; k < 10; ++k)
                t.point(o + x + 4 + int(trace::hachage(k, x) % 34u),
                        int(trace::hachage(k, x, 1) % 6u), JADE2);
        }
        // The near bank: stones and reeds.
        for (int x = 0; x < PERIODE; ++x) {
            const int y = 212 + int(std::lround(3 * std::sin(2 * PI * x * 6 / PERIODE) +
                                                2 * std::sin(2 * PI * x * 17 / PERIODE)));
            t.rect(o + x, y, 1, 224 - y, coul(0x1e2a2a));
        }
        for (int k = 0; k < 30; ++k) {
            const int x = int(trace::hachage(k, 12) % unsigned(PERIODE));
            const int h = 10 + int(trace::hachage(k, 13) % 14u);
            t.ligne(o + x, 214, o + x + (k % 3) - 1, 214 - h, JADE0);
            t.rect(o + x + (k % 3) - 1, 214 - h, 1, 3, BRUN);
        }
        for (int k = 0; k < 10; ++k) {
            const int x = int(trace::hachage(k, 14) % unsigned(PERIODE));
            trace::ovale(t, o + x, 216, 7, 4, GRIS1);
            t.rect(o + x - 4, 213, 5, 1, GRIS2);
        }
    });
    p.contour();
}

// ---------------------------------------------------------------- temple

void templeLoin(Plan& p) {
    montagnes(p, 110, 70, SILHOUETTE1, 9);
    p.rep([&](Toile& t, int o) {
        // Mist lying in the valleys, dithered.
        for (int y = 150; y < 224; ++y)
            for (int x = 0; x < PERIODE; ++x)
                if (bayer(x, y) < (y - 150) / 10 + 2 && t.opaque(o + x, y))
                    t.point(o + x, y, coul(0x4a3a78));
        // Steps of a stair climbing the far hill.
        for (int s = 0; s < 14; ++s)
            t.rect(o + 610 + s * 3, 170 - s * 4, 10, 1, coul(0x4a3a78));
    });
}

void templeMilieu(Plan& p) {
    // Four halls, 192 pixels each: a sweeping two-tier roof whose eave carries
    // a bell, red columns, and two censers in the court.
    p.rep([&](Toile& t, int o) {
        t.rect(o, 170, PERIODE, 54, coul(0x3a2a4a));
        for (int x = 0; x < PERIODE; x += 16)
            t.rect(o + x, 170, 1, 54, coul(0x2a1f3a));
        for (int k = 0; k < 4; ++k) {
            const int x = o + 192 * k;
            // Hall body.
            t.rect(x + 92, 90, 92, 80, BOIS);
            for (int c = 0; c < 5; ++c)
                t.rect(x + 96 + c * 20, 92, 4, 78, ROUGE);
            for (int c = 0; c < 4; ++c)
                t.rect(x + 102 + c * 20, 100, 12, 50, c % 2 ? LUEUR : coul(0x7a3a3a));
            toit(t, x + 138, 56, 62, 16, TUILE_TOIT, OR_SOMBRE);
            toit(t, x + 138, 36, 36, 12, TUILE_TOIT, OR_SOMBRE);
            t.rect(x + 110, 49, 56, 7, ROUGE_SOMBRE);
            t.rect(x + 130, 50, 16, 5, OR_SOMBRE);
            t.rect(x + 84, 70, 6, 2, OR_SOMBRE);   // the bell's beam end
            t.rect(x + 96, 70, 34, 2, BOIS_CLAIR); // beam the bell hangs from
            // Steps to the hall.
            for (int s = 0; s < 3; ++s)
                t.rect(x + 88 + s * 2, 170 + s * 3, 100 - 4 * s, 3, GRIS1);
            // Censers under the two smoke columns: bronze pots on legs.
            for (int c : {68, 164}) {
                trace::ovale(t, x + c, 152, 9, 6, OR_SOMBRE);
                t.rect(x + c - 10, 145, 20, 2, OR);
                t.rect(x + c - 6, 157, 2, 8, OR_SOMBRE);
                t.rect(x + c + 4, 157, 2, 8, OR_SOMBRE);
                t.rect(x + c - 2, 143, 4, 2, ORANGE);
            }
        }
    });
    p.contour();
}

void templePres(Plan& p) {
    p.rep([&](Toile& t, int o) {
        // Plum branches reaching in from the top, in blossom.
        for (int b = 0; b < 3; ++b) {
            const int x0 = b * 256;
            double x = x0, y = 0;
            for (int s = 0; s < 60; ++s) {
                const double nx = x + 2.2,
                             ny = 6 + 18 * std::sin(s / 60.0 * PI) + 4 * std::sin(s / 7.0);
                trace::trait(t, o + x, y, o + nx, ny, 2.2 - s / 40.0, BRUN);
                if (s % 7 == 3) {
                    trace::trait(t, o + nx, ny, o + nx + 6, ny + 10, 1.0, BRUN);
                    trace::ovale(t, o + nx + 7, ny + 11, 2.5, 2.5, ROSE);
                    t.point(o + int(nx) + 7, int(ny) + 11, ROSE_CLAIR);
                }
                if (s % 5 == 1) {
                    trace::ovale(t, o + nx, ny - 2, 2.5, 2.5, ROSE_CLAIR);
                    t.point(o + int(nx), int(ny) - 2, OR);
                }
                x = nx;
                y = ny;
            }
        }
        // Stone lanterns and a low wall along the front.
        t.rect(o, 214, PERIODE, 10, GRIS1);
        for (int x = 0; x < PERIODE; x += 12)
            t.rect(o + x, 214, 1, 10, coul(0x46405e));
        t.rect(o, 213, PERIODE, 1, GRIS2);
        for (int k = 0; k < 3; ++k) {
            const int x = o + 120 + k * 256;
            t.rect(x - 3, 186, 6, 28, GRIS2);
            t.rect(x - 8, 182, 16, 4, GRIS2);
            t.rect(x - 6, 174, 12, 8, GRIS1);
            t.rect(x - 3, 176, 6, 4, FENETRE);
            toit(t, x, 168, 9, 5, GRIS2, GRIS3);
            t.rect(x - 7, 210, 14, 4, GRIS2);
        }
    });
    p.contour();
}

// ---------------------------------------------------------------- harbour

void portLoin(Plan& p) {
    montagnes(p, 150, 40, SILHOUETTE0, 5);
    lointainVille(p, 172, SILHOUETTE1, FENETRE, 21);
    p.rep([&](Toile& t, int o) {
        // A lighthouse on the point.
        t.rect(o + 300, 120, 8, 52, GRIS1);
        t.rect(o + 300, 132, 8, 4, ROUGE_SOMBRE);
        t.rect(o + 300, 150, 8, 4, ROUGE_SOMBRE);
        t.rect(o + 298, 114, 12, 6, OR);
        toit(t, o + 304, 108, 6, 5, SILHOUETTE1, SILHOUETTE1);
    });
}

void portMilieu(Plan& p) {
    // Four junks at anchor, 192 pixels apart, battened sails furled half way;
    // a lantern hangs from each boom.
    p.rep([&](Toile& t, int o) {
        for (int k = 0; k < 4; ++k) {
            const int x = o + 192 * k;
            // Hull: a long curved shape with a raised stern.
            for (int i = 0; i < 120; ++i) {
                const double u = i / 119.0;
                const int haut = 160 - int(std::lround(10 * u * u * u + 4 * (1 - u) * (1 - u)));
                t.rect(x + 40 + i, haut, 1, 184 - haut, BOIS);
                t.point(x + 40 + i, haut, OR_SOMBRE);
                if (i % 6 == 0) t.rect(x + 40 + i, haut + 6, 1, 16, coul(0x3a1828));
            }
            t.rect(x + 44, 170, 112, 2, ROUGE);
            // Masts and sails.
            for (int m : {74, 116}) {
                t.rect(x + m, 62, 2, 98, BOIS_CLAIR);
                const int haut = m == 74 ? 70 : 64;
                for (int j = haut; j < 142; ++j) {
                    const int l = 14 + (j - haut) / 4;
                    t.rect(x + m - l, j, 2 * l + 2, 1,
                           (j - haut) % 9 == 0 ? coul(0x6a2a2a) : coul(0xa04a3a));
                }
            }
            // Boom carrying the lantern at x 90+8, y 118.
            t.rect(x + 76, 116, 40, 2, BOIS_CLAIR);
            // Lit cabin windows.
            for (int w = 0; w < 3; ++w)
                t.rect(x + 130 + w * 7, 150, 4, 4, FENETRE);
        }
        // The quay at the back of the water.
        t.rect(o, 176, PERIODE, 8, coul(0x2a2444));
    });
    p.contour();
}

void portPres(Plan& p) {
    p.rep([&](Toile& t, int o) {
        // Mooring posts standing in the water, rope swagged between them.
        for (int k = 0; k < 6; ++k) {
            const int x = o + 60 + k * 128;
            t.rect(x - 4, 170, 9, 54, BOIS);
            t.rect(x - 3, 170, 2, 54, BOIS_CLAIR);
            t.rect(x - 5, 168, 11, 3, coul(0x5a3a2a));
            for (int i = 0; i <= 128; ++i) {
                const int y = 176 + int(std::lround(10 * std::sin(PI * i / 128.0)));
                t.point(x + i, y, coul(0xb09060));
            }
        }
    });
    p.contour();
}

// ---------------------------------------------------------------- water

Toile eau(const QString& fond, int image) {
    Toile t(PERIODE, 44);
    const bool pont = fond == "pont";
    for (int y = 0; y < 44; ++y)
        for (int x = 0; x < PERIODE; ++x)
            t.point(x, y, degradeEn(x, y, {{0, NUIT2}, {20, NUIT1}, {43, NUIT0}}));
    // Ripples: short light dashes rocking back and forth, so the loop closes.
    for (int k = 0; k < 260; ++k) {
        const int y = int(trace::hachage(k, 31) % 44u);
        const double phase = 2 * PI * image / 4 + k;
        const int x = int(trace::hachage(k, 32) % unsigned(PERIODE)) +
                      int(std::lround((1 + y / 14) * std::sin(phase)));
        const int l = 3 + int(trace::hachage(k, 33) % 6u);
        for (int i = 0; i < l; ++i)
            t.point(mod(x + i, PERIODE), y, y < 14 ? NUIT3 : NUIT2);
    }
    // Reflections of the lanterns (bridge) or the boats' lights (harbour), broken
    // into wobbling dashes.
    std::vector<int> sources;
    if (pont)
        for (int k = 0; k < 10; ++k)
            sources.push_back(30 + 76 * k + 10);
    else
        for (int k = 0; k < 4; ++k)
            sources.push_back(90 + 192 * k + 10);
    for (int sx : sources)
        for (int y = 1; y < 40; y += 3) {
            const int d = int(std::lround(2 * std::sin(y * 0.7 + image * PI / 2)));
            const int l = std::max(1, 5 - y / 9);
            const Couleur c = y < 16 ? OR : ROUGE_SOMBRE;
            for (int i = -l; i <= l; ++i)
                t.point(mod(sx + d + i, PERIODE), y, c);
        }
    return t;
}

// ---------------------------------------------------------------- elements

void etoile(Bande& b) {
    // A twinkle: a point, a small cross, a long cross, the small cross again.
    for (int i = 0; i < 4; ++i) {
        Toile& t = b.image(i);
        t.point(2, 2, BLANC);
        if (i >= 1) {
            for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}})
                t.point(2 + dx, 2 + dy, i == 2 ? OR_CLAIR : GRIS3);
        }
        if (i == 2)
            for (auto [dx, dy] : {std::pair{2, 0}, {-2, 0}, {0, 2}, {0, -2}})
                t.point(2 + dx, 2 + dy, coul(0xfff2b0, 140));
    }
}

// Wisps rising in a loop: sinuous strands whose waves travel upwards, one
// wavelength per loop so that the last frame leads back into the first; they
// widen and fade as they climb.
void volutes(Bande& b, int l, int h, int brins, double ampleur, Couleur c, int alpha) {
    const int n = b.nombre();
    for (int i = 0; i < n; ++i) {
        Toile& t = b.image(i);
        for (int k = 0; k < brins; ++k)
            for (int y = h - 2; y >= 1; --y) {
                const double u = double(h - 2 - y) / (h - 3); // 0 at the source, 1 at the top
                const double onde = 2 * PI * (u * 1.5 - double(i) / n) + k * PI;
                const double x = l / 2.0 + (0.5 + ampleur * u) * std::sin(onde) +
                                 (k - (brins - 1) / 2.0) * u * 2;
                const double r = 0.5 + 1.2 * u;
                const unsigned a = unsigned(alpha * (1 - u * 0.8));
                for (int px = int(std::floor(x - r)); px <= int(std::floor(x + r)); ++px)
                    if (qAlpha(t.lire(px, y)) < int(a)) t.point(px, y, coul(c & 0xffffff, a));
            }
    }
}

void lanterneBalance(Bande& b) {
    const int n = b.nombre();
    for (int i = 0; i < n; ++i) {
        Toile& t = b.image(i);
        const double angle = 0.22 * std::sin(2 * PI * i / n);
        const double px = 10.5, py = 0;
        const double cx = px + 13 * std::sin(angle), cy = py + 13 * std::cos(angle);
        trace::trait(t, px, py, px + 5 * std::sin(angle), 5 * std::cos(angle), 0.5, OR_SOMBRE);
        Toile c(21, 24);
        trace::ovale(c, cx, cy, 7, 6.5, ROUGE);
        trace::ovale(c, cx - 0.5, cy, 4.5, 5.5, ROUGE_VIF);
        trace::ovale(c, cx - 0.5, cy - 0.5, 2, 3, OR);
        for (int s : {-1, 1})
            trace::trait(c, cx + s * 3.5, cy - 5, cx + s * 3.5, cy + 5, 0.45, ROUGE_SOMBRE);
        trace::trait(c, cx - 3.5, cy - 6.5, cx + 3.5, cy - 6.5, 0.9, OR_SOMBRE);
        trace::trait(c, cx - 3.5, cy + 6.5, cx + 3.5, cy + 6.5, 0.9, OR_SOMBRE);
        // Tassel.
        trace::trait(c, cx, cy + 7.5, cx - 2 * std::sin(angle), cy + 10.5, 0.6, OR);
        c.contour(CONTOUR);
        t.poser(c, 0, 0);
    }
}

void petale(Bande& b) {
    const QStringList formes[4] = {
        {"pp.", "pP.", "..."}, {".p.", "pPp", "..."}, {"...", ".Pp", ".pp"}, {"...", "pPp", ".p."}};
    for (int i = 0; i < 4; ++i)
        b.image(i).carte(0, 0, formes[i], {{'p', ROSE}, {'P', ROSE_CLAIR}});
}

void saule(Bande& b) {
    const int n = b.nombre();
    for (int i = 0; i < n; ++i) {
        Toile& t = b.image(i);
        for (int k = 0; k < 9; ++k) {
            const double x0 = 3 + k * 4.3;
            const int long_ = 34 + int(trace::hachage(k, 41) % 28u);
            const double phase = k * 0.9;
            for (int y = 0; y < long_; ++y) {
                const double s = double(y) / 64;
                const double x = x0 + 3.5 * s * s * std::sin(2 * PI * i / n + phase) + 2 * s;
                t.point(int(std::lround(x)), y, (y + k) % 5 == 0 ? JADE3 : (k % 2 ? JADE1 : JADE2));
                if (y % 4 == 2) t.point(int(std::lround(x)) + 1, y, JADE0);
            }
        }
    }
}

void cloche(Bande& b) {
    const int n = b.nombre();
    for (int i = 0; i < n; ++i) {
        Toile& t = b.image(i);
        const double a = 0.18 * std::sin(2 * PI * i / n);
        auto P = [a](double u, double v) {
            return std::pair{10 + u * std::cos(a) + v * std::sin(a),
                             v * std::cos(a) - u * std::sin(a)};
        };
        auto [rx, ry] = P(0, 4);
        trace::trait(t, 10, 0, rx, ry, 0.6, BRUN);
        Toile c(20, 24);
        // The bell: a bronze dome flaring at its mouth, a band and a clapper.
        for (int v = 5; v <= 19; ++v) {
            const double w = 3 + (v - 5) * 0.28 + (v > 16 ? (v - 16) * 0.9 : 0);
            auto [x0, y0] = P(-w, v);
            auto [x1, y1] = P(w, v);
            trace::trait(c, x0, y0, x1, y1, 0.7,
                         v == 12 ? OR : (v < 9 ? OR_SOMBRE : coul(0xd09830)));
        }
        auto [hx, hy] = P(-2, 9);
        c.point(int(hx), int(hy), OR_CLAIR);
        auto [kx, ky] = P(-1.5 * std::sin(2 * PI * i / n), 21);
        trace::ovale(c, kx, ky, 1.6, 1.6, BRUN);
        c.contour(CONTOUR);
        t.poser(c, 0, 0);
    }
}

void lanterneFlottante(Bande& b) {
    const int n = b.nombre();
    for (int i = 0; i < n; ++i) {
        Toile& t = b.image(i);
        const int d = (i == 1 || i == 2) ? 1 : 0;
        // Glow on the water, then the little paper lantern on its float.
        t.rect(1, 12, 10, 1, coul(0xffb050, 120));
        t.rect(3, 13, 6, 1, coul(0xffb050, 70));
        Toile c(12, 14);
        c.rect(2, 10 + d, 8, 2, BOIS);
        c.rect(3, 3 + d, 6, 7, i % 2 ? OR : OR_CLAIR);
        c.rect(4, 4 + d, 4, 5, i % 2 ? ORANGE : OR);
        c.rect(3, 2 + d, 6, 1, ROUGE);
        c.rect(5, 6 + d, 2, 2, BLANC);
        c.contour(CONTOUR);
        t.poser(c, 0, 0);
    }
}

void feu(Bande& b, Couleur vive, Couleur claire) {
    const int n = b.nombre();
    for (int i = 0; i < n; ++i) {
        Toile& t = b.image(i);
        if (i == 0) {
            // The rocket rising.
            t.rect(20, 26, 1, 6, coul(claire & 0xffffff, 120));
            t.point(20, 24, BLANC);
            t.point(20, 25, claire);
            continue;
        }
        const double r = 3 + (i - 1) * 2.8;
        const double chute = i > 4 ? (i - 4) * 1.5 : 0;
        const int rayons = 16;
        for (int k = 0; k < rayons; ++k) {
            const double a = 2 * PI * k / rayons + (k % 2) * 0.12;
            const double x = 20 + r * std::cos(a), y = 20 + r * std::sin(a) + chute;
            const Couleur c = i < 4 ? claire : (i < 6 ? vive : coul(vive & 0xffffff, 150));
            if (i < 7 || k % 2 == 0) t.point(int(std::lround(x)), int(std::lround(y)), c);
            // Short trails behind the sparks while the burst is young.
            for (int q = 1; q <= (i >= 2 && i <= 6 ? 2 : 0); ++q) {
                const double x2 = 20 + (r - 1.6 * q) * std::cos(a);
                const double y2 = 20 + (r - 1.6 * q) * std::sin(a) + chute * (1 - 0.3 * q);
                t.point(int(std::lround(x2)), int(std::lround(y2)),
                        coul(vive & 0xffffff, unsigned(200 - 60 * q)));
            }
        }
        if (i <= 2) trace::ovale(t, 20.5, 20.5, 2, 2, i == 1 ? BLANC : claire);
    }
}

} // namespace

namespace fonds {

Toile plan(const QString& fond, const QString& nom, int largeur) {
    if (nom == "ciel") return ciel(fond, largeur);
    Plan p(largeur);
    static const std::map<QString, std::function<void(Plan&)>> DESSINS = {
        {"marche_loin", marcheLoin}, {"marche_milieu", marcheMilieu}, {"marche_pres", marchePres},
        {"pont_loin", pontLoin},     {"pont_milieu", pontMilieu},     {"pont_pres", pontPres},
        {"temple_loin", templeLoin}, {"temple_milieu", templeMilieu}, {"temple_pres", templePres},
        {"port_loin", portLoin},     {"port_milieu", portMilieu},     {"port_pres", portPres},
    };
    const auto it = DESSINS.find(fond + "_" + nom);
    if (it != DESSINS.end()) it->second(p);
    return p.fini();
}

} // namespace fonds

bool dessinerFonds(const QString& nom, const Gabarit& g, Bande& b) {
    if (nom.startsWith("fond_")) {
        const QStringList parts = nom.split('_');
        if (parts.size() != 3) return false;
        if (parts[2] == "eau") {
            for (int i = 0; i < b.nombre(); ++i)
                b.image(i).poser(eau(parts[1], i), 0, 0);
        } else {
            b.image(0).poser(fonds::plan(parts[1], parts[2], g.l), 0, 0);
        }
        return true;
    }
    if (nom == "fonds_etoile")
        etoile(b);
    else if (nom == "fonds_vapeur")
        volutes(b, g.l, g.h, 2, 3, IVOIRE, 150);
    else if (nom == "fonds_fumee")
        volutes(b, g.l, g.h, 1, 4.5, GRIS3, 150);
    else if (nom == "fonds_fumee_b")
        volutes(b, g.l, g.h, 2, 3.5, VIOLET3, 140);
    else if (nom == "fonds_lanterne_balance")
        lanterneBalance(b);
    else if (nom == "fonds_petale")
        petale(b);
    else if (nom == "fonds_saule")
        saule(b);
    else if (nom == "fonds_cloche")
        cloche(b);
    else if (nom == "fonds_lanterne_flottante")
        lanterneFlottante(b);
    else if (nom == "fonds_feu_or")
        feu(b, OR, OR_CLAIR);
    else if (nom == "fonds_feu_rose")
        feu(b, ROSE, ROSE_CLAIR);
    else if (nom == "fonds_feu_jade")
        feu(b, JADE2, JADE4);
    else
        return false;
    return true;
}
