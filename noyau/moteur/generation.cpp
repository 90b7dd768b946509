#include "moteur/generation.h"

#include "moteur/tuiles.h"

#include <algorithm>
#include <map>
#include <mutex>

namespace generation {

namespace {

constexpr int ESSAIS = 20;
constexpr int IMPASSES_MAX = 400;

struct Entree {
    pile::Forme couches;
    GeometriePartagee g;
};

} // namespace

GeometriePartagee geometrie(const dispositions::Disposition& d) {
    static std::mutex verrou;
    static std::map<std::string, Entree> cache;
    std::lock_guard<std::mutex> garde(verrou);
    auto it = cache.find(d.nom);
    if (it != cache.end()) {
        if (it->second.couches == d.couches) return it->second.g;
        // Another shape under a cached name (a layout being edited, say) must
        // not be handed the catalogue's geometry: build it on its own.
        const pile::Lecture l = pile::lire(d.couches);
        return l.ok() ? std::make_shared<const pile::Geometrie>(pile::construire(l.places))
                      : nullptr;
    }
    const pile::Lecture l = pile::lire(d.couches);
    if (!l.ok()) return nullptr;
    auto g = std::make_shared<const pile::Geometrie>(pile::construire(l.places));
    cache.emplace(d.nom, Entree{d.couches, g});
    return g;
}

std::optional<Solution> ordre(const pile::Geometrie& g, const pile::Presence& present0,
                              alea::Alea& rng) {
    if (static_cast<int>(present0.size()) != g.n) return std::nullopt;
    int total = 0;
    for (int i = 0; i < g.n; ++i)
        total += present0[i] ? 1 : 0;
    pile::Presence p;
    std::vector<int> libres;
    std::vector<int> poidsLibres;
    libres.reserve(g.n);
    poidsLibres.reserve(g.n);
    Solution pas;
    pas.reserve(static_cast<std::size_t>(total / 2));

    for (int echecs = 0; echecs < ESSAIS; ++echecs) {
        p = present0;
        pas.clear();
        int impasses = 0;
        int restantes = total;
        while (restantes > 0 && impasses < IMPASSES_MAX) {
            pile::libres(g, p, libres);
            if (libres.size() < 2) {
                // Undo a few steps; the reach grows with each dead end met.
                const std::size_t tire =
                    1 + alea::entier(rng, 2u + static_cast<unsigned>(impasses));
                const std::size_t k = std::min(pas.size(), tire);
                ++impasses;
                if (k == 0) break;
                for (std::size_t n = 0; n < k; ++n) {
                    const Paire& dernier = pas.back();
                    p[dernier[0]] = 1;
                    p[dernier[1]] = 1;
                    restantes += 2;
                    pas.pop_back();
                }
                continue;
            }
            poidsLibres.resize(libres.size());
            for (std::size_t k = 0; k < libres.size(); ++k)
                poidsLibres[k] = poids(g, p, libres[k]);
            const std::size_t ia = alea::pondere(rng, poidsLibres);
            const int a = libres[ia];
            libres.erase(libres.begin() + static_cast<std::ptrdiff_t>(ia));
            poidsLibres.erase(poidsLibres.begin() + static_cast<std::ptrdiff_t>(ia));
            const int b = libres[alea::pondere(rng, poidsLibres)];
            p[a] = 0;
            p[b] = 0;
            restantes -= 2;
            pas.push_back({a, b});
        }
        if (restantes == 0) return pas;
    }
    return std::nullopt;
}

std::optional<Pose> poser(const pile::Geometrie& g, const pile::Presence& present0,
                          const std::vector<Paire>& paires, alea::Alea& rng) {
    if (static_cast<int>(present0.size()) != g.n) return std::nullopt;
    std::optional<Solution> pas = ordre(g, present0, rng);
    if (!pas || pas->size() != paires.size()) return std::nullopt;
    Pose r;
    r.motifs.assign(g.n, -1);
    for (std::size_t k = 0; k < pas->size(); ++k) {
        const unsigned s = alea::entier(rng, 2);
        r.motifs[(*pas)[k][0]] = paires[k][s];
        r.motifs[(*pas)[k][1]] = paires[k][1 - s];
    }
    r.solution = std::move(*pas);
    return r;
}

std::optional<Donne> generer(const dispositions::Disposition& d, const alea::Graine& graine) {
    return generer(geometrie(d), d.nom, graine);
}

std::optional<Donne> generer(GeometriePartagee g, const std::string& nom,
                             const alea::Graine& graine) {
    if (!g) return std::nullopt;
    Donne d;
    d.disposition = nom;
    d.graine = graine;
    d.rng = alea::creer(graine);
    d.present.assign(g->n, 1);
    const std::vector<Paire> paires = tuiles::paires(g->n / 2, d.rng);
    std::optional<Pose> pose = poser(*g, d.present, paires, d.rng);
    if (!pose) return std::nullopt;
    d.motifs = std::move(pose->motifs);
    d.solution = std::move(pose->solution);
    d.g = std::move(g);
    return d;
}

std::optional<Pose> melanger(const pile::Geometrie& g, const std::vector<int>& motifs,
                             const pile::Presence& present, alea::Alea& rng) {
    if (static_cast<int>(motifs.size()) != g.n || static_cast<int>(present.size()) != g.n)
        return std::nullopt;
    std::vector<int> restants;
    for (int i = 0; i < g.n; ++i)
        if (present[i]) restants.push_back(motifs[i]);
    std::optional<std::vector<Paire>> paires = tuiles::regrouper(restants, rng);
    if (!paires) return std::nullopt;
    std::optional<Pose> pose = poser(g, present, *paires, rng);
    if (!pose) return std::nullopt;
    for (int i = 0; i < g.n; ++i)
        if (!present[i]) pose->motifs[i] = motifs[i];
    return pose;
}

bool verifier(const pile::Geometrie& g, const std::vector<int>& motifs,
              const pile::Presence& present0, const Solution& solution) {
    if (static_cast<int>(motifs.size()) != g.n || static_cast<int>(present0.size()) != g.n)
        return false;
    pile::Presence p = present0;
    for (const Paire& pas : solution) {
        const int a = pas[0], b = pas[1];
        if (a < 0 || b < 0 || a >= g.n || b >= g.n || a == b) return false;
        if (!pile::libre(g, p, a) || !pile::libre(g, p, b)) return false;
        if (!tuiles::vaAvec(motifs[a], motifs[b])) return false;
        p[a] = 0;
        p[b] = 0;
    }
    return std::none_of(p.begin(), p.end(), [](std::uint8_t v) { return v != 0; });
}

} // namespace generation
