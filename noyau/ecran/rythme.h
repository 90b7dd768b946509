#pragma once

#include <cstdint>
#include <limits>

// When the screen's moving things need the next frame. A strip changes
// only at its own frame times (most step every 80 to 200 ms), so a screen
// of looping strips wakes at those times and draws nothing in between; only
// something that moves or fades continuously (a posed effect) asks for every
// frame of the display, and only while it plays.
namespace rythme {

using Ms = std::int64_t;

// A subscriber's answer: the clock time it next changes at, or one of these.
constexpr Ms CHAQUE_IMAGE = 0;
constexpr Ms JAMAIS = std::numeric_limits<Ms>::max();

// A strip of `images` frames of `duree` ms each, `ecoule` ms after its
// frame 0 showed.
struct Pas {
    int cadre = 0;
    // Played once and ended: back to frame 0, stopped.
    bool fini = false;
    // A once-only strip that holds its last frame: it shows, and nothing
    // follows.
    bool tenu = false;
    // Ms after frame 0 of the next frame change, JAMAIS when none comes.
    Ms prochain = JAMAIS;
};
Pas bande(int images, int duree, bool boucle, bool tenir, Ms ecoule);

// Where a looping strip started at `maintenant` counts its frames from:
// the last multiple of its frame length. Every loop of one frame length
// then steps at the same clock times, so a screen full of them wakes once
// per step rather than once per strip; a strip that has just appeared
// shows its first frame a little shorter, which no player can tell.
Ms debutAligne(Ms maintenant, int duree);

// A scrolling layer of `vitesse` pixels a second, `ecoule` ms into its
// scroll: how many whole pixels it has moved, and the ms of scroll time at
// which it next moves one (JAMAIS when it stands still). A layer is drawn
// at whole pixels, so the screen needs a frame only at those times.
std::int64_t pixels(Ms ecoule, double vitesse);
Ms pixelSuivant(Ms ecoule, double vitesse);

// What the clock does after a walk over its subscribers at `maintenant`:
// `continu` when one of them asked for every frame, `prochain` the earliest
// time another asked for, `repos` ms since the last one asked for every
// frame. It keeps following the display's frames a while after the last
// continuous subscriber (play poses one every few frames, and each stop and
// start of the display's driver costs), then sleeps until `prochain`.
struct Plan {
    bool images = false; // follow the display's frames
    Ms attente = -1;     // else wake after this many ms, -1 never
};
constexpr Ms REPOS_AVANT_ARRET_MS = 1000;
Plan planifier(bool continu, Ms prochain, Ms maintenant, Ms repos);

// The clock time a walk at `maintenant` (wall clock) uses, `dernier` being
// that of the walk before: never back, or a strip could step back a frame.
// Woken by its timer, the clock walks a display frame ahead, so that every
// change due before the display's next frame is drawn in this one rather
// than in a frame of its own (strips of different lengths, a scroll): a
// frame that could not have shown sooner anyway, and one frame drawn where
// there were two. Following the display's frames, it walks at the time.
constexpr Ms AVANCE_REVEIL_MS = 16;
Ms tempsDuTour(Ms maintenant, Ms dernier, bool reveil);

// Where a scroll that goes on at `maintenant` counts its time from, its
// scroll time being `ecoule`: on a tenth of a second of the clock, within a
// tenth of where it stood, so that the steps of layers of 10, 5 or 2 pixels
// a second fall on those of every loop whose frame length divides 100 ms.
constexpr int PAS_DEFILEMENT_MS = 100;
Ms departDefilement(Ms maintenant, Ms ecoule);

} // namespace rythme
