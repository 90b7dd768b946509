#include "sauvegarde/succes.h"

#include "sauvegarde/json.h"

#include <QJsonDocument>
#include <QSet>
#include <gtest/gtest.h>

using namespace succes;

namespace {

QJsonObject ev(const char* texte) {
    return QJsonDocument::fromJson(QByteArray(texte)).object();
}

qint64 stat(const Etat& e, const char* cle) {
    return e.stats[std::size_t(indiceStat(cle))];
}

void mettre(Etat& e, const char* cle, qint64 v) {
    e.stats[std::size_t(indiceStat(cle))] = v;
}

} // namespace

TEST(Catalogue, QuaranteHuitIdsUniquesEtPaliersCoherents) {
    QSet<QString> ids;
    int paliers = 0;
    for (const Definition& d : LISTE) {
        ids.insert(d.id);
        EXPECT_EQ(parId(d.id), &d);
        // Every store page needs both languages and an icon.
        EXPECT_TRUE(*d.titreFr && *d.descriptionFr && *d.icone) << d.id;
        if (d.stat >= 0) {
            ++paliers;
            EXPECT_GT(d.but, 0);
        }
    }
    EXPECT_EQ(ids.size(), 48);
    EXPECT_EQ(paliers, 8);
    EXPECT_EQ(parId("NOPE"), nullptr);
    EXPECT_TRUE(parId("BEHIND_THE_CURTAIN")->cache);
    EXPECT_STREQ(parId("BEHIND_THE_CURTAIN")->description,
                 "HOLD OK ON THE TITLE SCREEN FOR 3 SECONDS.");
    EXPECT_EQ(MAINTIEN_RIDEAU_MS, 3000);
    EXPECT_STREQ(LISTE.back().id, "EVERY_LANTERN_LIT");
}

TEST(Etat, LectureRepareChaqueChampEtEcritDansLOrdre) {
    const Etat e = lire(QStringLiteral(
        "{\"stats\":{\"paires\":\"12\",\"piles\":12.7,\"parfaits\":-1,\"fevers\":2147483647,"
        "\"jumelles\":2147483646,\"autre\":5},\"debloques\":{\"SPARKS\":5.5,\"FIRST_LANTERN\":7,"
        "\"FAKE\":1,\"SMOKE_SIGNAL\":-1,\"MOONLIT\":\"3\"},\"defiDernier\":\"2026120\"}"));
    ASSERT_EQ(e.debloques.size(), 2u);
    EXPECT_EQ(e.debloques[0], std::make_pair(QStringLiteral("FIRST_LANTERN"), 7.0));
    EXPECT_EQ(e.debloques[1], std::make_pair(QStringLiteral("SPARKS"), 5.0));
    EXPECT_EQ(stat(e, "paires"), 0);
    EXPECT_EQ(stat(e, "piles"), 12);
    EXPECT_EQ(stat(e, "parfaits"), 0);
    EXPECT_EQ(stat(e, "fevers"), 0);
    EXPECT_EQ(stat(e, "jumelles"), 2147483646);
    EXPECT_EQ(e.defiDernier, "");
    const QString texte = ecrire(e);
    EXPECT_TRUE(texte.startsWith(
        "{\"debloques\":{\"FIRST_LANTERN\":7,\"SPARKS\":5},\"stats\":{\"paires\":0,\"piles\":12,"));
    EXPECT_TRUE(texte.endsWith("\"glissantNiveau\":0},\"defiDernier\":\"\"}"));
    EXPECT_EQ(copie(e), e);
    EXPECT_EQ(lire(QStringLiteral("[1]")), etatVide());
    EXPECT_EQ(lire(QStringLiteral("{bad")), etatVide());
    EXPECT_EQ(nombre(e), 2);
}

TEST(Evenement, PremierePaireComboNeuf) {
    Etat e;
    const Resultat r = evenement(e, ev("{\"type\":\"paire\",\"combo\":9,\"fever\":true}"), 1000);
    EXPECT_EQ(r.nouveaux,
              QStringList({"FIRST_LANTERN", "SPARKS", "FIRECRACKERS", "FESTIVAL_FEVER"}));
    EXPECT_EQ(stat(e, "comboMax"), 9);
    EXPECT_EQ(stat(e, "fevers"), 1);
    // Progress for every locked tiered achievement whose counter moved.
    std::vector<Avancee> attendu = {{"FEVER_REGULAR", 1, 25, "fevers"},
                                    {"HUNDRED_LANTERNS", 1, 100, "paires"},
                                    {"THOUSAND_LANTERNS", 1, 1000, "paires"},
                                    {"LANTERN_FESTIVAL", 1, 5000, "paires"}};
    EXPECT_EQ(r.progres, attendu);
    // A repeat changes counters but unlocks nothing again.
    const Resultat r2 = evenement(e, ev("{\"type\":\"paire\",\"combo\":1}"), 2000);
    EXPECT_TRUE(r2.nouveaux.isEmpty());
    EXPECT_EQ(e.debloques[0].second, 1000);
}

TEST(Evenement, CentiemePaireEtProgres) {
    Etat e;
    mettre(e, "paires", 99);
    const Resultat r = evenement(e, ev("{\"type\":\"paire\",\"combo\":1}"), 5);
    EXPECT_TRUE(r.nouveaux.contains("HUNDRED_LANTERNS"));
    std::vector<Avancee> attendu = {{"THOUSAND_LANTERNS", 100, 1000, "paires"},
                                    {"LANTERN_FESTIVAL", 100, 5000, "paires"}};
    EXPECT_EQ(r.progres, attendu);
    EXPECT_EQ(progres(e, "HUNDRED_LANTERNS").valeur, 100);
    EXPECT_EQ(progres(e, "LANTERN_FESTIVAL").valeur, 100);
    EXPECT_EQ(progres(e, "LANTERN_FESTIVAL").but, 5000);
    EXPECT_EQ(progres(e, "SPARKS").valeur, 0);
    EXPECT_EQ(progres(e, "FIRST_LANTERN").valeur, 1);
    EXPECT_EQ(progres(e, "NOPE").but, 1);
    // An event without rules still unlocks a counter already at its goal.
    Etat f;
    mettre(f, "parties", 60);
    EXPECT_EQ(evenement(f, ev("{\"type\":\"inconnu\"}"), 1).nouveaux,
              QStringList{"REGULAR_CUSTOMER"});
}

TEST(Evenement, PilesEncensEtModes) {
    Etat e;
    Resultat r = evenement(e,
                           ev("{\"type\":\"pile\",\"mode\":\"rush\",\"etape\":0,\"piles\":8,"
                              "\"parfait\":false,\"tempsMs\":-1,\"tempsMax\":0}"),
                           1);
    EXPECT_EQ(r.nouveaux, QStringList({"STALL_IS_OPEN", "BURNING_BRIGHT", "WHOLE_BOX_OF_INCENSE"}));
    EXPECT_EQ(stat(e, "rushPiles"), 8);
    EXPECT_EQ(stat(e, "nightMax"), 0);

    e = Etat();
    r = evenement(e,
                  ev("{\"type\":\"pile\",\"mode\":\"night\",\"etape\":5,\"boss\":true,"
                     "\"parfait\":true,\"tempsMs\":4900,\"tempsMax\":9800,\"etapesPartie\":4}"),
                  1);
    EXPECT_EQ(r.nouveaux, QStringList({"STALL_IS_OPEN", "CLEAN_PAWS", "LAST_EMBER", "SWIFT_PAWS",
                                       "VEIL_LIFTED", "MARKET_STROLL", "HALF_MOON"}));
    EXPECT_EQ(stat(e, "nightMax"), 6);
    EXPECT_EQ(stat(e, "parfaits"), 1);

    e = Etat();
    r = evenement(e,
                  ev("{\"type\":\"pile\",\"mode\":\"paper\",\"etape\":2,\"tempsMs\":5000,"
                     "\"tempsMax\":10001}"),
                  1);
    EXPECT_EQ(r.nouveaux, QStringList({"STALL_IS_OPEN", "PAPER_MOON"}));
    EXPECT_EQ(stat(e, "paperMax"), 3);
}

TEST(Evenement, DuelFinEtPartie) {
    Etat e;
    EXPECT_TRUE(
        evenement(e, ev("{\"type\":\"duel\",\"ia\":1,\"gagnant\":2}"), 1).nouveaux.isEmpty());
    EXPECT_EQ(evenement(e, ev("{\"type\":\"duel\",\"ia\":-1,\"gagnant\":0}"), 1).nouveaux,
              QStringList{"MARKET_RIVALS"});
    EXPECT_EQ(evenement(e, ev("{\"type\":\"duel\",\"ia\":2,\"gagnant\":1}"), 1).nouveaux,
              QStringList{"KITE_CUT_DOWN"});
    EXPECT_EQ(evenement(e, ev("{\"type\":\"duel\",\"ia\":7,\"gagnant\":1}"), 1).nouveaux,
              QStringList{"LAMPION_SNUFFED"});
    EXPECT_EQ(
        evenement(e, ev("{\"type\":\"fin12\",\"mode\":\"night\",\"continues\":0}"), 1).nouveaux,
        QStringList({"CLOSING_TIME", "NOT_A_SINGLE_COIN"}));
    Etat f;
    EXPECT_EQ(evenement(f, ev("{\"type\":\"fin12\",\"mode\":\"night\"}"), 1).nouveaux,
              QStringList{"CLOSING_TIME"});
    EXPECT_EQ(
        evenement(f, ev("{\"type\":\"partie\",\"mode\":\"rush\",\"score\":500000}"), 1).nouveaux,
        QStringList({"RED_ENVELOPE", "GOLDEN_ENVELOPE", "RUSH_HOUR"}));
    EXPECT_EQ(stat(f, "rushScore"), 500000);
    EXPECT_EQ(stat(f, "parties"), 1);
    evenement(f, ev("{\"type\":\"partie\",\"mode\":\"night\",\"score\":1e12}"), 1);
    EXPECT_EQ(stat(f, "scoreMax"), PLAFOND);
    EXPECT_EQ(evenement(f, ev("{\"type\":\"scene\",\"nom\":\"salle\"}"), 1).nouveaux,
              QStringList{"LANTERN_ROOM"});
    EXPECT_EQ(evenement(f, ev("{\"type\":\"aide\",\"nom\":\"mix\"}"), 1).nouveaux, QStringList{});
    EXPECT_EQ(evenement(f, ev("{\"type\":\"glissant\",\"niveau\":4}"), 1).nouveaux,
              QStringList({"STALL_SHUFFLE", "MASTER_MERCHANT"}));
}

TEST(Evenement, DefisEtSuitesAuFilDuCalendrier) {
    EXPECT_EQ(lendemain("20261231"), "20270101");
    EXPECT_EQ(lendemain("20280228"), "20280229");
    EXPECT_EQ(lendemain("20270228"), "20270301");
    EXPECT_EQ(lendemain("20261332"), "");

    Etat e;
    EXPECT_EQ(evenement(e, ev("{\"type\":\"defi\",\"jour\":\"20261231\"}"), 1).nouveaux,
              QStringList{"MOONLIT"});
    evenement(e, ev("{\"type\":\"defi\",\"jour\":\"20261231\"}"), 1);
    EXPECT_EQ(stat(e, "defis"), 1);
    EXPECT_EQ(stat(e, "defiSuite"), 1);
    evenement(e, ev("{\"type\":\"defi\",\"jour\":\"20270101\"}"), 1);
    EXPECT_EQ(stat(e, "defiSuite"), 2);
    const Resultat r = evenement(e, ev("{\"type\":\"defi\",\"jour\":\"20270105\"}"), 1);
    EXPECT_EQ(r.nouveaux, QStringList{"THREE_MOONS"});
    EXPECT_EQ(stat(e, "defiSuite"), 1);
    EXPECT_EQ(e.defiDernier, "20270105");
    evenement(e, ev("{\"type\":\"defi\",\"jour\":\"junk\"}"), 1);
    EXPECT_EQ(stat(e, "defis"), 3);

    Etat f;
    f.defiDernier = "20280228";
    mettre(f, "defiSuite", 6);
    EXPECT_EQ(evenement(f, ev("{\"type\":\"defi\",\"jour\":\"20280229\"}"), 1).nouveaux,
              QStringList({"MOONLIT", "LUNAR_WEEK"}));
    Etat g;
    g.defiDernier = "20280228";
    mettre(g, "defiSuite", 6);
    evenement(g, ev("{\"type\":\"defi\",\"jour\":\"20280301\"}"), 1);
    EXPECT_EQ(stat(g, "defiSuite"), 1);
}

TEST(Evenement, ToutesLesLanternesAttendUnNouveauDeblocage) {
    Etat e;
    for (const Definition& d : LISTE)
        if (QLatin1String(d.id) != QLatin1String("EVERY_LANTERN_LIT") &&
            QLatin1String(d.id) != QLatin1String("ONE_MORE_COIN"))
            e.debloques.emplace_back(d.id, 1);
    Etat fusionne = e;
    EXPECT_EQ(evenement(e, ev("{\"type\":\"continue\"}"), 9).nouveaux,
              QStringList({"ONE_MORE_COIN", "EVERY_LANTERN_LIT"}));
    // All 47 present without it (as after a merge): nothing until a new unlock.
    fusionne.debloques.emplace_back("ONE_MORE_COIN", 1);
    EXPECT_TRUE(evenement(fusionne, ev("{\"type\":\"continue\"}"), 9).nouveaux.isEmpty());
    EXPECT_FALSE(debloque(fusionne, "EVERY_LANTERN_LIT"));
}

TEST(Rattrapage, DepuisUneAncienneProgression) {
    stockage::Progression p = stockage::lireProgression(QStringLiteral(
        "{\"etapeMax\":12,\"sansContinue\":true,\"defisFinis\":[\"20260101\",\"20260102\","
        "\"20260103\"]}"));
    Etat e;
    e.debloques.emplace_back("HALF_MOON", 3);
    EXPECT_EQ(rattraper(e, p, 50), QStringList({"FIRST_LANTERN", "STALL_IS_OPEN", "CLOSING_TIME",
                                                "NOT_A_SINGLE_COIN", "MOONLIT", "THREE_MOONS"}));
    EXPECT_EQ(stat(e, "nightMax"), 12);
    EXPECT_EQ(stat(e, "defis"), 3);
    EXPECT_FALSE(debloque(e, "EVERY_LANTERN_LIT"));
    Etat vide;
    EXPECT_TRUE(rattraper(vide, stockage::lireProgression(QString()), 1).isEmpty());
    stockage::Progression sept;
    sept.etapeMax = 6;
    EXPECT_EQ(rattraper(vide, sept, 1),
              QStringList({"FIRST_LANTERN", "STALL_IS_OPEN", "HALF_MOON"}));
}

TEST(Evenement, LaFormeTypeeEtLaFormeJsonSeValent) {
    // What the cabinet builds and what its JSON form reads unlock the same,
    // in the same order, and the JSON form reads back as it was written.
    const std::vector<evenements::Evenement> liste = {
        evenements::paire(9, true, true), evenements::partie(Mode::Rush, 160000),
        evenements::duel(2, 1),           evenements::duel(-1, 0),
        evenements::glissant(4),          evenements::scene("salle"),
        evenements::aide("peek"),         evenements::simple(evenements::Sorte::Fumee)};
    Etat type, json;
    for (const evenements::Evenement& x : liste) {
        const QJsonObject o = evenements::ecrire(x);
        EXPECT_EQ(evenements::ecrire(*evenements::lire(o)), o);
        EXPECT_EQ(evenement(type, x, 5).nouveaux, evenement(json, o, 5).nouveaux);
    }
    EXPECT_EQ(type, json);
    EXPECT_TRUE(debloque(type, "KITE_CUT_DOWN"));
    EXPECT_TRUE(debloque(type, "RUSH_HOUR"));
    // An unknown kind is no event: nothing counts.
    EXPECT_FALSE(evenements::lire(ev("{\"type\":\"inconnu\"}")).has_value());
}
