#include "sauvegarde/stockage.h"

#include "sauvegarde/json.h"

#include <gtest/gtest.h>

using namespace stockage;

namespace {

Scores avecNight(const QString& entrees) {
    return lireScores(QStringLiteral("{\"night\":[%1]}").arg(entrees));
}

} // namespace

TEST(Scores, UnTexteVideOuEndommageDonneLesTablesParDefaut) {
    for (const QString& t : {QString(), QStringLiteral("{"), QStringLiteral("[1,2]"),
                             QStringLiteral("\"x\""), QStringLiteral("{\"night\":5}")}) {
        const Scores s = lireScores(t);
        for (const Table& table : s.tables) {
            ASSERT_EQ(table.size(), 10u);
            EXPECT_EQ(table[0].nom, "PND");
            EXPECT_EQ(table[0].score, 100000);
            EXPECT_EQ(table[9].nom, "GAT");
            EXPECT_EQ(table[9].score, 10000);
            EXPECT_EQ(table[9].etape, 1);
            EXPECT_FALSE(table[0].date);
        }
    }
}

TEST(Scores, ChaqueChampDUneEntreeEstRepare) {
    Table t =
        avecNight(QStringLiteral("{\"nom\":\"ab\",\"score\":\"1500.9\",\"etape\":-3}")).tables[0];
    ASSERT_EQ(t.size(), 1u);
    EXPECT_EQ(t[0].nom, "AB ");
    EXPECT_EQ(t[0].score, 1500);
    EXPECT_EQ(t[0].etape, 0);

    t = avecNight(QString::fromUtf8("{\"nom\":\"é!zq\",\"score\":true,\"etape\":\"x\","
                                    "\"date\":\"2026120899\"}"))
            .tables[0];
    EXPECT_EQ(t[0].nom, "  Z");
    EXPECT_EQ(t[0].score, 1);
    EXPECT_EQ(t[0].etape, 0);
    EXPECT_EQ(t[0].date, QStringLiteral("20261208"));

    // null, false and an empty text count 0; a date that is not a text is absent.
    t = avecNight(QStringLiteral("{\"nom\":5,\"score\":null,\"etape\":\" 7.9 \",\"date\":8}"))
            .tables[0];
    EXPECT_EQ(t[0].nom, "   ");
    EXPECT_EQ(t[0].score, 0);
    EXPECT_EQ(t[0].etape, 7);
    EXPECT_FALSE(t[0].date);
}

TEST(Scores, LesEntreesInvalidesSontEcarteesEtUneTableVideRedevientParDefaut) {
    // Above the cap, negative, not a number, not an object, hexadecimal text, Infinity.
    const Table t =
        avecNight(QStringLiteral(
                      "{\"nom\":\"AAA\",\"score\":10000000},{\"score\":-1},{\"score\":\"abc\"},3,"
                      "{\"score\":\"0x10\"},{\"score\":\"1e999\"},{\"score\":[]},{\"nom\":\"OK\"}"))
            .tables[0];
    EXPECT_EQ(t, tableParDefaut());
    const Table max = avecNight(QStringLiteral("{\"score\":9999999.5}")).tables[0];
    ASSERT_EQ(max.size(), 1u);
    EXPECT_EQ(max[0].score, 9999999);
}

TEST(Scores, LectureTrieStableEtCoupeADix) {
    QStringList entrees;
    for (int i = 0; i < 12; ++i)
        entrees << QStringLiteral("{\"nom\":\"N%1\",\"score\":%2}").arg(i % 10).arg(i % 3 * 10);
    const Table t = avecNight(entrees.join(',')).tables[0];
    ASSERT_EQ(t.size(), 10u);
    EXPECT_EQ(t[0].nom, "N2 ");
    EXPECT_EQ(t[1].nom, "N5 ");
    EXPECT_EQ(t[2].nom, "N8 ");
    EXPECT_EQ(t[3].nom, "N1 ");
    EXPECT_EQ(t[8].nom, "N0 ");
    EXPECT_EQ(t[9].nom, "N3 ");
}

TEST(Scores, EcritureCompacteDansLOrdreDesModes) {
    const Scores s = avecNight(QStringLiteral(
        "{\"date\":\"20261208\",\"etape\":2,\"score\":5,\"nom\":\"ABC\",\"autre\":1}"));
    const QString texte = ecrireScores(s);
    EXPECT_TRUE(texte.startsWith(QStringLiteral(
        "{\"night\":[{\"nom\":\"ABC\",\"score\":5,\"etape\":2,\"date\":\"20261208\"}],"
        "\"sliding\":[{\"nom\":\"PND\",\"score\":100000,\"etape\":10},")));
    const int n = texte.indexOf("\"night\""), sl = texte.indexOf("\"sliding\""),
              d = texte.indexOf("\"duel\""), r = texte.indexOf("\"rush\""),
              da = texte.indexOf("\"daily\""), p = texte.indexOf("\"paper\""),
              pa = texte.indexOf("\"parade\"");
    EXPECT_TRUE(n < sl && sl < d && d < r && r < da && da < p && p < pa);
    EXPECT_EQ(ecrireScores(lireScores(texte)), texte);
    EXPECT_EQ(lireScores(texte), s);
}

TEST(Scores, RangInsererMeilleur) {
    Scores s = lireScores(QString());
    const Table& night = s.tables[0];
    EXPECT_EQ(rang(night, 10000), -1);
    EXPECT_EQ(rang(night, 100000), 1);
    EXPECT_EQ(rang(night, 100001), 0);
    EXPECT_EQ(rang(Table{}, 0), 0);
    Table courte(night.begin(), night.begin() + 3);
    EXPECT_EQ(rang(courte, 5), 3);

    const QJsonValue e = json::analyser(QStringLiteral("{\"nom\":\"zed\",\"score\":95000.7}"));
    EXPECT_EQ(inserer(s, "night", e), 1);
    EXPECT_EQ(night.size(), 10u);
    EXPECT_EQ(night[1].nom, "ZED");
    EXPECT_EQ(night[1].score, 95000);
    EXPECT_EQ(night[9].nom, "RIV");

    const Scores avant = s;
    EXPECT_EQ(inserer(s, "night", json::analyser("{\"nom\":\"L\",\"score\":20000}")), -1);
    EXPECT_EQ(inserer(s, "night", json::analyser("{\"nom\":\"L\",\"score\":-5}")), -1);
    EXPECT_EQ(inserer(s, "nowhere", e), -1);
    EXPECT_EQ(s, avant);

    EXPECT_EQ(meilleur(s, "night"), 100000);
    EXPECT_EQ(meilleur(s, "nowhere"), 0);
    s.tables[1].clear();
    EXPECT_EQ(meilleur(s, "sliding"), 0);
    Entree nouvelle;
    nouvelle.nom = "abc";
    nouvelle.score = 12;
    EXPECT_EQ(inserer(s, "sliding", nouvelle), 0);
    EXPECT_EQ(s.tables[1][0].nom, "ABC");
}

TEST(Reglages, DefautsEtAllerRetour) {
    const Reglages r = lireReglages(QString());
    EXPECT_EQ(ecrireReglages(r),
              "{\"crt\":{\"actif\":true,\"balayage\":0.6,\"lueur\":0.4,\"courbure\":0.5,"
              "\"masque\":0.5,\"vignette\":0.5,\"affichage\":\"\"},\"son\":{\"musique\":0.8,"
              "\"effets\":1},\"jeu\":{\"freePlay\":true,\"niveauIa\":1,\"initiales\":\"PND\","
              "\"langue\":\"\"},\"touches\":{},\"acces\":{\"parole\":false,"
              "\"tuilesClaires\":false,\"mouvementCalme\":false}}");
    const QString change =
        "{\"crt\":{\"actif\":false,\"balayage\":0,\"lueur\":1,\"courbure\":0.25,\"masque\":0.125,"
        "\"vignette\":0.75,\"affichage\":\"remplir\"},\"son\":{\"musique\":0,\"effets\":0.3},"
        "\"jeu\":{\"freePlay\":false,\"niveauIa\":2,\"initiales\":\"XY.\",\"langue\":\"zh-Hant\"},"
        "\"touches\":{\"gauche\":16777234,\"ok\":65,\"sommaire\":73},\"acces\":{\"parole\":true,"
        "\"tuilesClaires\":true,\"mouvementCalme\":true}}";
    EXPECT_EQ(ecrireReglages(lireReglages(change)), change);
}

TEST(Reglages, AccesLuChampParChamp) {
    // A save from before these settings reads as it did: all three off.
    const Reglages ancien = lireReglages(QStringLiteral("{\"jeu\":{\"freePlay\":false}}"));
    EXPECT_FALSE(ancien.acces.parole || ancien.acces.tuilesClaires || ancien.acces.mouvementCalme);
    // Each damaged value falls back alone; the sound ones stay.
    const Reglages r = lireReglages(QStringLiteral(
        "{\"acces\":{\"parole\":\"true\",\"tuilesClaires\":true,\"mouvementCalme\":1}}"));
    EXPECT_FALSE(r.acces.parole);
    EXPECT_TRUE(r.acces.tuilesClaires);
    EXPECT_FALSE(r.acces.mouvementCalme);
    const Reglages s = lireReglages(QStringLiteral(
        "{\"acces\":{\"parole\":true,\"tuilesClaires\":null,\"mouvementCalme\":true}}"));
    EXPECT_TRUE(s.acces.parole && s.acces.mouvementCalme);
    EXPECT_FALSE(s.acces.tuilesClaires);
    for (const char* casse :
         {"{\"acces\":[true,true,true]}", "{\"acces\":true}", "{\"acces\":\"x\"}"}) {
        const Reglages c = lireReglages(QString::fromUtf8(casse));
        EXPECT_FALSE(c.acces.parole || c.acces.tuilesClaires || c.acces.mouvementCalme) << casse;
    }
}

TEST(Reglages, ChaqueChampEndommagePrendSonDefautSeul) {
    const Reglages r = lireReglages(QStringLiteral(
        "{\"crt\":{\"actif\":1,\"balayage\":1.5,\"lueur\":\"0.2\",\"courbure\":0.1,"
        "\"affichage\":\"zoom\"},\"son\":[1],\"jeu\":{\"freePlay\":false,\"niveauIa\":1.7,"
        "\"initiales\":\"q\",\"langue\":\"PT\"},\"extra\":true}"));
    EXPECT_TRUE(r.crt.actif);
    EXPECT_EQ(r.crt.balayage, 0.6);
    EXPECT_EQ(r.crt.lueur, 0.4);
    EXPECT_EQ(r.crt.courbure, 0.1);
    EXPECT_EQ(r.crt.affichage, "");
    EXPECT_EQ(r.son.musique, 0.8);
    EXPECT_FALSE(r.jeu.freePlay);
    EXPECT_EQ(r.jeu.niveauIa, 1);
    EXPECT_EQ(r.jeu.initiales, "Q  ");
    EXPECT_EQ(r.jeu.langue, "");
    EXPECT_EQ(
        lireReglages(QStringLiteral("{\"jeu\":{\"niveauIa\":3,\"initiales\":7}}")).jeu.niveauIa, 1);
    EXPECT_EQ(lireReglages(QStringLiteral("{\"jeu\":{\"initiales\":7}}")).jeu.initiales, "PND");

    for (const char* bonne : {"fr", "pt-BR", "zh-Hant", "ast", "ab-12345678"})
        EXPECT_TRUE(langueValide(bonne)) << bonne;
    for (const char* mauvaise : {"PT", "english", "f", "fr-", "fr-B", "fr_BR", "fr-123456789",
                                 "fr-BR-x", "fr-\u00e9\u00e9"})
        EXPECT_FALSE(langueValide(QString::fromUtf8(mauvaise))) << mauvaise;
}

TEST(Reglages, ToucheUneParActionEtUneActionParCode) {
    const Reglages r = lireReglages(
        QStringLiteral("{\"touches\":{\"retour\":65,\"ok\":65,\"haut\":32505856,\"bas\":32505855,"
                       "\"hint\":1.5,\"mix\":0,\"undo\":\"66\",\"inconnue\":67,\"glisseD\":68}}"));
    const std::vector<std::pair<QString, qint64>> attendu = {
        {"bas", 32505855}, {"ok", 65}, {"glisseD", 68}};
    EXPECT_EQ(r.touches, attendu);
}

TEST(Progression, LectureExtrasEtEcritureDesCinqChamps) {
    const Progression p = lireProgression(QStringLiteral(
        "{\"etapeMax\":4.5,\"etapesVues\":[0,3,3,11.5,12,-1,\"2\"],"
        "\"defisFinis\":[\"20261201\",\"2026120\",20261202,\"2026120a\",\"20261203\"],"
        "\"sansContinue\":1,\"defiClasse\":\"20261203\","
        "\"extras\":{\"paperMoon\":true}}"));
    EXPECT_EQ(p.etapeMax, 4);
    EXPECT_EQ(p.etapesVues, (std::vector<double>{0, 3, 3, 11.5}));
    EXPECT_EQ(p.defisFinis, QStringList({"20261201", "20261203"}));
    EXPECT_FALSE(p.sansContinue);
    EXPECT_TRUE(p.extras.galerie && p.extras.sonTest && p.extras.crt);
    EXPECT_FALSE(p.extras.paperMoon || p.extras.pandaParade || p.extras.salleLanternes);
    EXPECT_EQ(ecrireProgression(p),
              "{\"etapeMax\":4,\"etapesVues\":[0,3,3,11.5],\"defisFinis\":[\"20261201\","
              "\"20261203\"],\"sansContinue\":false,\"defiClasse\":\"20261203\"}");
    EXPECT_EQ(lireProgression(QStringLiteral("{\"etapeMax\":13,\"defiClasse\":\"x\"}")).etapeMax,
              0);
    EXPECT_EQ(ecrireProgression(PROGRESSION()),
              "{\"etapeMax\":0,\"etapesVues\":[],\"defisFinis\":[],\"sansContinue\":false,"
              "\"defiClasse\":\"\"}");
    EXPECT_FALSE(PROGRESSION().extras.crt);
    EXPECT_TRUE(lireProgression(QString()).extras.crt);
}

TEST(Progression, EtapeFinieEtDefiFini) {
    Progression p;
    etapeFinie(p, 3, 1);
    etapeFinie(p, 3, 1);
    EXPECT_EQ(p.etapeMax, 4);
    EXPECT_EQ(p.etapesVues, (std::vector<double>{3}));
    etapeFinie(p, 1, 0);
    EXPECT_EQ(p.etapeMax, 4);
    etapeFinie(p, 11, 0);
    EXPECT_EQ(p.etapeMax, 12);
    EXPECT_TRUE(p.sansContinue);
    EXPECT_TRUE(p.extras.paperMoon && p.extras.salleLanternes);

    Progression q;
    etapeFinie(q, 11, 2);
    EXPECT_FALSE(q.sansContinue);
    etapeFinie(q, 11, 0); // a later clean run does not reach 12 "for the first time"
    EXPECT_FALSE(q.sansContinue);

    // Out-of-range stages would be stored as an etapeMax a reader refuses.
    etapeFinie(q, 12, 0);
    etapeFinie(q, -1, 0);
    EXPECT_EQ(q.etapeMax, 12);
    EXPECT_EQ(lireProgression(ecrireProgression(q)).etapeMax, 12);

    defiFini(q, "20261201");
    defiFini(q, "20261201");
    defiFini(q, "20261202");
    EXPECT_FALSE(q.extras.pandaParade);
    defiFini(q, "bad");
    defiFini(q, "20261203");
    EXPECT_EQ(q.defisFinis.size(), 3);
    EXPECT_TRUE(q.extras.pandaParade);
}

TEST(Json, NombresEtChainesCommeJavaScript) {
    EXPECT_EQ(json::nombre(0.6), "0.6");
    EXPECT_EQ(json::nombre(-0.0), "0");
    EXPECT_EQ(json::nombre(1e21), "1e+21");
    EXPECT_EQ(json::nombre(123456789012.0), "123456789012");
    EXPECT_EQ(json::nombre(1e-7), "1e-7");
    EXPECT_EQ(json::nombre(0.1 + 0.2), "0.30000000000000004");
    EXPECT_EQ(json::nombre(-1.5e-7), "-1.5e-7");
    EXPECT_EQ(json::nombre(0.000001), "0.000001");
    EXPECT_EQ(json::nombre(123.456), "123.456");
    EXPECT_EQ(json::nombre(1.2345e22), "1.2345e+22");
    EXPECT_EQ(json::nombre(2147483646), "2147483646");
    EXPECT_EQ(json::chaine(QString::fromUtf8("a\"\\\n\x01\xc3\xa9")),
              QString::fromUtf8("\"a\\\"\\\\\\n\\u0001\xc3\xa9\""));
    EXPECT_EQ(json::chaine(QString(QChar(0xd800))), "\"\\ud800\"");
    EXPECT_EQ(json::enNombre(QJsonValue(" -2.5e1 ")), -25);
    EXPECT_EQ(json::enNombre(QJsonValue(".5")), 0.5);
    EXPECT_FALSE(json::enNombre(QJsonValue("1e")));
    EXPECT_FALSE(json::enNombre(QJsonValue("Infinity")));
    EXPECT_FALSE(json::enNombre(QJsonValue(QJsonValue::Undefined)));
}
