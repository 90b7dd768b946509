// Times (in processor time) the stage controller's 16 ms beat while the strongest computer player
// clears a stack in real time: each call of `battre()` is measured alone,
// events and animations run between beats as they would in the game. Reports
// the beats' median, 99th percentile and slowest, apart for the beats in which
// a pair left the board.
//
//   banc_battements [--secondes N] [--niveau 0..2] [--etape E]
//
// To see where a beat's time goes: BANC_DETAIL=1 prints every removal and
// every beat over 1 ms; BANC_SANS_EFFETS=1 and BANC_SANS_PANDA=1 take the
// effects layer or the panda away from the controller.
#include "enregistrement.h"
#include "mesure.h"

#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QTimer>

namespace {

// One beat, kept out of line so a profiler can be told to look only here
// (valgrind --tool=callgrind --toggle-collect=battre*).
[[gnu::noinline]] void battre(QObject* jeu) {
    QMetaObject::invokeMethod(jeu, "battre");
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("BRONTELVIK"));
    QCoreApplication::setApplicationName(QStringLiteral("Tessimora-bancs"));
    QCommandLineParser options;
    options.addOptions({{"secondes", "Real seconds to play.", "N", "30"},
                        {"niveau", "Computer player level.", "N", "2"},
                        {"etape", "Stage to play.", "E", "0"}});
    options.process(app);
    const double secondes = options.value("secondes").toDouble();

    enregistrerTypes();
    QQmlEngine moteur;
    moteur.addImportPath(QStringLiteral("qrc:/hote/qml"));
    QQmlComponent composant(&moteur);
    composant.setData(QByteArrayLiteral("import QtQuick 2.15\n"
                                        "import \"qrc:/app/jeu\"\n"
                                        "Jeu { automatique: false }\n"),
                      QUrl(QStringLiteral("qrc:/banc_battements.qml")));
    QObject* jeu = composant.create();
    if (!jeu) {
        std::fprintf(stderr, "%s\n", qPrintable(composant.errorString()));
        return 1;
    }
    if (qEnvironmentVariableIsSet("BANC_SANS_EFFETS")) jeu->setProperty("effets", QVariant());
    if (qEnvironmentVariableIsSet("BANC_SANS_PANDA")) jeu->setProperty("panda", QVariant());
    jeu->setProperty("niveauIa", options.value("niveau").toInt());
    QVariant ok;
    QMetaObject::invokeMethod(jeu, "demarrer", Q_RETURN_ARG(QVariant, ok),
                              Q_ARG(QVariant, options.value("etape").toInt()), Q_ARG(QVariant, 7),
                              Q_ARG(QVariant, true));
    if (!ok.toBool()) {
        std::fprintf(stderr, "the stage did not start\n");
        return 1;
    }
    int paires = 0;
    QObject* partie = jeu->property("partie").value<QObject*>();

    QObject* effets = jeu->property("effets").value<QObject*>();
    if (!effets) effets = jeu;
    std::vector<double> calmes, retraits;
    QElapsedTimer montre;
    montre.start();
    while (montre.elapsed() < secondes * 1000) {
        const int restantes = partie->property("restantes").toInt();
        const double avant = tempsProcesseurMs();
        battre(jeu);
        const double ms = tempsProcesseurMs() - avant;
        const bool retrait = partie->property("restantes").toInt() < restantes;
        (retrait ? retraits : calmes).push_back(ms);
        if (qEnvironmentVariableIsSet("BANC_DETAIL") && (retrait || ms > 1))
            std::printf("%6lld ms  %s %.3f  (combo %d, effect items made so far: %d)\n",
                        montre.elapsed(), retrait ? "removal" : "beat", ms,
                        jeu->property("combo").toInt(), effets->property("creations").toInt());
        paires += retrait;
        // The rest of the 16 ms runs the event loop: timers, animations, deletions.
        QEventLoop attente;
        QTimer::singleShot(std::max(1, 16 - static_cast<int>(ms)), Qt::PreciseTimer, &attente,
                           &QEventLoop::quit);
        attente.exec();
        if (jeu->property("phase").toString() == QLatin1String("fin")) break;
    }
    std::printf("%d pairs removed in %.1f s, phase %s\n", paires, montre.elapsed() / 1000.0,
                qPrintable(jeu->property("phase").toString()));
    afficher("steady", resumer(calmes));
    afficher("removal", resumer(retraits));
    // The first pairs of a stack also pay for the script engine compiling the
    // feedback's functions; the ones after show steady play.
    if (retraits.size() > 5)
        afficher("removal>5", resumer(std::vector<double>(retraits.begin() + 5, retraits.end())));
    delete jeu;
    return 0;
}
