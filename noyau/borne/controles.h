#pragma once

#include "borne/commandes.h"
#include "sauvegarde/stockage.h"

#include <QString>
#include <QStringList>
#include <optional>

// The rules of CONTROLS: the names of the actions and of the devices, where a player may reassign
// keys, what a captured key does to the remapping, and where the pointer lands. Every change gives
// a new settings record that went through the settings reader.
namespace controles {

// The name shown for an action (a catalogue key), "" for an unknown action.
QString nomAction(const QString& action);
// The name shown for a device; the remote is the box's own on the box.
QString nomAppareil(const QString& appareil, const QString& systeme);

// Keys can be reassigned only on a desktop keyboard: the box and Android
// read their remotes and touch through fixed tables.
bool reglable(const QString& appareil, const QString& systeme);
// The lines: the actions, and RESET KEYS where keys can be reassigned.
int nombreLignes(bool reglable);
// RESET KEYS is the last line.
constexpr int LIGNE_RAZ = commandes::NOMBRE_ACTIONS;

// The actions outnumber the rows between the devices and RESET KEYS, so the
// list scrolls: `premiere` is the action on the top row.
constexpr int RANGS_VUS = 14;
// The top row that keeps line `choix` in sight, moving as little as it can
// from `premiere`; RESET KEYS, drawn apart, moves nothing.
int premierePourVoir(int premiere, int choix);
// Where Up (sens < 0) or Down scroll a list without a cursor, within the ends.
int defiler(int premiere, int sens);

// The record with `action` given the key `code`: whichever action had that
// code loses it, so one key never serves two actions. Nothing when the code
// cannot be given (reserved, a remote's or a gamepad's, not a key) or the
// action is unknown.
std::optional<stockage::Reglages> remapper(const stockage::Reglages& r, const QString& action,
                                           int code);
// The record with every key back to its default.
stockage::Reglages sansRemappage(const stockage::Reglages& r);

// -- layout and pointer, in native pixels ----------------------------------------
constexpr int APPAREIL_X = 40;
constexpr int APPAREIL_ECART = 80;
constexpr int LIGNE_Y = 50;
constexpr int LIGNE_PAS = 10;
constexpr int RAZ_Y = 192;

// The device lampion under a press among `nombre` devices, or -1.
int appareilTouche(double x, double y, int nombre);
// The line under a press among `nombre` lines with action `premiere` on the
// top row, or -1; the row under the list is RESET KEYS.
int ligneTouchee(double y, int nombre, int premiere = 0);
// Elsewhere, a press at the bottom leaves.
bool sortieTouchee(double y);

} // namespace controles
