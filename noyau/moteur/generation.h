#pragma once

// Deals that are solvable by construction: pairs of free places are taken off
// the full layout until it is empty, and the motif pairs are written onto the
// places in that order. The removal order is the game's witness solution.
// The same procedure reshuffles the tiles left in a game (MIX) without
// changing which places are occupied.

#include "commun/moteur/alea.h"
#include "moteur/dispositions.h"
#include "moteur/pile.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace generation {

using pile::Paire;
using Solution = std::vector<Paire>;
using GeometriePartagee = std::shared_ptr<const pile::Geometrie>;

struct Pose {
    std::vector<int> motifs;
    Solution solution;
};

struct Donne {
    std::string disposition;
    alea::Graine graine;
    GeometriePartagee g;
    std::vector<int> motifs;
    pile::Presence present;
    Solution solution;
    alea::Alea rng; // advanced past everything the deal drew; the game keeps drawing from it
};

// The layout's geometry, built on first use and shared by every game on that
// layout for the life of the process; null when the shape cannot be read.
GeometriePartagee geometrie(const dispositions::Disposition& d);

// Weight of free place i: tiles resting on others and tiles high up go first,
// which leaves fewer dead ends near the end.
inline int poids(const pile::Geometrie& g, const pile::Presence& present, int i) {
    int dessous = 0;
    for (int j : g.dessous[i])
        dessous += present[j] ? 1 : 0;
    return 1 + 3 * dessous + g.places[i].z;
}

// A removal order of every place marked present (present0 itself is left as
// it is), or nothing after 20 failed attempts.
std::optional<Solution> ordre(const pile::Geometrie& g, const pile::Presence& present0,
                              alea::Alea& rng);

// A removal order of the present places with the motif pairs written on it.
std::optional<Pose> poser(const pile::Geometrie& g, const pile::Presence& present0,
                          const std::vector<Paire>& paires, alea::Alea& rng);

std::optional<Donne> generer(const dispositions::Disposition& d, const alea::Graine& graine);
// Same, for a geometry the caller built (a layout read from a file, say).
std::optional<Donne> generer(GeometriePartagee g, const std::string& nom,
                             const alea::Graine& graine);

// MIX: new motifs and witness for the tiles still present; absent places keep
// their old motif so that an undo puts back the tiles they were.
std::optional<Pose> melanger(const pile::Geometrie& g, const std::vector<int>& motifs,
                             const pile::Presence& present, alea::Alea& rng);

// Independent check: every step names two different free matching tiles, and
// nothing is left at the end.
bool verifier(const pile::Geometrie& g, const std::vector<int>& motifs,
              const pile::Presence& present0, const Solution& solution);

} // namespace generation
