// Solver speed in nodes per second, on fresh deals and on hard positions made
// by random legal removals (where resolutions spend their whole budget).

#include "moteur/solveur.h"

#include "catalogue.h"
#include "moteur/dispositions.h"
#include "moteur/generation.h"
#include "moteur/tuiles.h"

#include <benchmark/benchmark.h>

namespace {

void noeudsDonneFraiche(benchmark::State& etat) {
    const auto& d = dispositionDuCatalogue(etat.range(0));
    etat.SetLabel(d.nom);
    std::int64_t noeuds = 0;
    int graine = 1;
    for (auto _ : etat) {
        etat.PauseTiming();
        const auto donne = generation::generer(d, graine++);
        etat.ResumeTiming();
        const auto r = solveur::chercherAvec(*donne->g, donne->motifs, donne->present, 20000);
        noeuds += r.noeuds;
    }
    etat.SetItemsProcessed(noeuds);
}
BENCHMARK(noeudsDonneFraiche)->DenseRange(0, 13)->Unit(benchmark::kMicrosecond);

// Positions after random legal removals, kept only when a 20000-node
// resolution does not settle them quickly: the cases a background search meets.
struct Difficile {
    generation::GeometriePartagee g;
    std::vector<int> motifs;
    pile::Presence present;
};

std::vector<Difficile> positionsDifficiles() {
    std::vector<Difficile> r;
    alea::Alea hasard = alea::creer(2026);
    for (int graine = 1; r.size() < 6 && graine < 400; ++graine) {
        const auto d = generation::generer(dispositions::LISTE[graine % 12], graine);
        pile::Presence p = d->present;
        const int retraits = 3 + static_cast<int>(alea::entier(hasard, 30));
        for (int k = 0; k < retraits; ++k) {
            const auto jouables =
                pile::paires(*d->g, p, [&](int i) { return tuiles::famille(d->motifs[i]); });
            if (jouables.empty()) break;
            const auto m =
                jouables[alea::entier(hasard, static_cast<std::uint32_t>(jouables.size()))];
            p[m[0]] = p[m[1]] = 0;
        }
        const auto essai = solveur::resoudre(*d->g, d->motifs, p, 20000);
        if (essai.noeuds > 5000) r.push_back({d->g, d->motifs, p});
    }
    return r;
}

void resoudreDifficile(benchmark::State& etat) {
    static const std::vector<Difficile> positions = positionsDifficiles();
    std::int64_t noeuds = 0;
    std::size_t k = 0;
    for (auto _ : etat) {
        const Difficile& pos = positions[k++ % positions.size()];
        noeuds += solveur::resoudre(*pos.g, pos.motifs, pos.present, 120000).noeuds;
    }
    etat.SetItemsProcessed(noeuds);
    etat.SetLabel(std::to_string(positions.size()) + " positions");
}
BENCHMARK(resoudreDifficile)->Unit(benchmark::kMillisecond);

} // namespace
