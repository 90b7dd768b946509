#pragma once

#include <QAbstractAnimation>
#include <QElapsedTimer>
#include <vector>

// The one frame clock of the screen's moving things (posed effects, strip
// players). It is an animation of its own, so the window's animation driver
// ticks it in step with the frames, and it walks a plain list of subscribers:
// nothing is started, allocated or bound per use. Its time is the wall
// clock's, as a player sees it, whatever pace the driver keeps (a display
// without vertical sync makes a driver's time run fast). It runs only while
// someone is subscribed, and stops a second after the last one left.
class Horloge : public QAbstractAnimation {
public:
    class Abonne {
    public:
        // One frame, `maintenant` ms of clock time.
        virtual void avancer(qint64 maintenant) = 0;

    protected:
        ~Abonne() = default;
    };

    static Horloge& instance();

    // Milliseconds since the clock was made.
    qint64 maintenant() const { return montre_.elapsed(); }

    void inscrire(Abonne* a);
    // Safe from a subscriber's own frame: leaves a hole filled afterwards.
    void retirer(Abonne* a);

    int duration() const override { return -1; }

protected:
    void updateCurrentTime(int ms) override;

private:
    explicit Horloge(QObject* parent);
    void tasser();

    static constexpr int REPOS_AVANT_ARRET_MS = 1000;

    std::vector<Abonne*> abonnes_;
    QElapsedTimer montre_;
    qint64 dernier_ = -1; // time of the last frame
    qint64 repos_ = 0;
    bool enTour_ = false;
};
