#pragma once

// Registers the singletons `Stockage`, `Succes` and `Nuage` under "Tessimora" 1.0.
void enregistrerSauvegarde();
