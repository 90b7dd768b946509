#pragma once

// Registers the singletons of the platform services under "Tessimora" 1.0:
// the cloud calls `Nuage`, the provider layer `Couche`, friends' status
// `Presence` and leaderboards `Classements`.
void enregistrerPlateforme();
