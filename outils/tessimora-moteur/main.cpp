// tessimora-moteur: the engine from the command line. Each command prints one
// line of compact JSON and exits 0; a bad argument or input prints one line on
// standard error and exits 2. `verifier` writes a report for a person instead
// and exits 1 when a deal failed.

#include "arguments.h"
#include "commandes.h"

#include <iostream>
#include <string>
#include <vector>

namespace {

const char* const USAGE =
    "usage : tessimora-moteur catalogue | donne (--disposition NOM | --fichier F) --graine N"
    " | glissant --largeur L --hauteur H --paires P --graine N"
    " | verifier (--fichier F | --disposition NOM) [--graines K]"
    " | resoudre (--disposition NOM | --fichier F) --graine N [--retirer a,b]... [--budget B]"
    " | rejouer (--disposition NOM | --fichier F) --graine N --actions FICHIER"
    " | defi [--date AAAA-MM-JJ]";

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> mots(argv + 1, argv + argc);
    if (mots.empty()) {
        std::cerr << "tessimora-moteur : commande manquante ; " << USAGE << '\n';
        return 2;
    }
    const std::string commande = mots.front();
    mots.erase(mots.begin());
    Reponse r;
    if (commande == "catalogue") r = commandeCatalogue(mots);
    else if (commande == "donne") r = commandeDonne(mots);
    else if (commande == "glissant") r = commandeGlissant(mots);
    else if (commande == "verifier") r = commandeVerifier(mots);
    else if (commande == "resoudre") r = commandeResoudre(mots);
    else if (commande == "rejouer") r = commandeRejouer(mots);
    else if (commande == "defi") r = commandeDefi(mots);
    else {
        std::cerr << "tessimora-moteur : commande inconnue : " << commande << " ; " << USAGE
                  << '\n';
        return 2;
    }
    if (!r.erreur.empty()) {
        std::cerr << "tessimora-moteur : " << r.erreur << '\n';
        return 2;
    }
    std::cout << r.sortie << std::flush;
    return r.code;
}
