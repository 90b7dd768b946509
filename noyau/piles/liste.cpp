#include "piles/liste.h"

#include <algorithm>
#include <cmath>

namespace liste {

int deplacer(int choix, const QString& action, int n, int vus) {
    if (n <= 0) return -1;
    choix = std::clamp(choix, 0, n - 1);
    if (action == QLatin1String("haut")) return (choix + n - 1) % n;
    if (action == QLatin1String("bas")) return (choix + 1) % n;
    if (action == QLatin1String("gauche")) return std::max(0, choix - vus);
    if (action == QLatin1String("droite")) return std::min(n - 1, choix + vus);
    return -1;
}

int premierePourVoir(int premiere, int choix, int n, int vus) {
    const int haut = std::max(0, n - vus);
    premiere = std::clamp(premiere, 0, haut);
    choix = std::clamp(choix, 0, std::max(0, n - 1));
    if (choix < premiere) return choix;
    if (choix >= premiere + vus) return std::min(haut, choix - vus + 1);
    return premiere;
}

int rangTouche(double y, int haut, int pas, int premiere, int n, int vus) {
    if (!std::isfinite(y) || y < haut || pas <= 0) return -1;
    const double k = std::floor((y - haut) / pas);
    if (k >= vus) return -1;
    const int rang = premiere + static_cast<int>(k);
    return rang < n ? rang : -1;
}

} // namespace liste
