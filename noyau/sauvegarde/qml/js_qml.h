#pragma once

// Moving records between the scenes' JS objects and the C++ records. Records
// go to the scenes through the engine's own JSON.parse of their written text,
// so members keep the written order (the scenes' loops over unlocks follow
// it); they come back through QVariant, which every reader then validates.

#include "sauvegarde/stockage.h"
#include "sauvegarde/succes.h"

#include <QJSValue>
#include <QJsonValue>
#include <QString>
#include <QVariantMap>

class QObject;

namespace js {

// The record a scene passed, as JSON for the readers.
QJsonValue versJson(const QJSValue& v);
// A written record as a fresh JS object of `proprietaire`'s engine.
QJSValue depuisTexte(const QObject* proprietaire, const QString& texteJson);
// Replaces the members of `cible` by those of `source` (for the operations
// documented as changing their argument).
void remplacer(QJSValue& cible, const QJSValue& source);

// A progression as the scenes hold it: the stored fields and the derived
// `extras` (all closed when `extras` is false, as in the default record).
QString progressionAvecExtras(const stockage::Progression& p, bool extras);

// An achievement state the scene holds, checked like a stored one but keeping
// the order of its unlocks (a new unlock sits last until the next read).
succes::Etat etatSucces(const QJSValue& v);
// An event step's result as the scene reads it:
// { nouveaux: [ids], progres: [{ id, valeur, but, stat }] }.
QVariantMap resultatSucces(const succes::Resultat& r);

} // namespace js
