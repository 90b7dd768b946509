// Runs the Qt Quick Tests with the game's own C++ types, import path and
// resources, so a scene under test is the scene the game runs.
#include "enregistrement.h"

#include <QCoreApplication>
#include <QQmlContext>
#include <QQmlEngine>
#include <QtQuickTest>

class Preparation : public QObject {
    Q_OBJECT

public slots:
    void applicationAvailable() {
        QCoreApplication::setOrganizationName(QStringLiteral("BRONTELVIK"));
        QCoreApplication::setApplicationName(QStringLiteral("Tessimora-essais"));
        enregistrerTypes();
    }
    void qmlEngineAvailable(QQmlEngine* moteur) {
        moteur->addImportPath(QStringLiteral("qrc:/hote/qml"));
        moteur->rootContext()->setContextProperty(QStringLiteral("tessimoraHote"),
                                                  QStringLiteral("linux"));
    }
};

QUICK_TEST_MAIN_WITH_SETUP(tessimora, Preparation)

#include "principal.moc"
