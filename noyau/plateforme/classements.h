#pragma once

// The online leaderboards: one per game mode, one per day for the daily
// challenge, and two all-time records that follow achievement counters.
// These are only what is sent out; the cabinet's own high-score tables live
// in the save records.

#include "sauvegarde/succes.h"

#include <QJsonObject>
#include <QString>
#include <array>
#include <vector>

namespace classements {

struct Table {
    const char* id;
    const char* source; // the mode, or the counter for a record
    bool compteur;      // an all-time record of an achievement counter
    bool quotidien;     // a new leaderboard each day
    const char* nomEn;  // for the provider's service configuration only
    const char* nomFr;  // UTF-8
};

extern const std::array<Table, 9> TABLES;
// The leaderboard of a mode, or null.
const Table* parMode(const QString& mode);

// Cap of a posted score: the largest integer a provider takes.
inline constexpr qint64 SCORE_MAX = 2147483647;

struct Envoi {
    QString table;
    QString nom; // the leaderboard name sent to the provider
    qint64 score = 0;
    std::vector<qint64> details;
    bool operator==(const Envoi& o) const {
        return table == o.table && nom == o.nom && score == o.score && details == o.details;
    }
};
// The JSON text of an array of integers, as the provider receives details.
QString detailsJson(const std::vector<qint64>& details);

// The end of a game as the cabinet reports it. Missing fields: no score, stage
// and stacks 0, not the day's ranked game, no day, no computer opponent.
struct Fin {
    QString mode;
    double score = 0;
    double etape = 0;
    double piles = 0;
    bool classe = false;
    QString jour;
    double ia = -1;
};
Fin depuisJson(const QJsonObject& fin);

// The posts for a finished game: none, or one.
std::vector<Envoi> envois(const Fin& fin);
// The posts for record counters that changed since `avant` (every counter
// above 0 when there is no earlier state).
using Compteurs = std::array<qint64, succes::STATS.size()>;
std::vector<Envoi> records(const Compteurs& stats, const Compteurs* avant);

} // namespace classements
