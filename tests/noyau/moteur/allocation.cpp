// The free-tile test runs tens of thousands of times per deal and per solver
// search: it must never touch the heap. Every allocation of this test program
// is counted so that a change which makes it allocate fails here.

#include "moteur/dispositions.h"
#include "moteur/generation.h"
#include "moteur/solveur.h"

#include <atomic>
#include <cstdlib>
#include <gtest/gtest.h>
#include <new>

namespace {
std::atomic<long> allocations{0};
}

void* operator new(std::size_t n) {
    ++allocations;
    if (void* p = std::malloc(n ? n : 1)) return p;
    throw std::bad_alloc();
}
// The library's temporary buffers (std::stable_sort) come from the nothrow
// form and go back through the plain delete: both must be ours, or an
// AddressSanitizer build sees the sanitizer's new freed by our free.
void* operator new(std::size_t n, const std::nothrow_t&) noexcept {
    ++allocations;
    return std::malloc(n ? n : 1);
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete(void* p, const std::nothrow_t&) noexcept {
    std::free(p);
}

TEST(Allocation, LibreNAlloueRien) {
    const auto donne = generation::generer(dispositions::LISTE[0], 3);
    ASSERT_TRUE(donne.has_value());
    const pile::Geometrie& g = *donne->g;
    pile::Presence present = donne->present;
    std::vector<int> sortie;
    sortie.reserve(g.n);
    int libresVus = 0;
    const long avant = allocations.load();
    for (const auto& pas : donne->solution) {
        for (int i = 0; i < g.n; ++i)
            libresVus += pile::libre(g, present, i) ? 1 : 0;
        pile::libres(g, present, sortie);
        present[pas[0]] = 0;
        present[pas[1]] = 0;
    }
    EXPECT_EQ(allocations.load(), avant);
    EXPECT_GT(libresVus, 0);
}

// A search allocates only when one of its stacks or its seen set outgrows its
// room, a few dozen times over thousands of nodes; never once per node.
TEST(Allocation, RechercheSansAllocationParNoeud) {
    const auto donne = generation::generer(dispositions::LISTE[0], 2);
    ASSERT_TRUE(donne.has_value());
    const long avant = allocations.load();
    const solveur::Reponse r =
        solveur::chercherAvec(*donne->g, donne->motifs, donne->present, 20000);
    const long faites = allocations.load() - avant;
    EXPECT_EQ(r.noeuds, 20000); // the whole budget spent, no way found
    EXPECT_LT(faites, 100);
}
