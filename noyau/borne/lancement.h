#pragma once

// What the command line asks the cabinet to start with: a scene, or a game of
// a mode from a stage, optionally played by the computer. Every value is
// checked here; a bad one is as if it had not been given.

#include "moteur/mode.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace lancement {

struct Lancement {
    QString scene;            // --scene=, "" for the start card
    std::optional<Mode> mode; // the game to start at once, if any
    int etape = 0;            // --etape=, from 0
    int pilote = -1;          // --pilote=: the computer's level playing a stack, -1 none
    QString pile;             // --pile=: a stack file TEA HOUSE starts at once
};

// The rest of the first "--nom=" argument, or nothing.
std::optional<QString> valeur(const QStringList& arguments, const QString& nom);

// --scene=partie, duel and glissant start a game: of --mode= when it names
// a mode, else NIGHT MARKET, LANTERN DUEL and SLIDING STALLS. --pile=FILE
// starts TEA HOUSE on that file, unless a scene or a game is asked for.
Lancement lire(const QStringList& arguments);

} // namespace lancement
