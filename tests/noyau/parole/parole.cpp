#include "parole/parole.h"

#include "parole/voix.h"

#include <QSet>
#include <QStringList>
#include <cmath>
#include <gtest/gtest.h>

namespace {

// Says the keys with their values filled in, as English does.
QString anglais(const parole::Enonce& e) {
    return parole::texte(e, [](const QString& c, const QVariantMap& v) {
        QString t = c.mid(c.indexOf(QLatin1Char('|')) + 1);
        for (auto it = v.begin(); it != v.end(); ++it)
            t.replace(QLatin1Char('{') + it.key() + QLatin1Char('}'), it.value().toString());
        return t;
    });
}

std::string dit(const parole::Enonce& e) {
    return anglais(e).toStdString();
}

} // namespace

TEST(Parole, ChaqueFaceEstNommeeCommeLaGalerieLaNommeEtDifferemment) {
    QSet<QString> vus;
    for (int m = 0; m < 42; ++m) {
        const parole::Enonce e = parole::tuile(m, true, 0);
        ASSERT_EQ(e.size(), 3) << m;
        EXPECT_FALSE(e[0].cle.isEmpty()) << m;
        vus.insert(anglais({e[0]}));
    }
    EXPECT_EQ(vus.size(), 42);
    EXPECT_EQ(dit(parole::tuile(0, true, 0)), "CHARACTER 1, FREE, LAYER 1");
    EXPECT_EQ(dit(parole::tuile(27, false, 2)), "EAST WIND, BLOCKED, LAYER 3");
    EXPECT_EQ(dit(parole::tuile(18, true, 4)), "PANDA BAMBOO, FREE, LAYER 5");
    EXPECT_EQ(dit(parole::tuile(41, false, 0)), "SEASON 4, BLOCKED, LAYER 1");
    // FREE is the tile's, not the coins' FREE PLAY: a context of its own.
    EXPECT_EQ(parole::tuile(0, true, 0)[1].cle, "tile|FREE");
    // No face, nothing said.
    EXPECT_TRUE(parole::tuile(-1, true, 0).isEmpty());
    EXPECT_TRUE(parole::tuile(42, true, 0).isEmpty());
    EXPECT_TRUE(parole::prise(99).isEmpty());
}

TEST(Parole, EcransEntreesEtMomentsDuJeu) {
    const struct {
        parole::Enonce e;
        const char* texte;
    } cas[] = {
        {parole::scene("menu"), "MODE SELECT"},
        {parole::scene("titre"), "TESSIMORA, ARCADE MAHJONG"},
        {parole::scene("options"), "OPTIONS"},
        {parole::scene("commandes"), "CONTROLS"},
        {parole::scene("salon"), "TEA HOUSE"},
        {parole::scene("partie"), ""},
        {parole::scene("inconnue"), ""},
        {parole::scene("pause"), "PAUSE"},
        {parole::question("LEAVE?", "ALL IS LOST", false), "LEAVE?, ALL IS LOST, NO"},
        {parole::question("QUIT?", "", true), "QUIT?, YES"},
        {parole::reponse(true), "YES"},
        {parole::decompte(0), "0"},
        {parole::decompte(-1), ""},
        {parole::entree("MUSIC", {}, "80"), "MUSIC, 80"},
        {parole::entree("STAGE {n}", {{"n", 3}}), "STAGE 3"},
        {parole::entree("", {}, ""), ""},
        {parole::entree("NIGHT MARKET"), "NIGHT MARKET"},
        {parole::prise(4), "CHARACTER 5, PICKED"},
        {parole::paire(9, 1), "PAIR, CIRCLE 1"},
        {parole::paire(9, 4), "PAIR, CIRCLE 1, COMBO 4"},
        {parole::plusDePaires(), "NO MORE PAIRS"},
        {parole::tempsRestant(30), "30 SECONDS LEFT"},
        {parole::fin(parole::Fin::Gagne, 12340), "STAGE CLEAR, SCORE 12340"},
        {parole::fin(parole::Fin::Temps, 0), "TIME UP, SCORE 0"},
        {parole::fin(parole::Fin::Impasse, 5), "NO MORE PAIRS, SCORE 5"},
        {parole::sommaire(20, 3, 42), "PAIRS LEFT 20, FREE PAIRS 3, 42 SECONDS LEFT"},
        {parole::sommaire(20, 0, -1), "PAIRS LEFT 20, FREE PAIRS 0"},
    };
    for (const auto& c : cas)
        EXPECT_EQ(dit(c.e), c.texte);
    // A value said as it is is never looked up: a value that happens to be a key stays itself.
    EXPECT_EQ(parole::texte(parole::entree("CPU", {}, "DRAGON"),
                            [](const QString& c, const QVariantMap&) { return "<" + c + ">"; }),
              "<CPU>, DRAGON");
}

TEST(Parole, LEncensAvertitAuPassageDeTrenteEtDeDixSecondes) {
    EXPECT_EQ(parole::seuil(30016, 30000), 30);
    EXPECT_EQ(parole::seuil(30000, 29984), 0); // already said
    EXPECT_EQ(parole::seuil(10050, 9990), 10);
    EXPECT_EQ(parole::seuil(20000, 19000), 0);
    EXPECT_EQ(parole::seuil(9000, 31000), 0); // time given back says nothing
    EXPECT_EQ(parole::seuil(10500, 0), 0);    // the end says TIME UP instead
    EXPECT_EQ(parole::seuil(std::nan(""), 5000), 0);
}

TEST(Parole, LeJournalSuitLaLigneDeCommande) {
    EXPECT_TRUE(parole::journalDemande({"tessimora", "--journal-parole"}));
    EXPECT_TRUE(parole::journalDemande({"tessimora", "--journal-sons"}));
    EXPECT_FALSE(parole::journalDemande({"tessimora", "--journal-paroles", "--muet"}));
    // The speaker hears each text once, with the language it is in.
    QStringList entendu;
    parole::installerOrateur(
        [&](const QString& t, const QString& l) { entendu << l + QLatin1Char(':') + t; });
    parole::dire("EAST WIND", "en");
    parole::dire("", "fr"); // nothing to say
    parole::installerOrateur({});
    parole::dire("unheard", "en");
    EXPECT_EQ(entendu, QStringList{"en:EAST WIND"});
}
