#include "ecran/plateau.h"

#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>

using pile::Geometrie;
using pile::Place;
using pile::Presence;
using plateau::Point;

namespace {

// The screen library links without the engine, so the tests build their small
// geometries themselves: the same relations, found by brute force.
Geometrie geometrie(const std::vector<Place>& places) {
    Geometrie g;
    g.places = places;
    g.n = static_cast<int>(places.size());
    g.dessus.resize(g.n);
    g.dessous.resize(g.n);
    g.gauche.resize(g.n);
    g.droite.resize(g.n);
    for (int i = 0; i < g.n; ++i)
        for (int j = 0; j < g.n; ++j) {
            const Place &a = places[i], &b = places[j];
            const bool recouvre = std::abs(a.x - b.x) < 2 && std::abs(a.y - b.y) < 2;
            if (b.z == a.z + 1 && recouvre) g.dessus[i].push_back(j);
            if (b.z == a.z - 1 && recouvre) g.dessous[i].push_back(j);
            if (b.z == a.z && std::abs(a.y - b.y) <= 1 && b.x == a.x - 2) g.gauche[i].push_back(j);
            if (b.z == a.z && std::abs(a.y - b.y) <= 1 && b.x == a.x + 2) g.droite[i].push_back(j);
        }
    for (int i = 0; i < g.n; ++i)
        g.ordre.push_back(i);
    std::stable_sort(g.ordre.begin(), g.ordre.end(), [&](int a, int b) {
        const Place &p = places[a], &q = places[b];
        if (p.z != q.z) return p.z < q.z;
        if (p.y != q.y) return p.y < q.y;
        return p.x < q.x;
    });
    return g;
}

// Three tiles in a row on layer 0 and one on top of the middle one.
const std::vector<Place> RANG = {{0, 0, 0}, {2, 0, 0}, {4, 0, 0}, {2, 0, 1}};

} // namespace

TEST(PlateauPixels, PlaceToImageCorner) {
    EXPECT_EQ(plateau::px({0, 0, 0}), (Point{0, 0}));
    EXPECT_EQ(plateau::px({3, 2, 0}), (Point{24, 20}));
    EXPECT_EQ(plateau::px({2, 1, 2}), (Point{16 - 6, 10 - 8}));
}

TEST(PlateauOrigine, CentresAllPlacesAndRoundsHalvesUp) {
    // One tile: 19 x 24 in 368 x 182 -> (8 + 174.5, 14 + 79) -> x rounds up.
    const Geometrie un = geometrie({{0, 0, 0}});
    EXPECT_EQ(plateau::origine(un, plateau::ZONE_PLEINE), (Point{183, 93}));
    // The raised tile lifts the top edge to -4: bounds 0..51 by -4..24.
    const Geometrie g = geometrie(RANG);
    // 8 + (368 - 51) / 2 = 166.5 -> 167; 14 + (182 - 28) / 2 + 4 = 95
    EXPECT_EQ(plateau::origine(g, plateau::ZONE_PLEINE), (Point{167, 95}));
    // 4 + (184 - 51) / 2 = 70.5 -> 71; 22 + (170 - 28) / 2 + 4 = 97
    EXPECT_EQ(plateau::origine(g, plateau::ZONE_DUEL), (Point{71, 97}));
    // A stack reaching left of its origin is shifted back by that much.
    const Geometrie gauche = geometrie({{0, 0, 1}});
    EXPECT_EQ(plateau::origine(gauche, plateau::ZONE_PLEINE), (Point{186, 97}));
    EXPECT_EQ(plateau::origine(Geometrie{}, plateau::ZONE_PLEINE), (Point{0, 0}));
}

TEST(PlateauOrigine, NeverMovesAsTilesLeave) {
    // The origin reads no presence at all: the stack stays put.
    const Geometrie g = geometrie(RANG);
    const Point avant = plateau::origine(g, plateau::ZONE_PLEINE);
    Presence p{0, 0, 0, 0};
    EXPECT_EQ(plateau::sous(g, p, avant, avant.x + 1, avant.y + 1), -1);
    EXPECT_EQ(plateau::origine(g, plateau::ZONE_PLEINE), avant);
}

TEST(PlateauSous, UpperLayerWinsAndReliefNeverHits) {
    const Geometrie g = geometrie(RANG);
    const Point o{100, 50};
    const Presence tous{1, 1, 1, 1};
    // Face of the top tile (image at 16 - 3, -4) over the middle tile's face.
    EXPECT_EQ(plateau::sous(g, tous, o, o.x + 14, o.y + 1), 3);
    // Last column of the top face hits it; one further is its relief, over
    // the middle tile's face.
    EXPECT_EQ(plateau::sous(g, tous, o, o.x + 13 + 15, o.y + 5), 3);
    EXPECT_EQ(plateau::sous(g, tous, o, o.x + 13 + 16, o.y + 5), 1);
    // Relief below the top face (rows 20..23 of its image) hits the middle tile.
    EXPECT_EQ(plateau::sous(g, tous, o, o.x + 20, o.y - 4 + 20), 1);
    // The right tile's relief columns and the bottom relief of layer 0 hit nothing.
    EXPECT_EQ(plateau::sous(g, tous, o, o.x + 32 + 16, o.y + 5), -1);
    EXPECT_EQ(plateau::sous(g, tous, o, o.x + 2, o.y + 20), -1);
    // Faces that touch: the boundary column belongs to the right-hand tile.
    EXPECT_EQ(plateau::sous(g, tous, o, o.x + 15, o.y + 19), 0);
    EXPECT_EQ(plateau::sous(g, Presence{1, 1, 1, 0}, o, o.x + 16, o.y + 19), 1);
    // Above and left of everything.
    EXPECT_EQ(plateau::sous(g, tous, o, o.x - 4, o.y - 5), -1);
}

TEST(PlateauSous, RemovedFaceShowsWhatLiesBeneath) {
    const Geometrie g = geometrie(RANG);
    const Point o{0, 0};
    EXPECT_EQ(plateau::sous(g, Presence{1, 1, 1, 0}, o, 17, 1), 1);
    EXPECT_EQ(plateau::sous(g, Presence{1, 0, 1, 0}, o, 17, 1), -1);
    // A tile missing from a short presence list is treated as gone, not read.
    EXPECT_EQ(plateau::sous(g, Presence{1}, o, 17, 1), -1);
}

TEST(PlateauRegles, CouvreLooksOnlyAtTilesInPlayBelow) {
    const Geometrie g = geometrie(RANG);
    EXPECT_TRUE(plateau::couvre(g, {1, 1, 1, 1}, 3));
    EXPECT_FALSE(plateau::couvre(g, {1, 0, 1, 1}, 3));
    EXPECT_FALSE(plateau::couvre(g, {1, 1, 1, 1}, 0));
    EXPECT_FALSE(plateau::couvre(g, {1, 1, 1, 1}, 17));
}

TEST(PlateauRegles, VeilRules) {
    // Six tiles in a row, none stacked: only both ends are free.
    const Geometrie g =
        geometrie({{0, 0, 0}, {2, 0, 0}, {4, 0, 0}, {6, 0, 0}, {8, 0, 0}, {10, 0, 0}});
    const Presence p(6, 1);
    const std::set<int> aucune;
    for (int i = 0; i < 6; ++i)
        EXPECT_FALSE(plateau::voilee(g, p, 0, aucune, i));
    // Boss rule: covered tiles with an index divisible by 3; tile 0 is free.
    EXPECT_FALSE(plateau::voilee(g, p, 1, aucune, 0));
    EXPECT_TRUE(plateau::voilee(g, p, 1, aucune, 3));
    EXPECT_FALSE(plateau::voilee(g, p, 1, aucune, 2));
    EXPECT_FALSE(plateau::voilee(g, p, 1, aucune, 5));
    // Once its neighbour leaves, tile 3 is free and its veil lifts.
    Presence q = p;
    q[4] = q[5] = 0;
    EXPECT_FALSE(plateau::voilee(g, q, 1, aucune, 3));
    // Rule 2 veils every tile that is not free.
    EXPECT_TRUE(plateau::voilee(g, p, 2, aucune, 1));
    EXPECT_FALSE(plateau::voilee(g, p, 2, aucune, 5));
    // Smoke veils whatever the rule, even a free tile.
    EXPECT_TRUE(plateau::voilee(g, p, 0, {0}, 0));
    EXPECT_TRUE(plateau::voilee(g, p, 2, {5}, 5));
}

TEST(PlateauRegles, SelectionWinsOverHint) {
    EXPECT_EQ(plateau::etat(4, 4, 7, 4), 1);
    EXPECT_EQ(plateau::etat(-1, 4, 7, 7), 2);
    EXPECT_EQ(plateau::etat(-1, -1, -1, 0), 0);
    EXPECT_EQ(plateau::etat(-1, -1, -1, -1), 0);
}
