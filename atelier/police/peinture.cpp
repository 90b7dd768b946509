#include "peinture.h"

namespace peinture {

namespace {

QImage peindre(const sources::Carte& carte, int largeur, int hauteur, QRgb contour,
               const std::function<QRgb(int)>& couleurDuRang) {
    QImage img(largeur, hauteur, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    auto plein = [&](int x, int y) {
        return y >= 0 && y < carte.size() && x >= 0 && x < carte[y].size() &&
               carte[y][x] == QLatin1Char('#');
    };
    for (int y = 0; y < hauteur; ++y) {
        for (int x = 0; x < largeur; ++x) {
            const QChar c = y < carte.size() && x < carte[y].size() ? carte[y][x] : QChar('.');
            if (c == QLatin1Char('#')) {
                img.setPixel(x, y, couleurDuRang(y));
            } else if (c == QLatin1Char('o')) {
                img.setPixel(x, y, contour);
            } else {
                // Eight neighbours: diagonals too, so that the outline of a
                // stroke's corner stays closed and the letter reads on any background.
                bool bord = false;
                for (int dy = -1; dy <= 1 && !bord; ++dy)
                    for (int dx = -1; dx <= 1 && !bord; ++dx)
                        bord = plein(x + dx, y + dy);
                if (bord) img.setPixel(x, y, contour);
            }
        }
    }
    return img;
}

QRgb rgb(uint v) {
    return qRgb((v >> 16) & 0xff, (v >> 8) & 0xff, v & 0xff);
}

} // namespace

const QVector<Style>& styles() {
    static const QVector<Style> s = {
        {"or",
         rgb(0x2a0a1c),
         {rgb(0xfff2b0), rgb(0xfff2b0), rgb(0xffd040), rgb(0xffd040), rgb(0xffd040), rgb(0xffd040),
          rgb(0xff8a20)}},
        {"blanc",
         rgb(0x2a0a1c),
         {rgb(0xffffff), rgb(0xffffff), rgb(0xffffff), rgb(0xffffff), rgb(0xffe0e8), rgb(0xffe0e8),
          rgb(0xffe0e8)}},
        {"rouge",
         rgb(0x2a0a1c),
         {rgb(0xffd0c0), rgb(0xffd0c0), rgb(0xff6a5a), rgb(0xff6a5a), rgb(0xe8303a), rgb(0xe8303a),
          rgb(0xc8202e)}},
        {"jade",
         rgb(0x06281e),
         {rgb(0xd8ffe8), rgb(0xd8ffe8), rgb(0x7ce8b8), rgb(0x7ce8b8), rgb(0x3ac890), rgb(0x3ac890),
          rgb(0x1f9a72)}},
        {"gris",
         rgb(0x140c28),
         {rgb(0xb8b0d0), rgb(0xb8b0d0), rgb(0xb8b0d0), rgb(0xb8b0d0), rgb(0xb8b0d0), rgb(0x8a80a8),
          rgb(0x8a80a8)}},
    };
    return s;
}

QImage etroit(const sources::Carte& carte, const Style& s) {
    return peindre(carte, 7, 14, s.contour, [&](int y) { return s.rampe[qBound(0, y - 4, 6)]; });
}

QImage large(const sources::Carte& neuf, const Style& s) {
    sources::Carte carte = sources::grille(12, 12);
    for (int j = 0; j < 9 && j < neuf.size(); ++j)
        for (int i = 0; i < 9 && i < neuf[j].size(); ++i)
            carte[j + 2][i + 1] = neuf[j][i];
    // Row k of the nine takes the ramp's row k * 7 / 9.
    return peindre(carte, 12, 12, s.contour,
                   [&](int y) { return s.rampe[qBound(0, (y - 2) * 7 / 9, 6)]; });
}

} // namespace peinture
