#pragma once

// Finds a way to clear a stack from any position, proves there is none, or
// gives up within a node budget. Depth-first with a memory of positions seen;
// moves that cannot hurt are played without branching and plain dead ends
// are cut at once. A search can run to the end in one call or in slices (by
// node count or wall-clock deadline) so the game can look for a witness in the
// background without stalling the picture. The walk, node counts and answers
// depend only on the position and arguments, never on the machine.

#include "commun/moteur/alea.h"
#include "moteur/pile.h"

#include <array>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace solveur {

using pile::Paire;
using Chemin = std::vector<Paire>;
using Empreintes = std::vector<std::array<std::uint32_t, 2>>;

constexpr std::int64_t SANS_LIMITE = std::numeric_limits<std::int64_t>::max();

// The presence list as a text of '0' and '1'.
std::string cle(const pile::Presence& present);
// Two 26-bit values per tile, drawn from seed 0x2b0b; made with the geometry.
const Empreintes& empreintes(const pile::Geometrie& g);
// How many present tiles i is holding back (below it and beside it).
int gene(const pile::Geometrie& g, const pile::Presence& present, int i);
// True when b lies above a through a column of present tiles.
bool surmonte(const pile::Geometrie& g, const pile::Presence& present, int a, int b);

struct Coups {
    bool sur = false;     // liste holds the one move that cannot hurt
    bool impasse = false; // some tile can only leave after all its partners
    std::vector<Paire> liste;
};

// Ranked moves of a position. With `rng`, each pair's note gets noise drawn
// from it; with `rang` (step numbers from an old witness), early steps of
// that witness come first.
Coups coups(const pile::Geometrie& g, const std::vector<int>& motifs, const pile::Presence& present,
            alea::Alea* rng = nullptr, const std::vector<int>* rang = nullptr);

struct Reponse {
    std::optional<bool> soluble; // true: path found; false: proved impossible; none: budget spent
    Chemin chemin;
    std::int64_t noeuds = 0;
};

// Open addressing over the 52-bit position keys: a visited test builds no text.
class EnsembleVu {
public:
    bool inserer(std::uint64_t cle); // false when already there
    std::size_t taille() const { return taille_; }

private:
    std::vector<std::uint64_t> cases_;
    std::size_t taille_ = 0;
    int bits_ = 0;
};

// Index of the lowest set bit of a non-zero word.
inline int bitBas(std::uint64_t m) {
#if defined(__GNUC__)
    return __builtin_ctzll(m);
#else
    int k = 0;
    for (; !(m & 1); m >>= 1)
        ++k;
    return k;
#endif
}

// A position kept up to date move by move, so that a node reads answers
// instead of walking the tiles. For each tile: how many present tiles lie on
// it, under it and beside it, and whether it is free. For each pair family:
// which of its tiles are present and which are free, as bit sets in index
// order, their counts, and its lowest tile when that one is alone on its
// layer. Across families: bit sets of the families in each case a node asks
// about (family f is bit f).
class Position {
public:
    static constexpr int FAMILLES = 39;
    static_assert(FAMILLES <= 64, "one bit per family in a word");

    // The members of a family are its tiles present at the start, in index
    // order (only they can come and go during a search); member k is bit
    // k % 64 of the family's word k / 64. Its members' layers are listed
    // bottom first, each with the mask of the members on it.
    struct Famille {
        int mot = 0, mots = 0;       // its words in the bit sets, libres() among them
        int membre = 0;              // its first member in membre()
        int niveau = 0, niveaux = 0; // its layer masks: niveaux x mots words
        int presents = 0, libres = 0;
        int bas = -1; // the present member alone on the lowest occupied layer, or -1
    };
    // Part of the flat neighbour table, for range-for.
    struct Tranche {
        const int* debut;
        const int* fin;
        const int* begin() const { return debut; }
        const int* end() const { return fin; }
    };

    void initialiser(const pile::Geometrie& g, const std::vector<int>& motifs,
                     const pile::Presence& present);
    void retirer(int t) { deplacer(t, -1); }
    void remettre(int t) { deplacer(t, +1); }

    int gene(int i) const {
        const Tuile& t = tuiles_[i];
        return t.dessous + t.gauche + t.droite;
    }
    int couche(int i) const { return tuiles_[i].z; }
    bool present(int i) const { return tuiles_[i].present; }
    // Family of a tile present at the start; -1 otherwise or without a motif.
    int familleDe(int i) const { return tuiles_[i].famille; }
    Tranche dessus(int i) const {
        const Tuile& t = tuiles_[i];
        return {voisins_.data() + t.voisins[1], voisins_.data() + t.voisins[2]};
    }
    const Famille& famille(int f) const { return familles_[f]; }
    std::uint64_t libres(int mot) const { return libres_[mot]; }
    int membre(int k) const { return membres_[k]; }

    // Families with a single present tile.
    std::uint64_t seules() const { return seules_; }
    // Families with two free tiles or more.
    std::uint64_t jouables() const { return jouables_; }
    // Families whose present tiles are all free (empty ones included).
    std::uint64_t toutesLibres() const { return toutesLibres_; }
    // Families whose `bas` tile exists and is covered.
    std::uint64_t basCouverts() const { return basCouverts_; }

    int taille() const { return static_cast<int>(tuiles_.size()); }
    int restant() const { return restant_; }

private:
    // Everything a move changes about one tile, side by side in memory; the
    // counts are of present neighbours, and `libre` is kept up to date with them.
    struct Tuile {
        int dessus = 0, dessous = 0, gauche = 0, droite = 0;
        int z = 0;
        int famille = -1;
        int mot = 0;           // the word holding its family bit
        std::uint64_t bit = 0; // its family bit
        // Its neighbours in voisins_: under [0, 1), on [1, 2), right [2, 3), left [3, 4).
        std::array<int, 5> voisins{};
        bool present = false, libre = false;
    };

    static void marquer(std::uint64_t& familles, int f, bool oui) {
        familles = (familles & ~(std::uint64_t(1) << f)) | (std::uint64_t(oui) << f);
    }
    // The family bit sets that depend on the counts.
    void majFamille(int f) {
        const Famille& fa = familles_[f];
        marquer(seules_, f, fa.presents == 1);
        marquer(jouables_, f, fa.libres >= 2);
        marquer(toutesLibres_, f, fa.libres == fa.presents);
    }
    void majLibre(Tuile& t) {
        const bool libre = t.present && t.dessus == 0 && (t.gauche == 0 || t.droite == 0);
        if (libre == t.libre) return;
        t.libre = libre;
        if (t.famille < 0) return;
        libres_[t.mot] ^= t.bit;
        familles_[t.famille].libres += libre ? 1 : -1;
        majFamille(t.famille);
    }
    void rangerFamilles();
    void majBas(int f);
    void deplacer(int i, int par);

    std::vector<Tuile> tuiles_;
    std::vector<int> voisins_;
    std::array<Famille, FAMILLES> familles_{};
    std::vector<std::uint64_t> presents_, libres_, niveaux_;
    std::vector<int> membres_;
    std::uint64_t seules_ = 0, jouables_ = 0, toutesLibres_ = 0, basCouverts_ = 0;
    int restant_ = 0;
};

// Workspace of the move ranking, kept by a search so that nodes do not
// allocate.
class Analyseur {
public:
    // Appends the ranked moves to `sortie`; returns 1 for a sure move, -1 for
    // a dead end (nothing appended), 0 otherwise.
    int analyser(const Position& pos, alea::Alea* rng, const int* rang, std::vector<Paire>& sortie);

private:
    struct Note {
        double note;
        Paire paire;
    };
    bool impasse(const Position& pos);
    bool toutAuDessus(const Position& pos, int f, int x);
    void premiers(const Position& pos, int f, int combien);

    std::vector<int> libres_; // free members of one family, in index order
    std::vector<std::uint32_t> marques_;
    std::uint32_t tampon_ = 0;
    std::vector<int> aVisiter_;
    std::vector<Note> notes_;
};

struct Recherche {
    struct Cadre {
        std::size_t debut, fin, n; // this node's moves in `coups`, and the next to try
        bool joue;                 // a move from this node is on the path
    };

    const pile::Geometrie* g = nullptr;
    std::optional<alea::Alea> rng;
    std::vector<int> rang; // empty: no guide
    std::int64_t limite = 0;
    Position position;
    EnsembleVu vus;
    Chemin chemin;
    std::int64_t noeuds = 0;
    std::vector<Cadre> pile;
    std::vector<Paire> coups;
    bool epuise = false;
    int etat = 0; // 0 running, 1 solved, -1 failed or out of budget
    std::uint32_t h1 = 0, h2 = 0;
    Analyseur analyseur;
};

// A new search, its root already entered.
Recherche recherche(const pile::Geometrie& g, const std::vector<int>& motifs,
                    const pile::Presence& present0, std::int64_t limite,
                    const alea::Alea* rng = nullptr, const std::vector<int>* rang = nullptr);
// Runs at most `max` new nodes, and until the clock reaches finMs (0: no
// deadline); true when the search has finished.
bool avancerRecherche(Recherche& r, std::int64_t max = SANS_LIMITE, std::int64_t finMs = 0);
// One search run to the end; the noise generator, if any, is advanced.
Reponse chercherAvec(const pile::Geometrie& g, const std::vector<int>& motifs,
                     const pile::Presence& present0, std::int64_t limite,
                     alea::Alea* rng = nullptr);

// Step number of each tile in an old witness; tiles it does not hold get its length.
std::vector<int> rangs(const pile::Geometrie& g, const Chemin& guide);

struct Resolution {
    const pile::Geometrie* g = nullptr;
    std::vector<int> motifs;
    pile::Presence present;
    std::int64_t total = 0, part = 0;
    alea::Alea rng;
    std::vector<int> rang; // empty: no guide
    std::int64_t noeuds = 0;
    int essai = 0;
    std::optional<Recherche> courante;
    std::optional<Reponse> fin;
};

// Several attempts sharing one budget (20000 when 0): the guide's order
// first when there is one, then the fixed order, then noisy orders.
Resolution resolution(const pile::Geometrie& g, const std::vector<int>& motifs,
                      const pile::Presence& present0, std::int64_t budget,
                      const Chemin* guide = nullptr);
bool avancerResolution(Resolution& s, std::int64_t max = SANS_LIMITE, std::int64_t finMs = 0);
Reponse resoudre(const pile::Geometrie& g, const std::vector<int>& motifs,
                 const pile::Presence& present0, std::int64_t budget,
                 const Chemin* guide = nullptr);

// The witness after the player removed (a, b) (`present` is the position
// after the removal), or nothing when it cannot be mended cheaply.
std::optional<Chemin> reparer(const pile::Geometrie& g, const std::vector<int>& motifs,
                              const pile::Presence& present, const std::optional<Chemin>& temoin,
                              int a, int b);
bool verifierDepuis(const pile::Geometrie& g, const std::vector<int>& motifs,
                    const pile::Presence& present0, const Chemin& suite);
// The pair to advise (budget 4000 when 0), or nothing.
std::optional<Paire> indice(const pile::Geometrie& g, const std::vector<int>& motifs,
                            const pile::Presence& present, std::int64_t budget = 0);

} // namespace solveur
