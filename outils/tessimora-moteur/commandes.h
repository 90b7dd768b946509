#pragma once

#include <string>
#include <vector>

// What a command has to say: its output (each line ending in a newline) and
// exit code, or an error message for standard error (exit 2).
struct Reponse {
    std::string sortie;
    int code = 0;
    std::string erreur;
};

Reponse commandeCatalogue(const std::vector<std::string>& mots);
Reponse commandeDonne(const std::vector<std::string>& mots);
Reponse commandeGlissant(const std::vector<std::string>& mots);
Reponse commandeVerifier(const std::vector<std::string>& mots);
Reponse commandeResoudre(const std::vector<std::string>& mots);
Reponse commandeRejouer(const std::vector<std::string>& mots);
Reponse commandeDefi(const std::vector<std::string>& mots);
