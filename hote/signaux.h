#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

// SIGTERM, SIGINT and SIGHUP (a session logging out, a terminal closed,
// Ctrl+C) end the game the way the window's close button does, so that the
// quit's saves are written. The handler itself only writes the signal's
// number into a pipe; `quitter` runs later from the event loop, where the
// scene may be touched. A second signal while that quit is under way ends the
// process at once, by the signal's default action: a player pressing Ctrl+C
// twice means it.
class Signaux : public QObject {
public:
    explicit Signaux(std::function<void()> quitter, QObject* parent = nullptr);
    // Puts the previous handlers back.
    ~Signaux() override;

    // False when the pipe could not be made: the signals then keep their
    // default action (nothing else changes).
    bool actif() const { return notificateur_ != nullptr; }

private:
    void lire();

    std::function<void()> quitter_;
    QSocketNotifier* notificateur_ = nullptr;
};
