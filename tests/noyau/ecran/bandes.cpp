#include "ecran/bandes.h"

#include <gtest/gtest.h>

namespace {

using bandes::Bande;
using bandes::Rangee;

bool egales(const Bande& a, const Bande& b) {
    return a.x == b.x && a.y == b.y && a.largeur == b.largeur && a.hauteur == b.hauteur;
}

// A strip like the near layer: bunting on rows 2..4, crates on rows 15..17
// with a gap in the middle of them, nothing else.
std::vector<Rangee> couche() {
    std::vector<Rangee> r(20);
    for (int y = 2; y <= 4; ++y)
        r[y] = {0, 40};
    r[3] = {5, 38};
    r[15] = {10, 12};
    r[17] = {30, 33};
    return r;
}

TEST(Bandes, LesRangeesVidesEntreDeuxMotifsSeparentLesBandes) {
    const auto b = bandes::visibles(couche(), 4);
    ASSERT_EQ(b.size(), 2u);
    EXPECT_TRUE(egales(b[0], {0, 2, 40, 3}));
    // Row 16, empty, is drawn through: one band over both crates' columns.
    EXPECT_TRUE(egales(b[1], {10, 15, 23, 3}));

    // A gap shorter than `ecart` joins the bands; a long one never does.
    const auto une = bandes::visibles(couche(), 11);
    ASSERT_EQ(une.size(), 1u);
    EXPECT_TRUE(egales(une[0], {0, 2, 40, 16}));
    EXPECT_EQ(bandes::visibles(couche(), 1).size(), 3u);
}

TEST(Bandes, ImagesPleinesEtVides) {
    // Full to the edges: the whole image, ending on its last row.
    std::vector<Rangee> pleine(7, Rangee{0, 9});
    const auto b = bandes::visibles(pleine, 8);
    ASSERT_EQ(b.size(), 1u);
    EXPECT_TRUE(egales(b[0], {0, 0, 9, 7}));

    EXPECT_TRUE(bandes::visibles(std::vector<Rangee>(5), 8).empty());
    EXPECT_TRUE(bandes::visibles({}, 8).empty());
    // A lone pixel in the last row.
    std::vector<Rangee> coin(6);
    coin[5] = {3, 4};
    const auto c = bandes::visibles(coin, 2);
    ASSERT_EQ(c.size(), 1u);
    EXPECT_TRUE(egales(c[0], {3, 5, 1, 1}));
}

} // namespace
