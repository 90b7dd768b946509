#pragma once
// The drawing families of the workshop. Each `dessiner...` fills the frames of
// the strip it knows by name and returns false for a name it does not draw.

#include "toile.h"

#include <QString>
#include <vector>

struct Rangee {
    int l = 1, h = 1, images = 1, duree = 0, boucle = 0, ax = 0, ay = 0;
};

// Tile faces and the strips drawn over tiles (tuiles_*).
bool dessinerTuiles(const QString& nom, const Rangee& r, Bande& b);
// Play effects (effets_*) and the big digits (chiffres_*).
bool dessinerEffets(const QString& nom, const Rangee& r, Bande& b);
// Stand-ins for the families still to be drawn: the same size and frame
// count as the table says, plain shapes that show where they sit.
void dessinerReserve(const QString& nom, const Rangee& r, Bande& b);

namespace tuiles {
constexpr int NOMBRE = 42;
constexpr int VOILE = 42;
// The bamboo one: the house's mascot, a red panda.
constexpr int PANDA = 18;
// The 16 x 20 face of a motif (0..41), outline included.
Toile face(int motif);
// The full 19 x 24 tile at full brightness: a motif, or the jade back (VOILE).
Toile tuile(int colonne);
// The back and the side of a tile (no scene draws them).
Toile dos();
Toile flanc();
} // namespace tuiles

// A written file: path relative to the images folder, and its image.
struct Fichier {
    QString chemin;
    QImage image;
};

// Every file of images/tuiles, shaded by the factors of the table.
std::vector<Fichier> fichiersTuiles(const std::vector<double>& teintes);
// The aid icons of the status bar and the images no scene draws.
std::vector<Fichier> fichiersDivers();

// The program's icon on a square of `taille` pixels: the panda tile at the
// largest whole factor that fits, or a smaller tile where it cannot fit.
QImage iconeProgramme(int taille);
// The icon theme's files (hicolor layout: 16x16/apps/<name>.png, ...).
std::vector<Fichier> iconesBureau();
