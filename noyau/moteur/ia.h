#pragma once

// The computer player: it plays on its own game record by picking tiles one
// at a time, at the pace and with the skill of its level, exactly as a
// player's picks would, so its moves show with the ordinary feedback.

#include "moteur/partie.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace ia {

enum class Choix { Hasard, Heuristique, Solveur };

struct Niveau {
    const char* nom;
    int delai;     // ms between pairs
    int ecart;     // +/- ms around it
    int geste;     // ms between the two picks of a pair
    double erreur; // chance of a wrong pair
    Choix choix;
};

extern const std::array<Niveau, 3> NIVEAUX;

struct IA {
    int niveau = 0;
    alea::Alea rng;
    std::int64_t attente = 0;         // ms until the next action; may go negative
    std::optional<pile::Paire> cible; // the pair under way, after its first pick
    int curseur = -1;                 // the tile last touched
};

// The level is clamped to 0..2; the first wait is the level's pause, undrawn.
IA creer(int niveau, const alea::Graine& graine);
// A pause before the next pair, never below 150 ms.
std::int64_t delai(IA& ia);
int gene(const partie::Partie& p, int i);
std::optional<pile::Paire> choisir(IA& ia, partie::Partie& p);

struct Action {
    bool mix = false;
    int prise = -1;            // the tile picked (when not a MIX)
    partie::Resultat resultat; // its pick result
    partie::Melange melange;   // the MIX result
};

// Lets dt ms pass; at most four actions in one call.
std::vector<Action> pas(IA& ia, partie::Partie& p, std::int64_t dt);

} // namespace ia
