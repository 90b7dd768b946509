// The plain reference window of the frame-rate benchmark: a Qt Quick window
// set up as the game's, showing reference.qml, with the game's own "--ips"
// report. It is what "every frame on time" is measured against on a machine.
//
//   reference_ips [--ips]
#include "compteur_images.h"

#include <QGuiApplication>
#include <QQmlEngine>
#include <QQuickView>
#include <QTimer>
#include <cstdio>

namespace {

// Lines starting with TESSIMORA_ go to standard output, as the game's do.
void journal(QtMsgType, const QMessageLogContext&, const QString& message) {
    std::fprintf(message.startsWith(QLatin1String("TESSIMORA_")) ? stdout : stderr, "%s\n",
                 message.toUtf8().constData());
    std::fflush(stdout);
}

} // namespace

int main(int argc, char* argv[]) {
    qInstallMessageHandler(journal);
    QGuiApplication application(argc, argv);
    QQuickView vue;
    vue.setResizeMode(QQuickView::SizeRootObjectToView);
    vue.setTitle(QStringLiteral("Tessimora reference"));
    vue.setColor(Qt::black);
    vue.setSource(QUrl(QStringLiteral("qrc:/ips/reference.qml")));
    if (vue.status() != QQuickView::Ready) return 1;

    CompteurImages compteur;
    QTimer rapport;
    if (QCoreApplication::arguments().contains(QStringLiteral("--ips"))) {
        QObject::connect(
            &vue, &QQuickWindow::frameSwapped, &vue, [&compteur] { compteur.image(); },
            Qt::DirectConnection);
        QObject::connect(&rapport, &QTimer::timeout, [&compteur] { compteur.rapporter(); });
        rapport.start(1000);
    }
    vue.resize(1280, 720);
    vue.show();
    return application.exec();
}
