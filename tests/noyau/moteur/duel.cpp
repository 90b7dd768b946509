#include "moteur/duel.h"

#include <gtest/gtest.h>
#include <limits>
#include <utility>

using partie::Etat;

TEST(Duel, DispositionParGraine) {
    EXPECT_EQ(duel::disposition(0).nom, "SMALL LAMP");
    EXPECT_EQ(duel::disposition(7).nom, "RICE BOWL");
    EXPECT_EQ(duel::disposition(20261208).nom, "SMALL LAMP");
    // Whole towards zero; negative seeds count from the end; no seed at all is 0.
    EXPECT_EQ(duel::disposition(3.9).nom, "RICE BOWL");
    EXPECT_EQ(duel::disposition(-1).nom, "RICE BOWL");
    EXPECT_EQ(duel::disposition(-4).nom, "SMALL LAMP");
    EXPECT_EQ(duel::disposition(std::numeric_limits<double>::quiet_NaN()).nom, "SMALL LAMP");
    EXPECT_EQ(duel::disposition(std::numeric_limits<double>::infinity()).nom, "SMALL LAMP");
    EXPECT_EQ(duel::disposition(1e300).nom, duel::disposition(0).nom);
}

TEST(Duel, UnNettoyageGagneTout) {
    // Board 2 clears first: it wins at once, even with fewer points.
    duel::Arbitre a;
    EXPECT_TRUE(duel::finJoueur(a, 2, Etat::Gagne, 9000, 100));
    EXPECT_FALSE(a.joue);
    EXPECT_EQ(a.gagnant, 2);
    EXPECT_EQ(std::string(duel::logo(a.gagnant, 1)), "lose");
    EXPECT_EQ(std::string(duel::logo(a.gagnant, 2)), "win");
    EXPECT_EQ(std::string(duel::musique(a.gagnant, true)), "defaite");
    EXPECT_EQ(std::string(duel::musique(a.gagnant, false)), "victoire");
    // Decided: later ends change nothing.
    EXPECT_FALSE(duel::finJoueur(a, 1, Etat::Gagne, 9000, 100));
    EXPECT_EQ(a.gagnant, 2);

    // Board 1 out of time waits; board 2 then clears and wins.
    duel::Arbitre b;
    EXPECT_FALSE(duel::finJoueur(b, 1, Etat::Temps, 5000, 200));
    EXPECT_TRUE(b.joue);
    EXPECT_TRUE(b.fin1);
    EXPECT_TRUE(duel::finJoueur(b, 2, Etat::Gagne, 5000, 200));
    EXPECT_EQ(b.gagnant, 2);
}

TEST(Duel, SansNettoyageLeScoreDecide) {
    duel::Arbitre a;
    EXPECT_FALSE(duel::finJoueur(a, 2, Etat::Impasse, 800, 400));
    EXPECT_TRUE(duel::finJoueur(a, 1, Etat::Temps, 800, 400));
    EXPECT_EQ(a.gagnant, 1);
    EXPECT_EQ(std::string(duel::logo(1, 1)), "win");
    EXPECT_EQ(std::string(duel::logo(1, 2)), "lose");
    EXPECT_EQ(std::string(duel::musique(1, true)), "victoire");

    duel::Arbitre b;
    duel::finJoueur(b, 1, Etat::Impasse, 300, 700);
    EXPECT_TRUE(duel::finJoueur(b, 2, Etat::Temps, 300, 700));
    EXPECT_EQ(b.gagnant, 2);

    // Equal scores: nobody, and both boards show "win".
    duel::Arbitre c;
    duel::finJoueur(c, 1, Etat::Temps, 600, 600);
    EXPECT_TRUE(duel::finJoueur(c, 2, Etat::Temps, 600, 600));
    EXPECT_EQ(c.gagnant, 0);
    EXPECT_EQ(std::string(duel::logo(0, 1)), "win");
    EXPECT_EQ(std::string(duel::logo(0, 2)), "win");
    EXPECT_EQ(std::string(duel::musique(0, true)), "victoire");
}

TEST(Duel, FinsQuiNeComptentPas) {
    duel::Arbitre a;
    // The same board ending twice does not stand for the other one.
    EXPECT_FALSE(duel::finJoueur(a, 1, Etat::Temps, 0, 0));
    EXPECT_FALSE(duel::finJoueur(a, 1, Etat::Impasse, 0, 0));
    EXPECT_FALSE(a.fin2);
    // Neither a board 3 nor a state that is not an end.
    EXPECT_FALSE(duel::finJoueur(a, 3, Etat::Gagne, 0, 0));
    EXPECT_FALSE(duel::finJoueur(a, 2, Etat::Bloque, 0, 0));
    EXPECT_FALSE(duel::finJoueur(a, 2, Etat::Jeu, 0, 0));
    EXPECT_TRUE(a.joue);
    EXPECT_FALSE(a.fin2);
}

TEST(Duel, SeulUnDuelGagneContreLOrdinateurCompte) {
    // Beaten LAMPION with a score that takes a place: the record entry, stage 1.
    auto r = duel::issue(0, 1, 4200, 3);
    EXPECT_TRUE(r.compte);
    EXPECT_EQ(r.score, 4200);
    EXPECT_EQ(r.etape, 1);
    EXPECT_TRUE(r.saisie);
    // The same against DRAGON KITE with a full table of better scores: the
    // leaderboards still hear of it, but no record entry.
    r = duel::issue(2, 1, 4200, -1);
    EXPECT_TRUE(r.compte);
    EXPECT_EQ(r.etape, 3);
    EXPECT_FALSE(r.saisie);
    // Lost, drawn, or two players: nothing counts, whatever the score.
    const std::pair<int, int> autres[] = {{1, 2}, {1, 0}, {-1, 1}, {-1, 2}};
    for (const auto& [ia, g] : autres) {
        r = duel::issue(ia, g, 5000, 0);
        EXPECT_FALSE(r.compte) << ia << " " << g;
        EXPECT_EQ(r.score, 0);
        EXPECT_EQ(r.etape, 0);
        EXPECT_FALSE(r.saisie);
    }
    // A win with nothing to show never enters a table, and a score that is
    // not a number counts as none.
    EXPECT_FALSE(duel::issue(1, 1, 0, 0).saisie);
    EXPECT_EQ(duel::issue(1, 1, std::numeric_limits<double>::quiet_NaN(), 0).score, 0);
    EXPECT_EQ(duel::issue(1, 1, 1e12, 0).score, std::numeric_limits<int>::max());
}
