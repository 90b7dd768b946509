#include "trace.h"

#include <algorithm>
#include <cmath>

namespace trace {

void ovale(Toile& t, double cx, double cy, double rx, double ry, Couleur c) {
    if (rx <= 0 || ry <= 0) return;
    const int x0 = int(std::floor(cx - rx)), x1 = int(std::ceil(cx + rx));
    const int y0 = int(std::floor(cy - ry)), y1 = int(std::ceil(cy + ry));
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            const double u = (x + 0.5 - cx) / rx, v = (y + 0.5 - cy) / ry;
            if (u * u + v * v <= 1.0) t.point(x, y, c);
        }
}

void trait(Toile& t, double x0, double y0, double x1, double y1, double r, Couleur c) {
    const int a0 = int(std::floor(std::min(x0, x1) - r)), a1 = int(std::ceil(std::max(x0, x1) + r));
    const int b0 = int(std::floor(std::min(y0, y1) - r)), b1 = int(std::ceil(std::max(y0, y1) + r));
    const double dx = x1 - x0, dy = y1 - y0, l2 = dx * dx + dy * dy;
    for (int y = b0; y <= b1; ++y)
        for (int x = a0; x <= a1; ++x) {
            const double px = x + 0.5 - x0, py = y + 0.5 - y0;
            const double k = l2 > 0 ? std::clamp((px * dx + py * dy) / l2, 0.0, 1.0) : 0.0;
            const double ex = px - k * dx, ey = py - k * dy;
            if (ex * ex + ey * ey <= r * r) t.point(x, y, c);
        }
}

void triangle(Toile& t, double ax, double ay, double bx, double by, double cx, double cy,
              Couleur c) {
    const int x0 = int(std::floor(std::min({ax, bx, cx}))),
              x1 = int(std::ceil(std::max({ax, bx, cx})));
    const int y0 = int(std::floor(std::min({ay, by, cy}))),
              y1 = int(std::ceil(std::max({ay, by, cy})));
    auto cote = [](double px, double py, double qx, double qy, double rx, double ry) {
        return (qx - px) * (ry - py) - (qy - py) * (rx - px);
    };
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            const double px = x + 0.5, py = y + 0.5;
            const double d1 = cote(ax, ay, bx, by, px, py), d2 = cote(bx, by, cx, cy, px, py),
                         d3 = cote(cx, cy, ax, ay, px, py);
            const bool neg = d1 < 0 || d2 < 0 || d3<0, pos = d1> 0 || d2 > 0 || d3 > 0;
            if (!(neg && pos)) t.point(x, y, c);
        }
}

void teinter(Toile& t, double cx, double cy, double rx, double ry, Couleur c) {
    const int x0 = int(std::floor(cx - rx)), x1 = int(std::ceil(cx + rx));
    const int y0 = int(std::floor(cy - ry)), y1 = int(std::ceil(cy + ry));
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            const double u = (x + 0.5 - cx) / rx, v = (y + 0.5 - cy) / ry;
            if (u * u + v * v <= 1.0 && t.opaque(x, y)) t.point(x, y, c);
        }
}

unsigned hachage(unsigned a, unsigned b, unsigned c) {
    unsigned h =
        a * 0x9e3779b1u ^ (b + 0x7f4a7c15u) * 0x85ebca6bu ^ (c + 0x165667b1u) * 0xc2b2ae35u;
    h ^= h >> 15;
    h *= 0x2c1b3c6du;
    h ^= h >> 12;
    h *= 0x297a2d39u;
    h ^= h >> 15;
    return h;
}

Couleur melange(Couleur a, Couleur b, double t) {
    auto m = [t](int u, int v) { return int(std::lround(u + (v - u) * t)); };
    return qRgba(m(qRed(a), qRed(b)), m(qGreen(a), qGreen(b)), m(qBlue(a), qBlue(b)),
                 m(qAlpha(a), qAlpha(b)));
}

} // namespace trace
