#include "recherche.h"

#include "moteur/tuiles.h"

#include <algorithm>
#include <numeric>
#include <tuple>

namespace recherche {

namespace {

template <typename Accepte> int premiere(const pile::Geometrie& g, int depuis, Accepte accepte) {
    const std::vector<int> o = ordre(g);
    const int n = int(o.size());
    if (n == 0) return -1;
    const auto ici = std::find(o.begin(), o.end(), depuis);
    // From outside the stack, the top-left tile of the top layer is the first looked at.
    const int debut = ici == o.end() ? n - 1 : int(ici - o.begin());
    for (int k = 1; k <= n; ++k) {
        const int i = o[(debut + k) % n];
        if (accepte(i)) return i;
    }
    return -1;
}

bool dedans(const pile::Geometrie& g, const pile::Presence& present, int i) {
    return i >= 0 && i < g.n && i < int(present.size());
}

} // namespace

std::vector<int> ordre(const pile::Geometrie& g) {
    std::vector<int> o(std::size_t(std::max(0, g.n)));
    std::iota(o.begin(), o.end(), 0);
    std::stable_sort(o.begin(), o.end(), [&](int a, int b) {
        const pile::Place& p = g.places[std::size_t(a)];
        const pile::Place& q = g.places[std::size_t(b)];
        return std::make_tuple(-p.z, p.y, p.x) < std::make_tuple(-q.z, q.y, q.x);
    });
    return o;
}

int suivante(const pile::Geometrie& g, const pile::Presence& present, int depuis) {
    if (int(present.size()) < g.n) return -1;
    return premiere(g, depuis, [&](int i) { return pile::libre(g, present, i); });
}

int partenaire(const pile::Geometrie& g, const pile::Presence& present,
               const std::vector<int>& motifs, int prise, int depuis) {
    if (int(present.size()) < g.n || int(motifs.size()) < g.n || !dedans(g, present, prise))
        return -1;
    return premiere(g, depuis, [&](int i) {
        return i != prise && tuiles::vaAvec(motifs[std::size_t(i)], motifs[std::size_t(prise)]) &&
               pile::libre(g, present, i);
    });
}

} // namespace recherche
