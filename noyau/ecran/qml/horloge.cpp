#include "ecran/qml/horloge.h"

#include <QCoreApplication>
#include <QPointer>
#include <algorithm>

Horloge& Horloge::instance() {
    // Owned by the application, so it goes before the animation timers.
    static QPointer<Horloge> seule;
    if (!seule) seule = new Horloge(QCoreApplication::instance());
    return *seule;
}

Horloge::Horloge(QObject* parent) : QAbstractAnimation(parent), reveil_(this) {
    abonnes_.reserve(1024);
    montre_.start();
    reveil_.setSingleShot(true);
    // A strip's frame times are a player's: a coarse timer would let them
    // drift by up to a twentieth of their length.
    reveil_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&reveil_, &QTimer::timeout, this, [this] { tour(true); });
}

void Horloge::inscrire(Abonne* a) {
    abonnes_.push_back(a);
    // Walked soon, from the event loop: a subscriber joins from its own
    // property setters, where it must not be walked yet.
    if (state() != Running && !enTour_) reveil_.start(0);
}

void Horloge::retirer(Abonne* a) {
    auto it = std::find(abonnes_.begin(), abonnes_.end(), a);
    if (it != abonnes_.end()) *it = nullptr;
    if (!enTour_) tasser();
}

void Horloge::tasser() {
    abonnes_.erase(std::remove(abonnes_.begin(), abonnes_.end(), nullptr), abonnes_.end());
}

void Horloge::updateCurrentTime(int) {
    tour(false);
}

void Horloge::tour(bool reveil) {
    const qint64 temps = rythme::tempsDuTour(maintenant(), dernier_, reveil);
    const qint64 pas = dernier_ >= 0 ? temps - dernier_ : 0;
    dernier_ = temps;
    bool continu = false;
    rythme::Ms prochain = rythme::JAMAIS;
    enTour_ = true;
    // By index: a subscriber added by another's frame joins this walk.
    for (std::size_t i = 0; i < abonnes_.size(); ++i) {
        Abonne* a = abonnes_[i];
        if (!a) continue;
        const rythme::Ms voulu = a->avancer(temps);
        // One that left during its own frame asks for nothing.
        if (!abonnes_[i]) continue;
        if (voulu == rythme::CHAQUE_IMAGE)
            continu = true;
        else
            prochain = std::min(prochain, voulu);
    }
    enTour_ = false;
    tasser();
    repos_ = continu ? 0 : std::min<rythme::Ms>(repos_ + pas, rythme::REPOS_AVANT_ARRET_MS);
    const rythme::Plan plan = rythme::planifier(continu, prochain, temps, repos_);
    if (plan.images) {
        reveil_.stop();
        if (state() != Running) start();
        return;
    }
    // Stopped from a frame or a timer, never before the animation's first
    // tick (stopping one that has not ticked yet upsets the shared timer).
    if (state() == Running) stop();
    if (plan.attente >= 0)
        reveil_.start(static_cast<int>(std::min<rythme::Ms>(plan.attente, 1 << 30)));
    else
        reveil_.stop();
}
