#include "ecran/etals.h"

#include <gtest/gtest.h>
#include <limits>

using plateau::Point;

TEST(Etals, OrigineEtCoins) {
    // 12 x 7 at 18 x 22: 216 x 154 pixels, centred across and in the band.
    EXPECT_EQ(etals::origine(12, 7), (Point{84, 30}));
    EXPECT_EQ(etals::origine(11, 2), (Point{93, 85}));
    EXPECT_EQ(etals::coin(12, 7, 0), (Point{84, 30}));
    EXPECT_EQ(etals::coin(12, 7, 13), (Point{102, 52}));
    EXPECT_EQ(etals::coin(12, 7, 83), (Point{84 + 11 * 18, 30 + 6 * 22}));
}

TEST(Etals, CaseSousLePointeur) {
    EXPECT_EQ(etals::caseSous(12, 7, 84, 30), 0);
    EXPECT_EQ(etals::caseSous(12, 7, 101.9, 51.9), 0);
    EXPECT_EQ(etals::caseSous(12, 7, 102, 52), 13);
    EXPECT_EQ(etals::caseSous(12, 7, 299.5, 183.5), 83);
    // Outside the grid on every side, and nonsense, hit nothing.
    EXPECT_EQ(etals::caseSous(12, 7, 83.9, 40), -1);
    EXPECT_EQ(etals::caseSous(12, 7, 300, 40), -1);
    EXPECT_EQ(etals::caseSous(12, 7, 100, 29), -1);
    EXPECT_EQ(etals::caseSous(12, 7, 100, 184), -1);
    EXPECT_EQ(etals::caseSous(12, 7, std::numeric_limits<double>::quiet_NaN(), 40), -1);
    EXPECT_EQ(etals::caseSous(0, 7, 100, 40), -1);
}

TEST(Etals, UnPasDeGlissePourUneCase) {
    EXPECT_EQ(etals::pasGlisse(17.9), 0);
    EXPECT_EQ(etals::pasGlisse(-17), 0);
    EXPECT_EQ(etals::pasGlisse(18), 1);
    EXPECT_EQ(etals::pasGlisse(40), 1);
    EXPECT_EQ(etals::pasGlisse(-18), -1);
}
