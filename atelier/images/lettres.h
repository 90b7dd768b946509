#pragma once
// The workshop's own 5 x 7 capitals, used for the words drawn into strips (logos,
// COMBO, FEVER...), the big digits and the labels of the contact sheet.

#include "toile.h"

#include <QString>

namespace lettres {

constexpr int LARGEUR = 5;
constexpr int HAUTEUR = 7;

// The 5 x 7 map of a character, 7 rows of 5 characters ('#' set); a blank
// map for a character the workshop has no shape for.
QStringList forme(QChar c);

// Width in pixels of a text at scale e with an advance of 6 e per character,
// without the blank column after the last one.
int largeur(const QString& texte, int e);

// Draws a text with its top-left at (x, y), each pixel of the 5 x 7 shapes
// becoming an e x e block coloured by remplir(row 0..7e-1 of the letter body).
void ecrire(Toile& t, int x, int y, const QString& texte, int e,
            const std::function<Couleur(int ligne)>& remplir);

} // namespace lettres
