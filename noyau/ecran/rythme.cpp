#include "ecran/rythme.h"

#include <algorithm>
#include <cmath>

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

Ms debutAligne(Ms maintenant, int duree) {
    if (duree <= 0 || maintenant < 0) return maintenant;
    return maintenant - maintenant % duree;
}

namespace {
// A speed read from a table (5 pixels a second) times a whole number of ms
// lands on whole pixels exactly, whatever the rounding of the product.
constexpr double EPSILON = 1e-9;
} // namespace

std::int64_t pixels(Ms ecoule, double vitesse) {
    if (!(vitesse > 0) || ecoule <= 0) return 0;
    return static_cast<std::int64_t>(
        std::floor(static_cast<double>(ecoule) * vitesse / 1000 + EPSILON));
}

Ms pixelSuivant(Ms ecoule, double vitesse) {
    // Slower than a pixel in 2^40 ms is standing still.
    if (!(vitesse > 1e-9)) return JAMAIS;
    ecoule = std::max<Ms>(0, ecoule);
    const std::int64_t p = pixels(ecoule, vitesse);
    Ms t = static_cast<Ms>(std::ceil((static_cast<double>(p + 1) - EPSILON) * 1000 / vitesse));
    t = std::max(t, ecoule + 1);
    // The division may land a ms short or long of the step; pixels() decides.
    while (t > ecoule + 1 && pixels(t - 1, vitesse) > p)
        --t;
    while (pixels(t, vitesse) <= p)
        ++t;
    return t;
}

Ms tempsDuTour(Ms maintenant, Ms dernier, bool reveil) {
    return std::max(dernier, maintenant + (reveil ? AVANCE_REVEIL_MS : 0));
}

Ms departDefilement(Ms maintenant, Ms ecoule) {
    return debutAligne(maintenant - ecoule, PAS_DEFILEMENT_MS);
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
