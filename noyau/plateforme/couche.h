#pragma once

// The provider layer: the game's one road to online services. Achievements
// and counters are always kept locally; what a provider gets (unlocks,
// progress, scores, friends' status, the cloud save) goes through these
// functions, which never let a provider stop or break the game. A missing
// provider, a missing operation and an operation that fails all mean the
// same thing: that one call counts as not sent.

#include "plateforme/classements.h"
#include "plateforme/presence.h"
#include "sauvegarde/nuage.h"
#include "sauvegarde/succes.h"

#include <QJsonObject>
#include <QString>
#include <QVariant>
#include <optional>

namespace couche {

// A provider as the layer sees it, whatever it is made of: the host's
// facade, a script object, a test double. Asking never fails.
class Port {
public:
    virtual ~Port() = default;
    // Whether `operation` exists and can be called.
    virtual bool a(const QString& operation) const = 0;
    // Property `nom` when it is a text, else nothing.
    virtual std::optional<QString> texte(const QString& nom) const = 0;
    // Calls `operation`: its answer, or nothing when the operation is missing
    // or failed. An answer that is not a text is any other kind of value.
    virtual std::optional<QVariant> appeler(const QString& operation,
                                            const QVariantList& arguments) = 0;
};

// Every function takes the provider as a pointer that may be null.
bool a(const Port* f, const QString& nom);
// A provider counts only when it names itself.
bool actif(const Port* f);

bool debloquer(Port* f, const QString& id);
bool progresser(Port* f, const QString& id, qint64 valeur, qint64 but, const QString& stat);
bool envoyerScore(Port* f, const QString& nom, qint64 score,
                  const std::vector<qint64>& details = {});

// One game event: the achievements' step on `e`, then its unlocks, progress
// and changed records told to the provider, in that order. `garder` says
// whether the state changed and must be stored.
struct Resultat : succes::Resultat {
    bool garder = false;
};
Resultat evenement(succes::Etat& e, const evenements::Evenement& ev, Port* f, double date);
// The same for an event in its JSON form.
Resultat evenement(succes::Etat& e, const QJsonObject& ev, Port* f, double date);

// At start: every unlock again and the progress of every tiered achievement
// begun, so what was earned offline reaches the service (which ignores what
// it already has). Returns the number of unlocks that went through.
int synchroniser(const succes::Etat& e, Port* f);

// The leaderboard posts of a finished game; returns how many went through.
int finPartie(const classements::Fin& fin, Port* f);

// Sends the friends' status when it differs from `dernier` (the key of the
// last one sent); returns the key now current. A failed send keeps `dernier`,
// so the next call tries again.
QString presence(const presence::EtatBorne& b, Port* f, const QString& dernier);

// The provider's cloud text, or an empty text whatever goes wrong.
QString lireNuage(Port* f);
bool ecrireNuage(Port* f, const nuage::Enveloppe& env);

} // namespace couche
