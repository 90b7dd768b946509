#include "borne/sontest.h"

#include <algorithm>
#include <cmath>

namespace sontest {

namespace {

// Marks a catalogue key; the scene translates it when it shows it.
constexpr const char* T(const char* s) {
    return s;
}

constexpr double BANDE_RETOUR = 196;
constexpr double BORD_GAUCHE = 120;
constexpr double BORD_DROIT = 264;
constexpr int JEU_MINIMUM_MS = 400;

} // namespace

int nombre() {
    return static_cast<int>(catalogue::pistes().size());
}

const catalogue::Piste* piste(int choix) {
    if (choix < 0 || choix >= nombre()) return nullptr;
    return &catalogue::pistes()[static_cast<std::size_t>(choix)];
}

int deplacer(int choix, const QString& action) {
    int pas = 0;
    if (action == QLatin1String("gauche") || action == QLatin1String("haut"))
        pas = -1;
    else if (action == QLatin1String("droite") || action == QLatin1String("bas"))
        pas = 1;
    else
        return -1;
    const int n = nombre();
    return (((choix + pas) % n) + n) % n;
}

QString numero(const catalogue::Piste& p) {
    return QStringLiteral("%1").arg(p.numero, 2, 10, QLatin1Char('0'));
}

QString genre(const catalogue::Piste& p) {
    if (p.type == QLatin1String("musique")) return QLatin1String(T("MUSIC"));
    if (p.type == QLatin1String("jingle")) return QLatin1String(T("JINGLE"));
    if (p.type == QLatin1String("voix")) return QLatin1String(T("VOICE"));
    return QLatin1String(T("SOUND"));
}

QString duree(const catalogue::Piste& p) {
    return QString::number(p.duree, 'f', 1);
}

bool surMusique(const catalogue::Piste& p) {
    return p.type == QLatin1String("musique") || p.type == QLatin1String("jingle");
}

int dureeJeu(const catalogue::Piste& p) {
    return std::max(JEU_MINIMUM_MS, static_cast<int>(std::lround(p.duree * 1000)));
}

QString actionTouchee(double x, double y) {
    if (!std::isfinite(x) || !std::isfinite(y)) return {};
    if (y > BANDE_RETOUR) return QStringLiteral("retour");
    if (x < BORD_GAUCHE) return QStringLiteral("gauche");
    if (x > BORD_DROIT) return QStringLiteral("droite");
    return QStringLiteral("ok");
}

} // namespace sontest
