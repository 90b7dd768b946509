#pragma once

#include "sauvegarde/stockage.h"

#include <QString>

// The rules of the end-of-game scenes: NEW RECORD's three lantern letters
// (the alphabet they wrap on, where each position starts, the grid a press
// picks from) and what a row of HIGH SCORES shows.
namespace saisie {

constexpr int SECONDES = 30; // to enter the initials
constexpr int PAR_RANG = 19; // characters per row of the grid
constexpr int GRILLE_X = 30, GRILLE_Y = 140, CASE_L = 17, CASE_H = 16;

// The number of characters on offer (the save's letter set).
int taille();
// `c` moved `pas` steps along the alphabet, wrapping (space -> A, A -> space).
// A character outside the alphabet counts as the space.
QChar deplacer(QChar c, int pas);
// The three letters at the start: the first saved initial (A for a space),
// then two spaces.
QString debut(const QString& initiales);
// The letter position `place` starts on: the saved initial of that position,
// or the letter just placed when that initial is a space.
QChar lettreDe(const QString& initiales, int place, QChar precedente);

// Top-left of the grid's character k.
int caseX(int k);
int caseY(int k);
// The character a press picks, or -1.
int caseTouchee(double x, double y);
// The END line.
bool finTouchee(double x, double y);

// The last column of a score row: the month and day of a dated entry
// ("03/14"), else the stage figure on two digits (the caller puts it in its
// "ST {n}" text). `date` is empty for an undated entry.
struct Colonne {
    bool date = false;
    QString texte;
};
Colonne colonne(const QString& date, double etape);

// A number zero-padded to `chiffres` digits (negative numbers read as 0).
QString chiffres(double n, int chiffres);

} // namespace saisie
