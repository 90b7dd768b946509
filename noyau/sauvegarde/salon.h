#pragma once

// TEA HOUSE's own record: per stack, the best time and the best score of a
// clear, and the mark that it was cleared once. A stack is known by its shown
// name and the digest of its shape, so two files with one name keep records
// of their own. Stored as one JSON text beside the other four:
//
//   {"piles":[{"nom":"GREAT LANTERN","empreinte":"0123456789abcdef",
//              "temps":754000,"score":31200,"fini":true,"date":1765000000000}]}
//
// stacks sorted by name then digest, fields in that order. Reading never
// fails: a damaged field takes its default, an entry without a name or a
// digest goes, repeats are merged keeping each best. The record keeps at
// most PILES_MAX stacks, those cleared last, so that the cloud envelope
// that carries it stays far below its size limit.

#include <QJsonValue>
#include <QString>
#include <cstdint>
#include <vector>

namespace salon {

inline constexpr int PILES_MAX = 200;
// 99 h 59 min 59 s: a longer game is kept at this.
inline constexpr double TEMPS_MAX = 359999999;
inline constexpr int SCORE_MAX = 9999999;
inline constexpr int NOM_MAX = 32;
inline constexpr int EMPREINTE_CHIFFRES = 16;

struct Record {
    QString nom;
    QString empreinte; // 16 lower-case hexadecimal digits
    double temps = 0;  // best time of a clear, ms; 0 for none
    int score = 0;     // best score of a clear
    bool fini = false; // cleared at least once
    double date = 0;   // ms since 1970 of the last clear
    bool operator==(const Record& o) const {
        return nom == o.nom && empreinte == o.empreinte && temps == o.temps && score == o.score &&
               fini == o.fini && date == o.date;
    }
};

struct Salon {
    std::vector<Record> piles;
    bool operator==(const Salon& o) const { return piles == o.piles; }
};

Salon lire(const QString& texte);
Salon lire(const QJsonValue& v);
QString ecrire(const Salon& s);

// The record of that stack, or null.
const Record* trouver(const Salon& s, const QString& nom, const QString& empreinte);

// The end of a TEA HOUSE stack, as the game record counts it.
struct Fin {
    bool gagne = false;     // the stack was cleared
    std::int64_t temps = 0; // time spent, ms
    std::int64_t score = 0;
    int paires = 0, hint = 0, undo = 0, mix = 0;
    double date = 0; // ms since 1970
};

// What the end of a stack shows: the game's own figures, and the record
// after it.
struct Bilan {
    bool gagne = false;
    std::int64_t temps = 0, score = 0;
    int paires = 0, hint = 0, undo = 0, mix = 0;
    double meilleurTemps = 0; // after this game; 0 when never cleared
    int meilleurScore = 0;
    double ancienTemps = 0; // before it
    int ancienScore = 0;
    bool premiere = false;     // the first clear of this stack
    bool nouveauTemps = false; // strictly better than the best before
    bool nouveauScore = false;
};

// Records a cleared stack in `s` (keeping each best: the shorter time, the
// higher score) and says what changed. A stack that was not cleared changes
// nothing: leaving a game keeps nothing of it.
Bilan apres(Salon& s, const QString& nom, const QString& empreinte, const Fin& fin);

// A time as TEA HOUSE shows it: whole seconds as M:SS, H:MM:SS from an hour
// on; a negative or unknown time is 0:00, one past TEMPS_MAX shows as it.
QString duree(double ms);

// Every stack of either side, each best kept, the mark if either has it;
// the same whichever side comes first.
Salon fusion(const Salon& a, const Salon& b);

} // namespace salon
