#include "moteur/partie.h"

#include "moteur/horloge.h"
#include "moteur/tuiles.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace partie {

namespace {

bool jouable(Etat e) {
    return e == Etat::Jeu || e == Etat::Bloque;
}

bool valide(const Partie& p, const Chemin& t) {
    return solveur::verifierDepuis(*p.g, p.motifs, p.present, t);
}

const Chemin* guideDe(const Partie& p) {
    return p.guide ? &*p.guide : nullptr;
}

} // namespace

const char* nom(Etat e) {
    switch (e) {
    case Etat::Jeu:
        return "jeu";
    case Etat::Bloque:
        return "bloque";
    case Etat::Gagne:
        return "gagne";
    case Etat::Temps:
        return "temps";
    case Etat::Impasse:
        return "impasse";
    }
    return "jeu";
}

const char* nom(TypeResultat t) {
    switch (t) {
    case TypeResultat::Fini:
        return "fini";
    case TypeResultat::Bloquee:
        return "bloquee";
    case TypeResultat::Prise:
        return "prise";
    case TypeResultat::Lachee:
        return "lachee";
    case TypeResultat::Refus:
        return "refus";
    case TypeResultat::PaireFaite:
        return "paire";
    }
    return "fini";
}

std::optional<Partie> creer(const Options& options) {
    std::optional<generation::Donne> donne =
        generation::generer(options.disposition, options.graine);
    if (!donne) return std::nullopt;
    Partie p;
    p.disposition = donne->disposition;
    p.graine = donne->graine;
    p.g = donne->g;
    p.motifs = std::move(donne->motifs);
    p.present = std::move(donne->present);
    p.restantes = p.g->n;
    p.temoin = std::move(donne->solution);
    p.rng = donne->rng;
    const std::int64_t calcule =
        std::min(REGLES.tempsPlafond, REGLES.tempsBase + REGLES.tempsParPaire * (p.g->n / 2));
    p.tempsMs = p.tempsMax = options.tempsMs != 0 ? options.tempsMs : calcule;
    p.aides = options.aides ? *options.aides : REGLES.aides;
    p.undo = options.undo;
    if (options.sansEncens) {
        // With no stick, a pair's time gain is capped at nothing, and the
        // aids are not counted down.
        p.sansEncens = true;
        p.tempsMs = p.tempsMax = 0;
        p.aides = Aides{0, 0, 0};
        p.mixGratuit = false;
    }
    return p;
}

int famille(const Partie& p, int i) {
    return tuiles::famille(p.motifs[i]);
}

bool libre(const Partie& p, int i) {
    return pile::libre(*p.g, p.present, i);
}

std::vector<Paire> paires(const Partie& p) {
    return pile::paires(*p.g, p.present, [&p](int i) { return famille(p, i); });
}

void etatApres(Partie& p) {
    if (p.restantes <= 0)
        p.etat = Etat::Gagne;
    else if (p.tempsMs <= 0 && !p.sansEncens)
        p.etat = Etat::Temps;
    else if (paires(p).empty())
        p.etat = Etat::Bloque;
    else
        p.etat = Etat::Jeu;
}

Resultat prendre(Partie& p, int i) {
    Resultat r;
    if (!jouable(p.etat)) return r;
    r.i = i;
    if (i < 0 || i >= p.g->n || !libre(p, i)) {
        r.type = TypeResultat::Bloquee;
        return r;
    }
    if (p.selection < 0) {
        p.selection = i;
        r.type = TypeResultat::Prise;
        return r;
    }
    if (p.selection == i) {
        p.selection = -1;
        r.type = TypeResultat::Lachee;
        return r;
    }
    const int a = p.selection;
    if (!tuiles::vaAvec(p.motifs[a], p.motifs[i])) {
        p.selection = i;
        r.type = TypeResultat::Refus;
        r.ancienne = a;
        return r;
    }
    return retirer(p, a, i);
}

Resultat retirer(Partie& p, int a, int b) {
    Entree e;
    e.a = a;
    e.b = b;
    e.score = p.score;
    e.combo = p.combo;
    e.dernierRetrait = p.dernierRetrait;
    e.derniereFamille = p.derniereFamille;
    e.temoin = p.temoin;
    e.comboMax = p.stats.comboMax;

    const bool suite = p.dernierRetrait >= 0 && p.horloge - p.dernierRetrait < REGLES.fenetreCombo;
    p.combo = suite ? std::min(REGLES.comboMax, p.combo + 1) : 1;
    const int fam = famille(p, a);
    const bool jumelle = fam == p.derniereFamille;
    const int points = REGLES.pointsPaire * p.combo + (jumelle ? REGLES.bonusJumelle : 0);
    std::int64_t bonus = REGLES.tempsPaire;
    if (p.combo >= 3) bonus += REGLES.tempsCombo3;
    if (p.combo == REGLES.comboMax) bonus += REGLES.tempsFever;
    const std::int64_t avant = p.tempsMs;
    p.tempsMs = std::min(p.tempsMax, p.tempsMs + bonus);
    e.tempsGagne = p.tempsMs - avant;

    p.score += points;
    p.dernierRetrait = p.horloge;
    p.derniereFamille = fam;
    p.present[a] = 0;
    p.present[b] = 0;
    p.restantes -= 2;
    p.selection = -1;
    p.stats.paires += 1;
    p.stats.comboMax = std::max(p.stats.comboMax, p.combo);

    const bool avaitTemoin = p.temoin.has_value();
    p.temoin = solveur::reparer(*p.g, p.motifs, p.present, p.temoin, a, b);
    if (!p.temoin && avaitTemoin) p.guide = e.temoin;

    p.historique.push_back(std::move(e));
    etatApres(p);

    Resultat r;
    r.type = TypeResultat::PaireFaite;
    r.a = a;
    r.b = b;
    r.points = points;
    r.combo = p.combo;
    r.jumelle = jumelle;
    r.bonusMs = p.historique.back().tempsGagne;
    r.fever = p.combo == REGLES.comboMax;
    return r;
}

bool annuler(Partie& p) {
    if (!p.undo || p.historique.empty() || p.etat == Etat::Gagne || p.etat == Etat::Temps)
        return false;
    Entree e = std::move(p.historique.back());
    p.historique.pop_back();
    p.present[e.a] = 1;
    p.present[e.b] = 1;
    p.restantes += 2;
    p.score = e.score;
    p.combo = 1;
    p.dernierRetrait = -1;
    p.derniereFamille = e.derniereFamille;
    p.temoin = std::move(e.temoin);
    p.stats.comboMax = e.comboMax;
    // The pair's time gain is taken back and the undo charged, but an undo
    // never empties the clock.
    if (!p.sansEncens)
        p.tempsMs = std::max<std::int64_t>(1, p.tempsMs - e.tempsGagne - REGLES.coutUndo);
    p.selection = -1;
    p.stats.undo += 1;
    etatApres(p);
    return true;
}

bool avancer(Partie& p, std::int64_t dt) {
    if (!jouable(p.etat) || dt < 0) return false;
    p.horloge += dt;
    if (p.sansEncens) return false;
    p.tempsMs -= dt;
    if (p.tempsMs > 0) return false;
    p.tempsMs = 0;
    p.etat = Etat::Temps;
    p.selection = -1;
    return true;
}

int comboCourant(const Partie& p) {
    return p.dernierRetrait >= 0 && p.horloge - p.dernierRetrait < REGLES.fenetreCombo ? p.combo
                                                                                       : 1;
}

BonusFin bonusFin(const Partie& p) {
    BonusFin b;
    b.temps = (std::max<std::int64_t>(0, p.tempsMs) / 1000) * REGLES.bonusSeconde;
    b.aides = static_cast<std::int64_t>(p.aides.hint) * REGLES.bonusHint +
              static_cast<std::int64_t>(p.aides.mix) * REGLES.bonusMix;
    b.total = b.temps + b.aides;
    return b;
}

int voisine(const Partie& p, int depuis, int dx, int dy) {
    if (depuis < 0 || depuis >= p.g->n) return -1;
    // Where a tile is drawn, in half-cells: each layer is shifted 3/8 of a
    // half-cell left and 4/10 up.
    auto ecran = [&p](int i, double& x, double& y) {
        const pile::Place& q = p.g->places[i];
        x = q.x - 0.375 * q.z;
        y = q.y - 0.4 * q.z;
    };
    double x0, y0;
    ecran(depuis, x0, y0);
    int meilleure = -1;
    double meilleurScore = std::numeric_limits<double>::infinity();
    for (int i = 0; i < p.g->n; ++i) {
        if (i == depuis || !libre(p, i)) continue;
        double x, y;
        ecran(i, x, y);
        const double vx = x - x0, vy = y - y0;
        const double devant = vx * dx + vy * dy;
        const double cote = std::abs(vx * dy - vy * dx);
        if (devant <= 0 || cote > devant) continue;
        const double score = devant + 2 * cote;
        if (score < meilleurScore) {
            meilleurScore = score;
            meilleure = i;
        }
    }
    return meilleure;
}

std::optional<Chemin> temoin(Partie& p) {
    if (p.temoin && valide(p, *p.temoin)) return p.temoin;
    const solveur::Reponse r =
        solveur::resoudre(*p.g, p.motifs, p.present, REGLES.budgetSolveur, guideDe(p));
    if (r.soluble == true)
        p.temoin = r.chemin;
    else
        p.temoin.reset();
    return p.temoin;
}

void travailler(Partie& p, std::int64_t ms) {
    if (p.temoin || !jouable(p.etat)) {
        p.travail.reset();
        return;
    }
    const std::string k = solveur::cle(p.present);
    if (p.sansTemoin == k) return;
    if (!p.travail || p.travail->cle != k || p.travail->motifs != p.motifs)
        p.travail =
            Travail{k, p.motifs, 0,
                    solveur::resolution(*p.g, p.motifs, p.present, REGLES.budgetFond, guideDe(p))};
    Travail& t = *p.travail;
    if (!solveur::avancerResolution(t.s, solveur::SANS_LIMITE, horloge::maintenantMs() + ms))
        return;
    const solveur::Reponse r = *t.s.fin;
    if (!r.soluble.has_value() && t.tour == 0) {
        // The first pass ran out of budget: one more, four times larger.
        p.travail =
            Travail{k, p.motifs, 1,
                    solveur::resolution(*p.g, p.motifs, p.present,
                                        REGLES.budgetFond * REGLES.facteurFond2, guideDe(p))};
        return;
    }
    p.travail.reset();
    if (r.soluble == true)
        p.temoin = r.chemin;
    else
        p.sansTemoin = k;
}

std::optional<Chemin> temoinRapide(Partie& p) {
    if (p.temoin && valide(p, *p.temoin)) return p.temoin;
    p.temoin.reset();
    travailler(p, REGLES.attenteIndiceMs);
    return p.temoin;
}

std::optional<Paire> paireRapide(Partie& p) {
    const std::optional<Chemin> t = temoinRapide(p);
    if (t && !t->empty()) return t->front();
    const solveur::Coups c = solveur::coups(*p.g, p.motifs, p.present);
    if (!c.liste.empty()) return c.liste.front();
    const std::vector<Paire> jouables = paires(p);
    if (!jouables.empty()) return jouables.front();
    return std::nullopt;
}

std::optional<Paire> paireConseillee(Partie& p) {
    const std::optional<Chemin> t = temoin(p);
    if (t && !t->empty()) return t->front();
    return solveur::indice(*p.g, p.motifs, p.present, REGLES.budgetSolveur);
}

std::optional<Paire> indice(Partie& p) {
    if ((p.aides.hint <= 0 && !p.sansEncens) || p.etat != Etat::Jeu) return std::nullopt;
    const std::optional<Paire> paire = paireRapide(p);
    if (!paire) return std::nullopt;
    if (!p.sansEncens) p.aides.hint -= 1;
    p.stats.hint += 1;
    return paire;
}

Melange melanger(Partie& p) {
    Melange m;
    if (!jouable(p.etat)) return m;
    enum { Aide, Gratuit, Paye } paiement;
    if (p.sansEncens) {
        // Offered only when no pair is left, and then always free.
        if (p.etat != Etat::Bloque) return m;
        paiement = Gratuit;
    } else if (p.aides.mix > 0)
        paiement = Aide;
    else if (p.etat == Etat::Bloque && p.mixGratuit)
        paiement = Gratuit;
    else
        paiement = Paye;
    const std::int64_t cout = paiement == Paye ? REGLES.coutMixPaye : 0;
    if (cout >= p.tempsMs && !p.sansEncens) return m;

    std::optional<generation::Pose> pose = generation::melanger(*p.g, p.motifs, p.present, p.rng);
    if (!pose) {
        p.etat = Etat::Impasse;
        p.selection = -1;
        m.impossible = true;
        return m;
    }
    if (paiement == Aide) p.aides.mix -= 1;
    if (paiement == Gratuit && !p.sansEncens) p.mixGratuit = false;
    m.ancien = std::move(p.motifs);
    p.motifs = std::move(pose->motifs);
    p.temoin = std::move(pose->solution);
    p.guide.reset();
    p.tempsMs -= cout;
    p.selection = -1;
    p.stats.mix += 1;
    etatApres(p);
    m.ok = true;
    m.cout = cout;
    return m;
}

std::int64_t apercu(Partie& p) {
    if (p.sansEncens || p.aides.peek <= 0 || p.etat != Etat::Jeu || p.tempsMs <= REGLES.coutPeek)
        return 0;
    p.aides.peek -= 1;
    p.stats.peek += 1;
    p.tempsMs -= REGLES.coutPeek;
    p.apercuJusqua = p.horloge + REGLES.dureePeek;
    return REGLES.dureePeek;
}

std::optional<std::array<int, 4>> pousser(Partie& p) {
    const std::optional<Chemin> t = temoinRapide(p);
    if (!t || t->size() < 2) return std::nullopt;
    const auto longueur = static_cast<std::uint32_t>(t->size());
    for (int essai = 0; essai < 12; ++essai) {
        const std::uint32_t i = alea::entier(p.rng, longueur);
        const std::uint32_t j = alea::entier(p.rng, longueur);
        if (i == j || famille(p, (*t)[i][0]) == famille(p, (*t)[j][0])) continue;
        const int a1 = (*t)[i][0], a2 = (*t)[i][1], b1 = (*t)[j][0], b2 = (*t)[j][1];
        // Each step still holds a matching pair, so the witness stays valid.
        std::swap(p.motifs[a1], p.motifs[b1]);
        std::swap(p.motifs[a2], p.motifs[b2]);
        p.selection = -1;
        etatApres(p);
        return std::array<int, 4>{a1, b1, a2, b2};
    }
    return std::nullopt;
}

} // namespace partie
