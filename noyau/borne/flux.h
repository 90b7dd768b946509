#pragma once

#include "moteur/etape.h"
#include "sauvegarde/stockage.h"

#include <QString>
#include <QVariantList>
#include <QVariantMap>

// The rules of a whole stack game in the cabinet: how the stacks of a run
// follow one another, how the score is banked (the rush multiplier, the end
// bonus), which stack ends the game, what is saved and which game events go
// out, and when a finished game's score may enter a table. The cabinet's
// flow only carries out what these decide, with its timers and scenes.
namespace flux {

// Stages of a twelve-stage run, and the rush clock.
constexpr int ETAPES = 12;
constexpr int RUSH_MS = static_cast<int>(etape::RUSH_MS);
constexpr int RUSH_BONUS_MS = 15000;

// The state of the run the rules work on (the cabinet's own properties).
struct Course {
    QString mode = QStringLiteral("night");
    int etape = 0;      // current stage, from 0
    int continues = 0;  // continues used in this game
    int scoreTotal = 0; // score banked so far
    int multiplicateur = 1;
    int etapesPartie = 0; // stages cleared in this game
    int etapeFinale = 0;  // stage figure of the game, 0 while none is known
};

// How a stack ended, as the stage game reports it.
struct Pile {
    QString etat;    // "gagne", "temps" or "impasse"
    int score = 0;   // the stack's own points
    int bonus = 0;   // the counted end bonus (0 unless cleared)
    int tempsMs = 0; // incense left
    int tempsMax = 0;
    bool parfait = false; // no HINT, MIX or UNDO on this stack
};

// What the flow does next.
enum class Suite {
    PileSuivante,  // rush: the next stack on the same game item, no READY/GO
    EtapeSuivante, // the next stage of the run
    Salle,         // twelve stages cleared: the LANTERN ROOM
    Continue,      // a lost stage: CONTINUE?
    GameOver,      // the game is over with scoreFinal and multFinal
};

struct Fin {
    Suite suite = Suite::GameOver;
    Course course;           // the run after this stack
    int tempsImpose = 0;     // PileSuivante: the next stack's clock
    int scoreFinal = 0;      // GameOver and Salle: the game's score
    int multFinal = 1;       // GameOver: the multiplier handed to the game over
    int etapeNotee = -1;     // the NIGHT MARKET stage to record as cleared, or -1
    bool defiGagne = false;  // daily: the day goes among the days cleared
    bool defiClasse = false; // daily: the day's ranked game is used up
    QString musique;         // music to start now, or empty
    QVariantList evenements; // game events to send, in order
};

// The end of a stack of a stack game. `classe` tells whether this daily
// game counts for the tables; `jour` is its day (YYYYMMDD).
Fin finPile(const Course& c, const Pile& p, bool classe, const QString& jour);

// A continue: the banked score starts again from zero, the stage is kept.
Course apresContinue(Course c);

// The stage figure a game over shows and stores: the one already known, else
// the final multiplier in rush and the stage reached otherwise.
int etapeFigure(const Course& c, int mult);

// The place a finished game's score takes in `table`, or -1. A score of 0
// (an unranked daily game, a game with no pair) never enters a table.
int rangFinal(const stockage::Table& table, int score);

// How a stack of a mode is set up.
int voile(const QString& mode, int etape); // 0 none, 1 boss veil, 2 every face hidden
QString musiqueJeu(const QString& mode);   // empty: the stage's own music
// Whether a daily game of `jour` counts, given the last ranked day.
bool classeDuJour(const QString& defiClasse, const QString& jour);

// The name a mode's table is shown under (a catalogue key), or empty.
QString nomMode(const QString& mode);

// The end-of-game report for the leaderboards.
QVariantMap rapport(const Course& c, int score, bool classe, const QString& jour, int niveauIa);

} // namespace flux
