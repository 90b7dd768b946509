#include "plateforme/qml/plateforme_qml.h"

#include "plateforme/qml/classements_qml.h"
#include "plateforme/qml/couche_qml.h"
#include "plateforme/qml/nuage_qml.h"
#include "plateforme/qml/presence_qml.h"

#include <QtQml>

namespace {

template <typename T> QObject* creer(QQmlEngine*, QJSEngine*) {
    return new T();
}

} // namespace

void enregistrerPlateforme() {
    qmlRegisterSingletonType<NuageQml>("Tessimora", 1, 0, "Nuage", creer<NuageQml>);
    qmlRegisterSingletonType<CoucheQml>("Tessimora", 1, 0, "Couche", creer<CoucheQml>);
    qmlRegisterSingletonType<PresenceQml>("Tessimora", 1, 0, "Presence", creer<PresenceQml>);
    qmlRegisterSingletonType<ClassementsQml>("Tessimora", 1, 0, "Classements",
                                             creer<ClassementsQml>);
}
