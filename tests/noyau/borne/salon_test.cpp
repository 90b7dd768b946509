#include "borne/flux.h"
#include "borne/lancement.h"
#include "borne/menu.h"
#include "borne/modes.h"

#include <gtest/gtest.h>

// TEA HOUSE as the cabinet sees it: a lantern after PANDA PARADE that opens
// its own list, an untimed stack with every aid but PEEK, and an end that
// neither ranks nor continues.

TEST(Salon, LaLanterneOuvreLaListe) {
    const int i = menu::indexDe("salon");
    ASSERT_EQ(i, menu::indexDe("parade") + 1);
    EXPECT_STREQ(menu::ENTREES[i].nom, "TEA HOUSE");
    EXPECT_TRUE(menu::ouverte(i, menu::Ouvertures{}));
    // No row of lampions: the lantern is chosen at once, and its scene lists
    // the stacks.
    EXPECT_TRUE(menu::listeDe("salon", {}, true).isEmpty());
    EXPECT_STREQ(modes::regle(Mode::Salon).scene, "salon");
    // Every arcade mode still starts from MODE SELECT itself.
    for (const modes::Regle& r : modes::REGLES)
        if (r.mode != Mode::Salon) {
            EXPECT_STREQ(r.scene, "") << motDe(r.mode);
        }
}

TEST(Salon, SansEncensNiApercu) {
    const modes::Regle& r = modes::regle(Mode::Salon);
    EXPECT_FALSE(r.encens);
    EXPECT_EQ(r.tempsMs, 0);
    EXPECT_FALSE(r.urgence);
    EXPECT_TRUE(r.undo);
    EXPECT_FALSE(r.apercu);
    EXPECT_EQ(r.voile, modes::Voile::Aucun);
    for (const modes::Regle& a : modes::REGLES)
        if (a.mode != Mode::Salon) {
            EXPECT_TRUE(a.encens) << motDe(a.mode);
        }
}

TEST(Salon, LaFinNeClasseNiNeContinue) {
    flux::Course c;
    c.mode = Mode::Salon;
    flux::Pile p;
    p.issue = flux::Issue::Gagne;
    p.score = 4200;
    for (flux::Issue issue : {flux::Issue::Gagne, flux::Issue::Impasse}) {
        p.issue = issue;
        const flux::Fin f = flux::finPile(c, p, true, QString());
        EXPECT_EQ(f.suite, flux::Suite::GameOver);
        EXPECT_EQ(f.scoreFinal, 0); // never enters a table
        EXPECT_TRUE(f.evenements.empty());
        EXPECT_EQ(f.etapeNotee, -1);
    }
    EXPECT_STREQ(modes::regle(Mode::Salon).table, "");
    EXPECT_FALSE(modes::regle(Mode::Salon).continuer);
}

TEST(Salon, LaPileDeLaLigneDeCommande) {
    using lancement::lire;
    const auto l = lire({"tessimora", "--pile=mes piles/tour.layout", "--pilote=2"});
    EXPECT_EQ(l.mode, Mode::Salon);
    EXPECT_EQ(l.pile, "mes piles/tour.layout");
    EXPECT_EQ(l.pilote, 2);
    // A scene or a game asked for wins; an empty name starts nothing.
    EXPECT_FALSE(lire({"--pile=a.layout", "--scene=menu"}).mode.has_value());
    EXPECT_EQ(lire({"--pile=a.layout", "--scene=partie", "--mode=rush"}).mode, Mode::Rush);
    EXPECT_FALSE(lire({"--pile="}).mode.has_value());
    EXPECT_EQ(modeDe("salon"), Mode::Salon);
}
