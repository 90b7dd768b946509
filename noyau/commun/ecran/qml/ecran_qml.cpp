#include "commun/ecran/qml/ecran_qml.h"

#include "commun/ecran/qml/affichage_qml.h"
#include "commun/ecran/qml/crt_qml.h"
#include "commun/ecran/qml/tube_qml.h"

#include <QtQml>

void enregistrerEcran() {
    qmlRegisterSingletonType<AffichageQml>(
        "Tessimora", 1, 0, "Affichage",
        [](QQmlEngine*, QJSEngine*) -> QObject* { return new AffichageQml; });
    qmlRegisterSingletonType<CrtQml>(
        "Tessimora", 1, 0, "Crt", [](QQmlEngine*, QJSEngine*) -> QObject* { return new CrtQml; });
    qmlRegisterType<TubeQml>("Tessimora", 1, 0, "Tube");
}
