#include "moteur/dispositions.h"

#include <gtest/gtest.h>

using namespace dispositions;

namespace {

struct Attendu {
    const char* nom;
    std::vector<int> parCouche;
};

// Tiles per layer, bottom first, as the catalogue promises them.
const std::vector<Attendu> ATTENDUS = {
    {"GREAT LANTERN", {120, 68, 28, 4}},  {"RED PANDA", {122, 56, 2}},
    {"INCENSE BURNER", {87, 44, 22, 1}},  {"MOON BRIDGE", {78, 52, 30, 12, 2}},
    {"NOODLE STALL", {102, 58, 24, 2}},   {"PAPER KITE", {58, 34, 14, 2, 2}},
    {"TEAPOT", {92, 62, 28, 6}},          {"FOLDING FAN", {92, 48, 12, 1, 1}},
    {"RIVER LANTERNS", {86, 28, 12}},     {"FIREWORK", {60, 28, 12, 8, 2, 2}},
    {"TEMPLE BELL", {76, 58, 28, 10, 2}}, {"NIGHT MARKET GATE", {74, 68, 40, 8, 2}},
    {"SMALL LAMP", {60, 42, 24, 6}},      {"RICE BOWL", {56, 30, 15, 5}},
};

} // namespace

TEST(Dispositions, CatalogueComplet) {
    ASSERT_EQ(LISTE.size(), 12u);
    ASSERT_EQ(DUEL.size(), 2u);
    for (std::size_t k = 0; k < ATTENDUS.size(); ++k) {
        const bool duel = k >= LISTE.size();
        const Disposition& d = duel ? DUEL[k - LISTE.size()] : LISTE[k];
        const Attendu& a = ATTENDUS[k];
        SCOPED_TRACE(a.nom);
        EXPECT_EQ(d.nom, a.nom);
        const pile::Lecture l = pile::lire(d.couches);
        ASSERT_TRUE(l.ok()) << l.erreur;
        std::vector<int> parCouche;
        for (const pile::Place& p : l.places) {
            if (p.z >= static_cast<int>(parCouche.size())) parCouche.resize(p.z + 1);
            ++parCouche[p.z];
        }
        EXPECT_EQ(parCouche, a.parCouche);
        EXPECT_TRUE(pile::defauts(l.places).empty());
        const pile::Geometrie g = pile::construire(l.places);
        EXPECT_EQ(g.bornes.couches, static_cast<int>(a.parCouche.size()));
        EXPECT_LE(g.bornes.largeur, duel ? 22 : 40);
        EXPECT_LE(g.bornes.hauteur, 16);
        for (const auto& couche : d.couches) {
            EXPECT_LE(couche.size(), 8u);
            for (const auto& rangee : couche)
                EXPECT_LE(rangee.size(), duel ? 11u : 20u);
        }
    }
}

TEST(Dispositions, ParNom) {
    const Disposition* bol = parNom("RICE BOWL");
    ASSERT_NE(bol, nullptr);
    EXPECT_EQ(bol, &DUEL[1]);
    EXPECT_EQ(parNom("GREAT LANTERN"), &LISTE[0]);
    EXPECT_EQ(parNom("NIGHT MARKET GATE"), &LISTE[11]);
    EXPECT_EQ(parNom("great lantern"), nullptr);
    EXPECT_EQ(parNom(""), nullptr);
}
