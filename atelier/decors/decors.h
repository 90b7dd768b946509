#pragma once
// The scenery part of the workshop: the red panda, the four market backgrounds
// and the cabinet's screens. Each family draws the strips it knows by name.

#include "toile.h"

#include <QJsonObject>
#include <QString>

// One row of the sprite table: frame size, frame count, timing and anchor.
struct Gabarit {
    int l = 1, h = 1, images = 1, duree = 0, boucle = 0, ax = 0, ay = 0;
};

// The strips this part draws: panda_*, ecrans_*, fonds_* and fond_*.
bool estDecor(const QString& nom);

// Each returns false for a name outside its family.
bool dessinerPanda(const QString& nom, const Gabarit& g, Bande& b);
bool dessinerFonds(const QString& nom, const Gabarit& g, Bande& b);
bool dessinerEcrans(const QString& nom, const Gabarit& g, Bande& b);

namespace fonds {
// A background layer (loin, milieu, pres) or sky (ciel) drawn over a surface of
// any width: the layers repeat every 768 pixels, so a wider surface shows what
// follows the last column when the layer wraps round.
Toile plan(const QString& fond, const QString& plan, int largeur);
} // namespace fonds

// The review sheets: every strip of the part, one composed view per background,
// and the panda's poses side by side.
bool dessinerRevue(const QJsonObject& table, const QString& dossier, const QString& sortie);
