// The layout notation: rows separated by newlines, layers by a line "==".
// A layout either fails with the message naming its first stray character, or
// reads into places in reading order whose geometry agrees with the rules
// checked here by brute force: neighbours, freeness, pairs, freed tiles, the
// drawing order, the bounds and the hit test.

#include "commun.h"
#include "moteur/pile.h"

#include <algorithm>
#include <set>
#include <string>
#include <tuple>

namespace {

pile::Forme forme(const std::uint8_t* d, std::size_t n) {
    pile::Forme f(1);
    std::string ligne;
    auto finir = [&] {
        if (ligne == "==")
            f.emplace_back();
        else
            f.back().push_back(ligne);
        ligne.clear();
    };
    for (std::size_t i = 0; i < n; ++i) {
        if (d[i] == '\n')
            finir();
        else
            ligne += char(d[i]);
    }
    finir();
    return f;
}

int ecart(int a, int b) {
    return a > b ? a - b : b - a;
}

bool dans(const std::vector<int>& v, int x) {
    return std::find(v.begin(), v.end(), x) != v.end();
}

// The places the notation gives, or the first stray character's position.
bool attendu(const pile::Forme& f, std::vector<pile::Place>& places, std::size_t& z,
             std::size_t& rang) {
    for (z = 0; z < f.size(); ++z)
        for (rang = 0; rang < f[z].size(); ++rang) {
            int c = 0;
            for (char ch : f[z][rang]) {
                const int x = 2 * c, y = 2 * int(rang), zi = int(z);
                if (ch == '#')
                    places.push_back({x, y, zi});
                else if (ch == '>')
                    places.push_back({x + 1, y, zi});
                else if (ch == 'v')
                    places.push_back({x, y + 1, zi});
                else if (ch == '+')
                    places.push_back({x + 1, y + 1, zi});
                else if (ch != '.')
                    return false;
                ++c;
            }
        }
    return true;
}

bool libreBrut(const pile::Geometrie& g, const pile::Presence& pr, int i) {
    if (!pr[i]) return false;
    const pile::Place& p = g.places[i];
    bool gauche = false, droite = false;
    for (int j = 0; j < g.n; ++j) {
        if (!pr[j] || j == i) continue;
        const pile::Place& q = g.places[j];
        if (q.z == p.z + 1 && ecart(q.x, p.x) < 2 && ecart(q.y, p.y) <= 1) return false;
        if (q.z == p.z && ecart(q.y, p.y) <= 1) {
            if (q.x == p.x - 2) gauche = true;
            if (q.x == p.x + 2) droite = true;
        }
    }
    return !gauche || !droite;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* d, std::size_t n) {
    if (n > 4096) return 0; // the checks below are quadratic
    const pile::Forme f = forme(d, n);
    const pile::Lecture l = pile::lire(f);
    std::vector<pile::Place> places;
    std::size_t z = 0, rang = 0;
    const bool sain = attendu(f, places, z, rang);
    EXIGER(sain == l.ok());
    if (!sain) {
        EXIGER(l.places.empty());
        const std::string fin = " » couche " + std::to_string(z) + " rang " + std::to_string(rang);
        EXIGER(l.erreur.rfind("caractère inconnu « ", 0) == 0);
        EXIGER(l.erreur.size() >= fin.size() &&
               l.erreur.compare(l.erreur.size() - fin.size(), fin.size(), fin) == 0);
        return 0;
    }
    EXIGER(l.places == places);

    const pile::Geometrie g = pile::construire(l.places);
    EXIGER(g.n == int(places.size()));
    std::vector<int> ordre(g.ordre);
    std::sort(ordre.begin(), ordre.end());
    for (int i = 0; i < g.n; ++i)
        EXIGER(ordre[std::size_t(i)] == i);
    for (std::size_t k = 1; k < g.ordre.size(); ++k) {
        const pile::Place &p = places[std::size_t(g.ordre[k - 1])],
                          &q = places[std::size_t(g.ordre[k])];
        EXIGER(std::tie(p.z, p.y, p.x) <= std::tie(q.z, q.y, q.x));
    }
    for (int i = 0; i < g.n; ++i) {
        const pile::Place& p = places[std::size_t(i)];
        EXIGER(p.x >= g.bornes.x && p.x + 2 <= g.bornes.x + g.bornes.largeur);
        EXIGER(p.y >= g.bornes.y && p.y + 2 <= g.bornes.y + g.bornes.hauteur);
        EXIGER(p.z < g.bornes.couches);
        for (int j = 0; j < g.n; ++j) {
            const pile::Place& q = places[std::size_t(j)];
            const bool cote = q.z == p.z && ecart(q.y, p.y) <= 1;
            EXIGER(dans(g.gauche[std::size_t(i)], j) == (cote && q.x == p.x - 2));
            EXIGER(dans(g.droite[std::size_t(i)], j) == (cote && q.x == p.x + 2));
            const bool dessus = q.z == p.z + 1 && ecart(q.x, p.x) < 2 && ecart(q.y, p.y) <= 1;
            EXIGER(dans(g.dessus[std::size_t(i)], j) == dessus);
            EXIGER(dans(g.dessous[std::size_t(j)], i) == dessus);
        }
    }
    const std::vector<std::string> defauts = pile::defauts(l.places);
    EXIGER((places.size() % 2 != 0) ==
           (!defauts.empty() && defauts.front().rfind("nombre impair : ", 0) == 0));

    // A presence list drawn from the input.
    std::uint32_t h = fuzz::empreinte(d, n);
    pile::Presence pr(places.size());
    for (auto& x : pr) {
        h = h * 1664525u + 1013904223u;
        x = (h >> 28) != 0;
    }
    const std::vector<int> libres = pile::libres(g, pr);
    std::set<int> ensemble(libres.begin(), libres.end());
    EXIGER(std::is_sorted(libres.begin(), libres.end()));
    for (int i = 0; i < g.n; ++i) {
        EXIGER(pile::libre(g, pr, i) == libreBrut(g, pr, i));
        EXIGER(ensemble.count(i) == (libreBrut(g, pr, i) ? 1u : 0u));
    }
    const auto famille = [](int i) { return i % 3; };
    const std::vector<pile::Paire> paires = pile::paires(g, pr, famille);
    std::size_t compte = 0;
    for (std::size_t a = 0; a < libres.size(); ++a)
        for (std::size_t b = a + 1; b < libres.size(); ++b)
            if (famille(libres[a]) == famille(libres[b])) ++compte;
    EXIGER(paires.size() == compte);
    for (std::size_t k = 0; k < paires.size(); ++k) {
        const pile::Paire& p = paires[k];
        EXIGER(p[0] < p[1] && ensemble.count(p[0]) && ensemble.count(p[1]));
        EXIGER(famille(p[0]) == famille(p[1]));
        EXIGER(k == 0 || paires[k - 1] < p);
    }
    for (int i : libres) {
        pile::Presence copie = pr;
        const std::vector<int> liberees = pile::liberees(g, copie, i);
        EXIGER(copie == pr);
        pile::Presence sans = pr;
        sans[std::size_t(i)] = 0;
        for (int j : liberees)
            EXIGER(!libreBrut(g, pr, j) && libreBrut(g, sans, j));
    }

    // The hit test against every tile's shifted face.
    const double px = double(h % 64) / 2, py = double((h >> 6) % 48) / 2;
    const int touche = pile::sous(g, pr, px, py, 3.0 / 8, 4.0 / 10);
    int meilleur = -1;
    for (int k = int(g.ordre.size()) - 1; k >= 0 && meilleur < 0; --k) {
        const int i = g.ordre[std::size_t(k)];
        const pile::Place& p = places[std::size_t(i)];
        const double x = p.x - p.z * 3.0 / 8, y = p.y - p.z * 4.0 / 10;
        if (pr[std::size_t(i)] && px >= x && px < x + 2 && py >= y && py < y + 2) meilleur = i;
    }
    EXIGER(touche == meilleur);
    return 0;
}
