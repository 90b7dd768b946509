#include "commun/ecran/affichage.h"

#include <cmath>
#include <gtest/gtest.h>

using affichage::geometrie;
using affichage::mode;

namespace {
constexpr double L = 384;
constexpr double H = 224;
} // namespace

TEST(Affichage, ModesInMenuOrder) {
    EXPECT_EQ(affichage::MODES, QStringList({"entier", "remplir", "etirer"}));
}

TEST(Affichage, FacteurIsTheLargestWholeScaleAndAtLeastOne) {
    EXPECT_EQ(affichage::facteur(1920, 1080, L, H), 4);
    EXPECT_EQ(affichage::facteur(768, 448, L, H), 2);
    EXPECT_EQ(affichage::facteur(767, 448, L, H), 1);
    EXPECT_EQ(affichage::facteur(100, 50, L, H), 1);
    EXPECT_EQ(affichage::facteur(0, 0, L, H), 1);
    // A zero-sized picture must not turn into an undefined conversion.
    EXPECT_GE(affichage::facteur(1920, 1080, 0, 0), 1);
}

TEST(Affichage, EmptySettingChoosesByWindow) {
    EXPECT_EQ(mode("", 1920, 1080, L, H, false), "etirer");
    EXPECT_EQ(mode("", 1280, 800, L, H, false), "remplir");
    EXPECT_EQ(mode("", 1280, 960, L, H, false), "remplir"); // 4:3
    for (double k : {1, 2, 3})
        EXPECT_EQ(mode("", L * k, H * k, L, H, false), "entier") << k;
    // 9:5 lands just above the tolerance in double precision.
    EXPECT_DOUBLE_EQ(std::abs((1008.0 / 560.0) / (L / H) - 1), 0.050000000000000044);
    EXPECT_EQ(mode("", 1008, 560, L, H, false), "remplir");
    EXPECT_EQ(mode("", 0, 0, L, H, false), "remplir");
    // Anything that is not a mode name is the empty setting.
    EXPECT_EQ(mode("ENTIER", 1920, 1080, L, H, false), "etirer");
}

TEST(Affichage, ChosenSettingAndTheBoxWin) {
    for (const QString& m : affichage::MODES)
        EXPECT_EQ(mode(m, 1008, 560, L, H, false), m);
    EXPECT_EQ(mode("", 1920, 1080, L, H, true), "entier");
    EXPECT_EQ(mode("", 1280, 720, L, H, true), "entier");
    EXPECT_EQ(mode("remplir", 1280, 720, L, H, true), "remplir");
}

TEST(Affichage, GeometryWorkedValues) {
    const auto etire = geometrie("etirer", 1920, 1080, L, H);
    EXPECT_EQ(etire.mode, "etirer");
    EXPECT_DOUBLE_EQ(etire.sx, 5);
    EXPECT_DOUBLE_EQ(etire.sy, 1080.0 / 224.0);
    EXPECT_NEAR(etire.sy, 4.8214, 1e-4);
    EXPECT_DOUBLE_EQ(etire.x, 0);
    EXPECT_DOUBLE_EQ(etire.y, 0);
    EXPECT_DOUBLE_EQ(etire.largeur, 1920);
    EXPECT_DOUBLE_EQ(etire.hauteur, 1080);

    const auto entier = geometrie("entier", 1920, 1080, L, H);
    EXPECT_DOUBLE_EQ(entier.sx, 4);
    EXPECT_DOUBLE_EQ(entier.sy, 4);
    EXPECT_DOUBLE_EQ(entier.x, 192);
    EXPECT_DOUBLE_EQ(entier.y, 92);
    EXPECT_DOUBLE_EQ(entier.largeur, 1536);
    EXPECT_DOUBLE_EQ(entier.hauteur, 896);

    const auto double_ = geometrie(mode("", 768, 448, L, H, false), 768, 448, L, H);
    EXPECT_EQ(double_.mode, "entier");
    EXPECT_DOUBLE_EQ(double_.sx, 2);
    EXPECT_DOUBLE_EQ(double_.x, 0);
    EXPECT_DOUBLE_EQ(double_.y, 0);

    const auto rempli = geometrie(mode("", 1280, 800, L, H, false), 1280, 800, L, H);
    EXPECT_EQ(rempli.mode, "remplir");
    EXPECT_DOUBLE_EQ(rempli.sx, 3.3333333333333335);
    EXPECT_DOUBLE_EQ(rempli.sy, 3.3333333333333335);
    EXPECT_DOUBLE_EQ(rempli.x, 0);
    EXPECT_DOUBLE_EQ(rempli.y, 26.66666666666663); // not floored
}

TEST(Affichage, EntierCentresOnWholePixelsAndCropsSmallWindows) {
    const auto g = geometrie("entier", 1281, 721, L, H);
    EXPECT_DOUBLE_EQ(g.sx, 3);
    EXPECT_DOUBLE_EQ(g.x, 64); // floor(129 / 2)
    EXPECT_DOUBLE_EQ(g.y, 24); // floor(49 / 2)

    const auto petit = geometrie("entier", 300, 200, L, H);
    EXPECT_DOUBLE_EQ(petit.sx, 1);
    EXPECT_DOUBLE_EQ(petit.x, -42);
    EXPECT_DOUBLE_EQ(petit.y, -12);
    EXPECT_DOUBLE_EQ(petit.largeur, 384);
}

TEST(Affichage, UnknownModeFillsUniformly) {
    const auto g = geometrie("n'importe", 1000, 1000, L, H);
    EXPECT_DOUBLE_EQ(g.sx, 1000.0 / 384.0);
    EXPECT_DOUBLE_EQ(g.sy, g.sx);
    EXPECT_DOUBLE_EQ(g.x, 0);
    EXPECT_DOUBLE_EQ(g.y, (1000 - 224 * g.sx) / 2);
}

TEST(Affichage, CouvertureIsAShareOfTheWindow) {
    EXPECT_DOUBLE_EQ(affichage::couverture(geometrie("etirer", 1920, 1080, L, H), 1920, 1080), 1);
    EXPECT_DOUBLE_EQ(affichage::couverture(geometrie("entier", 1920, 1080, L, H), 1920, 1080),
                     1536.0 * 896.0 / (1920.0 * 1080.0));
    EXPECT_DOUBLE_EQ(affichage::couverture(geometrie("remplir", 1280, 800, L, H), 1280, 800),
                     1280.0 * (224 * 10.0 / 3.0) / (1280.0 * 800.0));
    // A picture cropped by a small window covers all of it, never more.
    EXPECT_DOUBLE_EQ(affichage::couverture(geometrie("entier", 300, 200, L, H), 300, 200), 1);
    EXPECT_DOUBLE_EQ(affichage::couverture(geometrie("entier", 300, 200, L, H), 0, 0), 0);
}
