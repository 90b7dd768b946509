#include "commun/ecran/marge.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <gtest/gtest.h>

namespace {

QJsonObject anim() {
    return QJsonDocument::fromJson(R"({
        "fond_marche_ciel": [384, 224, 1, 100, 1, 0, 0],
        "fond_marche_loin": [768, 224, 1, 100, 1, 0, 0],
        "fond_marche_milieu": [768, 224, 1, 100, 1, 0, 0],
        "fond_marche_pres": [768, 224, 1, 100, 1, 0, 0],
        "fonds_etoile": [5, 5, 4, 167, 1, 2, 2],
        "fonds_vapeur": [12, 22, 6, 117, 1, 6, 21],
        "fonds_lanterne_balance": [21, 24, 8, 117, 1, 8, 8]
    })")
        .object();
}

QJsonObject marche() {
    return QJsonDocument::fromJson(R"({
        "ciel": "fond_marche_ciel",
        "plans": [["fond_marche_loin", 2], ["fond_marche_milieu", 5], ["fond_marche_pres", 10]],
        "elements": [["fonds_lanterne_balance", 758, 8, 3], ["fonds_etoile", 40, 12, 0],
                     ["fonds_vapeur", 100, 150, 2], ["fonds_etoile", 300, 20, 0]],
        "eau": null
    })")
        .object();
}

QString decrire(const std::vector<marge::Piece>& pieces) {
    QStringList s;
    for (const auto& p : pieces)
        s << QStringLiteral("%1@%2,%3/%4").arg(p.nom).arg(p.x).arg(p.y).arg(p.plan);
    return s.join(' ');
}

} // namespace

TEST(Marge, BandIsSkyTwiceThenEachPlaneWithItsElementsWrapped) {
    const auto pieces = marge::pieces(marche(), anim());
    EXPECT_EQ(decrire(pieces),
              "fond_marche_ciel@0,0/0 fond_marche_ciel@384,0/0 "
              "fonds_etoile@40,12/0 fonds_etoile@-728,12/0 "
              "fonds_etoile@300,20/0 fonds_etoile@-468,20/0 "
              "fond_marche_loin@0,0/1 "
              "fond_marche_milieu@0,0/2 fonds_vapeur@100,150/2 fonds_vapeur@-668,150/2 "
              "fond_marche_pres@0,0/3 "
              "fonds_lanterne_balance@758,8/3 fonds_lanterne_balance@-10,8/3");
    // Each strip is shown by its first frame only.
    EXPECT_EQ(pieces.back().largeur, 21);
    EXPECT_EQ(pieces.back().hauteur, 24);
}

TEST(Marge, DamagedRowsAndUnknownStripsAreLeftOut) {
    QJsonObject fond = marche();
    fond["elements"] =
        QJsonDocument::fromJson(R"([["fonds_etoile", "x", 1, 0], ["fonds_etoile", 1, 2],
        ["inconnu", 5, 5, 2], 17, ["fonds_etoile", 10, 10, 9], ["fonds_vapeur", 1, 2, 1]])")
            .array();
    fond.remove("plans");
    EXPECT_EQ(decrire(marge::pieces(fond, anim())),
              "fond_marche_ciel@0,0/0 fond_marche_ciel@384,0/0 "
              "fonds_vapeur@1,2/1 fonds_vapeur@-767,2/1");
}

TEST(Marge, UnreadableTableGivesNoPieces) {
    EXPECT_TRUE(marge::piecesDepuisTable("pas du json").empty());
    EXPECT_TRUE(marge::piecesDepuisTable("{}").empty());
    QJsonObject table{{"anim", anim()}, {"fonds", QJsonObject{{"marche", marche()}}}};
    EXPECT_EQ(marge::piecesDepuisTable(QJsonDocument(table).toJson()).size(), 13u);
}
