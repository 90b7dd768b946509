#include "sauvegarde/qml/sauvegarde_qml.h"

#include "sauvegarde/qml/magasin_qml.h"
#include "sauvegarde/qml/stockage_qml.h"
#include "sauvegarde/qml/succes_qml.h"

#include <QtQml>

namespace {

template <typename T> QObject* creer(QQmlEngine*, QJSEngine*) {
    return new T();
}

} // namespace

void enregistrerSauvegarde() {
    qmlRegisterType<MagasinQml>("Tessimora", 1, 0, "Magasin");
    qmlRegisterSingletonType<StockageQml>("Tessimora", 1, 0, "Stockage", creer<StockageQml>);
    qmlRegisterSingletonType<SuccesQml>("Tessimora", 1, 0, "Succes", creer<SuccesQml>);
}
