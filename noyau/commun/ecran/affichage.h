#pragma once

#include <QString>
#include <QStringList>

// How the fixed-size game picture is scaled into a window of any size. Shared
// with the maker's other games, so the picture size is always a parameter.
namespace affichage {

// The display modes in menu order: integer scale, uniform fill, per-axis stretch.
extern const QStringList MODES;

// Where the game picture sits in the window: window pixels per picture pixel on
// each axis and the picture's top-left corner (which may be negative when the
// window is smaller than the picture).
struct Geometrie {
    QString mode;
    double sx = 1;
    double sy = 1;
    double x = 0;
    double y = 0;
    double largeur = 0;
    double hauteur = 0;
};

// The largest integer scale at which an L x H picture fits in l x h, at least 1.
int facteur(double l, double h, double L, double H);

// The mode in force for a stored setting: the setting itself when it names a
// mode, otherwise the screen's own choice for that window.
QString mode(const QString& reglage, double l, double h, double L, double H, bool boite);

Geometrie geometrie(const QString& m, double l, double h, double L, double H);

// Share of the window covered by the picture, 0..1.
double couverture(const Geometrie& g, double l, double h);

} // namespace affichage
