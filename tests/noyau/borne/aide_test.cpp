#include "borne/aide.h"

#include <gtest/gtest.h>

using namespace aide;

namespace {

const QMap<QString, QString> CLAVIER = {{"ok", "ENTER"}, {"retour", "ESC"}, {"gauche", "←"}};

QString lire(const QVector<Morceau>& m) {
    QString r;
    for (const Morceau& p : m)
        r += (p.touche ? "[" + p.texte + "]" : p.texte) + "|";
    return r;
}

} // namespace

TEST(Aide, ClesEtMotsEnMorceaux) {
    EXPECT_EQ(lire(decouper("{ok} START  {retour} BACK", CLAVIER)),
              "[ENTER]| START  |[ESC]| BACK|");
    // No label for the device: the name in capitals, never an empty gap.
    EXPECT_EQ(lire(decouper("{peek} LOOK", CLAVIER)), "[PEEK]| LOOK|");
    EXPECT_EQ(lire(decouper("{gauche}{ok}", CLAVIER)), "[←]|[ENTER]|");
    EXPECT_EQ(lire(decouper("PLAIN", {})), "PLAIN|");
    EXPECT_TRUE(decouper("", CLAVIER).isEmpty());
}

TEST(Aide, AccoladeNonFermeeResteDuTexte) {
    // A faulty translation still reads: the rest of the line is plain text.
    EXPECT_EQ(lire(decouper("{ok} OK  {retour BACK", CLAVIER)), "[ENTER]| OK  {retour BACK|");
    EXPECT_EQ(lire(decouper("{", CLAVIER)), "{|");
    // A "}" with no "{" is plain text too.
    EXPECT_EQ(lire(decouper("A} {ok}", CLAVIER)), "A} |[ENTER]|");
}

TEST(Aide, LargeurDeLaRangee) {
    // ENTER 29, " START" 35, one pixel between the two pieces.
    EXPECT_EQ(largeur(decouper("{ok} START", CLAVIER)), 29 + 35 + 1);
    EXPECT_EQ(largeur({}), 0);
}
