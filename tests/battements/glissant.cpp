// Times (in processor time) the sliding stalls controller's 16 ms beat in real
// time while a player plays each grid from its deal's own solution, one move
// every 250 ms through `action`: each call of `battre()` is measured alone,
// apart for the beats of a row's slide, and the moves (picks, pairs and
// rotations with all their feedback) are measured too. Events and animations
// run between beats as they would in the game.
//
//   banc_battements_glissant [--secondes N]
//
// BANC_DETAIL=1 prints every beat and every move over 1 ms.
#include "enregistrement.h"
#include "mesure.h"

#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QTimer>
#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("BRONTELVIK"));
    QCoreApplication::setApplicationName(QStringLiteral("Tessimora-bancs"));
    QCommandLineParser options;
    options.addOptions({{"secondes", "Real seconds to play.", "N", "30"}});
    options.process(app);
    const double secondes = options.value("secondes").toDouble();

    enregistrerTypes();
    QQmlEngine moteur;
    moteur.addImportPath(QStringLiteral("qrc:/hote/qml"));
    QQmlComponent composant(&moteur);
    // The player: the next move of the deal's solution, cursor first.
    composant.setData(
        QByteArrayLiteral(
            "import QtQuick 2.15\n"
            "import Tessimora 1.0\n"
            "import \"qrc:/app/jeu\"\n"
            "Glissant {\n"
            "  automatique: false\n"
            "  property var coups: []\n"
            "  property int suivant: 0\n"
            "  function aller(c) {\n"
            "    var l = partie.largeur\n"
            "    while (curseur % l !== c % l) action('droite')\n"
            "    while (Math.floor(curseur / l) !== Math.floor(c / l)) action('bas')\n"
            "  }\n"
            "  function jouerUn() {\n"
            "    if (phase !== 'jeu') return false\n"
            "    if (suivant >= coups.length) { coups = partie.temoin; suivant = 0 }\n"
            "    if (coups.length === 0) return false\n"
            "    var c = coups[suivant++]\n"
            "    if (c.type === CoupGlissant.Paire) {\n"
            "      aller(c.a); action('ok'); aller(c.b); action('ok')\n"
            "    } else {\n"
            "      aller(c.rang * partie.largeur + curseur % partie.largeur)\n"
            "      action(c.sens > 0 ? 'glisseD' : 'glisseG')\n"
            "    }\n"
            "    return true\n"
            "  }\n"
            "  onPhaseChanged: if (phase === 'depart') { coups = []; suivant = 0 }\n"
            "}\n"),
        QUrl(QStringLiteral("qrc:/banc_battements_glissant.qml")));
    QObject* jeu = composant.create();
    if (!jeu) {
        std::fprintf(stderr, "%s\n", qPrintable(composant.errorString()));
        return 1;
    }
    QVariant ok;
    QMetaObject::invokeMethod(jeu, "demarrer", Q_RETURN_ARG(QVariant, ok), Q_ARG(QVariant, 7));
    if (!ok.toBool()) {
        std::fprintf(stderr, "the run did not start\n");
        return 1;
    }
    std::vector<double> calmes, glisses, coups;
    QElapsedTimer montre;
    montre.start();
    qint64 prochainCoup = 0;
    while (montre.elapsed() < secondes * 1000) {
        const bool glisse = jeu->property("rangAnime").toInt() >= 0;
        double avant = tempsProcesseurMs();
        QMetaObject::invokeMethod(jeu, "battre");
        const double ms = tempsProcesseurMs() - avant;
        (glisse ? glisses : calmes).push_back(ms);
        if (qEnvironmentVariableIsSet("BANC_DETAIL") && ms > 1)
            std::printf("%6lld ms  beat %.3f  (phase %s)\n", montre.elapsed(), ms,
                        qPrintable(jeu->property("phase").toString()));
        if (montre.elapsed() >= prochainCoup) {
            prochainCoup = montre.elapsed() + 250;
            QVariant joue;
            avant = tempsProcesseurMs();
            QMetaObject::invokeMethod(jeu, "jouerUn", Q_RETURN_ARG(QVariant, joue));
            const double coup = tempsProcesseurMs() - avant;
            if (joue.toBool()) coups.push_back(coup);
            if (qEnvironmentVariableIsSet("BANC_DETAIL") && joue.toBool() && coup > 1)
                std::printf(
                    "%6lld ms  move %.3f  (%d tiles left)\n", montre.elapsed(), coup,
                    jeu->property("partie").value<QObject*>()->property("restantes").toInt());
        }
        QEventLoop attente;
        QTimer::singleShot(16, Qt::PreciseTimer, &attente, &QEventLoop::quit);
        attente.exec();
        if (jeu->property("phase").toString() == QLatin1String("fin") &&
            jeu->property("niveau").toInt() > 2)
            break;
    }
    std::printf("%.1f s played, %d grids cleared, phase %s\n", montre.elapsed() / 1000.0,
                jeu->property("niveau").toInt(), qPrintable(jeu->property("phase").toString()));
    afficher("steady", resumer(calmes));
    afficher("slide", resumer(glisses));
    afficher("move", resumer(coups));
    delete jeu;
    return 0;
}
