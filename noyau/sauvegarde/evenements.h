#pragma once

// A game event: what the cabinet tells the achievements (and through them the
// provider) of a pair, a cleared stack, a finished game... One struct for
// every kind, each kind reading only its own fields; the rest keep their
// defaults. The JSON form { type, fields } is the one tests and damaged
// inputs arrive in: its reader never fails, and an unknown type is no event.

#include "moteur/mode.h"

#include <QJsonObject>
#include <QString>
#include <optional>

namespace evenements {

enum class Sorte {
    Paire,    // combo, jumelle, fever
    Pile,     // mode, etape, piles, boss, parfait, tempsMs, tempsMax, etapesPartie
    Fin12,    // mode, continues: twelve stages cleared
    Partie,   // mode, score: a finished game
    Defi,     // jour: the day's stack cleared
    Duel,     // ia (-1 two players, absent: unknown), gagnant
    Scene,    // nom: an extra opened
    Glissant, // niveau: a sliding run ended
    Record,   // initials entered in a table
    Continue,
    Secret, // the hidden code opened
    Fumee,  // incense smoke sent in a duel
    Aide,   // nom: an aid used ("peek" is the one that counts)
};

struct Evenement {
    Sorte sorte = Sorte::Secret;
    std::optional<Mode> mode;
    double combo = 0;
    bool jumelle = false;
    bool fever = false;
    double etape = 0;
    double piles = 0;
    bool boss = false;
    bool parfait = false;
    double tempsMs = 0;
    double tempsMax = 0;
    double etapesPartie = 0;
    std::optional<double> continues;
    double score = 0;
    QString jour;
    std::optional<double> ia;
    double gagnant = 0;
    QString nom;
    double niveau = 0;
};

// The word of each kind, as the JSON form's `type` spells it.
const char* motDe(Sorte s);
std::optional<Sorte> sorteDe(const QString& mot);

// Reads { type, fields }: a missing or unreadable field keeps its default,
// flags follow JavaScript's truth (a number other than 0, a text not empty).
// Nothing when the type is not one of the kinds.
std::optional<Evenement> lire(const QJsonObject& o);
// The JSON form with the fields of its kind, in the order above.
QJsonObject ecrire(const Evenement& e);

// -- the events the cabinet makes ---------------------------------------------
Evenement paire(double combo, bool jumelle, bool fever);
Evenement partie(Mode m, double score);
Evenement simple(Sorte s); // record, continue, secret, fumee
Evenement scene(const QString& nom);
Evenement aide(const QString& nom);
Evenement duel(double ia, double gagnant);
Evenement glissant(double niveau);

} // namespace evenements
