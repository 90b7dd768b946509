// The achievement state text: unlocks in catalogue order and never twice,
// counters within their ceiling, a written form that is a fixed point. The
// bytes after a NUL are a game event applied to the state read: whatever it
// says, the state stays valid and still reads back to itself.

#include "sauvegarde/succes.h"

#include "commun.h"
#include "sauvegarde/json.h"

#include <QJsonObject>

namespace {

// A state just read lists its unlocks in catalogue order; one that a game
// event changed has its new unlocks at the end. Either way each is known and
// listed once.
void valide(const succes::Etat& e, bool lu) {
    std::size_t k = 0;
    for (std::size_t i = 0; i < e.debloques.size(); ++i) {
        const auto& [id, date] = e.debloques[i];
        EXIGER(succes::parId(id) != nullptr && date >= 0);
        for (std::size_t j = 0; j < i; ++j)
            EXIGER(e.debloques[j].first != id);
        if (!lu) continue;
        while (k < succes::LISTE.size() && id != QLatin1String(succes::LISTE[k].id))
            ++k;
        EXIGER(k < succes::LISTE.size());
        ++k;
    }
    for (qint64 s : e.stats)
        EXIGER(s >= 0 && s <= succes::PLAFOND);
    EXIGER(e.defiDernier.isEmpty() || stockage::jourValide(e.defiDernier));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* d, std::size_t n) {
    const auto [texte, evenement] = fuzz::deux(d, n);
    succes::Etat e = succes::lire(texte);
    valide(e, true);
    const QString ecrit = succes::ecrire(e);
    EXIGER(json::analyser(ecrit).isObject());
    EXIGER(succes::ecrire(succes::lire(ecrit)) == ecrit);

    const QJsonObject ev = json::objet(json::analyser(evenement));
    if (!ev.isEmpty()) {
        const succes::Etat avant = e;
        const succes::Resultat r = succes::evenement(e, ev, 1765000000000.0);
        valide(e, false);
        for (const QString& id : r.nouveaux)
            EXIGER(succes::debloque(e, id) && !succes::debloque(avant, id));
        for (const auto& [id, date] : avant.debloques)
            EXIGER(succes::debloque(e, id));
        // Written and read back, nothing of the changed state is lost (the
        // unlocks come back in catalogue order).
        const succes::Etat relu = succes::lire(succes::ecrire(e));
        EXIGER(relu.stats == e.stats && relu.defiDernier == e.defiDernier);
        EXIGER(relu.debloques.size() == e.debloques.size());
        for (const auto& [id, date] : e.debloques)
            EXIGER(succes::debloque(relu, id));
    }
    return 0;
}
