#include "moteur/glissant.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace glissant;

namespace {

Grille depuis(int l, int h, std::vector<int> cases) {
    Grille gr = grille(l, h);
    gr.cases = std::move(cases);
    return gr;
}

// A game on a grid the test lays out itself.
Partie partieSur(Grille gr, std::int64_t temps = 150000) {
    Partie p;
    p.restantes = static_cast<int>(
        std::count_if(gr.cases.begin(), gr.cases.end(), [](int m) { return m >= 0; }));
    p.gr = std::move(gr);
    p.tempsMs = p.tempsMax = temps;
    return p;
}

} // namespace

TEST(Glissant, GrilleEtRotation) {
    const Grille vide = grille(0, 5);
    EXPECT_EQ(vide.l, 0);
    EXPECT_TRUE(vide.cases.empty());
    EXPECT_TRUE(grille(-3, 2).cases.empty());

    Grille gr = grille(12, 2);
    for (int x = 0; x < 12; ++x)
        gr.cases[12 + x] = x;
    Grille c = copie(gr);
    glisser(gr, 1, +1);
    EXPECT_EQ(gr.cases[12], 11);
    EXPECT_EQ(gr.cases[13], 0);
    glisser(c, 1, -1);
    EXPECT_EQ(c.cases[23], 0);
    EXPECT_EQ(c.cases[12], 1);
    glisser(c, 1, +1);
    glisser(c, 7, +1); // outside: nothing
    glisser(c, -1, +1);
    EXPECT_EQ(c.cases[12], 0);
    EXPECT_TRUE(std::all_of(c.cases.begin(), c.cases.begin() + 12, [](int m) { return m < 0; }));
}

TEST(Glissant, Liens) {
    // Row 0: 5 . 5 . . 7 ; row 1: 5 . . . . 5 ; row 2: 9 . . . . .
    const Grille gr =
        depuis(6, 3, {5, -1, 5, -1, -1, 7, 5, -1, -1, -1, -1, 5, 9, -1, -1, -1, -1, -1});
    EXPECT_TRUE(relies(gr, 0, 2));
    EXPECT_TRUE(relies(gr, 2, 0));
    EXPECT_TRUE(relies(gr, 0, 6));  // neighbours in a column
    EXPECT_TRUE(relies(gr, 6, 11)); // the two ends of a clear row
    EXPECT_FALSE(relies(gr, 0, 5)); // across a tile
    EXPECT_FALSE(relies(gr, 0, 7)); // neither row nor column
    EXPECT_FALSE(relies(gr, 5, 6)); // end of a row to the start of the next: no wrap
    EXPECT_FALSE(relies(gr, 0, 0));
    EXPECT_FALSE(relies(gr, 0, 18));
    EXPECT_FALSE(relies(gr, 0, 12)); // across 6
    EXPECT_EQ(paires(gr), (std::vector<Paire>{{0, 2}, {0, 6}, {6, 11}}));

    EXPECT_EQ(videsRelies(gr, 8), (std::vector<int>{9, 10, 7, 14}));
    EXPECT_EQ(videsRelies(gr, 13), (std::vector<int>{14, 15, 16, 17, 7, 1}));
    EXPECT_TRUE(videsRelies(gr, 0).empty());
    EXPECT_TRUE(videsRelies(gr, 99).empty());
}

TEST(Glissant, PairesCommeLaRechercheNaive) {
    alea::Alea g = alea::creer(21);
    for (int essai = 0; essai < 200; ++essai) {
        const int l = 1 + static_cast<int>(alea::entier(g, 8));
        const int h = 1 + static_cast<int>(alea::entier(g, 6));
        Grille gr = grille(l, h);
        for (int& m : gr.cases)
            m = alea::entier(g, 3) == 0 ? -1 : static_cast<int>(alea::entier(g, 6)) + 32;
        std::vector<Paire> attendues;
        for (int a = 0; a < l * h; ++a)
            for (int b = a + 1; b < l * h; ++b)
                if (tuiles::vaAvec(gr.cases[a], gr.cases[b]) && relies(gr, a, b))
                    attendues.push_back({a, b});
        EXPECT_EQ(paires(gr), attendues);
    }
}

TEST(Glissant, DonnesJouablesEtIdentiques) {
    const auto d = generer(12, 7, 36, 99);
    ASSERT_TRUE(d.has_value());
    EXPECT_EQ(d->solution.size(), 72u);
    EXPECT_TRUE(verifier(d->grille, d->solution));
    EXPECT_EQ(
        std::count_if(d->grille.cases.begin(), d->grille.cases.end(), [](int m) { return m >= 0; }),
        72);
    const auto e = generer(12, 7, 36, 99);
    ASSERT_TRUE(e.has_value());
    EXPECT_EQ(d->grille, e->grille);
    EXPECT_EQ(d->solution, e->solution);
    EXPECT_EQ(d->rng, e->rng);
    EXPECT_NE(generer(12, 7, 36, 100)->grille.cases, d->grille.cases);
    for (int graine = 1; graine <= 40; ++graine) {
        const auto f = generer(12, 7, 30, graine);
        ASSERT_TRUE(f.has_value());
        EXPECT_TRUE(verifier(f->grille, f->solution)) << graine;
    }
    // Pinned: a change of draw order would give each build different deals.
    const Grille& gr = d->grille;
    std::uint32_t h = 0x811c9dc5u;
    for (int m : gr.cases)
        h = (h ^ static_cast<std::uint32_t>(m)) * 0x01000193u;
    EXPECT_EQ(h, 1237174134u);
    EXPECT_EQ(d->rng.s, 2348699817u);
    EXPECT_EQ(d->solution[0], Coup::paire(51, 63));
    EXPECT_EQ(d->solution[1], Coup::glisse(4, -1));
}

TEST(Glissant, TaillesLimites) {
    const auto rien = generer(1, 1, 0, 1);
    ASSERT_TRUE(rien.has_value());
    EXPECT_TRUE(rien->solution.empty());
    EXPECT_FALSE(generer(1, 1, 1, 1).has_value());
    EXPECT_FALSE(generer(0, 4, 0, 1).has_value());
    EXPECT_FALSE(generer(3, 3, -1, 1).has_value());
    EXPECT_FALSE(generer(4, 4, 9, 1).has_value());
    for (auto [l, h] : {std::pair{2, 1}, std::pair{1, 2}}) {
        const auto d = generer(l, h, 1, 3);
        ASSERT_TRUE(d.has_value());
        EXPECT_TRUE(verifier(d->grille, d->solution));
    }
    // A full grid is sometimes possible, sometimes not; never a crash.
    for (int graine = 0; graine < 20; ++graine) {
        const auto d = generer(4, 3, 6, graine);
        if (d) {
            EXPECT_TRUE(verifier(d->grille, d->solution));
        }
    }
}

TEST(Glissant, VerifierRefuse) {
    const Grille gr = depuis(3, 1, {4, 8, 4});
    EXPECT_FALSE(verifier(gr, {Coup::paire(0, 2)}));  // tile between
    EXPECT_FALSE(verifier(gr, {Coup::paire(0, 1)}));  // no match
    EXPECT_FALSE(verifier(gr, {Coup::glisse(0, 2)})); // bad direction
    EXPECT_FALSE(verifier(gr, {Coup::glisse(1, 1)})); // no such row
    EXPECT_FALSE(verifier(gr, {Coup::paire(0, 5)}));
    const Grille deux = depuis(3, 1, {4, -1, 4});
    EXPECT_TRUE(verifier(deux, {Coup::glisse(0, 1), Coup::paire(0, 1)}));
    EXPECT_FALSE(verifier(deux, {Coup::paire(0, 2), Coup::paire(0, 2)}));
    EXPECT_FALSE(verifier(deux, {}));
}

TEST(Glissant, PartieNeuve) {
    const auto p = creerPartie();
    ASSERT_TRUE(p.has_value());
    EXPECT_EQ(p->gr.l, 12);
    EXPECT_EQ(p->gr.h, 7);
    EXPECT_EQ(p->restantes, 60);
    EXPECT_EQ(p->tempsMs, 150000);
    EXPECT_EQ(p->tempsMax, 150000);
    EXPECT_EQ(p->combo, 1);
    EXPECT_EQ(p->dernierRetrait, -1);
    EXPECT_EQ(p->selection, -1);
    EXPECT_EQ(p->etat, Etat::Jeu);
    ASSERT_TRUE(p->temoin.has_value());
    EXPECT_TRUE(verifier(p->gr, *p->temoin));
    Options o;
    o.largeur = 1;
    o.hauteur = 1;
    EXPECT_FALSE(creerPartie(o).has_value());
}

TEST(Glissant, Prises) {
    // 9 . 9 3 . 3 ; 3 . . . . 3
    Partie p = partieSur(depuis(6, 2, {9, -1, 9, 3, -1, 3, 3, -1, -1, -1, -1, 3}), 10000);
    Prise r = prendre(p, 1);
    EXPECT_EQ(r.type, TypePrise::Vide);
    EXPECT_EQ(r.i, 1);
    EXPECT_EQ(prendre(p, 0).type, TypePrise::Prise);
    EXPECT_EQ(prendre(p, 40).type, TypePrise::Vide);
    EXPECT_EQ(prendre(p, -1).type, TypePrise::Vide);
    EXPECT_EQ(p.selection, 0);
    EXPECT_EQ(prendre(p, 0).type, TypePrise::Lachee);
    EXPECT_EQ(p.selection, -1);
    prendre(p, 3);
    r = prendre(p, 0); // no match
    EXPECT_EQ(r.type, TypePrise::Refus);
    EXPECT_EQ(r.ancienne, 3);
    EXPECT_EQ(r.i, 0);
    EXPECT_EQ(p.selection, 0);

    avancer(p, 4000);
    r = prendre(p, 2);
    ASSERT_EQ(r.type, TypePrise::PaireFaite);
    EXPECT_EQ(r.a, 0);
    EXPECT_EQ(r.b, 2);
    EXPECT_EQ(r.points, 200);
    EXPECT_EQ(r.combo, 1);
    EXPECT_EQ(p.tempsMs, 8000);
    EXPECT_EQ(p.dernierRetrait, 4000);
    EXPECT_FALSE(p.temoin.has_value());

    // 3 and 6 share neither row nor column; 6 and 11 end a clear row.
    prendre(p, 3);
    EXPECT_EQ(prendre(p, 6).type, TypePrise::Refus);
    avancer(p, 2999);
    r = prendre(p, 11);
    ASSERT_EQ(r.type, TypePrise::PaireFaite);
    EXPECT_EQ(r.combo, 2);
    EXPECT_EQ(r.points, 400);
    EXPECT_EQ(p.score, 600);
    EXPECT_EQ(p.tempsMs, 7001);
    EXPECT_EQ(p.restantes, 2);

    // 3000 ms later the chain is broken; the pair follows its row's rotation.
    avancer(p, 3000);
    ASSERT_TRUE(glisserRang(p, 0, -1));
    EXPECT_EQ(p.tempsMs, 3001);
    prendre(p, 2);
    r = prendre(p, 4);
    ASSERT_EQ(r.type, TypePrise::PaireFaite);
    EXPECT_EQ(r.combo, 1);
    EXPECT_EQ(p.score, 800);
    EXPECT_EQ(p.etat, Etat::Gagne);
}

TEST(Glissant, FinDePartie) {
    Partie p = partieSur(depuis(4, 1, {3, -1, -1, 3}), 20000);
    prendre(p, 0);
    const Prise r = prendre(p, 3);
    EXPECT_EQ(r.type, TypePrise::PaireFaite);
    EXPECT_EQ(p.tempsMs, 20000); // never beyond the starting time
    EXPECT_EQ(p.etat, Etat::Gagne);
    EXPECT_EQ(prendre(p, 0).type, TypePrise::Fini);
    EXPECT_FALSE(glisserRang(p, 0, 1));
    EXPECT_FALSE(avancer(p, 100));
    EXPECT_FALSE(melanger(p));

    Partie q = partieSur(depuis(4, 1, {3, -1, -1, 3}), 1000);
    EXPECT_FALSE(glisserRang(q, 1, 1));
    EXPECT_FALSE(glisserRang(q, 0, 0));
    EXPECT_TRUE(glisserRang(q, 0, 1)); // with 1000 ms left, a rotation ends the game
    EXPECT_EQ(q.tempsMs, 0);
    EXPECT_EQ(q.etat, Etat::Temps);
    EXPECT_EQ(q.glisses, 1);

    Partie t = partieSur(depuis(4, 1, {3, -1, -1, 3}), 1000);
    EXPECT_FALSE(avancer(t, -500));
    EXPECT_FALSE(avancer(t, 999));
    EXPECT_TRUE(avancer(t, 1));
    EXPECT_EQ(t.etat, Etat::Temps);
    EXPECT_FALSE(avancer(t, 1));
}

TEST(Glissant, LaSelectionSuitSonRang) {
    Partie p = partieSur(depuis(3, 2, {1, 2, 3, 4, 5, 6}));
    prendre(p, 5);
    glisserRang(p, 1, 1);
    EXPECT_EQ(p.selection, 3);
    EXPECT_EQ(p.gr.cases[3], 6);
    glisserRang(p, 1, -1);
    EXPECT_EQ(p.selection, 5);
    glisserRang(p, 0, 1);
    EXPECT_EQ(p.selection, 5);
    EXPECT_EQ(p.tempsMs, 147000);
}

TEST(Glissant, Melanger) {
    auto p = creerPartie();
    ASSERT_TRUE(p.has_value());
    const auto& paire = paires(p->gr);
    ASSERT_FALSE(paire.empty());
    prendre(*p, paire[0][0]);
    prendre(*p, paire[0][1]);
    prendre(*p, std::find_if(p->gr.cases.begin(), p->gr.cases.end(), [](int m) { return m >= 0; }) -
                    p->gr.cases.begin());
    std::vector<int> avant = p->gr.cases;
    ASSERT_TRUE(melanger(*p));
    EXPECT_EQ(p->selection, -1);
    ASSERT_TRUE(p->temoin.has_value());
    EXPECT_TRUE(verifier(p->gr, *p->temoin));
    std::vector<int> apres = p->gr.cases;
    std::sort(avant.begin(), avant.end());
    std::sort(apres.begin(), apres.end());
    EXPECT_EQ(avant, apres);
    EXPECT_EQ(p->restantes, 58);

    // An odd family cannot be re-paired: the game is left exactly as it was.
    Partie q = partieSur(depuis(3, 1, {3, 3, 3}));
    q.rng = alea::creer(8);
    q.selection = 1;
    EXPECT_FALSE(melanger(q));
    EXPECT_EQ(q.rng, alea::creer(8));
    EXPECT_EQ(q.selection, 1);
    EXPECT_EQ(q.gr.cases, (std::vector<int>{3, 3, 3}));
}

TEST(Glissant, CurseurEtPremiereTuile) {
    const Grille gr = depuis(3, 2, {-1, -1, 4, 4, -1, -1});
    EXPECT_EQ(voisine(gr, 0, -1, 0), 2); // left of x = 0: x = 2 of the same row
    EXPECT_EQ(voisine(gr, 2, 1, 0), 0);
    EXPECT_EQ(voisine(gr, 1, 0, -1), 4); // above the top row: the bottom row
    EXPECT_EQ(voisine(gr, 4, 0, 1), 1);
    EXPECT_EQ(voisine(gr, 4, 1, 0), 5);
    EXPECT_EQ(voisine(gr, 6, 1, 0), -1);
    EXPECT_EQ(voisine(gr, -1, 1, 0), -1);
    EXPECT_EQ(premiere(gr), 2);
    EXPECT_EQ(premiere(grille(3, 2)), -1);
}

TEST(Glissant, ComboCourantEtReprise) {
    // A tile stays so that the clock keeps running.
    Partie p = partieSur(depuis(6, 1, {3, 3, 5, 5, 7, 7}), 5000);
    EXPECT_EQ(comboCourant(p), 1);
    prendre(p, 0);
    prendre(p, 1);
    avancer(p, 1000);
    prendre(p, 2);
    prendre(p, 3);
    EXPECT_EQ(comboCourant(p), 2);
    avancer(p, 2999);
    EXPECT_EQ(comboCourant(p), 2);
    avancer(p, 1);
    EXPECT_EQ(comboCourant(p), 1);

    Partie q = partieSur(depuis(4, 1, {3, -1, -1, 3}), 3000);
    q.score = 800;
    EXPECT_FALSE(reprendre(q)); // only after the time ran out
    glisserRang(q, 0, 1);
    glisserRang(q, 0, 1);
    avancer(q, 1000);
    ASSERT_EQ(q.etat, Etat::Temps);
    ASSERT_TRUE(reprendre(q));
    EXPECT_EQ(q.etat, Etat::Jeu);
    EXPECT_EQ(q.tempsMs, 3000);
    EXPECT_EQ(q.score, 0);
    EXPECT_EQ(q.gr.cases, (std::vector<int>{-1, 3, 3, -1}));
}

TEST(Glissant, GrillesDUneCourse) {
    EXPECT_EQ(pairesDuNiveau(0), 18);
    EXPECT_EQ(pairesDuNiveau(1), 24);
    EXPECT_EQ(pairesDuNiveau(2), 30);
    EXPECT_EQ(pairesDuNiveau(3), 36);
    EXPECT_EQ(pairesDuNiveau(4), 36);
    EXPECT_EQ(pairesDuNiveau(-2), 18);

    auto premiere = creerNiveau(0, 5, -1);
    ASSERT_TRUE(premiere.has_value());
    EXPECT_EQ(premiere->restantes, 36);
    EXPECT_EQ(premiere->tempsMs, 150000);
    EXPECT_EQ(premiere->gr.l * premiere->gr.h, 84);
    auto cinquieme = creerNiveau(4, 5, 0);
    ASSERT_TRUE(cinquieme.has_value());
    EXPECT_EQ(cinquieme->restantes, 72);
    EXPECT_EQ(cinquieme->tempsMs, 30000);
    // The time carried over gains 30 s, never beyond the full stick.
    EXPECT_EQ(creerNiveau(1, 5, 100000)->tempsMs, 130000);
    EXPECT_EQ(creerNiveau(1, 5, 140000)->tempsMs, 150000);
    EXPECT_EQ(creerNiveau(1, 5, 140000)->tempsMax, 150000);
    // Same level and seed, same grid.
    EXPECT_EQ(creerNiveau(2, "lune", -1)->gr, creerNiveau(2, "lune", -1)->gr);

    premiere->horloge = 41000;
    EXPECT_EQ(graineSuivante(*premiere, 2), alea::Graine(41000 + 2 * 7919));
}

TEST(Glissant, MoinsDePairesQuandLaDonneEchoue) {
    // Three pairs never fit on four cells: the run falls back to two.
    Course petite;
    petite.largeur = 2;
    petite.hauteur = 2;
    petite.pairesDepart = 3;
    petite.pairesEnMoins = 1;
    petite.pairesMin = 2;
    auto p = creerNiveau(0, 9, -1, petite);
    ASSERT_TRUE(p.has_value());
    EXPECT_EQ(p->restantes, 4);
    petite.pairesMin = 3;
    EXPECT_FALSE(creerNiveau(0, 9, -1, petite).has_value());
}
