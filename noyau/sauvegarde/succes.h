#pragma once

// The achievements: the one catalogue the game's screen, its banner and the
// online providers share (an id is also the achievement's name on the
// provider's side), the counters that tiered achievements follow, and the
// rules that turn a game event into counter changes and unlocks. Nothing here
// keeps state: every operation works on an `Etat` that the durable memory owns.

#include "sauvegarde/evenements.h"
#include "sauvegarde/stockage.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <array>
#include <utility>
#include <vector>

namespace succes {

// How long OK is held on the title screen to open the hidden code. The
// cabinet reads it; BEHIND_THE_CURTAIN's description quotes it, so the two
// must change together. Well above the 1.2 s coin press.
inline constexpr int MAINTIEN_RIDEAU_MS = 3000;

// Highest value a counter or a stored best may hold.
inline constexpr qint64 PLAFOND = 2147483646;

struct Definition {
    const char* id;
    const char* titre;       // English title, a message key
    const char* description; // English description, a message key
    bool cache;              // hidden until unlocked
    int stat;                // index in STATS for a tiered achievement, else -1
    int but;                 // the counter's goal (tiered only)
    // For the providers' store pages only; the game never shows them.
    const char* titreFr;       // UTF-8
    const char* descriptionFr; // UTF-8
    const char* icone;         // what the icon draws: a kind and its parameters
};

inline constexpr std::array<const char*, 15> STATS = {
    "paires",   "piles",     "parfaits",  "fevers",   "jumelles",
    "parties",  "defis",     "defiSuite", "comboMax", "nightMax",
    "paperMax", "rushPiles", "rushScore", "scoreMax", "glissantNiveau"};

extern const std::array<Definition, 48> LISTE;

// The catalogue entry of an id, or null.
const Definition* parId(const QString& id);
int indiceStat(const QString& cle);

struct Etat {
    // Unlocked id -> unlock time in ms since 1970, in the order they were
    // added (catalogue order after a read).
    std::vector<std::pair<QString, double>> debloques;
    std::array<qint64, STATS.size()> stats{};
    QString defiDernier; // YYYYMMDD of the last daily challenge counted, or empty
    bool operator==(const Etat& o) const {
        return debloques == o.debloques && stats == o.stats && defiDernier == o.defiDernier;
    }
};

struct Progres {
    qint64 valeur = 0;
    qint64 but = 1;
};

// A progress report for a provider.
struct Avancee {
    QString id;
    qint64 valeur = 0;
    qint64 but = 0;
    QString stat;
    bool operator==(const Avancee& o) const {
        return id == o.id && valeur == o.valeur && but == o.but && stat == o.stat;
    }
};

struct Resultat {
    QStringList nouveaux;
    std::vector<Avancee> progres;
};

Etat etatVide();
Etat lire(const QString& texte);
Etat lire(const QJsonValue& v);
QString ecrire(const Etat& e);
Etat copie(const Etat& e);

bool debloque(const Etat& e, const QString& id);
int nombre(const Etat& e);
Progres progres(const Etat& e, const QString& id);

// Applies one game event to `e`, unlocking with `date`: the counters its kind
// moves, then the achievements its kind unlocks, then every tiered one whose
// counter reached its goal.
Resultat evenement(Etat& e, const evenements::Evenement& ev, double date);
// The same for an event in its JSON form; an unknown type moves no counter.
Resultat evenement(Etat& e, const QJsonObject& ev, double date);

// Grants what an older save's progression already earned; returns the ids.
QStringList rattraper(Etat& e, const stockage::Progression& progression, double date);

// The day after a YYYYMMDD day (UTC calendar), or an empty text for a day
// that is not a date.
QString lendemain(const QString& jour);

} // namespace succes
