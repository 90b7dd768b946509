#include "ecran/qml/dessin_nombre_qml.h"

#include "ecran/police.h"
#include "ecran/qml/remplacer.h"

#include <algorithm>

DessinNombreQml::DessinNombreQml(QQuickItem* parent) : DessinQml(parent) {
    setImplicitHeight(CADRE_H);
}

void DessinNombreQml::setTexte(const QString& v) {
    if (!remplacer(texte_, v)) return;
    emit texteChanged();
    redisposer();
}

void DessinNombreQml::setStyle(const QString& v) {
    if (!remplacer(style_, v)) return;
    emit styleChanged();
    redisposer();
}

QString DessinNombreQml::bande() const {
    static const QStringList styles{QStringLiteral("or"), QStringLiteral("blanc"),
                                    QStringLiteral("rouge"), QStringLiteral("jade")};
    return QStringLiteral("chiffres_") +
           (styles.contains(style_) ? style_ : QStringLiteral("blanc"));
}

void DessinNombreQml::disposer() {
    const QString fichier = QStringLiteral("images/anim/") + bande() + QStringLiteral(".png");
    pieces_.clear();
    for (int i = 0; i < texte_.size(); ++i) {
        const int cadre = std::max(0, static_cast<int>(police::chiffres().indexOf(texte_.at(i))));
        ajouter(fichier, {AVANCE * i, 0}, QRect(CADRE_L * cadre, 0, CADRE_L, CADRE_H));
    }
    setImplicitWidth(texte_.isEmpty() ? 0 : AVANCE * texte_.size() + 3);
}
