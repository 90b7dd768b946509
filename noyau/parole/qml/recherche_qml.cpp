#include "parole/qml/recherche_qml.h"

#include "moteur/qml/partie_qml.h"
#include "moteur/recherche.h"

int RechercheQml::suivante(PartieQml* partie, int depuis) const {
    const partie::Partie* p = partie ? partie->donnees() : nullptr;
    if (!p || !p->g) return -1;
    return recherche::suivante(*p->g, p->present, depuis);
}

int RechercheQml::partenaire(PartieQml* partie, int depuis) const {
    const partie::Partie* p = partie ? partie->donnees() : nullptr;
    if (!p || !p->g) return -1;
    return recherche::partenaire(*p->g, p->present, p->motifs, p->selection, depuis);
}
