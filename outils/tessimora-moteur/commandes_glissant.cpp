#include "commandes.h"

Reponse commandeGlissant(const std::vector<std::string>&) {
    Reponse r;
    r.erreur = "glissant : pas encore disponible";
    return r;
}
