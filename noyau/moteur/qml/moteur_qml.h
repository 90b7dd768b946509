#pragma once

// Registers the engine's faces under "Tessimora" 1.0: the types `Partie`,
// `Ia` and `ArbitreDuel`, the singletons `Defi` and `Dispositions`.
void enregistrerMoteur();
