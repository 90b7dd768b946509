// Reading the saves must stay linear in the text's size, and an oversized
// cloud text must be turned away before any parsing.

#include "sauvegarde/nuage.h"

#include <benchmark/benchmark.h>

namespace {

nuage::Enveloppe typique() {
    nuage::Enveloppe e;
    e.ecrit = 1765000000000;
    e.scores = stockage::lireScores(QString());
    for (const char* jour : {"20261201", "20261202", "20261203", "20261205"})
        stockage::defiFini(e.progression, jour);
    for (int i = 0; i < 12; ++i)
        stockage::etapeFinie(e.progression, i, 0);
    for (int i = 0; i < 40; ++i)
        e.succes.debloques.emplace_back(succes::LISTE[std::size_t(i)].id, 1765000000000.0 + i);
    return e;
}

void BM_LireEnveloppeTypique(benchmark::State& etat) {
    const QString texte = nuage::ecrire(typique());
    for (auto _ : etat)
        benchmark::DoNotOptimize(nuage::lire(texte));
    etat.SetBytesProcessed(int64_t(etat.iterations()) * texte.size());
}
BENCHMARK(BM_LireEnveloppeTypique);

void BM_FusionDepart(benchmark::State& etat) {
    const nuage::Enveloppe local = typique();
    nuage::Enveloppe autre = typique();
    autre.ecrit += 1;
    stockage::Entree x;
    x.nom = "CLD";
    x.score = 999999;
    stockage::inserer(autre.scores, "rush", x);
    const QString texte = nuage::ecrire(autre);
    for (auto _ : etat)
        benchmark::DoNotOptimize(nuage::fusionDepart(local, texte));
}
BENCHMARK(BM_FusionDepart);

// A progression whose list of stages seen was stretched by a damaged save:
// the time per character must not grow with the length.
void BM_LireProgressionLongue(benchmark::State& etat) {
    QString texte = QStringLiteral("{\"etapesVues\":[");
    for (int i = 0; i < etat.range(0); ++i)
        texte += (i ? QStringLiteral(",") : QString()) + QString::number(i % 12);
    texte += QStringLiteral("]}");
    for (auto _ : etat)
        benchmark::DoNotOptimize(stockage::lireProgression(texte));
    etat.SetComplexityN(texte.size());
}
BENCHMARK(BM_LireProgressionLongue)
    ->RangeMultiplier(8)
    ->Range(64, 64 << 9)
    ->Complexity(benchmark::oN);

void BM_ScoresAbimes(benchmark::State& etat) {
    QString texte = QStringLiteral("{\"night\":[");
    for (int i = 0; i < etat.range(0); ++i)
        texte += (i ? QStringLiteral(",") : QString()) +
                 QStringLiteral("{\"nom\":\"ab\",\"score\":\"%1.5\",\"etape\":-3}").arg(i);
    texte += QStringLiteral("]}");
    for (auto _ : etat)
        benchmark::DoNotOptimize(stockage::lireScores(texte));
    etat.SetComplexityN(texte.size());
}
BENCHMARK(BM_ScoresAbimes)->RangeMultiplier(8)->Range(8, 8 << 9)->Complexity(benchmark::oNLogN);

// Two damaged progressions with thousands of distinct stages seen and days:
// their union must not grow with the square of their lengths.
void BM_FusionProgressionLongue(benchmark::State& etat) {
    stockage::Progression a, b;
    for (int i = 0; i < etat.range(0); ++i) {
        a.etapesVues.push_back(i * 1e-6);
        b.etapesVues.push_back(i * 1e-6 + 5e-7);
        a.defisFinis << QString::number(10000000 + 2 * i);
        b.defisFinis << QString::number(10000001 + 2 * i);
    }
    for (auto _ : etat)
        benchmark::DoNotOptimize(nuage::fusionProgression(a, b));
    etat.SetComplexityN(etat.range(0));
}
BENCHMARK(BM_FusionProgressionLongue)
    ->RangeMultiplier(8)
    ->Range(64, 64 << 6)
    ->Complexity(benchmark::oNLogN);

void BM_NuageTropLongRefuse(benchmark::State& etat) {
    const QString texte(nuage::TAILLE_MAX * 16, QLatin1Char('x'));
    for (auto _ : etat)
        benchmark::DoNotOptimize(nuage::lire(texte));
}
BENCHMARK(BM_NuageTropLongRefuse);

} // namespace
