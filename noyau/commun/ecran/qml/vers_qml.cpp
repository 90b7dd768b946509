#include "commun/ecran/qml/vers_qml.h"

#include <QJSValue>
#include <cmath>

namespace versqml {

QVariantMap table(const QVariant& v) {
    if (v.userType() == qMetaTypeId<QJSValue>()) return v.value<QJSValue>().toVariant().toMap();
    return v.toMap();
}

QVariantMap geometrie(const affichage::Geometrie& g) {
    return {{QStringLiteral("mode"), g.mode},
            {QStringLiteral("sx"), g.sx},
            {QStringLiteral("sy"), g.sy},
            {QStringLiteral("x"), g.x},
            {QStringLiteral("y"), g.y},
            {QStringLiteral("largeur"), g.largeur},
            {QStringLiteral("hauteur"), g.hauteur}};
}

affichage::Geometrie lireGeometrie(const QVariant& v) {
    const QVariantMap m = table(v);
    affichage::Geometrie g;
    const auto reel = [&m](const char* cle, double defaut) {
        bool ok = false;
        const double d = m.value(QLatin1String(cle)).toDouble(&ok);
        return ok && std::isfinite(d) ? d : defaut;
    };
    g.mode = m.value(QStringLiteral("mode")).toString();
    g.sx = reel("sx", 1);
    g.sy = reel("sy", 1);
    g.x = reel("x", 0);
    g.y = reel("y", 0);
    g.largeur = reel("largeur", 0);
    g.hauteur = reel("hauteur", 0);
    return g;
}

} // namespace versqml
