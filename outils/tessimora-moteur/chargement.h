#pragma once

// The layout a command works on: a catalogue entry named by --disposition, or
// a JSON file {"nom": ..., "couches": [[row, ...], ...]} named by --fichier.

#include "arguments.h"
#include "moteur/dispositions.h"

#include <string>
#include <vector>

// Beyond this a layout is no stack a player could see, and dealing it would
// only keep the machine busy.
constexpr int TUILES_MAX = 2000;

struct Chargement {
    dispositions::Disposition d;
    std::vector<pile::Place> places;
    bool catalogue = false;
    std::string erreur;
};

Chargement charger(const Arguments& a);
