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
