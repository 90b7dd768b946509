// Engine speed: a deal per catalogue layout (the 220-tile one is made on the
// interface thread when a stage starts), and the free-tile questions the
// generator and solver ask thousands of times.

#include "catalogue.h"
#include "moteur/dispositions.h"
#include "moteur/generation.h"
#include "moteur/glissant.h"
#include "moteur/tuiles.h"

#include <benchmark/benchmark.h>

namespace {

void generer(benchmark::State& etat) {
    const auto& d = dispositionDuCatalogue(etat.range(0));
    etat.SetLabel(d.nom);
    generation::geometrie(d); // built once per process, as in the game
    int graine = 1;
    for (auto _ : etat)
        benchmark::DoNotOptimize(generation::generer(d, graine++));
}
BENCHMARK(generer)->DenseRange(0, 13)->Unit(benchmark::kMicrosecond);

// Half of the witness of a GREAT LANTERN deal played: a position in mid-game.
struct MiPartie {
    generation::Donne donne;
    pile::Presence present;
    MiPartie() : donne(*generation::generer(dispositions::LISTE[0], 7)) {
        present = donne.present;
        for (std::size_t k = 0; k < donne.solution.size() / 2; ++k) {
            present[donne.solution[k][0]] = 0;
            present[donne.solution[k][1]] = 0;
        }
    }
};

void libre(benchmark::State& etat) {
    const MiPartie m;
    const pile::Geometrie& g = *m.donne.g;
    for (auto _ : etat)
        for (int i = 0; i < g.n; ++i)
            benchmark::DoNotOptimize(pile::libre(g, m.present, i));
    etat.SetItemsProcessed(etat.iterations() * g.n);
}
BENCHMARK(libre);

void libres(benchmark::State& etat) {
    const MiPartie m;
    std::vector<int> sortie;
    for (auto _ : etat) {
        pile::libres(*m.donne.g, m.present, sortie);
        benchmark::DoNotOptimize(sortie.data());
    }
}
BENCHMARK(libres);

void paires(benchmark::State& etat) {
    const MiPartie m;
    const auto& motifs = m.donne.motifs;
    for (auto _ : etat)
        benchmark::DoNotOptimize(
            pile::paires(*m.donne.g, m.present, [&](int i) { return tuiles::famille(motifs[i]); }));
}
BENCHMARK(paires);

void melanger(benchmark::State& etat) {
    const MiPartie m;
    alea::Alea rng = m.donne.rng;
    for (auto _ : etat)
        benchmark::DoNotOptimize(generation::melanger(*m.donne.g, m.donne.motifs, m.present, rng));
}
BENCHMARK(melanger)->Unit(benchmark::kMicrosecond);

void glissantGenerer(benchmark::State& etat) {
    int graine = 1;
    for (auto _ : etat)
        benchmark::DoNotOptimize(glissant::generer(12, 7, 30, graine++));
}
BENCHMARK(glissantGenerer)->Unit(benchmark::kMicrosecond);

} // namespace
