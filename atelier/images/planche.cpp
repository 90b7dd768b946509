#include "planche.h"

#include "lettres.h"
#include "toile.h"

#include <QJsonArray>
#include <algorithm>
#include <cstdio>

namespace {

constexpr int LARGEUR = 1280;
constexpr int MARGE = 6;

struct Morceau {
    QString titre;
    QImage image; // a strip, or a row of tiles
    int lCadre;   // frame width, to wrap a long strip at frame boundaries
};

Couleur fondDamier(int x, int y) {
    return ((x / 4 + y / 4) % 2) ? palette::NUIT1 : coul(0x1c2248);
}

} // namespace

bool dessinerPlanche(const QJsonObject& table, const QString& dossier, const QString& sortie) {
    std::vector<Morceau> morceaux;

    auto rangTuiles = [&](const QString& titre, const QStringList& noms) {
        QImage rang((19 + 2) * noms.size(), 24, QImage::Format_ARGB32);
        rang.fill(Qt::transparent);
        Toile t(rang);
        for (int i = 0; i < noms.size(); ++i) {
            const QImage im(dossier + "/tuiles/" + noms[i] + ".png");
            t.poser(Toile(im), i * 21, 0);
        }
        morceaux.push_back({titre, t.image(), 21});
    };
    for (int s = 3; s >= 0; --s) {
        QStringList noms;
        for (int c = 0; c <= 42; ++c)
            noms << QString("%1_%2").arg(s).arg(c);
        rangTuiles(QString("TUILES %1").arg(s), noms);
    }
    for (const char* sorte : {"apercu_", "prise_", "indice_"}) {
        QStringList noms;
        for (int c = 0; c < 42; ++c)
            noms << QString(sorte) + QString::number(c);
        rangTuiles(QString(sorte).toUpper(), noms);
    }
    {
        // A small stack as the board draws it: three layers over a 9 x 4 base, each
        // tile at (8 x - 3 z, 10 y - 4 z) from the origin, in drawing order.
        Toile pile(9 * 16 + 12, 4 * 20 + 16);
        int motif = 0;
        for (int z = 0; z < 3; ++z)
            for (int j = 0; j < 4 - z; ++j)
                for (int i = 0; i < 9 - z; ++i) {
                    const int m = (motif++ * 5) % 42;
                    const QImage im(QString("%1/tuiles/%2_%3.png")
                                        .arg(dossier)
                                        .arg(z)
                                        .arg(z == 2 && i == 1 ? 42 : m));
                    const int x = 2 * i + z, y = 2 * j + z;
                    pile.poser(Toile(im), 8 + 8 * x - 3 * z, 12 + 10 * y - 4 * z);
                }
        morceaux.push_back({"PILE", pile.image(), pile.largeur()});
    }
    QStringList autres;
    for (int s = 0; s < 4; ++s)
        autres << QString("dos_%1").arg(s);
    for (int s = 0; s < 4; ++s)
        autres << QString("flanc_%1").arg(s);
    rangTuiles("DOS FLANC", autres);
    for (const char* nom : {"icone_hint", "icone_mix", "curseur", "fond", "lanterne",
                            "lanterne_grande", "panda", "panda_mini", "petite"}) {
        const QImage im(dossier + "/" + nom + ".png");
        morceaux.push_back({QString(nom).toUpper(), im, im.width()});
    }
    const QJsonObject anim = table["anim"].toObject();
    // Board and play strips first, then the families still waiting for their art.
    QStringList noms = anim.keys();
    auto rang = [](const QString& n) {
        return n.startsWith("tuiles_")     ? 0
               : n.startsWith("chiffres_") ? 1
               : n.startsWith("effets_")   ? 2
                                           : 3;
    };
    std::stable_sort(noms.begin(), noms.end(),
                     [&](const QString& a, const QString& b) { return rang(a) < rang(b); });
    for (const QString& nom : noms) {
        // Strips another part draws are not in this folder; that part reviews them.
        const QImage im(dossier + "/anim/" + nom + ".png");
        if (!im.isNull()) morceaux.push_back({nom.toUpper(), im, anim[nom].toArray()[0].toInt()});
    }

    // Lay out: a label line, then the image, wrapped at frame boundaries.
    auto lignes = [](const Morceau& m) {
        const int parLigne = std::max(1, (LARGEUR - 2 * MARGE) / (m.lCadre + 2));
        const int cadres = std::max(1, m.image.width() / std::max(1, m.lCadre));
        return std::make_pair(parLigne, (cadres + parLigne - 1) / parLigne);
    };
    int hauteur = MARGE;
    for (const auto& m : morceaux)
        hauteur += 10 + lignes(m).second * (m.image.height() + 2) + 4;

    Toile p(LARGEUR, hauteur);
    for (int y = 0; y < hauteur; ++y)
        for (int x = 0; x < LARGEUR; ++x)
            p.point(x, y, fondDamier(x, y));
    int y = MARGE;
    for (const auto& m : morceaux) {
        lettres::ecrire(p, MARGE, y, m.titre, 1, [](int) { return palette::OR_CLAIR; });
        y += 10;
        const auto [parLigne, n] = lignes(m);
        const int cadres = std::max(1, m.image.width() / std::max(1, m.lCadre));
        const int lc = m.image.width() / cadres;
        for (int i = 0; i < cadres; ++i) {
            const int x0 = MARGE + (i % parLigne) * (lc + 2);
            const int y0 = y + (i / parLigne) * (m.image.height() + 2);
            // Blended over the checkerboard, so half-transparent pixels show as
            // they would in the game.
            for (int j = 0; j < m.image.height(); ++j)
                for (int k = 0; k < lc; ++k) {
                    const Couleur c = m.image.pixel(i * lc + k, j);
                    const Couleur f = p.lire(x0 + k, y0 + j);
                    const int a = qAlpha(c);
                    auto mel = [a](int u, int v) { return (u * a + v * (255 - a)) / 255; };
                    p.point(x0 + k, y0 + j,
                            qRgb(mel(qRed(c), qRed(f)), mel(qGreen(c), qGreen(f)),
                                 mel(qBlue(c), qBlue(f))));
                }
        }
        y += n * (m.image.height() + 2) + 4;
    }
    if (!p.image().save(sortie, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(sortie));
        return false;
    }
    return true;
}
