#include "borne/lancement.h"

#include <cmath>

namespace lancement {

namespace {

// A whole number as the scenes read one: the integer part of a decimal text.
std::optional<int> nombre(const std::optional<QString>& texte) {
    if (!texte) return std::nullopt;
    bool ok = false;
    const double v = texte->toDouble(&ok);
    if (!ok || !std::isfinite(v) || std::fabs(v) > 1e9) return std::nullopt;
    return static_cast<int>(v);
}

} // namespace

std::optional<QString> valeur(const QStringList& arguments, const QString& nom) {
    const QString debut = QStringLiteral("--") + nom + QLatin1Char('=');
    for (const QString& a : arguments)
        if (a.startsWith(debut)) return a.mid(debut.size());
    return std::nullopt;
}

Lancement lire(const QStringList& arguments) {
    Lancement l;
    l.scene = valeur(arguments, QStringLiteral("scene")).value_or(QString());
    std::optional<Mode> defaut;
    if (l.scene == QLatin1String("partie")) defaut = Mode::Night;
    if (l.scene == QLatin1String("duel")) defaut = Mode::Duel;
    if (l.scene == QLatin1String("glissant")) defaut = Mode::Sliding;
    if (defaut) {
        const QString mot = valeur(arguments, QStringLiteral("mode")).value_or(QString());
        const std::optional<Mode> m = modeDe(mot.toStdString());
        l.mode = m && *m != Mode::Demo ? m : defaut;
    }
    l.pile = valeur(arguments, QStringLiteral("pile")).value_or(QString());
    if (!l.pile.isEmpty() && !l.mode && l.scene.isEmpty()) l.mode = Mode::Salon;
    l.etape = std::max(0, nombre(valeur(arguments, QStringLiteral("etape"))).value_or(0));
    l.pilote = nombre(valeur(arguments, QStringLiteral("pilote"))).value_or(-1);
    return l;
}

} // namespace lancement
