#pragma once

// The three-dimensional stack: the layout notation, the geometry every rule
// needs (neighbours above, below, left and right, drawing order, bounds) and
// the questions of play: which tiles are free, which free pairs match, which
// tile lies under a point. Motifs are only seen through a family function the
// caller passes in.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace pile {

// Coordinates in half-cells: a tile at (x, y, z) covers x..x+2 and y..y+2 of
// layer z; z = 0 is the bottom layer.
struct Place {
    int x = 0, y = 0, z = 0;
};
inline bool operator==(const Place& a, const Place& b) {
    return a.x == b.x && a.y == b.y && a.z == b.z;
}

// A layout shape: layers bottom first, each a list of row texts top first.
using Couche = std::vector<std::string>;
using Forme = std::vector<Couche>;

// One 0/1 per tile: 1 while the tile is in the stack.
using Presence = std::vector<std::uint8_t>;

using Paire = std::array<int, 2>;

struct Bornes {
    int x = 0, y = 0, largeur = 0, hauteur = 0, couches = 0;
};

struct Geometrie {
    std::vector<Place> places;
    int n = 0;
    std::vector<std::vector<int>> dessus;  // next layer up, footprint overlapping
    std::vector<std::vector<int>> dessous; // the reverse relation
    std::vector<std::vector<int>> gauche;  // same layer, x - 2, |dy| <= 1
    std::vector<std::vector<int>> droite;  // same layer, x + 2, |dy| <= 1
    std::vector<int> ordre;                // drawing order: by layer, row, column
    Bornes bornes;
    // The solver's fingerprint values, two 26-bit numbers per tile. They
    // depend only on the tile index, so they are drawn once with the layout.
    std::vector<std::array<std::uint32_t, 2>> zobrist;
};

// Result of reading a layout: the places in reading order (layer by layer from
// the bottom, row by row from the top, column by column from the left), or
// the message naming the first character outside the notation.
struct Lecture {
    std::vector<Place> places;
    std::string erreur;
    bool ok() const { return erreur.empty(); }
};

Lecture lire(const Forme& couches);
Geometrie construire(const std::vector<Place>& places);
// Defect texts of a layout, empty when it is sound: odd count, overlaps within
// a layer, tiles resting on nothing.
std::vector<std::string> defauts(const std::vector<Place>& places);

// The hot path of the generator and the solver: a few lookups, no allocation.
inline bool libre(const Geometrie& g, const Presence& present, int i) {
    if (!present[i]) return false;
    for (int j : g.dessus[i])
        if (present[j]) return false;
    bool gaucheVide = true;
    for (int j : g.gauche[i])
        if (present[j]) {
            gaucheVide = false;
            break;
        }
    if (gaucheVide) return true;
    for (int j : g.droite[i])
        if (present[j]) return false;
    return true;
}

// Free tiles, ascending; the second form reuses the caller's buffer.
void libres(const Geometrie& g, const Presence& present, std::vector<int>& sortie);
std::vector<int> libres(const Geometrie& g, const Presence& present);

// Tiles below and beside i that become free if i leaves. present is restored
// (tile i present) before returning.
std::vector<int> liberees(const Geometrie& g, Presence& present, int i);

// Matching free pairs [a, b], a < b, sorted by a then b.
template <typename Famille>
std::vector<Paire> paires(const Geometrie& g, const Presence& present, Famille famille) {
    std::vector<int> l = libres(g, present);
    std::vector<int> f(l.size());
    for (std::size_t k = 0; k < l.size(); ++k)
        f[k] = famille(l[k]);
    std::vector<Paire> r;
    for (std::size_t a = 0; a < l.size(); ++a)
        for (std::size_t b = a + 1; b < l.size(); ++b)
            if (f[a] == f[b]) r.push_back({l[a], l[b]});
    return r;
}

// Topmost present tile whose face contains the point (half-cells of the screen,
// layer z drawn z x dxCouche left and z x dyCouche up), or -1.
int sous(const Geometrie& g, const Presence& present, double px, double py, double dxCouche,
         double dyCouche);

} // namespace pile
