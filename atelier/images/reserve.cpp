#include "familles.h"

// Stand-ins keep the game whole while a family waits for its art: a strip has
// its exact size and frame count, a soft shape that moves a little from frame
// to frame so a running animation can be told from a still one.
void dessinerReserve(const QString& nom, const Rangee& r, Bande& b) {
    using namespace palette;
    const bool fond = nom.startsWith("fond_");
    for (int i = 0; i < b.nombre(); ++i) {
        Toile& t = b.image(i);
        if (fond) {
            // A night sky ramp for the sky and layers, water as bands.
            for (int y = 0; y < r.h; ++y)
                for (int x = 0; x < r.l; ++x) {
                    if (nom.endsWith("_ciel"))
                        t.point(x, y, y < r.h / 3 ? NUIT0 : (y < 2 * r.h / 3 ? NUIT1 : NUIT2));
                    else if (nom.endsWith("_eau"))
                        t.point(x, y, ((x + 4 * i + y * 3) % 24) < 3 ? NUIT3 : NUIT2);
                    else if (nom.endsWith("_pres") && y > r.h - 24)
                        t.point(x, y, VIOLET1);
                }
            continue;
        }
        const int cx = r.l / 2, cy = r.h / 2;
        const int rx = std::max(0, r.l / 2 - 2), ry = std::max(0, r.h / 2 - 2);
        t.ellipse(cx, cy, rx, ry, VIOLET2);
        if (r.images > 1)
            t.ellipse(cx, cy - ry / 3 + (i % 2), std::max(0, rx / 2), std::max(0, ry / 3), VIOLET3);
        t.contour(CONTOUR);
    }
}
