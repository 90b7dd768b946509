// The cursor over a list longer than the screen.

#include "piles/liste.h"

#include <gtest/gtest.h>

using namespace liste;

TEST(Liste, RangsEtEcrans) {
    // 30 rows, 11 on screen.
    EXPECT_EQ(deplacer(0, "haut", 30, 11), 29);
    EXPECT_EQ(deplacer(29, "bas", 30, 11), 0);
    EXPECT_EQ(deplacer(5, "gauche", 30, 11), 0);
    EXPECT_EQ(deplacer(25, "droite", 30, 11), 29);
    EXPECT_EQ(deplacer(12, "gauche", 30, 11), 1);
    EXPECT_EQ(deplacer(3, "ok", 30, 11), -1);
    EXPECT_EQ(deplacer(0, "bas", 0, 11), -1);
    // A cursor left past the end by a list that shrank comes back inside.
    EXPECT_EQ(deplacer(40, "haut", 30, 11), 28);
}

TEST(Liste, LaFenetreSuitLeCurseur) {
    EXPECT_EQ(premierePourVoir(0, 10, 30, 11), 0);
    EXPECT_EQ(premierePourVoir(0, 11, 30, 11), 1);
    EXPECT_EQ(premierePourVoir(10, 4, 30, 11), 4);
    EXPECT_EQ(premierePourVoir(0, 29, 30, 11), 19);  // a wrap to the end shows the last screen
    EXPECT_EQ(premierePourVoir(19, 0, 30, 11), 0);   // and back to the top
    EXPECT_EQ(premierePourVoir(25, 20, 30, 11), 19); // no empty rows at the bottom
    EXPECT_EQ(premierePourVoir(3, 2, 5, 11), 0);     // a short list never scrolls
}

TEST(Liste, UnAppuiTombeSurUnRang) {
    // Rows from y 34, 13 pixels apart, row 5 on top, 11 of 30 shown.
    EXPECT_EQ(rangTouche(34, 34, 13, 5, 30, 11), 5);
    EXPECT_EQ(rangTouche(34 + 13 * 2 + 12.9, 34, 13, 5, 30, 11), 7);
    EXPECT_EQ(rangTouche(33.9, 34, 13, 5, 30, 11), -1);
    EXPECT_EQ(rangTouche(34 + 13 * 11, 34, 13, 5, 30, 11), -1); // below the window
    EXPECT_EQ(rangTouche(34 + 13 * 3, 34, 13, 0, 3, 11), -1);   // below the last row
}
