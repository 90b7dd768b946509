#pragma once

// The cabinet's scenes: the file each one is drawn by, how long the attract
// loop leaves it on, which ones play the title music, and where the loop goes
// next. The cabinet only times and shows what these say.

#include <QString>
#include <QStringList>

namespace scenes {

struct Scene {
    const char* nom;
    // The scene's file in app/borne/, or "" for what the cabinet draws over
    // the game item itself (the game, GAME OVER).
    const char* fichier;
    // How long the attract loop leaves it on, in ms; 0: until the player acts.
    int dureeMs;
    bool musiqueTitre; // entering it plays the title music
    bool horsPartie;   // entering it forgets the kind of the last game
    bool attract;      // a scene of the attract loop: any press or coin goes to the title
};

// The scene named `nom`, or null.
const Scene* scene(const QString& nom);

// Every scene's name, in the table's order.
QStringList noms();

// Where the attract loop goes when `nom`'s time is up; `apresPartie` says the
// HIGH SCORES shown are those of the game just played. Empty for a scene the
// loop does not leave by itself.
QString suiteAttract(const QString& nom, bool apresPartie);

// Whether the attract loop, leaving `nom`, shows the next of its tables.
bool tableSuivante(const QString& nom);

// The highest number of credits the coin slot holds.
inline constexpr int CREDITS_MAX = 9;

} // namespace scenes
