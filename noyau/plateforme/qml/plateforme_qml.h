#pragma once

// Registers the singletons `Couche`, `Presence` and `Classements` under
// "Tessimora" 1.0: the provider layer, friends' status and leaderboards.
void enregistrerPlateforme();
