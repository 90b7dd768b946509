#include "plateforme/qml/sauvegarde_qml.h"

#include "plateforme/qml/nuage_qml.h"
#include "plateforme/qml/stockage_qml.h"
#include "plateforme/qml/succes_qml.h"

#include <QtQml>

namespace {

template <typename T> QObject* creer(QQmlEngine*, QJSEngine*) {
    return new T();
}

} // namespace

void enregistrerSauvegarde() {
    qmlRegisterSingletonType<StockageQml>("Tessimora", 1, 0, "Stockage", creer<StockageQml>);
    qmlRegisterSingletonType<SuccesQml>("Tessimora", 1, 0, "Succes", creer<SuccesQml>);
    qmlRegisterSingletonType<NuageQml>("Tessimora", 1, 0, "Nuage", creer<NuageQml>);
}
