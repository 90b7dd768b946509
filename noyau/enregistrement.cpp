#include "enregistrement.h"

#include <QtQml>

void enregistrerTypes() {
    static bool fait = false;
    if (fait) return;
    fait = true;
    // Each area adds its types here as `enregistrer<Zone>()` from its qml/ folder.
}
