#pragma once

#include "synthese.h"

#include <string>

// Every track the workshop makes, each rendered at the length it is given.
synthese::Bus pieceTitre(double duree);
synthese::Bus pieceJeu1(double duree);
synthese::Bus pieceJeu2(double duree);
synthese::Bus pieceJeu3(double duree);
synthese::Bus pieceJeu4(double duree);
synthese::Bus pieceDuel(double duree);
synthese::Bus pieceUrgence(double duree);
synthese::Bus pieceContinue(double duree);
synthese::Bus pieceRecord(double duree);
synthese::Bus pieceFinEtape(double duree);
synthese::Bus pieceVictoire(double duree);
synthese::Bus pieceDefaite(double duree);

// A sound effect by id (mono); empty when the id is not an effect.
synthese::Mono bruitage(const std::string& id, double duree);

// A voice line by id (mono). `espeak` is the speech program to call; when it
// cannot be run, a sung syllable stands in so the build still completes.
synthese::Mono voix(const std::string& id, double duree, const std::string& espeak,
                    const std::string& dossierTemporaire);
