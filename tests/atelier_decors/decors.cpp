// The scenery strips as the game reads them: the packed resource file, checked
// against the sprite table row by row.

#include "decors.h"

#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QResource>
#include <gtest/gtest.h>

namespace {

QJsonObject table() {
    QFile f(TESSIMORA_SOURCES "/app/images/sprites.json");
    if (!f.open(QIODevice::ReadOnly)) return {};
    return QJsonDocument::fromJson(f.readAll()).object();
}

class Decors : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(QResource::registerResource(TESSIMORA_DECORS_RCC)); }
    static QImage image(const QString& nom) {
        return QImage(":/app/images/anim/" + nom + ".png").convertToFormat(QImage::Format_ARGB32);
    }
    const QJsonObject anim = table()["anim"].toObject();
    Gabarit gabarit(const QString& nom) const {
        const QJsonArray a = anim[nom].toArray();
        return {a[0].toInt(), a[1].toInt(), a[2].toInt(), a[3].toInt(),
                a[4].toInt(), a[5].toInt(), a[6].toInt()};
    }
    QStringList noms(const QString& prefixe = {}) const {
        QStringList r;
        for (const QString& n : anim.keys())
            if (estDecor(n) && n.startsWith(prefixe)) r << n;
        return r;
    }
};

// Opaque pixels of one frame, as a bounding box (empty when none).
QRect boite(const QImage& im, int x0, int l) {
    QRect r;
    for (int y = 0; y < im.height(); ++y)
        for (int x = x0; x < x0 + l; ++x)
            if (qAlpha(im.pixel(x, y)) > 0) r |= QRect(x - x0, y, 1, 1);
    return r;
}

TEST_F(Decors, EveryStripOfTheFamiliesHasItsSizeAndNoEmptyFrame) {
    const QStringList tous = noms();
    // Panda poses and busts, the large poses, the backgrounds, their elements
    // and the cabinet's sprites (TEA HOUSE's teapot among them): 106 strips in all.
    EXPECT_EQ(tous.size(), 106);
    for (const QString& nom : tous) {
        SCOPED_TRACE(nom.toStdString());
        const Gabarit g = gabarit(nom);
        const QImage im = image(nom);
        ASSERT_FALSE(im.isNull());
        EXPECT_EQ(im.width(), g.l * g.images);
        EXPECT_EQ(im.height(), g.h);
        for (int i = 0; i < g.images; ++i)
            EXPECT_FALSE(boite(im, i * g.l, g.l).isEmpty()) << "frame " << i;
    }
}

TEST_F(Decors, ThePandaStandsOnItsAnchorAndStaysInsideItsFrames) {
    for (const QString& nom : noms("panda_") + noms("ecrans_panda2_")) {
        SCOPED_TRACE(nom.toStdString());
        const Gabarit g = gabarit(nom);
        const QImage im = image(nom);
        const bool mini = nom.startsWith("panda_mini_");
        for (int i = 0; i < g.images; ++i) {
            const QRect b = boite(im, i * g.l, g.l);
            // The feet's outline is the anchor's row; nothing hangs below it.
            EXPECT_LE(b.bottom(), mini ? g.ay - 1 : g.ay) << "frame " << i;
            if (i == 0 && !mini) {
                EXPECT_EQ(b.bottom(), g.ay);
            }
            // Not cut by a frame edge (the bust is cut at its base on purpose).
            EXPECT_GT(b.top(), 0) << "frame " << i;
            EXPECT_GT(b.left(), 0) << "frame " << i;
            EXPECT_LT(b.right(), g.l - 1) << "frame " << i;
        }
        // Feet centred under the anchor: the lowest row straddles it.
        if (!mini) {
            int gauche = g.l, droite = -1;
            for (int x = 0; x < g.l; ++x)
                if (qAlpha(im.pixel(x, g.ay)) > 0) {
                    gauche = std::min(gauche, x);
                    droite = std::max(droite, x);
                }
            EXPECT_LT(gauche, g.ax);
            EXPECT_GT(droite, g.ax);
        }
    }
}

TEST_F(Decors, LayersWrapRoundWithoutASeam) {
    for (const QString fond : {"marche", "pont", "temple", "port"})
        for (const QString plan : {"loin", "milieu", "pres"}) {
            SCOPED_TRACE((fond + "_" + plan).toStdString());
            const QImage im = image("fond_" + fond + "_" + plan);
            // The layer drawn wider shows what follows its last column: it must be
            // its first columns again.
            const Toile large = fonds::plan(fond, plan, 768 + 40);
            int differents = 0, opaques = 0;
            for (int y = 0; y < 224; ++y) {
                for (int x = 0; x < 40; ++x) {
                    differents += large.lire(768 + x, y) != im.pixel(x, y);
                    opaques += qAlpha(im.pixel(x, y)) > 0;
                }
                for (int x = 0; x < 768; ++x)
                    differents += large.lire(x, y) != im.pixel(x, y);
            }
            EXPECT_EQ(differents, 0);
            EXPECT_GT(opaques, 0);
            // The sky shows through every layer somewhere.
            int transparents = 0;
            for (int y = 0; y < 224; ++y)
                for (int x = 0; x < 768; ++x)
                    transparents += qAlpha(im.pixel(x, y)) == 0;
            EXPECT_GT(transparents, 768 * 224 / 5);
        }
}

TEST_F(Decors, SkiesAreOpaqueAndTheWaterMovesButWraps) {
    for (const QString fond : {"marche", "pont", "temple", "port"}) {
        const QImage ciel = image("fond_" + fond + "_ciel");
        for (int y = 0; y < ciel.height(); ++y)
            for (int x = 0; x < ciel.width(); ++x)
                ASSERT_EQ(qAlpha(ciel.pixel(x, y)), 255) << qPrintable(fond);
    }
    for (const QString nom : {"fond_pont_eau", "fond_port_eau"}) {
        SCOPED_TRACE(nom.toStdString());
        const QImage im = image(nom);
        // Frames differ from one another, so the water ripples.
        EXPECT_NE(im.copy(0, 0, 768, 44), im.copy(768, 0, 768, 44));
        // Its two edges continue each other: the first and last columns differ no
        // more than any other pair of neighbouring columns.
        auto ecart = [&](int a, int b) {
            int d = 0;
            for (int y = 0; y < 44; ++y)
                d += im.pixel(a, y) != im.pixel(b, y);
            return d;
        };
        int pire = 0;
        for (int x = 0; x + 1 < 768; ++x)
            pire = std::max(pire, ecart(x, x + 1));
        EXPECT_LE(ecart(767, 0), pire);
    }
}

TEST_F(Decors, StillSpritesFollowTheirFrameMeanings) {
    // The veil: every other pixel of the night colour, the rest clear.
    const QImage trame = image("ecrans_trame");
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(trame.pixel(x, y), (x + y) % 2 == 0 ? 0xff0a0618u : 0u) << x << "," << y;
    // Icons: frame 0 lit, frame 1 dim, the same shape.
    for (const QString& nom : noms("ecrans_icone_")) {
        SCOPED_TRACE(nom.toStdString());
        const QImage im = image(nom);
        double clair[2] = {0, 0};
        for (int i = 0; i < 2; ++i)
            for (int y = 0; y < 10; ++y)
                for (int x = 0; x < 10; ++x) {
                    const QRgb c = im.pixel(i * 10 + x, y);
                    EXPECT_EQ(qAlpha(c) > 0, qAlpha(im.pixel((1 - i) * 10 + x, y)) > 0);
                    clair[i] += qGray(c);
                }
        EXPECT_GT(clair[0], clair[1]);
    }
    // Countdown and ranks: every frame is a different picture.
    for (const QString nom : {"ecrans_compte", "ecrans_rang"}) {
        const Gabarit g = gabarit(nom);
        const QImage im = image(nom);
        for (int i = 0; i < g.images; ++i)
            for (int j = i + 1; j < g.images; ++j)
                EXPECT_NE(im.copy(i * g.l, 0, g.l, g.h), im.copy(j * g.l, 0, g.l, g.h))
                    << qPrintable(nom) << " " << i << " " << j;
    }
}

TEST_F(Decors, TitlesShineOnceAndRestClean) {
    for (const QString& nom : noms("ecrans_titre_") + QStringList{"ecrans_logo"}) {
        SCOPED_TRACE(nom.toStdString());
        const Gabarit g = gabarit(nom);
        const QImage im = image(nom);
        auto blancs = [&](int i) {
            int n = 0;
            for (int y = 0; y < g.h; ++y)
                for (int x = 0; x < g.l; ++x)
                    n += im.pixel(i * g.l + x, y) == 0xffffffffu;
            return n;
        };
        int avecEclat = 0;
        for (int i = 0; i + 1 < g.images; ++i)
            avecEclat += blancs(i) > 0;
        // The shine crosses most frames; the held last frame has none of it.
        EXPECT_GE(avecEclat, g.images / 2);
        if (nom != "ecrans_logo") {
            EXPECT_EQ(blancs(g.images - 1), 0);
        }
    }
}

} // namespace

namespace {

int ecartImages(const QImage& im, int l, int a, int b) {
    int d = 0;
    for (int y = 0; y < im.height(); ++y)
        for (int x = 0; x < l; ++x)
            d += im.pixel(a * l + x, y) != im.pixel(b * l + x, y);
    return d;
}

TEST_F(Decors, LoopsCloseAsSmoothlyAsTheyRun) {
    // A looping strip's last frame leads back into its first about as gently as
    // the steps inside the loop: no visible jump when it wraps.
    for (const QString& nom : noms()) {
        const Gabarit g = gabarit(nom);
        if (g.boucle != 1 || g.images < 3 || g.duree == 0) continue;
        SCOPED_TRACE(nom.toStdString());
        const QImage im = image(nom);
        int pire = 0;
        for (int i = 0; i + 1 < g.images; ++i)
            pire = std::max(pire, ecartImages(im, g.l, i, i + 1));
        EXPECT_GT(pire, 0) << "a looping strip that never moves";
        EXPECT_LE(ecartImages(im, g.l, g.images - 1, 0), pire * 5 / 4);
    }
}

TEST_F(Decors, PosesPlayedOverTheIdleOneEndWhereTheyBegan) {
    // Wink and look play once over the waiting pose and hand back to it: their
    // first and last frames are the panda at rest.
    for (const QString nom : {"panda_clin", "panda_regard", "panda_observe"}) {
        const Gabarit g = gabarit(nom);
        const QImage im = image(nom);
        EXPECT_EQ(ecartImages(im, g.l, 0, g.images - 1), 0) << qPrintable(nom);
    }
}

TEST_F(Decors, HangingAndStandingElementsRestOnTheirLayer) {
    // Every lantern and bell hangs from something drawn in its own layer, and
    // every column of steam or smoke rises from a pot or a censer.
    const QJsonObject fonds = table()["fonds"].toObject();
    int vus = 0;
    for (auto it = fonds.begin(); it != fonds.end(); ++it) {
        const QJsonObject f = it.value().toObject();
        const QJsonArray plans = f["plans"].toArray();
        for (const auto& v : f["elements"].toArray()) {
            const QJsonArray e = v.toArray();
            const QString sprite = e[0].toString();
            const int plan = e[3].toInt();
            if (plan == 0) continue;
            const QImage couche = image(plans[plan - 1].toArray()[0].toString());
            const Gabarit g = gabarit(sprite);
            int x = -1, y = -1;
            if (sprite == "fonds_lanterne_balance" || sprite == "fonds_cloche") {
                x = e[1].toInt() + 10;
                y = e[2].toInt();
            } else if (sprite.startsWith("fonds_fumee") || sprite == "fonds_vapeur") {
                x = e[1].toInt() + g.ax;
                y = e[2].toInt() + g.ay + 1;
            } else {
                continue;
            }
            SCOPED_TRACE(
                QString("%1 %2 at %3,%4").arg(it.key(), sprite).arg(x).arg(y).toStdString());
            bool appui = false;
            for (int dy = -1; dy <= 1; ++dy)
                appui = appui || qAlpha(couche.pixel(x % 768, y + dy)) > 0;
            EXPECT_TRUE(appui);
            ++vus;
        }
    }
    // 44 at the night market, 10 on the bridge, 10 at the temple, 4 in the harbour.
    EXPECT_EQ(vus, 68);
}

TEST_F(Decors, DrawingIsRepeatable) {
    // The build redraws whenever the workshop changes; the same source must give
    // the same bytes, or every build would repack the images.
    for (const QString nom : {"panda_combo", "fonds_feu_or", "fond_port_eau", "ecrans_logo"}) {
        const Gabarit g = gabarit(nom);
        Bande a(g.l, g.h, g.images), b(g.l, g.h, g.images);
        ASSERT_TRUE(dessinerPanda(nom, g, a) || dessinerFonds(nom, g, a) ||
                    dessinerEcrans(nom, g, a));
        ASSERT_TRUE(dessinerPanda(nom, g, b) || dessinerFonds(nom, g, b) ||
                    dessinerEcrans(nom, g, b));
        EXPECT_EQ(a.assembler(), b.assembler()) << qPrintable(nom);
        EXPECT_EQ(a.assembler(), image(nom)) << qPrintable(nom);
    }
}

TEST_F(Decors, EachFamilyDrawsOnlyItsOwnNames) {
    Gabarit g;
    Bande b(1, 1, 1);
    EXPECT_FALSE(dessinerPanda("effets_piece", g, b));
    EXPECT_FALSE(dessinerFonds("panda_joie", g, b));
    EXPECT_FALSE(dessinerEcrans("fonds_etoile", g, b));
    EXPECT_FALSE(dessinerFonds("fond_inconnu", g, b));
    EXPECT_FALSE(estDecor("effets_logo_go"));
    EXPECT_FALSE(estDecor("tuiles_glisse"));
    EXPECT_TRUE(estDecor("ecrans_trame"));
}

} // namespace
