#include "borne/commandes.h"

#include <gtest/gtest.h>

using namespace commandes;

namespace {

QVector<int> v(std::initializer_list<int> l) {
    return QVector<int>(l);
}

} // namespace

TEST(Commandes, TableParDefaut) {
    Table t;
    EXPECT_EQ(t.action(K::gauche, false), "gauche");
    EXPECT_EQ(t.action('A', false), "gauche");
    EXPECT_EQ(t.action(K::eAigu, false), "mix");
    EXPECT_EQ(t.action(K::pageBas, false), "glisseD");
    EXPECT_EQ(t.action(K::menu, false), "start"); // remote keys follow the keyboard
    EXPECT_EQ(t.action(K::stop, false), "");
    EXPECT_EQ(t.action(0x43, false), ""); // C belongs to the root scene
    EXPECT_EQ(t.clavier("ok"), v({K::entree, K::entreePave, K::espace}));
    EXPECT_TRUE(t.clavier("inconnue").isEmpty());
}

TEST(Commandes, ReaffectationDeplaceLesTouches) {
    Table t;
    // hint on M: M leaves mix, which keeps 2 and É.
    t.regler({{"hint", 'M'}});
    EXPECT_EQ(t.clavier("hint"), v({'M', '1', K::esperluette}));
    EXPECT_EQ(t.clavier("mix"), v({'2', K::eAigu}));
    EXPECT_EQ(t.action('M', false), "hint");
    EXPECT_EQ(t.action('H', false), ""); // the replaced main key is gone
    EXPECT_EQ(t.etiquette("mix", "clavier", "linux"), "2");
    EXPECT_EQ(t.etiquette("hint", "clavier", "linux"), "M");

    // mix on Q: gauche keeps Left and A.
    t.regler({{"mix", 'Q'}});
    EXPECT_EQ(t.clavier("gauche"), v({K::gauche, 'A'}));
    EXPECT_EQ(t.action('Q', false), "mix");

    // Refused codes leave the default main key in place.
    for (int code : {K::rouge, 0x43, K::f11, 0, -5, MANETTE + 3, K::stop}) {
        EXPECT_FALSE(Table::reaffectable(code)) << code;
        t.regler({{"ok", code}, {"bidon", 'X'}});
        EXPECT_EQ(t.clavier("ok").first(), K::entree) << code;
    }
    EXPECT_EQ(t.action('X', false), "");
}

TEST(Commandes, CtrlZEtManettes) {
    Table t;
    t.regler({{"peek", 'Z'}});
    EXPECT_EQ(t.action('Z', true), "undo");
    EXPECT_EQ(t.action('Z', false), "peek");
    EXPECT_EQ(t.action(0x01f00103, false), "mix");
    EXPECT_EQ(t.action(0x01f0030a, false), "trouver"); // l3
    EXPECT_EQ(t.action(0x01f00010, false), "");        // the centre button
    EXPECT_EQ(t.action(0x01f00020, false), "");        // unnamed button
    EXPECT_EQ(t.action(0x01f00400, false), "");
    EXPECT_FALSE(manette(0x01f00400).has_value());
    const auto b = manette(0x01f00207);
    ASSERT_TRUE(b.has_value());
    EXPECT_EQ(b->rang, 2);
    EXPECT_EQ(b->bouton, 7);
}

TEST(Commandes, Duel) {
    Table t;
    auto duel = [&](int code) {
        const auto d = t.actionDuel(code);
        return d ? QString("%1:%2").arg(d->joueur).arg(d->action) : QString("-");
    };
    EXPECT_EQ(duel(MANETTE + 0), "1:ok");
    EXPECT_EQ(duel(MANETTE + 0x100 + 1), "2:retour");
    EXPECT_EQ(duel(MANETTE + 0x300 + 12), "2:haut");
    EXPECT_EQ(duel(MANETTE + 0x200 + 9), "0:start");
    EXPECT_EQ(duel(MANETTE + 16), "-");
    EXPECT_EQ(duel('F'), "1:ok");
    EXPECT_EQ(duel(K::gauche), "2:gauche");
    EXPECT_EQ(duel(K::rouge), "2:hint");
    EXPECT_EQ(duel(K::f1), "0:start");
    EXPECT_EQ(duel(K::pause), "0:start");
    EXPECT_EQ(duel(K::echap), "0:retour");
    EXPECT_EQ(duel('5'), "0:piece");
    EXPECT_EQ(duel('P'), "-");
    // A remapping does not touch the duel's own keys.
    t.regler({{"start", 'F'}});
    EXPECT_EQ(duel('F'), "1:ok");
}

TEST(Commandes, Appareils) {
    Table t;
    EXPECT_EQ(t.appareil(MANETTE + 0x105, "linux", "clavier"), "manette");
    EXPECT_EQ(t.appareil(K::rouge, "linux", "clavier"), "telecommande");
    EXPECT_EQ(t.appareil(K::stop, "freebox", "telecommande"), "telecommande");
    EXPECT_EQ(t.appareil(K::gauche, "android", "tactile"), "telecommande");
    EXPECT_EQ(t.appareil(K::entreePave, "android", "tactile"), "telecommande");
    EXPECT_EQ(t.appareil(K::entreePave, "android", "clavier"), "");
    EXPECT_EQ(t.appareil(K::gauche, "linux", "souris"), "");
    EXPECT_EQ(t.appareil(K::entree, "freebox", "telecommande"), "");
    EXPECT_EQ(t.appareil('H', "linux", "manette"), "clavier");
    EXPECT_EQ(t.appareil(K::f11, "linux", "manette"), "");
    EXPECT_EQ(appareilDe("freebox", false), "telecommande");
    EXPECT_EQ(appareilDe("linux", true), "telecommande");
    EXPECT_EQ(appareilDe("android", false), "tactile");
    EXPECT_EQ(appareilDe("macos", false), "clavier");
    for (const char* p : {"linux", "macos", "android", "freebox"})
        EXPECT_TRUE(t.trous(p).isEmpty()) << p << t.trous(p).join(',').toStdString();
}

TEST(Commandes, GestesEtDirections) {
    EXPECT_EQ(geste(-41, 29, 100), "undo");
    EXPECT_EQ(geste(-40, 0, 100), "");
    EXPECT_EQ(geste(-60, 30, 100), "");
    EXPECT_EQ(geste(5, -5, 651), "peek");
    EXPECT_EQ(geste(5, -5, 650), "");
    EXPECT_EQ(geste(0, 0, 100), "");
    EXPECT_EQ(direction("haut"), (std::array<int, 2>{0, -1}));
    EXPECT_FALSE(direction("ok").has_value());
}

TEST(Commandes, Etiquettes) {
    Table t;
    EXPECT_EQ(nomTouche(K::echap), "key|ESC");
    EXPECT_EQ(nomTouche(0x01000030 + 34), "F35");
    EXPECT_EQ(nomTouche(0x01000030 + 35), "?");
    EXPECT_EQ(nomTouche('a'), "A");
    EXPECT_EQ(nomTouche(0xe9), QString::fromUtf8("É"));
    EXPECT_EQ(nomTouche(0x20), "key|SPACE");
    EXPECT_EQ(nomTouche(0x2000), "?");
    EXPECT_EQ(t.etiquette("retour", "clavier", "linux"), "ESC"); // context dropped without tr
    const Traduction tr = [](const QString& cle) { return "<" + cle + ">"; };
    EXPECT_EQ(t.etiquette("retour", "clavier", "linux", tr), "<key|ESC>");
    EXPECT_EQ(t.libelle("ok", "clavier", "linux"), "ENTER SPACE"); // repeated ENTER dropped
    EXPECT_EQ(t.libelle("gauche", "tactile", "android"), "TAP");
    EXPECT_EQ(t.etiquette("gauche", "tactile", "android"), QString::fromUtf8("←"));
    EXPECT_EQ(t.libelle("hint", "souris", "linux"), QString::fromUtf8("WHEEL ↑  HINT BAR"));
    EXPECT_EQ(t.etiquette("start", "telecommande", "android"), "BACK");
    EXPECT_EQ(t.etiquette("start", "telecommande", "freebox"), QString::fromUtf8("▶"));

    EXPECT_EQ(t.nomManette("ok"), QString(QChar(0xE000)));
    t.choisirFamille("playstation");
    EXPECT_EQ(t.nomManette("ok"), QString(QChar(0xE004)));
    EXPECT_EQ(t.nomManette("undo"), "L1"); // empty cell: generic
    t.choisirFamille("nintendo");
    EXPECT_EQ(t.etiquette("start", "manette", "linux"), "+");
    t.choisirFamille("sega");
    EXPECT_EQ(t.famille(), "");
    EXPECT_EQ(t.nomManette("piece"), "SELECT");
    EXPECT_EQ(t.etiquettes("manette", "linux").size(), NOMBRE_ACTIONS);
}

TEST(Commandes, TrouverEtSommaireNeGenentRien) {
    Table t;
    // Every key and button an action had before keeps it, and the new ones
    // take nothing from them.
    const QVector<QString> anciennes = {"gauche", "droite", "haut",    "bas",    "ok",
                                        "retour", "hint",   "mix",     "undo",   "peek",
                                        "piece",  "start",  "glisseG", "glisseD"};
    for (int code : {int('N'), int('6'), int('B'), int('7'), int('I'), int('8')}) {
        for (const QString& a : anciennes)
            EXPECT_FALSE(t.clavier(a).contains(code)) << a.toStdString() << code;
        EXPECT_FALSE(t.actionDuel(code).has_value()) << code; // not the duel's either
    }
    EXPECT_EQ(t.clavier("trouver"), v({'N', '6'}));
    EXPECT_EQ(t.clavier("trouverPaire"), v({'B', '7'}));
    EXPECT_EQ(t.clavier("sommaire"), v({'I', '8'}));
    EXPECT_EQ(t.action('H', false), "hint");
    EXPECT_EQ(t.action(MANETTE + 0x10b, false), "trouverPaire"); // r3
    EXPECT_EQ(t.action(MANETTE + 17, false), "sommaire");        // guide
    EXPECT_EQ(t.action(MANETTE + 8, false), "piece");

    // Remappable like the others, and a key given to them leaves its action.
    t.regler({{"trouver", 'H'}});
    EXPECT_EQ(t.action('H', false), "trouver");
    EXPECT_EQ(t.clavier("hint"), v({'1', K::esperluette}));

    // Labels on every device; the remote of the box sends the digits.
    Table d;
    EXPECT_EQ(d.etiquette("trouver", "clavier", "linux"), "N");
    EXPECT_EQ(d.etiquette("sommaire", "telecommande", "freebox"), "8");
    EXPECT_EQ(d.etiquette("trouverPaire", "manette", "linux"), "R3");
    d.choisirFamille("xbox");
    EXPECT_EQ(d.etiquette("trouver", "manette", "linux"), "LS");
    EXPECT_EQ(d.libelle("trouverPaire", "souris", "linux"), "POINT");
}
