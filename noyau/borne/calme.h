#pragma once

#include <string_view>

// MOTION CALM: what the calm setting does to what moves, for a player
// sensitive to flashing or motion. The screen never shakes, a whole-screen
// flash becomes a soft fade, and whatever still blinks stays under three
// flashes a second, so that no scene passes the usual photosensitivity
// threshold. The tube look is not motion and stays as it is.
namespace calme {

// What becomes of one posed effect strip under CALM.
struct Effet {
    // Shown on its first frame only, never stepped through its frames.
    bool fige = false;
    // Life in ms, 0 for the strip's own.
    int vie = 0;
    bool fondu = false;
    // Opacity at the start of its life, 1 for the strip's own.
    double intensite = 1;
    // False when CALM leaves the strip as it is.
    bool change = false;
};

// The effect `nom` of the sprite table under CALM.
Effet effet(std::string_view nom);

// Whether the picture shakes.
constexpr bool secousse(bool calme) {
    return !calme;
}

// A blink of three flashes a second is the threshold: each half of a
// flash lasts at least a sixth of a second.
constexpr int FLASHS_PAR_SECONDE = 3;
constexpr int DEMI_PERIODE_MIN_MS = (1000 + 2 * FLASHS_PAR_SECONDE - 1) / (2 * FLASHS_PAR_SECONDE);

// The half period in ms a blink of `ms` keeps.
constexpr int demiPeriode(int ms, bool calme) {
    return calme && ms < DEMI_PERIODE_MIN_MS ? DEMI_PERIODE_MIN_MS : ms;
}

} // namespace calme
