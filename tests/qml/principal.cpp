// Runs the Qt Quick Tests with the game's own C++ types, import path and
// resources, so a scene under test is the scene the game runs.
#include "enregistrement.h"
#include "plateforme.h"

#include <QCoreApplication>
#include <QQmlContext>
#include <QQmlEngine>
#include <QtQuickTest>

namespace {

QStringList lignesVues;
QtMessageHandler suivant = nullptr;

// The game's own TESSIMORA_ lines are kept for the tests to read; every
// message still goes on to the test log.
void journal(QtMsgType type, const QMessageLogContext& contexte, const QString& message) {
    if (message.startsWith(QLatin1String("TESSIMORA_"))) lignesVues << message;
    if (suivant) suivant(type, contexte, message);
}

} // namespace

// The singleton `Journal` of module "Essais": the TESSIMORA_ lines written
// on the console log since the last `vider()`. It listens from its first use
// on, when the test log already has its own handler to pass messages to.
class Journal : public QObject {
    Q_OBJECT

public:
    Journal() {
        const QtMessageHandler avant = qInstallMessageHandler(journal);
        if (avant != journal) suivant = avant;
    }

    Q_INVOKABLE QStringList lignes(const QString& prefixe) const {
        QStringList r;
        for (const QString& l : lignesVues)
            if (l.startsWith(prefixe)) r << l;
        return r;
    }
    Q_INVOKABLE void vider() { lignesVues.clear(); }
};

// The singleton `Hote` of module "Essais": the host's own provider facade,
// made from a command line as the game makes it, so a scene can be tried
// against the object it meets in the real program.
class Hote : public QObject {
    Q_OBJECT

public:
    Q_INVOKABLE QObject* facade(const QStringList& arguments) { return new Plateforme(arguments); }
};

class Preparation : public QObject {
    Q_OBJECT

public slots:
    void applicationAvailable() {
        QCoreApplication::setOrganizationName(QStringLiteral("BRONTELVIK"));
        QCoreApplication::setApplicationName(QStringLiteral("Tessimora-essais"));
        enregistrerTypes();
        qmlRegisterSingletonType<Journal>(
            "Essais", 1, 0, "Journal",
            [](QQmlEngine*, QJSEngine*) -> QObject* { return new Journal(); });
        qmlRegisterSingletonType<Hote>(
            "Essais", 1, 0, "Hote", [](QQmlEngine*, QJSEngine*) -> QObject* { return new Hote(); });
    }
    void qmlEngineAvailable(QQmlEngine* moteur) {
        moteur->addImportPath(QStringLiteral("qrc:/hote/qml"));
        moteur->rootContext()->setContextProperty(QStringLiteral("tessimoraHote"),
                                                  QStringLiteral("linux"));
    }
};

QUICK_TEST_MAIN_WITH_SETUP(tessimora, Preparation)

#include "principal.moc"
