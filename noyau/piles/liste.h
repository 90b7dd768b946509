#pragma once

#include <QString>

// How a cursor moves down a long list that shows a screen of rows at once:
// TEA HOUSE's stacks, a hundred of them if the player has that many files.
namespace liste {

// The row the cursor reaches from `choix` in a list of `n` rows, `vus` of
// them on screen: "haut"/"bas" move one row and wrap around, "gauche"/
// "droite" move a screen and stop at the ends. -1 for any other action or
// an empty list.
int deplacer(int choix, const QString& action, int n, int vus);

// The top row that keeps row `choix` in sight, moving as little as it can
// from `premiere`, and never leaving empty rows at the bottom.
int premierePourVoir(int premiere, int choix, int n, int vus);

// The row a press at height `y` lands on, when the rows start at `haut`,
// `pas` pixels apart, with row `premiere` on top; -1 off the rows shown.
int rangTouche(double y, int haut, int pas, int premiere, int n, int vus);

} // namespace liste
