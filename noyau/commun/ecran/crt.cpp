#include "commun/ecran/crt.h"

#include <QVariantMap>
#include <algorithm>
#include <cmath>

namespace crt {

int facteur(double largeur, double hauteur) {
    return affichage::facteur(largeur, hauteur, LARGEUR, HAUTEUR);
}

Point deformer(double nx, double ny, double force) {
    const double kx = 0.07 * force;
    const double ky = 0.11 * force;
    const double g = 1 + 0.024 * force;
    return {nx * (1 + kx * ny * ny) * g, ny * (1 + ky * nx * nx) * g};
}

std::optional<Point> versNatif(double px, double py, double l, double h, double force) {
    if (!std::isfinite(px) || !std::isfinite(py)) return std::nullopt;
    l = std::max(1.0, l);
    h = std::max(1.0, h);
    Point d{px / l * 2 - 1, py / h * 2 - 1};
    if (force > 0) d = deformer(d.x, d.y, force);
    if (d.x < -1 || d.x > 1 || d.y < -1 || d.y > 1) return std::nullopt;
    return Point{(d.x + 1) / 2 * LARGEUR, (d.y + 1) / 2 * HAUTEUR};
}

std::optional<Point> versJeu(double x, double y, double l, double h, double force,
                             const affichage::Geometrie& g) {
    l = std::max(1.0, l);
    h = std::max(1.0, h);
    if (!std::isfinite(x) || !std::isfinite(y)) return std::nullopt;
    // Without curvature the trip through -1..1 and back is the identity, but in
    // floating point it can land a hair left of the picture's first pixel and
    // lose a press on it; the window point is then used as it is.
    double wx = x;
    double wy = y;
    if (force > 0) {
        const auto p = versNatif(x, y, l, h, force);
        if (!p) return std::nullopt;
        wx = p->x / LARGEUR * l;
        wy = p->y / HAUTEUR * h;
    } else if (x < 0 || x > l || y < 0 || y > h) {
        return std::nullopt;
    }
    const double X = (wx - g.x) / g.sx;
    const double Y = (wy - g.y) / g.sy;
    // Written so that a NaN (a zero scale) is refused as well.
    if (!(X >= 0 && Y >= 0 && X < LARGEUR && Y < HAUTEUR)) return std::nullopt;
    return Point{X, Y};
}

namespace {

// Which sides of the rectangle of columns x0..x1-1 and rows y0..y1-1 have a
// pixel centre that reads the picture outside the margins. The curvature
// pushes a point further from the centre as the other coordinate grows, so
// each side is judged at the row (or column) of the rectangle that pushes it
// the most.
struct Cotes {
    bool gauche = false, droite = false, haut = false, bas = false;
    bool aucun() const { return !gauche && !droite && !haut && !bas; }
};

Cotes horsDeLImage(int x0, int y0, int x1, int y1, double l, double h, double force,
                   const affichage::Geometrie& g, double marge) {
    const double kx = 0.07 * force;
    const double ky = 0.11 * force;
    const double e = 1 + 0.024 * force;
    auto n = [](double pixel, double taille) { return (pixel + 0.5) / taille * 2 - 1; };
    const double gauche = n(x0, l), droite = n(x1 - 1, l);
    const double haut = n(y0, h), bas = n(y1 - 1, h);
    // Squares of the coordinate nearest to and furthest from the centre.
    auto carres = [](double a, double b) {
        const double proche = (a <= 0 && b >= 0) ? 0 : std::min(a * a, b * b);
        return std::pair<double, double>{proche, std::max(a * a, b * b)};
    };
    const auto [ny2Min, ny2Max] = carres(haut, bas);
    const auto [nx2Min, nx2Max] = carres(gauche, droite);
    auto natifX = [&](double nx, double ny2) {
        return ((nx * (1 + kx * ny2) * e + 1) / 2 * l - g.x) / g.sx;
    };
    auto natifY = [&](double ny, double nx2) {
        return ((ny * (1 + ky * nx2) * e + 1) / 2 * h - g.y) / g.sy;
    };
    // A little more than the pass's single precision can stray.
    constexpr double SURETE = 1e-3;
    Cotes c;
    c.gauche = !(natifX(gauche, gauche < 0 ? ny2Max : ny2Min) >= marge + SURETE);
    c.droite = !(natifX(droite, droite > 0 ? ny2Max : ny2Min) < LARGEUR - marge - SURETE);
    c.haut = !(natifY(haut, haut < 0 ? nx2Max : nx2Min) >= SURETE);
    c.bas = !(natifY(bas, bas > 0 ? nx2Max : nx2Min) < HAUTEUR - SURETE);
    return c;
}

void lireReel(const QVariantMap& m, const char* cle, double& champ) {
    const QVariant v = m.value(QLatin1String(cle));
    bool ok = false;
    const double d = v.toDouble(&ok);
    // Only true numbers: a text such as "0.3" in a settings record is damage.
    const bool nombre = v.userType() == QMetaType::Double || v.userType() == QMetaType::Int ||
                        v.userType() == QMetaType::LongLong || v.userType() == QMetaType::Float ||
                        v.userType() == QMetaType::UInt || v.userType() == QMetaType::ULongLong;
    if (nombre && ok && std::isfinite(d)) champ = std::clamp(d, 0.0, 1.0);
}

} // namespace

Rectangle interieur(double l, double h, double force, const affichage::Geometrie& g, double marge) {
    const int L = static_cast<int>(std::max(1.0, std::floor(l)));
    const int H = static_cast<int>(std::max(1.0, std::floor(h)));
    if (!(g.sx > 0 && g.sy > 0) || !std::isfinite(g.x) || !std::isfinite(g.y)) return {};
    // Start from the picture's own pixels, then pull in whichever side still
    // reads outside: shrinking a side never makes another one worse.
    int x0 = std::clamp(static_cast<int>(std::ceil(g.x)), 0, L);
    int x1 = std::clamp(static_cast<int>(std::floor(g.x + g.sx * LARGEUR)), 0, L);
    int y0 = std::clamp(static_cast<int>(std::ceil(g.y)), 0, H);
    int y1 = std::clamp(static_cast<int>(std::floor(g.y + g.sy * HAUTEUR)), 0, H);
    while (x0 < x1 && y0 < y1) {
        const Cotes c = horsDeLImage(x0, y0, x1, y1, l, h, force, g, marge);
        if (c.aucun()) break;
        x0 += c.gauche;
        x1 -= c.droite;
        y0 += c.haut;
        y1 -= c.bas;
    }
    if (x0 >= x1 || y0 >= y1) return {};
    // A side pulled in early, while the others still pushed it out, may have
    // room again: give back what still fits.
    auto bon = [&](int a, int b, int c, int d) {
        return horsDeLImage(a, b, c, d, l, h, force, g, marge).aucun();
    };
    for (bool encore = true; encore;) {
        encore = false;
        if (x0 > 0 && bon(x0 - 1, y0, x1, y1)) --x0, encore = true;
        if (x1 < L && bon(x0, y0, x1 + 1, y1)) ++x1, encore = true;
        if (y0 > 0 && bon(x0, y0 - 1, x1, y1)) --y0, encore = true;
        if (y1 < H && bon(x0, y0, x1, y1 + 1)) ++y1, encore = true;
    }
    return {x0, y0, x1 - x0, y1 - y0};
}

Reglages lireReglages(const QVariant& v) {
    Reglages r;
    const QVariantMap m = v.toMap();
    const QVariant actif = m.value(QStringLiteral("actif"));
    if (actif.userType() == QMetaType::Bool) r.actif = actif.toBool();
    lireReel(m, "balayage", r.balayage);
    lireReel(m, "lueur", r.lueur);
    lireReel(m, "courbure", r.courbure);
    lireReel(m, "masque", r.masque);
    lireReel(m, "vignette", r.vignette);
    return r;
}

Effectifs effectifs(const Reglages& r) {
    if (!r.actif) return {0, 0, 0, 0, 0, 0};
    return {1, r.balayage, r.lueur, r.courbure, r.masque, r.vignette};
}

} // namespace crt
