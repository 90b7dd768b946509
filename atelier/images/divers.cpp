// The aid icons of the status bar and the images the resources carry without a
// scene drawing them (kept for the gallery and for tools).

#include "faces.h"
#include "familles.h"

using namespace palette;

namespace {

// A red paper lantern of any size, centred in its image.
Toile lanterne(int l, int h) {
    Toile t(l, h);
    const int cx = l / 2, cy = h / 2;
    const int rx = l / 2 - 1, ry = h / 2 - 3;
    t.ellipse(cx, cy, rx, ry, ROUGE);
    t.ellipse(cx, cy, rx - 1, ry - 1, ROUGE_VIF);
    t.ellipse(cx, cy, rx / 2, ry / 2, OR);
    t.ellipse(cx, cy, std::max(0, rx / 4), std::max(0, ry / 4), OR_CLAIR);
    for (int j = cy - ry + 1; j < cy + ry; ++j)
        for (int x : {cx - rx / 2 - 1, cx + rx / 2 + 1})
            if (qAlpha(t.lire(x, j))) t.point(x, j, ROUGE_SOMBRE);
    t.rect(cx - rx / 2, cy - ry - 1, rx + 1, 2, OR);
    t.rect(cx - rx / 2, cy + ry, rx + 1, 2, OR_SOMBRE);
    t.point(cx, 0, OR_SOMBRE);
    t.contour(CONTOUR);
    return t;
}

// The red panda's head: russet fur, white cheeks and brows, dark eye patches.
Toile tetePanda(int l, int h, int ox, int oy, bool petite) {
    Toile t(l, h);
    const std::map<QChar, Couleur> cle = {{'o', CONTOUR}, {'R', ROUX},    {'r', BRUN},
                                          {'w', IVOIRE},  {'k', CONTOUR}, {'p', ROSE}};
    if (petite)
        t.carte(
            ox, oy,
            {".o....o.", "oRo..oRo", "oRRRRRRo", "RwkRRkwR", "RwwpwwwR", ".oRRRRo.", "..oooo.."},
            cle);
    else
        t.carte(ox, oy,
                {".oo......oo.", "oRRo....oRRo", "oRwRooooRwRo", "oRRRRRRRRRRo", "oRwwRRRRwwRo",
                 "oRwkkRRkkwRo", "oRwwwRRwwwRo", "oRRwwppwwRRo", ".oRRwwwwRRo.", "..oorrrroo..",
                 "....oooo...."},
                cle);
    return t;
}

} // namespace

std::vector<Fichier> fichiersDivers() {
    std::vector<Fichier> f;
    // The window's icon and the box manifest's.
    f.push_back({"icone.png", iconeProgramme(128)});
    {
        // HINT: a small light bulb.
        Toile t(5, 6);
        t.carte(0, 0, {".ooo.", "oYWYo", "oYYYo", ".oYo.", ".ggg.", "..g.."},
                {{'o', OR_SOMBRE}, {'Y', OR}, {'W', OR_CLAIR}, {'g', GRIS2}});
        f.push_back({"icone_hint.png", t.image()});
    }
    {
        // MIX: two arrows chasing each other round a circle.
        Toile t(7, 7);
        t.carte(0, 0, {"..JJJ.A", ".J...AA", "J....AA", "J.....J", "BB....J", "BB...J.", "B.JJJ.."},
                {{'J', JADE2}, {'A', JADE4}, {'B', JADE4}});
        f.push_back({"icone_mix.png", t.image()});
    }
    {
        // The pointer as the board draws it: the panda's paw at rest.
        Rangee r{11, 11, 2, 0, 0, 5, 1};
        Bande b(11, 11, 2);
        dessinerEffets("effets_patte", r, b);
        f.push_back({"curseur.png", b.image(0).image()});
    }
    {
        // A repeatable 16 x 16 night pattern: a lattice of thin purple lines.
        Toile t(16, 16);
        t.rect(0, 0, 16, 16, NUIT1);
        for (int i = 0; i < 16; ++i) {
            t.point(i, i, VIOLET1);
            t.point(15 - i, i, VIOLET1);
        }
        t.point(7, 7, OR_SOMBRE);
        t.point(8, 8, OR_SOMBRE);
        t.point(0, 0, VIOLET2);
        f.push_back({"fond.png", t.image()});
    }
    f.push_back({"lanterne.png", lanterne(12, 16).image()});
    f.push_back({"lanterne_grande.png", lanterne(24, 32).image()});
    f.push_back({"panda.png", tetePanda(20, 20, 4, 5, false).image()});
    f.push_back({"panda_mini.png", tetePanda(10, 10, 1, 2, true).image()});
    {
        // The micro font in the order of the table: 0-9, E, S, W, N.
        Toile t(14 * 4, 5);
        for (int i = 0; i < 14; ++i)
            t.carte(i * 4, 0, faces::PETITE[i], {{'#', BLANC}});
        f.push_back({"petite.png", t.image()});
    }
    return f;
}
