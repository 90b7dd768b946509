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

Horloge::Horloge(QObject* parent) : QAbstractAnimation(parent) {
    abonnes_.reserve(1024);
    montre_.start();
}

void Horloge::inscrire(Abonne* a) {
    abonnes_.push_back(a);
    repos_ = 0;
    if (state() != Running) start();
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
    const qint64 temps = maintenant();
    const qint64 pas = dernier_ >= 0 ? temps - dernier_ : 0;
    dernier_ = temps;
    enTour_ = true;
    // By index: a subscriber added by another's frame joins this walk.
    for (std::size_t i = 0; i < abonnes_.size(); ++i)
        if (Abonne* a = abonnes_[i]) a->avancer(temps);
    enTour_ = false;
    tasser();
    // Stopped from a frame, after a second with nobody: play subscribes
    // every few frames, and each stop and start is work for the shared
    // animation timer (stopping one that has not ticked yet upsets it).
    repos_ = abonnes_.empty() ? repos_ + pas : 0;
    if (repos_ >= REPOS_AVANT_ARRET_MS) stop();
}
