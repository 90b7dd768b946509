#include "borne/menupause.h"

#include <cmath>

namespace menupause {

namespace {

constexpr const char* T(const char* s) {
    return s;
}

constexpr int HAUT_LISTE = 70;
constexpr int PAS = 13;

} // namespace

QVector<Entree> entrees(bool bureau, bool aides, bool undo, bool apercu, bool plateauFini) {
    QVector<Entree> r;
    auto ajouter = [&r](const char* id, const char* nom) {
        r.append({QLatin1String(id), QLatin1String(nom)});
    };
    ajouter("reprendre", T("RESUME"));
    if (aides && !plateauFini) {
        ajouter("hint", T("HINT"));
        ajouter("mix", T("MIX"));
        if (undo) ajouter("undo", T("UNDO"));
        if (apercu) ajouter("peek", T("PEEK"));
    }
    ajouter("titre", T("QUIT TO TITLE"));
    if (bureau) ajouter("quitter", T("QUIT GAME"));
    return r;
}

int entreeTouchee(double x, double y, int taille) {
    if (!std::isfinite(x) || !std::isfinite(y) || x < 120 || x > 264) return -1;
    const double i = std::floor((y - HAUT_LISTE + 3) / PAS);
    return i >= 0 && i < taille ? static_cast<int>(i) : -1;
}

int reponseTouchee(double x, double y) {
    if (!(y >= 108 && y < 132) || !std::isfinite(x)) return -1;
    return x < 192 ? 0 : 1;
}

} // namespace menupause
