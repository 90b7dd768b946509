#pragma once

#include <QString>
#include <QVariantMap>

// TILE GALLERY's rules: what each of the 42 faces is called and which faces
// it pairs with, how the cursor walks the three rows of fourteen, and which
// tile a press lands on. The scene only draws what these say.
namespace galerie {

constexpr int NOMBRE = 42;
constexpr int COLONNES = 14;

// A face's name: a catalogue key and the values of its placeholders ({n},
// the face's number within its suit).
struct Nom {
    QString cle;
    QVariantMap valeurs;
};

// The name of motif `m`; an empty key outside 0..41.
Nom nom(int m);
// The line under the name that says what the face pairs with (a key).
QString regle(int m);

// The motif after `action`: Left and Right step by one, Up and Down by a
// row, all wrapping over the 42 faces. -1 when the action is not a move.
int deplacer(int choix, const QString& action);

// Top-left of the cell of motif `m` in native pixels.
struct Case {
    int x = 0;
    int y = 0;
};
Case place(int m);
constexpr int LARGEUR_CASE = 19;
constexpr int HAUTEUR_CASE = 24;

// The motif whose cell holds the point, or -1.
int tuileTouchee(double x, double y);

} // namespace galerie
