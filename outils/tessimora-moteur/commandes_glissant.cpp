#include "arguments.h"
#include "commandes.h"
#include "json.h"
#include "moteur/glissant.h"

namespace {

// Beyond this a deal takes seconds and is no grid a screen could show.
constexpr std::int64_t COTE_MAX = 64;
constexpr std::int64_t GRAINE_MAX = 9007199254740992LL;

std::string coupJson(const glissant::Coup& c) {
    if (c.type == glissant::Coup::Type::Glisse)
        return "{\"type\":\"glisse\",\"rang\":" + std::to_string(c.rang) +
               ",\"sens\":" + std::to_string(c.sens) + "}";
    return "{\"type\":\"paire\",\"a\":" + std::to_string(c.a) + ",\"b\":" + std::to_string(c.b) +
           "}";
}

} // namespace

Reponse commandeGlissant(const std::vector<std::string>& mots) {
    Reponse r;
    Arguments a(mots, {"largeur", "hauteur", "paires", "graine"});
    const auto largeur = a.erreur().empty() ? a.entier("largeur", 1, COTE_MAX) : std::nullopt;
    const auto hauteur = largeur ? a.entier("hauteur", 1, COTE_MAX) : std::nullopt;
    const auto paires = hauteur ? a.entier("paires", 0, COTE_MAX * COTE_MAX) : std::nullopt;
    const auto graine = paires ? a.entier("graine", -GRAINE_MAX, GRAINE_MAX) : std::nullopt;
    if (!graine) {
        r.erreur = a.erreur();
        return r;
    }
    const auto d = glissant::generer(static_cast<int>(*largeur), static_cast<int>(*hauteur),
                                     static_cast<int>(*paires), alea::Graine(*graine));
    if (!d) {
        r.sortie = "{\"cases\":null,\"solution\":null}\n";
        return r;
    }
    std::string solution = "[";
    for (std::size_t k = 0; k < d->solution.size(); ++k)
        solution += (k ? "," : "") + coupJson(d->solution[k]);
    r.sortie = "{\"cases\":" + listeJson(d->grille.cases) + ",\"solution\":" + solution + "]}\n";
    return r;
}
