// Two cloud envelopes (the bytes before and after a NUL) merged every way the
// game merges them. Nothing either side holds is lost; everything but the
// settings merges the same whichever side is local; merging again changes
// nothing; and two devices taking turns with one cloud settle on one text
// instead of rewriting it at every start.

#include "commun.h"
#include "sauvegarde/nuage.h"

#include <algorithm>

namespace {

// The envelope without its settings and write time: what must merge alike
// from both sides.
QString partage(const nuage::Enveloppe& e) {
    nuage::Enveloppe c = e;
    c.ecrit = 0;
    c.reglages = stockage::Reglages();
    return nuage::ecrire(c);
}

bool contient(const stockage::Table& t, const stockage::Entree& e) {
    return std::find(t.begin(), t.end(), e) != t.end();
}

// Nothing of `cote` is lost in `m`: its unlocks (no later than they were),
// counters, furthest stage, days and the best of its scores.
void garde(const nuage::Enveloppe& m, const nuage::Enveloppe& cote) {
    for (const auto& [id, date] : cote.succes.debloques) {
        EXIGER(succes::debloque(m.succes, id));
        for (const auto& [id2, date2] : m.succes.debloques)
            if (id2 == id) EXIGER(date2 <= date);
    }
    for (std::size_t i = 0; i < m.succes.stats.size(); ++i)
        EXIGER(m.succes.stats[i] >= cote.succes.stats[i]);
    EXIGER(m.progression.etapeMax >= cote.progression.etapeMax);
    EXIGER(!cote.progression.sansContinue || m.progression.sansContinue);
    for (const QString& j : cote.progression.defisFinis)
        EXIGER(m.progression.defisFinis.contains(j));
    for (std::size_t k = 0; k < m.scores.tables.size(); ++k)
        EXIGER(contient(m.scores.tables[k], cote.scores.tables[k].front()) ||
               m.scores.tables[k].back().score >= cote.scores.tables[k].front().score);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* d, std::size_t n) {
    const auto [texteA, texteB] = fuzz::deux(d, n);
    const nuage::PeutEtre a = nuage::lire(texteA), b = nuage::lire(texteB);
    if (!a || !b) {
        const nuage::PeutEtre seul = nuage::fusion(a, b);
        EXIGER(bool(seul) == (a || b));
        return 0;
    }

    const nuage::Enveloppe ab = *nuage::fusion(a, b), ba = *nuage::fusion(b, a);
    EXIGER(partage(ab) == partage(ba));
    EXIGER(ab.ecrit == std::max(a->ecrit, b->ecrit));
    const nuage::Enveloppe& recent = b->ecrit > a->ecrit ? *b : *a;
    EXIGER(stockage::ecrireReglages(ab.reglages) == stockage::ecrireReglages(recent.reglages));
    garde(ab, *a);
    garde(ab, *b);

    // Merging what was merged, or either side again, changes nothing.
    EXIGER(!nuage::differe(nuage::fusion(ab, ab), ab));
    EXIGER(partage(*nuage::fusion(*a, ab)) == partage(ab));
    EXIGER(partage(*nuage::fusion(ab, *b)) == partage(ab));

    // Two devices with the same settings take turns with one cloud, each
    // start being later than the last write: after each has merged the
    // other's records once, no start has anything left to write.
    nuage::Enveloppe appareils[2] = {*a, *b};
    appareils[1].reglages = a->reglages;
    QString nuageTexte;
    double maintenant = std::max(a->ecrit, b->ecrit);
    for (int tour = 0; tour < 6; ++tour) {
        nuage::Enveloppe& local = appareils[tour % 2];
        local.ecrit = ++maintenant;
        const nuage::Depart dep = nuage::fusionDepart(local, nuageTexte);
        EXIGER(!dep.versNuage || tour < 3);
        garde(dep.env, local);
        local = dep.env;
        if (dep.versNuage) nuageTexte = nuage::ecrire(dep.env);
    }
    EXIGER(partage(appareils[0]) == partage(appareils[1]));
    return 0;
}
