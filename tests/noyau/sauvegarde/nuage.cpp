#include "sauvegarde/nuage.h"

#include <gtest/gtest.h>

using namespace nuage;

namespace {

Enveloppe base(double ecrit) {
    return envelopper(stockage::lireScores(QString()), stockage::lireReglages(QString()),
                      stockage::lireProgression(QString()), succes::etatVide(), ecrit);
}

stockage::Entree entree(const char* nom, int score, double etape, const char* date = nullptr) {
    stockage::Entree e;
    e.nom = nom;
    e.score = score;
    e.etape = etape;
    if (date) e.date = QString::fromLatin1(date);
    return e;
}

// Two envelopes that disagree on everything, to check the merge laws.
std::pair<Enveloppe, Enveloppe> deuxAppareils() {
    Enveloppe a = base(1000), b = base(2000);
    stockage::inserer(a.scores, "night", entree("AAA", 150000, 3));
    stockage::inserer(b.scores, "night", entree("BBB", 150000, 3));
    stockage::inserer(b.scores, "daily", entree("DAY", 200000, 1, "20261208"));
    a.reglages.jeu.initiales = "AAA";
    b.reglages.jeu.initiales = "BBB";
    stockage::etapeFinie(a.progression, 4, 0);
    stockage::etapeFinie(b.progression, 1, 0);
    stockage::defiFini(a.progression, "20261202");
    stockage::defiFini(b.progression, "20261201");
    b.progression.defiClasse = "20261201";
    a.succes.debloques = {{"SPARKS", 500}, {"FIRST_LANTERN", 10}};
    b.succes.debloques = {{"FIRST_LANTERN", 20}, {"SPARKS", 300}, {"MOONLIT", 7}};
    a.succes.stats[0] = 40;
    b.succes.stats[0] = 25;
    b.succes.stats[1] = 3;
    b.succes.defiDernier = "20261201";
    return {a, b};
}

} // namespace

TEST(Enveloppe, EcritureLectureEtRefus) {
    const Enveloppe e = base(1234.9);
    const QString texte = ecrire(e);
    EXPECT_TRUE(texte.startsWith("{\"format\":\"tessimora-sauvegarde\",\"version\":1,\"ecrit\":"
                                 "1234,\"scores\":{\"night\":"));
    EXPECT_TRUE(texte.contains("},\"reglages\":{\"crt\":"));
    EXPECT_TRUE(texte.contains("\"progression\":{\"etapeMax\":0,"));
    EXPECT_TRUE(texte.endsWith("\"defiDernier\":\"\"}}"));
    const PeutEtre relu = lire(texte);
    ASSERT_TRUE(relu);
    EXPECT_EQ(ecrire(*relu), texte);

    EXPECT_FALSE(lire(QString()));
    EXPECT_FALSE(lire("{"));
    EXPECT_FALSE(lire("[\"tessimora-sauvegarde\"]"));
    EXPECT_FALSE(lire("{\"format\":\"autre\",\"version\":1}"));
    EXPECT_FALSE(lire("{\"format\":\"tessimora-sauvegarde\",\"version\":\"1\"}"));
    EXPECT_FALSE(lire("{\"format\":\"tessimora-sauvegarde\",\"version\":0.5}"));
    EXPECT_FALSE(lire("{\"format\":\"tessimora-sauvegarde\"}"));

    // A later version is read; damaged records and write times are repaired.
    const PeutEtre v2 = lire("{\"format\":\"tessimora-sauvegarde\",\"version\":2,\"ecrit\":-4,"
                             "\"scores\":[],\"reglages\":{\"son\":{\"musique\":0.5}},"
                             "\"succes\":\"x\",\"nouveau\":true}");
    ASSERT_TRUE(v2);
    EXPECT_EQ(v2->ecrit, 0);
    EXPECT_EQ(v2->reglages.son.musique, 0.5);
    EXPECT_EQ(ecrire(*v2), ecrire([] {
                  Enveloppe x = base(0);
                  x.reglages.son.musique = 0.5;
                  return x;
              }()));
}

TEST(Enveloppe, LaTailleMaximaleEstUneLimiteStricte) {
    QString texte = ecrire(base(5));
    texte.chop(1);
    texte += QStringLiteral(",\"bourre\":\"") + QString(TAILLE_MAX, QLatin1Char('x'));
    texte = texte.left(TAILLE_MAX - 2) + QStringLiteral("\"}");
    ASSERT_EQ(texte.size(), TAILLE_MAX);
    EXPECT_TRUE(lire(texte));
    texte.insert(texte.size() - 2, QLatin1Char('x'));
    EXPECT_FALSE(lire(texte));
}

TEST(Fusion, ReunionsDeListes) {
    EXPECT_EQ(reunir(QStringList({"a", "b"}), QStringList({"c", "a", "c"})),
              QStringList({"a", "b", "c"}));
    EXPECT_EQ(reunir(std::vector<double>{3, 1, 3}, std::vector<double>{1, 2, -0.0, 0, 2}),
              (std::vector<double>{3, 1, 3, 2, -0.0}));
}

TEST(Fusion, SymetriqueSaufLesReglages) {
    const auto [a, b] = deuxAppareils();
    const Enveloppe ab = *fusion(a, b), ba = *fusion(b, a);
    EXPECT_EQ(ecrire(Enveloppe{0, ab.scores, {}, ab.progression, ab.succes}),
              ecrire(Enveloppe{0, ba.scores, {}, ba.progression, ba.succes}));
    EXPECT_EQ(ab.ecrit, 2000);
    EXPECT_EQ(ab.reglages.jeu.initiales, "BBB");
    EXPECT_EQ(ba.reglages.jeu.initiales, "BBB");
    Enveloppe memeHeure = b;
    memeHeure.ecrit = a.ecrit;
    EXPECT_EQ(fusion(a, memeHeure)->reglages.jeu.initiales, "AAA");
    EXPECT_EQ(fusion(memeHeure, a)->reglages.jeu.initiales, "BBB");

    // Scores: united, equal scores ordered by name|stage|date.
    const stockage::Table& night = ab.scores.tables[0];
    ASSERT_EQ(night.size(), 10u);
    EXPECT_EQ(night[0].nom, "AAA");
    EXPECT_EQ(night[1].nom, "BBB");
    EXPECT_EQ(night[2].nom, "PND");
    EXPECT_EQ(night[3].nom, "LNT");
    EXPECT_EQ(ab.scores.tables[4][0].date, QStringLiteral("20261208"));

    // Progression: the furthest point of either side.
    EXPECT_EQ(ab.progression.etapeMax, 5);
    EXPECT_EQ(ab.progression.etapesVues, (std::vector<double>{1, 4}));
    EXPECT_EQ(ab.progression.defisFinis, QStringList({"20261201", "20261202"}));
    EXPECT_EQ(ab.progression.defiClasse, "20261201");

    // Achievements: earliest date, catalogue order, counters never summed.
    ASSERT_EQ(ab.succes.debloques.size(), 3u);
    EXPECT_EQ(ab.succes.debloques[0], std::make_pair(QStringLiteral("FIRST_LANTERN"), 10.0));
    EXPECT_EQ(ab.succes.debloques[1], std::make_pair(QStringLiteral("SPARKS"), 300.0));
    EXPECT_EQ(ab.succes.debloques[2].first, "MOONLIT");
    EXPECT_EQ(ab.succes.stats[0], 40);
    EXPECT_EQ(ab.succes.stats[1], 3);
    EXPECT_EQ(ab.succes.defiDernier, "20261201");
}

TEST(Fusion, IdempotenteEtStable) {
    const auto [a, b] = deuxAppareils();
    EXPECT_FALSE(differe(fusion(a, a), a));
    const PeutEtre ab = fusion(a, b);
    EXPECT_FALSE(differe(fusion(ab, b), ab));
    EXPECT_FALSE(differe(fusion(ab, ab), ab));
    EXPECT_EQ(ecrire(*fusion(a, std::nullopt)), ecrire(a));
    EXPECT_EQ(ecrire(*fusion(std::nullopt, b)), ecrire(b));
    EXPECT_FALSE(fusion(std::nullopt, std::nullopt));
}

TEST(Fusion, MemeEntreeUneFoisEtEtapeDixAvantNeuf) {
    Enveloppe a = base(1), b = base(1);
    stockage::inserer(a.scores, "duel", entree("ZZZ", 500000, 9));
    stockage::inserer(b.scores, "duel", entree("ZZZ", 500000, 10));
    stockage::inserer(b.scores, "duel", entree("ZZZ", 500000, 9));
    const stockage::Scores fusionnes = fusionScores(a.scores, b.scores);
    const stockage::Table& duel = fusionnes.tables[2];
    EXPECT_EQ(duel[0].etape, 10);
    EXPECT_EQ(duel[1].etape, 9);
    EXPECT_EQ(duel[2].nom, "PND");
}

TEST(Fusion, DiffereIgnoreLHeureDEcriture) {
    EXPECT_FALSE(differe(base(1), base(99999)));
    EXPECT_TRUE(differe(base(1), std::nullopt));
    EXPECT_FALSE(differe(std::nullopt, std::nullopt));
    Enveloppe c = base(1);
    c.reglages.crt.actif = false;
    EXPECT_TRUE(differe(base(1), c));
}

TEST(Depart, CeQuiRepartVersLeNuage) {
    const auto [a, b] = deuxAppareils();
    // No cloud, or an unreadable one: the local envelope goes up as it is.
    for (const QString& t : {QString(), QStringLiteral("garbage")}) {
        const Depart d = fusionDepart(a, t);
        EXPECT_TRUE(d.versNuage);
        EXPECT_FALSE(differe(d.env, a));
    }
    // The cloud has something the device lacks, and the other way round.
    Depart d = fusionDepart(a, ecrire(b));
    EXPECT_TRUE(d.versNuage);
    EXPECT_TRUE(differe(d.env, a));
    // The cloud already holds everything: nothing to write back.
    const Enveloppe tout = *fusion(a, b);
    d = fusionDepart(tout, ecrire(tout));
    EXPECT_FALSE(d.versNuage);
}

TEST(Depart, RepetitionsStockeesSansAllerRetourDuNuage) {
    // A save that lists stage 3 and one day twice. Whichever side it is on,
    // the merge lists them once, and two devices taking turns with the cloud
    // stop rewriting it once each has seen the other.
    Enveloppe a = base(1000), b = base(2000);
    a.progression = stockage::lireProgression(QStringLiteral(
        "{\"etapeMax\":4,\"etapesVues\":[3,3,0],\"defisFinis\":[\"20261201\",\"20261201\"]}"));
    stockage::etapeFinie(b.progression, 1, 0);
    EXPECT_EQ(fusion(a, b)->progression.etapesVues, (std::vector<double>{0, 1, 3}));
    EXPECT_EQ(fusion(b, a)->progression.etapesVues, (std::vector<double>{0, 1, 3}));
    EXPECT_EQ(fusion(a, b)->progression.defisFinis, QStringList({"20261201"}));

    QString cloud;
    int ecritures = 0;
    for (int tour = 0; tour < 6; ++tour) {
        Enveloppe& local = tour % 2 ? b : a;
        local.ecrit = 3000 + tour;
        const Depart d = fusionDepart(local, cloud);
        local = d.env;
        if (d.versNuage) {
            cloud = ecrire(d.env);
            ++ecritures;
        }
    }
    EXPECT_EQ(ecritures, 2);
}
