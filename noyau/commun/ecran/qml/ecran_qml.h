#pragma once

// Registers the screen's singletons `Affichage` and `Crt` under "Tessimora" 1.0.
void enregistrerEcran();
