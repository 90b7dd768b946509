#include "moteur/solveur.h"

#include "moteur/generation.h"
#include "moteur/horloge.h"
#include "moteur/tuiles.h"

#include <algorithm>

namespace solveur {

namespace {

constexpr std::uint32_t DEUX26 = 67108864u;
constexpr std::int64_t BUDGET_RESOLUTION = 20000;
constexpr std::int64_t BUDGET_INDICE = 4000;

std::uint64_t cleEmpreinte(std::uint32_t h1, std::uint32_t h2) {
    return static_cast<std::uint64_t>(h1) * DEUX26 + h2;
}

void basculer(Recherche& r, const Paire& p) {
    const auto& z = *r.g;
    r.h1 ^= z.zobrist[p[0]][0] ^ z.zobrist[p[1]][0];
    r.h2 ^= z.zobrist[p[0]][1] ^ z.zobrist[p[1]][1];
}

// What the position reached by a move gives, judged from its fingerprint
// (already in h1, h2) and the tiles it would hold, before any tile is moved:
// a revisit, most of the moves tried, then costs no work on the position.
enum class Issue { Resolue, Epuisee, Vue, Nouvelle };

Issue juger(Recherche& r, int restant) {
    if (restant == 0) return Issue::Resolue;
    if (r.noeuds >= r.limite) {
        r.epuise = true;
        return Issue::Epuisee;
    }
    return r.vus.inserer(cleEmpreinte(r.h1, r.h2)) ? Issue::Nouvelle : Issue::Vue;
}

// A new node, its tiles in place: counted, and its ranked moves stacked.
void ouvrir(Recherche& r) {
    ++r.noeuds;
    const std::size_t debut = r.coups.size();
    r.analyseur.analyser(r.position, r.rng ? &*r.rng : nullptr,
                         r.rang.empty() ? nullptr : r.rang.data(), r.coups);
    r.pile.push_back({debut, r.coups.size(), debut, false});
}

Reponse reponseDe(const Recherche& r) {
    Reponse a;
    a.noeuds = r.noeuds;
    if (r.etat == 1) {
        a.soluble = true;
        a.chemin = r.chemin;
    } else if (!r.epuise) {
        a.soluble = false;
    }
    return a;
}

} // namespace

std::string cle(const pile::Presence& present) {
    std::string s(present.size(), '0');
    for (std::size_t i = 0; i < present.size(); ++i)
        if (present[i]) s[i] = '1';
    return s;
}

const Empreintes& empreintes(const pile::Geometrie& g) {
    return g.zobrist;
}

int gene(const pile::Geometrie& g, const pile::Presence& present, int i) {
    int n = 0;
    for (int j : g.dessous[i])
        n += present[j] ? 1 : 0;
    for (int j : g.gauche[i])
        n += present[j] ? 1 : 0;
    for (int j : g.droite[i])
        n += present[j] ? 1 : 0;
    return n;
}

bool surmonte(const pile::Geometrie& g, const pile::Presence& present, int a, int b) {
    std::vector<int> aVisiter = {a};
    std::vector<char> vu(g.n, 0);
    while (!aVisiter.empty()) {
        const int t = aVisiter.back();
        aVisiter.pop_back();
        for (int u : g.dessus[t]) {
            if (!present[u] || vu[u]) continue;
            if (u == b) return true;
            vu[u] = 1;
            aVisiter.push_back(u);
        }
    }
    return false;
}

bool EnsembleVu::inserer(std::uint64_t cle) {
    if ((taille_ + 1) * 2 > cases_.size()) {
        std::vector<std::uint64_t> anciennes;
        anciennes.swap(cases_);
        bits_ = bits_ == 0 ? 10 : bits_ + 1;
        cases_.assign(std::size_t(1) << bits_, 0);
        taille_ = 0;
        for (std::uint64_t c : anciennes)
            if (c) inserer(c - 1);
    }
    const std::uint64_t marque = cle + 1; // 0 marks an empty slot
    const std::size_t masque = cases_.size() - 1;
    std::size_t k = static_cast<std::size_t>((cle * 0x9e3779b97f4a7c15ull) >> (64 - bits_));
    while (cases_[k] != 0) {
        if (cases_[k] == marque) return false;
        k = (k + 1) & masque;
    }
    cases_[k] = marque;
    ++taille_;
    return true;
}

void Position::initialiser(const pile::Geometrie& g, const std::vector<int>& motifs,
                           const pile::Presence& present) {
    tuiles_.assign(g.n, Tuile());
    restant_ = 0;
    std::size_t nbVoisins = 0;
    for (int i = 0; i < g.n; ++i)
        nbVoisins +=
            g.dessous[i].size() + g.dessus[i].size() + g.droite[i].size() + g.gauche[i].size();
    voisins_.clear();
    voisins_.reserve(nbVoisins);
    for (int i = 0; i < g.n; ++i) {
        Tuile& t = tuiles_[i];
        t.z = g.places[i].z;
        t.present = present[i] != 0;
        for (int u : g.dessus[i])
            t.dessus += present[u] ? 1 : 0;
        for (int u : g.dessous[i])
            t.dessous += present[u] ? 1 : 0;
        for (int u : g.gauche[i])
            t.gauche += present[u] ? 1 : 0;
        for (int u : g.droite[i])
            t.droite += present[u] ? 1 : 0;
        t.libre = t.present && t.dessus == 0 && (t.gauche == 0 || t.droite == 0);
        // One flat table of neighbours rather than four lists per tile.
        const std::vector<int>* listes[] = {&g.dessous[i], &g.dessus[i], &g.droite[i],
                                            &g.gauche[i]};
        for (int k = 0; k < 4; ++k) {
            t.voisins[k] = static_cast<int>(voisins_.size());
            voisins_.insert(voisins_.end(), listes[k]->begin(), listes[k]->end());
        }
        t.voisins[4] = static_cast<int>(voisins_.size());
        if (!t.present) continue;
        ++restant_;
        const int m = i < static_cast<int>(motifs.size()) ? motifs[i] : -1;
        if (m >= 0 && m < tuiles::NB_MOTIFS) t.famille = tuiles::famille(m);
    }
    rangerFamilles();
}

// Members family after family, each family in index order (a counting sort),
// then each family's words and layer masks.
void Position::rangerFamilles() {
    std::array<int, FAMILLES + 1> debut{};
    for (const Tuile& t : tuiles_)
        if (t.famille >= 0) ++debut[t.famille + 1];
    int mots = 0;
    for (int f = 0; f < FAMILLES; ++f) {
        mots += (debut[f + 1] + 63) / 64;
        debut[f + 1] += debut[f];
    }
    membres_.assign(debut[FAMILLES], 0);
    std::array<int, FAMILLES> suivant{};
    for (int i = 0; i < static_cast<int>(tuiles_.size()); ++i)
        if (tuiles_[i].famille >= 0) {
            const int f = tuiles_[i].famille;
            membres_[debut[f] + suivant[f]++] = i;
        }
    presents_.assign(mots, 0);
    libres_.assign(mots, 0);
    niveaux_.clear();
    std::vector<int> couches;
    int mot = 0;
    for (int f = 0; f < FAMILLES; ++f) {
        Famille& fa = familles_[f];
        fa = Famille();
        fa.mot = mot;
        fa.membre = debut[f];
        fa.presents = debut[f + 1] - debut[f];
        fa.mots = (fa.presents + 63) / 64;
        mot += fa.mots;
        couches.clear();
        for (int k = 0; k < fa.presents; ++k) {
            Tuile& t = tuiles_[membres_[fa.membre + k]];
            t.mot = fa.mot + k / 64;
            t.bit = std::uint64_t(1) << (k % 64);
            presents_[t.mot] |= t.bit;
            if (t.libre) {
                libres_[t.mot] |= t.bit;
                ++fa.libres;
            }
            couches.push_back(t.z);
        }
        std::sort(couches.begin(), couches.end());
        couches.erase(std::unique(couches.begin(), couches.end()), couches.end());
        fa.niveau = static_cast<int>(niveaux_.size());
        fa.niveaux = static_cast<int>(couches.size());
        niveaux_.resize(niveaux_.size() + couches.size() * fa.mots, 0);
        for (int k = 0; k < fa.presents; ++k) {
            const Tuile& t = tuiles_[membres_[fa.membre + k]];
            const auto n = std::lower_bound(couches.begin(), couches.end(), t.z) - couches.begin();
            niveaux_[fa.niveau + n * fa.mots + (t.mot - fa.mot)] |= t.bit;
        }
        majFamille(f);
        majBas(f);
    }
}

// The member alone on the lowest layer the present members hold, and whether
// it is covered; it changes only when a member comes or goes, or when what
// lies on it does (see deplacer).
void Position::majBas(int f) {
    Famille& fa = familles_[f];
    fa.bas = -1;
    for (int n = 0; n < fa.niveaux && fa.presents > 0; ++n) {
        const std::uint64_t* masques = niveaux_.data() + fa.niveau + n * fa.mots;
        int seul = -1;
        bool plusieurs = false;
        for (int w = 0; w < fa.mots && !plusieurs; ++w) {
            const std::uint64_t m = presents_[fa.mot + w] & masques[w];
            if (m == 0) continue;
            plusieurs = seul >= 0 || (m & (m - 1)) != 0;
            seul = fa.membre + 64 * w + bitBas(m);
        }
        if (seul < 0) continue; // nobody left on this layer: look higher
        if (!plusieurs) fa.bas = membres_[seul];
        break;
    }
    marquer(basCouverts_, f, fa.bas >= 0 && tuiles_[fa.bas].dessus != 0);
}

// A tile leaving (by -1) or coming back (by +1) changes the counts of its
// neighbours: it is above the tiles under it, under the tiles on it, right of
// its left neighbours and left of its right ones. Only the tiles under it and
// beside it can change freeness.
void Position::deplacer(int i, int par) {
    Tuile& t = tuiles_[i];
    t.present = par > 0;
    majLibre(t);
    restant_ += par;
    if (t.famille >= 0) {
        presents_[t.mot] ^= t.bit;
        familles_[t.famille].presents += par;
        majFamille(t.famille);
        majBas(t.famille);
    }
    const int* v = voisins_.data();
    for (int k = t.voisins[0]; k < t.voisins[1]; ++k) {
        Tuile& u = tuiles_[v[k]];
        u.dessus += par;
        majLibre(u);
        if (u.famille >= 0 && familles_[u.famille].bas == v[k])
            marquer(basCouverts_, u.famille, u.dessus != 0);
    }
    for (int k = t.voisins[1]; k < t.voisins[2]; ++k)
        tuiles_[v[k]].dessous += par;
    for (int k = t.voisins[2]; k < t.voisins[3]; ++k) {
        Tuile& u = tuiles_[v[k]];
        u.gauche += par;
        majLibre(u);
    }
    for (int k = t.voisins[3]; k < t.voisins[4]; ++k) {
        Tuile& u = tuiles_[v[k]];
        u.droite += par;
        majLibre(u);
    }
}

// Dead-end cut: a tile x whose partners all lie above it can only leave after
// them, and they cannot all pair among themselves; a lone tile is the extreme
// case. Only a covered tile strictly lowest of its family can be in that
// case, so at most one climb per family.
bool Analyseur::impasse(const Position& pos) {
    if (pos.seules() != 0) return true;
    for (std::uint64_t familles = pos.basCouverts(); familles != 0; familles &= familles - 1) {
        const int f = bitBas(familles);
        if (toutAuDessus(pos, f, pos.famille(f).bas)) return true;
    }
    return false;
}

// True when every other present tile of family f lies above x through
// columns of present tiles.
bool Analyseur::toutAuDessus(const Position& pos, int f, int x) {
    if (marques_.size() != static_cast<std::size_t>(pos.taille())) {
        marques_.assign(pos.taille(), 0);
        tampon_ = 0;
    }
    if (++tampon_ == 0) {
        std::fill(marques_.begin(), marques_.end(), 0);
        tampon_ = 1;
    }
    int reste = pos.famille(f).presents - 1;
    aVisiter_.clear();
    aVisiter_.push_back(x);
    while (!aVisiter_.empty()) {
        const int t = aVisiter_.back();
        aVisiter_.pop_back();
        for (int u : pos.dessus(t))
            if (pos.present(u) && marques_[u] != tampon_) {
                if (pos.familleDe(u) == f && --reste == 0) return true;
                marques_[u] = tampon_;
                aVisiter_.push_back(u);
            }
    }
    return false;
}

// The first `combien` free members of family f, in index order, into libres_.
void Analyseur::premiers(const Position& pos, int f, int combien) {
    const Position::Famille& fa = pos.famille(f);
    libres_.clear();
    for (int w = 0; w < fa.mots; ++w)
        for (std::uint64_t m = pos.libres(fa.mot + w); m != 0; m &= m - 1) {
            if (static_cast<int>(libres_.size()) == combien) return;
            libres_.push_back(pos.membre(fa.membre + 64 * w + bitBas(m)));
        }
}

int Analyseur::analyser(const Position& pos, alea::Alea* rng, const int* rang,
                        std::vector<Paire>& sortie) {
    if (impasse(pos)) return -1;
    const std::uint64_t jouables = pos.jouables();
    // Sure move: the first family whose tiles are all free, paired lowest
    // indices first. The notes of the families before it are not needed, but
    // their noise is drawn all the same, one number per pair, so that the
    // generator goes on as it always has.
    if (const std::uint64_t surs = jouables & pos.toutesLibres()) {
        const int f = bitBas(surs);
        if (rng)
            for (std::uint64_t avant = jouables & ((std::uint64_t(1) << f) - 1); avant != 0;
                 avant &= avant - 1) {
                const int nl = pos.famille(bitBas(avant)).libres;
                for (int k = nl * (nl - 1) / 2; k > 0; --k)
                    alea::suivant(*rng);
            }
        premiers(pos, f, 2);
        sortie.push_back({libres_[0], libres_[1]});
        return 1;
    }
    notes_.clear();
    // Families in order, then pairs in index order: the order of the noise
    // draws, and of equal notes.
    for (std::uint64_t familles = jouables; familles != 0; familles &= familles - 1) {
        const int f = bitBas(familles);
        premiers(pos, f, pos.famille(f).libres);
        const int* l = libres_.data();
        const std::size_t nl = libres_.size();
        for (std::size_t ia = 0; ia < nl; ++ia)
            for (std::size_t ib = ia + 1; ib < nl; ++ib) {
                const int a = l[ia], b = l[ib];
                double note = static_cast<double>(pos.gene(a) + pos.gene(b)) +
                              0.1 * static_cast<double>(pos.couche(a) + pos.couche(b));
                if (rng) note = note + 2 * alea::reel(*rng);
                if (rang) note = note / 1000 - static_cast<double>(std::max(rang[a], rang[b]));
                notes_.push_back({note, {a, b}});
            }
    }
    // Highest note first, equal notes in production order: a stable insertion
    // sort, since the lists are short and this must not allocate.
    for (std::size_t i = 1; i < notes_.size(); ++i) {
        const Note n = notes_[i];
        std::size_t j = i;
        for (; j > 0 && notes_[j - 1].note < n.note; --j)
            notes_[j] = notes_[j - 1];
        notes_[j] = n;
    }
    for (const Note& n : notes_)
        sortie.push_back(n.paire);
    return 0;
}

Coups coups(const pile::Geometrie& g, const std::vector<int>& motifs, const pile::Presence& present,
            alea::Alea* rng, const std::vector<int>* rang) {
    Coups c;
    if (present.size() != static_cast<std::size_t>(g.n)) return c;
    Position pos;
    pos.initialiser(g, motifs, present);
    Analyseur analyseur;
    const int r = analyseur.analyser(pos, rng, rang ? rang->data() : nullptr, c.liste);
    c.sur = r == 1;
    c.impasse = r == -1;
    return c;
}

Recherche recherche(const pile::Geometrie& g, const std::vector<int>& motifs,
                    const pile::Presence& present0, std::int64_t limite, const alea::Alea* rng,
                    const std::vector<int>* rang) {
    Recherche r;
    r.g = &g;
    if (present0.size() != static_cast<std::size_t>(g.n)) {
        r.etat = -1; // not a position of this layout: nothing to search
        return r;
    }
    if (rng) r.rng = *rng;
    if (rang) r.rang = *rang;
    r.limite = limite;
    r.position.initialiser(g, motifs, present0);
    // A path is at most one move per pair left: the stacks never need to move.
    r.chemin.reserve(r.position.restant() / 2);
    r.pile.reserve(r.position.restant() / 2 + 1);
    for (int i = 0; i < g.n; ++i)
        if (present0[i]) {
            r.h1 ^= g.zobrist[i][0];
            r.h2 ^= g.zobrist[i][1];
        }
    switch (juger(r, r.position.restant())) {
    case Issue::Resolue:
        r.etat = 1;
        break;
    case Issue::Epuisee:
        r.etat = -1;
        break;
    case Issue::Vue:
        break; // cannot happen: nothing is seen yet
    case Issue::Nouvelle:
        ouvrir(r);
        break;
    }
    return r;
}

bool avancerRecherche(Recherche& r, std::int64_t max, std::int64_t finMs) {
    if (r.etat != 0) return true;
    const std::int64_t depart = r.noeuds;
    for (;;) {
        if (r.noeuds - depart >= max) return false;
        if (finMs > 0 && horloge::maintenantMs() >= finMs) return false;
        Recherche::Cadre& cadre = r.pile.back();
        if (cadre.joue) {
            const Paire p = r.chemin.back();
            r.chemin.pop_back();
            r.position.remettre(p[0]);
            r.position.remettre(p[1]);
            basculer(r, p);
            cadre.joue = false;
            continue;
        }
        if (cadre.n >= cadre.fin) {
            r.coups.resize(cadre.debut);
            r.pile.pop_back();
            if (r.pile.empty()) {
                r.etat = -1;
                return true;
            }
            continue;
        }
        const Paire p = r.coups[cadre.n++];
        basculer(r, p);
        const Issue issue = juger(r, r.position.restant() - 2);
        if (issue == Issue::Vue || issue == Issue::Epuisee) {
            basculer(r, p);
            if (issue == Issue::Vue) continue;
            r.etat = -1;
            return true;
        }
        cadre.joue = true;
        r.position.retirer(p[0]);
        r.position.retirer(p[1]);
        r.chemin.push_back(p);
        if (issue == Issue::Resolue) {
            r.etat = 1;
            return true;
        }
        ouvrir(r); // `cadre` is not used past this point: the stack may move
    }
}

Reponse chercherAvec(const pile::Geometrie& g, const std::vector<int>& motifs,
                     const pile::Presence& present0, std::int64_t limite, alea::Alea* rng) {
    Recherche r = recherche(g, motifs, present0, limite, rng);
    avancerRecherche(r);
    if (rng) *rng = *r.rng;
    return reponseDe(r);
}

std::vector<int> rangs(const pile::Geometrie& g, const Chemin& guide) {
    std::vector<int> r(g.n, static_cast<int>(guide.size()));
    for (std::size_t k = 0; k < guide.size(); ++k)
        for (int i : guide[k])
            if (i >= 0 && i < g.n) r[i] = static_cast<int>(k);
    return r;
}

Resolution resolution(const pile::Geometrie& g, const std::vector<int>& motifs,
                      const pile::Presence& present0, std::int64_t budget, const Chemin* guide) {
    Resolution s;
    s.g = &g;
    s.motifs = motifs;
    s.present = present0;
    s.total = budget > 0 ? budget : BUDGET_RESOLUTION;
    s.part = std::max<std::int64_t>(500, s.total / 6);
    s.rng = alea::creer(0x5eed);
    if (guide && !guide->empty()) s.rang = rangs(g, *guide);
    return s;
}

bool avancerResolution(Resolution& s, std::int64_t max, std::int64_t finMs) {
    if (s.fin) return true;
    std::int64_t faits = 0;
    for (;;) {
        if (!s.courante) {
            if (s.noeuds >= s.total) {
                s.fin = Reponse{std::nullopt, {}, s.noeuds};
                return true;
            }
            const std::int64_t budget = std::min(s.part, s.total - s.noeuds);
            // With a guide: guided, then fixed, then noisy; without: fixed, then noisy.
            const int fixe = s.rang.empty() ? 0 : 1;
            const bool guide = !s.rang.empty() && s.essai == 0;
            const bool bruit = s.essai > fixe;
            s.courante = recherche(*s.g, s.motifs, s.present, budget, bruit ? &s.rng : nullptr,
                                   guide ? &s.rang : nullptr);
            faits += s.courante->noeuds;
        }
        Recherche& r = *s.courante;
        if (r.etat == 0) {
            const std::int64_t avant = r.noeuds;
            const bool fini = avancerRecherche(r, max == SANS_LIMITE ? max : max - faits, finMs);
            faits += r.noeuds - avant;
            if (!fini) return false;
        }
        s.noeuds += r.noeuds;
        if (r.rng) s.rng = *r.rng;
        if (r.etat == 1)
            s.fin = Reponse{true, r.chemin, s.noeuds};
        else if (!r.epuise)
            s.fin = Reponse{false, {}, s.noeuds};
        s.courante.reset();
        ++s.essai;
        if (s.fin) return true;
        if (max != SANS_LIMITE && faits >= max) return false;
    }
}

Reponse resoudre(const pile::Geometrie& g, const std::vector<int>& motifs,
                 const pile::Presence& present0, std::int64_t budget, const Chemin* guide) {
    Resolution s = resolution(g, motifs, present0, budget, guide);
    avancerResolution(s);
    return *s.fin;
}

bool verifierDepuis(const pile::Geometrie& g, const std::vector<int>& motifs,
                    const pile::Presence& present0, const Chemin& suite) {
    return generation::verifier(g, motifs, present0, suite);
}

std::optional<Chemin> reparer(const pile::Geometrie& g, const std::vector<int>& motifs,
                              const pile::Presence& present, const std::optional<Chemin>& temoin,
                              int a, int b) {
    if (!temoin || present.size() != static_cast<std::size_t>(g.n)) return std::nullopt;
    const Chemin& t = *temoin;
    auto etapeDe = [&t](int i) {
        for (std::size_t k = 0; k < t.size(); ++k)
            if (t[k][0] == i || t[k][1] == i) return static_cast<int>(k);
        return -1;
    };
    const int sa = etapeDe(a), sb = etapeDe(b);
    if (sa < 0 || sb < 0) return std::nullopt;
    if (sa == sb) {
        Chemin reste = t;
        reste.erase(reste.begin() + sa);
        if (verifierDepuis(g, motifs, present, reste)) return reste;
        return std::nullopt;
    }
    const int qa = t[sa][0] == a ? t[sa][1] : t[sa][0];
    const int qb = t[sb][0] == b ? t[sb][1] : t[sb][0];
    Chemin reste;
    reste.reserve(t.size());
    for (std::size_t k = 0; k < t.size(); ++k)
        if (static_cast<int>(k) != sa && static_cast<int>(k) != sb) reste.push_back(t[k]);
    const int longueur = static_cast<int>(reste.size());
    const int d = std::max(0, std::max(sa, sb) - 1);
    auto essayer = [&](int position) -> std::optional<Chemin> {
        Chemin c = reste;
        c.insert(c.begin() + position, Paire{qa, qb});
        if (verifierDepuis(g, motifs, present, c)) return c;
        return std::nullopt;
    };
    for (int position = d; position <= longueur; ++position)
        if (auto c = essayer(position)) return c;
    for (int position = d - 1; position >= 0; --position)
        if (auto c = essayer(position)) return c;
    return std::nullopt;
}

std::optional<Paire> indice(const pile::Geometrie& g, const std::vector<int>& motifs,
                            const pile::Presence& present, std::int64_t budget) {
    const Reponse r = resoudre(g, motifs, present, budget > 0 ? budget : BUDGET_INDICE);
    if (r.soluble == true && !r.chemin.empty()) return r.chemin.front();
    const Coups c = coups(g, motifs, present);
    if (!c.liste.empty()) return c.liste.front();
    return std::nullopt;
}

} // namespace solveur
