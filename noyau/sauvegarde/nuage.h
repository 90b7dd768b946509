#pragma once

// The cloud envelope: one JSON text carrying all four records, and the merge
// that lets two devices share it without losing anything. Score tables are
// united, progression keeps the furthest point of either side, achievements
// keep their earliest unlock and counters their highest value; only the
// settings come whole from the side written last. Everything but the settings
// merges symmetrically, so two devices merging each other's envelopes end on
// the same text.

#include "sauvegarde/salon.h"
#include "sauvegarde/stockage.h"
#include "sauvegarde/succes.h"

#include <QJsonObject>
#include <QString>
#include <optional>

namespace nuage {

inline constexpr const char* FORMAT = "tessimora-sauvegarde";
inline constexpr int VERSION = 1;
inline constexpr const char* FICHIER = "tessimora.sav";
// A real envelope is a few kilobytes; anything past this is refused unread.
inline constexpr int TAILLE_MAX = 65536;

struct Enveloppe {
    double ecrit = 0; // ms since 1970, whole, never negative
    stockage::Scores scores;
    stockage::Reglages reglages;
    stockage::Progression progression;
    succes::Etat succes;
    // TEA HOUSE's records. Written last, and only when it holds a stack:
    // a build that knows nothing of it reads the envelope as it always did
    // (an unknown member is dropped), and an envelope from such a build
    // reads here with an empty record.
    salon::Salon salon{};
};
using PeutEtre = std::optional<Enveloppe>;

// The records, each written and read back so it holds exactly its stored
// fields.
Enveloppe envelopper(const stockage::Scores& scores, const stockage::Reglages& reglages,
                     const stockage::Progression& progression, const succes::Etat& etat,
                     double ecrit, const salon::Salon& salon = {});
QString ecrire(const Enveloppe& env);
// Nothing for an empty, oversized, unreadable or foreign text.
PeutEtre lire(const QString& texte);
// The records and write time of a parsed envelope, each checked by its
// reader, whatever its format tag says.
Enveloppe depuisObjet(const QJsonObject& o);

// The elements of `a`, then those of `b` not already in the result.
QStringList reunir(const QStringList& a, const QStringList& b);
std::vector<double> reunir(const std::vector<double>& a, const std::vector<double>& b);

stockage::Scores fusionScores(const stockage::Scores& a, const stockage::Scores& b);
stockage::Progression fusionProgression(const stockage::Progression& a,
                                        const stockage::Progression& b);
succes::Etat fusionSucces(const succes::Etat& a, const succes::Etat& b);
// At equal write times the settings of `a` (the local side) win.
PeutEtre fusion(const PeutEtre& a, const PeutEtre& b);
// Whether two envelopes say different things, their write times aside.
bool differe(const PeutEtre& a, const PeutEtre& b);

// The merge at start: the local envelope (already normalised) with the
// cloud's text; `versNuage` says the cloud must be rewritten with `env`.
struct Depart {
    Enveloppe env;
    bool versNuage = false;
};
Depart fusionDepart(const Enveloppe& local, const QString& texteNuage);

} // namespace nuage
