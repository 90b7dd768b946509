// The shapes the figures are built from: placed at fractional positions, they
// must fill the same pixels every time and stay symmetric where they should.

#include "trace.h"

#include <gtest/gtest.h>

namespace {

int remplis(const Toile& t) {
    int n = 0;
    for (int y = 0; y < t.hauteur(); ++y)
        for (int x = 0; x < t.largeur(); ++x)
            n += t.opaque(x, y);
    return n;
}

TEST(Trace, OvalsAreSymmetricAboutAPixelCentreOrEdge) {
    for (double r : {1.0, 2.5, 4.0, 7.5}) {
        Toile t(20, 20);
        trace::ovale(t, 10, 10, r, r, palette::OR);
        // Centred on a pixel corner: mirror images both ways.
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 20; ++x) {
                EXPECT_EQ(t.opaque(x, y), t.opaque(19 - x, y)) << r;
                EXPECT_EQ(t.opaque(x, y), t.opaque(x, 19 - y)) << r;
            }
        EXPECT_GT(remplis(t), 0);
    }
    Toile vide(8, 8);
    trace::ovale(vide, 4, 4, 0, 3, palette::OR);
    EXPECT_EQ(remplis(vide), 0);
}

TEST(Trace, AStrokeOfNoLengthIsADiscAndAStrokeCoversItsEnds) {
    Toile point(12, 12), disque(12, 12);
    trace::trait(point, 6, 6, 6, 6, 3, palette::OR);
    trace::ovale(disque, 6, 6, 3, 3, palette::OR);
    EXPECT_EQ(point.image(), disque.image());

    Toile t(30, 10);
    trace::trait(t, 3.5, 4.5, 25.5, 4.5, 1, palette::OR);
    EXPECT_TRUE(t.opaque(3, 4));
    EXPECT_TRUE(t.opaque(25, 4));
    EXPECT_TRUE(t.opaque(14, 4));
    EXPECT_FALSE(t.opaque(14, 7));
}

TEST(Trace, TrianglesFillBetweenTheirCornersWhicheverTheWinding) {
    Toile a(16, 16), b(16, 16);
    trace::triangle(a, 1, 1, 14, 1, 1, 14, palette::OR);
    trace::triangle(b, 1, 14, 14, 1, 1, 1, palette::OR);
    EXPECT_EQ(a.image(), b.image());
    EXPECT_TRUE(a.opaque(2, 2));
    EXPECT_FALSE(a.opaque(13, 13));
}

TEST(Trace, ShadesOnlyTouchWhatIsAlreadyDrawn) {
    Toile t(10, 10);
    t.rect(0, 0, 5, 10, palette::ROUGE);
    trace::teinter(t, 5, 5, 5, 5, palette::OR);
    EXPECT_EQ(t.lire(3, 5), palette::OR);
    EXPECT_FALSE(t.opaque(7, 5));
}

TEST(Trace, MixingAndNoise) {
    EXPECT_EQ(trace::melange(palette::NUIT0, palette::OR, 0), palette::NUIT0);
    EXPECT_EQ(trace::melange(palette::NUIT0, palette::OR, 1), palette::OR);
    EXPECT_EQ(trace::melange(coul(0x000000), coul(0xffffff), 0.5), coul(0x808080));
    EXPECT_EQ(trace::hachage(3, 4, 5), trace::hachage(3, 4, 5));
    // Scattered stars and windows need the low bits to spread evenly.
    int compte[8] = {};
    for (unsigned k = 0; k < 800; ++k)
        ++compte[trace::hachage(k, 1) % 8u];
    for (int c : compte) {
        EXPECT_GT(c, 60);
        EXPECT_LT(c, 140);
    }
}

} // namespace
