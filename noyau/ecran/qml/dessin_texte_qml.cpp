#include "ecran/qml/dessin_texte_qml.h"

#include "ecran/qml/police_qml.h"
#include "ecran/qml/remplacer.h"

DessinTexteQml::DessinTexteQml(QQuickItem* parent) : DessinQml(parent) {
    setImplicitHeight(7);
}

void DessinTexteQml::changer(QString& membre, const QString& v) {
    if (remplacer(membre, v)) redisposer();
}

void DessinTexteQml::setTexte(const QString& v) {
    changer(texte_, v);
}
void DessinTexteQml::setStyle(const QString& v) {
    changer(style_, v);
}
void DessinTexteQml::setLangue(const QString& v) {
    changer(langue_, v);
}
void DessinTexteQml::setLangueCourante(const QString& v) {
    changer(langueCourante_, v);
}

QVariantMap DessinTexteQml::mise() const {
    return enregistrement(mise_);
}

void DessinTexteQml::disposer() {
    mise_ = police::disposer(texte_, style_, langue_.isEmpty() ? langueCourante_ : langue_,
                             sousEnsemblesDuJeu());
    pieces_.clear();
    for (int i = 0; i < mise_.n; ++i)
        ajouter(mise_.src[i], {mise_.x[i], mise_.y[i]});
    setImplicitWidth(mise_.largeur);
    emit miseChanged();
}
