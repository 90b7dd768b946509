// The `.layout` text format turned into the layout notation, the normal form
// and its digest, and the checks on places.

#include "moteur/importation.h"

#include <gtest/gtest.h>

using namespace importation;

namespace {

std::string layout(const std::string& entete, const std::vector<std::string>& lignes) {
    std::string s = entete + "\n";
    for (const std::string& l : lignes)
        s += l + "\n";
    return s;
}

} // namespace

TEST(Layout, QuartsDemiDecalagesEtCommentaires) {
    // Tiles on the grid, half a cell right, half a cell down and both; the
    // comments and blank lines count for nothing.
    const Conversion c = depuisLayout(
        layout("kmahjongg-layout-v1.1",
               {"# six tiles", "w10", "h6", "d1", "12.12.....", "43.43.....", "......12..", "",
                "# the lower half", "12.12.43..", "43.43...12", "........43"}));
    ASSERT_TRUE(c.verdict.ok()) << c.verdict.detail;
    ASSERT_EQ(c.couches.size(), 1u);
    EXPECT_EQ(c.couches[0], (pile::Couche{"#>", "v+.#", "....#"}));
    const pile::Lecture l = pile::lire(c.couches);
    ASSERT_TRUE(l.ok());
    ASSERT_EQ(l.places.size(), 6u);
    EXPECT_EQ(l.places[1], (pile::Place{3, 0, 0}));
    EXPECT_EQ(l.places[3], (pile::Place{3, 3, 0}));
    EXPECT_EQ(l.places[4], (pile::Place{6, 2, 0}));
}

TEST(Layout, VersionsEtTaillesParDefaut) {
    // The older version always has a grid of 32 x 16 x 5: row 16 is the
    // second layer's first, and a size line is refused.
    std::vector<std::string> lignes(16, std::string(32, '.'));
    lignes.push_back("12" + std::string(30, '.'));
    lignes.push_back("43" + std::string(30, '.'));
    lignes[0].replace(0, 2, "12");
    lignes[1].replace(0, 2, "43");
    const Conversion ancien = depuisLayout(layout("kmahjongg-layout-v1.0", lignes));
    ASSERT_TRUE(ancien.verdict.ok()) << ancien.verdict.detail;
    EXPECT_EQ(ancien.couches, (pile::Forme{{"#"}, {"#"}}));
    EXPECT_EQ(depuisLayout(layout("kmahjongg-layout-v1.0", {"w16"})).verdict.refus,
              Refus::PasUnePile);
    // A line longer than the grid is no row of it; a shorter one ends in
    // empty quarters, and missing rows are empty.
    EXPECT_EQ(depuisLayout(layout("kmahjongg-layout-v1.0", {std::string(33, '.')})).verdict.refus,
              Refus::PasUnePile);
    const Conversion court = depuisLayout("kmahjongg-layout-v1.1\r\nw4\r\nh2\r\n12\r\n43");
    EXPECT_TRUE(court.verdict.ok()) << court.verdict.detail;
    EXPECT_EQ(court.couches, (pile::Forme{{"#"}}));
    // The newer version's sizes: more rows than w x h x d is not that file.
    EXPECT_EQ(
        depuisLayout(layout("kmahjongg-layout-v1.1", {"h2", "d1", "12", "43", "12"})).verdict.refus,
        Refus::PasUnePile);
    EXPECT_TRUE(estLayout("\xEF\xBB\xBFkmahjongg-layout-v1.1\n"));
    EXPECT_TRUE(estLayout("kmahjongg-layout-v9.9"));
    EXPECT_FALSE(estLayout("{\"nom\": \"kmahjongg-layout-v1.1\"}"));
}

TEST(Layout, Refus) {
    const struct {
        std::string texte;
        Refus refus;
    } cas[] = {
        {"kmahjongg-layout-v2.0\n", Refus::PasUnePile},
        {"mahjongg\n12\n43\n", Refus::PasUnePile},
        {layout("kmahjongg-layout-v1.1", {"w4", "h2", "12x."}), Refus::PasUnePile},
        {layout("kmahjongg-layout-v1.1", {"w0"}), Refus::PasUnePile},
        {layout("kmahjongg-layout-v1.1", {"wide"}), Refus::PasUnePile},
        {layout("kmahjongg-layout-v1.1", {"12", "43", "w4"}), Refus::PasUnePile},
        {layout("kmahjongg-layout-v1.1", {"w257"}), Refus::TropLarge},
        {layout("kmahjongg-layout-v1.1", {"h999999999"}), Refus::TropHaute},
        {layout("kmahjongg-layout-v1.1", {"d65"}), Refus::TropProfonde},
        // A missing quarter, a stray one, a tile cut by the layer's last row.
        {layout("kmahjongg-layout-v1.1", {"w4", "h2", "12..", "4..."}), Refus::TuileCassee},
        {layout("kmahjongg-layout-v1.1", {"w4", "h2", "..3.", "...."}), Refus::TuileCassee},
        {layout("kmahjongg-layout-v1.1", {"w4", "h2", "d2", "....", "12..", "43.."}),
         Refus::TuileCassee},
        // Two "1" less than a tile apart, across or down.
        {layout("kmahjongg-layout-v1.1", {"w4", "h3", "112.", "43.."}), Refus::Chevauchement},
        {layout("kmahjongg-layout-v1.1", {"w4", "h3", ".12.", "1...", "43.."}),
         Refus::Chevauchement},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.texte);
        const Conversion r = depuisLayout(c.texte);
        EXPECT_EQ(r.verdict.refus, c.refus) << r.verdict.detail;
        EXPECT_FALSE(r.verdict.detail.empty());
        EXPECT_TRUE(r.couches.empty());
    }
    EXPECT_STREQ(cle(Refus::TropLarge), "TOO WIDE");
    EXPECT_STREQ(cle(Refus::Aucun), "");
}

TEST(FormeNormale, DeplaceeParCasesEntieresEtEmpreinte) {
    // Margins of whole cells go; a half-cell shift stays what it is.
    const pile::Forme marges = {{"", "..>.#", "...v"}, {}, {"", "...#"}, {}};
    const auto f = ecrire(pile::lire(marges).places);
    ASSERT_TRUE(f);
    EXPECT_EQ(*f, (pile::Forme{{">.#", ".v"}, {}, {".#"}}));
    EXPECT_EQ(ecrire(pile::lire(*f).places), f);
    EXPECT_EQ(empreinte(*f), empreinte(*ecrire(pile::lire(marges).places)));
    // Fixed bytes on every platform: the digest names records across devices.
    EXPECT_EQ(empreinte({{"#"}}), "af639e4c86018332");
    EXPECT_EQ(empreinte({{"##"}}).size(), 16u);
    EXPECT_NE(empreinte({{"##"}}), empreinte({{"#", "#"}}));
    EXPECT_NE(empreinte({{"#"}, {"#"}}), empreinte({{"#", "#"}}));
    // Two places in one cell of the notation cannot be written.
    EXPECT_FALSE(ecrire({{0, 0, 0}, {1, 1, 0}}));
}

TEST(Controle, TuilesCompteesPuisDefauts) {
    auto refus = [](const pile::Forme& f) { return controler(pile::lire(f).places).refus; };
    EXPECT_EQ(refus({{"", "."}}), Refus::Vide);
    EXPECT_EQ(refus({{"###"}}), Refus::Impaire);
    EXPECT_EQ(refus({{">#"}}), Refus::Chevauchement);
    EXPECT_EQ(refus({{"##"}, {}, {"##"}}), Refus::Suspendue);
    EXPECT_EQ(refus({{std::string(TUILES_MAX + 2, '#')}}), Refus::TropDeTuiles);
    EXPECT_EQ(refus({{std::string(TUILES_MAX, '#')}}), Refus::Aucun);
}
