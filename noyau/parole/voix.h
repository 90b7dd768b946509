#pragma once

#include <QString>
#include <functional>

// Where an utterance goes: the host's speaker, when the host installs one,
// and a TESSIMORA_PAROLE line for trials when the journal is on. Without a
// speaker the game runs exactly as with one, silently.
namespace parole {

// Says `texte` in `langue` (a catalogue code), cutting whatever it was saying.
using Orateur = std::function<void(const QString& texte, const QString& langue)>;
void installerOrateur(Orateur orateur);

// The journal is on with --journal-parole or --journal-sons on the command line.
bool journalDemande(const QStringList& arguments);
void journaliser(bool oui);

// Speaks a text: the journal's line first (flushed at once), then the speaker.
void dire(const QString& texte, const QString& langue);

} // namespace parole
