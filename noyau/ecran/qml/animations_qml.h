#pragma once

// Registers what moves on the shared frame clock under "Tessimora" 1.0: the
// strip player `DessinBande`, the posed effects `EffetPose` and `NombrePose`
// the scroll time of backgrounds `Defilement` and the picture's shake
// `Secousse`.
void enregistrerAnimations();
