#include "ecran/police.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace {

using police::disposer;
using police::largeur;
using police::majuscules;

const police::SousEnsembles CJK = {
    {QStringLiteral("ja"), QString::fromUtf16(u"\u65E5\u672C\u8A9E")},      // 日本語
    {QStringLiteral("ko"), QString::fromUtf16(u"\uAD6D\uC5B4\uD55C")},      // 국어한
    {QStringLiteral("zh-Hans"), QString::fromUtf16(u"\u4E2D\u6587\u672C")}, // 中文本
    {QStringLiteral("zh-Hant"), QString::fromUtf16(u"\u4E2D\u6587\u9AD4")}, // 中文體
};

police::Mise mise(const QString& t, const QString& langue = QString()) {
    return disposer(t, QStringLiteral("blanc"), langue, CJK);
}

TEST(PoliceMise, LargeursDesCasSimples) {
    const police::Mise vide = mise(QString());
    EXPECT_EQ(vide.n, 0);
    EXPECT_EQ(vide.largeur, 0);
    EXPECT_TRUE(vide.src.isEmpty());
    EXPECT_EQ(mise(QStringLiteral("A")).largeur, 5);
    EXPECT_EQ(mise(QStringLiteral("AB")).largeur, 11);
    EXPECT_EQ(mise(QString::fromUtf16(u"\u65E5")).largeur, 9);
    EXPECT_EQ(mise(QString::fromUtf16(u"A\u65E5")).largeur, 15);
    for (const QString& t : {QString(), QStringLiteral("A"), QStringLiteral("AB  C"),
                             QString::fromUtf16(u"A\u65E5\u3000\u00A0x\u202F\U0001F600")})
        EXPECT_EQ(largeur(t), mise(t).largeur) << t.toStdString();
}

TEST(PoliceMise, PositionsEtFichiers) {
    const police::Mise m =
        disposer(QString::fromUtf16(u"A\u65E5B"), QStringLiteral("or"), QStringLiteral("ja"), CJK);
    ASSERT_EQ(m.n, 3);
    EXPECT_EQ(m.x, (QVector<int>{-1, 5, 15}));
    EXPECT_EQ(m.y, (QVector<int>{-4, -4, -4}));
    EXPECT_EQ(m.src, (QStringList{QStringLiteral("images/police/or_65.png"),
                                  QStringLiteral("i18n/glyphes/ja/or_26085.png"),
                                  QStringLiteral("images/police/or_66.png")}));
    EXPECT_EQ(m.largeur, 21);
}

TEST(PoliceMise, LesEspacesAvancentSansDessiner) {
    for (const char16_t c : {u' ', u'\u00A0', u'\u202F'}) {
        const police::Mise m = mise(QString(QChar(c)) + QLatin1Char('A'));
        EXPECT_EQ(m.n, 1);
        EXPECT_EQ(m.x.value(0), 5);
    }
    const police::Mise m = mise(QString::fromUtf16(u"\u3000A"));
    EXPECT_EQ(m.n, 1);
    EXPECT_EQ(m.x.value(0), 9);
    EXPECT_EQ(m.largeur, 15);
}

TEST(PoliceMise, MinusculesEnCapitales) {
    const police::Mise m = mise(QStringLiteral("ok!"));
    EXPECT_EQ(m.src, (QStringList{QStringLiteral("images/police/blanc_79.png"),
                                  QStringLiteral("images/police/blanc_75.png"),
                                  QStringLiteral("images/police/blanc_33.png")}));
    EXPECT_EQ(majuscules(QString::fromUtf8("français")), QString::fromUtf8("FRANÇAIS"));
}

TEST(PoliceMise, GrecSansTonosAvecDialytika) {
    EXPECT_EQ(majuscules(QString::fromUtf8("άΆ")), QString::fromUtf8("ΑΑ"));
    EXPECT_EQ(majuscules(QString::fromUtf8("Ελληνικά έήίόύώ")),
              QString::fromUtf8("ΕΛΛΗΝΙΚΑ ΕΗΙΟΥΩ"));
    EXPECT_EQ(majuscules(QString::fromUtf8("ϊϋΪ")), QString::fromUtf8("ΪΫΪ"));
    // With and without full case mapping, ΐ and ΰ keep only their diaeresis.
    EXPECT_EQ(majuscules(QString::fromUtf8("ΐΰ")), QString::fromUtf8("ΪΫ"));
    // Α is drawn with the glyph of A, Ϊ with that of Ï.
    const police::Mise m = mise(QString::fromUtf8("άϊ"));
    EXPECT_EQ(m.src, (QStringList{QStringLiteral("images/police/blanc_65.png"),
                                  QStringLiteral("images/police/blanc_207.png")}));
    // Without Greek, nothing but upper-casing happens.
    EXPECT_EQ(majuscules(QString::fromUtf8("élan ÿ")), QString::fromUtf8("ÉLAN Ÿ"));
}

TEST(PoliceMise, CaracteresInconnus) {
    // An emoji's two surrogate units are narrow and each shows a "?".
    const police::Mise emoji = mise(QString::fromUtf16(u"\U0001F600"));
    EXPECT_EQ(emoji.n, 2);
    EXPECT_EQ(emoji.src, (QStringList{QStringLiteral("images/police/blanc_63.png"),
                                      QStringLiteral("images/police/blanc_63.png")}));
    EXPECT_EQ(emoji.largeur, 11);
    // A kanji no subset holds shows the narrow "?" but advances like a wide one.
    const police::Mise kanji = mise(QString::fromUtf16(u"\u9F8DA"));
    EXPECT_EQ(kanji.src.value(0), QStringLiteral("images/police/blanc_63.png"));
    EXPECT_EQ(kanji.x.value(1), 9);
    // A letter with no capital of its own.
    EXPECT_EQ(mise(QString::fromUtf16(u"\u0138")).src.value(0),
              QStringLiteral("images/police/blanc_63.png"));
    // Buttons have images of their own.
    EXPECT_EQ(mise(QString::fromUtf16(u"\uE004")).src.value(0),
              QStringLiteral("images/police/blanc_57348.png"));
}

TEST(PoliceMise, StyleInconnuEnBlanc) {
    EXPECT_EQ(disposer(QStringLiteral("A"), QStringLiteral("violet"), QString(), CJK).src.value(0),
              QStringLiteral("images/police/blanc_65.png"));
    EXPECT_EQ(disposer(QStringLiteral("A"), QStringLiteral("gris"), QString(), CJK).src.value(0),
              QStringLiteral("images/police/gris_65.png"));
}

TEST(PoliceMise, DossierDesCaracteresLarges) {
    const QChar zhong(0x4E2D); // 中 in both Chinese subsets
    EXPECT_EQ(police::dossierLarge(zhong, QStringLiteral("zh-Hant"), CJK), "zh-Hant");
    EXPECT_EQ(police::dossierLarge(zhong, QStringLiteral("ja"), CJK), "zh-Hans");
    EXPECT_EQ(police::dossierLarge(zhong, QStringLiteral("fr"), CJK), "zh-Hans");
    EXPECT_EQ(police::dossierLarge(QChar(0x672C), QStringLiteral("zh-Hans"), CJK), "zh-Hans");
    EXPECT_EQ(police::dossierLarge(QChar(0x672C), QString(), CJK), "ja");
    EXPECT_EQ(police::dossierLarge(QChar(0x9F8D), QStringLiteral("ja"), CJK), "");
    EXPECT_EQ(police::dossierLarge(zhong, QStringLiteral("zh-Hant"), {}), "");
}

TEST(PoliceMise, PlagesLarges) {
    for (const char16_t c :
         {0x1100, 0x11FF, 0x2E80, 0x33FF, 0x3400, 0x4DBF, 0x4E00, 0x9FFF, 0xA960, 0xA97F,
          0xAC00, 0xD7AF, 0xF900, 0xFAFF, 0xFE30, 0xFE4F, 0xFF01, 0xFF60, 0xFFE0, 0xFFE6})
        EXPECT_TRUE(police::large(c)) << std::hex << c;
    for (const char16_t c : {0x10FF, 0x1200, 0x2E7F, 0x4DC0, 0xA95F, 0xA980, 0xD7B0, 0xD800, 0xFE2F,
                             0xFE50, 0xFF00, 0xFF61, 0xFFE7, 0x0041})
        EXPECT_FALSE(police::large(c)) << std::hex << c;
}

// The font's repertoire is also written in the sprite table the scenes read:
// both must name the same characters and aliases.
TEST(PoliceTable, RepertoireCommeLaTable) {
    QFile f(QStringLiteral(TESSIMORA_SOURCES "/app/images/sprites.json"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QJsonObject p = QJsonDocument::fromJson(f.readAll()).object().value("police").toObject();
    EXPECT_EQ(p.value("caracteres").toString(), police::caracteres());
    const QJsonObject a = p.value("alias").toObject();
    EXPECT_EQ(a.size(), police::alias().size());
    for (auto it = police::alias().cbegin(); it != police::alias().cend(); ++it)
        EXPECT_EQ(a.value(QString(it.key())).toString(), QString(it.value()));
    EXPECT_EQ(p.value("chiffres").toString(), police::chiffres());
    EXPECT_EQ(p.value("avance").toInt(), police::AVANCE);
    EXPECT_EQ(p.value("haut").toInt(), police::HAUT);
    EXPECT_EQ(police::caracteres().size(), 262);
    EXPECT_EQ(police::dessines().size(), 216);
    for (const QChar c : police::alias())
        EXPECT_TRUE(police::caracteres().contains(c));
}

} // namespace
