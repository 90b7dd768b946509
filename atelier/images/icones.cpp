// The program's icon, at every size the desktop's icon theme asks for. Pixel
// art only scales by whole factors, so each size gets the panda tile at the
// largest factor that fits, centred; below the tile's own height it gets a
// smaller tile of its own, drawn in the same manner.

#include "familles.h"

#include <QPainter>

using namespace palette;

namespace {

// 16 x 16: a 13 x 13 face with the mascot's head, over the tile's relief
// (an ivory layer, the jade body, the outline), one pixel per layer.
Toile petiteTuile() {
    Toile t(16, 16);
    const Couleur couches[4] = {0, IVOIRE_SOMBRE, JADE1, CONTOUR};
    for (int k = 3; k >= 1; --k)
        t.rect(k, k, 13, 13, couches[k]);
    for (int k = 1; k <= 3; ++k) {
        t.point(k + 12, k, CONTOUR);
        t.point(k, k + 12, CONTOUR);
    }
    t.rect(0, 0, 13, 13, CONTOUR);
    t.rect(1, 1, 11, 11, IVOIRE);
    t.rect(1, 11, 11, 1, IVOIRE_OMBRE);
    t.rect(11, 1, 1, 11, IVOIRE_OMBRE);
    t.carte(2, 3,
            {".o....o.", "oRo..oRo", "oRRRRRRo", "RwkRRkwR", "RwwpwwwR", ".oRRRRo.", "..oooo.."},
            {{'o', CONTOUR}, {'R', ROUX}, {'w', IVOIRE}, {'k', CONTOUR}, {'p', ROSE}});
    return t;
}

} // namespace

QImage iconeProgramme(int taille) {
    const QImage tuile = tuiles::tuile(tuiles::PANDA).image();
    const int facteur = taille / tuile.height();
    const QImage motif = facteur >= 1 ? tuile : petiteTuile().image();
    const int k = facteur >= 1 ? facteur : std::max(1, taille / motif.height());
    const QImage agrandi = motif.scaled(motif.width() * k, motif.height() * k,
                                        Qt::IgnoreAspectRatio, Qt::FastTransformation);
    QImage icone(taille, taille, QImage::Format_ARGB32);
    icone.fill(Qt::transparent);
    QPainter p(&icone);
    p.drawImage((taille - agrandi.width()) / 2, (taille - agrandi.height()) / 2, agrandi);
    return icone;
}

std::vector<Fichier> iconesBureau() {
    std::vector<Fichier> f;
    for (int taille : {16, 24, 32, 48, 64, 128, 256, 512}) {
        const QString dossier = QString("%1x%1/apps/").arg(taille);
        // Named after the desktop entry, as software centres look it up.
        f.push_back({dossier + "net.brontelvik.tessimora.png", iconeProgramme(taille)});
    }
    return f;
}
