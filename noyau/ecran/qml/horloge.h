#pragma once

#include "ecran/rythme.h"

#include <QAbstractAnimation>
#include <QElapsedTimer>
#include <QTimer>
#include <vector>

// The one frame clock of the screen's moving things (posed effects, strip
// players). It walks a plain list of subscribers, so nothing is started,
// allocated or bound per use, and each answers when it next changes. While
// one moves or fades continuously, the clock is an animation the window's
// driver ticks in step with the frames; otherwise it sleeps on a timer until
// the next strip frame is due, so that a screen whose strips step every
// 100 ms wakes ten times a second and the window draws only those frames (a
// running animation has the window draw every frame of the display). Its
// time is the wall clock's, as a player sees it, whatever pace the driver
// keeps (a display without vertical sync makes a driver's time run fast).
class Horloge : public QAbstractAnimation {
public:
    class Abonne {
    public:
        // One walk at `maintenant` ms of clock time; the answer is the clock
        // time of the next change, rythme::CHAQUE_IMAGE or rythme::JAMAIS.
        virtual rythme::Ms avancer(qint64 maintenant) = 0;

    protected:
        ~Abonne() = default;
    };

    static Horloge& instance();

    // Milliseconds since the clock was made.
    qint64 maintenant() const { return montre_.elapsed(); }

    // The new subscriber is walked on the next event-loop turn.
    void inscrire(Abonne* a);
    // Safe from a subscriber's own frame: leaves a hole filled afterwards.
    void retirer(Abonne* a);

    int duration() const override { return -1; }

protected:
    void updateCurrentTime(int ms) override;

private:
    explicit Horloge(QObject* parent);
    void tour(bool reveil);
    void tasser();

    std::vector<Abonne*> abonnes_;
    QElapsedTimer montre_;
    QTimer reveil_;
    qint64 dernier_ = -1; // time of the last walk
    // Since the last subscriber that asked for every frame: idle at start.
    qint64 repos_ = rythme::REPOS_AVANT_ARRET_MS;
    bool enTour_ = false;
};
