#include "moteur/recherche.h"

#include <gtest/gtest.h>

namespace {

// Two layers with half-shifted tiles:
//   layer 0: A(0,0) B(2,0) C(4,0) in a row, D(1,2) half a column right,
//            E(0,4) and F(4,4) apart, H(8,1) half a row down;
//   layer 1: G(2,1) over B and D.
// Free: A, C, E, F, H, G; B is held on both sides and covered, D covered.
enum { A, B, C, D, E, F, G, H };

pile::Geometrie pile2() {
    return pile::construire(
        {{0, 0, 0}, {2, 0, 0}, {4, 0, 0}, {1, 2, 0}, {0, 4, 0}, {4, 4, 0}, {2, 1, 1}, {8, 1, 0}});
}

// A, C and E are one face; F and G two flowers, which pair; the rest alone.
const std::vector<int> MOTIFS = {0, 5, 0, 9, 0, 34, 36, 20};

} // namespace

TEST(Recherche, LOrdreLitLaCoucheDuHautPuisLesRangeesEtLesColonnes) {
    const pile::Geometrie g = pile2();
    EXPECT_EQ(recherche::ordre(g), (std::vector<int>{G, A, B, C, H, D, E, F}));
}

TEST(Recherche, LaTuileLibreSuivantePasseLesBloqueesEtFaitLeTour) {
    const pile::Geometrie g = pile2();
    pile::Presence p(std::size_t(g.n), 1);
    EXPECT_EQ(recherche::suivante(g, p, -1), G); // from nowhere: the top first
    EXPECT_EQ(recherche::suivante(g, p, G), A);
    EXPECT_EQ(recherche::suivante(g, p, A), C); // B is blocked
    EXPECT_EQ(recherche::suivante(g, p, C), H); // the half row comes before the next row
    EXPECT_EQ(recherche::suivante(g, p, H), E); // D is covered
    EXPECT_EQ(recherche::suivante(g, p, F), G); // round again
    EXPECT_EQ(recherche::suivante(g, p, B), C); // from a blocked tile, onwards from it
    EXPECT_EQ(recherche::suivante(g, p, 99), G);
    // With G gone, D is open and the top layer holds nothing free.
    p[G] = 0;
    EXPECT_EQ(recherche::suivante(g, p, -1), A);
    EXPECT_EQ(recherche::suivante(g, p, H), D);
    // The only free tile is found again from itself; none free gives -1.
    pile::Presence seule(std::size_t(g.n), 0);
    seule[E] = 1;
    EXPECT_EQ(recherche::suivante(g, seule, E), E);
    EXPECT_EQ(recherche::suivante(g, pile::Presence(std::size_t(g.n), 0), -1), -1);
    EXPECT_EQ(recherche::suivante(g, pile::Presence{}, -1), -1); // a short list is no stack
}

TEST(Recherche, LePartenaireEstUneTuileLibreDeLaMemeFamille) {
    const pile::Geometrie g = pile2();
    pile::Presence p(std::size_t(g.n), 1);
    EXPECT_EQ(recherche::partenaire(g, p, MOTIFS, A, A), C);
    EXPECT_EQ(recherche::partenaire(g, p, MOTIFS, A, C), E);
    EXPECT_EQ(recherche::partenaire(g, p, MOTIFS, A, E), C); // never the picked tile itself
    EXPECT_EQ(recherche::partenaire(g, p, MOTIFS, F, F), G); // any flower with any flower
    EXPECT_EQ(recherche::partenaire(g, p, MOTIFS, H, H), -1);
    EXPECT_EQ(recherche::partenaire(g, p, MOTIFS, -1, A), -1);
    EXPECT_EQ(recherche::partenaire(g, p, MOTIFS, 42, A), -1);
    EXPECT_EQ(recherche::partenaire(g, p, {0, 0}, A, A), -1);
    // A partner that is not free is passed over.
    p[E] = 0;
    p[C] = 0;
    EXPECT_EQ(recherche::partenaire(g, p, MOTIFS, A, A), -1);
}
