#pragma once

// The 42 tile faces, their pair families and the two ways of cutting a list of
// faces into matching pairs. The motif order is also the column order of the
// tile sheet, and every stored or generated deal depends on it.

#include "commun/moteur/alea.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace tuiles {

constexpr int NB_MOTIFS = 42;
// Sheet column of the veiled back; never the motif of a tile in play.
constexpr int VOILE = 42;
constexpr int FLEURS = 34;
constexpr int SAISONS = 38;

extern const std::array<const char*, NB_MOTIFS> MOTIFS;
// Family names by suit: characters, circles, bamboos, winds, dragons, flowers, seasons.
extern const std::array<const char*, 7> NOMS;

using Paire = std::array<int, 2>;

// Flowers all pair with each other, and so do seasons; other faces with themselves.
constexpr int famille(int m) {
    return (m >= FLEURS && m < SAISONS) ? FLEURS : (m >= SAISONS && m < NB_MOTIFS) ? SAISONS : m;
}
constexpr bool vaAvec(int a, int b) {
    return a >= 0 && b >= 0 && famille(a) == famille(b);
}

// Code of a motif ("m1" ...); empty for an index outside 0..41.
std::string id(int m);
// Motif index of a code; -1 for any other text.
int indice(const std::string& nom);
// Index into NOMS of a motif's suit; -1 outside 0..41.
int suite(int m);

// The 144 motifs of a full set: 0..33 four times each in a row, then 34..41.
std::vector<int> jeuComplet();

// n motif pairs for a new deal: batches of 72 pairs from fresh full sets,
// drawn in a fixed family order so the draw count never varies.
std::vector<Paire> paires(int n, alea::Alea& g);

// Pairs that use up exactly the given motifs; nothing when a family is odd.
std::optional<std::vector<Paire>> regrouper(const std::vector<int>& motifs, alea::Alea& g);

} // namespace tuiles
