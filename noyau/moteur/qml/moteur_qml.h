#pragma once

// Registers the engine's faces under "Tessimora" 1.0: the types `Partie` and
// `Ia`, the singleton `Defi`.
void enregistrerMoteur();
