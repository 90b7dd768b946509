#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

// The pixel font's layout rule: which glyph image goes where for a text.
// Latin, Greek and Cyrillic capitals are narrow 5 x 7 letters on a 6-pixel
// advance; Chinese, Japanese and Korean characters are 9 x 9 on a 10-pixel
// advance, drawn with the shapes of one wide-script language. Positions are
// relative to the top-left of the text's cap-height band.
namespace police {

constexpr int AVANCE = 6;
constexpr int AVANCE_LARGE = 10;
constexpr int HAUT = 4;         // rows above the cap line in a narrow glyph image
constexpr int CASE_LARGEUR = 7; // narrow glyph image
constexpr int CASE_HAUTEUR = 14;
constexpr int LARGE_COTE = 12; // wide glyph image, square
constexpr char16_t INCONNU = u'?';

// The 262 characters that have a glyph (the space and the aliased ones
// included), in the sprite table's order.
const QString& caracteres();
// Characters drawn with another character's glyph (Greek and Cyrillic
// letters that look like Latin ones, dashes, quotes and spaces).
const QHash<QChar, QChar>& alias();
// The five colour styles; the first of the table is gold, "blanc" is the default.
const QStringList& styles();
// The characters of the big digit strips, in frame order.
const QString& chiffres();
// The languages whose wide glyphs have shapes of their own, in the order a
// character with no shape in the asked language looks for one.
const QStringList& languesLarges();

// Characters with a glyph image of their own (the repertoire without the
// aliased characters and the blank space): 216 of them.
QString dessines();

// The wide-script language -> the wide characters it has images for.
using SousEnsembles = QHash<QString, QString>;

// True for a wide UTF-16 code unit (CJK ideographs, kana, hangul, full-width forms).
bool large(char16_t c);

// The capitals a text is shown in: standard upper-casing, then Greek capitals
// lose their stress accent and keep the diaeresis, as Greek is set in capitals.
QString majuscules(const QString& s);

// The folder of wide glyphs that draws ch: the asked language when its subset
// has it, else the first wide-script language that has it, else "".
QString dossierLarge(QChar ch, const QString& langue, const SousEnsembles& cjk);

struct Mise {
    QVector<int> x;
    QVector<int> y;
    QStringList src; // image files relative to the game's root, such as images/police/blanc_65.png
    int n = 0;
    int largeur = 0;
};

// Lays a text out in a style; langue picks the shapes of wide characters.
// An unknown style draws in "blanc" so that a text never vanishes.
Mise disposer(const QString& texte, const QString& style, const QString& langue,
              const SousEnsembles& cjk);

// The width in pixels of a text as disposer lays it out.
int largeur(const QString& texte);

// Image file of a narrow glyph and of a wide glyph.
QString fichierEtroit(const QString& style, uint codePoint);
QString fichierLarge(const QString& dossier, const QString& style, uint codePoint);

} // namespace police
