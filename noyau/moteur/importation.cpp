#include "moteur/importation.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

namespace importation {

namespace {

constexpr std::string_view EN_TETE = "kmahjongg-layout-v";

bool blanc(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v';
}

std::string_view sansBlancs(std::string_view s) {
    while (!s.empty() && blanc(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blanc(s.back()))
        s.remove_suffix(1);
    return s;
}

// The lines of a text, one at a time, without their line end and the blanks
// around them, counted from 1 as an editor counts them.
class Lignes {
public:
    explicit Lignes(std::string_view texte) : reste_(texte) {
        if (reste_.substr(0, 3) == "\xEF\xBB\xBF") reste_.remove_prefix(3);
    }
    bool suivante(std::string_view& ligne) {
        if (fini_) return false;
        const std::size_t fin = reste_.find('\n');
        ligne = sansBlancs(reste_.substr(0, fin));
        if (fin == std::string_view::npos)
            fini_ = true;
        else
            reste_.remove_prefix(fin + 1);
        ++numero_;
        return true;
    }
    int numero() const { return numero_; }

private:
    std::string_view reste_;
    bool fini_ = false;
    int numero_ = 0;
};

// A character as a message quotes it: itself when printable, else its code.
std::string cite(char c) {
    const auto u = static_cast<unsigned char>(c);
    if (u >= 0x20 && u < 0x7f) return std::string(1, c);
    char code[8];
    std::snprintf(code, sizeof code, "\\x%02x", u);
    return code;
}

std::string ligne(int numero) {
    return "ligne " + std::to_string(numero) + " : ";
}

// "w32", "h16", "d5": the size it gives, 0 for a size that is no number.
// Nine digits at most, so that no number overflows.
int taille(std::string_view l) {
    const std::string_view chiffres = sansBlancs(l.substr(1));
    if (chiffres.empty() || chiffres.size() > 9) return 0;
    int n = 0;
    for (char c : chiffres) {
        if (c < '0' || c > '9') return 0;
        n = n * 10 + (c - '0');
    }
    return n;
}

int moitie(int v) {
    return v >= 0 ? v / 2 : -((1 - v) / 2);
}

// The grid of a `.layout` text once its lines are read: one text per row,
// layer after layer; missing rows and the end of short rows are empty.
struct Grille {
    int largeur = GRILLE_LARGEUR, hauteur = GRILLE_HAUTEUR, couches = GRILLE_COUCHES;
    std::vector<std::string_view> rangs;
    std::vector<int> numeros; // the text's line of each row, for the messages

    char at(int z, int r, int c) const {
        if (r < 0 || r >= hauteur || c < 0) return '.';
        const std::size_t k = static_cast<std::size_t>(z) * hauteur + r;
        if (k >= rangs.size() || static_cast<std::size_t>(c) >= rangs[k].size()) return '.';
        return rangs[k][c];
    }
    std::string ou(std::size_t k, int c) const {
        return ligne(numeros[k]) + "couche " + std::to_string(k / hauteur) + ", rang " +
               std::to_string(k % hauteur) + ", colonne " + std::to_string(c);
    }
};

// Reads the header, the sizes and the rows; a verdict other than Aucun when
// the text is not that format, or declares a grid past the caps.
Verdict lireGrille(std::string_view texte, Grille& g) {
    Lignes lignes(texte);
    std::string_view l;
    if (!lignes.suivante(l) || l.substr(0, EN_TETE.size()) != EN_TETE)
        return {Refus::PasUnePile, "la première ligne n'est pas « kmahjongg-layout-v1.0 » ni "
                                   "« kmahjongg-layout-v1.1 »"};
    const std::string_view version = l.substr(EN_TETE.size());
    if (version != "1.0" && version != "1.1")
        return {Refus::PasUnePile, "version inconnue : " + std::string(version.substr(0, 16))};
    const bool tailles = version == "1.1";
    while (lignes.suivante(l)) {
        if (l.empty() || l.front() == '#') continue;
        if (l.front() == 'w' || l.front() == 'h' || l.front() == 'd') {
            if (!tailles || !g.rangs.empty())
                return {Refus::PasUnePile,
                        ligne(lignes.numero()) + "une taille n'a rien à faire ici"};
            const int n = taille(l);
            if (n <= 0)
                return {Refus::PasUnePile, ligne(lignes.numero()) + "taille illisible : " +
                                               std::string(l.substr(0, 16))};
            const char quoi = l.front();
            const int max = quoi == 'w'   ? GRILLE_LARGEUR_MAX
                            : quoi == 'h' ? GRILLE_HAUTEUR_MAX
                                          : GRILLE_COUCHES_MAX;
            if (n > max)
                return {quoi == 'w'   ? Refus::TropLarge
                        : quoi == 'h' ? Refus::TropHaute
                                      : Refus::TropProfonde,
                        ligne(lignes.numero()) + std::string(1, quoi) + std::to_string(n) + ", " +
                            std::to_string(max) + " au plus"};
            (quoi == 'w' ? g.largeur : quoi == 'h' ? g.hauteur : g.couches) = n;
            continue;
        }
        for (std::size_t c = 0; c < l.size(); ++c)
            if (l[c] != '.' && (l[c] < '1' || l[c] > '4'))
                return {Refus::PasUnePile, ligne(lignes.numero()) + "caractère inconnu « " +
                                               cite(l[c]) + " » colonne " + std::to_string(c)};
        if (l.size() > static_cast<std::size_t>(g.largeur))
            return {Refus::PasUnePile, ligne(lignes.numero()) + std::to_string(l.size()) +
                                           " caractères pour une grille de " +
                                           std::to_string(g.largeur)};
        if (g.rangs.size() == static_cast<std::size_t>(g.hauteur) * g.couches)
            return {Refus::PasUnePile, ligne(lignes.numero()) + "plus de rangs que la grille de " +
                                           std::to_string(g.couches) + " couches de " +
                                           std::to_string(g.hauteur) + " rangs"};
        g.rangs.push_back(l);
        g.numeros.push_back(lignes.numero());
    }
    return {};
}

} // namespace

const char* cle(Refus r) {
    const auto i = static_cast<std::size_t>(r);
    return i < CLES.size() ? CLES[i] : "";
}

bool estLayout(std::string_view texte) {
    Lignes lignes(texte);
    std::string_view l;
    return lignes.suivante(l) && l.substr(0, EN_TETE.size()) == EN_TETE;
}

Conversion depuisLayout(std::string_view texte) {
    Conversion r;
    Grille g;
    r.verdict = lireGrille(texte, g);
    if (!r.verdict.ok()) return r;

    // Two quarters "1" closer than a tile apart: tiles that overlap. Looking
    // ahead only, each pair is met once.
    for (std::size_t k = 0; k < g.rangs.size(); ++k) {
        const int z = static_cast<int>(k) / g.hauteur, y = static_cast<int>(k) % g.hauteur;
        for (int x = 0; x < static_cast<int>(g.rangs[k].size()); ++x)
            if (g.rangs[k][x] == '1' &&
                (g.at(z, y, x + 1) == '1' || g.at(z, y + 1, x - 1) == '1' ||
                 g.at(z, y + 1, x) == '1' || g.at(z, y + 1, x + 1) == '1')) {
                r.verdict = {Refus::Chevauchement, g.ou(k, x) + " : deux tuiles se chevauchent"};
                return r;
            }
    }
    // Every quarter belongs to the tile its number names, and every tile has
    // its four quarters.
    std::vector<pile::Place> places;
    for (std::size_t k = 0; k < g.rangs.size(); ++k) {
        const int z = static_cast<int>(k) / g.hauteur, y = static_cast<int>(k) % g.hauteur;
        for (int x = 0; x < static_cast<int>(g.rangs[k].size()); ++x) {
            const char q = g.rangs[k][x];
            bool bon = true;
            switch (q) {
            case '1':
                bon = g.at(z, y, x + 1) == '2' && g.at(z, y + 1, x + 1) == '3' &&
                      g.at(z, y + 1, x) == '4';
                if (bon) places.push_back({x, y, z});
                break;
            case '2':
                bon = g.at(z, y, x - 1) == '1';
                break;
            case '3':
                bon = g.at(z, y - 1, x - 1) == '1';
                break;
            case '4':
                bon = g.at(z, y - 1, x) == '1';
                break;
            default:
                break;
            }
            if (!bon) {
                r.verdict = {Refus::TuileCassee,
                             g.ou(k, x) + " : le quart « " + std::string(1, q) +
                                 " » ne ferme pas une tuile (1 2 en haut, 4 3 en bas)"};
                return r;
            }
        }
    }
    // Cells of the notation are whole tiles: tiles that share none of their
    // half-cells never share a cell.
    std::optional<pile::Forme> f = ecrire(places);
    if (!f) {
        r.verdict = {Refus::Chevauchement, "deux tuiles se chevauchent"};
        return r;
    }
    r.couches = std::move(*f);
    return r;
}

std::optional<pile::Forme> ecrire(const std::vector<pile::Place>& places) {
    pile::Forme f;
    if (places.empty()) return f;
    int cx0 = moitie(places.front().x), cy0 = moitie(places.front().y), zMax = 0;
    for (const pile::Place& p : places) {
        cx0 = std::min(cx0, moitie(p.x));
        cy0 = std::min(cy0, moitie(p.y));
        zMax = std::max(zMax, p.z);
    }
    f.resize(static_cast<std::size_t>(zMax) + 1);
    for (const pile::Place& p : places) {
        if (p.z < 0) return std::nullopt;
        const auto cx = static_cast<std::size_t>(moitie(p.x) - cx0);
        const auto cy = static_cast<std::size_t>(moitie(p.y) - cy0);
        const bool droite = p.x != 2 * moitie(p.x), bas = p.y != 2 * moitie(p.y);
        pile::Couche& c = f[static_cast<std::size_t>(p.z)];
        if (c.size() <= cy) c.resize(cy + 1);
        std::string& rang = c[cy];
        if (rang.size() <= cx) rang.resize(cx + 1, '.');
        if (rang[cx] != '.') return std::nullopt;
        rang[cx] = droite ? (bas ? '+' : '>') : (bas ? 'v' : '#');
    }
    return f;
}

std::string empreinte(const pile::Forme& couches) {
    std::uint64_t h = 14695981039346656037ull;
    auto ajouter = [&h](char c) {
        h ^= static_cast<unsigned char>(c);
        h *= 1099511628211ull;
    };
    for (std::size_t z = 0; z < couches.size(); ++z) {
        if (z > 0) ajouter('|');
        for (std::size_t r = 0; r < couches[z].size(); ++r) {
            if (r > 0) ajouter('/');
            for (char c : couches[z][r])
                ajouter(c);
        }
    }
    char texte[17];
    std::snprintf(texte, sizeof texte, "%016llx", static_cast<unsigned long long>(h));
    return texte;
}

Verdict controler(const std::vector<pile::Place>& places) {
    if (places.empty()) return {Refus::Vide, "aucune tuile"};
    if (places.size() > static_cast<std::size_t>(TUILES_MAX))
        return {Refus::TropDeTuiles, std::to_string(places.size()) + " tuiles, " +
                                         std::to_string(TUILES_MAX) + " au plus"};
    const std::vector<std::string> defauts = pile::defauts(places);
    if (defauts.empty()) return {};
    Verdict v;
    const std::string& premier = defauts.front();
    v.refus = premier.rfind("nombre impair", 0) == 0   ? Refus::Impaire
              : premier.rfind("chevauchement", 0) == 0 ? Refus::Chevauchement
                                                       : Refus::Suspendue;
    for (std::size_t k = 0; k < defauts.size(); ++k)
        v.detail += (k ? " ; " : "") + defauts[k];
    return v;
}

} // namespace importation
