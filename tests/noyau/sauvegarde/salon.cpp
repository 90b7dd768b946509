// TEA HOUSE's record: its reader and writer, the rule after a stack, the
// merge, and its place in the cloud envelope for older and newer builds.

#include "sauvegarde/salon.h"

#include "sauvegarde/nuage.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace salon;

namespace {

const QString E1 = QStringLiteral("0123456789abcdef"), E2 = QStringLiteral("fedcba9876543210");

Record record(const QString& nom, const QString& e, double temps, int score, double date = 1) {
    Record r;
    r.nom = nom;
    r.empreinte = e;
    r.temps = temps;
    r.score = score;
    r.fini = true;
    r.date = date;
    return r;
}

Fin clear(std::int64_t temps, std::int64_t score, double date = 100) {
    Fin f;
    f.gagne = true;
    f.temps = temps;
    f.score = score;
    f.paires = 60;
    f.hint = 2;
    f.undo = 1;
    f.date = date;
    return f;
}

nuage::Enveloppe base(double ecrit, const Salon& s = {}) {
    return nuage::envelopper(stockage::lireScores(QString()), stockage::lireReglages(QString()),
                             stockage::lireProgression(QString()), succes::etatVide(), ecrit, s);
}

} // namespace

TEST(Salon, LectureChampParChamp) {
    EXPECT_TRUE(lire(QString()).piles.empty());
    EXPECT_TRUE(lire(QStringLiteral("{\"piles\":")).piles.empty());
    EXPECT_TRUE(lire(QStringLiteral("{\"piles\":{}}")).piles.empty());
    const Salon s = lire(QStringLiteral(
        "{\"piles\":["
        "{\"nom\":\"TEAPOT\",\"empreinte\":\"FEDCBA9876543210\",\"temps\":\"90000.7\","
        "\"score\":-5,\"fini\":1,\"date\":\"x\",\"autre\":3},"
        "{\"nom\":\"  KITE  \",\"empreinte\":\"0123456789abcdef\",\"temps\":4e9,\"score\":800},"
        "{\"nom\":\"\",\"empreinte\":\"0123456789abcdef\",\"score\":1},"
        "{\"nom\":\"NO DIGEST\",\"empreinte\":\"0123\",\"score\":1},"
        "{\"nom\":\"NOTHING\",\"empreinte\":\"0123456789abcdef\"},"
        "{\"nom\":\"TEAPOT\",\"empreinte\":\"fedcba9876543210\",\"temps\":80000,\"score\":300,"
        "\"fini\":true,\"date\":5},"
        "7]}"));
    ASSERT_EQ(s.piles.size(), 2u);
    // In key order; the repeat of TEAPOT merged keeping each best.
    EXPECT_EQ(s.piles[0].nom, "KITE");
    EXPECT_EQ(s.piles[0].temps, 0); // past 99 h 59 min 59 s: no time
    EXPECT_FALSE(s.piles[0].fini);
    EXPECT_EQ(s.piles[1].nom, "TEAPOT");
    EXPECT_EQ(s.piles[1].empreinte, E2);
    EXPECT_EQ(s.piles[1].temps, 80000);
    EXPECT_EQ(s.piles[1].score, 300);
    EXPECT_TRUE(s.piles[1].fini);
    EXPECT_EQ(s.piles[1].date, 5);
    // The written text is a fixed point of reading.
    const QString texte = ecrire(s);
    EXPECT_TRUE(texte.startsWith("{\"piles\":[{\"nom\":\"KITE\",\"empreinte\":\"0123456789abcdef\","
                                 "\"temps\":0,\"score\":800,\"fini\":false,\"date\":0},{"))
        << texte.toStdString();
    EXPECT_EQ(ecrire(lire(texte)), texte);
    // A name is at most 32 characters, and two names cut alike are one stack.
    EXPECT_EQ(lire("{\"piles\":[{\"nom\":\"" + QString(40, 'A') +
                   "\",\"empreinte\":\"0123456789abcdef\",\"fini\":true}]}")
                  .piles[0]
                  .nom.size(),
              NOM_MAX);
}

TEST(Salon, AuPlusLesDeuxCentsDerniersFinis) {
    Salon s;
    for (int i = 0; i < PILES_MAX + 20; ++i)
        s.piles.push_back(record(QStringLiteral("PILE %1").arg(i, 3, 10, QLatin1Char('0')), E1,
                                 1000, 10, 1000 + i));
    const Salon r = lire(ecrire(s));
    ASSERT_EQ(r.piles.size(), std::size_t(PILES_MAX));
    EXPECT_EQ(r.piles.front().nom, "PILE 020");
    EXPECT_EQ(r.piles.back().nom, "PILE 219");
}

TEST(Salon, ApresUnePile) {
    Salon s;
    Bilan b = apres(s, "TEAPOT", E1, clear(300000, 12000));
    EXPECT_TRUE(b.premiere && b.nouveauTemps && b.nouveauScore);
    EXPECT_EQ(b.meilleurTemps, 300000);
    EXPECT_EQ(b.meilleurScore, 12000);
    EXPECT_EQ(b.ancienTemps, 0);
    EXPECT_EQ(b.paires, 60);
    EXPECT_EQ(b.hint, 2);
    EXPECT_EQ(b.undo, 1);

    // Slower with a better score: the best time stays, the score is new.
    b = apres(s, "TEAPOT", E1, clear(310000, 15000, 200));
    EXPECT_FALSE(b.premiere || b.nouveauTemps);
    EXPECT_TRUE(b.nouveauScore);
    EXPECT_EQ(b.ancienTemps, 300000);
    EXPECT_EQ(b.meilleurTemps, 300000);
    EXPECT_EQ(b.meilleurScore, 15000);
    // Equal is not better.
    b = apres(s, "TEAPOT", E1, clear(300000, 15000));
    EXPECT_FALSE(b.nouveauTemps || b.nouveauScore);

    // The same name on another shape is another stack.
    b = apres(s, "TEAPOT", E2, clear(500000, 100));
    EXPECT_TRUE(b.premiere);
    ASSERT_EQ(s.piles.size(), 2u);
    EXPECT_EQ(trouver(s, "TEAPOT", E1)->score, 15000);
    EXPECT_EQ(trouver(s, "TEAPOT", E2)->temps, 500000);
    EXPECT_EQ(trouver(s, "TEAPOT", E1)->date, 200);

    // A stack not cleared changes nothing.
    Fin quitte = clear(1000, 999999);
    quitte.gagne = false;
    const Salon avant = s;
    b = apres(s, "TEAPOT", E1, quitte);
    EXPECT_FALSE(b.gagne || b.nouveauTemps || b.nouveauScore);
    EXPECT_EQ(b.meilleurScore, 15000);
    EXPECT_EQ(s, avant);
    EXPECT_FALSE(trouver(s, "KITE", E1));
}

TEST(Salon, FusionSymetriqueQuiGardeChaqueMeilleur) {
    Salon a, b;
    a.piles = {record("KITE", E1, 90000, 500, 10), record("BELL", E1, 1000, 1, 1)};
    b.piles = {record("KITE", E1, 120000, 900, 20), record("FAN", E2, 7000, 70, 3)};
    b.piles[0].fini = false;
    const Salon ab = fusion(a, b), ba = fusion(b, a);
    EXPECT_EQ(ab, ba);
    ASSERT_EQ(ab.piles.size(), 3u);
    const Record* kite = trouver(ab, "KITE", E1);
    ASSERT_TRUE(kite);
    EXPECT_EQ(kite->temps, 90000);
    EXPECT_EQ(kite->score, 900);
    EXPECT_TRUE(kite->fini);
    EXPECT_EQ(kite->date, 20);
    EXPECT_EQ(fusion(ab, ab), ab);
    EXPECT_EQ(fusion(ab, a), ab);
}

TEST(Salon, DansLEnveloppeSansGenerLesAutresVersions) {
    // Nothing in TEA HOUSE yet: the envelope is the one older builds write.
    const QString sans = nuage::ecrire(base(5));
    EXPECT_FALSE(sans.contains("salon"));
    EXPECT_TRUE(sans.endsWith("\"defiDernier\":\"\"}}"));
    // An older build's envelope reads with an empty record.
    ASSERT_TRUE(nuage::lire(sans));
    EXPECT_TRUE(nuage::lire(sans)->salon.piles.empty());

    // With records: one member more, last, that an older reader skips (it
    // reads the other members only, each exactly as before).
    Salon s;
    apres(s, "TEAPOT", E1, clear(300000, 12000));
    const QString avec = nuage::ecrire(base(5, s));
    EXPECT_TRUE(avec.startsWith(sans.left(sans.size() - 1) + ",\"salon\":{\"piles\":["));
    const nuage::PeutEtre relu = nuage::lire(avec);
    ASSERT_TRUE(relu);
    EXPECT_EQ(relu->salon, s);
    EXPECT_EQ(nuage::ecrire(*relu), avec);

    // The merge keeps the records of both sides; a cloud without them is
    // rewritten, one with all of them is not.
    Salon autre;
    apres(autre, "KITE", E2, clear(60000, 800));
    const nuage::PeutEtre m = nuage::fusion(base(5, s), base(9, autre));
    ASSERT_TRUE(m);
    EXPECT_EQ(m->salon.piles.size(), 2u);
    EXPECT_TRUE(nuage::differe(base(5, s), base(5)));
    EXPECT_TRUE(nuage::fusionDepart(*relu, sans).versNuage);
    EXPECT_EQ(nuage::fusionDepart(*relu, sans).env.salon, s);
    EXPECT_FALSE(nuage::fusionDepart(*relu, avec).versNuage);
    EXPECT_EQ(nuage::fusionDepart(base(5), avec).env.salon, s);
}

TEST(Salon, UnRecordPleinTientDansLEnveloppe) {
    // The longest names, each character written as an escape pair, every
    // field at its widest: the envelope stays below the cloud's limit.
    Salon s;
    for (int i = 0; i < PILES_MAX; ++i) {
        Record r =
            record(QString(NOM_MAX - 3, '"') + QStringLiteral("%1").arg(i, 3, 10, QLatin1Char('0')),
                   E1, TEMPS_MAX, SCORE_MAX, 9007199254740992.0);
        s.piles.push_back(r);
    }
    const QString texte = nuage::ecrire(base(1e13, s));
    EXPECT_LT(texte.size(), nuage::TAILLE_MAX / 4 * 3);
    ASSERT_TRUE(nuage::lire(texte));
    EXPECT_EQ(nuage::lire(texte)->salon.piles.size(), std::size_t(PILES_MAX));
}

TEST(Salon, DureeMontree) {
    EXPECT_EQ(duree(0), "0:00");
    EXPECT_EQ(duree(59999), "0:59"); // whole seconds, never rounded up
    EXPECT_EQ(duree(754000), "12:34");
    EXPECT_EQ(duree(3600000), "1:00:00");
    EXPECT_EQ(duree(TEMPS_MAX + 1e9), "99:59:59");
    EXPECT_EQ(duree(-5), "0:00");
    EXPECT_EQ(duree(std::nan("")), "0:00");
}
