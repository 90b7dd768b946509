#pragma once

// Registers the engine's faces under "Tessimora" 1.0: the types `Partie`,
// `PartieGlissante`, `Ia` and `ArbitreDuel`, the values of `PriseGlissante`
// and `CoupGlissant`, the singletons `Defi` and `Dispositions`.
void enregistrerMoteur();
