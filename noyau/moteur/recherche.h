#pragma once

// The finding keys: where the cursor goes when a player asks for the next
// free tile, or for the next free tile that pairs with the picked one,
// without sweeping the board tile by tile. The order is the one a player
// reads the board in from above: the top layer first, and within a layer
// row by row from the top, column by column from the left (half-shifted
// tiles fall between the rows and columns they straddle). The search starts
// just after the tile the cursor is on and wraps round, so pressing again
// walks every candidate in turn.

#include "moteur/pile.h"

#include <vector>

namespace recherche {

// Every tile of the geometry in that order.
std::vector<int> ordre(const pile::Geometrie& g);

// The first free tile after `depuis` in that order, wrapping; `depuis` itself
// comes last, so it is found again when it is the only one. -1 when no tile
// is free. A `depuis` outside the stack starts from the top.
int suivante(const pile::Geometrie& g, const pile::Presence& present, int depuis);

// The same among the free tiles that pair with `prise` (same family, never
// `prise` itself); -1 when `prise` is no tile or has no free partner.
int partenaire(const pile::Geometrie& g, const pile::Presence& present,
               const std::vector<int>& motifs, int prise, int depuis);

} // namespace recherche
