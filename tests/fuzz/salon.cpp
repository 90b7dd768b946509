// TEA HOUSE's stored record, local and cloud (the bytes before and after a
// NUL). Reading never fails and what it keeps is valid; written and read
// again it is the same; the merge keeps each best of either side, whichever
// side comes first, and merging again changes nothing.

#include "sauvegarde/salon.h"

#include "commun.h"

namespace {

void valide(const salon::Salon& s) {
    EXIGER(int(s.piles.size()) <= salon::PILES_MAX);
    for (const salon::Record& r : s.piles) {
        EXIGER(!r.nom.isEmpty() && r.nom.size() <= salon::NOM_MAX);
        EXIGER(r.empreinte.size() == salon::EMPREINTE_CHIFFRES);
        EXIGER(r.temps >= 0 && r.temps <= salon::TEMPS_MAX);
        EXIGER(r.score >= 0 && r.score <= salon::SCORE_MAX);
    }
    EXIGER(salon::lire(salon::ecrire(s)) == s);
}

// Every cleared stack of `cote` is in `m`, at least as good.
void garde(const salon::Salon& m, const salon::Salon& cote) {
    for (const salon::Record& r : cote.piles) {
        const salon::Record* k = salon::trouver(m, r.nom, r.empreinte);
        if (!k) {
            // Only the cap may leave a stack out.
            EXIGER(int(m.piles.size()) == salon::PILES_MAX);
            continue;
        }
        EXIGER(!r.fini || k->fini);
        EXIGER(r.score <= k->score);
        EXIGER(r.temps == 0 || (k->temps > 0 && k->temps <= r.temps));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* d, std::size_t n) {
    const auto [texteA, texteB] = fuzz::deux(d, n);
    const salon::Salon a = salon::lire(texteA), b = salon::lire(texteB);
    valide(a);
    valide(b);
    const salon::Salon m = salon::fusion(a, b);
    valide(m);
    EXIGER(salon::fusion(b, a) == m);
    EXIGER(salon::fusion(m, b) == m);
    garde(m, a);
    garde(m, b);
    return 0;
}
