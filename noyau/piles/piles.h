#pragma once

// The stacks TEA HOUSE offers: the catalogue's, and the player's own files
// in two formats, the layout notation in JSON ({"nom": ..., "couches":
// [[row, ...], ...]}) and the `.layout` text format. A file is read whole
// (1 MiB at most, its size checked before a byte is read), turned into the
// notation, and judged: it is offered only when the engine can deal it and
// the board can show all of it. What it becomes is a catalogue-like layout
// that the engine deals, solves and draws unchanged.
//
// Everything here is safe to run off the GUI thread: no Qt object outlives
// a call, and the engine's geometry cache is not touched (the checks build
// their own geometry).

#include "moteur/dispositions.h"
#include "moteur/importation.h"

#include <QByteArray>
#include <QString>
#include <string>
#include <vector>

namespace piles {

using importation::Refus;
using importation::Verdict;

inline constexpr qint64 OCTETS_MAX = 1 << 20;
// The longest name the list shows, in characters.
inline constexpr int NOM_MAX = 32;
// The seed the check deals with. A shape the generator clears with one seed
// it clears with any: its 20 attempts rarely all fail.
inline constexpr int GRAINE_ESSAI = 1;

// What a file holds, before any judgement of its shape: the layout as
// written (JSON) or converted (`.layout`), its name as the file gives it.
struct Lecture {
    dispositions::Disposition d;
    bool layout = false; // the `.layout` format
    Verdict verdict;     // only reading failures: unreadable, too large, not a stack...
};

// The bytes of a file named `chemin` (its name is a `.layout` stack's).
Lecture lireOctets(const QByteArray& octets, const QString& chemin);
// The file itself: a regular file of at most OCTETS_MAX bytes. Anything
// else (a folder, a pipe, a device) is unreadable, never waited on.
Lecture lireFichier(const QString& chemin);

// A stack as TEA HOUSE lists it.
struct Pile {
    QString nom;       // as shown: trimmed, in capitals, at most NOM_MAX characters
    QString empreinte; // digest of the shape's normal form; empty when unread
    QString chemin;    // empty for a catalogue stack
    bool catalogue = false;
    int tuiles = 0, couches = 0; // 0 when the shape could not be read
    Verdict verdict;
    dispositions::Disposition d; // what the engine deals: name as shown, normal form
    bool jouable() const { return verdict.ok(); }
};

// The verdict on what a file held.
Pile examiner(const Lecture& l, const QString& chemin);
Pile lirePile(const QString& chemin);
// A stack of the catalogue, dealt from its own rows (so that its games share
// the cached geometry), with the digest of its normal form.
Pile depuisCatalogue(const dispositions::Disposition& d);
// The twelve stage stacks, then the two duel stacks.
std::vector<Pile> catalogue();

// Whether the board shows every tile of the places: their images, each
// layer shifted up and left, must fit the full-screen zone. The verdict says
// which of the width, the height or the layers' shift is too much.
Verdict montrable(const std::vector<pile::Place>& places);

// The name a stack is shown and recorded under: blanks trimmed and runs of
// them made one space, control characters dropped, in capitals, cut to
// NOM_MAX characters (never inside a character).
QString nomMontre(const QString& brut);

// The player's folder: GenericDataLocation (XDG_DATA_HOME) + tessimora/piles.
QString dossier();

} // namespace piles
