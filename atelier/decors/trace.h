#pragma once
// Shapes placed at fractional positions, for figures drawn at more than one
// scale: a pixel is filled when its centre falls inside the shape.

#include "toile.h"

namespace trace {

void ovale(Toile& t, double cx, double cy, double rx, double ry, Couleur c);
// A stroke of radius r between two points, round at both ends.
void trait(Toile& t, double x0, double y0, double x1, double y1, double r, Couleur c);
void triangle(Toile& t, double ax, double ay, double bx, double by, double cx, double cy,
              Couleur c);
// Recolours the opaque pixels inside an oval only (a shade over a shape).
void teinter(Toile& t, double cx, double cy, double rx, double ry, Couleur c);

// Small deterministic noise for scattering stars, windows and ripples.
unsigned hachage(unsigned a, unsigned b = 0, unsigned c = 0);

// A colour between two, t from 0 to 1.
Couleur melange(Couleur a, Couleur b, double t);

} // namespace trace
