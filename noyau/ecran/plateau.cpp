#include "ecran/plateau.h"

#include "ecran/pixel.h"

#include <algorithm>
#include <climits>

namespace plateau {

Point origine(const pile::Geometrie& g, const Zone& zone) {
    if (g.places.empty()) return {};
    int x0 = INT_MAX, y0 = INT_MAX, x1 = INT_MIN, y1 = INT_MIN;
    for (const pile::Place& p : g.places) {
        const Point q = px(p);
        x0 = std::min(x0, q.x);
        y0 = std::min(y0, q.y);
        x1 = std::max(x1, q.x + TUILE_L);
        y1 = std::max(y1, q.y + TUILE_H);
    }
    return {auPixel(zone.x + (zone.largeur - (x1 - x0)) / 2.0 - x0),
            auPixel(zone.y + (zone.hauteur - (y1 - y0)) / 2.0 - y0)};
}

int sous(const pile::Geometrie& g, const pile::Presence& present, Point o, int x, int y) {
    const int X = x - o.x, Y = y - o.y;
    // Last drawn first: a higher layer wins, then a lower row, then a column
    // further right, exactly as the eye sees the overlaps.
    for (auto k = g.ordre.rbegin(); k != g.ordre.rend(); ++k) {
        const int i = *k;
        if (i < 0 || i >= static_cast<int>(present.size()) || !present[i]) continue;
        const Point q = px(g.places[i]);
        if (X >= q.x && X < q.x + FACE_L && Y >= q.y && Y < q.y + FACE_H) return i;
    }
    return -1;
}

bool couvre(const pile::Geometrie& g, const pile::Presence& present, int i) {
    if (i < 0 || i >= static_cast<int>(g.dessous.size())) return false;
    for (int j : g.dessous[i])
        if (j >= 0 && j < static_cast<int>(present.size()) && present[j]) return true;
    return false;
}

bool voilee(const pile::Geometrie& g, const pile::Presence& present, int voile,
            const std::set<int>& fumees, int i) {
    if (fumees.count(i)) return true;
    if (voile == VOILE_AUCUN) return false;
    if (i < 0 || i >= g.n || i >= static_cast<int>(present.size())) return false;
    // A removed tile counts as not free to the engine; it is not drawn anyway.
    if (present[i] && pile::libre(g, present, i)) return false;
    if (voile == VOILE_TOUT) return true;
    return i % 3 == 0;
}

int etat(int selection, int indiceA, int indiceB, int i) {
    if (i < 0) return 0;
    if (i == selection) return 1;
    if (i == indiceA || i == indiceB) return 2;
    return 0;
}

} // namespace plateau
