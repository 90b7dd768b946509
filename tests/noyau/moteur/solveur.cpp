#include "moteur/dispositions.h"
#include "moteur/generation.h"
#include "moteur/horloge.h"
#include "moteur/solveur.h"
#include "moteur/tuiles.h"

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
        for (const Paire& p : Chemin{{71, 125}, {59, 107}, {2, 9}, {108, 129}, {0, 130}, {64, 65}}) {
            EXPECT_TRUE(pile::libre(*donne.g, present, p[0]) && pile::libre(*donne.g, present, p[1]));
            present[p[0]] = present[p[1]] = 0;
        }
    }
};

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
    for (int k = 0; k < 3; ++k) alea::suivant(attendu);
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
    EXPECT_EQ(coups(g, motifs, sansSept, nullptr, &rang).liste,
              (Chemin{{2, 5}, {0, 2}, {0, 5}}));
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
    while (!avancerResolution(s, 7)) ++appels;
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
    while (!avancerResolution(s, SANS_LIMITE, maintenant + 50)) ++tranches;
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
            const auto jouables = pile::paires(
                *d->g, q, [&](int i) { return tuiles::famille(d->motifs[i]); });
            if (jouables.empty()) break;
            const Paire m = jouables[alea::entier(hasard, static_cast<std::uint32_t>(jouables.size()))];
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
    for (std::uint64_t k = 0; k < 5000; ++k) EXPECT_TRUE(vus.inserer(k * 0x100000001ull));
    for (std::uint64_t k = 0; k < 5000; ++k) EXPECT_FALSE(vus.inserer(k * 0x100000001ull));
    EXPECT_TRUE(vus.inserer((1ull << 52) - 1));
    EXPECT_EQ(vus.taille(), 5001u);
}
