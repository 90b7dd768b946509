#include "chargement.h"
#include "commandes.h"
#include "json.h"
#include "moteur/generation.h"
#include "moteur/solveur.h"
#include "moteur/tuiles.h"

namespace {

constexpr std::int64_t GRAINE_MAX = 9007199254740992LL;
constexpr std::int64_t BUDGET_MAX = 100000000;

Reponse erreur(std::string message) {
    Reponse r;
    r.erreur = std::move(message);
    return r;
}

} // namespace

Reponse commandeResoudre(const std::vector<std::string>& mots) {
    Arguments a(mots, {"disposition", "fichier", "graine", "retirer", "budget"});
    if (!a.erreur().empty()) return erreur(a.erreur());
    const auto graine = a.entier("graine", -GRAINE_MAX, GRAINE_MAX);
    if (!graine) return erreur(a.erreur());
    std::int64_t budget = 20000;
    if (a.a("budget")) {
        const auto b = a.entier("budget", 1, BUDGET_MAX);
        if (!b) return erreur(a.erreur());
        budget = *b;
    }
    const Chargement c = charger(a);
    if (!c.erreur.empty()) return erreur(c.erreur);
    const auto defauts = pile::defauts(c.places);
    if (!defauts.empty()) return erreur(c.d.nom + " : disposition défectueuse : " + defauts[0]);
    const auto g = c.catalogue
                       ? generation::geometrie(c.d)
                       : std::make_shared<const pile::Geometrie>(pile::construire(c.places));
    const auto donne = generation::generer(g, c.d.nom, alea::Graine(*graine));
    if (!donne)
        return erreur(c.d.nom + " : aucune donne pour la graine " + std::to_string(*graine));

    pile::Presence present = donne->present;
    for (const std::string& texte : a.tous("retirer")) {
        const std::size_t virgule = texte.find(',');
        const auto x = lireEntier(texte.substr(0, virgule));
        const auto y =
            virgule == std::string::npos ? std::nullopt : lireEntier(texte.substr(virgule + 1));
        if (!x || !y || *x < 0 || *y < 0 || *x >= g->n || *y >= g->n || *x == *y)
            return erreur("--retirer attend deux tuiles différentes « a,b » de 0 à " +
                          std::to_string(g->n - 1) + " : " + texte);
        const int i = static_cast<int>(*x), j = static_cast<int>(*y);
        if (!pile::libre(*g, present, i) || !pile::libre(*g, present, j))
            return erreur("retrait impossible " + texte + " : tuile absente ou bloquée");
        if (!tuiles::vaAvec(donne->motifs[i], donne->motifs[j]))
            return erreur("retrait impossible " + texte + " : les motifs ne vont pas ensemble");
        present[i] = 0;
        present[j] = 0;
    }
    const solveur::Reponse rep = solveur::resoudre(*g, donne->motifs, present, budget);
    Reponse r;
    r.sortie = std::string("{\"soluble\":") +
               (rep.soluble ? (*rep.soluble ? "true" : "false") : "null") +
               ",\"chemin\":" + pairesJson(rep.chemin) +
               ",\"noeuds\":" + std::to_string(rep.noeuds) + "}\n";
    return r;
}
