#include "borne/modes.h"

namespace modes {

const Regle& regle(Mode m) {
    return REGLES[static_cast<std::size_t>(m)];
}

Voile voile(const Regle& r, int etape) {
    if (r.voile == Voile::Boss)
        return etape % CYCLE_BOSS == CYCLE_BOSS - 1 ? Voile::Boss : Voile::Aucun;
    return r.voile;
}

bool boss(const Regle& r, int etape) {
    return voile(r, etape) == Voile::Boss;
}

const char* tableAttract(int vues) {
    int n = 0;
    for (const Regle& r : REGLES)
        n += r.attract ? 1 : 0;
    int k = ((vues % n) + n) % n;
    for (const Regle& r : REGLES)
        if (r.attract && k-- == 0) return r.table;
    return REGLES[0].table;
}

int etapeDe(unsigned graine) {
    return static_cast<int>(graine % ETAPES);
}

} // namespace modes
