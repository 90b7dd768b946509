#pragma once

#include <vector>

// The parts of an image worth drawing. A software renderer pays for every
// pixel of a drawn rectangle, transparent or not, and the backgrounds' layers
// are screen-sized strips that are mostly empty (bunting along the top, crates
// along the bottom): drawn as the bands of rows that hold something, each cut
// to the columns it uses, they cost what they show.
namespace bandes {

// The columns [debut, fin) of one row that hold a visible pixel; empty when
// debut >= fin.
struct Rangee {
    int debut = 0;
    int fin = 0;
};

struct Bande {
    int x = 0;
    int y = 0;
    int largeur = 0;
    int hauteur = 0;
};

// Rows of visible pixels taken together, top to bottom: a run of at least
// `ecart` empty rows ends a band (shorter runs are drawn through, since each
// band costs a piece of its own), and each band spans the columns of all its
// rows. Nothing visible gives no band.
std::vector<Bande> visibles(const std::vector<Rangee>& rangees, int ecart);

} // namespace bandes
