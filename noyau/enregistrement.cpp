#include "enregistrement.h"

#include "borne/qml/commandes_qml.h"

#include <QtQml>

void enregistrerTypes() {
    static bool fait = false;
    if (fait) return;
    fait = true;
    // Each area registers its types from its qml/ folder.
    enregistrerCommandes();
}
