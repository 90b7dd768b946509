// The drawn images as the game's resources carry them: every file the table
// names, at its exact size, and the rules that tie tile images together.

#include <QColor>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

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
    ASSERT_EQ(anim.size(), 152);
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

TEST(Images, TuilesOmbreesSelonLesTeintes) {
    const QJsonArray teintes = table()["tuile"].toObject()["teintes"].toArray();
    for (int c = 0; c <= 42; ++c) {
        const QImage clair = image(QString("tuiles/3_%1").arg(c));
        ASSERT_EQ(clair.size(), QSize(19, 24)) << c;
        for (int s = 0; s < 3; ++s) {
            const QImage sombre = image(QString("tuiles/%1_%2").arg(s).arg(c));
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
    for (int m = 0; m < 42; ++m) {
        const QImage plein = image(QString("tuiles/3_%1").arg(m));
        const QImage apercu = image(QString("tuiles/apercu_%1").arg(m));
        ASSERT_EQ(apercu.size(), QSize(19, 24));
        for (int y = 0; y < 24; ++y)
            for (int x = 0; x < 19; ++x)
                ASSERT_EQ(apercu.pixel(x, y), (x + y) % 2 == 0 ? plein.pixel(x, y) : 0u)
                    << m << " " << x << "," << y;
        const QImage prise = image(QString("tuiles/prise_%1").arg(m));
        const QImage indice = image(QString("tuiles/indice_%1").arg(m));
        ASSERT_EQ(prise.size(), QSize(16, 20));
        ASSERT_EQ(indice.size(), QSize(16, 20));
        // Recoloured towards gold and pink: the face as a whole goes warm.
        const QColor p = moyenne(prise), i = moyenne(indice), f = moyenne(plein.copy(0, 0, 16, 20));
        EXPECT_GT(p.red() - p.blue(), f.red() - f.blue() + 20) << m;
        EXPECT_GT(i.red() - i.green(), f.red() - f.green() + 20) << m;
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
