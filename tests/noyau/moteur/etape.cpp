#include "moteur/etape.h"

#include "moteur/partie.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <string>

namespace {

partie::Partie nouvelle(std::int64_t tempsMs) {
    partie::Options o;
    o.disposition = dispositions::LISTE[0];
    o.graine = 1;
    o.tempsMs = tempsMs;
    return *partie::creer(o);
}

// The steps the count takes to reach `restant`.
int pasDuCompte(std::int64_t restant) {
    int n = 0;
    for (std::int64_t compte = 0; compte < restant; ++n)
        compte += std::min(etape::pasCompte(restant), restant - compte);
    return n;
}

std::string s(const char* t) {
    return t;
}

} // namespace

TEST(Etape, BilanEtCompte) {
    // A perfect clear with 50 s, 3 hints and 2 mixes left: 5000 + 1500 +
    // 1600 + 5000, counted in steps of 500.
    partie::Partie p = nouvelle(50000);
    etape::Bilan b = etape::bilan(p);
    EXPECT_EQ(b.temps, 50);
    EXPECT_EQ(b.aides, 3100);
    EXPECT_EQ(b.parfait, etape::BONUS_PARFAIT);
    EXPECT_EQ(b.restant, 13100);
    EXPECT_EQ(etape::pasCompte(13100), 500);
    EXPECT_EQ(pasDuCompte(13100), 27);

    // PEEK keeps the clear perfect; HINT, MIX and UNDO each spoil it.
    p.stats.peek = 1;
    EXPECT_TRUE(etape::parfait(p.stats));
    for (int partie::Stats::*aide :
         {&partie::Stats::hint, &partie::Stats::mix, &partie::Stats::undo}) {
        partie::Stats st;
        st.*aide = 1;
        EXPECT_FALSE(etape::parfait(st));
    }

    // Nothing left to count: the count still steps by at least 100.
    p = nouvelle(900);
    p.aides = {0, 0, 1};
    p.stats.hint = 3;
    b = etape::bilan(p);
    EXPECT_EQ(b.temps, 0);
    EXPECT_EQ(b.parfait, 0);
    EXPECT_EQ(b.restant, 0);
    EXPECT_EQ(pasDuCompte(0), 0);
    EXPECT_EQ(etape::pasCompte(0), 100);
    // Whole hundreds, about thirty steps whatever the total.
    EXPECT_EQ(etape::pasCompte(3000), 100);
    EXPECT_EQ(etape::pasCompte(3001), 200);
    EXPECT_EQ(etape::pasCompte(300000), 10000);
    EXPECT_EQ(pasDuCompte(300000), 30);
    EXPECT_EQ(pasDuCompte(50), 1);
}

TEST(Etape, PasDHorloge) {
    EXPECT_EQ(etape::pasHorloge(0, 5000), 16);
    EXPECT_EQ(etape::pasHorloge(1000, 1016.5), 16.5);
    // A stall of 5 s counts 100 ms; a watch going back, nothing.
    EXPECT_EQ(etape::pasHorloge(1000, 6000), 100);
    EXPECT_EQ(etape::pasHorloge(1000, 900), 0);
    EXPECT_EQ(etape::pasHorloge(1000, std::nan("")), 0);
}

TEST(Etape, NoticeEtDecor) {
    EXPECT_EQ(s(etape::logoFin(true, 11, true)), "perfect");
    EXPECT_EQ(s(etape::logoFin(false, 11, true)), "all_clear");
    EXPECT_EQ(s(etape::logoFin(false, 11, false)), "stage_clear");
    EXPECT_EQ(s(etape::logoFin(false, 10, true)), "stage_clear");
    const char* attendus[] = {"marche", "marche", "marche", "pont", "pont", "pont",  "temple",
                              "temple", "temple", "port",   "port", "port", "marche"};
    for (int e = 0; e < 13; ++e)
        EXPECT_EQ(s(etape::decor(e)), attendus[e]) << e;
    EXPECT_EQ(s(etape::decor(-4)), "marche");
    EXPECT_EQ(etape::RUSH_MS, 90000);
}

TEST(Etape, RetourDesPaires) {
    const char* couleurs[] = {"or",    "or",    "or",    "jade",  "jade",
                              "blanc", "blanc", "blanc", "blanc", "rose"};
    for (int c = 1; c <= 9; ++c) {
        const etape::RetourPaire r = etape::retourPaire(c - 1, c, false);
        EXPECT_EQ(s(r.couleur), couleurs[c]) << c;
        EXPECT_EQ(s(r.style), c >= 3 ? "rouge" : "or") << c;
        EXPECT_EQ(s(r.pose), c >= 3 ? "combo" : "joie") << c;
        EXPECT_TRUE(r.nouveau);
        EXPECT_EQ(r.palier, c == 3 || c == 6 || c == 9) << c;
        EXPECT_EQ(r.voix, c == 3 || c == 6) << c;
        EXPECT_EQ(r.secousse, c >= 4) << c;
    }
    // Fever comes with a new step and flashes instead of the plain shake.
    etape::RetourPaire r = etape::retourPaire(4, 5, true);
    EXPECT_TRUE(r.entreeFever);
    EXPECT_FALSE(r.secousse);
    // A combo held at 9 is no new step: no fever, no smoke, no voice.
    r = etape::retourPaire(9, 9, true);
    EXPECT_FALSE(r.nouveau || r.entreeFever || r.palier || r.voix);
    EXPECT_TRUE(r.secousse);
    EXPECT_EQ(s(r.couleur), "rose");
    // Back to 1 after a chain: a new step, nothing more.
    r = etape::retourPaire(6, 1, false);
    EXPECT_TRUE(r.nouveau);
    EXPECT_FALSE(r.palier || r.secousse);

    // A sliding grid knows no white, and speaks on 3 and 6 whatever came before.
    EXPECT_EQ(s(etape::retourGlissant(5).couleur), "jade");
    EXPECT_EQ(s(etape::retourGlissant(9).couleur), "rose");
    EXPECT_EQ(s(etape::retourGlissant(2).couleur), "or");
    EXPECT_TRUE(etape::retourGlissant(6).voix);
    EXPECT_FALSE(etape::retourGlissant(9).voix);
    EXPECT_FALSE(etape::retourGlissant(3).secousse);
    EXPECT_TRUE(etape::retourGlissant(4).secousse);

    EXPECT_EQ(s(etape::poseRepos(true, 5, 5)), "peur");
    EXPECT_EQ(s(etape::poseRepos(false, 3, 3)), "combo");
    EXPECT_EQ(s(etape::poseRepos(false, 3, 1)), "attente");
    EXPECT_EQ(s(etape::poseRepos(false, 2, 3)), "attente");
}
