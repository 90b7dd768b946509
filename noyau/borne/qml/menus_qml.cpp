#include "menus_qml.h"

#include "borne/aide.h"
#include "borne/menu.h"
#include "borne/menupause.h"

#include <QQmlEngine>
#include <cmath>

namespace {

// The progression as the memory holds it, already validated: what it opens.
menu::Ouvertures ouvertures(const QVariant& progression, bool extrasOuverts) {
    menu::Ouvertures o;
    o.code = extrasOuverts;
    const QVariantMap p = progression.toMap();
    const double max = p.value(QStringLiteral("etapeMax")).toDouble();
    o.etapeMax = std::isfinite(max) ? static_cast<int>(std::floor(max)) : 0;
    for (const QVariant& v : p.value(QStringLiteral("etapesVues")).toList()) {
        const double e = v.toDouble();
        if (std::isfinite(e)) o.etapesVues.append(static_cast<int>(std::floor(e)));
    }
    const QVariantMap extras = p.value(QStringLiteral("extras")).toMap();
    for (auto it = extras.begin(); it != extras.end(); ++it)
        if (it.value().userType() == QMetaType::Bool && it.value().toBool())
            o.drapeaux.insert(it.key());
    return o;
}

QString texte(const char* s) {
    return s ? QString::fromUtf8(s) : QString();
}

} // namespace

int MenusQml::ecartAide() const {
    return aide::ECART;
}

QVariantList MenusQml::decouper(const QString& texte, const QVariant& touches) const {
    QMap<QString, QString> etiquettes;
    const QVariantMap m = touches.toMap();
    for (auto it = m.begin(); it != m.end(); ++it)
        if (it.value().canConvert<QString>()) etiquettes.insert(it.key(), it.value().toString());
    QVariantList r;
    for (const aide::Morceau& p : aide::decouper(texte, etiquettes))
        r.append(
            QVariantMap{{QStringLiteral("texte"), p.texte}, {QStringLiteral("touche"), p.touche}});
    return r;
}

QVariantList MenusQml::entrees(const QVariant& progression, bool extrasOuverts) const {
    const menu::Ouvertures o = ouvertures(progression, extrasOuverts);
    QVariantList r;
    for (int i = 0; i < menu::NOMBRE; ++i) {
        const menu::Entree& e = menu::ENTREES[i];
        const bool ouverte = menu::ouverte(i, o);
        r.append(QVariantMap{{QStringLiteral("id"), texte(e.id)},
                             {QStringLiteral("icone"), texte(e.icone)},
                             {QStringLiteral("nom"), texte(e.nom)},
                             {QStringLiteral("ligne1"),
                              texte(ouverte || !e.ligne1Fermee ? e.ligne1 : e.ligne1Fermee)},
                             {QStringLiteral("ligne2"),
                              texte(ouverte || !e.ligne2Fermee ? e.ligne2 : e.ligne2Fermee)},
                             {QStringLiteral("ouverte"), ouverte}});
    }
    return r;
}

QVariantList MenusQml::listeDe(const QString& id, const QVariant& progression, bool extrasOuverts,
                               bool deuxJoueurs) const {
    QVariantList r;
    for (const menu::Article& a :
         menu::listeDe(id, ouvertures(progression, extrasOuverts), deuxJoueurs))
        r.append(QVariantMap{{QStringLiteral("nom"), a.nom},
                             {QStringLiteral("valeurs"), a.valeurs},
                             {QStringLiteral("options"), a.options},
                             {QStringLiteral("ouvert"), a.ouvert}});
    return r;
}

int MenusQml::curseurDe(const QString& id, int taille, int niveauIa) const {
    return menu::curseurDe(id, taille, niveauIa);
}

int MenusQml::decalage(int choix) const {
    return menu::decalage(choix);
}

int MenusQml::lanterneTouchee(double x, double y, int decalage) const {
    return menu::lanterneTouchee(x, y, decalage);
}

QPointF MenusQml::placeArticle(int k, int taille) const {
    const menu::Place p = menu::placeArticle(k, taille);
    return QPointF(p.x, p.y);
}

int MenusQml::articleTouche(double x, double y, int taille) const {
    return menu::articleTouche(x, y, taille);
}

QVariantList MenusQml::entreesPause(bool bureau, bool aides, bool undo, bool apercu,
                                    bool plateauFini) const {
    QVariantList r;
    for (const menupause::Entree& e : menupause::entrees(bureau, aides, undo, apercu, plateauFini))
        r.append(QVariantMap{{QStringLiteral("id"), e.id}, {QStringLiteral("nom"), e.nom}});
    return r;
}

int MenusQml::entreePauseTouchee(double x, double y, int taille) const {
    return menupause::entreeTouchee(x, y, taille);
}

int MenusQml::reponseTouchee(double x, double y) const {
    return menupause::reponseTouchee(x, y);
}

void enregistrerMenus() {
    qmlRegisterSingletonType<MenusQml>(
        "Tessimora", 1, 0, "Menus",
        [](QQmlEngine*, QJSEngine*) -> QObject* { return new MenusQml; });
}
