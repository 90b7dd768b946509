#include "commun/moteur/alea.h"
#include "moteur/tuiles.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>

using namespace alea;

namespace {

Alea avance(Alea g, int tirages) {
    for (int k = 0; k < tirages; ++k)
        suivant(g);
    return g;
}

} // namespace

TEST(Alea, ValeursDeReference) {
    EXPECT_EQ(brasser(1), 0x514e28b7u);
    EXPECT_EQ(brasser(0), 0x9e3779b9u);
    EXPECT_EQ(graineTexte(std::string("abc")), 0x1a47e90bu);

    Alea g = creer(1);
    EXPECT_EQ(g.s, 0x514e28b7u);
    EXPECT_EQ(suivant(g), 524866043u);
    EXPECT_EQ(suivant(g), 2877414208u);
    EXPECT_EQ(suivant(g), 2380002740u);

    Alea h = creer(1);
    const unsigned attendus[] = {0, 4, 3, 3, 5};
    for (unsigned a : attendus)
        EXPECT_EQ(entier(h, 6), a);
}

TEST(Alea, Mul32EgaleLeProduitTronque) {
    const std::uint32_t valeurs[] = {0u,          1u,          0xffffu,     0x10000u,
                                     0x85ebca6bu, 0xc2b2ae35u, 0xffffffffu, 0x12345678u};
    for (auto a : valeurs)
        for (auto b : valeurs)
            EXPECT_EQ(mul32(a, b), static_cast<std::uint32_t>(std::uint64_t(a) * b));
}

TEST(Alea, GrainesNumeriquesEtTextes) {
    // Truncated toward zero, then modulo 2^32, as a JSON number would be.
    EXPECT_EQ(creer(1.9).s, creer(1).s);
    EXPECT_EQ(creer(-1.5).s, creer(-1).s);
    EXPECT_EQ(creer(-1).s, brasser(0xffffffffu));
    EXPECT_EQ(creer(4294967297.0).s, creer(1).s);
    EXPECT_EQ(creer(Graine()).s, 0x9e3779b9u);
    EXPECT_EQ(creer(std::nan("")).s, 0x9e3779b9u);
    EXPECT_EQ(creer("abc").s, brasser(0x1a47e90bu));
    // Code units, not bytes: "é" is one unit 0xE9, and a character outside the
    // basic plane is two surrogate units.
    EXPECT_EQ(graineTexte(std::string("\xc3\xa9")), graineTexte(std::u16string(u"\u00e9")));
    EXPECT_EQ(graineTexte(std::string("\xf0\x9f\x8f\xae")),
              graineTexte(std::u16string(u"\U0001F3EE")));
    EXPECT_EQ(graineTexte(std::string("\xff")), graineTexte(std::u16string(u"\ufffd")));
}

TEST(Alea, EntierGrandNEtCopie) {
    Alea g = creer(7);
    Alea c = copier(g);
    const std::uint32_t u = suivant(c);
    EXPECT_EQ(entier(g, 67108864u), u >> 6);
    EXPECT_EQ(g, c);
    for (int k = 0; k < 1000; ++k) {
        Alea a = creer(k), b = a;
        const std::uint32_t n = 1 + static_cast<std::uint32_t>(k) * 2003u;
        const std::uint32_t w = suivant(b);
        EXPECT_EQ(entier(a, n), static_cast<std::uint32_t>((std::uint64_t(w) * n) >> 32));
    }
}

TEST(Alea, MelangerEtPondere) {
    Alea g = creer(3);
    std::vector<int> vide, un = {5}, egaux = {2, 2, 2, 2};
    melanger(g, vide);
    melanger(g, un);
    EXPECT_EQ(g, creer(3));
    melanger(g, egaux);
    EXPECT_EQ(g, avance(creer(3), 3));

    std::vector<int> t(50);
    for (int i = 0; i < 50; ++i)
        t[i] = i;
    melanger(g, t);
    std::vector<int> trie = t;
    std::sort(trie.begin(), trie.end());
    for (int i = 0; i < 50; ++i)
        EXPECT_EQ(trie[i], i);

    const std::vector<int> poids = {1, 0, 2};
    std::map<std::size_t, int> vus;
    Alea p = creer(11);
    for (int k = 0; k < 3000; ++k) {
        Alea avant = p;
        ++vus[pondere(p, poids)];
        EXPECT_EQ(p, avance(avant, 1));
    }
    EXPECT_EQ(vus.count(1), 0u);
    EXPECT_GT(vus[2], vus[0]);
    const std::vector<int> nuls = {0, 0};
    EXPECT_EQ(pondere(p, nuls), 1u);
}

TEST(Tuiles, FamillesEtCodes) {
    using namespace tuiles;
    EXPECT_EQ(famille(35), 34);
    EXPECT_EQ(famille(41), 38);
    EXPECT_EQ(famille(33), 33);
    EXPECT_TRUE(vaAvec(34, 37));
    EXPECT_TRUE(vaAvec(39, 40));
    EXPECT_FALSE(vaAvec(33, 34));
    EXPECT_FALSE(vaAvec(37, 38));
    EXPECT_FALSE(vaAvec(-1, -1));
    EXPECT_EQ(id(0), "m1");
    EXPECT_EQ(id(27), "wE");
    EXPECT_EQ(id(41), "t4");
    EXPECT_EQ(id(42), "");
    for (int m = 0; m < NB_MOTIFS; ++m)
        EXPECT_EQ(indice(id(m)), m);
    EXPECT_EQ(indice("x9"), -1);
    EXPECT_EQ(indice(""), -1);
    EXPECT_STREQ(NOMS[suite(31)], "DRAGON");
    EXPECT_STREQ(NOMS[suite(38)], "SEASON");

    const auto jeu = jeuComplet();
    ASSERT_EQ(jeu.size(), 144u);
    EXPECT_EQ(jeu[3], 0);
    EXPECT_EQ(jeu[4], 1);
    EXPECT_EQ(jeu[135], 33);
    EXPECT_EQ(jeu[136], 34);
    EXPECT_EQ(jeu[143], 41);
}

TEST(Tuiles, PairesParLots) {
    using namespace tuiles;
    // One batch costs 36 x 3 draws for the families and 71 for the batch.
    Alea g = creer(5);
    const auto lot = paires(72, g);
    EXPECT_EQ(g, avance(creer(5), 179));
    std::map<int, int> compte;
    for (const Paire& p : lot) {
        EXPECT_TRUE(vaAvec(p[0], p[1]));
        ++compte[p[0]];
        ++compte[p[1]];
    }
    for (int m = 0; m < NB_MOTIFS; ++m)
        EXPECT_EQ(compte[m], m < 34 ? 4 : 1) << m;

    Alea h = creer(5);
    const auto cent10 = paires(110, h);
    EXPECT_EQ(h, avance(creer(5), 358));
    Alea k = creer(5);
    const auto deuxLots = paires(144, k);
    ASSERT_EQ(cent10.size(), 110u);
    EXPECT_TRUE(std::equal(cent10.begin(), cent10.end(), deuxLots.begin()));
    EXPECT_TRUE(std::equal(lot.begin(), lot.end(), cent10.begin()));
    EXPECT_TRUE(paires(0, k).empty());
}

TEST(Tuiles, Regrouper) {
    using namespace tuiles;
    Alea g = creer(9);
    const std::vector<int> motifs = {3, 35, 3, 7, 37, 7, 7, 7};
    const auto r = regrouper(motifs, g);
    ASSERT_TRUE(r.has_value());
    ASSERT_EQ(r->size(), 4u);
    std::vector<int> utilises;
    for (const Paire& p : *r) {
        EXPECT_TRUE(vaAvec(p[0], p[1]));
        utilises.push_back(p[0]);
        utilises.push_back(p[1]);
    }
    std::vector<int> attendus = motifs;
    std::sort(attendus.begin(), attendus.end());
    std::sort(utilises.begin(), utilises.end());
    EXPECT_EQ(utilises, attendus);
    // Families: 3 (1 draw), 34 (1), 7 (3), then the four pairs (3).
    EXPECT_EQ(g, avance(creer(9), 8));

    Alea h = creer(9);
    EXPECT_FALSE(regrouper({3, 3, 4}, h).has_value());
    EXPECT_TRUE(regrouper({}, h)->empty());
}
