#include "ecran/police.h"

namespace police {

namespace {

const char16_t CARACTERES[] =
    u"ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 -:!"
    u".+*/@?,;'\"()[]<>=_#%&$\u00A9\u20AC\u00B0\u00AB\u00BB\u00D7\u2026~\u2191\u2193\u2190\u2192"
    u"\u25B6\u23F8\u00A1\u00BF\u2018\u201C\u201D\u201E\u201A\u2014\u00B7\u2039\u203A\u00A6"
    u"\u00C6\u0152\u00C0\u00C2\u00C4\u00C9\u00C8\u00CA\u00CB\u00CE\u00CF\u00D4\u00D6\u00D9"
    u"\u00DB\u00DC\u0178\u00C7\u00C1\u00C3\u00C5\u00CC\u00CD\u00D1\u00D2\u00D3\u00D5\u00DA"
    u"\u00DD\u0100\u0102\u0106\u0108\u010A\u010C\u010E\u0112\u0114\u0116\u011A\u011C\u011E"
    u"\u0120\u0124\u0128\u012A\u012C\u0130\u0134\u0139\u0143\u0147\u014C\u014E\u0150\u0154"
    u"\u0158\u015A\u015C\u0160\u0164\u0168\u016A\u016C\u016E\u0170\u0174\u0176\u0179\u017B"
    u"\u017D\u0104\u0118\u0122\u012E\u0136\u013B\u0145\u0156\u015E\u0162\u0172\u0218\u021A"
    u"\u0110\u0141\u00D8\u0126\u013D\u00DE\u0166\u013F\u00D0"
    u"\u03AA\u03AB\u0393\u0394\u0398\u039B\u039E\u03A0\u03A3\u03A6\u03A8\u03A9\u0391\u0392"
    u"\u0395\u0396\u0397\u0399\u039A\u039C\u039D\u039F\u03A1\u03A4\u03A5\u03A7"
    u"\u0400\u0401\u0407\u040D\u0419\u0411\u0490\u0414\u0404\u0416\u0417\u0418\u041B\u0423"
    u"\u0426\u0427\u0428\u0429\u042A\u042B\u042C\u042D\u042E\u042F\u0410\u0412\u0413\u0415"
    u"\u041A\u041C\u041D\u041E\u041F\u0420\u0421\u0422\u0424\u0425\u0405\u0406\u0408"
    u"\u2019\u2013\u2010\u2011\u00A0\u202F"
    u"\uE000\uE001\uE002\uE003\uE004\uE005\uE006\uE007";

const char16_t ALIAS[][2] = {
    {0x03AA, 0x00CF}, {0x03AB, 0x0178}, {0x0400, 0x00C8}, {0x0401, 0x00CB}, {0x0407, 0x00CF},
    {0x0218, 0x015E}, {0x021A, 0x0162}, {0x0391, 0x0041}, {0x0392, 0x0042}, {0x0395, 0x0045},
    {0x0396, 0x005A}, {0x0397, 0x0048}, {0x0399, 0x0049}, {0x039A, 0x004B}, {0x039C, 0x004D},
    {0x039D, 0x004E}, {0x039F, 0x004F}, {0x03A1, 0x0050}, {0x03A4, 0x0054}, {0x03A5, 0x0059},
    {0x03A7, 0x0058}, {0x0410, 0x0041}, {0x0412, 0x0042}, {0x0413, 0x0393}, {0x0415, 0x0045},
    {0x041A, 0x004B}, {0x041C, 0x004D}, {0x041D, 0x0048}, {0x041E, 0x004F}, {0x041F, 0x03A0},
    {0x0420, 0x0050}, {0x0421, 0x0043}, {0x0422, 0x0054}, {0x0424, 0x03A6}, {0x0425, 0x0058},
    {0x0405, 0x0053}, {0x0406, 0x0049}, {0x0408, 0x004A}, {0x00D0, 0x0110}, {0x2019, 0x0027},
    {0x2013, 0x002D}, {0x2010, 0x002D}, {0x2011, 0x002D}, {0x00A0, 0x0020}, {0x202F, 0x0020},
};

// Wide ranges of UTF-16 code units, bounds included.
const char16_t LARGES[][2] = {
    {0x1100, 0x11FF}, {0x2E80, 0x33FF}, {0x3400, 0x4DBF}, {0x4E00, 0x9FFF}, {0xA960, 0xA97F},
    {0xAC00, 0xD7AF}, {0xF900, 0xFAFF}, {0xFE30, 0xFE4F}, {0xFF01, 0xFF60}, {0xFFE0, 0xFFE6},
};

// Spaces that advance without drawing.
bool blanc(char16_t c) {
    return c == 0x0020 || c == 0x00A0 || c == 0x202F;
}

constexpr char16_t ESPACE_IDEOGRAPHIQUE = 0x3000;

// The glyph image a narrow unit is drawn with.
char16_t glypheEtroit(char16_t c) {
    const auto a = alias().constFind(QChar(c));
    if (a != alias().constEnd()) return a->unicode();
    return caracteres().contains(QChar(c)) ? c : INCONNU;
}

} // namespace

const QString& caracteres() {
    static const QString s = QString::fromUtf16(CARACTERES);
    return s;
}

const QHash<QChar, QChar>& alias() {
    static const QHash<QChar, QChar> table = [] {
        QHash<QChar, QChar> t;
        for (const auto& paire : ALIAS)
            t.insert(QChar(paire[0]), QChar(paire[1]));
        return t;
    }();
    return table;
}

const QStringList& styles() {
    static const QStringList s = {QStringLiteral("or"), QStringLiteral("blanc"),
                                  QStringLiteral("rouge"), QStringLiteral("jade"),
                                  QStringLiteral("gris")};
    return s;
}

const QString& chiffres() {
    static const QString s = QString::fromUtf16(u"0123456789+\u00D7-");
    return s;
}

const QStringList& languesLarges() {
    static const QStringList l = {QStringLiteral("ja"), QStringLiteral("ko"),
                                  QStringLiteral("zh-Hans"), QStringLiteral("zh-Hant")};
    return l;
}

QString dessines() {
    QString r;
    for (const QChar c : caracteres())
        if (!alias().contains(c) && c != QLatin1Char(' ')) r.append(c);
    return r;
}

bool large(char16_t c) {
    for (const auto& plage : LARGES)
        if (c >= plage[0] && c <= plage[1]) return true;
    return false;
}

QString majuscules(const QString& s) {
    QString r = s.toUpper();
    bool grec = false;
    for (const QChar c : r)
        if (c.unicode() >= 0x0386 && c.unicode() <= 0x03B0) grec = true;
    if (!grec) return r;
    QString sortie;
    sortie.reserve(r.size());
    for (int i = 0; i < r.size(); ++i) {
        const char16_t c = r[i].unicode();
        switch (c) {
        case 0x0386:
            sortie.append(QChar(0x0391));
            break; // Ά
        case 0x0388:
            sortie.append(QChar(0x0395));
            break; // Έ
        case 0x0389:
            sortie.append(QChar(0x0397));
            break; // Ή
        case 0x038A:
            sortie.append(QChar(0x0399));
            break; // Ί
        case 0x038C:
            sortie.append(QChar(0x039F));
            break; // Ό
        case 0x038E:
            sortie.append(QChar(0x03A5));
            break; // Ύ
        case 0x038F:
            sortie.append(QChar(0x03A9));
            break; // Ώ
        case 0x0390:
            sortie.append(QChar(0x03AA));
            break; // ΐ
        case 0x03B0:
            sortie.append(QChar(0x03AB));
            break; // ΰ
        case 0x0399:
        case 0x03A5:
            // Full case mapping turns ΐ and ΰ into a capital followed by a
            // combining diaeresis and acute, which the font cannot draw as
            // marks: set them as the capital with diaeresis, without the stress.
            if (i + 2 < r.size() && r[i + 1].unicode() == 0x0308 && r[i + 2].unicode() == 0x0301) {
                sortie.append(QChar(c == 0x0399 ? 0x03AA : 0x03AB));
                i += 2;
            } else {
                sortie.append(QChar(c));
            }
            break;
        default:
            sortie.append(QChar(c));
        }
    }
    return sortie;
}

QString dossierLarge(QChar ch, const QString& langue, const SousEnsembles& cjk) {
    if (languesLarges().contains(langue) && cjk.value(langue).contains(ch)) return langue;
    for (const QString& l : languesLarges())
        if (cjk.value(l).contains(ch)) return l;
    return QString();
}

QString fichierEtroit(const QString& style, uint codePoint) {
    return QStringLiteral("images/police/%1_%2.png").arg(style).arg(codePoint);
}

QString fichierLarge(const QString& dossier, const QString& style, uint codePoint) {
    return QStringLiteral("i18n/glyphes/%1/%2_%3.png").arg(dossier, style).arg(codePoint);
}

Mise disposer(const QString& texte, const QString& style, const QString& langue,
              const SousEnsembles& cjk) {
    const QString s = styles().contains(style) ? style : QStringLiteral("blanc");
    const QString capitales = majuscules(texte);
    Mise mise;
    int x = 0;
    auto ajouter = [&](const QString& fichier) {
        mise.x.append(x - 1);
        mise.y.append(-HAUT);
        mise.src.append(fichier);
        ++mise.n;
    };
    for (const QChar ch : capitales) {
        const char16_t c = ch.unicode();
        if (large(c)) {
            if (c != ESPACE_IDEOGRAPHIQUE) {
                const QString dossier = dossierLarge(ch, langue, cjk);
                ajouter(dossier.isEmpty() ? fichierEtroit(s, INCONNU)
                                          : fichierLarge(dossier, s, c));
            }
            x += AVANCE_LARGE;
        } else {
            if (!blanc(c)) ajouter(fichierEtroit(s, glypheEtroit(c)));
            x += AVANCE;
        }
    }
    mise.largeur = x > 0 ? x - 1 : 0;
    return mise;
}

int largeur(const QString& texte) {
    int x = 0;
    for (const QChar ch : majuscules(texte))
        x += large(ch.unicode()) ? AVANCE_LARGE : AVANCE;
    return x > 0 ? x - 1 : 0;
}

} // namespace police
