// The settings text as the store or the cloud hands it back: whatever it
// holds, the record read is within its ranges, and its written form is a
// fixed point of reading and writing.

#include "commun.h"
#include "sauvegarde/json.h"
#include "sauvegarde/stockage.h"

#include <cmath>
#include <set>

namespace {

bool dansUn(double x) {
    return x >= 0 && x <= 1;
}

bool lettres(const QString& nom) {
    if (nom.size() != 3) return false;
    for (QChar c : nom)
        if (!QString::fromLatin1(stockage::LETTRES).contains(c)) return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* d, std::size_t n) {
    const stockage::Reglages r = stockage::lireReglages(fuzz::texte(d, n));
    EXIGER(dansUn(r.crt.balayage) && dansUn(r.crt.lueur) && dansUn(r.crt.courbure));
    EXIGER(dansUn(r.crt.masque) && dansUn(r.crt.vignette));
    EXIGER(dansUn(r.son.musique) && dansUn(r.son.effets));
    EXIGER(r.crt.affichage.isEmpty() || r.crt.affichage == "entier" ||
           r.crt.affichage == "remplir" || r.crt.affichage == "etirer");
    EXIGER(r.jeu.niveauIa >= 0 && r.jeu.niveauIa <= 2);
    EXIGER(lettres(r.jeu.initiales));
    EXIGER(r.jeu.langue.isEmpty() || stockage::langueValide(r.jeu.langue));

    // Each action and each code at most once, in the actions' order.
    std::set<qint64> codes;
    std::size_t suivante = 0;
    for (const auto& [action, code] : r.touches) {
        EXIGER(code > 0 && code < stockage::PREMIERE_MANETTE);
        EXIGER(codes.insert(code).second);
        while (suivante < stockage::ACTIONS.size() &&
               action != QLatin1String(stockage::ACTIONS[suivante]))
            ++suivante;
        EXIGER(suivante < stockage::ACTIONS.size());
        ++suivante;
    }

    const QString ecrit = stockage::ecrireReglages(r);
    EXIGER(json::analyser(ecrit).isObject());
    EXIGER(stockage::ecrireReglages(stockage::lireReglages(ecrit)) == ecrit);
    return 0;
}
