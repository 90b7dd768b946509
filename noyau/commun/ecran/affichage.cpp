#include "commun/ecran/affichage.h"

#include <algorithm>
#include <cmath>

namespace affichage {

const QStringList MODES = {QStringLiteral("entier"), QStringLiteral("remplir"),
                           QStringLiteral("etirer")};

namespace {
// Far beyond any real screen; keeps the conversion to int defined when a
// caller hands in a zero-sized picture.
constexpr double FACTEUR_MAX = 1 << 20;
} // namespace

int facteur(double l, double h, double L, double H) {
    const double q = std::floor(std::min(l / L, h / H));
    // Written so that NaN (0 / 0) falls to the minimum scale.
    if (!(q >= 1)) return 1;
    return static_cast<int>(std::min(q, FACTEUR_MAX));
}

QString mode(const QString& reglage, double l, double h, double L, double H, bool boite) {
    if (MODES.contains(reglage)) return reglage;
    const int k = facteur(l, h, L, H);
    if (boite || (L * k == l && H * k == h)) return QStringLiteral("entier");
    // The order of the divisions matters: 1008 x 560 must land just above the
    // tolerance, exactly as players on other builds of the game see it.
    const double e = (l / h) / (L / H);
    if (std::fabs(e - 1) <= 0.05) return QStringLiteral("etirer");
    return QStringLiteral("remplir");
}

Geometrie geometrie(const QString& m, double l, double h, double L, double H) {
    Geometrie g;
    g.mode = m;
    if (m == QLatin1String("entier")) {
        g.sx = g.sy = facteur(l, h, L, H);
        g.x = std::floor((l - L * g.sx) / 2);
        g.y = std::floor((h - H * g.sy) / 2);
    } else if (m == QLatin1String("etirer")) {
        g.sx = l / L;
        g.sy = h / H;
    } else {
        g.sx = g.sy = std::min(l / L, h / H);
        g.x = (l - L * g.sx) / 2;
        g.y = (h - H * g.sy) / 2;
    }
    g.largeur = L * g.sx;
    g.hauteur = H * g.sy;
    return g;
}

double couverture(const Geometrie& g, double l, double h) {
    if (!(l > 0 && h > 0)) return 0;
    // Only the part of the picture inside the window counts: a picture cropped
    // by a small window covers all of it, not more than all of it.
    const double vx = std::max(0.0, std::min(g.x + g.largeur, l) - std::max(g.x, 0.0));
    const double vy = std::max(0.0, std::min(g.y + g.hauteur, h) - std::max(g.y, 0.0));
    return std::clamp(vx * vy / (l * h), 0.0, 1.0);
}

} // namespace affichage
