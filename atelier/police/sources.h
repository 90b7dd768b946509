#pragma once
// Glyph sources in text form: the shapes of formes.txt, the marks of
// marques.txt and the 9 x 9 wide glyphs of larges/<language>.txt.

#include <QHash>
#include <QString>
#include <QStringList>

namespace sources {

// A glyph map: rows of equal length, '#' the letter, 'o' a pixel in the
// outline colour, '.' nothing.
using Carte = QStringList;

struct Marque {
    int ligne = 0; // image row of the mark's first row
    Carte rangs;
};

struct Formes {
    QHash<uint, Carte> formes;      // code point -> body rows from the cap line
    QHash<QString, Marque> marques; // "U+0301" or "U+0327 G" -> mark
};

// An empty map.
Carte grille(int largeur, int hauteur);

// Reads the blocks of a source text: a header line, then its rows, up to a
// blank line; '#' at the start of a header line makes it a comment. Returns
// the header -> rows; a malformed text gives what could be read and an error
// message in *erreur.
QHash<QString, Carte> blocs(const QString& texte, QString* erreur);

// The code point a header names: "U+00C6" or the character itself.
uint point(const QString& nom);

bool lire(const QString& formes, const QString& marques, Formes* sortie, QString* erreur);

// The 7 x 14 map of a narrow glyph: its own shape, or its base letter with
// the marks of its canonical decomposition. Empty when neither is known.
Carte etroit(const Formes& f, uint c);

} // namespace sources
