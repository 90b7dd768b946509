#include "cible_touches.h"
#include "manettes.h"
#include "plateforme.h"

#include <QGamepadManager>
#include <gtest/gtest.h>

namespace {

struct Banc : testing::Test {
    CibleTouches cible;
    Plateforme facade{QStringList{"tessimora"}};
    QList<int> ids{7, 3};
    QMap<int, QString> noms{{3, "Xbox Wireless Controller"}, {7, "Sony DualSense"}};
    Manettes manettes{
        &cible, &facade, true, {[this] { return ids; }, [this](int id) { return noms.value(id); }}};
};

} // namespace

TEST_F(Banc, CodesSelonLOrdreDesIdentifiants) {
    manettes.boutonEnfonce(3, 0, 1.0);
    manettes.boutonRelache(3, 0);
    manettes.boutonEnfonce(7, 3, 1.0); // second pad in id order, Y
    EXPECT_EQ(cible.prendre(), (QStringList{"+1f00000", "-1f00000", "+1f00103"}));
    EXPECT_EQ(manettes.code(99, 1), 0x01F00001); // unknown pad: index 0
    ids = {1, 2, 3, 4, 5};
    EXPECT_EQ(manettes.code(4, 9), manettes.code(5, 9)); // fourth and fifth share
    EXPECT_EQ(manettes.code(5, 9), 0x01F00309);
}

TEST_F(Banc, DoubleAppuiEtBoutonsIgnores) {
    manettes.boutonEnfonce(3, 0, 1.0);
    manettes.boutonEnfonce(3, 0, 1.0);
    manettes.boutonRelache(3, 0);
    manettes.boutonRelache(3, 0);
    manettes.boutonEnfonce(3, 17, 1.0); // Guide: no key, but the family follows
    manettes.boutonEnfonce(3, -1, 1.0);
    EXPECT_EQ(cible.prendre(), (QStringList{"+1f00000", "-1f00000"}));
    EXPECT_EQ(facade.manette(), "xbox");
    manettes.boutonEnfonce(7, 16, 1.0);
    EXPECT_EQ(facade.manette(), "playstation");
}

TEST_F(Banc, GachetteAnalogique) {
    manettes.boutonEnfonce(3, 6, 0.2);
    EXPECT_TRUE(cible.prendre().isEmpty());
    manettes.boutonEnfonce(3, 6, 0.6);
    manettes.boutonEnfonce(3, 6, 0.4);
    EXPECT_EQ(cible.prendre(), (QStringList{"+1f00006", "-1f00006"}));
    EXPECT_TRUE(facade.manette() == "xbox");
}

TEST_F(Banc, DirectionTenueSeRepete) {
    manettes.boutonEnfonce(3, Manettes::BOUTON_GAUCHE, 1.0);
    EXPECT_TRUE(manettes.minuterie().isActive());
    EXPECT_EQ(manettes.minuterie().interval(), 300);
    manettes.repeter();
    EXPECT_EQ(manettes.minuterie().interval(), 90);
    manettes.repeter();
    manettes.boutonRelache(3, Manettes::BOUTON_GAUCHE);
    manettes.repeter(); // the next tick finds it released and stops
    EXPECT_FALSE(manettes.minuterie().isActive());
    EXPECT_EQ(cible.prendre(), (QStringList{"+1f0000f", "*1f0000f", "*1f0000f", "-1f0000f"}));

    // A second direction takes the repeat over and waits 300 ms again.
    manettes.boutonEnfonce(3, Manettes::BOUTON_HAUT, 1.0);
    manettes.repeter();
    manettes.boutonEnfonce(3, Manettes::BOUTON_BAS, 1.0);
    EXPECT_EQ(manettes.minuterie().interval(), 300);
    manettes.repeter();
    EXPECT_EQ(cible.prendre(), (QStringList{"+1f0000c", "*1f0000c", "+1f0000d", "*1f0000d"}));
}

TEST_F(Banc, StickAvecHysteresis) {
    const std::pair<double, QStringList> pas[] = {
        {-0.5, {}},
        {-0.7, {"+1f0000f"}},
        {-0.4, {}},
        {-0.2, {"-1f0000f"}},
        {0.6, {}},
        {0.61, {"+1f0000e"}},
        {0.45, {}},
        {0.3, {}},
        {0.29, {"-1f0000e"}},
        {-0.8, {"+1f0000f"}},
        {0.8, {"-1f0000f", "+1f0000e"}},
        {-0.8, {"+1f0000f", "-1f0000e"}},
    };
    for (const auto& [x, attendu] : pas) {
        manettes.axe(3, 0, x);
        EXPECT_EQ(cible.prendre(), attendu) << x;
    }
    manettes.axe(3, 1, 0.9);
    manettes.axe(3, 2, -0.9); // the right stick is not used
    EXPECT_EQ(cible.prendre(), (QStringList{"+1f0000d"}));
}

TEST_F(Banc, DebrancherRelacheToutesLesManettes) {
    manettes.boutonEnfonce(3, 0, 1.0);
    manettes.boutonEnfonce(7, Manettes::BOUTON_DROITE, 1.0);
    cible.prendre();
    manettes.deconnecte(3);
    EXPECT_EQ(cible.prendre(), (QStringList{"-1f00000", "-1f0010e"}));
    EXPECT_FALSE(manettes.minuterie().isActive());
    manettes.boutonRelache(7, Manettes::BOUTON_DROITE);
    EXPECT_TRUE(cible.prendre().isEmpty());
}

TEST(ManettesQt, SuitLesSignauxDuGestionnaire) {
    CibleTouches cible;
    Plateforme facade(QStringList{"tessimora", "--manette="});
    Manettes manettes(&cible, &facade, false);
    QGamepadManager* g = QGamepadManager::instance();
    emit g->gamepadButtonPressEvent(5, QGamepadManager::ButtonStart, 1.0);
    emit g->gamepadButtonReleaseEvent(5, QGamepadManager::ButtonStart);
    emit g->gamepadAxisEvent(5, QGamepadManager::AxisLeftY, -0.9);
    emit g->gamepadDisconnected(5);
    EXPECT_EQ(cible.prendre(), (QStringList{"+1f00009", "-1f00009", "+1f0000c", "-1f0000c"}));
    EXPECT_TRUE(facade.manette().isEmpty()); // detection is off
}
