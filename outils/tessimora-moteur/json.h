#pragma once

// Compact JSON written by hand, because the field order of each answer is
// part of what scripts read.

#include "moteur/pile.h"

#include <string>
#include <vector>

std::string texteJson(const std::string& s);
std::string listeJson(const std::vector<int>& valeurs);
std::string listeJson(const std::vector<std::string>& textes);
std::string pairesJson(const std::vector<pile::Paire>& paires);
