#include "ecran/rythme.h"

#include <gtest/gtest.h>

namespace {

using rythme::JAMAIS;

TEST(Rythme, UneBandeNeChangeQuASesPropresTemps) {
    // Four frames of 120 ms, looping: frame 2 from 240 to 359 ms, then 3.
    auto p = rythme::bande(4, 120, true, false, 250);
    EXPECT_EQ(p.cadre, 2);
    EXPECT_EQ(p.prochain, 360);
    p = rythme::bande(4, 120, true, false, 480);
    EXPECT_EQ(p.cadre, 0);
    EXPECT_EQ(p.prochain, 600);
    // A strip that cannot move never asks to be woken.
    EXPECT_EQ(rythme::bande(1, 120, true, false, 500).prochain, JAMAIS);
    EXPECT_EQ(rythme::bande(4, 0, true, false, 500).prochain, JAMAIS);
}

TEST(Rythme, UneBandeJoueeUneFoisFinitOuTientSaDerniereImage) {
    auto p = rythme::bande(3, 50, false, false, 149);
    EXPECT_FALSE(p.fini);
    EXPECT_EQ(p.cadre, 2);
    EXPECT_EQ(p.prochain, 150);
    p = rythme::bande(3, 50, false, false, 150);
    EXPECT_TRUE(p.fini);
    EXPECT_EQ(p.cadre, 0);
    EXPECT_EQ(p.prochain, JAMAIS);
    // Held as soon as the last frame shows, and nothing wakes it again.
    p = rythme::bande(3, 50, false, true, 100);
    EXPECT_TRUE(p.tenu);
    EXPECT_EQ(p.cadre, 2);
    EXPECT_EQ(p.prochain, JAMAIS);
}

TEST(Rythme, LHorlogeNeSuitLesImagesQuePourCeQuiBougeSansCesse) {
    // Something fades: every frame of the display.
    EXPECT_TRUE(rythme::planifier(true, JAMAIS, 1000, 0).images);
    // It ended a moment ago: still every frame for a while.
    EXPECT_TRUE(rythme::planifier(false, 1100, 1000, 400).images);
    // Only strips: asleep until the next one steps, and never for nothing.
    auto p = rythme::planifier(false, 1100, 1000, rythme::REPOS_AVANT_ARRET_MS);
    EXPECT_FALSE(p.images);
    EXPECT_EQ(p.attente, 100);
    EXPECT_EQ(rythme::planifier(false, 900, 1000, rythme::REPOS_AVANT_ARRET_MS).attente, 0);
    EXPECT_EQ(rythme::planifier(false, JAMAIS, 1000, rythme::REPOS_AVANT_ARRET_MS).attente, -1);
}

TEST(Rythme, LesBouclesDeMemeDureeChangentEnsemble) {
    // Two loops of 117 ms started 40 ms apart step at the same clock times.
    const auto a = rythme::debutAligne(1000, 117);
    const auto b = rythme::debutAligne(1040, 117);
    EXPECT_EQ(a, b);
    EXPECT_LE(a, 1000);
    EXPECT_GT(a, 1000 - 117);
    EXPECT_EQ(rythme::bande(8, 117, true, false, 1100 - a).prochain + a,
              rythme::bande(8, 117, true, false, 1100 - b).prochain + b);
    // Nothing to align on without a frame length.
    EXPECT_EQ(rythme::debutAligne(1040, 0), 1040);
}

TEST(Rythme, UnReveilDessineDansLaMemeImageCeQuiTombeAvantLaSuivante) {
    // Woken at 1000 ms: a strip due at 1010 steps in this walk, and the
    // clock sleeps until a display frame before the next change.
    const auto t = rythme::tempsDuTour(1000, 900, true);
    EXPECT_EQ(t, 1000 + rythme::AVANCE_REVEIL_MS);
    EXPECT_EQ(rythme::bande(8, 117, true, false, t - 893).cadre, 1);
    EXPECT_EQ(rythme::planifier(false, 1117, t, rythme::REPOS_AVANT_ARRET_MS).attente, 1117 - t);
    // Following the display, a walk never goes back behind one walked ahead.
    EXPECT_EQ(rythme::tempsDuTour(1010, t, false), t);
    EXPECT_EQ(rythme::tempsDuTour(1030, t, false), 1030);
}

TEST(Rythme, UnDefilementRepartSurLesPasDesBoucles) {
    // Stopped 1234 ms into its scroll, going on at 5050 ms: it counts from
    // a tenth of a second of the clock, less than a tenth from where it was,
    // so a 10 pixels a second layer steps with the 50 ms loops.
    const auto depart = rythme::departDefilement(5050, 1234);
    EXPECT_EQ(depart % rythme::PAS_DEFILEMENT_MS, 0);
    EXPECT_LE(depart, 5050 - 1234);
    EXPECT_GT(depart, 5050 - 1234 - rythme::PAS_DEFILEMENT_MS);
    const auto pas = depart + rythme::pixelSuivant(5050 - depart, 10);
    EXPECT_EQ(pas % 50, 0);
}

TEST(Rythme, UnPlanQuiDefileNeReveilleQuAChaquePixelEntier) {
    // 10 pixels a second: one pixel every 100 ms, exactly on the step.
    EXPECT_EQ(rythme::pixels(99, 10), 0);
    EXPECT_EQ(rythme::pixels(100, 10), 1);
    EXPECT_EQ(rythme::pixelSuivant(0, 10), 100);
    EXPECT_EQ(rythme::pixelSuivant(100, 10), 200);
    EXPECT_EQ(rythme::pixelSuivant(150, 10), 200);
    // 3 pixels a second: steps at 334, 667, 1000 ms; each wake lands where
    // the pixel has changed, never a ms before.
    for (rythme::Ms t = 0; t < 3000;) {
        const auto s = rythme::pixelSuivant(t, 3);
        EXPECT_EQ(rythme::pixels(s, 3), rythme::pixels(t, 3) + 1);
        EXPECT_EQ(rythme::pixels(s - 1, 3), rythme::pixels(t, 3));
        t = s;
    }
    // A layer that stands still never wakes anything.
    EXPECT_EQ(rythme::pixelSuivant(500, 0), JAMAIS);
    EXPECT_EQ(rythme::pixels(500, -4), 0);
}

} // namespace
