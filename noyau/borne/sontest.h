#pragma once

#include "son/catalogue.h"

#include <QString>

// SOUND TEST's rules: every track of the sound catalogue by number, the
// lines that describe it, which channel plays it and for how long the screen
// shows it playing, and what a press means. The scene only draws these and
// asks the sound player.
namespace sontest {

// Tracks, in the catalogue's SOUND TEST order.
int nombre();
// The track at index `choix`, or null.
const catalogue::Piste* piste(int choix);

// The track after `action`: Left or Up the previous one, Right or Down the
// next, wrapping. -1 when the action does not change tracks.
int deplacer(int choix, const QString& action);

// The track number as the big digits show it, on two digits ("01").
QString numero(const catalogue::Piste& p);
// The word for its kind, a catalogue key ("MUSIC", "JINGLE", "SOUND", "VOICE").
QString genre(const catalogue::Piste& p);
// Its length in seconds to one decimal, the value of "{n} S" ("46.7").
QString duree(const catalogue::Piste& p);
// Music and jingles go through the music channel, the rest through the
// effects (and voice) channels.
bool surMusique(const catalogue::Piste& p);
// How long the screen shows the track playing, in ms: its length, but never
// under 400 ms so that the shortest effect still lights the bell.
int dureeJeu(const catalogue::Piste& p);

// The action a press stands for: the bottom band goes back, the left and
// right thirds change tracks, the middle plays; nothing (empty) for a
// point that is not a number.
QString actionTouchee(double x, double y);

} // namespace sontest
