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
    EXPECT_FALSE(crt::versJeu(191, 500, 1920, 1080, 0, g));   // on the backdrop
    EXPECT_FALSE(crt::versJeu(1728, 500, 1920, 1080, 0, g));  // right edge excluded
    EXPECT_FALSE(crt::versJeu(500, 988, 1920, 1080, 0, g));   // bottom edge excluded
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
