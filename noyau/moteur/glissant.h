#pragma once

// SLIDING STALLS: a one-layer grid whose rows rotate. Two matching tiles leave
// together when they share a row or a column with only empty cells between
// them. Deals are solvable by construction, made by playing the game
// backwards: rotate a row, then put a pair on two linked empty cells.

#include "commun/moteur/alea.h"
#include "moteur/tuiles.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace glissant {

struct Regles {
    int coutGlisse = 1000; // ms of time per row rotation
    int tempsPaire = 2000; // ms given back per pair
    int pointsPaire = 200; // points per pair, times the combo
    int fenetreCombo = 3000;
    int comboMax = 9;
};
inline constexpr Regles REGLES{};

using tuiles::Paire;

// l x h motif indices in row-major order, -1 for an empty cell.
struct Grille {
    int l = 0, h = 0;
    std::vector<int> cases;
};
inline bool operator==(const Grille& a, const Grille& b) {
    return a.l == b.l && a.h == b.h && a.cases == b.cases;
}

struct Coup {
    enum class Type { PaireFaite, Glisse };
    Type type = Type::PaireFaite;
    int a = -1, b = -1;      // a pair's two cells
    int rang = -1, sens = 0; // a rotation's row and direction (+1 right, -1 left)

    static Coup paire(int a, int b) { return {Type::PaireFaite, a, b, -1, 0}; }
    static Coup glisse(int rang, int sens) { return {Type::Glisse, -1, -1, rang, sens}; }
};
inline bool operator==(const Coup& x, const Coup& y) {
    return x.type == y.type && x.a == y.a && x.b == y.b && x.rang == y.rang && x.sens == y.sens;
}
using Solution = std::vector<Coup>;

// An empty grid; a size below 1 counts as 0.
Grille grille(int largeur, int hauteur);
inline Grille copie(const Grille& gr) {
    return gr;
}
// Rotates row r by one cell, empty cells included: +1 carries the last cell to
// the first, -1 the first to the last. A row outside the grid is left alone.
void glisser(Grille& gr, int r, int sens);
// a and b differ, share a row or a column, and every cell strictly between is
// empty. No wrap-around.
bool relies(const Grille& gr, int a, int b);
// Every linked pair of matching tiles [a, b], a < b, ordered by a then b.
std::vector<Paire> paires(const Grille& gr);
// For an empty cell: the empty cells in line with it, right, then left, then
// down, then up, each direction nearest first, up to a tile or the border.
std::vector<int> videsRelies(const Grille& gr, int a);

struct Pose {
    Grille grille;
    Solution solution;
};
std::optional<Pose> poser(int largeur, int hauteur, const std::vector<Paire>& paires,
                          alea::Alea& rng);

struct Donne {
    Grille grille;
    Solution solution;
    alea::Alea rng;
};
std::optional<Donne> generer(int largeur, int hauteur, int nbPaires, const alea::Graine& graine);

// Playing the solution from a copy of gr0 empties the grid, every pair being
// present, matching and linked when it is removed.
bool verifier(const Grille& gr0, const Solution& solution);

enum class Etat { Jeu, Gagne, Temps };
const char* nom(Etat e); // "jeu", "gagne", "temps"

struct Options {
    int largeur = 12, hauteur = 7, paires = 30;
    alea::Graine graine;
    std::int64_t tempsMs = 150000;
};

struct Partie {
    Grille gr;
    // The deal's solution while nothing has been played since the deal or the
    // last MIX; forgotten after any pair or rotation.
    std::optional<Solution> temoin;
    alea::Alea rng;
    int selection = -1;
    std::int64_t score = 0;
    int combo = 1;
    std::int64_t dernierRetrait = -1; // game clock at the last pair
    std::int64_t horloge = 0;         // ms played
    std::int64_t tempsMs = 0;
    std::int64_t tempsMax = 0;
    int restantes = 0;
    int glisses = 0;
    Etat etat = Etat::Jeu;
};

// Null when no deal could be made.
std::optional<Partie> creerPartie(const Options& options = Options());

enum class TypePrise { Fini, Vide, Prise, Lachee, Refus, PaireFaite };
const char* nom(TypePrise t); // "fini", "vide", "prise", "lachee", "refus", "paire"

struct Prise {
    TypePrise type = TypePrise::Fini;
    int i = -1;         // the cell picked (vide, prise, lachee, refus)
    int ancienne = -1;  // refus: the cell that was picked
    int a = -1, b = -1; // paire
    int points = 0, combo = 0;
};

Prise prendre(Partie& p, int i);
// The player rotates a row; refused outside play, for a row outside the grid
// or a direction other than +1 or -1.
bool glisserRang(Partie& p, int r, int sens);
// MIX: the remaining tiles dealt again on an empty grid of the same size.
// When no new deal can be made the game is left exactly as it was.
bool melanger(Partie& p);
// Advances the clock; true exactly when the time has just run out.
bool avancer(Partie& p, std::int64_t dt);
// The combo a new pair would continue: the last one while its window is
// open, else 1.
int comboCourant(const Partie& p);
// A continue after the time ran out: the same tiles with the time refilled
// and the score back to 0. False unless the time had run out.
bool reprendre(Partie& p);

// The grid the cursor reaches from cell i by one step (dx, dy), wrapping
// around both edges; -1 for a cell outside the grid.
int voisine(const Grille& gr, int i, int dx, int dy);
// The first cell that holds a tile, or -1.
int premiere(const Grille& gr);

// A run of the mode: grid after grid on 12 x 7, each fuller than the last,
// the time left of a cleared grid carried over to the next.
struct Course {
    int largeur = 12, hauteur = 7;
    int pairesDepart = 18, pairesEnPlus = 6, pairesMax = 36;
    // When no deal can be made: this many pairs fewer, down to the minimum.
    int pairesEnMoins = 3, pairesMin = 12;
    std::int64_t tempsMs = 150000;
    std::int64_t reportMs = 30000; // added to the time carried over
    int pasGraine = 7919;          // the next grid's seed: clock + level x this
};
inline constexpr Course COURSE{};

// Pairs of grid `niveau` (from 0): 18, 24, 30, then 36.
int pairesDuNiveau(int niveau, const Course& course = COURSE);
// Grid `niveau` of a run, with fewer pairs when no deal can be made. `reste`
// is the time left of the grid before (below 0 for the first grid): it is
// carried over with the bonus, up to the full time. Null when not even the
// fewest pairs could be dealt.
std::optional<Partie> creerNiveau(int niveau, const alea::Graine& graine, std::int64_t reste,
                                  const Course& course = COURSE);
// The seed of grid `niveau`, after the grid p was cleared.
alea::Graine graineSuivante(const Partie& p, int niveau, const Course& course = COURSE);

} // namespace glissant
