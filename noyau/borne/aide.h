#pragma once

#include <QMap>
#include <QString>
#include <QVector>

// A help line such as "{ok} START  {retour} BACK": plain words and the keys of
// the device in use. The scene draws the pieces in one row, words in grey and
// keys in jade, so a player reads the key he must press on his own device.
namespace aide {

struct Morceau {
    QString texte;
    bool touche = false; // a key label rather than plain words
};

// Cuts a translated help text into pieces: the text before each "{" is plain;
// the name between "{" and the next "}" becomes the label `touches` gives it,
// or the name in capitals when the device has no label for it. A "{" that is
// never closed leaves the rest as plain text: catalogues are data and may be
// faulty, and a broken line must still read. Empty pieces are dropped, so
// that the row never shows a double gap.
QVector<Morceau> decouper(const QString& texte, const QMap<QString, QString>& touches);

// Pixels between two pieces of the row.
constexpr int ECART = 1;

// Width in pixels of the row of pieces, in the game font.
int largeur(const QVector<Morceau>& morceaux);

} // namespace aide
