#pragma once

// LANTERN DUEL: two boards dealt the same stack, raced against the same
// clock. The rules of the race live here: which layout a duel is dealt, who
// wins when a board ends, and what each board shows once it is decided.

#include "moteur/dispositions.h"
#include "moteur/partie.h"

#include <cstdint>

namespace duel {

// Both boards start with this much incense, whatever the layout.
inline constexpr std::int64_t TEMPS_MS = 180000;

// The layout of a duel seeded with `graine`: duel entry (graine mod 2). The
// seed is taken whole towards zero; a negative one counts from the end, a
// seed that is not finite as 0.
const dispositions::Disposition& disposition(double graine);

// How far the race has gone. Player 1 is board 1, player 2 board 2.
struct Arbitre {
    bool joue = true;  // not decided yet
    bool fin1 = false; // board 1 ended without clearing its stack
    bool fin2 = false;
    int gagnant = 0; // once decided: 0 nobody (equal scores), 1 or 2
};

// Board n (1 or 2) has ended in `etat` while the boards show the scores s1
// and s2. A clear wins at once; a board out of time or at a dead end waits
// for the other, and when both have ended so, the higher score wins. True
// when this decides the duel. Ignored (false) once the duel is decided, for
// another board number or for a state that is not an end.
bool finJoueur(Arbitre& a, int n, partie::Etat etat, double s1, double s2);

// The logo board n shows when the duel is decided: "win" unless the other
// player won (so both boards show it on a draw), else "lose".
const char* logo(int gagnant, int n);

// The conclusion's music: "defaite" when the computer playing board 2 won,
// "victoire" otherwise (a two-player duel always ends on the victory tune).
const char* musique(int gagnant, bool contreIa);

// What a decided duel leaves to the cabinet. Only a duel that player 1 won
// against the computer counts: its score goes to the game event and the
// leaderboards with the computer's level + 1 as the stage figure, and to the
// record entry when it takes a place in the duel table. A lost or drawn duel
// and a two-player duel count 0 and lead back to MODE SELECT.
struct Issue {
    bool compte = false; // player 1 beat the computer
    int score = 0;       // the score that counts, 0 when none does
    int etape = 0;       // the stage figure, 0 when nothing counts
    bool saisie = false; // the record entry follows
};

// `niveauIa` is player 2's computer level (negative for a second player),
// `score` player 1's shown score, and `rang` the place that score would take
// in the duel table (-1 for none). A score that is not a positive number
// never enters the table.
Issue issue(int niveauIa, int gagnant, double score, int rang);

} // namespace duel
