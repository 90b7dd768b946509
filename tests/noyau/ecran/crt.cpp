#include "commun/ecran/crt.h"

#include <QVariantMap>
#include <cmath>
#include <gtest/gtest.h>

using affichage::geometrie;

TEST(Crt, NativeSizeAndFactor) {
    EXPECT_EQ(crt::LARGEUR, 384);
    EXPECT_EQ(crt::HAUTEUR, 224);
    EXPECT_EQ(crt::facteur(1920, 1080), 4);
    EXPECT_EQ(crt::facteur(1152, 672), 3);
    EXPECT_EQ(crt::facteur(200, 100), 1);
}

TEST(Crt, WarpIsIdentityAtZeroAndBulgesOutwards) {
    const auto a = crt::deformer(0.3, -0.7, 0);
    EXPECT_DOUBLE_EQ(a.x, 0.3);
    EXPECT_DOUBLE_EQ(a.y, -0.7);
    const auto centre = crt::deformer(0, 0, 1);
    EXPECT_DOUBLE_EQ(centre.x, 0);
    EXPECT_DOUBLE_EQ(centre.y, 0);
    // Corner at the reference strength: (1 + 0.035) x 1.012 and (1 + 0.055) x 1.012.
    const auto coin = crt::deformer(1, 1, 0.5);
    EXPECT_DOUBLE_EQ(coin.x, 1 * (1 + 0.035 * 1) * 1.012);
    EXPECT_DOUBLE_EQ(coin.y, 1 * (1 + 0.055 * 1) * 1.012);
    const auto bord = crt::deformer(-0.5, 0.25, 1);
    EXPECT_DOUBLE_EQ(bord.x, -0.5 * (1 + 0.07 * 0.0625) * 1.024);
    EXPECT_DOUBLE_EQ(bord.y, 0.25 * (1 + 0.11 * 0.25) * 1.024);
}

TEST(Crt, VersNatifCoversTheWholeSurface) {
    auto p = crt::versNatif(960, 540, 1920, 1080, 0.5);
    ASSERT_TRUE(p);
    EXPECT_DOUBLE_EQ(p->x, 192);
    EXPECT_DOUBLE_EQ(p->y, 112);
    p = crt::versNatif(0, 0, 1920, 1080, 0);
    ASSERT_TRUE(p);
    EXPECT_DOUBLE_EQ(p->x, 0);
    EXPECT_DOUBLE_EQ(p->y, 0);
    // Near a corner the curved tube has already ended.
    EXPECT_FALSE(crt::versNatif(5, 5, 1920, 1080, 1));
    EXPECT_FALSE(crt::versNatif(1915, 1075, 1920, 1080, 1));
    // A drag that leaves the window.
    EXPECT_FALSE(crt::versNatif(-10, 500, 1920, 1080, 0));
    EXPECT_FALSE(crt::versNatif(std::nan(""), 500, 1920, 1080, 0));
}

TEST(Crt, PointerMapsIntoTheGamePicture) {
    // 768 x 448, flat: plain halving.
    const auto g2 = geometrie("entier", 768, 448, 384, 224);
    auto p = crt::versJeu(101, 51, 768, 448, 0, g2);
    ASSERT_TRUE(p);
    EXPECT_DOUBLE_EQ(p->x, 50.5);
    EXPECT_DOUBLE_EQ(p->y, 25.5);
    // The picture's first and last window pixels are its first and last native ones.
    p = crt::versJeu(0, 0, 768, 448, 0, g2);
    ASSERT_TRUE(p);
    EXPECT_DOUBLE_EQ(p->x, 0);
    EXPECT_DOUBLE_EQ(p->y, 0);
    p = crt::versJeu(767, 447, 768, 448, 0, g2);
    ASSERT_TRUE(p);
    EXPECT_DOUBLE_EQ(p->x, 383.5);
    EXPECT_DOUBLE_EQ(p->y, 223.5);

    // 1920 x 1080 "entier": the picture is 1536 x 896 at (192, 92).
    const auto g = geometrie("entier", 1920, 1080, 384, 224);
    p = crt::versJeu(192, 92, 1920, 1080, 0, g);
    ASSERT_TRUE(p);
    EXPECT_DOUBLE_EQ(p->x, 0);
    EXPECT_DOUBLE_EQ(p->y, 0);
    EXPECT_FALSE(crt::versJeu(191, 500, 1920, 1080, 0, g));  // on the backdrop
    EXPECT_FALSE(crt::versJeu(1728, 500, 1920, 1080, 0, g)); // right edge excluded
    EXPECT_FALSE(crt::versJeu(500, 988, 1920, 1080, 0, g));  // bottom edge excluded
    ASSERT_TRUE(crt::versJeu(1727.9, 987.9, 1920, 1080, 0, g));
}

TEST(Crt, PointerFollowsTheCurvatureOfThePicture) {
    const double l = 1920, h = 1080, s = 1;
    const auto g = geometrie("etirer", l, h, 384, 224);
    // Whatever the picture shows at a window point is what the pointer reaches:
    // apply the warp by hand and read the native point the picture reads.
    for (const auto& [x, y] : {std::pair{300.0, 200.0}, {1700.0, 900.0}, {960.0, 40.0}}) {
        const auto d = crt::deformer(x / l * 2 - 1, y / h * 2 - 1, s);
        const double nx = ((d.x + 1) / 2 * l - g.x) / g.sx;
        const double ny = ((d.y + 1) / 2 * h - g.y) / g.sy;
        const auto p = crt::versJeu(x, y, l, h, s, g);
        ASSERT_TRUE(p);
        EXPECT_NEAR(p->x, nx, 1e-9);
        EXPECT_NEAR(p->y, ny, 1e-9);
    }
    EXPECT_FALSE(crt::versJeu(3, 3, l, h, s, g));
}

TEST(Crt, ZeroSizedWindowOrPictureIsHarmless) {
    const auto g = geometrie("entier", 1, 1, 384, 224);
    // An empty window counts as one pixel, which shows the picture's middle.
    const auto p = crt::versJeu(0, 0, 0, 0, 0, g);
    ASSERT_TRUE(p);
    EXPECT_DOUBLE_EQ(p->x, 192);
    EXPECT_DOUBLE_EQ(p->y, 112);
    affichage::Geometrie plate;
    plate.sx = plate.sy = 0;
    EXPECT_FALSE(crt::versJeu(10, 10, 100, 100, 0, plate));
}

TEST(Crt, SettingsDefaultsAndDamage) {
    const auto defaut = crt::lireReglages(QVariant());
    EXPECT_TRUE(defaut.actif);
    EXPECT_DOUBLE_EQ(defaut.balayage, 0.6);
    EXPECT_DOUBLE_EQ(defaut.lueur, 0.4);
    EXPECT_DOUBLE_EQ(defaut.courbure, 0.5);
    EXPECT_DOUBLE_EQ(defaut.masque, 0.5);
    EXPECT_DOUBLE_EQ(defaut.vignette, 0.5);

    const auto r = crt::lireReglages(QVariantMap{{"actif", "non"},
                                                 {"balayage", 0.25},
                                                 {"lueur", 7},
                                                 {"courbure", -1},
                                                 {"masque", "0.3"},
                                                 {"vignette", std::nan("")}});
    EXPECT_TRUE(r.actif);
    EXPECT_DOUBLE_EQ(r.balayage, 0.25);
    EXPECT_DOUBLE_EQ(r.lueur, 1);
    EXPECT_DOUBLE_EQ(r.courbure, 0);
    EXPECT_DOUBLE_EQ(r.masque, 0.5);
    EXPECT_DOUBLE_EQ(r.vignette, 0.5);
}

TEST(Crt, LookOffZeroesEveryEffectiveValue) {
    const auto on = crt::effectifs(crt::lireReglages(QVariantMap{{"courbure", 1.0}}));
    EXPECT_DOUBLE_EQ(on.actif, 1);
    EXPECT_DOUBLE_EQ(on.courbure, 1);
    EXPECT_DOUBLE_EQ(on.balayage, 0.6);

    const auto off = crt::effectifs(crt::lireReglages(QVariantMap{{"actif", false}}));
    for (double v : {off.actif, off.balayage, off.lueur, off.courbure, off.masque, off.vignette})
        EXPECT_DOUBLE_EQ(v, 0);
    // With the look off, the pointer maps without the curvature: a corner is reachable.
    const auto g = geometrie("etirer", 1920, 1080, 384, 224);
    EXPECT_TRUE(crt::versJeu(3, 3, 1920, 1080, off.courbure, g));
}

namespace {

// The native point the picture pass reads at the centre of window pixel (x, y).
crt::Point luA(int x, int y, double l, double h, double s, const affichage::Geometrie& g) {
    const auto d = crt::deformer((x + 0.5) / l * 2 - 1, (y + 0.5) / h * 2 - 1, s);
    return {((d.x + 1) / 2 * l - g.x) / g.sx, ((d.y + 1) / 2 * h - g.y) / g.sy};
}

// Every pixel of the rectangle's border reads the picture within the margins
// (the curvature is monotonic, so its border holds its extremes), and a pixel
// just outside each side does not.
void verifierInterieur(double l, double h, double s, const QString& mode, double marge) {
    SCOPED_TRACE(QStringLiteral("%1 x %2, %3, %4").arg(l).arg(h).arg(mode).arg(s).toStdString());
    const auto g = geometrie(mode, l, h, 384, 224);
    const crt::Rectangle r = crt::interieur(l, h, s, g, marge);
    ASSERT_GT(r.largeur, 0);
    ASSERT_GT(r.hauteur, 0);
    EXPECT_GE(r.x, 0);
    EXPECT_GE(r.y, 0);
    EXPECT_LE(r.x + r.largeur, static_cast<int>(l));
    EXPECT_LE(r.y + r.hauteur, static_cast<int>(h));
    auto dedans = [&](int x, int y) {
        const auto p = luA(x, y, l, h, s, g);
        return p.x >= marge && p.x < 384 - marge && p.y >= 0 && p.y < 224;
    };
    for (int x = r.x; x < r.x + r.largeur; ++x) {
        EXPECT_TRUE(dedans(x, r.y)) << x;
        EXPECT_TRUE(dedans(x, r.y + r.hauteur - 1)) << x;
    }
    for (int y = r.y; y < r.y + r.hauteur; ++y) {
        EXPECT_TRUE(dedans(r.x, y)) << y;
        EXPECT_TRUE(dedans(r.x + r.largeur - 1, y)) << y;
    }
    // Tight: one more pixel on any side would read outside somewhere on it
    // (or leave the window).
    auto rangeeDedans = [&](int x0, int x1, int y) {
        for (int x = x0; x < x1; ++x)
            if (!dedans(x, y)) return false;
        return true;
    };
    auto colonneDedans = [&](int x, int y0, int y1) {
        for (int y = y0; y < y1; ++y)
            if (!dedans(x, y)) return false;
        return true;
    };
    const int x1 = r.x + r.largeur, y1 = r.y + r.hauteur;
    if (r.y > 0) {
        EXPECT_FALSE(rangeeDedans(r.x, x1, r.y - 1));
    }
    if (y1 < static_cast<int>(h)) {
        EXPECT_FALSE(rangeeDedans(r.x, x1, y1));
    }
    if (r.x > 0) {
        EXPECT_FALSE(colonneDedans(r.x - 1, r.y, y1));
    }
    if (x1 < static_cast<int>(l)) {
        EXPECT_FALSE(colonneDedans(x1, r.y, y1));
    }
}

} // namespace

TEST(Crt, InteriorOfThePictureReadsOnlyThePicture) {
    verifierInterieur(1280, 720, 0.5, QStringLiteral("etirer"), 0.25);
    verifierInterieur(1920, 1080, 0.5, QStringLiteral("etirer"), 0.25);
    verifierInterieur(1920, 1080, 1, QStringLiteral("entier"), 0.25);
    verifierInterieur(1280, 800, 0.3, QStringLiteral("remplir"), 0.25);
    verifierInterieur(1000, 560, 0, QStringLiteral("etirer"), 0.25);

    // Flat and without the softening's margin, a stretched picture is all
    // interior, and a pixel-perfect one is exactly its own pixels.
    auto g = geometrie("etirer", 1920, 1080, 384, 224);
    crt::Rectangle r = crt::interieur(1920, 1080, 0, g, 0);
    EXPECT_EQ(r.x, 0);
    EXPECT_EQ(r.y, 0);
    EXPECT_EQ(r.largeur, 1920);
    EXPECT_EQ(r.hauteur, 1080);
    g = geometrie("entier", 1920, 1080, 384, 224);
    r = crt::interieur(1920, 1080, 0, g, 0);
    EXPECT_EQ(r.x, 192);
    EXPECT_EQ(r.y, 92);
    EXPECT_EQ(r.largeur, 1536);
    EXPECT_EQ(r.hauteur, 896);

    // A window smaller than the picture still has an interior; a picture
    // with no scale has none.
    g = geometrie("entier", 200, 100, 384, 224);
    r = crt::interieur(200, 100, 0.5, g, 0.25);
    EXPECT_GT(r.largeur, 0);
    affichage::Geometrie plate;
    plate.sx = plate.sy = 0;
    r = crt::interieur(800, 600, 0.5, plate, 0.25);
    EXPECT_EQ(r.largeur, 0);
    EXPECT_EQ(r.hauteur, 0);
}
