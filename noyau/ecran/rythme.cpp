#include "ecran/rythme.h"

#include <algorithm>

namespace rythme {

Pas bande(int images, int duree, bool boucle, bool tenir, Ms ecoule) {
    Pas p;
    const int n = std::max(1, images);
    if (n < 2 || duree <= 0) return p;
    const Ms cadre = std::max<Ms>(0, ecoule) / duree;
    if (boucle) {
        p.cadre = static_cast<int>(cadre % n);
        p.prochain = (cadre + 1) * duree;
    } else if (tenir && cadre >= n - 1) {
        p.cadre = n - 1;
        p.tenu = true;
    } else if (cadre >= n) {
        p.fini = true;
    } else {
        p.cadre = static_cast<int>(cadre);
        p.prochain = (cadre + 1) * duree;
    }
    return p;
}

Plan planifier(bool continu, Ms prochain, Ms maintenant, Ms repos) {
    Plan p;
    if (continu || repos < REPOS_AVANT_ARRET_MS) {
        p.images = true;
        return p;
    }
    if (prochain != JAMAIS) p.attente = std::max<Ms>(0, prochain - maintenant);
    return p;
}

} // namespace rythme
