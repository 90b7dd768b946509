#include "sauvegarde/stockage.h"

#include <gtest/gtest.h>

using namespace stockage;

TEST(Reglages, UnPremierDemarrageParleQuandLeLecteurDEcranEstActif) {
    int demandes = 0;
    installerLecteurEcran([&] {
        ++demandes;
        return true;
    });
    EXPECT_TRUE(lireReglages(QString()).acces.parole);
    EXPECT_TRUE(lireReglages(QString()).acces.parole);
    EXPECT_EQ(demandes, 1); // the session bus is asked once
    // A saved record is the player's choice, whatever the desktop says.
    EXPECT_FALSE(lireReglages(QStringLiteral("{\"jeu\":{}}")).acces.parole);
    EXPECT_FALSE(lireReglages(QStringLiteral("{\"acces\":{\"parole\":false}}")).acces.parole);
    // The other access choices keep their defaults.
    EXPECT_FALSE(lireReglages(QString()).acces.tuilesClaires);
    installerLecteurEcran([] { return false; });
    EXPECT_FALSE(lireReglages(QString()).acces.parole);
    installerLecteurEcran({});
    EXPECT_FALSE(lireReglages(QString()).acces.parole);
}
