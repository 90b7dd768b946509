#pragma once

// One game on one stack: picks, removals with score, combo and time bonus,
// undo, the incense clock (advanced only by the caller), the end states, and
// the upkeep of a witness solution with the aids that rest on it (HINT, MIX,
// PEEK, the panda push) and the background search for a lost witness.

#include "moteur/dispositions.h"
#include "moteur/generation.h"
#include "moteur/solveur.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace partie {

using pile::Paire;
using solveur::Chemin;

struct Aides {
    int hint = 3, mix = 2, peek = 1;
};

struct Regles {
    int pointsPaire = 200;
    int comboMax = 9;
    std::int64_t fenetreCombo = 3000;
    int bonusJumelle = 300;
    std::int64_t tempsPaire = 2000;
    std::int64_t tempsCombo3 = 1000;
    std::int64_t tempsFever = 3000;
    std::int64_t tempsBase = 120000;
    std::int64_t tempsParPaire = 1000;
    std::int64_t tempsPlafond = 300000;
    std::int64_t coutUndo = 5000;
    std::int64_t coutPeek = 10000;
    std::int64_t coutMixPaye = 15000;
    std::int64_t dureePeek = 2000;
    int bonusSeconde = 100;
    int bonusHint = 500;
    int bonusMix = 800;
    Aides aides{};
    std::int64_t budgetSolveur = 6000;
    std::int64_t budgetFond = 30000;
    int facteurFond2 = 4;
    std::int64_t attenteIndiceMs = 6;
};
inline constexpr Regles REGLES{};

enum class Etat { Jeu, Bloque, Gagne, Temps, Impasse };
const char* nom(Etat e); // "jeu", "bloque", "gagne", "temps", "impasse"

struct Stats {
    int paires = 0, comboMax = 1, hint = 0, mix = 0, undo = 0, peek = 0;
};

// What a removal changed, kept so that undo can put it back.
struct Entree {
    int a = -1, b = -1;
    std::int64_t score = 0;
    int combo = 1;
    std::int64_t dernierRetrait = -1;
    int derniereFamille = -1;
    std::optional<Chemin> temoin;
    int comboMax = 1;
    std::int64_t tempsGagne = 0;
};

// The background search for a lost witness.
struct Travail {
    std::string cle;         // the position it works on
    std::vector<int> motifs; // and the motifs; a MIX changes them, which restarts it
    int tour = 0;            // 0 first pass, 1 second pass with a larger budget
    solveur::Resolution s;
};

struct Partie {
    std::string disposition;
    alea::Graine graine;
    generation::GeometriePartagee g;
    std::vector<int> motifs;
    pile::Presence present;
    int restantes = 0;
    std::optional<Chemin> temoin; // a way to clear what is left, when one is known
    std::optional<Chemin> guide;  // the last witness that broke, to guide the search
    alea::Alea rng;
    int selection = -1;
    std::vector<Entree> historique;
    std::int64_t score = 0;
    int combo = 1;
    std::int64_t dernierRetrait = -1;
    int derniereFamille = -1;
    std::int64_t horloge = 0;
    std::int64_t tempsMs = 0;
    std::int64_t tempsMax = 0;
    Aides aides;
    bool mixGratuit = true;
    bool undo = true;
    // No incense: see Options.
    bool sansEncens = false;
    std::int64_t apercuJusqua = -1;
    Etat etat = Etat::Jeu;
    Stats stats;
    std::optional<Travail> travail;
    std::optional<std::string> sansTemoin; // position for which the search gave up
};

struct Options {
    dispositions::Disposition disposition;
    alea::Graine graine;
    std::int64_t tempsMs = 0; // 0: from the layout's size
    bool undo = true;
    std::optional<Aides> aides;
    // A calm game with no incense clock: `horloge` counts the time spent and
    // never ends the game, `tempsMs` and `tempsMax` stay 0, pairs give no
    // time and undos cost none; HINT is unlimited (counted in `stats`), MIX
    // free and unlimited but only on a blocked stack, PEEK refused (faces
    // show); no end bonus. Combos, twins and fever score as ever.
    bool sansEncens = false;
};

// Null when no deal could be made.
std::optional<Partie> creer(const Options& options);

int famille(const Partie& p, int i);
bool libre(const Partie& p, int i);
std::vector<Paire> paires(const Partie& p);
void etatApres(Partie& p);

enum class TypeResultat { Fini, Bloquee, Prise, Lachee, Refus, PaireFaite };
const char* nom(TypeResultat t); // "fini", "bloquee", "prise", "lachee", "refus", "paire"

struct Resultat {
    TypeResultat type = TypeResultat::Fini;
    int i = -1;         // bloquee, prise, lachee, refus
    int ancienne = -1;  // refus
    int a = -1, b = -1; // paire
    int points = 0, combo = 0;
    bool jumelle = false;
    std::int64_t bonusMs = 0;
    bool fever = false;
};

Resultat prendre(Partie& p, int i);
// Removes the matching free pair (a, b); prendre calls it.
Resultat retirer(Partie& p, int a, int b);
bool annuler(Partie& p);
// True exactly when the time has just run out.
bool avancer(Partie& p, std::int64_t dt);
int comboCourant(const Partie& p);

struct BonusFin {
    std::int64_t temps = 0, aides = 0, total = 0;
};
BonusFin bonusFin(const Partie& p);

// Nearest free tile from `depuis` in direction (dx, dy) on screen, for cursor
// moves; -1 when none lies within 45 degrees of that direction.
int voisine(const Partie& p, int depuis, int dx, int dy);

// Witness upkeep and aids.
std::optional<Chemin> temoin(Partie& p);
void travailler(Partie& p, std::int64_t ms);
std::optional<Chemin> temoinRapide(Partie& p);
std::optional<Paire> paireRapide(Partie& p);
std::optional<Paire> paireConseillee(Partie& p);
std::optional<Paire> indice(Partie& p);

struct Melange {
    bool ok = false;
    bool impossible = false; // no clearable arrangement: the game is at an impasse
    std::vector<int> ancien; // the motifs before the MIX
    std::int64_t cout = 0;   // time paid
};
Melange melanger(Partie& p);
// PEEK: its duration in ms, or 0 when refused.
std::int64_t apercu(Partie& p);
// Panda push: the four tiles whose motifs changed (a1, b1, a2, b2), or nothing.
std::optional<std::array<int, 4>> pousser(Partie& p);

} // namespace partie
