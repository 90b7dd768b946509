#include "demarrage.h"

#include <QtGlobal>

bool optionPresente(const QStringList& arguments, const QString& mot) {
    return arguments.contains(mot, Qt::CaseSensitive);
}

bool detectionManettes(const QString& nomFournisseur, const QStringList& arguments) {
    if (nomFournisseur == QLatin1String("steam")) return false;
    for (const QString& argument : arguments)
        if (argument.startsWith(QLatin1String("--manette="))) return false;
    return true;
}

QUrl racine() {
#ifdef TESSIMORA_RACINE_MODIFIABLE
    const QString autre = qEnvironmentVariable("TESSIMORA_RACINE");
    if (!autre.isEmpty()) return QUrl(autre);
#endif
    return QUrl(QStringLiteral("qrc:/app/main.qml"));
}

QString nomHote() {
#if defined(Q_OS_MACOS)
    return QStringLiteral("macos");
#elif defined(Q_OS_WIN)
    return QStringLiteral("windows");
#else
    return QStringLiteral("linux");
#endif
}

#include <QMessageLogContext>
#include <cstdio>

namespace {

QtMessageHandler gestionnaireQt = nullptr;

void journal(QtMsgType type, const QMessageLogContext& contexte, const QString& message) {
    if (message.startsWith(QLatin1String("TESSIMORA_"))) {
        std::printf("%s\n", message.toUtf8().constData());
        std::fflush(stdout);
        return;
    }
    if (gestionnaireQt) gestionnaireQt(type, contexte, message);
}

} // namespace

void installerJournal() {
    gestionnaireQt = qInstallMessageHandler(journal);
}

#include <QCoreApplication>

namespace {

// Every option the program reads, the host's and the scene's; the manual page
// says the same at more length.
const char* const AIDE =
    "Usage: tessimora [OPTION]...\n"
    "An arcade mahjong solitaire dressed as a night-market cabinet.\n"
    "\n"
    "  --plein-ecran           open full screen instead of a 1280 x 720 window\n"
    "  --manette=FAMILY        show the buttons of this gamepad family (xbox,\n"
    "                          playstation, nintendo, deck) and stop detecting it\n"
    "  --muet                  play no sound\n"
    "\n"
    "For trials and demo recordings:\n"
    "  --ips                   print 'TESSIMORA_IPS frames slowest-ms slow-frames'\n"
    "                          every second\n"
    "  --ips-continu           draw frames back to back, even when nothing changed,\n"
    "                          so that --ips tells what a frame costs\n"
    "  --ips-images            with --ips, also print 'TESSIMORA_IMAGES' every\n"
    "                          second: when the last frame before ended (ms of the\n"
    "                          monotonic clock), then the length of each frame\n"
    "  --journal-sons          print a 'TESSIMORA_SON' line for every sound asked for\n"
    "  --faux-fournisseur=DIR  a stand-in online provider that prints its calls and\n"
    "                          keeps its cloud save in DIR/tessimora.sav\n"
    "  --scene=SCENE           start on a scene (titre, menu, scores, regles, ...)\n"
    "                          or at once in a game (partie, duel, glissant)\n"
    "  --mode=MODE             the mode of that game: night, rush, daily, paper,\n"
    "                          parade, sliding or duel\n"
    "  --etape=N               the stage it starts on, counted from 0\n"
    "  --pilote=LEVEL          let the AI of this level (0, 1 or 2) play the stack\n"
    "\n"
    "  --help                  print this help and exit\n"
    "  --version               print the version and exit\n"
    "\n"
    "Any other argument is ignored. Scores, settings and progression are kept in\n"
    "$XDG_CONFIG_HOME/BRONTELVIK/Tessimora.conf (~/.config when it is not set).\n";

} // namespace

QString aideOuVersion(const QStringList& arguments) {
    for (int i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--help")) return QString::fromUtf8(AIDE);
        if (arguments[i] == QLatin1String("--version"))
            return QCoreApplication::applicationName() + QLatin1Char(' ') +
                   QCoreApplication::applicationVersion() + QLatin1Char('\n');
    }
    return {};
}

bool repondreSansJeu(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const QString texte = aideOuVersion(arguments);
    if (texte.isEmpty()) return false;
    std::fputs(texte.toLocal8Bit().constData(), stdout);
    std::fflush(stdout);
    return true;
}
