#include "plateforme/classements.h"
#include "plateforme/presence.h"

#include <QJsonDocument>
#include <gtest/gtest.h>

using namespace presence;

namespace {

EtatBorne borne(const char* texte) {
    return depuisJson(QJsonDocument::fromJson(QByteArray(texte)).object());
}

classements::Fin fin(const char* texte) {
    return classements::depuisJson(QJsonDocument::fromJson(QByteArray(texte)).object());
}

QString cleDe(const char* texte) {
    return cle(statut(borne(texte)));
}

} // namespace

TEST(Statut, ScenesHorsPartie) {
    for (const char* s : {"titre", "mire", "demo", "scores", "regles", "", "inconnue"})
        EXPECT_EQ(cle(statut(borne(("{\"scene\":\"" + std::string(s) + "\"}").c_str()))),
                  "{\"cle\":\"#Titre\",\"valeurs\":{},\"groupe\":\"\"}")
            << s;
    for (const char* s : {"menu", "options", "commandes", "crt"})
        EXPECT_EQ(statut(borne(("{\"scene\":\"" + std::string(s) + "\"}").c_str())).cle, "#Menu");
    for (const char* s : {"galerie", "sontest", "salle"})
        EXPECT_EQ(statut(borne(("{\"scene\":\"" + std::string(s) + "\"}").c_str())).cle, "#Extras");
    EXPECT_EQ(statut(borne("{\"scene\":\"succes\"}")).cle, "#Succes");
    EXPECT_EQ(statut(borne("{\"scene\":\"continue\"}")).cle, "#Continue");
    EXPECT_EQ(statut(borne("{\"scene\":\"gameover\"}")).cle, "#Continue");
    EXPECT_EQ(statut(borne("{\"scene\":\"saisie\",\"sorte\":\"duel\",\"niveauIa\":-1}")).groupe,
              "");
}

TEST(Statut, ChaqueModeAvecSesValeurs) {
    EXPECT_EQ(cleDe("{\"scene\":\"partie\",\"sorte\":\"pile\",\"mode\":\"night\",\"etape\":4}"),
              "{\"cle\":\"#Night\",\"valeurs\":{\"etape\":\"5\"},\"groupe\":\"\"}");
    EXPECT_EQ(cleDe("{\"scene\":\"partie\",\"sorte\":\"pile\",\"mode\":\"paper\",\"etape\":0}"),
              "{\"cle\":\"#Paper\",\"valeurs\":{\"etape\":\"1\"},\"groupe\":\"\"}");
    EXPECT_EQ(cleDe("{\"scene\":\"partie\",\"sorte\":\"pile\",\"mode\":\"parade\"}"),
              "{\"cle\":\"#Parade\",\"valeurs\":{\"etape\":\"1\"},\"groupe\":\"\"}");
    EXPECT_EQ(cleDe("{\"scene\":\"partie\",\"mode\":\"rush\",\"multiplicateur\":1}"),
              "{\"cle\":\"#Rush\",\"valeurs\":{\"piles\":\"0\"},\"groupe\":\"\"}");
    EXPECT_EQ(cleDe("{\"scene\":\"partie\",\"mode\":\"rush\",\"multiplicateur\":4}"),
              "{\"cle\":\"#Rush\",\"valeurs\":{\"piles\":\"3\"},\"groupe\":\"\"}");
    EXPECT_EQ(statut(borne("{\"scene\":\"partie\",\"mode\":\"rush\"}")).valeurs[0].second, "0");
    EXPECT_EQ(cleDe("{\"scene\":\"partie\",\"mode\":\"daily\",\"etape\":3}"),
              "{\"cle\":\"#Daily\",\"valeurs\":{},\"groupe\":\"\"}");
    EXPECT_EQ(cleDe("{\"scene\":\"partie\",\"sorte\":\"glissant\",\"mode\":\"sliding\","
                    "\"niveau\":3}"),
              "{\"cle\":\"#Sliding\",\"valeurs\":{\"niveau\":\"4\"},\"groupe\":\"\"}");
    EXPECT_EQ(statut(borne("{\"scene\":\"partie\",\"sorte\":\"glissant\"}")).valeurs[0].second,
              "1");
    // A mode the table does not know plays as NIGHT MARKET.
    EXPECT_EQ(statut(borne("{\"scene\":\"partie\",\"mode\":\"zz\"}")).cle, "#Night");
}

TEST(Statut, DuelsEtPause) {
    EXPECT_EQ(cleDe("{\"scene\":\"partie\",\"sorte\":\"duel\",\"niveauIa\":2}"),
              "{\"cle\":\"#DuelIa\",\"valeurs\":{\"adversaire\":\"DRAGON KITE\"},\"groupe\":\"\"}");
    EXPECT_EQ(
        statut(borne("{\"scene\":\"partie\",\"sorte\":\"duel\",\"niveauIa\":1}")).valeurs[0].second,
        "LANTERN");
    for (const char* n : {"0", "3", "1.5", "99"})
        EXPECT_EQ(statut(borne(("{\"scene\":\"partie\",\"sorte\":\"duel\",\"niveauIa\":" +
                                std::string(n) + "}")
                                   .c_str()))
                      .valeurs[0]
                      .second,
                  "LAMPION")
            << n;
    const Statut deux = statut(borne("{\"scene\":\"partie\",\"sorte\":\"duel\",\"niveauIa\":-1}"));
    EXPECT_EQ(deux.cle, "#Duel2");
    EXPECT_EQ(deux.groupe, "duel");
    // Paused, a duel is only paused; the two players still share one game.
    const Statut pause =
        statut(borne("{\"scene\":\"partie\",\"sorte\":\"duel\",\"niveauIa\":-1,\"pause\":true}"));
    EXPECT_EQ(pause.cle, "#Pause");
    EXPECT_TRUE(pause.valeurs.empty());
    EXPECT_EQ(pause.groupe, "duel");
    EXPECT_EQ(statut(borne("{\"scene\":\"partie\",\"sorte\":\"duel\",\"niveauIa\":0,"
                           "\"pause\":true}"))
                  .groupe,
              "");
    EXPECT_EQ(cleDe("{\"scene\":\"partie\",\"mode\":\"night\",\"etape\":2,\"pause\":true}"),
              "{\"cle\":\"#Pause\",\"valeurs\":{},\"groupe\":\"\"}");
}

TEST(Statut, Phrases) {
    EXPECT_EQ(texte(statut(borne("{\"scene\":\"partie\",\"mode\":\"paper\",\"etape\":6}")), "en"),
              "PAPER MOON - stage 7/12");
    EXPECT_EQ(
        texte(statut(borne("{\"scene\":\"partie\",\"mode\":\"rush\",\"multiplicateur\":3}")), "fr"),
        QString::fromUtf8("INCENSE RUSH - 2 piles vidées"));
    EXPECT_EQ(
        texte(statut(borne("{\"scene\":\"partie\",\"sorte\":\"duel\",\"niveauIa\":2}")), "de"),
        "LANTERN DUEL vs DRAGON KITE");
    EXPECT_EQ(texte({"#Inconnu", {}, ""}, "en"), "");
    // A value is filled in once and never read as a place holder itself.
    EXPECT_EQ(texte({"#Sliding", {{"niveau", "%niveau%"}}, ""}, "en"),
              "SLIDING STALLS - level %niveau%");
    EXPECT_EQ(texte({"#Night", {}, ""}, "en"), "NIGHT MARKET - stage %etape%/12");
    for (const Jeton& j : JETONS)
        EXPECT_EQ(QString::fromUtf8(j.cle).at(0), '#');
}

TEST(Classements, UnEnvoiParModeQuiADesScores) {
    const std::vector<std::pair<const char*, const char*>> modes = {{"night", "NIGHT_MARKET"},
                                                                    {"sliding", "SLIDING_STALLS"},
                                                                    {"rush", "INCENSE_RUSH"},
                                                                    {"paper", "PAPER_MOON"},
                                                                    {"parade", "PANDA_PARADE"}};
    for (const auto& [mode, id] : modes) {
        const auto e = classements::envois(
            fin(("{\"mode\":\"" + std::string(mode) +
                 "\",\"score\":12345.9,\"etape\":7,\"piles\":2,\"classe\":true,\"ia\":-1}")
                    .c_str()));
        ASSERT_EQ(e.size(), 1u) << mode;
        EXPECT_EQ(e[0], (classements::Envoi{id, id, 12345, {7, 2, 0}})) << mode;
    }
    EXPECT_TRUE(classements::envois(fin("{\"mode\":\"demo\",\"score\":500}")).empty());
    EXPECT_TRUE(classements::envois(fin("{\"mode\":\"night\",\"score\":0}")).empty());
    EXPECT_TRUE(classements::envois(fin("{\"mode\":\"night\",\"score\":-3}")).empty());
    EXPECT_TRUE(classements::envois(fin("{\"mode\":\"night\",\"score\":\"900\"}")).empty());
    EXPECT_EQ(classements::envois(fin("{\"mode\":\"night\",\"score\":3000000000}"))[0].score,
              2147483647);
    EXPECT_EQ(classements::detailsJson({7, 0, 20260115}), "[7,0,20260115]");
    EXPECT_EQ(classements::detailsJson({}), "[]");
}

TEST(Classements, DuelEtDefiDuJour) {
    EXPECT_TRUE(classements::envois(fin("{\"mode\":\"duel\",\"score\":800,\"ia\":-1}")).empty());
    EXPECT_TRUE(classements::envois(fin("{\"mode\":\"duel\",\"score\":800}")).empty());
    EXPECT_TRUE(classements::envois(fin("{\"mode\":\"duel\",\"score\":0,\"ia\":2}")).empty());
    EXPECT_EQ(classements::envois(fin("{\"mode\":\"duel\",\"score\":800,\"etape\":3,\"ia\":2}")),
              (std::vector<classements::Envoi>{{"LANTERN_DUEL", "LANTERN_DUEL", 800, {3, 0, 0}}}));

    EXPECT_TRUE(classements::envois(fin("{\"mode\":\"daily\",\"score\":5000,\"classe\":false,"
                                        "\"jour\":\"20260115\"}"))
                    .empty());
    EXPECT_EQ(classements::envois(fin("{\"mode\":\"daily\",\"score\":5000,\"etape\":1,"
                                      "\"classe\":true,\"jour\":\"20260115\"}")),
              (std::vector<classements::Envoi>{
                  {"MOON_OF_THE_DAY", "MOON_OF_THE_DAY_20260115", 5000, {1, 0, 20260115}}}));
    // Without a readable day the board of the day cannot be named.
    EXPECT_EQ(
        classements::envois(fin("{\"mode\":\"daily\",\"score\":5000,\"classe\":true,"
                                "\"jour\":\"2026-01-15\"}")),
        (std::vector<classements::Envoi>{{"MOON_OF_THE_DAY", "MOON_OF_THE_DAY", 5000, {0, 0, 0}}}));
}

TEST(Classements, RecordsDesCompteurs) {
    classements::Compteurs avant{}, apres{};
    const int paires = succes::indiceStat("paires");
    const int suite = succes::indiceStat("defiSuite");
    avant[std::size_t(paires)] = 99;
    apres[std::size_t(paires)] = 100;
    EXPECT_EQ(classements::records(apres, &avant),
              (std::vector<classements::Envoi>{{"RECORD_PAIRS", "RECORD_PAIRS", 100, {}}}));
    EXPECT_TRUE(classements::records(apres, &apres).empty());
    apres[std::size_t(suite)] = 4;
    const auto tous = classements::records(apres, nullptr);
    ASSERT_EQ(tous.size(), 2u);
    EXPECT_EQ(tous[1], (classements::Envoi{"RECORD_MOON_STREAK", "RECORD_MOON_STREAK", 4, {}}));
    // A streak that starts again at 1 is a change too.
    avant = apres;
    apres[std::size_t(suite)] = 1;
    EXPECT_EQ(classements::records(apres, &avant).size(), 1u);
    EXPECT_EQ(classements::parMode("daily")->id, std::string("MOON_OF_THE_DAY"));
    EXPECT_EQ(classements::parMode("paires"), nullptr);
}
