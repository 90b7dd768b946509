#include "commun/ecran/tube.h"

#include "commun/ecran/affichage.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

struct Cas {
    int l, h;
    const char* mode;
    double courbure;
};

tube::Uniformes pour(const Cas& c, const affichage::Geometrie& g) {
    tube::Entrees e;
    e.echelle = {g.sx, g.sy};
    e.origine = {g.x, g.y};
    e.fenetre = {double(c.l), double(c.h)};
    e.effet.courbure = c.courbure;
    return tube::uniformes(e);
}

affichage::Geometrie geo(const Cas& c) {
    return affichage::geometrie(c.mode, c.l, c.h, crt::LARGEUR, crt::HAUTEUR);
}

const Cas CAS[] = {{1920, 1080, "remplir", 0.5},
                   {1280, 720, "entier", 1},
                   {1366, 768, "etirer", 0.5},
                   {500, 300, "remplir", 0}};

} // namespace

// The picture and the pointer go through one curvature: the point the pass
// shows at a pixel's centre is the one a click there lands on.
TEST(Tube, PassShowsWhereThePointerLands) {
    int vus = 0;
    for (const Cas& c : CAS) {
        const affichage::Geometrie g = geo(c);
        const tube::Uniformes u = pour(c, g);
        for (int py = 7; py < c.h; py += 97) {
            for (int px = 3; px < c.l; px += 89) {
                const auto clic = crt::versJeu(px + 0.5, py + 0.5, c.l, c.h, c.courbure, g);
                if (!clic) continue;
                const tube::Vec2 p = tube::pointNatif(u, px, py, c.l, c.h);
                EXPECT_NEAR(p.x + 0.5, clic->x, 1e-9) << c.l << "x" << c.h << " " << px;
                EXPECT_NEAR(p.y + 0.5, clic->y, 1e-9) << c.l << "x" << c.h << " " << py;
                ++vus;
            }
        }
    }
    EXPECT_GT(vus, 300);
}

// Every texel any pixel of a tile may read, sharp, softened or glowing, lies
// in the blocks the tile is drawn again for: checked at every pixel.
TEST(Tube, TilesCoverEveryTexelTheirPixelsRead) {
    for (const Cas& c : CAS) {
        const tube::Uniformes u = pour(c, geo(c));
        const tube::Retouches r(u, c.l, c.h, {}, 32);
        ASSERT_EQ(r.colonnes(), (c.l + 31) / 32);
        for (int py = 0; py < c.h; ++py) {
            for (int px = 0; px < c.l; ++px) {
                const tube::Vec2 p = tube::pointNatif(u, px, py, c.l, c.h);
                const tube::Retouches::Blocs b = r.blocsDe(px / 32, py / 32);
                auto texel = [](double v, int n) {
                    return std::clamp(int(std::floor(v)), 0, n - 1);
                };
                const int x0 = texel(p.x - 0.25, crt::LARGEUR) / tube::BLOC;
                const int x1 = texel(p.x + 0.25 + 1, crt::LARGEUR) / tube::BLOC;
                const int y0 = texel(p.y - 0.25, crt::HAUTEUR) / tube::BLOC;
                const int y1 = texel(p.y + 0.25 + 1, crt::HAUTEUR) / tube::BLOC;
                if (x0 < b.x0 || x1 > b.x1 || y0 < b.y0 || y1 > b.y1) {
                    ADD_FAILURE() << c.l << "x" << c.h << " pixel " << px << "," << py;
                    return;
                }
            }
        }
    }
}

TEST(Tube, ZonesAreTheTilesOfTheChangedBlocksInRuns) {
    const Cas c = CAS[0];
    const tube::Uniformes u = pour(c, geo(c));
    const crt::Rectangle milieu{100, 60, 1700, 960};
    tube::Retouches r(u, c.l, c.h, milieu, 32);
    std::vector<std::uint8_t> blocs(r.largeurBlocs() * r.hauteurBlocs(), 0);

    // Everything: disjoint rows of runs that tile the window exactly, the
    // middle variant only inside the middle.
    double aire = 0;
    for (const tube::Zone& z : r.zones(blocs, true)) {
        aire += double(z.largeur) * z.hauteur;
        EXPECT_TRUE(z.x >= 0 && z.y >= 0 && z.x + z.largeur <= c.l && z.y + z.hauteur <= c.h);
        const bool dedans = z.x >= milieu.x && z.y >= milieu.y &&
                            z.x + z.largeur <= milieu.x + milieu.largeur &&
                            z.y + z.hauteur <= milieu.y + milieu.hauteur;
        EXPECT_TRUE(dedans || !z.milieu);
    }
    EXPECT_EQ(aire, double(c.l) * c.h);

    EXPECT_TRUE(r.zones(blocs).empty());

    // One changed block: exactly the tiles whose reads take it.
    const int bx = 40, by = 20;
    blocs[by * r.largeurBlocs() + bx] = 1;
    std::vector<bool> attendu(r.colonnes() * r.lignes());
    int tuiles = 0;
    for (int j = 0; j < r.lignes(); ++j)
        for (int i = 0; i < r.colonnes(); ++i) {
            const tube::Retouches::Blocs b = r.blocsDe(i, j);
            attendu[j * r.colonnes() + i] = bx >= b.x0 && bx <= b.x1 && by >= b.y0 && by <= b.y1;
            tuiles += attendu[j * r.colonnes() + i];
        }
    ASSERT_GT(tuiles, 0);
    int vues = 0;
    for (const tube::Zone& z : r.zones(blocs)) {
        for (int x = z.x; x < z.x + z.largeur; x += 32) {
            EXPECT_TRUE(attendu[(z.y / 32) * r.colonnes() + x / 32]);
            ++vues;
        }
    }
    EXPECT_EQ(vues, tuiles);
    // A few native pixels stand for a few dozen window pixels each way.
    EXPECT_LT(tuiles, 12);
}

TEST(Tube, ComparisonMarksOnlyTheBlocksThatDiffer) {
    // Three columns and three rows of blocks, the last ones narrow.
    const int B = tube::BLOC, l = 2 * B + 2, h = 2 * B + 1;
    std::vector<std::uint32_t> a(l * h, 7), b = a;
    std::vector<std::uint8_t> blocs(3 * 3, 0);
    EXPECT_FALSE(tube::comparer(a.data(), b.data(), l, h, blocs));
    EXPECT_EQ(std::count(blocs.begin(), blocs.end(), 1), 0);

    b[(h - 1) * l + l - 1] = 8; // last row, last column
    b[1 * l + B] = 0;           // first block row, middle column
    EXPECT_TRUE(tube::comparer(a.data(), b.data(), l, h, blocs));
    EXPECT_EQ(blocs, (std::vector<std::uint8_t>{0, 1, 0, 0, 0, 0, 0, 0, 1}));

    // Marks are only ever added.
    EXPECT_FALSE(tube::comparer(a.data(), a.data(), l, h, blocs));
    EXPECT_EQ(std::count(blocs.begin(), blocs.end(), 1), 2);
}

TEST(Tube, GlowBlocksSpreadAndComeOutAsRowRuns) {
    std::vector<std::uint8_t> entre(6 * 5), etendus(6 * 5, 7);
    // One block, spread by one and by two, clipped at the edges.
    std::vector<std::uint8_t> blocs(6 * 5, 0);
    blocs[1 * 6 + 0] = 1;
    tube::etendre(blocs, 6, 5, 1, entre, etendus);
    EXPECT_EQ(etendus, (std::vector<std::uint8_t>{1, 1, 0, 0, 0, 0, //
                                                  1, 1, 0, 0, 0, 0, //
                                                  1, 1, 0, 0, 0, 0, //
                                                  0, 0, 0, 0, 0, 0, //
                                                  0, 0, 0, 0, 0, 0}));
    blocs[4 * 6 + 5] = 1;
    tube::etendre(blocs, 6, 5, 2, entre, etendus);
    EXPECT_EQ(etendus, (std::vector<std::uint8_t>{1, 1, 1, 0, 0, 0, //
                                                  1, 1, 1, 0, 0, 0, //
                                                  1, 1, 1, 1, 1, 1, //
                                                  1, 1, 1, 1, 1, 1, //
                                                  0, 0, 0, 1, 1, 1}));
    // The glow's reach is covered.
    EXPECT_GE(tube::RAYON_LUEUR * tube::BLOC, 3);

    // Runs along the rows of blocks of a picture whose last blocks are narrow.
    const int B = tube::BLOC, l = 2 * B + 2, h = 2 * B - 1;
    std::vector<tube::Zone> zones;
    tube::zonesDesBlocs(std::vector<std::uint8_t>{0, 1, 1, 1, 0, 1}, l, h, zones);
    ASSERT_EQ(zones.size(), 3u);
    auto rect = [](const tube::Zone& z) {
        return std::vector<int>{z.x, z.y, z.largeur, z.hauteur};
    };
    EXPECT_EQ(rect(zones[0]), (std::vector<int>{B, 0, B + 2, B}));
    EXPECT_EQ(rect(zones[1]), (std::vector<int>{0, B, B, B - 1}));
    EXPECT_EQ(rect(zones[2]), (std::vector<int>{2 * B, B, 2, B - 1}));
}
