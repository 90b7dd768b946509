#pragma once

// Friends' status: what a provider shows other players about this one. The
// game sends a token naming a sentence the provider registered with its
// service, the values to fill into it, and a group that ties the two players
// of one shared duel together. The sentences themselves are only here for
// those registrations and for logs; the game never shows them.

#include <QJsonObject>
#include <QString>
#include <array>
#include <utility>
#include <vector>

namespace presence {

struct Jeton {
    const char* cle; // "#Titre", ...
    const char* en;  // %name% marks a value
    const char* fr;  // UTF-8
};

extern const std::array<Jeton, 15> JETONS;
// The duel's computer opponents, by level 0, 1, 2.
extern const std::array<const char*, 3> ADVERSAIRES;

// What the cabinet tells about itself once a second. A missing field takes
// the value a fresh cabinet would have: stage 0, no computer opponent,
// multiplier 1, level 0, not paused.
struct EtatBorne {
    QString scene;
    QString sorte;
    QString mode;
    double etape = 0;
    double niveauIa = -1;
    double multiplicateur = 1;
    double niveau = 0;
    bool pause = false;
};
EtatBorne depuisJson(const QJsonObject& b);

struct Statut {
    QString cle;
    // Only the values the token's sentence uses, as texts, in its order.
    std::vector<std::pair<QString, QString>> valeurs;
    QString groupe; // "duel" for a two-player duel, else empty
    bool operator==(const Statut& o) const {
        return cle == o.cle && valeurs == o.valeurs && groupe == o.groupe;
    }
};

Statut statut(const EtatBorne& b);
// The JSON text of the values alone, as the provider receives them.
QString valeursJson(const Statut& st);
// The JSON text of the whole status: two statuses with the same key say the
// same thing, so nothing needs sending again.
QString cle(const Statut& st);
// The sentence in French for "fr", else in English, values filled in; an
// empty text for a token not in the table.
QString texte(const Statut& st, const QString& langue);

} // namespace presence
