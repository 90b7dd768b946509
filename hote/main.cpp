// Tessimora's host process: it prepares the environment, opens the game
// window, loads the scene from the resources compiled into the executable and
// runs the event loop. Everything the player sees is scene content.

#include "compteur_images.h"
#include "demarrage.h"
#include "enregistrement.h"
#include "manettes.h"
#ifdef TESSIMORA_MANETTES_ESSAI
#include "manettes_essai.h"
#endif
#include "orateur.h"
#include "plateforme.h"
#include "sauvegarde/stockage.h"
#include "signaux.h"
#include "vue.h"

#include <QGuiApplication>
#include <QIcon>
#include <QQmlContext>
#include <QQmlEngine>
#include <QTimer>
#include <memory>

int main(int argc, char* argv[]) {
    // The language tables are read by the scene's XMLHttpRequest.
    qputenv("QML_XHR_ALLOW_FILE_READ", "1");
    // The window shows one opaque full-window pass and nothing with a rotated
    // clip, so depth and stencil buffers would only cost: without them the
    // scene graph draws every item back to front, the same picture, and a
    // software renderer no longer clears, tests and writes a depth value at
    // every window pixel of every frame (5 to 20 % more frames under Mesa's
    // llvmpipe, tests/ips/banc_ips.py). These are the scene graph's own
    // switches: it then asks for no such buffers and expects none.
    qputenv("QSG_NO_DEPTH_BUFFER", "1");
    qputenv("QSG_NO_STENCIL_BUFFER", "1");

    // The identity comes first: the settings store finds its place from it.
    QCoreApplication::setOrganizationName(QStringLiteral("BRONTELVIK"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("brontelvik.net"));
    QCoreApplication::setApplicationName(QStringLiteral("Tessimora"));
    QCoreApplication::setApplicationVersion(QStringLiteral("0.11.0"));
    // Wayland desktops find the menu entry and its icon by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("net.brontelvik.tessimora"));

    // Help and version open no window, so they work without a display too.
    if (repondreSansJeu(argc, argv)) return 0;

    installerJournal();
    auto application = std::make_unique<QGuiApplication>(argc, argv);
    // From here on a termination signal is the close button's quit, run by
    // the event loop (a signal during the start waits for it).
    auto signaux = std::make_unique<Signaux>([] { QCoreApplication::quit(); });
    auto arguments = std::make_unique<QStringList>(QCoreApplication::arguments());
    auto facade = std::make_unique<Plateforme>(*arguments);

    enregistrerTypes();
    // SPEECH's voice, and the screen reader that turns it on at a first start.
    auto orateur = std::make_unique<Orateur>();
    stockage::installerLecteurEcran(&Orateur::lecteurEcranActif);
    auto vue = std::make_unique<Vue>();
    vue->engine()->addImportPath(QStringLiteral("qrc:/hote/qml"));
    vue->rootContext()->setContextProperty(QStringLiteral("tessimoraHote"), nomHote());
    vue->rootContext()->setContextProperty(QStringLiteral("tessimoraPlateforme"), facade.get());
    vue->setResizeMode(QQuickView::SizeRootObjectToView);
    vue->setTitle(QStringLiteral("Tessimora"));
    vue->setIcon(QIcon(QStringLiteral(":/app/icon.png")));
    vue->setColor(Qt::black);
    QObject::connect(vue->engine(), &QQmlEngine::quit, application.get(), &QCoreApplication::quit);

    vue->setSource(racine());
    if (vue->status() != QQuickView::Ready) {
        vue.reset();
        orateur.reset();
        facade.reset();
        arguments.reset();
        signaux.reset();
        application.reset();
        return 1;
    }

    auto rapport = std::make_unique<QTimer>();
    CompteurImages compteur(optionPresente(*arguments, QStringLiteral("--ips-images")));
    if (optionPresente(*arguments, QStringLiteral("--ips"))) {
        // The frame handler runs on the render thread, straight from the signal.
        QObject::connect(
            vue.get(), &QQuickWindow::frameSwapped, vue.get(), [&compteur] { compteur.image(); },
            Qt::DirectConnection);
        QObject::connect(rapport.get(), &QTimer::timeout, [&compteur] { compteur.rapporter(); });
        rapport->start(1000);
    }
    // A scene draws a frame only when something in it changed; a still title
    // whose timers change it sixty times a second then reports sixty frames
    // however cheap they are. Asked for again as soon as one is shown, frames
    // come back to back, and the report gives what the machine can draw.
    if (optionPresente(*arguments, QStringLiteral("--ips-continu")))
        QObject::connect(vue.get(), &QQuickWindow::frameSwapped, vue.get(), &QQuickWindow::update,
                         Qt::QueuedConnection);

    auto manettes = std::make_unique<Manettes>(vue.get(), facade.get(),
                                               detectionManettes(facade->nom(), *arguments));
#ifdef TESSIMORA_MANETTES_ESSAI
    auto manettesEssai = ManettesEssai::depuisEnvironnement(
        vue.get(), facade.get(), detectionManettes(facade->nom(), *arguments));
#endif

    if (optionPresente(*arguments, QStringLiteral("--plein-ecran")) || facade->steamDeck()) {
        vue->showFullScreen();
    } else {
        vue->resize(1280, 720);
        vue->show();
    }

    const int code = application->exec();

#ifdef TESSIMORA_MANETTES_ESSAI
    manettesEssai.reset();
#endif
    manettes.reset();
    rapport.reset();
    vue.reset();
    orateur.reset();
    facade.reset();
    arguments.reset();
    // The saves are written by now; a signal from here on ends the process.
    signaux.reset();
    application.reset();
    return code;
}
