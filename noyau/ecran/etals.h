#pragma once

// Pixel geometry of the sliding stalls on the native screen: one layer of
// cells at a fixed pitch, centred across the screen and in the band between
// the status lines. The scene draws and hit-tests through these only.

#include "ecran/plateau.h"

namespace etals {

inline constexpr int PAS_X = 18; // cell pitch
inline constexpr int PAS_Y = 22;
inline constexpr int LARGEUR_ECRAN = 384;
inline constexpr int BANDE_Y = 22; // top of the band the grid is centred in
inline constexpr int BANDE_HAUTEUR = 170;

// Top-left of cell 0 for an l x h grid.
plateau::Point origine(int l, int h);
// Top-left of cell i's tile image.
plateau::Point coin(int l, int h, int i);
// The cell under native pixel (x, y), or -1 outside the grid.
int caseSous(int l, int h, double x, double y);
// A drag of dx pixels since the last step rotates the row by one cell toward
// it once it covers a whole cell: +1, -1, or 0 for less than a cell.
int pasGlisse(double dx);

} // namespace etals
