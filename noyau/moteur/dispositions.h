#pragma once

// The fixed catalogue of stack shapes. The shapes are part of the game's
// content: the same layout and seed must give the same deal everywhere, so
// every row below is exact.

#include "moteur/pile.h"

#include <string>
#include <vector>

namespace dispositions {

struct Disposition {
    std::string nom; // unique across both lists; also the geometry cache key
    pile::Forme couches;
};

extern const std::vector<Disposition> LISTE; // the 12 stage layouts
extern const std::vector<Disposition> DUEL;  // the 2 duel layouts

// Searched in LISTE, then DUEL; null when neither has it.
const Disposition* parNom(const std::string& nom);

} // namespace dispositions
