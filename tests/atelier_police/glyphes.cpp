// The glyph images as the workshop leaves them: every character of the
// repertoire in every style, in its colours, with the accents it is named
// for; and a wide glyph for every wide character a catalogue uses, painted
// from its committed 9 x 9 map.

#include "ecran/police.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

const QString ETROITS = QStringLiteral(TESSIMORA_CONSTRUCTION "/genere/app/images/police/");
const QString APP = QStringLiteral(TESSIMORA_SOURCES "/app/");
const QString CARTES = QStringLiteral(TESSIMORA_SOURCES "/atelier/police/larges/");

QRgb contour(const QString& style) {
    return style == "jade"   ? qRgb(0x06, 0x28, 0x1e)
           : style == "gris" ? qRgb(0x14, 0x0c, 0x28)
                             : qRgb(0x2a, 0x0a, 0x1c);
}

QImage etroit(const QString& style, uint c) {
    return QImage(ETROITS + QStringLiteral("%1_%2.png").arg(style).arg(c))
        .convertToFormat(QImage::Format_ARGB32);
}

// Rows holding letter pixels (neither transparent nor outline).
QVector<int> rangsDeLettre(const QImage& img, const QString& style) {
    QVector<int> r;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb p = img.pixel(x, y);
            if (qAlpha(p) != 0 && (p | 0xff000000) != contour(style)) {
                r.append(y);
                break;
            }
        }
    return r;
}

QString nom(uint c) {
    return QStringLiteral("U+%1").arg(c, 4, 16, QLatin1Char('0'));
}

TEST(GlyphesEtroits, ChaqueCaractereDansChaqueStyle) {
    // The top colour of each style's ramp, and its bottom one.
    const QHash<QString, QPair<QRgb, QRgb>> rampes = {
        {"or", {qRgb(0xff, 0xf2, 0xb0), qRgb(0xff, 0x8a, 0x20)}},
        {"blanc", {qRgb(0xff, 0xff, 0xff), qRgb(0xff, 0xe0, 0xe8)}},
        {"rouge", {qRgb(0xff, 0xd0, 0xc0), qRgb(0xc8, 0x20, 0x2e)}},
        {"jade", {qRgb(0xd8, 0xff, 0xe8), qRgb(0x1f, 0x9a, 0x72)}},
        {"gris", {qRgb(0xb8, 0xb0, 0xd0), qRgb(0x8a, 0x80, 0xa8)}},
    };
    const QString dessines = police::dessines();
    ASSERT_EQ(dessines.size(), 216);
    for (const QString& style : police::styles()) {
        for (const QChar ch : dessines) {
            const QImage img = etroit(style, ch.unicode());
            ASSERT_EQ(img.size(), QSize(7, 14))
                << style.toStdString() << " " << nom(ch.unicode()).toStdString();
            const QVector<int> rangs = rangsDeLettre(img, style);
            ASSERT_FALSE(rangs.isEmpty()) << nom(ch.unicode()).toStdString();
            // Every pixel of the letter's row 0 and row 6 has the ramp's end colours.
            for (int x = 0; x < 7; ++x) {
                const QRgb haut = img.pixel(x, 4), bas = img.pixel(x, 10);
                if (qAlpha(haut) && haut != contour(style)) {
                    EXPECT_EQ(haut, rampes[style].first) << nom(ch.unicode()).toStdString();
                }
                if (qAlpha(bas) && bas != contour(style)) {
                    EXPECT_EQ(bas, rampes[style].second) << nom(ch.unicode()).toStdString();
                }
            }
            // The outline surrounds the letter: the image's edge columns hold no letter.
            for (int y = 0; y < 14; ++y) {
                EXPECT_NE(img.pixel(0, y) | 0xff000000, rampes[style].first);
                EXPECT_NE(img.pixel(6, y) | 0xff000000, rampes[style].first);
            }
        }
    }
}

TEST(GlyphesEtroits, LesCapitalesAccentueesMontrentLeurAccent) {
    int composees = 0;
    for (const QChar ch : police::dessines()) {
        const QString d = QString(ch).normalized(QString::NormalizationForm_D);
        if (d.size() < 2 || ch.unicode() == 0x013D) continue; // Ľ sets its caron beside the L
        ++composees;
        const QVector<int> rangs = rangsDeLettre(etroit("blanc", ch.unicode()), "blanc");
        const QVector<int> base = rangsDeLettre(etroit("blanc", d[0].unicode()), "blanc");
        const bool dessous = d.contains(QChar(0x0327)) || d.contains(QChar(0x0328));
        if (dessous) {
            EXPECT_GT(rangs.last(), base.last()) << nom(ch.unicode()).toStdString();
        } else {
            EXPECT_LT(rangs.first(), 4) << nom(ch.unicode()).toStdString();
        }
        EXPECT_NE(etroit("blanc", ch.unicode()), etroit("blanc", d[0].unicode()));
    }
    EXPECT_GE(composees, 70);
}

TEST(GlyphesEtroits, BoutonsDeManette) {
    for (uint c = 0xE000; c <= 0xE007; ++c)
        EXPECT_FALSE(rangsDeLettre(etroit("or", c), "or").isEmpty()) << nom(c).toStdString();
    // The lettered buttons are discs with their letter cut out in the outline colour.
    for (uint c = 0xE000; c <= 0xE003; ++c)
        EXPECT_EQ(etroit("or", c).pixel(2, 5), contour("or")) << nom(c).toStdString();
    // Each is its own drawing.
    for (uint a = 0xE000; a <= 0xE007; ++a)
        for (uint b = a + 1; b <= 0xE007; ++b)
            EXPECT_NE(etroit("blanc", a), etroit("blanc", b));
}

police::SousEnsembles sousEnsembles() {
    QFile f(APP + "i18n/index.json");
    f.open(QIODevice::ReadOnly);
    const QJsonObject cjk = QJsonDocument::fromJson(f.readAll()).object().value("cjk").toObject();
    police::SousEnsembles s;
    for (const QString& l : police::languesLarges())
        s.insert(l, cjk.value(l).toString());
    return s;
}

// Texts of a catalogue entry: a text, or the texts of a plural entry.
QStringList textes(const QJsonValue& v) {
    QStringList r;
    if (v.isString()) r << v.toString();
    for (const QJsonValue& f : v.toObject())
        r << f.toString();
    return r;
}

TEST(GlyphesLarges, UneImageParCaractereDeChaqueSousEnsemble) {
    const police::SousEnsembles cjk = sousEnsembles();
    for (const QString& langue : police::languesLarges()) {
        ASSERT_FALSE(cjk.value(langue).isEmpty()) << langue.toStdString();
        for (const QChar ch : cjk.value(langue))
            for (const QString& style : police::styles()) {
                const QString f = APP + police::fichierLarge(langue, style, ch.unicode());
                const QImage img(f);
                ASSERT_EQ(img.size(), QSize(12, 12)) << f.toStdString();
                // The letter stays in its 9 x 9 body; the outline may reach one pixel out.
                const QVector<int> rangs =
                    rangsDeLettre(img.convertToFormat(QImage::Format_ARGB32), style);
                ASSERT_FALSE(rangs.isEmpty()) << f.toStdString();
                EXPECT_GE(rangs.first(), 2);
                EXPECT_LE(rangs.last(), 10);
            }
        // No stray images of characters the subset has dropped.
        EXPECT_EQ(QDir(APP + "i18n/glyphes/" + langue).entryList(QDir::Files).size(),
                  cjk.value(langue).size() * police::styles().size());
    }
}

TEST(GlyphesLarges, ChaqueCaractereLargeDesCataloguesADesImages) {
    const police::SousEnsembles cjk = sousEnsembles();
    const QStringList catalogues = QDir(APP + "i18n").entryList({"*.json"}, QDir::Files);
    int vus = 0;
    for (const QString& nomFichier : catalogues) {
        if (nomFichier == "index.json") continue;
        const QString langue = nomFichier.chopped(5);
        QFile f(APP + "i18n/" + nomFichier);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QJsonObject table = QJsonDocument::fromJson(f.readAll()).object();
        for (auto it = table.begin(); it != table.end(); ++it) {
            if (it.key().startsWith('@')) continue;
            for (QString t : textes(it.value())) {
                // Placeholders are filled in before a text is shown.
                t.remove(QRegularExpression(QStringLiteral("\\{[A-Za-z0-9_]+\\}")));
                const police::Mise m = police::disposer(t, "blanc", langue, cjk);
                for (const QString& src : m.src) {
                    if (!src.startsWith("i18n/")) continue;
                    ++vus;
                    EXPECT_TRUE(QFile::exists(APP + src))
                        << langue.toStdString() << ": " << t.toStdString() << " "
                        << src.toStdString();
                }
                // A wide character with no image would show as "?"; only texts
                // that hold a real question mark may have one.
                if (!police::majuscules(t).contains('?')) {
                    EXPECT_FALSE(m.src.contains(police::fichierEtroit("blanc", '?')))
                        << langue.toStdString() << ": " << t.toStdString();
                }
            }
        }
    }
    EXPECT_GT(vus, 1000);
}

// The 9 x 9 maps of a language file: "# U+XXXX <origin>", the character, 9 rows.
QHash<QString, QStringList> cartesLarges(const QString& langue) {
    QFile f(CARTES + langue + ".txt");
    f.open(QIODevice::ReadOnly);
    const QStringList lignes = QString::fromUtf8(f.readAll()).split('\n');
    QHash<QString, QStringList> cartes;
    for (int i = 0; i + 10 < lignes.size(); ++i)
        if (lignes[i].startsWith("# U+")) cartes.insert(lignes[i + 1], lignes.mid(i + 2, 9));
    return cartes;
}

TEST(GlyphesLarges, ChaqueImageSuitSaCarte) {
    // An image left over from an older map (the maps redrawn but the
    // glyphes_larges target not run again) shows a shape nobody reviewed.
    const police::SousEnsembles cjk = sousEnsembles();
    for (const QString& langue : police::languesLarges()) {
        const QHash<QString, QStringList> cartes = cartesLarges(langue);
        ASSERT_EQ(cartes.size(), cjk.value(langue).size()) << langue.toStdString();
        for (auto it = cartes.begin(); it != cartes.end(); ++it)
            for (const QString& style : police::styles()) {
                const QString f = APP + police::fichierLarge(langue, style, it.key()[0].unicode());
                const QImage img = QImage(f).convertToFormat(QImage::Format_ARGB32);
                ASSERT_EQ(img.size(), QSize(12, 12)) << f.toStdString();
                // The letter sits at columns 1-9 and rows 2-10.
                QStringList vu;
                for (int y = 2; y < 11; ++y) {
                    QString rang;
                    for (int x = 1; x < 10; ++x) {
                        const QRgb p = img.pixel(x, y);
                        rang += qAlpha(p) != 0 && (p | 0xff000000) != contour(style) ? '#' : '.';
                    }
                    vu << rang;
                }
                EXPECT_EQ(vu.join('\n').toStdString(), it.value().join('\n').toStdString())
                    << f.toStdString();
            }
    }
}

} // namespace
