#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// The game's 36 sound tracks, in the order the SOUND TEST screen numbers them,
// and the two choices the scenes delegate to us: which music goes with a stage
// and which pair sound goes with a combo level.
namespace catalogue {

struct Piste {
    QString id;
    int numero = 0; // 1..36, the SOUND TEST number
    QString type;   // "musique", "jingle", "bruitage" or "voix"
    bool boucle = false;
    QString titre;
    double duree = 0.0; // seconds
    QString fichier;    // relative to the sound player's folder
};

// Every track, in SOUND TEST order.
const std::vector<Piste>& pistes();

// The track of an id, or nullptr when the id is unknown.
const Piste* piste(const QString& id);

// The stage music, one per background of three stages.
const QStringList& fonds();

// Music of a stage counted from 0; negative stages (and NaN) count as the
// first. Scenes hand us JavaScript numbers, hence the double.
QString musiqueEtape(double etape);

// Pair sound of a combo level: its integer part, clamped to 1..9. A level that
// is not a number (NaN) counts as the lowest.
QString paire(double combo);

} // namespace catalogue
