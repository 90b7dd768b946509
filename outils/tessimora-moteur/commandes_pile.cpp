#include "chargement.h"
#include "commandes.h"
#include "json.h"
#include "moteur/generation.h"

#include <algorithm>
#include <chrono>
#include <cstdio>

namespace {

// Seeds travel as JSON numbers, exact up to 2^53.
constexpr std::int64_t GRAINE_MAX = 9007199254740992LL;

Reponse erreur(std::string message) {
    Reponse r;
    r.erreur = std::move(message);
    return r;
}

std::vector<int> parCouche(const pile::Geometrie& g) {
    std::vector<int> r(g.bornes.couches, 0);
    for (const pile::Place& p : g.places)
        ++r[p.z];
    return r;
}

std::string bornesJson(const pile::Bornes& b) {
    return "{\"x\":" + std::to_string(b.x) + ",\"y\":" + std::to_string(b.y) +
           ",\"largeur\":" + std::to_string(b.largeur) +
           ",\"hauteur\":" + std::to_string(b.hauteur) +
           ",\"couches\":" + std::to_string(b.couches) + "}";
}

std::string joindre(const std::vector<std::string>& textes, const char* separateur) {
    std::string r;
    for (std::size_t k = 0; k < textes.size(); ++k)
        r += (k ? separateur : "") + textes[k];
    return r;
}

// The catalogue's cached geometry, or one built for a layout read from a file
// (which may share a catalogue name without sharing its shape).
generation::GeometriePartagee geometrieDe(const Chargement& c) {
    if (c.catalogue) return generation::geometrie(c.d);
    return std::make_shared<const pile::Geometrie>(pile::construire(c.places));
}

} // namespace

Reponse commandeCatalogue(const std::vector<std::string>& mots) {
    Arguments a(mots, {});
    if (!a.erreur().empty()) return erreur(a.erreur());
    Reponse r;
    for (const auto* liste : {&dispositions::LISTE, &dispositions::DUEL})
        for (const dispositions::Disposition& d : *liste) {
            const pile::Lecture l = pile::lire(d.couches);
            const pile::Geometrie g = pile::construire(l.places);
            r.sortie += "{\"nom\":" + texteJson(d.nom) + ",\"tuiles\":" + std::to_string(g.n) +
                        ",\"couches\":" + std::to_string(g.bornes.couches) +
                        ",\"parCouche\":" + listeJson(parCouche(g)) +
                        ",\"bornes\":" + bornesJson(g.bornes) +
                        ",\"defauts\":" + listeJson(pile::defauts(l.places)) + "}\n";
        }
    return r;
}

Reponse commandeDonne(const std::vector<std::string>& mots) {
    Arguments a(mots, {"disposition", "fichier", "graine"});
    if (!a.erreur().empty()) return erreur(a.erreur());
    const auto graine = a.entier("graine", -GRAINE_MAX, GRAINE_MAX);
    if (!graine) return erreur(a.erreur());
    const Chargement c = charger(a);
    if (!c.erreur.empty()) return erreur(c.erreur);
    const auto defauts = pile::defauts(c.places);
    if (!defauts.empty())
        return erreur(c.d.nom + " : disposition défectueuse : " + joindre(defauts, " ; "));

    const auto donne = generation::generer(geometrieDe(c), c.d.nom, alea::Graine(*graine));
    Reponse r;
    r.sortie = "{\"disposition\":" + texteJson(c.d.nom) + ",\"graine\":" + std::to_string(*graine) +
               ",\"motifs\":" + (donne ? listeJson(donne->motifs) : "null") +
               ",\"solution\":" + (donne ? pairesJson(donne->solution) : "null") + "}\n";
    return r;
}

Reponse commandeVerifier(const std::vector<std::string>& mots) {
    Arguments a(mots, {"disposition", "fichier", "graines"});
    if (!a.erreur().empty()) return erreur(a.erreur());
    std::int64_t graines = 20;
    if (a.a("graines")) {
        const auto k = a.entier("graines", 1, 10000);
        if (!k) return erreur(a.erreur());
        graines = *k;
    }
    const Chargement c = charger(a);
    if (!c.erreur.empty()) return erreur(c.erreur);

    const auto g = geometrieDe(c);
    const auto defauts = pile::defauts(c.places);
    std::string s = "disposition : " + c.d.nom + "\n";
    s += "défauts : " + (defauts.empty() ? std::string("aucun") : joindre(defauts, " ; ")) + "\n";
    s += "tuiles : " + std::to_string(g->n) + "\n";
    std::vector<std::string> couches;
    for (int n : parCouche(*g))
        couches.push_back(std::to_string(n));
    s += "couches : " + std::to_string(g->bornes.couches) + " (" + joindre(couches, ", ") + ")\n";
    s += "bornes : x " + std::to_string(g->bornes.x) + ", y " + std::to_string(g->bornes.y) +
         ", largeur " + std::to_string(g->bornes.largeur) + ", hauteur " +
         std::to_string(g->bornes.hauteur) + " (demi-cases)\n";

    int reussies = 0;
    std::vector<double> durees;
    char ligne[160];
    for (std::int64_t graine = 1; graine <= graines; ++graine) {
        if (g->n % 2 != 0) {
            s += "graine " + std::to_string(graine) + " : aucune donne (nombre impair de tuiles)\n";
            continue;
        }
        const auto debut = std::chrono::steady_clock::now();
        const auto donne = generation::generer(g, c.d.nom, alea::Graine(graine));
        const double ms =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - debut)
                .count();
        durees.push_back(ms);
        const char* verdict = "aucune donne";
        if (donne) {
            const bool bonne =
                generation::verifier(*g, donne->motifs, donne->present, donne->solution);
            verdict = bonne ? "donne vérifiée" : "donne REFUSÉE par la vérification";
            reussies += bonne ? 1 : 0;
        }
        std::snprintf(ligne, sizeof ligne, "graine %lld : %s (%.3f ms)\n",
                      static_cast<long long>(graine), verdict, ms);
        s += ligne;
    }
    std::sort(durees.begin(), durees.end());
    const double mediane = durees.empty() ? 0 : durees[durees.size() / 2];
    const double pire = durees.empty() ? 0 : durees.back();
    std::snprintf(ligne, sizeof ligne,
                  "bilan : %d/%lld donnes vérifiées, médiane %.3f ms, pire %.3f ms\n", reussies,
                  static_cast<long long>(graines), mediane, pire);
    s += ligne;
    Reponse r;
    r.sortie = s;
    r.code = reussies == graines ? 0 : 1;
    return r;
}
