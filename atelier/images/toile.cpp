#include "toile.h"

#include <cmath>
#include <cstdlib>

Toile::Toile(int l, int h) : img(l, h, QImage::Format_ARGB32) {
    img.fill(Qt::transparent);
}

Toile::Toile(const QImage& image) : img(image.convertToFormat(QImage::Format_ARGB32)) {}

Couleur Toile::lire(int x, int y) const {
    if (x < 0 || y < 0 || x >= img.width() || y >= img.height()) return TRANSPARENT;
    return img.pixel(x, y);
}

void Toile::point(int x, int y, Couleur c) {
    if (x < 0 || y < 0 || x >= img.width() || y >= img.height()) return;
    img.setPixel(x, y, c);
}

void Toile::rect(int x, int y, int l, int h, Couleur c) {
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + l; ++i)
            point(i, j, c);
}

void Toile::cadre(int x, int y, int l, int h, Couleur c) {
    for (int i = x; i < x + l; ++i) {
        point(i, y, c);
        point(i, y + h - 1, c);
    }
    for (int j = y; j < y + h; ++j) {
        point(x, j, c);
        point(x + l - 1, j, c);
    }
}

void Toile::ligne(int x0, int y0, int x1, int y1, Couleur c) {
    const int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
    const int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        point(x0, y0, c);
        if (x0 == x1 && y0 == y1) break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

void Toile::disque(int cx, int cy, int r, Couleur c) {
    for (int j = -r; j <= r; ++j)
        for (int i = -r; i <= r; ++i)
            if (i * i + j * j <= r * r + r) point(cx + i, cy + j, c);
}

void Toile::cercle(int cx, int cy, int r, Couleur c) {
    for (int j = -r; j <= r; ++j)
        for (int i = -r; i <= r; ++i) {
            const int d = i * i + j * j;
            if (d <= r * r + r && d > (r - 1) * (r - 1) + (r - 1)) point(cx + i, cy + j, c);
        }
}

void Toile::ellipse(int cx, int cy, int rx, int ry, Couleur c) {
    if (rx <= 0 || ry <= 0) {
        rect(cx - rx, cy - ry, 2 * rx + 1, 2 * ry + 1, c);
        return;
    }
    for (int j = -ry; j <= ry; ++j)
        for (int i = -rx; i <= rx; ++i) {
            const double u = (i * i) / double(rx * rx + rx) + (j * j) / double(ry * ry + ry);
            if (u <= 1.0) point(cx + i, cy + j, c);
        }
}

void Toile::carte(int x, int y, const QStringList& lignes, const std::map<QChar, Couleur>& cle) {
    for (int j = 0; j < lignes.size(); ++j)
        for (int i = 0; i < lignes[j].size(); ++i) {
            const QChar ch = lignes[j][i];
            if (ch == '.' || ch == ' ') continue;
            const auto it = cle.find(ch);
            if (it != cle.end()) point(x + i, y + j, it->second);
        }
}

void Toile::contour(Couleur c, bool diagonales) {
    const QImage avant = img;
    auto plein = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < avant.width() && y < avant.height() &&
               qAlpha(avant.pixel(x, y)) > 0;
    };
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            if (plein(x, y)) continue;
            bool voisin = plein(x - 1, y) || plein(x + 1, y) || plein(x, y - 1) || plein(x, y + 1);
            if (diagonales)
                voisin = voisin || plein(x - 1, y - 1) || plein(x + 1, y - 1) ||
                         plein(x - 1, y + 1) || plein(x + 1, y + 1);
            if (voisin) img.setPixel(x, y, c);
        }
}

void Toile::teindre(const std::function<Couleur(int, int, Couleur)>& f) {
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const Couleur c = img.pixel(x, y);
            if (qAlpha(c) > 0) img.setPixel(x, y, f(x, y, c));
        }
}

void Toile::poser(const Toile& autre, int x, int y) {
    for (int j = 0; j < autre.hauteur(); ++j)
        for (int i = 0; i < autre.largeur(); ++i) {
            const Couleur c = autre.lire(i, j);
            if (qAlpha(c) > 0) point(x + i, y + j, c);
        }
}

void Toile::attenuer(double facteur) {
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const Couleur c = img.pixel(x, y);
            img.setPixel(x, y, qRgba(qRed(c), qGreen(c), qBlue(c), arrondi(qAlpha(c) * facteur)));
        }
}

Bande::Bande(int largeur, int hauteur, int images) : l(largeur), h(hauteur) {
    for (int i = 0; i < images; ++i)
        frames.emplace_back(l, h);
}

QImage Bande::assembler() const {
    QImage tout(l * int(frames.size()), h, QImage::Format_ARGB32);
    tout.fill(Qt::transparent);
    for (int i = 0; i < int(frames.size()); ++i)
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < l; ++x)
                tout.setPixel(i * l + x, y, frames[i].image().pixel(x, y));
    return tout;
}
