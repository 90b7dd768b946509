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

void installerJournal() { gestionnaireQt = qInstallMessageHandler(journal); }
