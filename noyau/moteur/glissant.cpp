#include "moteur/glissant.h"

#include <algorithm>

namespace glissant {

namespace {

constexpr int ESSAIS = 30;

bool dedans(const Grille& gr, int i) {
    return i >= 0 && i < static_cast<int>(gr.cases.size());
}

// True when some cell next to the empty cell v (in its row or column) is
// empty, which is exactly when its videsRelies list is not empty.
bool aUnVoisinVide(const Grille& gr, int v) {
    const int x = v % gr.l, y = v / gr.l;
    return (x + 1 < gr.l && gr.cases[v + 1] < 0) || (x > 0 && gr.cases[v - 1] < 0) ||
           (y + 1 < gr.h && gr.cases[v + gr.l] < 0) || (y > 0 && gr.cases[v - gr.l] < 0);
}

} // namespace

Grille grille(int largeur, int hauteur) {
    Grille gr;
    if (largeur < 1 || hauteur < 1) return gr;
    gr.l = largeur;
    gr.h = hauteur;
    gr.cases.assign(static_cast<std::size_t>(largeur) * static_cast<std::size_t>(hauteur), -1);
    return gr;
}

void glisser(Grille& gr, int r, int sens) {
    if (r < 0 || r >= gr.h || sens == 0) return;
    auto debut = gr.cases.begin() + static_cast<std::ptrdiff_t>(r) * gr.l;
    auto fin = debut + gr.l;
    if (sens > 0)
        std::rotate(debut, fin - 1, fin);
    else
        std::rotate(debut, debut + 1, fin);
}

bool relies(const Grille& gr, int a, int b) {
    if (a == b || !dedans(gr, a) || !dedans(gr, b)) return false;
    if (a > b) std::swap(a, b);
    int pas;
    if (a / gr.l == b / gr.l)
        pas = 1;
    else if (a % gr.l == b % gr.l)
        pas = gr.l;
    else
        return false;
    for (int k = a + pas; k < b; k += pas)
        if (gr.cases[k] >= 0) return false;
    return true;
}

std::vector<Paire> paires(const Grille& gr) {
    // From each tile, only the first tile to its right and the first below can
    // be linked to it with a higher index; the one to the right comes first.
    std::vector<Paire> r;
    for (int a = 0; a < static_cast<int>(gr.cases.size()); ++a) {
        if (gr.cases[a] < 0) continue;
        const int x = a % gr.l;
        for (int b = a + 1; b < a - x + gr.l; ++b)
            if (gr.cases[b] >= 0) {
                if (tuiles::vaAvec(gr.cases[a], gr.cases[b])) r.push_back({a, b});
                break;
            }
        for (int b = a + gr.l; b < static_cast<int>(gr.cases.size()); b += gr.l)
            if (gr.cases[b] >= 0) {
                if (tuiles::vaAvec(gr.cases[a], gr.cases[b])) r.push_back({a, b});
                break;
            }
    }
    return r;
}

std::vector<int> videsRelies(const Grille& gr, int a) {
    std::vector<int> r;
    if (!dedans(gr, a) || gr.cases[a] >= 0) return r;
    const int x = a % gr.l, y = a / gr.l;
    for (int k = x + 1; k < gr.l && gr.cases[y * gr.l + k] < 0; ++k)
        r.push_back(y * gr.l + k);
    for (int k = x - 1; k >= 0 && gr.cases[y * gr.l + k] < 0; --k)
        r.push_back(y * gr.l + k);
    for (int k = y + 1; k < gr.h && gr.cases[k * gr.l + x] < 0; ++k)
        r.push_back(k * gr.l + x);
    for (int k = y - 1; k >= 0 && gr.cases[k * gr.l + x] < 0; --k)
        r.push_back(k * gr.l + x);
    return r;
}

std::optional<Pose> poser(int largeur, int hauteur, const std::vector<Paire>& paires,
                          alea::Alea& rng) {
    // Too small a grid can never hold the pairs: no attempt could succeed.
    if (largeur < 1 || hauteur < 1 ||
        paires.size() * 2 > static_cast<std::size_t>(largeur) * static_cast<std::size_t>(hauteur))
        return std::nullopt;
    struct Pas {
        int rang, sens, a, b;
    };
    std::vector<Pas> pas;
    std::vector<int> vides;
    for (int essai = 0; essai < ESSAIS; ++essai) {
        Grille gr = grille(largeur, hauteur);
        pas.clear();
        bool echec = false;
        for (const Paire& paire : paires) {
            const int r = static_cast<int>(alea::entier(rng, static_cast<std::uint32_t>(hauteur)));
            const int sens = alea::entier(rng, 2) == 1 ? 1 : -1;
            glisser(gr, r, sens);
            vides.clear();
            for (int i = 0; i < static_cast<int>(gr.cases.size()); ++i)
                if (gr.cases[i] < 0) vides.push_back(i);
            alea::melanger(rng, vides);
            int v = -1;
            for (int candidat : vides)
                if (aUnVoisinVide(gr, candidat)) {
                    v = candidat;
                    break;
                }
            if (v < 0) {
                echec = true;
                break;
            }
            const std::vector<int> relies = videsRelies(gr, v);
            const int w = relies[alea::entier(rng, static_cast<std::uint32_t>(relies.size()))];
            gr.cases[v] = paire[0];
            gr.cases[w] = paire[1];
            pas.push_back({r, sens, v, w});
        }
        if (echec) continue;
        // Backwards: each pair is linked when removed, since nothing was put
        // after it and the rotations are undone in reverse.
        Pose pose;
        pose.grille = std::move(gr);
        for (std::size_t k = pas.size(); k-- > 0;) {
            pose.solution.push_back(Coup::paire(pas[k].a, pas[k].b));
            pose.solution.push_back(Coup::glisse(pas[k].rang, -pas[k].sens));
        }
        return pose;
    }
    return std::nullopt;
}

std::optional<Donne> generer(int largeur, int hauteur, int nbPaires, const alea::Graine& graine) {
    if (nbPaires < 0 || largeur < 1 || hauteur < 1 ||
        static_cast<std::int64_t>(nbPaires) * 2 >
            static_cast<std::int64_t>(largeur) * static_cast<std::int64_t>(hauteur))
        return std::nullopt;
    Donne d;
    d.rng = alea::creer(graine);
    const std::vector<Paire> motifs = tuiles::paires(nbPaires, d.rng);
    std::optional<Pose> pose = poser(largeur, hauteur, motifs, d.rng);
    if (!pose) return std::nullopt;
    d.grille = std::move(pose->grille);
    d.solution = std::move(pose->solution);
    return d;
}

bool verifier(const Grille& gr0, const Solution& solution) {
    Grille gr = gr0;
    for (const Coup& c : solution) {
        if (c.type == Coup::Type::Glisse) {
            if (c.rang < 0 || c.rang >= gr.h || (c.sens != 1 && c.sens != -1)) return false;
            glisser(gr, c.rang, c.sens);
            continue;
        }
        if (!dedans(gr, c.a) || !dedans(gr, c.b) || gr.cases[c.a] < 0 || gr.cases[c.b] < 0)
            return false;
        if (!tuiles::vaAvec(gr.cases[c.a], gr.cases[c.b]) || !relies(gr, c.a, c.b)) return false;
        gr.cases[c.a] = -1;
        gr.cases[c.b] = -1;
    }
    return std::all_of(gr.cases.begin(), gr.cases.end(), [](int m) { return m < 0; });
}

const char* nom(Etat e) {
    switch (e) {
    case Etat::Jeu:
        return "jeu";
    case Etat::Gagne:
        return "gagne";
    case Etat::Temps:
        return "temps";
    }
    return "jeu";
}

const char* nom(TypePrise t) {
    switch (t) {
    case TypePrise::Fini:
        return "fini";
    case TypePrise::Vide:
        return "vide";
    case TypePrise::Prise:
        return "prise";
    case TypePrise::Lachee:
        return "lachee";
    case TypePrise::Refus:
        return "refus";
    case TypePrise::PaireFaite:
        return "paire";
    }
    return "fini";
}

std::optional<Partie> creerPartie(const Options& options) {
    std::optional<Donne> d =
        generer(options.largeur, options.hauteur, options.paires, options.graine);
    if (!d) return std::nullopt;
    Partie p;
    p.gr = std::move(d->grille);
    p.temoin = std::move(d->solution);
    p.rng = d->rng;
    p.tempsMs = options.tempsMs;
    p.tempsMax = options.tempsMs;
    p.restantes = 2 * options.paires;
    return p;
}

Prise prendre(Partie& p, int i) {
    Prise r;
    if (p.etat != Etat::Jeu) return r;
    r.i = i;
    if (!dedans(p.gr, i) || p.gr.cases[i] < 0) {
        r.type = TypePrise::Vide;
        return r;
    }
    if (p.selection < 0) {
        p.selection = i;
        r.type = TypePrise::Prise;
        return r;
    }
    if (p.selection == i) {
        p.selection = -1;
        r.type = TypePrise::Lachee;
        return r;
    }
    const int a = p.selection;
    if (!tuiles::vaAvec(p.gr.cases[a], p.gr.cases[i]) || !relies(p.gr, a, i)) {
        p.selection = i;
        r.type = TypePrise::Refus;
        r.ancienne = a;
        return r;
    }
    const bool suite = p.dernierRetrait >= 0 && p.horloge - p.dernierRetrait < REGLES.fenetreCombo;
    p.combo = suite ? std::min(REGLES.comboMax, p.combo + 1) : 1;
    const int points = REGLES.pointsPaire * p.combo;
    p.score += points;
    p.gr.cases[a] = -1;
    p.gr.cases[i] = -1;
    p.restantes -= 2;
    p.selection = -1;
    p.dernierRetrait = p.horloge;
    p.tempsMs = std::min(p.tempsMax, p.tempsMs + REGLES.tempsPaire);
    p.temoin.reset();
    if (p.restantes <= 0) p.etat = Etat::Gagne;
    r.type = TypePrise::PaireFaite;
    r.i = -1;
    r.a = a;
    r.b = i;
    r.points = points;
    r.combo = p.combo;
    return r;
}

bool glisserRang(Partie& p, int r, int sens) {
    if (p.etat != Etat::Jeu || r < 0 || r >= p.gr.h || (sens != 1 && sens != -1)) return false;
    glisser(p.gr, r, sens);
    if (p.selection >= 0 && p.selection / p.gr.l == r) {
        const int x = ((p.selection % p.gr.l) + sens + p.gr.l) % p.gr.l;
        p.selection = r * p.gr.l + x;
    }
    p.glisses += 1;
    p.tempsMs -= REGLES.coutGlisse;
    p.temoin.reset();
    if (p.tempsMs <= 0) {
        p.tempsMs = 0;
        p.etat = Etat::Temps;
    }
    return true;
}

bool melanger(Partie& p) {
    if (p.etat != Etat::Jeu) return false;
    std::vector<int> restants;
    for (int m : p.gr.cases)
        if (m >= 0) restants.push_back(m);
    // Draw from a copy, so that a refused MIX leaves the game exactly as it was.
    alea::Alea rng = p.rng;
    std::optional<std::vector<Paire>> motifs = tuiles::regrouper(restants, rng);
    if (!motifs) return false;
    std::optional<Pose> pose = poser(p.gr.l, p.gr.h, *motifs, rng);
    if (!pose) return false;
    p.gr = std::move(pose->grille);
    p.temoin = std::move(pose->solution);
    p.rng = rng;
    p.selection = -1;
    return true;
}

bool avancer(Partie& p, std::int64_t dt) {
    if (p.etat != Etat::Jeu || dt <= 0) return false;
    p.horloge += dt;
    p.tempsMs -= dt;
    if (p.tempsMs > 0) return false;
    p.tempsMs = 0;
    p.etat = Etat::Temps;
    return true;
}

int comboCourant(const Partie& p) {
    return p.dernierRetrait >= 0 && p.horloge - p.dernierRetrait < REGLES.fenetreCombo ? p.combo
                                                                                       : 1;
}

bool reprendre(Partie& p) {
    if (p.etat != Etat::Temps) return false;
    p.tempsMs = p.tempsMax;
    p.score = 0;
    p.etat = Etat::Jeu;
    return true;
}

int voisine(const Grille& gr, int i, int dx, int dy) {
    if (!dedans(gr, i)) return -1;
    const int x = ((i % gr.l + dx) % gr.l + gr.l) % gr.l;
    const int y = ((i / gr.l + dy) % gr.h + gr.h) % gr.h;
    return y * gr.l + x;
}

int premiere(const Grille& gr) {
    auto k = std::find_if(gr.cases.begin(), gr.cases.end(), [](int m) { return m >= 0; });
    return k == gr.cases.end() ? -1 : static_cast<int>(k - gr.cases.begin());
}

int pairesDuNiveau(int niveau, const Course& c) {
    const long n = c.pairesDepart + static_cast<long>(c.pairesEnPlus) * std::max(0, niveau);
    return static_cast<int>(std::min<long>(c.pairesMax, n));
}

std::optional<Partie> creerNiveau(int niveau, const alea::Graine& graine, std::int64_t reste,
                                  const Course& c) {
    Options o;
    o.largeur = c.largeur;
    o.hauteur = c.hauteur;
    o.graine = graine;
    o.tempsMs = c.tempsMs;
    for (o.paires = pairesDuNiveau(niveau, c); o.paires >= c.pairesMin;
         o.paires -= std::max(1, c.pairesEnMoins)) {
        std::optional<Partie> p = creerPartie(o);
        if (!p) continue;
        if (reste >= 0) p->tempsMs = std::min(p->tempsMax, reste + c.reportMs);
        return p;
    }
    return std::nullopt;
}

alea::Graine graineSuivante(const Partie& p, int niveau, const Course& c) {
    return alea::Graine(static_cast<double>(p.horloge) + static_cast<double>(niveau) * c.pasGraine);
}

} // namespace glissant
