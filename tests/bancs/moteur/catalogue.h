#pragma once

#include "moteur/dispositions.h"

#include <cstdint>

// The fourteen catalogue layouts as one range, stage layouts first, so that a
// benchmark can take a layout as its argument.
inline const dispositions::Disposition& dispositionDuCatalogue(std::int64_t k) {
    const auto n = static_cast<std::int64_t>(dispositions::LISTE.size());
    return k < n ? dispositions::LISTE[k] : dispositions::DUEL[k - n];
}
