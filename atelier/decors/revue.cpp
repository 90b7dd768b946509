// Review sheets, read back from the written files so they show exactly what the
// game carries: every strip of the part, each background composed as the game
// stacks it, and the panda's poses frame by frame with their anchors.

#include "decors.h"
#include "lettres.h"

#include <QDir>
#include <QJsonArray>
#include <algorithm>
#include <cstdio>

using namespace palette;

namespace {

Couleur damier(int x, int y) {
    return ((x / 4 + y / 4) % 2) ? NUIT1 : coul(0x1c2248);
}

// Alpha-blends a strip frame over a surface, as the screen does.
void fondre(Toile& p, const QImage& im, int sx, int sy, int l, int h, int x0, int y0) {
    for (int j = 0; j < h; ++j)
        for (int k = 0; k < l; ++k) {
            const Couleur c = im.pixel(sx + k, sy + j);
            const Couleur f = p.lire(x0 + k, y0 + j);
            const int a = qAlpha(c);
            if (a == 0 || x0 + k < 0 || y0 + j < 0 || x0 + k >= p.largeur() ||
                y0 + j >= p.hauteur())
                continue;
            auto mel = [a](int u, int v) { return (u * a + v * (255 - a)) / 255; };
            p.point(
                x0 + k, y0 + j,
                qRgb(mel(qRed(c), qRed(f)), mel(qGreen(c), qGreen(f)), mel(qBlue(c), qBlue(f))));
        }
}

QImage lire(const QString& dossier, const QString& nom) {
    return QImage(dossier + "/anim/" + nom + ".png").convertToFormat(QImage::Format_ARGB32);
}

struct Morceau {
    QString titre;
    QImage image;
    int lCadre;
};

// Strips one under another, each wrapped at frame boundaries.
bool planche(const std::vector<Morceau>& morceaux, int largeur, int espace, const QString& sortie,
             bool ancres = false, const QJsonObject& anim = {}) {
    auto lignes = [&](const Morceau& m) {
        const int parLigne = std::max(1, (largeur - 12) / (m.lCadre + espace));
        const int cadres = std::max(1, m.image.width() / std::max(1, m.lCadre));
        return std::make_pair(parLigne, (cadres + parLigne - 1) / parLigne);
    };
    int hauteur = 6;
    for (const auto& m : morceaux)
        hauteur += 10 + lignes(m).second * (m.image.height() + espace) + 4;
    Toile p(largeur, hauteur);
    for (int y = 0; y < hauteur; ++y)
        for (int x = 0; x < largeur; ++x)
            p.point(x, y, damier(x, y));
    int y = 6;
    for (const auto& m : morceaux) {
        lettres::ecrire(p, 6, y, m.titre, 1, [](int) { return OR_CLAIR; });
        y += 10;
        const auto [parLigne, n] = lignes(m);
        const int cadres = std::max(1, m.image.width() / std::max(1, m.lCadre));
        const int lc = m.image.width() / cadres;
        const QJsonArray a = anim[m.titre.toLower()].toArray();
        for (int i = 0; i < cadres; ++i) {
            const int x0 = 6 + (i % parLigne) * (lc + espace);
            const int y0 = y + (i / parLigne) * (m.image.height() + espace);
            fondre(p, m.image, i * lc, 0, lc, m.image.height(), x0, y0);
            if (ancres && a.size() == 7) {
                // The anchor as a small jade tick under the frame.
                const int ax = x0 + a[5].toInt(), ay = y0 + a[6].toInt();
                p.point(ax, ay, JADE3);
                p.point(ax - 2, ay, JADE3);
                p.point(ax + 2, ay, JADE3);
            }
        }
        y += n * (m.image.height() + espace) + 4;
    }
    if (!p.image().save(sortie, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(sortie));
        return false;
    }
    return true;
}

int largeurCadre(const QJsonObject& anim, const QString& nom) {
    return anim[nom].toArray().at(0).toInt();
}

} // namespace

bool dessinerRevue(const QJsonObject& table, const QString& dossier, const QString& sortie) {
    const QJsonObject anim = table["anim"].toObject();
    std::vector<Morceau> tout, pandas;
    QStringList noms;
    for (auto it = anim.begin(); it != anim.end(); ++it)
        if (estDecor(it.key())) noms << it.key();
    auto rang = [](const QString& n) {
        return n.startsWith("panda_") || n.startsWith("ecrans_panda2") ? 0
               : n.startsWith("ecrans_")                               ? 1
               : n.startsWith("fonds_")                                ? 2
                                                                       : 3;
    };
    std::stable_sort(noms.begin(), noms.end(),
                     [&](const QString& a, const QString& b) { return rang(a) < rang(b); });
    for (const QString& nom : noms) {
        Morceau m{nom.toUpper(), lire(dossier, nom), largeurCadre(anim, nom)};
        tout.push_back(m);
        if (rang(nom) == 0) pandas.push_back(m);
    }
    bool ok = planche(tout, 1600, 4, sortie + "/planche_decors.png");
    ok = planche(pandas, 1600, 3, sortie + "/pandas.png", true, anim) && ok;

    // Each background three times: at the start, with every layer scrolled by half
    // its width (so the whole of each layer passes under the eye), and as the game
    // shows it after 100 s, the elements on other frames.
    const QJsonObject fonds = table["fonds"].toObject();
    for (auto it = fonds.begin(); it != fonds.end(); ++it) {
        const QJsonObject f = it.value().toObject();
        Toile vue(384, 224 * 3 + 8);
        for (int k = 0; k < 3; ++k) {
            Toile une(384, 224);
            const int temps = k == 2 ? 100 : 0;
            const QImage ciel = lire(dossier, f["ciel"].toString());
            fondre(une, ciel, 0, 0, 384, 224, 0, 0);
            const QJsonArray elements = f["elements"].toArray();
            auto elementsDe = [&](int plan, int offset) {
                for (const auto& v : elements) {
                    const QJsonArray e = v.toArray();
                    if (e[3].toInt() != plan) continue;
                    const QImage im = lire(dossier, e[0].toString());
                    const int l = largeurCadre(anim, e[0].toString());
                    if (l <= 0 || im.isNull()) continue;
                    const int n = std::max(1, im.width() / l);
                    const int image = (k * 3 + e[1].toInt()) % n;
                    for (int copie : {0, 768})
                        if (plan > 0 || copie == 0)
                            fondre(une, im, image * l, 0, l, im.height(),
                                   e[1].toInt() + copie - offset, e[2].toInt());
                }
            };
            elementsDe(0, 0);
            const QJsonArray plans = f["plans"].toArray();
            for (int i = 0; i < plans.size(); ++i) {
                const QJsonArray pl = plans[i].toArray();
                const int offset = k == 1 ? 384 : (temps * pl[1].toInt()) % 768;
                if (i == 2 && f["eau"].isArray()) {
                    const QJsonArray eau = f["eau"].toArray();
                    const QImage im = lire(dossier, eau[0].toString());
                    const int o = k == 1 ? 384 : (temps * plans[1].toArray()[1].toInt()) % 768;
                    const int n = std::max(1, im.width() / 768);
                    for (int copie : {0, 768})
                        fondre(une, im, (k % n) * 768, 0, 768, im.height(), copie - o,
                               eau[1].toInt());
                }
                const QImage im = lire(dossier, pl[0].toString());
                for (int copie : {0, 768})
                    fondre(une, im, 0, 0, 768, 224, copie - offset, 0);
                elementsDe(i + 1, offset);
            }
            vue.poser(une, 0, k * (224 + 4));
        }
        ok = vue.image().save(sortie + "/fond_" + it.key() + ".png", "PNG") && ok;
    }
    return ok;
}
