#include "borne/calme.h"

#include <gtest/gtest.h>

namespace {

TEST(Calme, RienNeSecoueEtLEclairDeLEcranDevientUnFonduDoux) {
    EXPECT_TRUE(calme::secousse(false));
    EXPECT_FALSE(calme::secousse(true));
    const calme::Effet flash = calme::effet("effets_flash");
    ASSERT_TRUE(flash.change);
    // Its faint first frame only, never stepped to white, and fading.
    EXPECT_TRUE(flash.fige);
    EXPECT_TRUE(flash.fondu);
    EXPECT_GE(flash.vie, 300);
    // The tile flash no longer blinks either; what does not flash stays.
    EXPECT_TRUE(calme::effet("effets_eclair").fige);
    for (const char* nom : {"effets_combo", "effets_fever", "effets_etincelle_or", "", "inconnu"})
        EXPECT_FALSE(calme::effet(nom).change) << nom;
}

TEST(Calme, CeQuiClignoteResteSousTroisEclairsParSeconde) {
    for (const int ms : {16, 60, 120, 166}) {
        const int demi = calme::demiPeriode(ms, true);
        EXPECT_LE(1000.0 / (2 * demi), calme::FLASHS_PAR_SECONDE) << ms;
        // Full motion keeps every blink as it is.
        EXPECT_EQ(calme::demiPeriode(ms, false), ms);
    }
    // A slower blink is not touched.
    EXPECT_EQ(calme::demiPeriode(450, true), 450);
}

} // namespace
