#pragma once

// Registers what moves on the shared frame clock under "Tessimora" 1.0: the
// strip player `DessinBande` and the posed effects `EffetPose` and `NombrePose`.
void enregistrerAnimations();
