#include "enregistrement.h"

#include "borne/qml/borne_qml.h"
#include "borne/qml/calme_qml.h"
#include "borne/qml/commandes_qml.h"
#include "borne/qml/course_qml.h"
#include "borne/qml/extras_qml.h"
#include "borne/qml/flux_qml.h"
#include "borne/qml/menus_qml.h"
#include "borne/qml/modes_qml.h"
#include "borne/qml/options_qml.h"
#include "commun/ecran/qml/ecran_qml.h"
#include "ecran/qml/animations_qml.h"
#include "ecran/qml/cases_grille_qml.h"
#include "ecran/qml/pixel_qml.h"
#include "ecran/qml/police_qml.h"
#include "ecran/qml/tuiles_plateau_qml.h"
#include "i18n/qml/langue_qml.h"
#include "moteur/qml/moteur_qml.h"
#include "parole/qml/parole_qml.h"
#include "piles/qml/piles_qml.h"
#include "plateforme/qml/plateforme_qml.h"
#include "sauvegarde/qml/evenements_qml.h"
#include "sauvegarde/qml/sauvegarde_qml.h"
#include "son/qml/catalogue_qml.h"

void enregistrerTypes() {
    static bool fait = false;
    if (fait) return;
    fait = true;
    // Each area registers its types from its qml/ folder.
    enregistrerCommandes();
    enregistrerMenus();
    enregistrerExtras();
    enregistrerFlux();
    enregistrerModes();
    enregistrerCalme();
    enregistrerCourse();
    enregistrerBorne();
    enregistrerOptions();
    enregistrerEcran();
    enregistrerLangue();
    enregistrerMoteur();
    enregistrerPiles();
    enregistrerParole();
    enregistrerPolice();
    enregistrerPixel();
    enregistrerAnimations();
    enregistrerPlateau();
    enregistrerCasesGrille();
    enregistrerSauvegarde();
    enregistrerEvenements();
    enregistrerPlateforme();
    enregistrerSon();
}
