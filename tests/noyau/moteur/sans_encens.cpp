// A game with no incense clock: time counts up and never ends it, the aids
// are unlimited or free, and the pairs score as in every other game.

#include "moteur/partie.h"

#include <gtest/gtest.h>

using namespace partie;

namespace {

Partie calme(const dispositions::Disposition& d, int graine = 3) {
    Options o;
    o.disposition = d;
    o.graine = graine;
    o.sansEncens = true;
    return *creer(o);
}

Resultat jouer(Partie& p, const Paire& paire) {
    prendre(p, paire[0]);
    return prendre(p, paire[1]);
}

} // namespace

TEST(SansEncens, LeTempsCompteSansFinirLaPartie) {
    Partie p = calme(dispositions::LISTE[5]);
    EXPECT_TRUE(p.sansEncens);
    EXPECT_EQ(p.tempsMs, 0);
    EXPECT_EQ(p.tempsMax, 0);
    EXPECT_EQ(p.etat, Etat::Jeu);
    EXPECT_FALSE(avancer(p, 10 * 3600 * 1000));
    EXPECT_EQ(p.horloge, 10 * 3600 * 1000);
    EXPECT_EQ(p.etat, Etat::Jeu);

    // Two quick pairs make a combo; no pair gives time; the stack clears.
    const Chemin t = *p.temoin;
    Resultat r = jouer(p, t[0]);
    EXPECT_EQ(r.points, 200 + (r.jumelle ? 300 : 0));
    EXPECT_EQ(r.bonusMs, 0);
    avancer(p, 1000);
    r = jouer(p, t[1]);
    EXPECT_EQ(r.combo, 2);
    EXPECT_EQ(r.bonusMs, 0);
    for (std::size_t k = 2; k < t.size(); ++k) {
        avancer(p, 5000);
        jouer(p, t[k]);
    }
    EXPECT_EQ(p.etat, Etat::Gagne);
    EXPECT_EQ(p.tempsMs, 0);
    EXPECT_EQ(p.stats.paires, 55);
    EXPECT_EQ(bonusFin(p).total, 0);
    EXPECT_GT(p.score, 55 * 200);
}

TEST(SansEncens, AidesIllimiteesOuGratuites) {
    Partie p = calme(dispositions::LISTE[9]);
    // HINT as often as asked, each one counted.
    for (int k = 0; k < 5; ++k)
        EXPECT_TRUE(indice(p));
    EXPECT_EQ(p.stats.hint, 5);
    EXPECT_EQ(p.aides.hint, 0);
    // UNDO costs nothing and puts the time in no danger.
    jouer(p, p.temoin->front());
    jouer(p, p.temoin->front());
    EXPECT_TRUE(annuler(p));
    EXPECT_TRUE(annuler(p));
    EXPECT_EQ(p.tempsMs, 0);
    EXPECT_EQ(p.stats.undo, 2);
    EXPECT_EQ(p.etat, Etat::Jeu);
    // PEEK is not needed; MIX waits until no pair is left.
    EXPECT_EQ(apercu(p), 0);
    EXPECT_EQ(p.stats.peek, 0);
    const std::vector<int> avant = p.motifs;
    EXPECT_FALSE(melanger(p).ok);
    EXPECT_EQ(p.motifs, avant);

    // Blocked: free, and again when blocked again.
    Partie b = calme({"ESSAI CALME", {{"######"}}}, 1);
    for (int k = 0; k < 2; ++k) {
        b.motifs = {4, 5, 4, 5, 6, 6};
        b.temoin.reset();
        etatApres(b);
        ASSERT_EQ(b.etat, Etat::Bloque);
        const Melange m = melanger(b);
        ASSERT_TRUE(m.ok);
        EXPECT_EQ(m.cout, 0);
        EXPECT_EQ(b.tempsMs, 0);
    }
    EXPECT_EQ(b.stats.mix, 2);
    EXPECT_EQ(b.aides.mix, 0);
}
