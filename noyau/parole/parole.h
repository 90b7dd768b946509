#pragma once

#include <QString>
#include <QVariantMap>
#include <QVector>
#include <functional>

// What the game says aloud for a player who cannot see the board well: for
// each screen, menu entry and moment of play, the catalogue texts to speak,
// in the order they are said. The texts are keys, translated where they are
// spoken, so speech follows the game's language like the screen does.
namespace parole {

// One piece of an utterance: a catalogue key and its placeholders' values,
// or, when `brut`, a text said as it is (a name, a number, a value already
// translated).
struct Morceau {
    QString cle;
    QVariantMap valeurs;
    bool brut = false;
};
using Enonce = QVector<Morceau>;

// A screen's title, from the cabinet's scene name; nothing for a scene with
// nothing to say (the game item speaks for itself).
Enonce scene(const QString& nom);

// A menu entry under the cursor (a catalogue key and its values), with its
// value as the screen shows it (already translated; empty when the entry
// has none): "MUSIC 80".
Enonce entree(const QString& cle, const QVariantMap& valeurs = {}, const QString& valeur = {});

// A question asked on two lampions: the question and its detail as the
// screen shows them (already translated), then the answer lit, YES or NO.
Enonce question(const QString& question, const QString& detail, bool oui);
// The answer lit when the cursor moves between the two.
Enonce reponse(bool oui);
// A countdown's digit as it changes: the number alone, so that a second is
// long enough to say it.
Enonce decompte(int n);

// The tile under the cursor: its face as the TILE GALLERY names it, FREE or
// BLOCKED, and its layer counted from 1 at the bottom.
Enonce tuile(int motif, bool libre, int couche);
// A tile picked, and a pair cleared with the combo it reached.
Enonce prise(int motif);
Enonce paire(int motif, int combo);
// The incense's warnings, the dead end and the stage's end.
Enonce tempsRestant(int secondes);
Enonce plusDePaires();
enum class Fin { Gagne, Temps, Impasse };
Enonce fin(Fin fin, qint64 score);
// The spoken summary: pairs left, free pairs to take, and the time left in
// seconds (negative when the stack is played without incense).
Enonce sommaire(int paires, int libres, int secondes);

// The warning the incense gives when it burns from `avantMs` to `apresMs`:
// 30 or 10 (seconds) when it crosses that mark, 0 otherwise.
int seuil(double avantMs, double apresMs);

// Translation function: catalogue key and values to the text to say.
using Traduction = std::function<QString(const QString&, const QVariantMap&)>;
// The text to say: the pieces translated and joined by commas, so that
// speech engines pause between them.
QString texte(const Enonce& e, const Traduction& tr);

} // namespace parole
