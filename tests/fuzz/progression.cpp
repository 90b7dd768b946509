// The progression text: fields within their rules, extras worked out from the
// stored fields alone, a written form that is a fixed point, and a cleared
// stage or won day that survives being written and read back.

#include "commun.h"
#include "sauvegarde/json.h"
#include "sauvegarde/stockage.h"

namespace {

bool memesExtras(const stockage::Extras& a, const stockage::Extras& b) {
    return a.galerie == b.galerie && a.sonTest == b.sonTest && a.crt == b.crt &&
           a.paperMoon == b.paperMoon && a.pandaParade == b.pandaParade &&
           a.salleLanternes == b.salleLanternes;
}

void valide(const stockage::Progression& p) {
    EXIGER(p.etapeMax >= 0 && p.etapeMax <= 12);
    for (double x : p.etapesVues)
        EXIGER(x >= 0 && x < 12);
    for (const QString& j : p.defisFinis)
        EXIGER(stockage::jourValide(j));
    EXIGER(p.defiClasse.isEmpty() || stockage::jourValide(p.defiClasse));
    EXIGER(memesExtras(p.extras, stockage::calculerExtras(p)));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* d, std::size_t n) {
    const stockage::Progression p = stockage::lireProgression(fuzz::texte(d, n));
    valide(p);
    const QString ecrit = stockage::ecrireProgression(p);
    EXIGER(json::analyser(ecrit).isObject());
    EXIGER(stockage::ecrireProgression(stockage::lireProgression(ecrit)) == ecrit);

    // A stage cleared (sometimes one that does not exist) and a day won.
    const std::uint32_t h = fuzz::empreinte(d, n);
    const int etape = int(h % 15) - 1;
    stockage::Progression q = p;
    stockage::etapeFinie(q, etape, int((h >> 4) % 3));
    stockage::defiFini(q, QString::number(20260101 + (h >> 8) % 400));
    valide(q);
    EXIGER(q.etapeMax >= p.etapeMax && q.defisFinis.size() >= p.defisFinis.size());
    if (etape >= 0 && etape < 12) EXIGER(q.etapeMax >= etape + 1);
    const QString apres = stockage::ecrireProgression(q);
    EXIGER(stockage::ecrireProgression(stockage::lireProgression(apres)) == apres);
    return 0;
}
