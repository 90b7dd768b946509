#pragma once

#include <QObject>
#include <QStringList>
#include <QVariant>

// The scenes' face of the display-mode rules (singleton `Affichage`).
class AffichageQml : public QObject {
    Q_OBJECT
    Q_PROPERTY(QStringList MODES READ modes CONSTANT)

public:
    using QObject::QObject;

    QStringList modes() const;

    Q_INVOKABLE int facteur(double l, double h, double L, double H) const;
    // `reglage` may be anything a settings record holds; only a mode name counts.
    Q_INVOKABLE QString mode(const QVariant& reglage, double l, double h, double L, double H,
                             bool boite) const;
    // { mode, sx, sy, x, y, largeur, hauteur }
    Q_INVOKABLE QVariantMap geometrie(const QString& m, double l, double h, double L,
                                      double H) const;
    Q_INVOKABLE double couverture(const QVariant& g, double l, double h) const;
};
