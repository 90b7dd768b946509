#pragma once
// Pixel maps of the tile faces' signs: numerals and characters as text, one
// string per row, '#' for ink.

#include <QStringList>

namespace faces {

// Chinese numerals one to nine, 9 x 7, for the characters suit.
extern const QStringList NUMERAUX[9];
// The characters' suit sign, 11 x 9.
extern const QStringList WAN;
// The four winds, east, south, west, north, 11 x 11.
extern const QStringList VENTS[4];
// Red and green dragons, 12 x 13 and 12 x 14.
extern const QStringList ZHONG;
extern const QStringList FA;
// The micro font: 0-9, E, S, W, N at 3 x 5 (in 4 x 5 cells).
extern const QStringList PETITE[14];

} // namespace faces
