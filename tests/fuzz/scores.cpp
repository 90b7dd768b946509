// The high-score text: every table read holds one to ten valid entries,
// highest first; its written form is a fixed point; a new entry lands where
// `rang` says and keeps the table in order.

#include "commun.h"
#include "sauvegarde/json.h"
#include "sauvegarde/stockage.h"

#include <cmath>

namespace {

bool valide(const stockage::Entree& e) {
    if (e.nom.size() != 3) return false;
    for (QChar c : e.nom)
        if (!QString::fromLatin1(stockage::LETTRES).contains(c)) return false;
    return e.score >= 0 && e.score <= stockage::SCORE_MAX && e.etape >= 0 &&
           std::isfinite(e.etape) && e.etape == std::floor(e.etape) &&
           (!e.date || e.date->size() <= 8);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* d, std::size_t n) {
    const stockage::Scores s = stockage::lireScores(fuzz::texte(d, n));
    for (const stockage::Table& t : s.tables) {
        EXIGER(!t.empty() && t.size() <= std::size_t(stockage::PLACES));
        for (std::size_t i = 0; i < t.size(); ++i) {
            EXIGER(valide(t[i]));
            EXIGER(i == 0 || t[i - 1].score >= t[i].score);
        }
    }
    const QString ecrit = stockage::ecrireScores(s);
    EXIGER(json::analyser(ecrit).isObject());
    EXIGER(stockage::ecrireScores(stockage::lireScores(ecrit)) == ecrit);

    // A score drawn from the input goes into one of the tables.
    const std::uint32_t h = fuzz::empreinte(d, n);
    const QString mode = QLatin1String(stockage::MODES[h % stockage::MODES.size()]);
    stockage::Entree e;
    e.nom = QStringLiteral("FUZ");
    e.score = int((h >> 3) % 200001u);
    e.etape = h % 13;
    stockage::Scores apres = s;
    const stockage::Table avant = *s.table(mode);
    const int attendu = stockage::rang(avant, e.score);
    const int place = stockage::inserer(apres, mode, e);
    EXIGER(place == attendu);
    const stockage::Table& t = *apres.table(mode);
    if (place < 0) {
        EXIGER(t == avant);
    } else {
        EXIGER(t[std::size_t(place)] == e);
        EXIGER(t.size() == std::min(avant.size() + 1, std::size_t(stockage::PLACES)));
        for (std::size_t i = 1; i < t.size(); ++i)
            EXIGER(t[i - 1].score >= t[i].score);
    }
    EXIGER(stockage::meilleur(apres, mode) == t.front().score);
    return 0;
}
