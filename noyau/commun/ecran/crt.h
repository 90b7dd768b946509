#pragma once

#include "commun/ecran/affichage.h"

#include <QVariant>
#include <optional>

// The native screen of the game and the arcade tube around it: its size, the
// curvature that the picture and the pointer share, and the settings that
// drive the tube's look.
namespace crt {

constexpr int LARGEUR = 384;
constexpr int HAUTEUR = 224;

struct Point {
    double x = 0;
    double y = 0;
};

// Largest integer scale of the native screen in a window, at least 1.
int facteur(double largeur, double hauteur);

// The curvature warp: maps a window point (both axes in -1..1) to the point
// of the picture shown there. Strength 0 is the identity, 0.5 the usual tube.
Point deformer(double nx, double ny, double force);

// Window point (window of l x h) to a point of the whole curved surface in
// native pixels, or nothing when the point lies beyond the tube's edge.
std::optional<Point> versNatif(double px, double py, double l, double h, double force);

// Window point to a native pixel of the game picture placed by `g`, through
// the same curvature as the picture; nothing over the backdrop or beyond the
// tube. Sizes below one pixel count as one.
std::optional<Point> versJeu(double x, double y, double l, double h, double force,
                             const affichage::Geometrie& g);

// A rectangle of whole window pixels.
struct Rectangle {
    int x = 0;
    int y = 0;
    int largeur = 0;
    int hauteur = 0;
    bool operator==(const Rectangle& o) const {
        return x == o.x && y == o.y && largeur == o.largeur && hauteur == o.hauteur;
    }
    bool operator!=(const Rectangle& o) const { return !(*this == o); }
};

// The largest rectangle of window pixels around the window's centre whose
// every pixel, once curved with strength `force`, reads the game picture
// placed by `g` at least `marge` native pixels from its left and right edges
// (and inside it vertically). The picture pass draws it without the backdrop
// band, which a software renderer would otherwise read at every pixel; the
// frame around it takes the whole pass. Empty (at 0, 0) when no pixel
// qualifies.
Rectangle interieur(double l, double h, double force, const affichage::Geometrie& g, double marge);

// The tube settings as stored; each real is in 0..1.
struct Reglages {
    bool actif = true;
    double balayage = 0.6; // scanline depth
    double lueur = 0.4;    // glow strength
    double courbure = 0.5; // curvature
    double masque = 0.5;   // phosphor mask depth
    double vignette = 0.5; // border darkening
};

// Reads a settings record (a map, or null for the defaults). A missing or
// unusable field keeps its default and a real outside 0..1 is brought back
// into it, so a damaged record can never blow the picture up.
Reglages lireReglages(const QVariant& v);

// What the picture pass actually uses: everything at 0 while the look is off,
// the curvature included, so that the pointer then maps without it too.
struct Effectifs {
    double actif = 1;
    double balayage = 0.6;
    double lueur = 0.4;
    double courbure = 0.5;
    double masque = 0.5;
    double vignette = 0.5;
};

Effectifs effectifs(const Reglages& r);

} // namespace crt
