#include "i18n/langue.h"

#include "i18n/index.h"

#include <QJsonDocument>
#include <cmath>
#include <gtest/gtest.h>

using namespace langue;

// Readable failures for texts.
void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

namespace {

QJsonObject json(const char* texte) {
    return QJsonDocument::fromJson(texte).object();
}

std::vector<QString> formes(const char* code, std::initializer_list<double> nombres) {
    std::vector<QString> r;
    for (double n : nombres)
        r.push_back(forme(n, QString::fromUtf8(code)));
    return r;
}

using V = std::vector<QString>;

} // namespace

TEST(Detection, LocalesIsolees) {
    EXPECT_EQ(depuisLocale(QStringLiteral("da-DK")), "da");
    EXPECT_EQ(depuisLocale(QStringLiteral("ru-RU")), "en");
    EXPECT_EQ(depuisLocale(QStringLiteral("be")), "en");
    EXPECT_EQ(depuisLocale(QStringLiteral("es-419")), "es-419");
    EXPECT_EQ(depuisLocale(QStringLiteral("es-MX")), "es-419");
    EXPECT_EQ(depuisLocale(QStringLiteral("es")), "es");
    EXPECT_EQ(depuisLocale(QStringLiteral("es-EA")), "es");
    EXPECT_EQ(depuisLocale(QStringLiteral("es_IC")), "es");
    EXPECT_EQ(depuisLocale(QStringLiteral("es-ES")), "es");
    EXPECT_EQ(depuisLocale(QStringLiteral("es-ES-valencia")), "es");
    // "es" must be a whole word: a subtag merely starting with it is another region.
    EXPECT_EQ(depuisLocale(QStringLiteral("es-esx")), "es-419");
    EXPECT_EQ(depuisLocale(QStringLiteral("zh_TW")), "zh-Hant");
    EXPECT_EQ(depuisLocale(QStringLiteral("zh-Hant-HK")), "zh-Hant");
    EXPECT_EQ(depuisLocale(QStringLiteral("zh-MO")), "zh-Hant");
    EXPECT_EQ(depuisLocale(QStringLiteral("zh-CN")), "zh-Hans");
    EXPECT_EQ(depuisLocale(QStringLiteral("zh")), "zh-Hans");
    EXPECT_EQ(depuisLocale(QStringLiteral("pt-BR")), "pt-BR");
    EXPECT_EQ(depuisLocale(QStringLiteral("pt_br")), "pt-BR");
    EXPECT_EQ(depuisLocale(QStringLiteral("pt-PT")), "pt");
    EXPECT_EQ(depuisLocale(QStringLiteral("fr_CA")), "fr");
    EXPECT_EQ(depuisLocale(QStringLiteral("FR")), "fr");
    EXPECT_EQ(depuisLocale(QStringLiteral("gsw")), "de");
    EXPECT_EQ(depuisLocale(QStringLiteral("lb-LU")), "de");
    EXPECT_EQ(depuisLocale(QStringLiteral("nb-NO")), "");
    EXPECT_EQ(depuisLocale(QStringLiteral("nn")), "");
    EXPECT_EQ(depuisLocale(QStringLiteral("no")), "");
    EXPECT_EQ(depuisLocale(QStringLiteral("tlh-KL")), "");
    EXPECT_EQ(depuisLocale(QStringLiteral("")), "");
    EXPECT_EQ(depuisLocale(QStringLiteral("-")), "");
    EXPECT_EQ(depuisLocale(QVariant(42)), "");
    EXPECT_EQ(depuisLocale(QVariant()), "");
}

TEST(Detection, ListesDeLAppareil) {
    EXPECT_EQ(detecter({QStringLiteral("nb-NO"), QStringLiteral("da-DK")}), "da");
    EXPECT_EQ(detecter({QStringLiteral("nb-NO")}), "en");
    EXPECT_EQ(detecter({QStringLiteral("ru-RU"), QStringLiteral("fr-FR")}), "en");
    EXPECT_EQ(detecter({QStringLiteral("tlh"), QStringLiteral(""), QStringLiteral("ja_JP")}), "ja");
    EXPECT_EQ(detecter({}), "en");
}

TEST(Table, CodesNomsEtReplis) {
    ASSERT_EQ(LANGUES.size(), 31u);
    EXPECT_EQ(QString::fromUtf8(LANGUES.front().code), "en");
    EXPECT_EQ(QString::fromUtf8(trouver(QStringLiteral("uk"))->nom), QStringLiteral("УКРАЇНСЬКА"));
    for (const Langage& l : LANGUES) {
        EXPECT_TRUE(!*l.repli || connue(QString::fromUtf8(l.repli))) << l.code;
    }
    for (const char* exclue : EXCLUES)
        EXPECT_FALSE(connue(QString::fromUtf8(exclue)));
    EXPECT_FALSE(connue(QStringLiteral("zh")));
}

TEST(Chargement, ChaineEtCible) {
    EXPECT_EQ(chaine(QStringLiteral("pt-BR")), QStringList({"pt", "pt-BR"}));
    EXPECT_EQ(chaine(QStringLiteral("es-419")), QStringList({"es", "es-419"}));
    EXPECT_EQ(chaine(QStringLiteral("fr")), QStringList({"fr"}));
    EXPECT_TRUE(chaine(QStringLiteral("en")).isEmpty());
    EXPECT_TRUE(chaine(QStringLiteral("xx")).isEmpty());
    EXPECT_EQ(cible(QStringLiteral("de"), QStringLiteral("fr")), "de");
    EXPECT_EQ(cible(QString(), QStringLiteral("fr")), "fr");
    EXPECT_EQ(cible(QStringLiteral("ru"), QStringLiteral("ja")), "ja");
    EXPECT_EQ(cible(QStringLiteral("garbage"), QStringLiteral("en")), "en");
}

TEST(Chargement, FusionEtReplis) {
    Catalogue c;
    EXPECT_EQ(c.code(), "en");
    // Brazilian file overrides the Portuguese one where it has a text.
    c.installer(QStringLiteral("pt-BR"),
                {json(R"({"@": "nota", "YES": "SIM", "NO": "NÃO", "@x": "y"})"),
                 json(R"({"NO": "NÃO!"})")});
    EXPECT_EQ(c.code(), "pt-BR");
    EXPECT_EQ(c.taille(), 2);
    EXPECT_EQ(c.t(QStringLiteral("YES")), "SIM");
    EXPECT_EQ(c.t(QStringLiteral("NO")), QStringLiteral("NÃO!"));
    EXPECT_EQ(c.t(QStringLiteral("@")), "@");

    // A missing pt-BR file leaves the Portuguese texts in force.
    c.installer(QStringLiteral("pt-BR"), {json(R"({"YES": "SIM"})")});
    EXPECT_EQ(c.t(QStringLiteral("YES")), "SIM");

    // No file at all: English under the language's own code.
    c.installer(QStringLiteral("fi"), {});
    EXPECT_EQ(c.code(), "fi");
    EXPECT_EQ(c.t(QStringLiteral("YES")), "YES");

    // English never keeps a table, whatever it was given.
    c.installer(QStringLiteral("en"), {json(R"({"YES": "OUI"})")});
    EXPECT_EQ(c.code(), "en");
    EXPECT_EQ(c.t(QStringLiteral("YES")), "YES");

    c.installer(QStringLiteral("ru"), {json(R"({"YES": "ДА"})")});
    EXPECT_EQ(c.code(), "en");
    EXPECT_EQ(c.t(QStringLiteral("YES")), "YES");
}

TEST(Chargement, LectureDesFichiers) {
    EXPECT_EQ(lire(QByteArray()).etat, Lecture::Absent);
    const Lecture casse = lire("{\"YES\": ");
    EXPECT_EQ(casse.etat, Lecture::Illisible);
    EXPECT_FALSE(casse.erreur.isEmpty());
    EXPECT_EQ(lire("[1, 2]").etat, Lecture::Illisible);
    const Lecture bonne = lire(R"({"YES": "OUI"})");
    ASSERT_EQ(bonne.etat, Lecture::Lu);
    EXPECT_EQ(bonne.table.value("YES").toString(), "OUI");
    EXPECT_EQ(avertissement(QStringLiteral("fr"), QStringLiteral("oops")),
              "Langue : fr.json illisible : oops");
}

TEST(Recherche, TexteEtValeurs) {
    Catalogue c;
    EXPECT_EQ(c.t(QStringLiteral("remote|BACK")), "BACK");
    EXPECT_EQ(c.t(QStringLiteral("key|PG↑")), QStringLiteral("PG↑"));
    EXPECT_EQ(c.t(QStringLiteral("SCORE {n}"), {{"n", 5}}), "SCORE 5");
    EXPECT_EQ(c.t(QStringLiteral("{ok} START")), "{ok} START");
    EXPECT_EQ(c.t(QStringLiteral("{ok} START"), {{"n", 1}}), "{ok} START");
    EXPECT_EQ(c.t(QStringLiteral("{score} PTS  STAGE {n}"), {{"score", 1200}, {"n", 3}}),
              "1200 PTS  STAGE 3");
    // A value that itself looks like a placeholder is not expanded again.
    EXPECT_EQ(c.t(QStringLiteral("{a}{b}"), {{"a", "{b}"}, {"b", "x"}}), "{b}x");
    EXPECT_EQ(c.t(QStringLiteral("{ n} {} {n"), {{"n", 1}}), "{ n} {} {n");
    EXPECT_EQ(c.t(QStringLiteral("{{n}} {n}{n}}"), {{"n", 2}}), "{2} 22}");
    // Broken UTF-16 in a text does not stop its placeholders being filled.
    const QString brise = QStringLiteral("STAGE ") + QChar(0xD800) + QStringLiteral(" {n}");
    EXPECT_EQ(c.t(brise, {{"n", 9}}), QStringLiteral("STAGE ") + QChar(0xD800) + " 9");
    EXPECT_EQ(c.p(brise, brise, 3), QStringLiteral("STAGE ") + QChar(0xD800) + " 3");

    c.installer(QStringLiteral("fr"),
                {json(R"({"YES": "", "NO": {"one": "NON"}, "STAGE {n}": "NIVEAU {n}",
                         "key|ESC": "ÉCHAP", "MIX": 3})")});
    EXPECT_EQ(c.t(QStringLiteral("YES")), "YES");
    EXPECT_EQ(c.t(QStringLiteral("NO")), "NO");
    EXPECT_EQ(c.t(QStringLiteral("MIX")), "MIX");
    EXPECT_EQ(c.t(QStringLiteral("key|ESC")), QStringLiteral("ÉCHAP"));
    EXPECT_EQ(c.t(QStringLiteral("STAGE {n}"), {{"n", 4}}), "NIVEAU 4");
    EXPECT_EQ(c.t(QStringLiteral("STAGE {n}")), "NIVEAU {n}");
}

TEST(Recherche, Pluriels) {
    Catalogue c;
    const QString un = QStringLiteral("{n} LANTERN"), plusieurs = QStringLiteral("{n} LANTERNS");
    EXPECT_EQ(c.p(un, plusieurs, 1), "1 LANTERN");
    EXPECT_EQ(c.p(un, plusieurs, 0), "0 LANTERNS");
    EXPECT_EQ(c.p(un, plusieurs, 2.5), "2.5 LANTERNS");
    EXPECT_EQ(c.p(un, plusieurs, 3, {{"n", "III"}}), "III LANTERNS");

    c.installer(QStringLiteral("pl"),
                {json(R"({"{n} LANTERNS": {"one": "{n} LAMPION", "few": "{n} LAMPIONY",
                                           "other": "{n} LAMPIONÓW"}})")});
    EXPECT_EQ(c.p(un, plusieurs, 1), "1 LAMPION");
    EXPECT_EQ(c.p(un, plusieurs, 22), "22 LAMPIONY");
    // No "many" form in the file: "other" stands in.
    EXPECT_EQ(c.p(un, plusieurs, 5), QStringLiteral("5 LAMPIONÓW"));

    c.installer(QStringLiteral("pl"), {json(R"({"{n} LANTERNS": {"few": ""}})")});
    EXPECT_EQ(c.p(un, plusieurs, 1), "1 LANTERN");
    EXPECT_EQ(c.p(un, plusieurs, 3), "3 LANTERNS");
}

TEST(Pluriel, TablesDesLangues) {
    EXPECT_EQ(formes("pl", {1, 2, 5, 12, 22, 112, 0}),
              V({"one", "few", "many", "many", "few", "many", "many"}));
    EXPECT_EQ(formes("lv", {0, 1, 11, 21, 2, 111, 10}),
              V({"zero", "one", "zero", "one", "other", "zero", "zero"}));
    EXPECT_EQ(formes("ga", {1, 2, 3, 6, 7, 10, 11, 0}),
              V({"one", "two", "few", "few", "many", "many", "other", "other"}));
    EXPECT_EQ(
        formes("mt", {1, 2, 0, 3, 10, 103, 11, 19, 119, 20, 101}),
        V({"one", "two", "few", "few", "few", "few", "many", "many", "many", "other", "other"}));
    EXPECT_EQ(formes("ro", {1, 0, 2, 19, 20, 101, 102, 120}),
              V({"one", "few", "few", "few", "other", "other", "few", "other"}));
    EXPECT_EQ(
        formes("lt", {1, 21, 11, 2, 9, 12, 19, 10, 20, 0}),
        V({"one", "one", "other", "few", "few", "other", "other", "other", "other", "other"}));
    EXPECT_EQ(formes("sl", {1, 101, 2, 102, 3, 4, 204, 5, 11, 0}),
              V({"one", "one", "two", "two", "few", "few", "few", "other", "other", "other"}));
    EXPECT_EQ(formes("uk", {1, 21, 11, 2, 24, 12, 14, 5, 0, 111}),
              V({"one", "one", "many", "few", "few", "many", "many", "many", "many", "many"}));
    EXPECT_EQ(formes("hr", {1, 21, 11, 2, 24, 12, 5, 0}),
              V({"one", "one", "other", "few", "few", "other", "other", "other"}));
    EXPECT_EQ(formes("cs", {1, 2, 4, 5, 0, 22}),
              V({"one", "few", "few", "other", "other", "other"}));
    EXPECT_EQ(formes("sk", {1, 3, 11}), V({"one", "few", "other"}));
    EXPECT_EQ(formes("fr", {0, 1, 1.5, 2, -1}), V({"one", "one", "one", "other", "one"}));
    EXPECT_EQ(formes("pt", {0, 1, 2}), V({"other", "one", "other"}));
    EXPECT_EQ(formes("pt-BR", {0, 1, 2}), V({"one", "one", "other"}));
    EXPECT_EQ(formes("zh-Hant", {1, 2}), V({"other", "other"}));
    EXPECT_EQ(formes("ja", {1}), V({"other"}));
    EXPECT_EQ(formes("de", {1, 0, 2, -1}), V({"one", "other", "other", "one"}));
    // Negative counts read by their size; nonsense never picks a special form.
    EXPECT_EQ(formes("pl", {-2, -5}), V({"few", "many"}));
    EXPECT_EQ(forme(std::nan(""), QStringLiteral("pl")), "other");
    EXPECT_EQ(forme(1e300, QStringLiteral("pl")), "many");
}

TEST(Index, LectureTolerante) {
    const Index bon =
        lireIndex(R"({"disponibles": ["en", "fr", "xx", "fr"], "cjk": {"ja": "日本"}})");
    EXPECT_EQ(bon.disponibles, QStringList({"en", "fr"}));
    EXPECT_EQ(bon.cjk.value("ja"), QStringLiteral("日本"));
    EXPECT_EQ(bon.cjk.value("ko"), "");
    const Index vide = lireIndex("nonsense");
    EXPECT_EQ(vide.disponibles.size(), 31);
    EXPECT_EQ(vide.disponibles.front(), "en");
}
