#pragma once

// Registers the singletons of the save and platform services under "Tessimora"
// 1.0: `Stockage`, `Succes`, `Nuage`, and the provider layer `Couche` with
// friends' status `Presence` and leaderboards `Classements`.
void enregistrerSauvegarde();
