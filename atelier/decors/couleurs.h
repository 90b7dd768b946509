#pragma once
// Colours the scenery adds to the game's palette: the panda's fur and the
// shades of the night scenes, chosen to sit between the palette's own steps.

#include "toile.h"

namespace teinte {
constexpr Couleur FOURRURE = palette::ROUX;
constexpr Couleur FOURRURE_CLAIRE = coul(0xe8783a);
constexpr Couleur FOURRURE_SOMBRE = palette::BRUN;
constexpr Couleur PATTE = coul(0x2e1410);
constexpr Couleur ANNEAU = coul(0xf0a868); // pale rings of the tail
constexpr Couleur JOUE = coul(0xff9aa8);   // blush of a happy panda

constexpr Couleur CIEL_HAUT = coul(0x0a0618);
constexpr Couleur SILHOUETTE0 = coul(0x1a1436); // far rooftops
constexpr Couleur SILHOUETTE1 = coul(0x221a44);
constexpr Couleur SILHOUETTE2 = coul(0x2c1f50);
constexpr Couleur BOIS = coul(0x4a2030); // stall and bridge timber
constexpr Couleur BOIS_CLAIR = coul(0x6a2e3a);
constexpr Couleur TUILE_TOIT = coul(0x1e2a4a); // roof tiles
constexpr Couleur FENETRE = coul(0xffb050);    // lit windows
constexpr Couleur LUEUR = coul(0x5a2448);      // lantern glow on dark walls
} // namespace teinte
