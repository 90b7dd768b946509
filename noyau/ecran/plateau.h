#pragma once

// Pixel geometry of a tile stack on the native screen: where each tile's image
// goes, where a stack is centred, which tile lies under a pixel, and the
// per-tile drawing rules (veils, see-through, highlight) that the board only
// shows. The board scene never computes any of this itself.

#include "moteur/pile.h"

#include <set>

namespace plateau {

inline constexpr int DEMI_X = 8;   // width of a half-cell
inline constexpr int DEMI_Y = 10;  // height of a half-cell
inline constexpr int COUCHE_X = 3; // each layer up is drawn this much further left
inline constexpr int COUCHE_Y = 4; // and this much further up
inline constexpr int TUILE_L = 19; // image: 16-pixel face + 3 of relief on the right
inline constexpr int TUILE_H = 24; // image: 20-pixel face + 4 of relief below
inline constexpr int FACE_L = 16;
inline constexpr int FACE_H = 20;

struct Point {
    int x = 0, y = 0;
};
inline bool operator==(const Point& a, const Point& b) {
    return a.x == b.x && a.y == b.y;
}

// The rectangle, in native pixels, in which a stack is centred.
struct Zone {
    int x = 8, y = 14, largeur = 368, hauteur = 182;
};
inline constexpr Zone ZONE_PLEINE{8, 14, 368, 182};
inline constexpr Zone ZONE_DUEL{4, 22, 184, 170};

// Top-left of a place's tile image relative to the stack origin.
inline Point px(const pile::Place& p) {
    return {p.x * DEMI_X - p.z * COUCHE_X, p.y * DEMI_Y - p.z * COUCHE_Y};
}

// The origin that centres every place of g, present or not, so that the stack
// never moves while tiles leave. { 0, 0 } for an empty geometry.
Point origine(const pile::Geometrie& g, const Zone& zone);

// Topmost place in play whose face (never the relief) holds native pixel
// (x, y) for origin o; -1 when none.
int sous(const pile::Geometrie& g, const pile::Presence& present, Point o, int x, int y);

// True when tile i lies on a tile still in play.
bool couvre(const pile::Geometrie& g, const pile::Presence& present, int i);

// Veil rules: none, boss stage (one covered tile in three), every tile not free.
enum Voile { VOILE_AUCUN = 0, VOILE_BOSS = 1, VOILE_TOUT = 2 };

// Whether place i shows its jade back: smoke always veils; otherwise a free
// tile never is, and the rule decides for the others.
bool voilee(const pile::Geometrie& g, const pile::Presence& present, int voile,
            const std::set<int>& fumees, int i);

// 0 normal, 1 selected, 2 hinted; the selection wins over the hint.
int etat(int selection, int indiceA, int indiceB, int i);

} // namespace plateau
