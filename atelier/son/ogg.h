#pragma once

#include "synthese.h"

#include <string>

// Writes Ogg Vorbis at 44.1 kHz: one channel when `droite` is null, else two.
// Returns false (with a message on stderr) when the file cannot be written.
bool ecrireOgg(const std::string& chemin, const synthese::Mono& gauche,
               const synthese::Mono* droite, float qualite);
