// A removal must stay cheap on the interface thread, witness repair included;
// a lost witness must come back within a few 2 ms slices of background work.

#include "moteur/partie.h"

#include <benchmark/benchmark.h>

namespace {

partie::Partie lanterne(int graine) {
    partie::Options o;
    o.disposition = dispositions::LISTE[0];
    o.graine = graine;
    return *partie::creer(o);
}

// Random legal removals, worked out in advance so that choosing them is not
// part of what is measured.
struct Parcours {
    partie::Partie depart;
    std::vector<pile::Paire> coups;
};

std::vector<Parcours> parcours(int nombre) {
    std::vector<Parcours> r;
    alea::Alea hasard = alea::creer(55);
    for (int graine = 1; graine <= nombre; ++graine) {
        Parcours c{lanterne(graine), {}};
        partie::Partie p = c.depart;
        while (p.etat == partie::Etat::Jeu) {
            const auto jouables = partie::paires(p);
            const auto m =
                jouables[alea::entier(hasard, static_cast<std::uint32_t>(jouables.size()))];
            partie::prendre(p, m[0]);
            partie::prendre(p, m[1]);
            c.coups.push_back(m);
        }
        r.push_back(std::move(c));
    }
    return r;
}

void retirer(benchmark::State& etat, bool suivreLeTemoin) {
    static const std::vector<Parcours> hasard = parcours(8);
    std::size_t k = 0, c = 0;
    partie::Partie p = hasard[0].depart;
    for (auto _ : etat) {
        const bool fini = suivreLeTemoin
                              ? (!p.temoin || p.temoin->empty() || p.etat != partie::Etat::Jeu)
                              : c >= hasard[k].coups.size();
        if (fini) {
            etat.PauseTiming();
            k = (k + 1) % hasard.size();
            c = 0;
            p = hasard[k].depart;
            etat.ResumeTiming();
        }
        const pile::Paire m = suivreLeTemoin ? p.temoin->front() : hasard[k].coups[c++];
        partie::prendre(p, m[0]);
        benchmark::DoNotOptimize(partie::prendre(p, m[1]));
    }
}
BENCHMARK_CAPTURE(retirer, temoin, true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(retirer, hasard, false)->Unit(benchmark::kMicrosecond);

// Positions whose witness a removal broke beyond repair, each searched for
// again in 2 ms slices; the counter is the mean number of slices.
void tranchesTemoinPerdu(benchmark::State& etat) {
    static std::vector<partie::Partie> perdues = [] {
        std::vector<partie::Partie> r;
        for (const Parcours& c : parcours(12)) {
            partie::Partie p = c.depart;
            for (const pile::Paire& m : c.coups) {
                const bool avait = p.temoin.has_value();
                partie::prendre(p, m[0]);
                partie::prendre(p, m[1]);
                if (avait && !p.temoin && p.etat == partie::Etat::Jeu) r.push_back(p);
                if (r.size() >= 40) return r;
            }
        }
        return r;
    }();
    std::int64_t tranches = 0, positions = 0;
    for (auto _ : etat) {
        for (partie::Partie p : perdues) {
            while (!p.temoin && p.sansTemoin != solveur::cle(p.present)) {
                partie::travailler(p, 2);
                ++tranches;
            }
            ++positions;
        }
    }
    etat.counters["tranches"] =
        benchmark::Counter(static_cast<double>(tranches) / static_cast<double>(positions));
    etat.counters["positions"] = static_cast<double>(perdues.size());
}
BENCHMARK(tranchesTemoinPerdu)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
