#include "moteur/solveur.h"

#include "moteur/dispositions.h"
#include "moteur/generation.h"
#include "moteur/horloge.h"
#include "moteur/tuiles.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace solveur;

namespace {

// SMALL LAMP, seed 1658, after six removals: its fixed-order attempt needs
// more than 1000 nodes, so a 6000-node resolution goes on to noisy attempts.
struct PositionDifficile {
    generation::Donne donne;
    pile::Presence present;
    PositionDifficile() : donne(*generation::generer(dispositions::DUEL[0], 1658)) {
        present = donne.present;
        for (const Paire& p :
             Chemin{{71, 125}, {59, 107}, {2, 9}, {108, 129}, {0, 130}, {64, 65}}) {
            EXPECT_TRUE(pile::libre(*donne.g, present, p[0]) &&
                        pile::libre(*donne.g, present, p[1]));
            present[p[0]] = present[p[1]] = 0;
        }
    }
};

// The ranking worked out the plain way, from the presence list alone: what a
// node of the search must produce, however the search keeps its position.
Coups coupsRecomptes(const pile::Geometrie& g, const std::vector<int>& motifs,
                     const pile::Presence& present) {
    Coups c;
    std::vector<std::vector<int>> familles(Position::FAMILLES);
    for (int i = 0; i < g.n; ++i)
        if (present[i]) familles[tuiles::famille(motifs[i])].push_back(i);
    for (const auto& f : familles) {
        if (f.size() == 1) c.impasse = true;
        if (f.size() < 2) continue;
        int bas = f[0], auPlusBas = 0;
        for (int i : f) {
            const int z = g.places[i].z, zBas = g.places[bas].z;
            if (z < zBas) bas = i, auPlusBas = 0;
            if (z <= zBas) ++auPlusBas;
        }
        bool couverte = false;
        for (int u : g.dessus[bas])
            couverte = couverte || present[u];
        if (auPlusBas != 1 || !couverte) continue;
        bool toutDessus = true;
        for (int i : f)
            toutDessus = toutDessus && (i == bas || surmonte(g, present, bas, i));
        c.impasse = c.impasse || toutDessus;
    }
    if (c.impasse) return c;
    std::vector<std::pair<double, Paire>> notes;
    for (const auto& f : familles) {
        std::vector<int> l;
        for (int i : f)
            if (pile::libre(g, present, i)) l.push_back(i);
        if (l.size() >= 2 && l.size() == f.size()) {
            c.sur = true;
            c.liste = {{l[0], l[1]}};
            return c;
        }
        for (std::size_t a = 0; a < l.size(); ++a)
            for (std::size_t b = a + 1; b < l.size(); ++b)
                notes.push_back({gene(g, present, l[a]) + gene(g, present, l[b]) +
                                     0.1 * (g.places[l[a]].z + g.places[l[b]].z),
                                 {l[a], l[b]}});
    }
    std::stable_sort(notes.begin(), notes.end(),
                     [](const auto& x, const auto& y) { return x.first > y.first; });
    for (const auto& n : notes)
        c.liste.push_back(n.second);
    return c;
}

// Steps a search node by node and checks each node's stacked moves against
// the plain ranking of the tiles its path leaves; returns the nodes checked.
int suivreRecherche(const pile::Geometrie& g, const std::vector<int>& motifs,
                    const pile::Presence& present0, std::int64_t limite) {
    Recherche r = recherche(g, motifs, present0, limite);
    int noeuds = 0;
    for (bool fini = r.etat != 0; !fini; fini = avancerRecherche(r, 1)) {
        pile::Presence p = present0;
        for (const Paire& m : r.chemin)
            p[m[0]] = p[m[1]] = 0;
        const Recherche::Cadre& c = r.pile.back();
        const Chemin pile(r.coups.begin() + c.debut, r.coups.begin() + c.fin);
        if (pile != coupsRecomptes(g, motifs, p).liste) {
            ADD_FAILURE() << "node " << r.noeuds << " ranks its moves differently";
            break;
        }
        ++noeuds;
    }
    return noeuds;
}

} // namespace

TEST(Solveur, PositionVideEtPilesImpossibles) {
    const pile::Geometrie g = pile::construire({{0, 0, 0}, {0, 0, 1}, {4, 0, 0}, {6, 0, 0}});
    const std::vector<int> motifs = {5, 5, 8, 8};
    const Reponse vide = chercherAvec(g, motifs, {0, 0, 0, 0}, 100);
    EXPECT_EQ(vide.soluble, true);
    EXPECT_TRUE(vide.chemin.empty());
    EXPECT_EQ(vide.noeuds, 0);
    EXPECT_EQ(resoudre(g, motifs, {0, 0, 0, 0}, 100).soluble, true);

    // Two tiles of one family, one on the other.
    const pile::Presence tour = {1, 1, 0, 0};
    const Coups c = coups(g, motifs, tour);
    EXPECT_TRUE(c.impasse);
    EXPECT_TRUE(c.liste.empty());
    const Reponse r = resoudre(g, motifs, tour, 6000);
    EXPECT_EQ(r.soluble, false);
    EXPECT_EQ(r.noeuds, 1);
    // A lone tile of its family can never leave either.
    EXPECT_TRUE(coups(g, {5, 6, 8, 8}, {1, 0, 1, 1}).impasse);
    // Budget 0: no answer, at once.
    const Reponse rien = chercherAvec(g, {5, 5, 8, 8}, {0, 0, 1, 1}, 0);
    EXPECT_FALSE(rien.soluble.has_value());
    EXPECT_EQ(rien.noeuds, 0);
}

TEST(Solveur, CoupSurEtBruit) {
    // Family 3: tiles 0, 1, 2 in a row (1 blocked); family 7: 3 and 4, both free.
    const pile::Geometrie g =
        pile::construire({{0, 0, 0}, {2, 0, 0}, {4, 0, 0}, {10, 0, 0}, {14, 0, 0}, {20, 0, 0}});
    const std::vector<int> motifs = {3, 3, 3, 7, 7, 3};
    const pile::Presence tous(6, 1);
    alea::Alea rng = alea::creer(12);
    const Coups c = coups(g, motifs, tous, &rng);
    EXPECT_TRUE(c.sur);
    EXPECT_EQ(c.liste, (Chemin{{3, 4}}));
    // Family 3 came first: three noisy notes for (0,2), (0,5), (2,5).
    alea::Alea attendu = alea::creer(12);
    for (int k = 0; k < 3; ++k)
        alea::suivant(attendu);
    EXPECT_EQ(rng, attendu);

    // Without the sure move: notes rank pairs that hold back more tiles first.
    const pile::Presence sansSept = {1, 1, 1, 0, 0, 1};
    const Coups d = coups(g, motifs, sansSept);
    EXPECT_FALSE(d.sur);
    EXPECT_FALSE(d.impasse);
    EXPECT_EQ(d.liste, (Chemin{{0, 2}, {0, 5}, {2, 5}}));
    // A guide puts its early steps first.
    const std::vector<int> rang = rangs(g, {{2, 5}, {0, 1}});
    EXPECT_EQ(rang, (std::vector<int>{1, 1, 0, 2, 2, 0}));
    EXPECT_EQ(coups(g, motifs, sansSept, nullptr, &rang).liste, (Chemin{{2, 5}, {0, 2}, {0, 5}}));
}

TEST(Solveur, GeneSurmonteEtCle) {
    // Two bottom tiles, one straddling them, one more on top.
    const pile::Geometrie g = pile::construire({{0, 0, 0}, {2, 0, 0}, {1, 0, 1}, {1, 0, 2}});
    pile::Presence p(4, 1);
    EXPECT_EQ(gene(g, p, 2), 2);
    EXPECT_EQ(gene(g, p, 0), 1);
    EXPECT_TRUE(surmonte(g, p, 0, 3));
    EXPECT_FALSE(surmonte(g, p, 3, 0));
    p[2] = 0;
    EXPECT_FALSE(surmonte(g, p, 0, 3)); // the column is broken
    EXPECT_EQ(cle(p), "1101");
    EXPECT_EQ(empreintes(g).size(), 4u);
    alea::Alea z = alea::creer(0x2b0b);
    EXPECT_EQ(empreintes(g)[0][0], alea::entier(z, 67108864u));
    EXPECT_EQ(empreintes(g)[0][1], alea::entier(z, 67108864u));
}

TEST(Solveur, ResolutionEnPlusieursEssais) {
    const PositionDifficile pos;
    const pile::Geometrie& g = *pos.donne.g;
    const Reponse r = resoudre(g, pos.donne.motifs, pos.present, 6000);
    ASSERT_EQ(r.soluble, true);
    // Three spent attempts of 1000 nodes, then a noisy one that finds a way.
    EXPECT_EQ(r.noeuds, 3060);
    EXPECT_EQ(r.chemin.front(), (Paire{1, 120}));
    EXPECT_TRUE(verifierDepuis(g, pos.donne.motifs, pos.present, r.chemin));

    const Reponse court = resoudre(g, pos.donne.motifs, pos.present, 1000);
    EXPECT_FALSE(court.soluble.has_value());
    EXPECT_EQ(court.noeuds, 1000);
    const Reponse large = resoudre(g, pos.donne.motifs, pos.present, 0); // 20000
    EXPECT_EQ(large.soluble, true);
    EXPECT_EQ(large.noeuds, 1860);

    // Same answer however the work is sliced.
    Resolution s = resolution(g, pos.donne.motifs, pos.present, 6000);
    int appels = 0;
    while (!avancerResolution(s, 7))
        ++appels;
    EXPECT_GT(appels, 400);
    EXPECT_EQ(s.fin->noeuds, 3060);
    EXPECT_EQ(s.fin->chemin, r.chemin);
}

TEST(Solveur, TranchesParEcheance) {
    const PositionDifficile pos;
    std::int64_t maintenant = 1000;
    horloge::remplacer([&maintenant] { return maintenant++; });
    Resolution s = resolution(*pos.donne.g, pos.donne.motifs, pos.present, 6000);
    int tranches = 0;
    while (!avancerResolution(s, SANS_LIMITE, maintenant + 50))
        ++tranches;
    horloge::remplacer(nullptr);
    EXPECT_GT(tranches, 10);
    EXPECT_EQ(s.fin->noeuds, 3060);
}

TEST(Solveur, GuideEtDonnes) {
    const auto donne = generation::generer(dispositions::LISTE[0], 5);
    ASSERT_TRUE(donne.has_value());
    const pile::Geometrie& g = *donne->g;
    // The deal's own solution as guide is followed straight to the end.
    const Reponse guidee = resoudre(g, donne->motifs, donne->present, 6000, &donne->solution);
    EXPECT_EQ(guidee.soluble, true);
    EXPECT_TRUE(verifierDepuis(g, donne->motifs, donne->present, guidee.chemin));
    const Reponse a = resoudre(g, donne->motifs, donne->present, 6000);
    const Reponse b = resoudre(g, donne->motifs, donne->present, 6000);
    EXPECT_EQ(a.chemin, b.chemin);
    EXPECT_EQ(a.noeuds, b.noeuds);
    const auto conseil = indice(g, donne->motifs, donne->present);
    ASSERT_TRUE(conseil.has_value());
    EXPECT_EQ(*conseil, resoudre(g, donne->motifs, donne->present, 4000).chemin.front());
}

TEST(Solveur, Reparer) {
    const auto donne = generation::generer(dispositions::LISTE[8], 31);
    ASSERT_TRUE(donne.has_value());
    const pile::Geometrie& g = *donne->g;
    const Chemin& t = donne->solution;
    EXPECT_FALSE(reparer(g, donne->motifs, donne->present, std::nullopt, t[0][0], t[0][1]));

    pile::Presence p = donne->present;
    p[t[0][0]] = p[t[0][1]] = 0;
    const auto suite = reparer(g, donne->motifs, p, t, t[0][0], t[0][1]);
    ASSERT_TRUE(suite.has_value());
    EXPECT_EQ(*suite, Chemin(t.begin() + 1, t.end()));

    // Removals off the witness: the repair is valid or nothing, never wrong.
    alea::Alea hasard = alea::creer(77);
    int reparees = 0, essais = 0;
    for (int graine = 1; graine <= 30; ++graine) {
        const auto d = generation::generer(dispositions::LISTE[graine % 12], graine);
        pile::Presence q = d->present;
        std::optional<Chemin> temoin = d->solution;
        for (int coup = 0; coup < 20 && temoin; ++coup) {
            const auto jouables =
                pile::paires(*d->g, q, [&](int i) { return tuiles::famille(d->motifs[i]); });
            if (jouables.empty()) break;
            const Paire m =
                jouables[alea::entier(hasard, static_cast<std::uint32_t>(jouables.size()))];
            q[m[0]] = q[m[1]] = 0;
            temoin = reparer(*d->g, d->motifs, q, temoin, m[0], m[1]);
            ++essais;
            if (temoin) {
                ++reparees;
                EXPECT_TRUE(verifierDepuis(*d->g, d->motifs, q, *temoin));
            }
        }
    }
    EXPECT_GT(reparees, essais / 2);
}

TEST(Solveur, EnsembleVu) {
    EnsembleVu vus;
    for (std::uint64_t k = 0; k < 5000; ++k)
        EXPECT_TRUE(vus.inserer(k * 0x100000001ull));
    for (std::uint64_t k = 0; k < 5000; ++k)
        EXPECT_FALSE(vus.inserer(k * 0x100000001ull));
    EXPECT_TRUE(vus.inserer((1ull << 52) - 1));
    EXPECT_EQ(vus.taille(), 5001u);
}

TEST(Solveur, PositionTenueCoupApresCoup) {
    // Catalogue deals after twelve random removals, so that searches go deep
    // and back: two run out of budget, one finds a way, one proves there is none.
    for (const auto& [k, graine] : {std::pair<int, int>{0, 2}, {0, 3}, {5, 4}, {9, 2}}) {
        const auto d = generation::generer(dispositions::LISTE[k], graine);
        alea::Alea hasard = alea::creer(31);
        pile::Presence p = d->present;
        for (int retrait = 0; retrait < 12; ++retrait) {
            const auto jouables =
                pile::paires(*d->g, p, [&](int i) { return tuiles::famille(d->motifs[i]); });
            const Paire m =
                jouables[alea::entier(hasard, static_cast<std::uint32_t>(jouables.size()))];
            p[m[0]] = p[m[1]] = 0;
        }
        EXPECT_GT(suivreRecherche(*d->g, d->motifs, p, 600), 400);
    }
}

TEST(Solveur, FamillePlusGrandeQuUnMot) {
    // A row of 71 supports under a row of 71 tiles of family 0, and one more
    // tile of family 0 at the bottom, after them: the family's lowest tile is
    // its 72nd, in its second word, covered by two tiles of family 7.
    std::vector<pile::Place> places;
    std::vector<int> motifs;
    for (int z : {0, 1})
        for (int x = 0; x <= 140; x += 2) {
            places.push_back({x, 0, z});
            motifs.push_back(z == 0 ? 3 + x % 4 : 0);
        }
    places.insert(places.end(), {{144, 0, 0}, {143, 0, 1}, {145, 0, 1}, {150, 0, 0}});
    motifs.insert(motifs.end(), {0, 7, 7, 3});
    ASSERT_TRUE(pile::defauts(places).empty());
    const pile::Geometrie g = pile::construire(places);
    const int bas = 142, dessus = 143;

    Position p;
    p.initialiser(g, motifs, pile::Presence(g.n, 1));
    EXPECT_EQ(p.famille(0).presents, 72);
    EXPECT_EQ(p.famille(0).bas, bas);
    EXPECT_TRUE(p.basCouverts() & 1);
    p.retirer(dessus);
    EXPECT_TRUE(p.basCouverts() & 1); // still under the other tile of family 7
    p.retirer(dessus + 1);
    EXPECT_FALSE(p.basCouverts() & 1);
    EXPECT_EQ(p.famille(0).libres, 3); // the ends of the top row, and `bas`
    p.remettre(dessus + 1);
    EXPECT_TRUE(p.basCouverts() & 1);
    EXPECT_EQ(p.famille(0).libres, 2);

    pile::Presence sansSept(g.n, 1);
    sansSept[dessus] = sansSept[dessus + 1] = 0;
    EXPECT_EQ(coups(g, motifs, sansSept).liste, (Chemin{{71, 141}, {71, bas}, {141, bas}}));
}
