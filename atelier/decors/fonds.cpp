#include "couleurs.h"
#include "decors.h"
#include "trace.h"

using namespace palette;

namespace fonds {
Toile plan(const QString&, const QString& plan, int largeur) {
    Toile t(largeur, 224);
    if (plan == "ciel")
        t.rect(0, 0, largeur, 224, NUIT0);
    return t;
}
} // namespace fonds

bool dessinerFonds(const QString& nom, const Gabarit& g, Bande& b) {
    if (!nom.startsWith("fond"))
        return false;
    (void)g;
    (void)b;
    return true;
}
