#include "ecran/qml/police_qml.h"

#include "ecran/qml/dessin_nombre_qml.h"
#include "ecran/qml/dessin_texte_qml.h"
#include "i18n/index.h"

#include <QVariantList>
#include <QtQml>

const police::SousEnsembles& sousEnsemblesDuJeu() {
    return langue::indexDuJeu().cjk;
}

namespace {

QVariantList liste(const QVector<int>& v) {
    QVariantList l;
    l.reserve(v.size());
    for (const int e : v)
        l.append(e);
    return l;
}

} // namespace

QVariantMap enregistrement(const police::Mise& m) {
    return {{QStringLiteral("x"), liste(m.x)},
            {QStringLiteral("y"), liste(m.y)},
            {QStringLiteral("src"), m.src},
            {QStringLiteral("n"), m.n},
            {QStringLiteral("largeur"), m.largeur}};
}

int PoliceQml::avance() const {
    return police::AVANCE;
}
int PoliceQml::avanceLarge() const {
    return police::AVANCE_LARGE;
}
int PoliceQml::haut() const {
    return police::HAUT;
}
QString PoliceQml::caracteres() const {
    return police::caracteres();
}
QString PoliceQml::chiffres() const {
    return police::chiffres();
}
QStringList PoliceQml::styles() const {
    return police::styles();
}

bool PoliceQml::large(const QString& c) const {
    return !c.isEmpty() && police::large(c.at(0).unicode());
}

QString PoliceQml::majuscules(const QString& s) const {
    return police::majuscules(s);
}

QString PoliceQml::dossierLarge(const QString& ch, const QString& langue) const {
    return ch.isEmpty() ? QString() : police::dossierLarge(ch.at(0), langue, sousEnsemblesDuJeu());
}

QVariantMap PoliceQml::disposer(const QString& texte, const QString& style,
                                const QString& langue) const {
    return enregistrement(police::disposer(texte, style, langue, sousEnsemblesDuJeu()));
}

int PoliceQml::largeur(const QString& texte) const {
    return police::largeur(texte);
}

void enregistrerPolice() {
    qmlRegisterSingletonType<PoliceQml>(
        "Tessimora", 1, 0, "Police",
        [](QQmlEngine*, QJSEngine*) -> QObject* { return new PoliceQml; });
    qmlRegisterType<DessinTexteQml>("Tessimora", 1, 0, "DessinTexte");
    qmlRegisterType<DessinNombreQml>("Tessimora", 1, 0, "DessinNombre");
}
