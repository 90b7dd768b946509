#include "borne/calme.h"

#include <array>

namespace calme {

namespace {

struct Ligne {
    std::string_view nom;
    Effet effet;
};

// The strips that flash. The full-screen flash steps from a tenth to three
// quarters of white in 100 ms: its faint first frame fading out over half a
// second is a change of light no eye takes for a flash. The tile flash
// blinks each tile of a pair, four times a second for a fast player: it
// fades instead. Every other strip of the effects layer changes colour or
// shape, not the light of the picture, and is left as it is.
constexpr std::array<Ligne, 2> TABLE{{
    {"effets_flash", {true, 500, true, 1.0, true}},
    {"effets_eclair", {true, 200, true, 0.6, true}},
}};

} // namespace

Effet effet(std::string_view nom) {
    for (const Ligne& l : TABLE)
        if (l.nom == nom) return l.effet;
    return {};
}

} // namespace calme
