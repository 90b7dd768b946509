#include "moteur/pile.h"

#include "commun/moteur/alea.h"

#include <algorithm>
#include <map>
#include <tuple>
#include <utility>

namespace pile {

namespace {

// Length of the UTF-8 character starting at s[i], so that an error message
// names a whole character rather than one of its bytes.
std::size_t longueurCaractere(const std::string& s, std::size_t i) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    std::size_t n = c < 0x80 ? 1 : c >= 0xf0 ? 4 : c >= 0xe0 ? 3 : c >= 0xc0 ? 2 : 1;
    n = std::min(n, s.size() - i);
    for (std::size_t k = 1; k < n; ++k)
        if ((static_cast<unsigned char>(s[i + k]) & 0xc0u) != 0x80u) return k;
    return n;
}

// Places grouped by (layer, row), each list ascending.
using Index = std::map<std::pair<int, int>, std::vector<int>>;

Index indexer(const std::vector<Place>& places) {
    Index index;
    for (std::size_t i = 0; i < places.size(); ++i)
        index[{places[i].z, places[i].y}].push_back(static_cast<int>(i));
    return index;
}

const std::vector<int>* rang(const Index& index, int z, int y) {
    auto it = index.find({z, y});
    return it == index.end() ? nullptr : &it->second;
}

int ecart(int a, int b) {
    return a > b ? a - b : b - a;
}

} // namespace

Lecture lire(const Forme& couches) {
    Lecture r;
    for (std::size_t z = 0; z < couches.size(); ++z) {
        for (std::size_t ligne = 0; ligne < couches[z].size(); ++ligne) {
            const std::string& texte = couches[z][ligne];
            const int y = 2 * static_cast<int>(ligne);
            int c = 0;
            for (std::size_t i = 0; i < texte.size(); ++c) {
                const char ch = texte[i];
                const int x = 2 * c, zi = static_cast<int>(z);
                switch (ch) {
                case '.':
                    break;
                case '#':
                    r.places.push_back({x, y, zi});
                    break;
                case '>':
                    r.places.push_back({x + 1, y, zi});
                    break;
                case 'v':
                    r.places.push_back({x, y + 1, zi});
                    break;
                case '+':
                    r.places.push_back({x + 1, y + 1, zi});
                    break;
                default:
                    r.places.clear();
                    r.erreur = "caractère inconnu « " +
                               texte.substr(i, longueurCaractere(texte, i)) + " » couche " +
                               std::to_string(z) + " rang " + std::to_string(ligne);
                    return r;
                }
                ++i;
            }
        }
    }
    return r;
}

Geometrie construire(const std::vector<Place>& places) {
    Geometrie g;
    g.places = places;
    g.n = static_cast<int>(places.size());
    const std::size_t n = places.size();
    g.dessus.resize(n);
    g.dessous.resize(n);
    g.gauche.resize(n);
    g.droite.resize(n);
    const Index index = indexer(places);

    int xMin = 0, yMin = 0, xMax = 0, yMax = 0, zMax = -1;
    for (std::size_t i = 0; i < n; ++i) {
        const Place& p = places[i];
        if (i == 0) {
            xMin = xMax = p.x;
            yMin = yMax = p.y;
        }
        xMin = std::min(xMin, p.x);
        yMin = std::min(yMin, p.y);
        xMax = std::max(xMax, p.x);
        yMax = std::max(yMax, p.y);
        zMax = std::max(zMax, p.z);
        for (int dy = -1; dy <= 1; ++dy) {
            if (const auto* voisins = rang(index, p.z, p.y + dy))
                for (int j : *voisins) {
                    if (places[j].x == p.x - 2)
                        g.gauche[i].push_back(j);
                    else if (places[j].x == p.x + 2)
                        g.droite[i].push_back(j);
                }
        }
        for (int dy = -1; dy <= 1; ++dy) {
            if (const auto* voisins = rang(index, p.z + 1, p.y + dy))
                for (int j : *voisins)
                    if (ecart(places[j].x, p.x) < 2) {
                        g.dessus[i].push_back(j);
                        g.dessous[j].push_back(static_cast<int>(i));
                    }
        }
    }
    if (n > 0) g.bornes = {xMin, yMin, xMax + 2 - xMin, yMax + 2 - yMin, zMax + 1};

    g.ordre.resize(n);
    for (std::size_t i = 0; i < n; ++i)
        g.ordre[i] = static_cast<int>(i);
    std::stable_sort(g.ordre.begin(), g.ordre.end(), [&](int a, int b) {
        const Place &p = places[a], &q = places[b];
        return std::tie(p.z, p.y, p.x) < std::tie(q.z, q.y, q.x);
    });

    alea::Alea rng = alea::creer(0x2b0b);
    g.zobrist.resize(n);
    for (auto& valeurs : g.zobrist) {
        valeurs[0] = alea::entier(rng, 67108864u);
        valeurs[1] = alea::entier(rng, 67108864u);
    }
    return g;
}

std::vector<std::string> defauts(const std::vector<Place>& places) {
    std::vector<std::string> r;
    if (places.size() % 2 != 0) r.push_back("nombre impair : " + std::to_string(places.size()));
    const Index index = indexer(places);
    std::vector<int> chevauches;
    for (std::size_t i = 0; i < places.size(); ++i) {
        const Place& p = places[i];
        chevauches.clear();
        for (int dy = -1; dy <= 1; ++dy)
            if (const auto* voisins = rang(index, p.z, p.y + dy))
                for (int j : *voisins)
                    if (j > static_cast<int>(i) && ecart(places[j].x, p.x) < 2)
                        chevauches.push_back(j);
        std::sort(chevauches.begin(), chevauches.end());
        for (int j : chevauches)
            r.push_back("chevauchement " + std::to_string(i) + " " + std::to_string(j));
        if (p.z > 0) {
            bool appui = false;
            for (int dy = -1; dy <= 1 && !appui; ++dy)
                if (const auto* voisins = rang(index, p.z - 1, p.y + dy))
                    for (int j : *voisins)
                        if (ecart(places[j].x, p.x) < 2) {
                            appui = true;
                            break;
                        }
            if (!appui) r.push_back("sans appui " + std::to_string(i));
        }
    }
    return r;
}

void libres(const Geometrie& g, const Presence& present, std::vector<int>& sortie) {
    sortie.clear();
    for (int i = 0; i < g.n; ++i)
        if (libre(g, present, i)) sortie.push_back(i);
}

std::vector<int> libres(const Geometrie& g, const Presence& present) {
    std::vector<int> r;
    libres(g, present, r);
    return r;
}

std::vector<int> liberees(const Geometrie& g, Presence& present, int i) {
    const std::vector<int>* listes[] = {&g.dessous[i], &g.gauche[i], &g.droite[i]};
    std::vector<int> voisins;
    for (const auto* liste : listes)
        voisins.insert(voisins.end(), liste->begin(), liste->end());
    std::vector<char> avant(voisins.size());
    for (std::size_t k = 0; k < voisins.size(); ++k)
        avant[k] = libre(g, present, voisins[k]);
    present[i] = 0;
    std::vector<int> r;
    for (std::size_t k = 0; k < voisins.size(); ++k)
        if (!avant[k] && libre(g, present, voisins[k])) r.push_back(voisins[k]);
    present[i] = 1;
    return r;
}

int sous(const Geometrie& g, const Presence& present, double px, double py, double dxCouche,
         double dyCouche) {
    for (std::size_t k = g.ordre.size(); k-- > 0;) {
        const int i = g.ordre[k];
        if (!present[i]) continue;
        const Place& p = g.places[i];
        const double x = p.x - p.z * dxCouche, y = p.y - p.z * dyCouche;
        if (px >= x && px < x + 2 && py >= y && py < y + 2) return i;
    }
    return -1;
}

} // namespace pile
