#pragma once

// The table of modes: one row per mode, holding everything that differs
// between them, from MODE SELECT's lantern to what the end of a game saves.
// The play flow, the controllers and the scenes read the row of the running
// mode and never test which mode it is; a new mode is a new row (and, if its
// screen differs, a scene of its own).

#include "moteur/etape.h"
#include "moteur/mode.h"

#include <array>

namespace modes {

// Stages of a twelve-stage run; a boss stage every four.
inline constexpr int ETAPES = 12;
inline constexpr int CYCLE_BOSS = 4;

// The game item that plays a mode.
enum class Sorte { Pile, Glissant, Duel };

// How the stacks of a stack game follow one another.
enum class Enchainement {
    Etapes,   // twelve stages in order, CONTINUE? after a lost one, the LANTERN ROOM at the end
    SansFin,  // stack after stack on one clock, the multiplier growing with each clear
    UneSeule, // one stack, and the game is over
    Propre,   // the game item runs its own course (sliding grids, the duel, the demo)
    Liste,    // one stack chosen from a list, its own summary, then the list again
};

// Which faces are hidden under the jade back.
enum class Voile {
    Aucun,
    Boss, // every face but the free tiles' on the boss stages
    Tout, // every face but the free tiles' on every stack
};

// How a stack begins.
enum class Depart {
    Titre,    // the stage's title, READY, GO
    Pret,     // READY and GO without a title
    Aussitot, // straight into play, in silence (the attract loop's game)
};

// How a cleared stack ends.
enum class Victoire {
    Bilan, // the summary with its counted bonus
    Logo,  // ALL CLEAR and on at once (the next stack of the same clock)
    Pose,  // the panda's victory pose, then on (the duel's and the demo's boards)
};

// The second row MODE SELECT opens on the lantern.
enum class Rangee { Aucune, Etapes, Adversaires };

struct Regle {
    Mode mode;
    Sorte sorte;
    Enchainement enchainement;
    // MODE SELECT: the sprite suffix of the lantern, its name and two lines
    // (catalogue keys), the two lines while locked and the progression's flag
    // that opens it ("" for always open). The demo has no lantern.
    const char* icone;
    const char* nom;
    const char* ligne1;
    const char* ligne2;
    const char* ligne1Fermee;
    const char* ligne2Fermee;
    const char* drapeau;
    Rangee rangee;
    // The score table and leaderboard the game's score goes to; "" for none.
    const char* table;
    // The status bar's label of the stack ({n}: the stage's two digits).
    const char* libelle;
    // The clock every stack of the run is given and kept at least at, in ms;
    // 0 gives each stage its own incense.
    int tempsMs;
    Voile voile;
    Depart depart;
    Victoire victoire;
    bool undo;           // UNDO may be used
    bool apercu;         // PEEK is offered
    bool continuer;      // a lost game offers CONTINUE?
    bool multiplicateur; // points count times the run's multiplier
    int pousseeMs;       // the panda pushes tiles this often in play; 0 never
    const char* musique; // the game's music; "" the stage's own
    bool urgence;        // the last seconds change the music and sound the alarm
    bool noteEtapes;     // cleared stages are recorded in the progression
    bool unJour;         // one stack a day, of which only the first game ranks
    bool attract;        // its table is among those the attract loop shows
    // Where the rows of the modes that need it differ from every arcade
    // mode; the others leave these as they are.
    // The incense burns and ends the stack; without it the time spent counts
    // up, HINT is unlimited and MIX free on a blocked stack only.
    bool encens = true;
    // The scene the lantern opens to choose what to play, "" for none: the
    // game starts from MODE SELECT itself.
    const char* scene = "";
};

namespace detail {
// Marks a catalogue key; the scenes translate it when they show it.
constexpr const char* T(const char* s) {
    return s;
}
inline constexpr int RUSH_MS = static_cast<int>(etape::RUSH_MS);
inline constexpr int POUSSEE_PARADE_MS = 20000;
} // namespace detail

inline constexpr int NOMBRE = 9;
using detail::POUSSEE_PARADE_MS;
using detail::RUSH_MS;
using detail::T;
// clang-format off
inline constexpr std::array<Regle, NOMBRE> REGLES = {{
    {Mode::Night, Sorte::Pile, Enchainement::Etapes,
     "night", T("NIGHT MARKET"), T("12 STAGES  INCENSE CLOCK"), T("BOSS EVERY 4 FLOORS"),
     nullptr, nullptr, "", Rangee::Etapes,
     "night", T("STAGE {n}"), 0, Voile::Boss, Depart::Titre, Victoire::Bilan,
     /*undo*/ true, /*apercu*/ true, /*continuer*/ true, /*multiplicateur*/ false, 0, "",
     /*urgence*/ true, /*noteEtapes*/ true, /*unJour*/ false, /*attract*/ true},
    {Mode::Sliding, Sorte::Glissant, Enchainement::Propre,
     "sliding", T("SLIDING STALLS"), T("SLIDE THE ROWS"), T("LINK PAIRS IN A STRAIGHT LINE"),
     nullptr, nullptr, "", Rangee::Aucune,
     "sliding", T("STALLS {n}"), 0, Voile::Aucun, Depart::Pret, Victoire::Logo,
     false, false, true, false, 0, "jeu1",
     true, false, false, true},
    {Mode::Duel, Sorte::Duel, Enchainement::Propre,
     "duel", T("LANTERN DUEL"), T("SAME STACK  TWO PLAYERS"), T("COMBO 3 SENDS INCENSE SMOKE"),
     nullptr, nullptr, "", Rangee::Adversaires,
     "duel", T("STAGE {n}"), 0, Voile::Aucun, Depart::Pret, Victoire::Pose,
     false, true, false, false, 0, "duel",
     true, false, false, true},
    {Mode::Rush, Sorte::Pile, Enchainement::SansFin,
     "rush", T("INCENSE RUSH"), T("90 SECONDS  ENDLESS STACKS"), T("EVERY CLEAR +15 SEC"),
     nullptr, nullptr, "", Rangee::Aucune,
     "rush", T("RUSH"), RUSH_MS, Voile::Aucun, Depart::Pret, Victoire::Logo,
     true, true, false, true, 0, "jeu4",
     true, false, false, true},
    {Mode::Daily, Sorte::Pile, Enchainement::UneSeule,
     "moon", T("MOON OF THE DAY"), T("ONE STACK FOR EVERYONE TODAY"), T("FIRST GAME IS RANKED"),
     nullptr, nullptr, "", Rangee::Aucune,
     "daily", T("MOON"), 0, Voile::Aucun, Depart::Titre, Victoire::Bilan,
     false, true, false, false, 0, "jeu2",
     true, false, true, true},
    {Mode::Paper, Sorte::Pile, Enchainement::Etapes,
     "paper", T("PAPER MOON"), T("HIDDEN FACES"), T("ONLY FREE TILES SHOW"),
     T("LOCKED"), T("CLEAR NIGHT MARKET"), "paperMoon", Rangee::Aucune,
     "paper", T("STAGE {n}"), 0, Voile::Tout, Depart::Titre, Victoire::Bilan,
     true, true, true, false, 0, "",
     true, false, false, false},
    {Mode::Parade, Sorte::Pile, Enchainement::Etapes,
     "parade", T("PANDA PARADE"), T("THE PANDA PUSHES TILES"), T("EVERY 20 SECONDS"),
     T("LOCKED"), T("FINISH 3 MOONS OF THE DAY"), "pandaParade", Rangee::Aucune,
     "parade", T("PARADE"), 0, Voile::Boss, Depart::Titre, Victoire::Bilan,
     true, true, true, false, POUSSEE_PARADE_MS, "",
     true, false, false, false},
    // No table: a stack of the player's own has no common measure with
    // another, so each stack keeps its own best time and score instead.
    {Mode::Salon, Sorte::Pile, Enchainement::Liste,
     "tea", T("TEA HOUSE"), T("UNTIMED STACKS"), T("YOUR OWN STACKS"),
     nullptr, nullptr, "", Rangee::Aucune,
     "", T("TEA HOUSE"), 0, Voile::Aucun, Depart::Pret, Victoire::Logo,
     /*undo*/ true, /*apercu*/ false, /*continuer*/ false, /*multiplicateur*/ false, 0, "jeu1",
     /*urgence*/ false, false, false, false, /*encens*/ false, /*scene*/ "salon"},
    {Mode::Demo, Sorte::Pile, Enchainement::Propre,
     nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, "", Rangee::Aucune,
     "", T("STAGE {n}"), 0, Voile::Aucun, Depart::Aussitot, Victoire::Pose,
     true, true, false, false, 0, "",
     false, false, false, false},
}};
// clang-format on

// The modes that have a lantern in MODE SELECT, in its order.
constexpr int lanternes() {
    int n = 0;
    for (const Regle& r : REGLES)
        n += r.nom != nullptr ? 1 : 0;
    return n;
}

const Regle& regle(Mode m);

// The veil of stage `etape` (from 0) of a game of this mode.
Voile voile(const Regle& r, int etape);
// Whether stage `etape` is a boss stage: the veil's every fourth stage.
bool boss(const Regle& r, int etape);
// A stage drawn from a seed, for the games that start on any of the twelve.
int etapeDe(unsigned graine);
// The score table the attract loop shows after showing `vues` of them: the
// attract rows' tables in turn.
const char* tableAttract(int vues);

} // namespace modes
