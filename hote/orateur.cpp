#include "orateur.h"

#include "parole/voix.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QLocale>
#include <QTextToSpeech>
#include <QVariant>
#include <cstdio>

Orateur::Orateur(QObject* parent) : QObject(parent) {
    parole::installerOrateur([this](const QString& t, const QString& l) { dire(t, l); });
}

Orateur::~Orateur() {
    parole::installerOrateur({});
}

void Orateur::dire(const QString& texte, const QString& langue) {
    if (!essaye_) {
        essaye_ = true;
        voix_ = ouvrirVoix(this);
    }
    if (!voix_) return;
    choisirLangue(langue);
    voix_->stop();
    voix_->say(texte);
}

QTextToSpeech* Orateur::ouvrirVoix(QObject* parent) {
    // speech-dispatcher first, so that the voice, rate and language of the
    // desktop's screen reader apply; flite where it cannot be reached (its
    // plugin installed, its daemon not running); then whatever else there
    // is. Qt lists the engines in no fixed order, so the order is ours.
    QStringList moteurs = QTextToSpeech::availableEngines();
    QStringList ordre;
    for (const char* prefere : {"speechd", "flite"})
        if (moteurs.removeAll(QLatin1String(prefere)) > 0) ordre << QLatin1String(prefere);
    ordre << moteurs;
    for (const QString& moteur : ordre) {
        auto* voix = new QTextToSpeech(moteur, parent);
        if (voix->state() != QTextToSpeech::BackendError) return voix;
        delete voix;
    }
    return nullptr;
}

void Orateur::choisirLangue(const QString& langue) {
    if (langue == langue_) return;
    langue_ = langue;
    const QLocale voulue(QString(langue).replace(QLatin1Char('-'), QLatin1Char('_')));
    const QVector<QLocale> offertes = voix_->availableLocales();
    for (const QLocale& l : offertes)
        if (l.language() == voulue.language()) {
            voix_->setLocale(l);
            return;
        }
    for (const QLocale& l : offertes)
        if (l.language() == QLocale::English) {
            voix_->setLocale(l);
            break;
        }
    if (voulue.language() != QLocale::English && !sansVoix_.contains(langue)) {
        sansVoix_.insert(langue);
        std::fprintf(stderr, "tessimora: no voice for %s, speaking English\n",
                     langue.toUtf8().constData());
        std::fflush(stderr);
    }
}

bool Orateur::lecteurEcranActif() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return false;
    // A short wait: a session without the accessibility bus must not hold up the start.
    QDBusMessage m = QDBusMessage::createMethodCall(
        QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus"),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    m << QStringLiteral("org.a11y.Status") << QStringLiteral("ScreenReaderEnabled");
    const QDBusMessage r = bus.call(m, QDBus::Block, 500);
    if (r.type() != QDBusMessage::ReplyMessage || r.arguments().isEmpty()) return false;
    return r.arguments().first().value<QDBusVariant>().variant().toBool();
}
