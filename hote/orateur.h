#pragma once

#include <QObject>
#include <QSet>
#include <QString>

class QTextToSpeech;

// The game's voice for SPEECH: the desktop's speech engine through Qt's
// text-to-speech (speech-dispatcher, so the screen reader's voice, rate and
// language apply; flite where it is absent). The engine is started on the
// first utterance, so a player who never turns SPEECH on never starts one;
// without any engine the game stays silent and plays on. Each utterance cuts
// the one in progress, so moving fast never queues speech behind the player.
class Orateur : public QObject {
    Q_OBJECT

public:
    explicit Orateur(QObject* parent = nullptr);
    ~Orateur() override;

    void dire(const QString& texte, const QString& langue);

    // Whether the desktop's screen reader is on (the session bus'
    // org.a11y.Status ScreenReaderEnabled); false without a session bus.
    static bool lecteurEcranActif();

private:
    // The first engine that answers, or null when none does.
    static QTextToSpeech* ouvrirVoix(QObject* parent);
    void choisirLangue(const QString& langue);

    QTextToSpeech* voix_ = nullptr;
    bool essaye_ = false;
    QString langue_;
    QSet<QString> sansVoix_; // languages already said to have no voice
};
