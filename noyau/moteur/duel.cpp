#include "moteur/duel.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace duel {

const dispositions::Disposition& disposition(double graine) {
    const long n = static_cast<long>(dispositions::DUEL.size());
    long k = std::isfinite(graine) ? static_cast<long>(std::fmod(std::trunc(graine), n)) : 0;
    if (k < 0) k += n;
    return dispositions::DUEL[static_cast<std::size_t>(k)];
}

bool finJoueur(Arbitre& a, int n, partie::Etat etat, double s1, double s2) {
    if (!a.joue || (n != 1 && n != 2)) return false;
    if (etat == partie::Etat::Gagne) {
        a.joue = false;
        a.gagnant = n;
        return true;
    }
    if (etat != partie::Etat::Temps && etat != partie::Etat::Impasse) return false;
    (n == 1 ? a.fin1 : a.fin2) = true;
    if (!a.fin1 || !a.fin2) return false;
    a.joue = false;
    a.gagnant = s1 > s2 ? 1 : s2 > s1 ? 2 : 0;
    return true;
}

const char* logo(int gagnant, int n) {
    return gagnant != 0 && gagnant != n ? "lose" : "win";
}

const char* musique(int gagnant, bool contreIa) {
    return contreIa && gagnant == 2 ? "defaite" : "victoire";
}

Issue issue(int niveauIa, int gagnant, double score, int rang) {
    Issue r;
    if (niveauIa < 0 || gagnant != 1) return r;
    r.compte = true;
    r.etape = std::min(niveauIa, 2) + 1;
    // Shown scores are whole; the bound only keeps the conversion defined.
    const double plafond = std::numeric_limits<int>::max();
    r.score = std::isfinite(score) && score > 0
                  ? static_cast<int>(std::min(std::floor(score), plafond))
                  : 0;
    r.saisie = r.score > 0 && rang >= 0;
    return r;
}

} // namespace duel
