#include "sequenceur.h"
#include "synthese.h"

#include <cmath>
#include <gtest/gtest.h>
#include <stdexcept>

// The workshop's building blocks: the tune notation, the looping bus, the
// tuning of the plucked string and the levelling of one-shot sounds.

using namespace synthese;
using sequenceur::lire;

TEST(Notation, ReadsNotesHoldsRestsAndOctaves) {
    const auto notes = lire("1 - 2 0 - 3'|5, 6 |b7 #4");
    ASSERT_EQ(notes.size(), 7u);
    EXPECT_EQ(notes[0].debut, 0);
    EXPECT_EQ(notes[0].duree, 2);
    EXPECT_EQ(notes[0].demiTons, 0);
    EXPECT_EQ(notes[1].debut, 2);
    EXPECT_EQ(notes[1].demiTons, 2);
    EXPECT_EQ(notes[1].duree, 1) << "a hold after a rest extends nothing";
    EXPECT_EQ(notes[2].debut, 5);
    EXPECT_EQ(notes[2].demiTons, 16);
    EXPECT_EQ(notes[3].demiTons, -5);
    EXPECT_EQ(notes[4].demiTons, 9);
    EXPECT_EQ(notes[5].demiTons, 10);
    EXPECT_EQ(notes[6].demiTons, 6);
    EXPECT_EQ(notes[6].debut, 9);
    EXPECT_TRUE(lire("").empty());
    EXPECT_TRUE(lire("- - 0").empty());
}

TEST(Notation, RefusesWhatItCannotRead) {
    EXPECT_THROW(lire("1 8"), std::runtime_error);
    EXPECT_THROW(lire("1 x"), std::runtime_error);
    EXPECT_THROW(lire("1'a"), std::runtime_error);
    EXPECT_THROW(lire("#"), std::runtime_error);
}

TEST(Bus, LoopWrapsWhatRunsPastTheEnd) {
    Bus boucle(1.0, true), une(1.0, false);
    const Mono son(FE / 2, 0.5f);
    boucle.poser(0.75, son, 1.0, 0.0);
    une.poser(0.75, son, 1.0, 0.0);
    // Centre pan keeps equal power: each side gets the sample as is.
    EXPECT_NEAR(boucle.gauche()[FE / 8], 0.5, 1e-6);
    EXPECT_NEAR(boucle.droite()[FE / 2 + FE / 4 + 10], 0.5, 1e-6);
    EXPECT_EQ(une.gauche()[FE / 8], 0.0f);
    EXPECT_NEAR(une.gauche()[FE - 1], 0.5, 1e-6);
    EXPECT_EQ(boucle.taille(), FE);

    // Hard left sends nothing right.
    Bus gauche(0.1, false);
    gauche.poser(0.0, Mono(100, 1.0f), 1.0, -1.0);
    EXPECT_NEAR(gauche.droite()[50], 0.0, 1e-6);
    EXPECT_NEAR(gauche.gauche()[50], std::sqrt(2.0), 1e-5);
}

TEST(Bus, LoopReverbAlreadyRingsAtTheStart) {
    Bus boucle(1.0, true), une(1.0, false);
    Mono coup(200, 1.0f);
    boucle.poser(0.9, coup, 1.0, 0.0, 1.0);
    une.poser(0.9, coup, 1.0, 0.0, 1.0);
    boucle.reverberer(0.84, 0.3, 1.0);
    une.reverberer(0.84, 0.3, 1.0);
    double debutBoucle = 0, debutUne = 0;
    for (int i = 0; i < FE / 10; ++i) {
        debutBoucle += std::fabs(boucle.gauche()[i]);
        debutUne += std::fabs(une.gauche()[i]);
    }
    EXPECT_GT(debutBoucle, 0.01);
    EXPECT_EQ(debutUne, 0.0);
}

TEST(Bus, FinishingLevelsAndNeverExceedsTheCeiling) {
    Bus bus(0.5, false);
    Mono fort(FE / 4);
    for (int i = 0; i < FE / 4; ++i)
        fort[i] = static_cast<float>(3.0 * std::sin(i * 0.05));
    bus.poser(0.1, fort, 1.0, 0.3);
    bus.finir(-17.0, 0.85);
    double crete = 0;
    for (float x : bus.gauche())
        crete = std::max(crete, double(std::fabs(x)));
    for (float x : bus.droite())
        crete = std::max(crete, double(std::fabs(x)));
    EXPECT_LE(crete, 0.85);
    EXPECT_NEAR(rmsDb(bus.gauche(), bus.droite()), -17.0, 1.5);
    EXPECT_EQ(bus.gauche().back(), 0.0f);
}

TEST(Instruments, PluckedStringIsInTune) {
    for (double f : {220.0, 440.0, 880.0, 1318.5}) {
        const Mono s = pincee(f, 0.5, 0.6, 9u);
        // Period by autocorrelation over 50..250 ms, refined by parabola.
        const int de = FE / 20, n = FE / 5;
        const int lagMin = static_cast<int>(FE / f * 0.8), lagMax = static_cast<int>(FE / f * 1.2);
        std::vector<double> r(lagMax + 2, 0.0);
        int meilleur = lagMin;
        for (int lag = lagMin - 1; lag <= lagMax + 1; ++lag) {
            for (int i = de; i < de + n; ++i)
                r[lag] += double(s[i]) * s[i + lag];
            if (lag >= lagMin && lag <= lagMax && r[lag] > r[meilleur]) meilleur = lag;
        }
        const double a = r[meilleur - 1], b = r[meilleur], c = r[meilleur + 1];
        const double periode = meilleur + 0.5 * (a - c) / (a - 2 * b + c);
        const double mesure = FE / periode;
        EXPECT_NEAR(1200 * std::log2(mesure / f), 0.0, 10.0) << f << " Hz"; // cents
    }
}

TEST(Instruments, SameSeedSameSound) {
    EXPECT_EQ(pincee(330.0, 0.2, 0.5, 4u), pincee(330.0, 0.2, 0.5, 4u));
    EXPECT_NE(pincee(330.0, 0.2, 0.5, 4u), pincee(330.0, 0.2, 0.5, 5u));
    EXPECT_EQ(taiko(62.0, 8u), taiko(62.0, 8u));
}

TEST(Instruments, OneShotIsCutToSizeWithALeadIn) {
    Mono s(FE, 1.0f);
    finirMono(s, FE / 2, 0.7);
    ASSERT_EQ(s.size(), static_cast<std::size_t>(FE / 2));
    EXPECT_EQ(s[0], 0.0f);
    EXPECT_EQ(s[echantillons(0.002)], 0.0f);
    EXPECT_NEAR(s[FE / 4], 0.7, 1e-6);
    EXPECT_NEAR(s.back(), 0.0, 1e-3);
    Mono court(10, 0.5f);
    finirMono(court, FE / 10, 0.7);
    EXPECT_EQ(court.size(), static_cast<std::size_t>(FE / 10));
}

TEST(Morceau, BarsDivideTheWholeLengthExactly) {
    Bus bus(10.0, true);
    sequenceur::Morceau m(bus, 440.0, 5, 8);
    EXPECT_DOUBLE_EQ(m.mesure(), 2.0);
    EXPECT_DOUBLE_EQ(m.pas(), 0.25);
    EXPECT_NEAR(m.hz(12), 880.0, 1e-9);
    EXPECT_NEAR(m.hz(-12), 220.0, 1e-9);
    // A tick on every bar of the loop: five onsets, evenly spaced.
    m.frappes(
        0, 5, "x", [](uint32_t) { return Mono(10, 1.0f); }, 1.0, 0.0);
    int debuts = 0;
    for (int i = 0; i < bus.taille(); ++i)
        if (bus.gauche()[i] != 0.0f && (i == 0 || bus.gauche()[i - 1] == 0.0f)) {
            EXPECT_EQ(i % (2 * FE), 0);
            ++debuts;
        }
    EXPECT_EQ(debuts, 5);
}
