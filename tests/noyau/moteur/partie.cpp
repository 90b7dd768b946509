#include "moteur/partie.h"

#include "moteur/horloge.h"
#include "moteur/tuiles.h"

#include <gtest/gtest.h>

using namespace partie;

namespace {

Partie nouvelle(std::size_t liste, int graine) {
    Options o;
    o.disposition = dispositions::LISTE[liste];
    o.graine = graine;
    return *creer(o);
}

// A game on a small shape with motifs chosen by the test; the witness is
// whatever the solver finds for them.
Partie sur(const std::string& nom, const pile::Forme& forme, const std::vector<int>& motifs,
           std::int64_t temps = 100000) {
    Options o;
    o.disposition = {nom, forme};
    o.graine = 1;
    o.tempsMs = temps;
    Partie p = *creer(o);
    p.motifs = motifs;
    const auto r = solveur::resoudre(*p.g, p.motifs, p.present, 6000);
    if (r.soluble == true)
        p.temoin = r.chemin;
    else
        p.temoin.reset();
    etatApres(p);
    return p;
}

Resultat jouer(Partie& p, const Paire& paire) {
    prendre(p, paire[0]);
    return prendre(p, paire[1]);
}

// Flowers and seasons: 34..37 pair with each other, as 38..41 do.
constexpr int F1 = 34, F2 = 35, T1 = 38, T2 = 39;

} // namespace

TEST(Partie, Creation) {
    const Partie p = nouvelle(2, 4);
    EXPECT_EQ(p.disposition, "INCENSE BURNER");
    EXPECT_EQ(p.tempsMs, 197000);
    EXPECT_EQ(p.tempsMax, 197000);
    EXPECT_EQ(p.combo, 1);
    EXPECT_EQ(p.aides.hint, 3);
    EXPECT_EQ(p.aides.mix, 2);
    EXPECT_EQ(p.aides.peek, 1);
    EXPECT_EQ(p.etat, Etat::Jeu);
    EXPECT_EQ(p.restantes, 154);
    EXPECT_EQ(p.stats.comboMax, 1);
    const std::int64_t attendus[] = {230000, 210000, 197000, 207000, 213000, 175000,
                                     214000, 197000, 183000, 176000, 207000, 216000};
    for (std::size_t k = 0; k < 12; ++k)
        EXPECT_EQ(nouvelle(k, 1).tempsMax, attendus[k]);
    Options o;
    o.disposition = dispositions::DUEL[1];
    o.graine = 3;
    o.tempsMs = 180000;
    o.undo = false;
    o.aides = Aides{0, 1, 0};
    const auto duel = creer(o);
    ASSERT_TRUE(duel);
    EXPECT_EQ(duel->tempsMs, 180000);
    EXPECT_FALSE(duel->undo);
    EXPECT_EQ(duel->aides.mix, 1);
    o.disposition = {"CASSEE", {{"#"}, {"#"}}};
    EXPECT_FALSE(creer(o).has_value());
}

TEST(Partie, Prises) {
    Partie p = nouvelle(0, 9);
    const Paire premier = p.temoin->front();
    // A tile covered from above cannot be picked, and the selection stays.
    int couverte = -1;
    for (int i = 0; i < p.g->n && couverte < 0; ++i)
        if (!libre(p, i)) couverte = i;
    prendre(p, premier[0]);
    Resultat r = prendre(p, couverte);
    EXPECT_EQ(r.type, TypeResultat::Bloquee);
    EXPECT_EQ(r.i, couverte);
    EXPECT_EQ(p.selection, premier[0]);
    EXPECT_EQ(prendre(p, -4).type, TypeResultat::Bloquee);
    EXPECT_EQ(prendre(p, 5000).type, TypeResultat::Bloquee);
    EXPECT_EQ(prendre(p, premier[0]).type, TypeResultat::Lachee);
    // A free tile of another family is refused and becomes the selection.
    int autre = -1;
    for (int i = 0; i < p.g->n && autre < 0; ++i)
        if (libre(p, i) && famille(p, i) != famille(p, premier[0])) autre = i;
    prendre(p, premier[0]);
    r = prendre(p, autre);
    EXPECT_EQ(r.type, TypeResultat::Refus);
    EXPECT_EQ(r.ancienne, premier[0]);
    EXPECT_EQ(p.selection, autre);
    prendre(p, autre);
    r = jouer(p, premier);
    ASSERT_EQ(r.type, TypeResultat::PaireFaite);
    EXPECT_EQ(r.points, 200);
    EXPECT_EQ(p.restantes, 218);
    EXPECT_EQ(p.selection, -1);
    // The witness loses its first step and stays valid.
    EXPECT_EQ(p.temoin->size(), 109u);
    EXPECT_TRUE(solveur::verifierDepuis(*p.g, p.motifs, p.present, *p.temoin));
}

TEST(Partie, CombosJumellesEtFever) {
    Partie p = nouvelle(0, 21);
    avancer(p, 100000);
    const Chemin t = *p.temoin;
    Resultat r = jouer(p, t[0]);
    EXPECT_EQ(r.combo, 1);
    avancer(p, 2999);
    const bool jumelle = famille(p, t[1][0]) == famille(p, t[0][0]);
    r = jouer(p, t[1]);
    EXPECT_EQ(r.combo, 2);
    EXPECT_EQ(r.points, jumelle ? 700 : 400);
    EXPECT_EQ(r.jumelle, jumelle);
    avancer(p, 3000);
    r = jouer(p, t[2]);
    EXPECT_EQ(r.combo, 1);
    EXPECT_EQ(comboCourant(p), 1);

    // Ten quick removals: 1..9, then 9 again, both of the last with fever.
    avancer(p, 5000);
    for (int k = 0; k < 10; ++k) {
        const std::int64_t avant = p.tempsMs;
        const int famillePrecedente = p.derniereFamille;
        r = jouer(p, p.temoin->front());
        ASSERT_EQ(r.type, TypeResultat::PaireFaite);
        const int combo = std::min(k + 1, 9);
        EXPECT_EQ(r.combo, combo);
        EXPECT_EQ(comboCourant(p), combo);
        EXPECT_EQ(r.jumelle, famille(p, r.a) == famillePrecedente);
        EXPECT_EQ(r.points, 200 * combo + (r.jumelle ? 300 : 0));
        const std::int64_t bonus = 2000 + (combo >= 3 ? 1000 : 0) + (combo == 9 ? 3000 : 0);
        EXPECT_EQ(r.bonusMs, std::min(bonus, p.tempsMax - avant));
        EXPECT_EQ(r.fever, combo == 9);
        avancer(p, 100);
    }
    EXPECT_EQ(p.stats.comboMax, 9);
    EXPECT_EQ(p.stats.paires, 13);
    avancer(p, 3000);
    EXPECT_EQ(comboCourant(p), 1);
}

TEST(Partie, JumellesDeFleurs) {
    // Four tiles in a row, two flowers then two seasons at the ends.
    Partie p = sur("ESSAI FLEURS", {{"##..##"}}, {F1, T1, T2, F2});
    Resultat r = jouer(p, {0, 3});
    EXPECT_FALSE(r.jumelle);
    Partie q = sur("ESSAI FLEURS 2", {{"#.#.#.#"}}, {F1, F2, T1, 36});
    jouer(q, {0, 1});
    r = jouer(q, {2, 3}); // different flowers right after a flower pair? no: a season
    EXPECT_FALSE(r.jumelle);
    Partie s = sur("ESSAI FLEURS 3", {{"#.#.#.#"}}, {F1, F2, 36, 37});
    jouer(s, {0, 1});
    r = jouer(s, {2, 3});
    EXPECT_TRUE(r.jumelle);
    EXPECT_EQ(r.points, 700);
    EXPECT_EQ(s.etat, Etat::Gagne);
    EXPECT_EQ(prendre(s, 0).type, TypeResultat::Fini);
}

TEST(Partie, Annuler) {
    Partie p = nouvelle(4, 2);
    avancer(p, p.tempsMax - 58000); // 58000 ms left
    const std::int64_t score = p.score;
    const Chemin temoin = *p.temoin;
    Resultat r = jouer(p, temoin[0]);
    EXPECT_EQ(r.bonusMs, 2000);
    EXPECT_EQ(p.tempsMs, 60000);
    ASSERT_TRUE(annuler(p));
    EXPECT_EQ(p.tempsMs, 53000);
    EXPECT_EQ(p.score, score);
    EXPECT_EQ(p.combo, 1);
    EXPECT_EQ(p.dernierRetrait, -1);
    EXPECT_EQ(p.restantes, 186);
    EXPECT_EQ(*p.temoin, temoin);
    EXPECT_EQ(p.stats.undo, 1);
    EXPECT_EQ(p.stats.paires, 1); // an undo does not lower it
    EXPECT_FALSE(annuler(p));     // history empty

    avancer(p, 52000); // 1000 ms left
    r = jouer(p, temoin[0]);
    EXPECT_EQ(p.tempsMs, 3000);
    ASSERT_TRUE(annuler(p));
    EXPECT_EQ(p.tempsMs, 1); // never empties the clock

    jouer(p, temoin[0]);
    EXPECT_TRUE(avancer(p, 5000));
    EXPECT_FALSE(annuler(p)); // out of time

    Options o;
    o.disposition = dispositions::DUEL[0];
    o.graine = 5;
    o.undo = false;
    Partie sans = *creer(o);
    jouer(sans, sans.temoin->front());
    EXPECT_FALSE(annuler(sans));
}

TEST(Partie, Horloge) {
    Partie p = sur("ESSAI HORLOGE", {{"##"}}, {3, 3}, 10);
    prendre(p, 0);
    EXPECT_TRUE(avancer(p, 16));
    EXPECT_EQ(p.tempsMs, 0);
    EXPECT_EQ(p.etat, Etat::Temps);
    EXPECT_EQ(p.selection, -1);
    EXPECT_FALSE(avancer(p, 16));
    EXPECT_EQ(p.horloge, 16);
    EXPECT_EQ(prendre(p, 0).type, TypeResultat::Fini);
}

TEST(Partie, BonusDeFin) {
    Partie p = nouvelle(5, 1);
    p.tempsMs = 12999;
    p.aides = {2, 1, 1};
    const BonusFin b = bonusFin(p);
    EXPECT_EQ(b.temps, 1200);
    EXPECT_EQ(b.aides, 1800);
    EXPECT_EQ(b.total, 3000);
}

TEST(Partie, Voisine) {
    // Three free tiles on the cell grid: right, down-right, left.
    Partie p = sur("ESSAI CURSEUR", {{"#.#", "...#", "", "#"}}, {1, 1, 2, 2});
    // Places: 0 (0,0), 1 (4,0), 2 (6,2), 3 (0,6).
    EXPECT_EQ(voisine(p, 0, 1, 0), 1);
    EXPECT_EQ(voisine(p, 0, 0, 1), 3);
    EXPECT_EQ(voisine(p, 1, 0, 1), 2);
    EXPECT_EQ(voisine(p, 0, -1, 0), -1);
    EXPECT_EQ(voisine(p, 0, 0, 0), -1);
    EXPECT_EQ(voisine(p, -1, 1, 0), -1);
}

TEST(Aides, IndiceSurLaDonne) {
    Partie p = nouvelle(1, 12);
    const auto paire = indice(p);
    ASSERT_TRUE(paire.has_value());
    EXPECT_EQ(*paire, p.temoin->front());
    EXPECT_EQ(p.aides.hint, 2);
    EXPECT_EQ(p.stats.hint, 1);
    p.aides.hint = 0;
    EXPECT_FALSE(indice(p).has_value());
    EXPECT_EQ(p.stats.hint, 1);

    // Blocked: A B A B in a row, only the ends free.
    Partie b = sur("ESSAI BLOQUE", {{"####"}}, {4, 5, 4, 5});
    EXPECT_EQ(b.etat, Etat::Bloque);
    EXPECT_FALSE(indice(b).has_value());
    EXPECT_EQ(b.aides.hint, 3);
}

TEST(Aides, TemoinPerduPuisRetrouve) {
    // Find a first move off the witness that the repair cannot mend.
    std::optional<Partie> trouvee;
    for (int graine = 1; graine < 200 && !trouvee; ++graine) {
        const Partie p0 = nouvelle(static_cast<std::size_t>(graine % 12), graine);
        for (const Paire& m : paires(p0)) {
            Partie p = p0;
            jouer(p, m);
            if (!p.temoin && p.etat == Etat::Jeu) {
                trouvee = p;
                break;
            }
        }
    }
    ASSERT_TRUE(trouvee.has_value());
    Partie p = *trouvee;
    ASSERT_TRUE(p.guide.has_value());
    // A clock that jumps 10 ms per reading: every slice ends at once.
    std::int64_t maintenant = 0;
    horloge::remplacer([&maintenant] { return maintenant += 10; });
    EXPECT_FALSE(temoinRapide(p).has_value());
    EXPECT_TRUE(p.travail.has_value());
    const auto conseil = indice(p);
    ASSERT_TRUE(conseil.has_value());
    EXPECT_EQ(*conseil, solveur::coups(*p.g, p.motifs, p.present).liste.front());
    horloge::remplacer([&maintenant] { return maintenant; }); // time stands still
    travailler(p, 2);
    horloge::remplacer(nullptr);
    ASSERT_TRUE(p.temoin.has_value());
    EXPECT_FALSE(p.travail.has_value());
    EXPECT_TRUE(solveur::verifierDepuis(*p.g, p.motifs, p.present, *p.temoin));
}

TEST(Aides, SansTemoinPossible) {
    // Two pairs crossed on two towers: no way out.
    Partie p = sur("ESSAI CROISE", {{"#..#"}, {"#..#"}}, {4, 5, 5, 4});
    EXPECT_FALSE(p.temoin.has_value());
    p.etat = Etat::Jeu;
    travailler(p, 1000);
    EXPECT_EQ(p.sansTemoin, solveur::cle(p.present));
    EXPECT_FALSE(p.travail.has_value());
    travailler(p, 1000); // remembered: no new search
    EXPECT_FALSE(p.travail.has_value());
    EXPECT_FALSE(paireConseillee(p).has_value());
}

TEST(Aides, Melanger) {
    // With aids, on a blocked stack: an aid is spent, not the free MIX.
    Partie p = sur("ESSAI MIX", {{"######"}}, {4, 5, 4, 5, 6, 6}, 40000);
    ASSERT_EQ(p.etat, Etat::Bloque);
    Melange m = melanger(p);
    ASSERT_TRUE(m.ok);
    EXPECT_EQ(m.cout, 0);
    EXPECT_EQ(m.ancien, (std::vector<int>{4, 5, 4, 5, 6, 6}));
    EXPECT_EQ(p.aides.mix, 1);
    EXPECT_TRUE(p.mixGratuit);
    EXPECT_EQ(p.stats.mix, 1);
    EXPECT_TRUE(solveur::verifierDepuis(*p.g, p.motifs, p.present, *p.temoin));

    // No aid, blocked: the first is free, the second costs 15 s.
    Partie q = sur("ESSAI MIX", {{"######"}}, {4, 5, 4, 5, 6, 6}, 40000);
    q.aides.mix = 0;
    m = melanger(q);
    ASSERT_TRUE(m.ok);
    EXPECT_EQ(m.cout, 0);
    EXPECT_FALSE(q.mixGratuit);
    q.motifs = {4, 5, 4, 5, 6, 6};
    etatApres(q);
    ASSERT_EQ(q.etat, Etat::Bloque);
    m = melanger(q);
    ASSERT_TRUE(m.ok);
    EXPECT_EQ(m.cout, 15000);
    EXPECT_EQ(q.tempsMs, 25000);

    // No aid, not blocked: 15 s, refused with 15 s or less left.
    Partie r = nouvelle(9, 3);
    r.aides.mix = 0;
    r.tempsMs = 15000;
    EXPECT_FALSE(melanger(r).ok);
    EXPECT_EQ(r.tempsMs, 15000);
    r.tempsMs = 15001;
    m = melanger(r);
    ASSERT_TRUE(m.ok);
    EXPECT_EQ(r.tempsMs, 1);
    EXPECT_TRUE(r.mixGratuit);

    // Nothing can be arranged: impasse, nothing spent.
    Partie t = sur("ESSAI TOUR", {{"#..##"}, {"#"}}, {4, 5, 5, 4});
    t.present = {1, 0, 0, 1};
    t.restantes = 2;
    etatApres(t);
    ASSERT_EQ(t.etat, Etat::Bloque);
    m = melanger(t);
    EXPECT_FALSE(m.ok);
    EXPECT_TRUE(m.impossible);
    EXPECT_EQ(t.etat, Etat::Impasse);
    EXPECT_EQ(t.aides.mix, 2);
    EXPECT_FALSE(melanger(t).ok);
}

TEST(Aides, AnnulerApresMelange) {
    Partie p = nouvelle(8, 44);
    const Chemin t = *p.temoin;
    jouer(p, t[0]);
    const std::vector<int> avant = p.motifs;
    ASSERT_TRUE(melanger(p).ok);
    ASSERT_TRUE(annuler(p));
    // The tiles come back with the motifs they had; the restored witness is
    // checked before use and replaced when the motifs moved under it.
    EXPECT_EQ(p.motifs[t[0][0]], avant[t[0][0]]);
    EXPECT_EQ(p.motifs[t[0][1]], avant[t[0][1]]);
    const auto w = temoin(p);
    if (w) {
        EXPECT_TRUE(solveur::verifierDepuis(*p.g, p.motifs, p.present, *w));
    }
}

TEST(Aides, Apercu) {
    Partie p = nouvelle(6, 1);
    p.tempsMs = 10000;
    EXPECT_EQ(apercu(p), 0);
    p.tempsMs = 10001;
    avancer(p, 0);
    EXPECT_EQ(apercu(p), 2000);
    EXPECT_EQ(p.tempsMs, 1);
    EXPECT_EQ(p.apercuJusqua, p.horloge + 2000);
    EXPECT_EQ(p.aides.peek, 0);
    EXPECT_EQ(p.stats.peek, 1);
    p.tempsMs = 50000;
    EXPECT_EQ(apercu(p), 0);
}

TEST(Aides, Pousser) {
    Partie p = nouvelle(0, 8);
    const std::vector<int> avant = p.motifs;
    const auto tuiles = pousser(p);
    ASSERT_TRUE(tuiles.has_value());
    for (int i : *tuiles)
        EXPECT_NE(p.motifs[i], avant[i]);
    EXPECT_TRUE(solveur::verifierDepuis(*p.g, p.motifs, p.present, *p.temoin));

    // Every step of one family: nothing to swap, twelve tries, then nothing.
    Partie q = sur("ESSAI PANDA", {{"#.#.#.#"}}, {4, 4, 4, 4});
    ASSERT_TRUE(q.temoin.has_value());
    alea::Alea attendu = q.rng;
    for (int k = 0; k < 24; ++k)
        alea::suivant(attendu);
    EXPECT_FALSE(pousser(q).has_value());
    EXPECT_EQ(q.rng, attendu);
    Partie seule = sur("ESSAI PANDA 2", {{"#.#"}}, {4, 4});
    EXPECT_FALSE(pousser(seule).has_value());
}

TEST(Aides, PaireConseillee) {
    Partie p = nouvelle(3, 17);
    EXPECT_EQ(*paireConseillee(p), p.temoin->front());
    p.temoin.reset();
    const auto conseil = paireConseillee(p);
    ASSERT_TRUE(conseil.has_value());
    ASSERT_TRUE(p.temoin.has_value()); // found again with the solver
    EXPECT_EQ(*conseil, p.temoin->front());
}
