#pragma once

#include "borne/modes.h"
#include "moteur/etape.h"
#include "sauvegarde/evenements.h"
#include "sauvegarde/stockage.h"

#include <QString>
#include <QVariantMap>
#include <vector>

// The rules of a whole stack game in the cabinet: how the stacks of a run
// follow one another, how the score is banked (the rush multiplier, the end
// bonus), which stack ends the game, what is saved and which game events go
// out, and when a finished game's score may enter a table. Each follows the
// running mode's row of the table of modes; the cabinet's flow only carries
// out what these decide, with its timers and scenes.
namespace flux {

using modes::ETAPES;
constexpr int RUSH_MS = static_cast<int>(etape::RUSH_MS);
constexpr int RUSH_BONUS_MS = 15000;

// The state of a run.
struct Course {
    Mode mode = Mode::Night;
    int etape = 0;      // current stage, from 0
    int continues = 0;  // continues used in this game
    int scoreTotal = 0; // score banked so far
    int multiplicateur = 1;
    int etapesPartie = 0; // stages cleared in this game
    int etapeFinale = 0;  // stage figure of the game, 0 while none is known
};

// How a stack ended, as the stage game reports it.
enum class Issue { Gagne, Temps, Impasse };
// "gagne", "temps" or "impasse", the words of the stage game's signal; an
// unknown word is a dead end.
Issue issueDe(const QString& mot);

struct Pile {
    Issue issue = Issue::Impasse;
    int score = 0;   // the stack's own points
    int bonus = 0;   // the counted end bonus (0 unless cleared)
    int tempsMs = 0; // incense left
    int tempsMax = 0;
    bool parfait = false; // no HINT, MIX or UNDO on this stack
};

// What the flow does next.
enum class Suite {
    PileSuivante,  // the next stack on the same game item and clock, no READY/GO
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
    int etapeNotee = -1;     // the stage to record as cleared in the progression, or -1
    bool defiGagne = false;  // one stack a day: the day goes among the days cleared
    bool defiClasse = false; // one stack a day: the day's ranked game is used up
    QString musique;         // music to start now, or empty
    std::vector<evenements::Evenement> evenements; // game events to send, in order
};

// The end of a stack of a stack game. `classe` tells whether this game
// counts for the tables (a daily stack's first game of the day); `jour` is
// its day (YYYYMMDD).
Fin finPile(const Course& c, const Pile& p, bool classe, const QString& jour);

// A continue: the banked score starts again from zero, the stage is kept.
Course apresContinue(Course c);

// The stage figure a game over shows and stores: the one already known, else
// the final multiplier where points count by it and the stage reached otherwise.
int etapeFigure(const Course& c, int mult);

// The place a finished game's score takes in `table`, or -1. A score of 0
// (an unranked daily game, a game with no pair) never enters a table.
int rangFinal(const stockage::Table& table, int score);

// Whether a daily game of `jour` counts, given the last ranked day.
bool classeDuJour(const QString& defiClasse, const QString& jour);

// The score a stack shows: the run's banked score, the stack's points times
// the multiplier, and the end bonus counted so far.
double scoreAffiche(double scoreBase, double points, int multiplicateur, double bonus);

// The end-of-game report for the leaderboards.
QVariantMap rapport(const Course& c, int score, bool classe, const QString& jour, int niveauIa);

} // namespace flux
