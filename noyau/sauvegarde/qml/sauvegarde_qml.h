#pragma once

// Registers the singletons of the save records under "Tessimora" 1.0:
// `Stockage` (scores, settings, progression), `Succes` (achievement state) and
// the settings store `Magasin`.
void enregistrerSauvegarde();
