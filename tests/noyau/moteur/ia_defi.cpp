#include "moteur/defi.h"
#include "moteur/ia.h"
#include "moteur/tuiles.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

partie::Partie nouvelle(const dispositions::Disposition& d, int graine) {
    partie::Options o;
    o.disposition = d;
    o.graine = graine;
    return *partie::creer(o);
}

} // namespace

TEST(IA, CreationEtDelai) {
    EXPECT_EQ(ia::creer(5, 1).niveau, 2);
    EXPECT_EQ(ia::creer(-1, 1).niveau, 0);
    const ia::IA lanterne = ia::creer(1, 7);
    EXPECT_EQ(lanterne.attente, 1300);
    EXPECT_EQ(lanterne.rng, alea::creer(7)); // the first wait draws nothing
    EXPECT_STREQ(ia::NIVEAUX[2].nom, "DRAGON KITE");

    ia::IA a = ia::creer(0, 3);
    for (int k = 0; k < 500; ++k) {
        alea::Alea copie = a.rng;
        const double x = 2200 + (2 * alea::reel(copie) - 1) * 800;
        const std::int64_t d = ia::delai(a);
        EXPECT_EQ(d, static_cast<std::int64_t>(std::floor(x + 0.5)));
        EXPECT_GE(d, 150);
        EXPECT_LE(d, 3000);
    }
}

TEST(IA, LeDragonNeSeTrompeJamais) {
    partie::Partie p = nouvelle(dispositions::DUEL[1], 11);
    ia::IA dragon = ia::creer(2, 28);
    int paires = 0;
    for (int frame = 0; frame < 20000 && p.etat == partie::Etat::Jeu; ++frame) {
        const auto actions = ia::pas(dragon, p, 10000);
        EXPECT_LE(actions.size(), 4u);
        for (const auto& a : actions) {
            EXPECT_FALSE(a.mix);
            EXPECT_NE(a.resultat.type, partie::TypeResultat::Refus);
            paires += a.resultat.type == partie::TypeResultat::PaireFaite ? 1 : 0;
        }
        partie::avancer(p, 16);
    }
    EXPECT_EQ(p.etat, partie::Etat::Gagne);
    EXPECT_EQ(paires, 53);
}

TEST(IA, LeLampionSeTrompeUneFoisSurSept) {
    partie::Partie p = nouvelle(dispositions::LISTE[0], 2);
    ia::IA lampion = ia::creer(0, 99);
    int erreurs = 0;
    const int essais = 4000;
    for (int k = 0; k < essais; ++k) {
        const auto paire = ia::choisir(lampion, p);
        ASSERT_TRUE(paire.has_value());
        erreurs += tuiles::vaAvec(p.motifs[(*paire)[0]], p.motifs[(*paire)[1]]) ? 0 : 1;
    }
    // 15 in 100, a little less since some tries find no wrong pair.
    EXPECT_GT(erreurs, essais * 11 / 100);
    EXPECT_LT(erreurs, essais * 17 / 100);
}

TEST(IA, PasDeuxTuilesPuisUnePause) {
    partie::Partie p = nouvelle(dispositions::LISTE[3], 5);
    ia::IA lanterne = ia::creer(1, 4);
    EXPECT_TRUE(ia::pas(lanterne, p, 1299).empty());
    auto actions = ia::pas(lanterne, p, 1);
    ASSERT_EQ(actions.size(), 1u);
    EXPECT_EQ(actions[0].resultat.type, partie::TypeResultat::Prise);
    EXPECT_EQ(lanterne.attente, 300);
    EXPECT_EQ(lanterne.curseur, actions[0].prise);
    actions = ia::pas(lanterne, p, 300);
    ASSERT_EQ(actions.size(), 1u);
    EXPECT_FALSE(lanterne.cible.has_value());
    EXPECT_GE(lanterne.attente, 800);
    EXPECT_EQ(p.selection, -1);
    // A tile the player left picked is dropped before the AI's own pick.
    const int laissee = pile::libres(*p.g, p.present).back();
    partie::prendre(p, laissee);
    ASSERT_EQ(p.selection, laissee);
    actions = ia::pas(lanterne, p, 10000);
    ASSERT_FALSE(actions.empty());
    EXPECT_LE(actions.size(), 4u);
    EXPECT_EQ(actions[0].resultat.type, partie::TypeResultat::Prise);
    // Nothing happens once the stack is over.
    p.etat = partie::Etat::Temps;
    EXPECT_TRUE(ia::pas(lanterne, p, 10000).empty());
}

TEST(IA, MixSurUnePileBloquee) {
    partie::Options o;
    o.disposition = {"ESSAI IA BLOQUE", {{"######"}}};
    o.graine = 1;
    o.tempsMs = 31000;
    o.aides = partie::Aides{3, 0, 1};
    partie::Partie p = *partie::creer(o);
    const std::vector<int> bloques = {4, 5, 4, 5, 6, 6};
    p.motifs = bloques;
    partie::etatApres(p);
    ASSERT_EQ(p.etat, partie::Etat::Bloque);
    ia::IA a = ia::creer(1, 2);
    auto actions = ia::pas(a, p, 1300);
    ASSERT_FALSE(actions.empty());
    EXPECT_TRUE(actions[0].mix);
    EXPECT_TRUE(actions[0].melange.ok);
    EXPECT_EQ(actions[0].melange.cout, 0); // the free MIX
    // Blocked again: now it costs 15 s.
    p.motifs = bloques;
    p.selection = -1;
    a.cible.reset();
    partie::etatApres(p);
    a.attente = 0;
    actions = ia::pas(a, p, 0);
    ASSERT_FALSE(actions.empty());
    EXPECT_EQ(actions[0].melange.cout, 15000);
    EXPECT_EQ(p.tempsMs, 16000);
    // With 15 s or less left the MIX fails and the AI waits before trying again.
    p.motifs = bloques;
    p.selection = -1;
    a.cible.reset();
    p.tempsMs = 15000;
    partie::etatApres(p);
    a.attente = 0;
    actions = ia::pas(a, p, 0);
    ASSERT_EQ(actions.size(), 1u);
    EXPECT_FALSE(actions[0].melange.ok);
    EXPECT_GE(a.attente, 800);
    EXPECT_TRUE(ia::pas(a, p, 100).empty());
}

TEST(Defi, DateUtc) {
    const auto d = defi::date(2026, 12, 8);
    ASSERT_TRUE(d.has_value());
    EXPECT_EQ(defi::jour(*d), "20261208");
    EXPECT_EQ(defi::jour(*d + 86399999), "20261208");
    EXPECT_EQ(defi::jour(*d + 86400000), "20261209");
    EXPECT_EQ(defi::graine(*d), 20261208);
    EXPECT_EQ(defi::disposition(*d, 12), 0);
    EXPECT_EQ(defi::disposition(*defi::date(2026, 12, 9), 12), 1);
    EXPECT_EQ(defi::jour(0), "19700101");
    EXPECT_EQ(defi::jour(-1), "19691231");
    EXPECT_EQ(defi::jour(*defi::date(2024, 2, 29)), "20240229");
    EXPECT_EQ(defi::jour(*defi::date(2000, 3, 1) - 1), "20000229");
    EXPECT_FALSE(defi::date(2026, 2, 29).has_value());
    EXPECT_FALSE(defi::date(2100, 2, 29).has_value());
    EXPECT_FALSE(defi::date(2026, 13, 1).has_value());
    EXPECT_FALSE(defi::date(2026, 4, 31).has_value());
    EXPECT_EQ(defi::jour(defi::maintenant()).size(), 8u);
}
