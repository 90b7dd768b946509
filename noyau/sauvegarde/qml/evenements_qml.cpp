#include "sauvegarde/qml/evenements_qml.h"

#include "sauvegarde/json.h"
#include "sauvegarde/qml/js_qml.h"

#include <QQmlEngine>

QString EvenementJeu::mode() const {
    return e_.mode ? QLatin1String(motDe(*e_.mode).data()) : QString();
}

std::optional<evenements::Evenement> evenementDe(const QVariant& v) {
    if (v.userType() == qMetaTypeId<EvenementJeu>()) return v.value<EvenementJeu>().evenement();
    if (v.userType() == qMetaTypeId<QJSValue>())
        return evenements::lire(json::objet(js::versJson(v.value<QJSValue>())));
    return evenements::lire(QJsonObject::fromVariantMap(v.toMap()));
}

EvenementJeu EvenementsQml::paire(double combo, bool jumelle, bool fever) const {
    return EvenementJeu(evenements::paire(combo, jumelle, fever));
}

EvenementJeu EvenementsQml::partie(int mode, double score) const {
    return EvenementJeu(evenements::partie(Mode(mode), score));
}

EvenementJeu EvenementsQml::simple(int sorte) const {
    return EvenementJeu(evenements::simple(evenements::Sorte(sorte)));
}

EvenementJeu EvenementsQml::scene(const QString& nom) const {
    return EvenementJeu(evenements::scene(nom));
}

EvenementJeu EvenementsQml::aide(const QString& nom) const {
    return EvenementJeu(evenements::aide(nom));
}

EvenementJeu EvenementsQml::duel(int ia, int gagnant) const {
    return EvenementJeu(evenements::duel(ia, gagnant));
}

EvenementJeu EvenementsQml::glissant(int niveau) const {
    return EvenementJeu(evenements::glissant(niveau));
}

QVariantMap EvenementsQml::forme(const QVariant& ev) const {
    const std::optional<evenements::Evenement> e = evenementDe(ev);
    return e ? evenements::ecrire(*e).toVariantMap() : QVariantMap();
}

void enregistrerEvenements() {
    qRegisterMetaType<EvenementJeu>();
    qmlRegisterUncreatableMetaObject(EvenementJeu::staticMetaObject, "Tessimora", 1, 0,
                                     "EvenementJeu", QStringLiteral("a game event"));
    qmlRegisterSingletonType<EvenementsQml>(
        "Tessimora", 1, 0, "Evenements",
        [](QQmlEngine*, QJSEngine*) -> QObject* { return new EvenementsQml; });
}
