#pragma once

// Registers the screen's singletons `Affichage` and `Crt` and its type `Tube`
// under "Tessimora" 1.0.
void enregistrerEcran();
