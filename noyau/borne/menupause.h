#pragma once

#include <QString>
#include <QVector>

// The pause menu's rules: the entries a paused game offers, by kind of game,
// and where the pointer lands on them and on a confirmation's two lampions.
namespace menupause {

struct Entree {
    QString id;  // "reprendre", a help ("hint", "mix", "undo", "peek"), "titre" or "quitter"
    QString nom; // catalogue key
};

// RESUME; the helps when the game offers them (HINT and MIX, UNDO and PEEK
// where its mode has them) and player 1's board still plays: a duel whose
// first board has ended goes on for the other one alone, and a help would
// reach a board that is over; QUIT TO TITLE; and QUIT GAME on a desktop,
// where the program can end itself.
QVector<Entree> entrees(bool bureau, bool aides, bool undo, bool apercu, bool plateauFini);

// The entry under a press in a list of `taille`, or -1.
int entreeTouchee(double x, double y, int taille);

// A confirmation's answer under a press: 0 YES, 1 NO, -1 outside its band.
int reponseTouchee(double x, double y);

} // namespace menupause
