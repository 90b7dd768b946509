// The drawn images as the game's resources carry them: every file the table
// names, at its exact size, and the rules that tie tile images together.

#include <QColor>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <array>
#include <cmath>
#include <gtest/gtest.h>
#include <map>

namespace {

QJsonObject table() {
    QFile f(":/app/images/sprites.json");
    f.open(QIODevice::ReadOnly);
    return QJsonDocument::fromJson(f.readAll()).object();
}

QImage image(const QString& nom) {
    return QImage(":/app/images/" + nom + ".png").convertToFormat(QImage::Format_ARGB32);
}

QColor moyenne(const QImage& im) {
    long r = 0, g = 0, b = 0, n = 0;
    for (int y = 0; y < im.height(); ++y)
        for (int x = 0; x < im.width(); ++x) {
            const QRgb c = im.pixel(x, y);
            if (qAlpha(c) == 0) continue;
            r += qRed(c);
            g += qGreen(c);
            b += qBlue(c);
            ++n;
        }
    return n ? QColor(int(r / n), int(g / n), int(b / n)) : QColor();
}

bool familleDeCetteEtape(const QString& nom) {
    return nom.startsWith("tuiles_") || nom.startsWith("effets_") || nom.startsWith("chiffres_");
}

} // namespace

TEST(Images, ChaqueBandeALaTailleDeSaRangee) {
    // This part's strips must all be there; another part's, when present (it
    // tests its own), must still match the table.
    const QJsonObject anim = table()["anim"].toObject();
    ASSERT_EQ(anim.size(), 153);
    for (auto it = anim.begin(); it != anim.end(); ++it) {
        const QJsonArray r = it.value().toArray();
        const QImage im = image("anim/" + it.key());
        if (!familleDeCetteEtape(it.key()) && im.isNull()) continue;
        ASSERT_FALSE(im.isNull()) << qPrintable(it.key());
        EXPECT_EQ(im.width(), r[0].toInt() * r[2].toInt()) << qPrintable(it.key());
        EXPECT_EQ(im.height(), r[1].toInt()) << qPrintable(it.key());
        EXPECT_TRUE(QImage(":/app/images/anim/" + it.key() + ".png").hasAlphaChannel());
    }
}

TEST(Images, LesAnimationsBougent) {
    // A strip that runs must not repeat one picture: each frame differs from the
    // one before it (a looping strip also from its last to its first).
    const QJsonObject anim = table()["anim"].toObject();
    for (auto it = anim.begin(); it != anim.end(); ++it) {
        const QJsonArray r = it.value().toArray();
        const int l = r[0].toInt(), n = r[2].toInt();
        if (!familleDeCetteEtape(it.key()) || n < 2) continue;
        const QImage im = image("anim/" + it.key());
        for (int i = 1; i < n; ++i)
            EXPECT_NE(im.copy((i - 1) * l, 0, l, im.height()), im.copy(i * l, 0, l, im.height()))
                << qPrintable(it.key()) << " frame " << i;
        // And no frame of a strip is empty, except where an effect fades out.
        for (int i = 0; i < n; ++i) {
            const QImage c = im.copy(i * l, 0, l, im.height());
            bool visible = false;
            for (int y = 0; y < c.height() && !visible; ++y)
                for (int x = 0; x < c.width() && !visible; ++x)
                    visible = qAlpha(c.pixel(x, y)) > 0;
            EXPECT_TRUE(visible) << qPrintable(it.key()) << " frame " << i << " is empty";
        }
    }
}

// Both sets, CLASSIC and CLEAR, follow the same rules.
const QString JEUX[2] = {"tuiles/", "tuiles/clair_"};

TEST(Images, TuilesOmbreesSelonLesTeintes) {
    const QJsonArray teintes = table()["tuile"].toObject()["teintes"].toArray();
    for (const QString& jeu : JEUX)
        for (int c = 0; c <= 42; ++c) {
            const QImage clair = image(jeu + QString("3_%1").arg(c));
            ASSERT_EQ(clair.size(), QSize(19, 24)) << qPrintable(jeu) << c;
            for (int s = 0; s < 3; ++s) {
                const QImage sombre = image(jeu + QString("%1_%2").arg(s).arg(c));
                ASSERT_EQ(sombre.size(), QSize(19, 24));
                const double f = teintes[s].toDouble();
                for (int y = 0; y < 24; ++y)
                    for (int x = 0; x < 19; ++x) {
                        const QRgb a = clair.pixel(x, y), b = sombre.pixel(x, y);
                        ASSERT_EQ(qAlpha(a), qAlpha(b));
                        if (qAlpha(a) == 0) continue;
                        ASSERT_NEAR(qRed(b), qRed(a) * f, 0.51) << c << " " << x << "," << y;
                        ASSERT_NEAR(qGreen(b), qGreen(a) * f, 0.51);
                        ASSERT_NEAR(qBlue(b), qBlue(a) * f, 0.51);
                    }
            }
        }
}

TEST(Images, ApercuPriseIndice) {
    for (const QString& jeu : JEUX)
        for (int m = 0; m < 42; ++m) {
            const QImage plein = image(jeu + QString("3_%1").arg(m));
            const QImage apercu = image(jeu + QString("apercu_%1").arg(m));
            ASSERT_EQ(apercu.size(), QSize(19, 24));
            for (int y = 0; y < 24; ++y)
                for (int x = 0; x < 19; ++x)
                    ASSERT_EQ(apercu.pixel(x, y), (x + y) % 2 == 0 ? plein.pixel(x, y) : 0u)
                        << qPrintable(jeu) << m << " " << x << "," << y;
            const QImage prise = image(jeu + QString("prise_%1").arg(m));
            const QImage indice = image(jeu + QString("indice_%1").arg(m));
            ASSERT_EQ(prise.size(), QSize(16, 20));
            ASSERT_EQ(indice.size(), QSize(16, 20));
            // Recoloured towards gold, and towards pink (CLASSIC) or sky blue
            // (CLEAR, whose hint must not read as a second gold).
            const QColor p = moyenne(prise), i = moyenne(indice),
                         f = moyenne(plein.copy(0, 0, 16, 20));
            EXPECT_GT(p.red() - p.blue(), f.red() - f.blue() + 20) << m;
            if (jeu == JEUX[0])
                EXPECT_GT(i.red() - i.green(), f.red() - f.green() + 20) << m;
            else
                EXPECT_GT(i.blue() - i.red(), f.blue() - f.red() + 20) << m;
            EXPECT_NE(p, i) << m;
        }
    for (int s = 0; s < 4; ++s) {
        EXPECT_EQ(image(QString("tuiles/dos_%1").arg(s)).size(), QSize(19, 24));
        EXPECT_EQ(image(QString("tuiles/flanc_%1").arg(s)).size(), QSize(19, 24));
    }
}

TEST(Images, FacesToutesDifferentes) {
    // 42 faces that a player must tell apart: no two share a picture, and the
    // jade back is none of them.
    for (int a = 0; a <= 42; ++a)
        for (int b = a + 1; b <= 42; ++b)
            EXPECT_NE(image(QString("tuiles/3_%1").arg(a)), image(QString("tuiles/3_%1").arg(b)))
                << a << " " << b;
}

TEST(Images, IconesEtImagesHorsScene) {
    EXPECT_EQ(image("icone_hint").size(), QSize(5, 6));
    EXPECT_EQ(image("icone_mix").size(), QSize(7, 7));
    for (const char* nom :
         {"curseur", "fond", "lanterne", "lanterne_grande", "panda", "panda_mini", "petite"})
        EXPECT_FALSE(image(nom).isNull()) << nom;
    // The micro font: the 14 characters side by side in 4 x 5 cells.
    EXPECT_EQ(image("petite").size(), QSize(14 * 4, 5));
}

TEST(Images, VoileBandeEtFlash) {
    // The band is the dark night colour dithered over 10, 30 and 50 % of its pixels.
    const QImage bande = image("anim/effets_voile_bande");
    const double parts[3] = {0.10, 0.30, 0.50};
    for (int f = 0; f < 3; ++f) {
        int couverts = 0;
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 384; ++x) {
                const QRgb c = bande.pixel(f * 384 + x, y);
                if (qAlpha(c) == 0) continue;
                ++couverts;
                ASSERT_EQ(c, qRgba(0x0a, 0x06, 0x18, 255));
            }
        EXPECT_NEAR(couverts / double(384 * 40), parts[f], 0.005) << f;
    }
}

// The icon the box manifest names: the panda tile at five times, pixels kept
// square, on a transparent square.
TEST(Images, IconeDuProgramme) {
    const QImage icone = QImage(":/app/icon.png").convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(icone.size(), QSize(128, 128));
    EXPECT_EQ(qAlpha(icone.pixel(0, 0)), 0);
    const QImage tuile = image("tuiles/3_18");
    ASSERT_FALSE(tuile.isNull());
    EXPECT_GT(qAlpha(icone.pixel(64, 64)), 0);
    // Each tile pixel is a 5 x 5 block.
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(icone.pixel(16 + 5 * 9 + x, 4 + 5 * 10 + y),
                      icone.pixel(16 + 5 * 9, 4 + 5 * 10));
}

// -- TILES CLEAR ------------------------------------------------------------------

namespace {

QImage claire(int m) {
    return image(QString("tuiles/clair_3_%1").arg(m));
}

// The index corner of a CLEAR face, with the number beside a flower's or a
// season's letter.
QImage coin(int m) {
    return claire(m).copy(1, 1, 12, 9);
}

// The ink of a face's index: the commonest colour of its glyph's box that is
// not the ivory of the face.
QRgb encreIndex(int m) {
    const QImage c = claire(m);
    std::map<QRgb, int> n;
    for (int y = 2; y < 9; ++y)
        for (int x = 2; x < 7; ++x)
            if (qGray(c.pixel(x, y)) < 200) ++n[c.pixel(x, y)];
    return std::max_element(n.begin(), n.end(),
                            [](auto& a, auto& b) { return a.second < b.second; })
        ->first;
}

double lineaire(int c) {
    const double v = c / 255.0;
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

// CIE L*a*b* of a linear RGB colour.
std::array<double, 3> lab(const std::array<double, 3>& l) {
    const double x = (0.4124 * l[0] + 0.3576 * l[1] + 0.1805 * l[2]) / 0.95047;
    const double y = 0.2126 * l[0] + 0.7152 * l[1] + 0.0722 * l[2];
    const double z = (0.0193 * l[0] + 0.1192 * l[1] + 0.9505 * l[2]) / 1.08883;
    auto f = [](double t) { return t > 0.008856 ? std::cbrt(t) : 7.787 * t + 16.0 / 116; };
    return {116 * f(y) - 16, 500 * (f(x) - f(y)), 200 * (f(y) - f(z))};
}

// How a colour looks with no deficiency (0) and with full protanopia,
// deuteranopia and tritanopia (1, 2, 3): the simulation matrices of Machado,
// Oliveira and Fernandes on linear RGB.
std::array<double, 3> vu(QRgb c, int vision) {
    static const double M[3][3][3] = {{{0.152286, 1.052583, -0.204868},
                                       {0.114503, 0.786281, 0.099216},
                                       {-0.003882, -0.048116, 1.051998}},
                                      {{0.367322, 0.860646, -0.227968},
                                       {0.280085, 0.672501, 0.047413},
                                       {-0.011820, 0.042940, 0.968881}},
                                      {{1.255528, -0.076749, -0.178779},
                                       {-0.078411, 0.930809, 0.147602},
                                       {0.004733, 0.691367, 0.303900}}};
    const std::array<double, 3> l = {lineaire(qRed(c)), lineaire(qGreen(c)), lineaire(qBlue(c))};
    if (vision == 0) return lab(l);
    std::array<double, 3> s{};
    for (int i = 0; i < 3; ++i)
        s[i] = std::clamp(M[vision - 1][i][0] * l[0] + M[vision - 1][i][1] * l[1] +
                              M[vision - 1][i][2] * l[2],
                          0.0, 1.0);
    return lab(s);
}

} // namespace

TEST(Claires, ChaqueFaceASonIndex) {
    // Each of the 42 corners is its own, and the CLEAR face is not the classic one.
    for (int a = 0; a < 42; ++a) {
        EXPECT_NE(claire(a), image(QString("tuiles/3_%1").arg(a))) << a;
        for (int b = a + 1; b < 42; ++b)
            EXPECT_NE(coin(a), coin(b)) << a << " " << b;
    }
}

TEST(Claires, LesFamillesRestentDistinctesPourChaqueVue) {
    // The three suits share their numbers, so their corners differ by ink
    // alone: the inks of the suits, the winds, the flowers and the seasons
    // stay apart (delta E of at least 10) for every eye, and the suits keep
    // apart in lightness too, where a hue can be lost.
    const int familles[6] = {0, 9, 18, 27, 34, 38};
    for (int v = 0; v < 4; ++v)
        for (int i = 0; i < 6; ++i)
            for (int j = i + 1; j < 6; ++j) {
                const auto a = vu(encreIndex(familles[i]), v), b = vu(encreIndex(familles[j]), v);
                const double e = std::hypot(a[0] - b[0], a[1] - b[1], a[2] - b[2]);
                EXPECT_GE(e, 10) << "vision " << v << ": " << familles[i] << " " << familles[j];
                if (j < 3) {
                    EXPECT_GE(std::abs(a[0] - b[0]), 8) << v << " " << i << " " << j;
                }
            }
}

TEST(Claires, MarquesDeFormesDistinctes) {
    QImage m[3] = {image("tuiles/clair_marque_prise"), image("tuiles/clair_marque_indice"),
                   image("tuiles/clair_marque_curseur")};
    auto forme = [](const QImage& im, int x, int y) { return qAlpha(im.pixel(x, y)) > 0; };
    for (auto& im : m)
        ASSERT_EQ(im.size(), QSize(16, 20));
    int differences[3] = {0, 0, 0}, communs = 0, cadre = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 16; ++x) {
            for (int k = 0; k < 3; ++k)
                differences[k] += forme(m[k], x, y) != forme(m[(k + 1) % 3], x, y);
            communs += forme(m[1], x, y) && forme(m[2], x, y);
            if (x == 0 || y == 0 || x == 15 || y == 19) cadre += forme(m[0], x, y);
        }
    // Told apart by shape, not colour; the pick's frame is closed; the
    // cursor's notches leave the hint's corners whole.
    for (int k = 0; k < 3; ++k)
        EXPECT_GT(differences[k], 8) << k;
    EXPECT_EQ(cadre, 2 * 16 + 2 * 18);
    EXPECT_EQ(communs, 0);
}
