#include "moteur/qml/moteur_qml.h"

#include "moteur/qml/defi_qml.h"
#include "moteur/qml/dispositions_qml.h"
#include "moteur/qml/duel_qml.h"
#include "moteur/qml/etape_qml.h"
#include "moteur/qml/ia_qml.h"
#include "moteur/qml/partie_glissante_qml.h"
#include "moteur/qml/partie_qml.h"

#include <QtQml>

void enregistrerMoteur() {
    qmlRegisterType<PartieQml>("Tessimora", 1, 0, "Partie");
    qmlRegisterType<PartieGlissanteQml>("Tessimora", 1, 0, "PartieGlissante");
    // Only their values are read in QML: PrisePile.Paire, PriseGlissante.Paire,
    // CoupGlissant.Glisse.
    qRegisterMetaType<PrisePile>();
    qRegisterMetaType<MelangePile>();
    qRegisterMetaType<ActionIa>();
    qRegisterMetaType<RetourPaire>();
    qRegisterMetaType<RetourGlissant>();
    qRegisterMetaType<BilanPile>();
    qRegisterMetaType<PriseGlissante>();
    qRegisterMetaType<CoupGlissant>();
    qRegisterMetaType<IssueDuel>();
    qmlRegisterUncreatableMetaObject(PrisePile::staticMetaObject, "Tessimora", 1, 0, "PrisePile",
                                     QStringLiteral("a pick's result"));
    qmlRegisterUncreatableMetaObject(PriseGlissante::staticMetaObject, "Tessimora", 1, 0,
                                     "PriseGlissante", QStringLiteral("a pick's result"));
    qmlRegisterUncreatableMetaObject(CoupGlissant::staticMetaObject, "Tessimora", 1, 0,
                                     "CoupGlissant", QStringLiteral("a move of a solution"));
    qmlRegisterType<IaQml>("Tessimora", 1, 0, "Ia");
    qmlRegisterType<ArbitreDuelQml>("Tessimora", 1, 0, "ArbitreDuel");
    qmlRegisterSingletonType<DefiQml>(
        "Tessimora", 1, 0, "Defi", [](QQmlEngine*, QJSEngine*) -> QObject* { return new DefiQml; });
    qmlRegisterSingletonType<EtapeQml>(
        "Tessimora", 1, 0, "Etape",
        [](QQmlEngine*, QJSEngine*) -> QObject* { return new EtapeQml; });
    qmlRegisterSingletonType<DispositionsQml>(
        "Tessimora", 1, 0, "Dispositions",
        [](QQmlEngine*, QJSEngine*) -> QObject* { return new DispositionsQml; });
}
