// A stack file as the player's folder may hold it: any bytes, named as a
// `.layout` or a JSON file. Reading and judging never fail loudly; a file
// offered deals as the list says (its tiles, an even number within the
// limit, a shape the board shows), and one refused says why.

#include "piles/piles.h"

#include "commun.h"
#include "moteur/pile.h"

#include <QByteArray>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* d, std::size_t n) {
    if (n > 65536) return 0; // the deal check is the slow part, not the size
    const QByteArray octets(reinterpret_cast<const char*>(d), int(n));
    const QString chemin = fuzz::empreinte(d, n) % 2 ? QStringLiteral("/fuzz/pile.layout")
                                                     : QStringLiteral("/fuzz/pile.json");
    const piles::Lecture l = piles::lireOctets(octets, chemin);
    const piles::Pile p = piles::examiner(l, chemin);
    EXIGER(p.chemin == chemin && !p.catalogue);
    if (!p.jouable()) {
        EXIGER(*importation::cle(p.verdict.refus) != '\0');
        return 0;
    }
    EXIGER(!p.nom.isEmpty() && p.nom.size() <= piles::NOM_MAX && p.nom == p.nom.toUpper());
    EXIGER(p.empreinte.size() == 16);
    const pile::Lecture places = pile::lire(p.d.couches);
    EXIGER(places.ok());
    EXIGER(int(places.places.size()) == p.tuiles);
    EXIGER(p.tuiles > 0 && p.tuiles % 2 == 0 && p.tuiles <= importation::TUILES_MAX);
    EXIGER(piles::montrable(places.places).ok());
    // Judged again, the stack it became is the same stack.
    const piles::Pile encore = piles::depuisCatalogue(p.d);
    EXIGER(encore.empreinte == p.empreinte && encore.tuiles == p.tuiles);
    return 0;
}
