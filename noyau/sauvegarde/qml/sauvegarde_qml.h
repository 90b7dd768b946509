#pragma once

// Registers the singletons of the save records under "Tessimora" 1.0:
// `Stockage` (scores, settings, progression) and `Succes` (achievement state).
void enregistrerSauvegarde();
