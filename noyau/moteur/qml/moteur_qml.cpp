#include "moteur/qml/moteur_qml.h"

#include "moteur/qml/defi_qml.h"
#include "moteur/qml/ia_qml.h"
#include "moteur/qml/partie_qml.h"

#include <QtQml>

void enregistrerMoteur() {
    qmlRegisterType<PartieQml>("Tessimora", 1, 0, "Partie");
    qmlRegisterType<IaQml>("Tessimora", 1, 0, "Ia");
    qmlRegisterSingletonType<DefiQml>("Tessimora", 1, 0, "Defi",
                                      [](QQmlEngine*, QJSEngine*) -> QObject* {
                                          return new DefiQml;
                                      });
}
