#include "commun/ecran/qml/affichage_qml.h"

#include "commun/ecran/affichage.h"
#include "commun/ecran/qml/vers_qml.h"

QStringList AffichageQml::modes() const {
    return affichage::MODES;
}

int AffichageQml::facteur(double l, double h, double L, double H) const {
    return affichage::facteur(l, h, L, H);
}

QString AffichageQml::mode(const QVariant& reglage, double l, double h, double L, double H,
                           bool boite) const {
    const QString texte = reglage.userType() == QMetaType::QString ? reglage.toString() : QString();
    return affichage::mode(texte, l, h, L, H, boite);
}

QVariantMap AffichageQml::geometrie(const QString& m, double l, double h, double L,
                                    double H) const {
    return versqml::geometrie(affichage::geometrie(m, l, h, L, H));
}

double AffichageQml::couverture(const QVariant& g, double l, double h) const {
    return affichage::couverture(versqml::lireGeometrie(g), l, h);
}
