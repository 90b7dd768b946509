#include "moteur/ia.h"

#include "moteur/tuiles.h"

#include <algorithm>
#include <cmath>

namespace ia {

const std::array<Niveau, 3> NIVEAUX = {{
    {"LAMPION", 2200, 800, 450, 0.15, Choix::Hasard},
    {"LANTERN", 1300, 500, 300, 0.05, Choix::Heuristique},
    {"DRAGON KITE", 700, 250, 180, 0, Choix::Solveur},
}};

namespace {
constexpr int ACTIONS_MAX = 4;
constexpr int ESSAIS_ERREUR = 6;
} // namespace

IA creer(int niveau, const alea::Graine& graine) {
    IA ia;
    ia.niveau = std::clamp(niveau, 0, 2);
    ia.rng = alea::creer(graine);
    ia.attente = NIVEAUX[ia.niveau].delai;
    return ia;
}

std::int64_t delai(IA& ia) {
    const Niveau& n = NIVEAUX[ia.niveau];
    const double x = n.delai + (2 * alea::reel(ia.rng) - 1) * n.ecart;
    return std::max<std::int64_t>(150, static_cast<std::int64_t>(std::floor(x + 0.5)));
}

int gene(const partie::Partie& p, int i) {
    int n = 0;
    for (const auto* liste : {&p.g->dessous[i], &p.g->gauche[i], &p.g->droite[i]})
        for (int j : *liste)
            n += p.present[j] ? 1 : 0;
    return n;
}

std::optional<pile::Paire> choisir(IA& ia, partie::Partie& p) {
    const Niveau& n = NIVEAUX[ia.niveau];
    const std::vector<int> libres = pile::libres(*p.g, p.present);
    if (n.erreur > 0) {
        const double r = alea::reel(ia.rng);
        if (r < n.erreur && libres.size() >= 2) {
            const auto nombre = static_cast<std::uint32_t>(libres.size());
            for (int essai = 0; essai < ESSAIS_ERREUR; ++essai) {
                const int a = libres[alea::entier(ia.rng, nombre)];
                const int b = libres[alea::entier(ia.rng, nombre)];
                if (a != b && !tuiles::vaAvec(p.motifs[a], p.motifs[b])) return pile::Paire{a, b};
            }
        }
    }
    const std::vector<pile::Paire> jouables = partie::paires(p);
    if (jouables.empty()) return std::nullopt;
    switch (n.choix) {
    case Choix::Hasard:
        return jouables[alea::entier(ia.rng, static_cast<std::uint32_t>(jouables.size()))];
    case Choix::Heuristique: {
        std::size_t meilleure = 0;
        double meilleureNote = -1;
        for (std::size_t k = 0; k < jouables.size(); ++k) {
            const double note =
                gene(p, jouables[k][0]) + gene(p, jouables[k][1]) + alea::reel(ia.rng);
            if (note > meilleureNote) {
                meilleureNote = note;
                meilleure = k;
            }
        }
        return jouables[meilleure];
    }
    case Choix::Solveur:
        if (auto conseil = partie::paireConseillee(p)) return conseil;
        return jouables.front();
    }
    return std::nullopt;
}

std::vector<Action> pas(IA& ia, partie::Partie& p, std::int64_t dt) {
    std::vector<Action> actions;
    if (p.etat != partie::Etat::Jeu && p.etat != partie::Etat::Bloque) return actions;
    const Niveau& n = NIVEAUX[ia.niveau];
    ia.attente -= dt;
    // Each turn does one thing; a long frame catches up with at most four.
    for (int tour = 0; tour < ACTIONS_MAX && ia.attente <= 0; ++tour) {
        if (p.etat == partie::Etat::Bloque) {
            Action a;
            a.mix = true;
            a.melange = partie::melanger(p);
            actions.push_back(a);
            ia.attente += delai(ia);
            if (!a.melange.ok) break;
            continue;
        }
        if (p.etat != partie::Etat::Jeu) break;
        if (!ia.cible) {
            const std::optional<pile::Paire> paire = choisir(ia, p);
            if (!paire) break;
            if (p.selection >= 0) partie::prendre(p, p.selection); // drop the other pick
            Action a;
            a.prise = (*paire)[0];
            a.resultat = partie::prendre(p, a.prise);
            actions.push_back(a);
            ia.curseur = a.prise;
            ia.cible = paire;
            ia.attente += n.geste;
            continue;
        }
        Action a;
        a.prise = (*ia.cible)[1];
        a.resultat = partie::prendre(p, a.prise);
        actions.push_back(a);
        ia.curseur = a.prise;
        ia.cible.reset();
        // A wrong pair leaves its second tile picked: drop it.
        if (a.resultat.type == partie::TypeResultat::Refus) partie::prendre(p, a.prise);
        ia.attente += delai(ia);
    }
    return actions;
}

} // namespace ia
