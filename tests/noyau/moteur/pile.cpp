#include "moteur/pile.h"

#include <gtest/gtest.h>

using namespace pile;

namespace {

Geometrie depuis(const Forme& forme) {
    const Lecture l = lire(forme);
    EXPECT_TRUE(l.ok()) << l.erreur;
    return construire(l.places);
}

Presence tous(const Geometrie& g) {
    return Presence(g.n, 1);
}

} // namespace

TEST(Pile, LectureDeLaNotation) {
    const Lecture l = lire({{"##", ".>"}});
    ASSERT_TRUE(l.ok());
    ASSERT_EQ(l.places.size(), 3u);
    EXPECT_EQ(l.places[0], (Place{0, 0, 0}));
    EXPECT_EQ(l.places[1], (Place{2, 0, 0}));
    EXPECT_EQ(l.places[2], (Place{3, 2, 0}));

    const Lecture m = lire({{"v+", "", "#"}, {"", "#"}});
    ASSERT_TRUE(m.ok());
    ASSERT_EQ(m.places.size(), 4u);
    EXPECT_EQ(m.places[0], (Place{0, 1, 0}));
    EXPECT_EQ(m.places[1], (Place{3, 1, 0}));
    EXPECT_EQ(m.places[2], (Place{0, 4, 0}));
    EXPECT_EQ(m.places[3], (Place{0, 2, 1}));
}

TEST(Pile, LectureRefuseLesCaracteresInconnus) {
    EXPECT_EQ(lire({{"#x"}}).erreur, "caractère inconnu « x » couche 0 rang 0");
    EXPECT_EQ(lire({{"##"}, {"", "# #"}}).erreur, "caractère inconnu «   » couche 1 rang 1");
    const Lecture l = lire({{"#"}, {"..", "", "#\xc3\xa9"}});
    EXPECT_FALSE(l.ok());
    EXPECT_TRUE(l.places.empty());
    EXPECT_EQ(l.erreur, "caractère inconnu « \xc3\xa9 » couche 1 rang 2");
    EXPECT_TRUE(lire({}).ok());
}

TEST(Pile, BlocageParDessusEtParLesCotes) {
    // Two tiles side by side with a third straddling both.
    const Geometrie g = depuis({{"##"}, {">"}});
    Presence p = tous(g);
    EXPECT_FALSE(libre(g, p, 0));
    EXPECT_FALSE(libre(g, p, 1));
    EXPECT_TRUE(libre(g, p, 2));
    EXPECT_EQ(g.dessous[2], (std::vector<int>{0, 1}));
    p[2] = 0;
    EXPECT_TRUE(libre(g, p, 0));
    EXPECT_TRUE(libre(g, p, 1));

    // A row of three: the middle waits for either end.
    const Geometrie r = depuis({{"###"}});
    Presence q = tous(r);
    EXPECT_EQ(libres(r, q), (std::vector<int>{0, 2}));
    q[2] = 0;
    EXPECT_TRUE(libre(r, q, 1));
    q[2] = 1;
    q[0] = 0;
    EXPECT_TRUE(libre(r, q, 1));
    EXPECT_FALSE(libre(r, q, 0));
}

TEST(Pile, DemiDecalages) {
    // A tile half a cell down touches the cell-grid tiles beside it.
    const Geometrie g = construire({{0, 0, 0}, {2, 1, 0}, {4, 0, 0}});
    EXPECT_EQ(g.gauche[1], (std::vector<int>{0}));
    EXPECT_EQ(g.droite[1], (std::vector<int>{2}));
    EXPECT_FALSE(libre(g, tous(g), 1));
    // A gap of half a cell does not touch.
    const Geometrie h = construire({{0, 0, 0}, {3, 0, 0}, {6, 0, 0}});
    EXPECT_TRUE(h.gauche[1].empty());
    EXPECT_EQ(libres(h, tous(h)), (std::vector<int>{0, 1, 2}));
    // Two rows apart (|dy| = 2) is not touching either.
    const Geometrie k = construire({{0, 0, 0}, {2, 2, 0}, {4, 0, 0}});
    EXPECT_TRUE(k.gauche[1].empty());
}

TEST(Pile, DeuxCouchesPlusHautNeCouvrePas) {
    const std::vector<Place> places = {{0, 0, 0}, {0, 0, 2}};
    const Geometrie g = construire(places);
    EXPECT_TRUE(g.dessus[0].empty());
    EXPECT_TRUE(libre(g, tous(g), 0));
    EXPECT_EQ(defauts(places), (std::vector<std::string>{"sans appui 1"}));
    EXPECT_EQ(g.bornes.couches, 3);
}

TEST(Pile, Defauts) {
    const std::vector<Place> places = {{0, 0, 0}, {1, 1, 0}, {2, 0, 0}, {5, 0, 1}, {1, 0, 0}};
    EXPECT_EQ(defauts(places),
              (std::vector<std::string>{"nombre impair : 5", "chevauchement 0 1",
                                        "chevauchement 0 4", "chevauchement 1 2",
                                        "chevauchement 1 4", "chevauchement 2 4", "sans appui 3"}));
    // A place's overlaps come before its own missing support.
    const std::vector<Place> haut = {{0, 0, 0}, {8, 0, 1}, {8, 1, 1}, {2, 0, 0}};
    EXPECT_EQ(defauts(haut),
              (std::vector<std::string>{"chevauchement 1 2", "sans appui 1", "sans appui 2"}));
    EXPECT_TRUE(defauts({}).empty());
}

TEST(Pile, GeometrieOrdreEtBornes) {
    const Geometrie g = depuis({{"..#", "#v"}, {"", "#"}});
    // Places: (4,0,0), (0,2,0), (2,3,0), (0,2,1).
    EXPECT_EQ(g.ordre, (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(g.bornes.x, 0);
    EXPECT_EQ(g.bornes.y, 0);
    EXPECT_EQ(g.bornes.largeur, 6);
    EXPECT_EQ(g.bornes.hauteur, 5);
    EXPECT_EQ(g.bornes.couches, 2);
    EXPECT_EQ(g.dessus[1], (std::vector<int>{3}));
    // x differs by 2: side by side, not underneath.
    EXPECT_TRUE(g.dessus[2].empty());
    EXPECT_EQ(g.dessous[3], (std::vector<int>{1}));

    const Geometrie m = construire({{4, 2, 0}, {0, 0, 1}, {0, 0, 0}, {2, 0, 0}});
    EXPECT_EQ(m.ordre, (std::vector<int>{2, 3, 0, 1}));
    const Geometrie vide = construire({});
    EXPECT_EQ(vide.bornes.largeur, 0);
    EXPECT_TRUE(libres(vide, {}).empty());
}

TEST(Pile, PairesJouables) {
    const Geometrie g = construire({{0, 0, 0}, {4, 0, 0}, {8, 0, 0}, {12, 0, 0}, {14, 0, 0}});
    const std::vector<int> familles = {7, 7, 3, 7, 9};
    const auto f = [&](int i) { return familles[i]; };
    // Only tiles 3 and 4 touch, and 3's left side is open: all five are free.
    EXPECT_EQ(paires(g, tous(g), f), (std::vector<Paire>{{0, 1}, {0, 3}, {1, 3}}));
    Presence p = tous(g);
    p[1] = 0;
    EXPECT_EQ(paires(g, p, f), (std::vector<Paire>{{0, 3}}));
}

TEST(Pile, Liberees) {
    // Top tile over two; a row of three below-left.
    const Geometrie g = depuis({{"###"}, {">"}});
    Presence p = tous(g);
    // 3 straddles 0 and 1. Removing it frees 0 (free side) but not 1 (both sides).
    EXPECT_EQ(liberees(g, p, 3), (std::vector<int>{0}));
    EXPECT_EQ(p, tous(g));
    p[3] = 0;
    EXPECT_TRUE(liberees(g, p, 1).empty());
    EXPECT_EQ(p[1], 1);
    p[3] = 1;
    // Tile 2 leaving frees nothing: 1 is still under 3.
    EXPECT_TRUE(liberees(g, p, 2).empty());
    p[3] = 0;
    EXPECT_EQ(liberees(g, p, 2), (std::vector<int>{1}));
}

TEST(Pile, PointSousLeCurseur) {
    const Geometrie g = construire({{0, 0, 0}, {2, 0, 0}, {1, 0, 1}, {1, 1, 0}});
    Presence p = {1, 1, 1, 0};
    const double dx = 3.0 / 8, dy = 4.0 / 10;
    // Layer-1 tile face: x in [0.625, 2.625), y in [-0.4, 1.6).
    EXPECT_EQ(sous(g, p, 1.0, 1.0, dx, dy), 2);
    EXPECT_EQ(sous(g, p, 0.3, 1.0, dx, dy), 0);
    EXPECT_EQ(sous(g, p, 3.0, 1.8, dx, dy), 1);
    // The relief strip below and right of the top face but outside every face.
    EXPECT_EQ(sous(g, p, 4.2, 1.0, dx, dy), -1);
    EXPECT_EQ(sous(g, p, 1.0, -0.2, dx, dy), 2);
    EXPECT_EQ(sous(g, p, 1.0, -0.5, dx, dy), -1);
    p[2] = 0;
    EXPECT_EQ(sous(g, p, 1.0, 1.0, dx, dy), 0);
}
