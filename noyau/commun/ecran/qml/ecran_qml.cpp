#include "commun/ecran/qml/enregistrerecran.h"

#include "commun/ecran/qml/affichageqml.h"
#include "commun/ecran/qml/crtqml.h"

#include <QtQml>

void enregistrerEcran() {
    qmlRegisterSingletonType<AffichageQml>(
        "Tessimora", 1, 0, "Affichage",
        [](QQmlEngine*, QJSEngine*) -> QObject* { return new AffichageQml; });
    qmlRegisterSingletonType<CrtQml>("Tessimora", 1, 0, "Crt",
                                     [](QQmlEngine*, QJSEngine*) -> QObject* { return new CrtQml; });
}
