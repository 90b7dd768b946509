#pragma once

#include "commun/ecran/crt.h"

#include <cstdint>
#include <vector>

// The tube pass drawn into a picture kept from frame to frame: only the
// window tiles whose pixels read native pixels that changed are drawn again.
// A stage changes a few per cent of its native pixels from one frame to the
// next and the title almost none, while the pass costs a software renderer
// two texture reads and a few dozen operations at every window pixel.
namespace tube {

struct Vec2 {
    double x = 0;
    double y = 0;
    bool operator==(const Vec2& o) const { return x == o.x && y == o.y; }
    bool operator!=(const Vec2& o) const { return !(*this == o); }
};

// What the window and the settings give the pass.
struct Entrees {
    Vec2 echelle{1, 1}; // window units per native pixel
    Vec2 origine;       // the picture's top-left in the window
    Vec2 fenetre{1, 1}; // the window's size
    Vec2 tailleMarge{768, 224};
    Vec2 natif{crt::LARGEUR, crt::HAUTEUR};
    double eclatMarge = 0.6; // the backdrop band's brightness
    double miroirMarge = 0;  // 1: the band alternates with its mirror image
    crt::Effectifs effet;
};

// The scales of the picture pass that do not depend on the tube: what its
// pieces drawn without the tube read as well.
struct Echelles {
    Vec2 pente;        // max(window pixels per native pixel, 1)
    Vec2 decale;       // 0.5 - 0.5 x pente
    Vec2 inverseNatif; // 1 / the native size
    Vec2 inverseMarge; // 1 / the band's size
    Vec2 versNatifA;   // native point = flat window point (-1..1) x A + B
    Vec2 versNatifB;
};

Echelles echelles(const Entrees& e);

// The uniforms of the tube variant of the picture pass, named as in its
// shader: everything that does not change from pixel to pixel.
struct Uniformes {
    Vec2 pente;  // max(window pixels per native pixel, 1)
    Vec2 decale; // 0.5 - 0.5 x pente
    double decaleDoux[3] = {0, 0, 0};
    Vec2 inverseNatif;
    Vec2 inverseMarge;
    Vec2 courbe;     // (0.07, 0.11) x curvature
    Vec2 versNatifG; // c = curved window point (-1..1) x G + C
    Vec2 versNatifC;
    double forceLueur = 0;
    double balayage = 0;
    Vec2 masque;
    double vignette = 0;
    Vec2 fenetre;
    Vec2 tailleMarge;
    Vec2 natif;
    double eclatMarge = 0;
    double miroirMarge = 0;
    bool lueur = false;      // the glow is above 0: the pass reads it
    bool douxUnique = false; // two window pixels or more per native pixel

    bool operator==(const Uniformes& o) const;
    bool operator!=(const Uniformes& o) const { return !(*this == o); }
};

Uniformes uniformes(const Entrees& e);

// The point c (native point less half a pixel) the pass shows at the centre
// of window pixel (px, py), for a window of l x h pixels: the shader's warp.
Vec2 pointNatif(const Uniformes& u, double px, double py, double l, double h);

// A rectangle of whole pixels; empty when either side is 0.
struct Zone {
    int x = 0;
    int y = 0;
    int largeur = 0;
    int hauteur = 0;
    bool milieu = false; // inside the window's middle (crt::interieur)
};

// Native pixels are compared by square blocks of this side: a changed pixel
// stands for its whole block. Blocks of 2 and tiles of 16 drew only 1 to 9 %
// fewer window pixels on a stage and the title, for four times the counting.
constexpr int BLOC = 4;
// The glow of a native pixel reads three pixels around it: the blocks around
// a changed one that its glow may reach.
constexpr int RAYON_LUEUR = (3 + BLOC - 1) / BLOC;

// Marks the blocks of an l x h picture (32-bit pixels, rows one after the
// other) where `avant` and `apres` differ: `blocs` holds one byte per block,
// ceil(l / BLOC) per row, and is only ever set, never cleared. Whether any
// block differs.
bool comparer(const std::uint32_t* avant, const std::uint32_t* apres, int l, int h,
              std::vector<std::uint8_t>& blocs);

// The blocks within `rayon` blocks of a marked one (`blocs`, largeur x
// hauteur), into `sortie`; `entre` is room for the pass along the rows.
void etendre(const std::vector<std::uint8_t>& blocs, int largeur, int hauteur, int rayon,
             std::vector<std::uint8_t>& entre, std::vector<std::uint8_t>& sortie);

// The marked blocks of an l x h picture as rectangles of its pixels, one per
// run of marked blocks along a row of blocks, clipped to the picture.
void zonesDesBlocs(const std::vector<std::uint8_t>& blocs, int l, int h, std::vector<Zone>& sortie);

// For one window size and one set of uniforms: the window's tiles, the native
// pixels each one reads, and the tiles a set of changed blocks makes the pass
// draw again, gathered into as few rectangles as rows allow. Nothing is
// allocated once built.
class Retouches {
public:
    // A window of l x h pixels; `milieu` the rectangle of window pixels the
    // middle variant of the pass may draw.
    Retouches(const Uniformes& u, int l, int h, const crt::Rectangle& milieu, int cote = 32);

    int largeurBlocs() const { return largeurBlocs_; }
    int hauteurBlocs() const { return hauteurBlocs_; }

    // The rectangles to draw again for the changed blocks (largeurBlocs() per
    // row); with `tout`, the whole window. Valid until the next call.
    const std::vector<Zone>& zones(const std::vector<std::uint8_t>& blocs, bool tout = false);

    // The native blocks a tile reads, inclusive: for tests.
    struct Blocs {
        int x0, y0, x1, y1;
    };
    Blocs blocsDe(int colonne, int ligne) const { return lus_[ligne * colonnes_ + colonne]; }
    int colonnes() const { return colonnes_; }
    int lignes() const { return lignes_; }

private:
    int l_, h_, cote_, colonnes_, lignes_;
    int largeurBlocs_, hauteurBlocs_;
    std::vector<Blocs> lus_;
    std::vector<bool> milieu_;
    std::vector<int> somme_; // summed-area table of the changed blocks
    std::vector<Zone> zones_;
};

} // namespace tube
