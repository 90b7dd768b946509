#include "ecran/bandes.h"

#include <algorithm>

namespace bandes {

std::vector<Bande> visibles(const std::vector<Rangee>& rangees, int ecart) {
    std::vector<Bande> resultat;
    const int n = static_cast<int>(rangees.size());
    int y = 0;
    while (y < n) {
        if (rangees[y].debut >= rangees[y].fin) {
            ++y;
            continue;
        }
        Bande b{rangees[y].debut, y, 0, 0};
        int fin = rangees[y].fin;
        int derniere = y; // last row with something in it
        int vides = 0;
        for (++y; y < n && vides < ecart; ++y) {
            const Rangee& r = rangees[y];
            if (r.debut >= r.fin) {
                ++vides;
                continue;
            }
            vides = 0;
            derniere = y;
            b.x = std::min(b.x, r.debut);
            fin = std::max(fin, r.fin);
        }
        b.largeur = fin - b.x;
        b.hauteur = derniere + 1 - b.y;
        resultat.push_back(b);
        y = derniere + 1;
    }
    return resultat;
}

} // namespace bandes
