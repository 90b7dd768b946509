#pragma once
// A drawing surface for pixel art: whole pixels only, no blending except where a
// caller asks for it, so that every image comes out the same on every run.

#include <QImage>
#include <QString>
#include <QStringList>
#include <cmath>
#include <functional>
#include <map>
#include <vector>

using Couleur = QRgb;

constexpr Couleur coul(unsigned rgb, unsigned a = 255) {
    return (a << 24) | (rgb & 0xffffffu);
}
constexpr Couleur TRANSPARENT = 0;

// The one palette of the game: night blues and purples, lantern reds and golds,
// jade greens, an ivory for tile faces, and the two outline darks.
namespace palette {
constexpr Couleur CONTOUR = coul(0x1a0f2e);       // outline of sprites
constexpr Couleur CONTOUR_ROUGE = coul(0x2a0a1c); // outline of warm letters
constexpr Couleur NUIT0 = coul(0x0a0618);
constexpr Couleur NUIT1 = coul(0x141a3a);
constexpr Couleur NUIT2 = coul(0x24305e);
constexpr Couleur NUIT3 = coul(0x3a4a8a);
constexpr Couleur BLEU = coul(0x2f5fd0);
constexpr Couleur BLEU_CLAIR = coul(0x6fa8ff);
constexpr Couleur VIOLET1 = coul(0x3c1f5c);
constexpr Couleur VIOLET2 = coul(0x6a3a8c);
constexpr Couleur VIOLET3 = coul(0xa070c8);
constexpr Couleur ROUGE_SOMBRE = coul(0x8a1426);
constexpr Couleur ROUGE = coul(0xc8202e);
constexpr Couleur ROUGE_VIF = coul(0xe8303a);
constexpr Couleur ROUGE_CLAIR = coul(0xff6a5a);
constexpr Couleur ORANGE = coul(0xff8a20);
constexpr Couleur OR = coul(0xffd040);
constexpr Couleur OR_CLAIR = coul(0xfff2b0);
constexpr Couleur OR_SOMBRE = coul(0xb87818);
constexpr Couleur JADE_NUIT = coul(0x06281e);
constexpr Couleur JADE0 = coul(0x0f5a44);
constexpr Couleur JADE1 = coul(0x1f9a72);
constexpr Couleur JADE2 = coul(0x3ac890);
constexpr Couleur JADE3 = coul(0x7ce8b8);
constexpr Couleur JADE4 = coul(0xd8ffe8);
constexpr Couleur IVOIRE = coul(0xf6eedc);
constexpr Couleur IVOIRE_OMBRE = coul(0xe2d4b6);
constexpr Couleur IVOIRE_SOMBRE = coul(0xc0ac88);
constexpr Couleur ENCRE = coul(0x1c2250); // navy ink of the tile characters
constexpr Couleur ROSE = coul(0xff6a8a);
constexpr Couleur ROSE_CLAIR = coul(0xffc0d0);
constexpr Couleur BLANC = coul(0xffffff);
constexpr Couleur GRIS1 = coul(0x5a5478);
constexpr Couleur GRIS2 = coul(0x8a80a8);
constexpr Couleur GRIS3 = coul(0xb8b0d0);
constexpr Couleur BRUN = coul(0x7a3a1a);
constexpr Couleur ROUX = coul(0xc8501e);
} // namespace palette

class Toile {
public:
    Toile(int l, int h);
    explicit Toile(const QImage& image);

    int largeur() const { return img.width(); }
    int hauteur() const { return img.height(); }
    QImage& image() { return img; }
    const QImage& image() const { return img; }

    Couleur lire(int x, int y) const;
    bool opaque(int x, int y) const { return qAlpha(lire(x, y)) > 0; }
    void point(int x, int y, Couleur c);
    void rect(int x, int y, int l, int h, Couleur c);
    void cadre(int x, int y, int l, int h, Couleur c);
    void ligne(int x0, int y0, int x1, int y1, Couleur c);
    // Filled disc of integer radius, the same shape at every size.
    void disque(int cx, int cy, int r, Couleur c);
    void cercle(int cx, int cy, int r, Couleur c);
    void ellipse(int cx, int cy, int rx, int ry, Couleur c);
    // A pixel map: one text row per line, each character looked up in the key;
    // '.' and ' ' are left untouched.
    void carte(int x, int y, const QStringList& lignes, const std::map<QChar, Couleur>& cle);
    // Paints the 1-pixel outline around every opaque pixel (8 neighbours when
    // diagonales, else 4) on transparent pixels.
    void contour(Couleur c, bool diagonales = false);
    // Every opaque pixel recoloured by a function of its position.
    void teindre(const std::function<Couleur(int x, int y, Couleur avant)>& f);
    // Copies another surface at (x, y), its transparent pixels skipped.
    void poser(const Toile& autre, int x, int y);
    // Multiplies every pixel's alpha.
    void attenuer(double facteur);

private:
    QImage img;
};

// Side-by-side frames of one strip.
class Bande {
public:
    Bande(int l, int h, int images);
    Toile& image(int i) { return frames[i]; }
    int nombre() const { return int(frames.size()); }
    QImage assembler() const;

private:
    int l, h;
    std::vector<Toile> frames;
};

inline int arrondi(double v) {
    return int(std::floor(v + 0.5));
}
