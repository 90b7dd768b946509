#include "borne/menu.h"
#include "borne/menupause.h"

#include <gtest/gtest.h>

namespace {

QStringList noms(const QVector<menu::Article>& l) {
    QStringList r;
    for (const menu::Article& a : l)
        r << (a.valeurs.isEmpty() ? a.nom
                                  : QString(a.nom).replace("{n}", a.valeurs["n"].toString()));
    return r;
}

QStringList ids(const QVector<menupause::Entree>& l) {
    QStringList r;
    for (const menupause::Entree& e : l)
        r << e.id;
    return r;
}

} // namespace

TEST(Menu, SansProgresLesModesCachesSontFermes) {
    const menu::Ouvertures rien;
    for (int i = 0; i < menu::NOMBRE; ++i) {
        const QString id = menu::ENTREES[i].id;
        EXPECT_EQ(menu::ouverte(i, rien), id != "paper" && id != "parade") << id.toStdString();
    }
    EXPECT_FALSE(menu::ouverte(-1, rien));
    EXPECT_FALSE(menu::ouverte(menu::NOMBRE, rien));
    // NIGHT MARKET starts STAGE 01 at once, with nothing to choose.
    EXPECT_TRUE(menu::listeDe("night", rien, true).isEmpty());
    EXPECT_TRUE(menu::listeDe("rush", rien, true).isEmpty());

    menu::Ouvertures parade;
    parade.drapeaux = {"pandaParade", "galerie"};
    EXPECT_TRUE(menu::ouverte(menu::indexDe("parade"), parade));
    EXPECT_FALSE(menu::ouverte(menu::indexDe("paper"), parade));
}

TEST(Menu, RangeeDesEtapes) {
    // Stages 01 to 03 cleared: they can be played again, the cursor on 03.
    menu::Ouvertures o;
    o.etapeMax = 3;
    o.etapesVues = {0, 1, 2};
    auto l = menu::listeDe("night", o, true);
    EXPECT_EQ(noms(l), QStringList({"STAGE 01", "STAGE 02", "STAGE 03"}));
    EXPECT_EQ(l[2].options["etape"].toInt(), 2);
    EXPECT_EQ(menu::curseurDe("night", l.size()), 2);

    // A stage seen past the highest cleared is offered; gaps stay out.
    o.etapeMax = 1;
    o.etapesVues = {0, 5};
    EXPECT_EQ(noms(menu::listeDe("night", o, true)), QStringList({"STAGE 01", "STAGE 06"}));

    menu::Ouvertures code;
    code.code = true;
    l = menu::listeDe("night", code, true);
    ASSERT_EQ(l.size(), 12);
    EXPECT_EQ(noms(l).last(), "STAGE 12");
    for (int i = 0; i < menu::NOMBRE; ++i)
        EXPECT_TRUE(menu::ouverte(i, code));
    for (const auto& a : menu::listeDe("extras", code, true))
        EXPECT_TRUE(a.ouvert);
}

TEST(Menu, AdversairesEtExtras) {
    const menu::Ouvertures rien;
    auto duel = menu::listeDe("duel", rien, true);
    EXPECT_EQ(noms(duel), QStringList({"VS LAMPION", "VS LANTERN", "VS DRAGON KITE", "2 PLAYERS"}));
    EXPECT_EQ(duel[3].options["ia"].toInt(), -1);
    // The row opens on the saved CPU level, whatever the record holds.
    EXPECT_EQ(menu::curseurDe("duel", duel.size()), 1);
    for (int niveau : {0, 1, 2})
        EXPECT_EQ(duel[menu::curseurDe("duel", duel.size(), niveau)].options["ia"].toInt(), niveau);
    EXPECT_EQ(menu::curseurDe("duel", duel.size(), 7), 2);
    EXPECT_EQ(menu::curseurDe("duel", duel.size(), -3), 0);
    // The box's single remote: no two-player duel.
    EXPECT_EQ(menu::listeDe("duel", rien, false).size(), 3);

    auto extras = menu::listeDe("extras", rien, true);
    ASSERT_EQ(extras.size(), 5);
    QList<bool> ouverts;
    for (const auto& a : extras)
        ouverts << a.ouvert;
    EXPECT_EQ(ouverts, QList<bool>({false, false, true, false, true}));
    EXPECT_EQ(extras[1].options["extra"].toString(), "sontest");
    EXPECT_EQ(menu::curseurDe("extras", extras.size()), 0);
}

TEST(Menu, CordeEtPointeur) {
    // Centred when the ends allow it, never past them.
    EXPECT_EQ(menu::decalage(0), 0);
    EXPECT_EQ(menu::decalage(3), 0); // 2 pixels short of the left end
    EXPECT_EQ(menu::decalage(4), 192 - (4 + 216 + 24));
    EXPECT_EQ(menu::decalage(menu::NOMBRE - 1), 384 - 8 - 54 * menu::NOMBRE);
    EXPECT_EQ(menu::lanterneTouchee(4, 50, 0), 0);
    EXPECT_EQ(menu::lanterneTouchee(3, 50, 0), -1);
    EXPECT_EQ(menu::lanterneTouchee(60, 30, 0), -1); // above the rope's band
    EXPECT_EQ(menu::lanterneTouchee(383, 89, 0), 7);
    const int fin = menu::decalage(menu::NOMBRE - 1);
    EXPECT_EQ(menu::lanterneTouchee(370, 89, fin), menu::NOMBRE - 1);
    EXPECT_EQ(menu::lanterneTouchee(383, 89, fin), -1); // past the last lantern
    // Rows: two columns up to four items, then four.
    EXPECT_EQ(menu::placeArticle(1, 3).x, 210);
    EXPECT_EQ(menu::placeArticle(2, 3).y, 160);
    EXPECT_EQ(menu::placeArticle(4, 5).x, 36);
    EXPECT_EQ(menu::articleTouche(70 - 18, 146 - 4, 3), 0);
    EXPECT_EQ(menu::articleTouche(70 + 70, 146, 3), -1);
    EXPECT_EQ(menu::articleTouche(36 + 88 * 3, 146 + 9, 12), 3);
    EXPECT_EQ(menu::articleTouche(36, 146 + 14 * 3, 12), -1);
}

TEST(Pause, EntreesSelonLaPartie) {
    const QStringList tout = {"reprendre", "hint", "mix", "undo", "peek", "titre", "quitter"};
    EXPECT_EQ(ids(menupause::entrees(true, true, true, true, false)), tout);
    EXPECT_EQ(ids(menupause::entrees(true, true, false, true, false)),
              QStringList({"reprendre", "hint", "mix", "peek", "titre", "quitter"}));
    EXPECT_EQ(ids(menupause::entrees(true, true, false, false, false)),
              QStringList({"reprendre", "hint", "mix", "titre", "quitter"}));
    EXPECT_EQ(ids(menupause::entrees(true, false, true, true, false)),
              QStringList({"reprendre", "titre", "quitter"}));
    EXPECT_EQ(ids(menupause::entrees(false, true, true, true, false)).last(), "titre");
    // A duel whose first board has ended, the computer playing on: the pause
    // still resumes and leaves, but no help reaches the board that is over.
    EXPECT_EQ(ids(menupause::entrees(true, true, false, true, true)),
              QStringList({"reprendre", "titre", "quitter"}));
    EXPECT_EQ(ids(menupause::entrees(false, true, false, true, true)),
              QStringList({"reprendre", "titre"}));
}

TEST(Pause, Pointeur) {
    EXPECT_EQ(menupause::entreeTouchee(150, 67, 7), 0);
    EXPECT_EQ(menupause::entreeTouchee(150, 66, 7), -1);
    EXPECT_EQ(menupause::entreeTouchee(150, 70 + 13 * 6 - 3, 7), 6);
    EXPECT_EQ(menupause::entreeTouchee(150, 70 + 13 * 7 - 3, 7), -1);
    EXPECT_EQ(menupause::entreeTouchee(119, 80, 7), -1);
    EXPECT_EQ(menupause::entreeTouchee(264, 70, 7), 0);
    EXPECT_EQ(menupause::reponseTouchee(191, 108), 0);
    EXPECT_EQ(menupause::reponseTouchee(192, 131), 1);
    EXPECT_EQ(menupause::reponseTouchee(100, 132), -1);
    EXPECT_EQ(menupause::reponseTouchee(100, 107), -1);
}
