#include "moteur/etape.h"

#include "moteur/partie.h"

#include <algorithm>

namespace etape {

double pasHorloge(double dernier, double maintenant) {
    if (dernier == 0) return 16;
    const double dt = maintenant - dernier;
    return dt > 100 ? 100 : dt > 0 ? dt : 0; // not a number: 0
}

bool parfait(const partie::Stats& s) {
    return s.hint == 0 && s.mix == 0 && s.undo == 0;
}

Bilan bilan(const partie::Partie& p) {
    const partie::BonusFin b = partie::bonusFin(p);
    Bilan r;
    r.temps = std::max<std::int64_t>(0, p.tempsMs) / 1000;
    r.parSeconde = partie::REGLES.bonusSeconde;
    r.pointsTemps = b.temps;
    r.aides = b.aides;
    r.parfait = parfait(p.stats) ? BONUS_PARFAIT : 0;
    r.restant = b.total + r.parfait;
    return r;
}

std::int64_t pasCompte(std::int64_t restant) {
    // ceil(restant / 30 / 100) hundreds.
    const std::int64_t centaines = restant > 0 ? (restant + 2999) / 3000 : 0;
    return std::max<std::int64_t>(100, centaines * 100);
}

const char* logoFin(bool parfait, int numero, bool douze) {
    if (parfait) return "perfect";
    return numero == 11 && douze ? "all_clear" : "stage_clear";
}

const char* decor(int numero) {
    static const char* const DECORS[] = {"marche", "pont", "temple", "port"};
    return DECORS[(std::max(0, numero) / 3) % 4];
}

const char* couleurCombo(int combo) {
    return combo >= 9 ? "rose" : combo >= 5 ? "blanc" : combo >= 3 ? "jade" : "or";
}

const char* couleurComboGlissant(int combo) {
    return combo >= 9 ? "rose" : combo >= 3 ? "jade" : "or";
}

RetourPaire retourPaire(int comboAffiche, int combo, bool fever) {
    RetourPaire r;
    r.couleur = couleurCombo(combo);
    r.style = combo >= 3 ? "rouge" : "or";
    // A combo held at its cap is no new step: fever, its flash and the duel
    // smoke come only when it is reached.
    r.nouveau = comboAffiche != combo;
    r.entreeFever = fever && r.nouveau;
    r.palier = r.nouveau && (combo == 3 || combo == 6 || combo == 9);
    r.voix = r.palier && combo != 9;
    r.secousse = !r.entreeFever && combo >= 4;
    r.pose = combo >= 3 ? "combo" : "joie";
    return r;
}

RetourGlissant retourGlissant(int combo) {
    RetourGlissant r;
    r.couleur = couleurComboGlissant(combo);
    r.voix = combo == 3 || combo == 6;
    r.secousse = combo >= 4;
    return r;
}

const char* poseRepos(bool urgence, int comboAffiche, int comboCourant) {
    if (urgence) return "peur";
    return comboAffiche >= 3 && comboCourant >= 3 ? "combo" : "attente";
}

} // namespace etape
