#pragma once

#include "manettes.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <memory>

class Plateforme;
class QSocketNotifier;

// Trials run on a private X server with no gamepad plugged in, so test builds
// let a trial play four gamepads through a named pipe: the path in the
// environment variable TESSIMORA_MANETTES. Each line is one event of Qt's
// gamepad manager, given to a gamepad bridge of its own whose pads are ids 0
// to 3 (an Xbox, a PlayStation, a Nintendo and a Steam Deck pad, by name), so
// the codes, the repeats and the family detection are the real bridge's:
//
//     appui PAD BOUTON VALEUR    a button pressed (VALEUR from 0 to 1)
//     relache PAD BOUTON         a button released
//     axe PAD AXE VALEUR         an axis moved (VALEUR from -1 to 1)
//     debranche PAD              a pad unplugged
//
// A line that is not one of these is dropped.
class ManettesEssai : public QObject {
public:
    static constexpr int PADS = 4;
    static constexpr int LIGNE_MAX = 200;

    // The pipe's reader, or null when the variable is not set or the path
    // cannot be opened (one line on standard error then).
    static std::unique_ptr<ManettesEssai> depuisEnvironnement(QObject* cible, Plateforme* facade,
                                                              bool detection);

    // Reads lines from `fd`, which it owns, makes non-blocking and closes.
    ManettesEssai(int fd, QObject* cible, Plateforme* facade, bool detection);
    ~ManettesEssai() override;

    // Gives one line to the bridge; false when the line was dropped.
    static bool appliquer(Manettes& pont, const QByteArray& ligne);
    // Takes what the pipe gave, keeps an unfinished line for the next time.
    void recevoir(const QByteArray& morceau);

    Manettes& pont() { return m_pont; }

private:
    void lire();

    int m_fd;
    Manettes m_pont;
    QSocketNotifier* m_notificateur = nullptr;
    QByteArray m_reste;
    bool m_tropLongue = false;
};
