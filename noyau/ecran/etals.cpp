#include "ecran/etals.h"

#include <cmath>

namespace etals {

namespace {

// Floor division, for sizes that may not fit the screen.
int moitie(int n) {
    return static_cast<int>(std::floor(n / 2.0));
}

} // namespace

plateau::Point origine(int l, int h) {
    return {moitie(LARGEUR_ECRAN - l * PAS_X), BANDE_Y + moitie(BANDE_HAUTEUR - h * PAS_Y)};
}

plateau::Point coin(int l, int h, int i) {
    const plateau::Point o = origine(l, h);
    if (l < 1 || i < 0) return o;
    return {o.x + (i % l) * PAS_X, o.y + (i / l) * PAS_Y};
}

int caseSous(int l, int h, double x, double y) {
    const plateau::Point o = origine(l, h);
    if (l < 1 || h < 1 || !std::isfinite(x) || !std::isfinite(y)) return -1;
    const double cx = std::floor((x - o.x) / PAS_X), cy = std::floor((y - o.y) / PAS_Y);
    if (cx < 0 || cy < 0 || cx >= l || cy >= h) return -1;
    return static_cast<int>(cy) * l + static_cast<int>(cx);
}

int pasGlisse(double dx) {
    if (dx >= PAS_X) return 1;
    if (dx <= -PAS_X) return -1;
    return 0;
}

} // namespace etals
