#include "borne/galerie.h"
#include "borne/sontest.h"
#include "borne/vitrine.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

QString nomLu(int m) {
    const galerie::Nom n = galerie::nom(m);
    return QString(n.cle).replace("{n}", n.valeurs.value("n").toString());
}

const catalogue::Piste& pisteDe(const char* id) {
    return *catalogue::piste(id);
}

succes::Etat avec(std::initializer_list<const char*> ids) {
    succes::Etat e = succes::etatVide();
    for (const char* id : ids)
        e.debloques.emplace_back(QLatin1String(id), 1000.0);
    return e;
}

} // namespace

TEST(Galerie, NomsEtRegles) {
    EXPECT_EQ(nomLu(0), "CHARACTER 1");
    EXPECT_EQ(nomLu(8), "CHARACTER 9");
    EXPECT_EQ(nomLu(9), "CIRCLE 1");
    // The first bamboo is the panda's; the other bamboos are numbered.
    EXPECT_EQ(nomLu(18), "PANDA BAMBOO");
    EXPECT_EQ(nomLu(19), "BAMBOO 2");
    const QStringList honneurs = {"EAST WIND",  "SOUTH WIND",   "WEST WIND",  "NORTH WIND",
                                  "RED DRAGON", "GREEN DRAGON", "BLUE DRAGON"};
    for (int i = 0; i < honneurs.size(); ++i) {
        EXPECT_EQ(nomLu(27 + i), honneurs[i]);
        EXPECT_TRUE(galerie::nom(27 + i).valeurs.isEmpty());
    }
    EXPECT_EQ(nomLu(34), "FLOWER 1");
    EXPECT_EQ(nomLu(41), "SEASON 4");
    EXPECT_TRUE(galerie::nom(-1).cle.isEmpty());
    EXPECT_TRUE(galerie::nom(42).cle.isEmpty());

    EXPECT_EQ(galerie::regle(33), "PAIRS WITH ITS TWIN");
    EXPECT_EQ(galerie::regle(34), "ANY FLOWER PAIRS WITH ANY FLOWER");
    EXPECT_EQ(galerie::regle(37), "ANY FLOWER PAIRS WITH ANY FLOWER");
    EXPECT_EQ(galerie::regle(38), "ANY SEASON PAIRS WITH ANY SEASON");
    EXPECT_EQ(galerie::regle(41), "ANY SEASON PAIRS WITH ANY SEASON");
    EXPECT_TRUE(galerie::regle(42).isEmpty());
}

TEST(Galerie, LesDeplacementsFontLeTour) {
    EXPECT_EQ(galerie::deplacer(0, "haut"), 28);
    EXPECT_EQ(galerie::deplacer(0, "gauche"), 41);
    EXPECT_EQ(galerie::deplacer(41, "droite"), 0);
    EXPECT_EQ(galerie::deplacer(28, "bas"), 0);
    EXPECT_EQ(galerie::deplacer(13, "droite"), 14); // the end of a row runs on to the next
    EXPECT_EQ(galerie::deplacer(14, "bas"), 28);
    EXPECT_EQ(galerie::deplacer(5, "ok"), -1);
    EXPECT_EQ(galerie::deplacer(5, "hint"), -1);
}

TEST(Galerie, UnAppuiSurUneCase) {
    EXPECT_EQ(galerie::tuileTouchee(26, 40), 0);
    EXPECT_EQ(galerie::tuileTouchee(44.5, 63.5), 0);
    EXPECT_EQ(galerie::tuileTouchee(45, 50), -1); // between two cells
    EXPECT_EQ(galerie::tuileTouchee(50, 50), 1);
    EXPECT_EQ(galerie::tuileTouchee(26, 64), -1); // between two rows
    EXPECT_EQ(galerie::tuileTouchee(26 + 24 * 13, 100), 41);
    EXPECT_EQ(galerie::tuileTouchee(25.9, 40), -1);
    EXPECT_EQ(galerie::tuileTouchee(NAN, 40), -1);
    EXPECT_EQ(galerie::place(15).x, 50);
    EXPECT_EQ(galerie::place(15).y, 70);
}

TEST(SonTest, LignesDesPistes) {
    ASSERT_EQ(sontest::nombre(), 36);
    EXPECT_EQ(sontest::numero(*sontest::piste(0)), "01");
    EXPECT_EQ(sontest::numero(*sontest::piste(35)), "36");
    EXPECT_EQ(sontest::piste(36), nullptr);
    EXPECT_EQ(sontest::piste(-1), nullptr);

    EXPECT_EQ(sontest::genre(pisteDe("titre")), "MUSIC");
    EXPECT_EQ(sontest::genre(pisteDe("victoire")), "JINGLE");
    EXPECT_EQ(sontest::genre(pisteDe("paire_9")), "SOUND");
    EXPECT_EQ(sontest::genre(pisteDe("voix_go")), "VOICE");

    EXPECT_EQ(sontest::duree(pisteDe("titre")), "46.7");
    EXPECT_EQ(sontest::duree(pisteDe("jeu2")), "60.0");
    EXPECT_EQ(sontest::duree(pisteDe("selection")), "0.4");
    EXPECT_EQ(sontest::duree(pisteDe("fin_etape")), "6.9");
}

TEST(SonTest, CanalEtDureeDeJeu) {
    EXPECT_TRUE(sontest::surMusique(pisteDe("titre")));
    EXPECT_TRUE(sontest::surMusique(pisteDe("defaite")));
    EXPECT_FALSE(sontest::surMusique(pisteDe("credit")));
    EXPECT_FALSE(sontest::surMusique(pisteDe("voix_combo")));
    // The shortest effects still show as playing for 400 ms.
    EXPECT_EQ(sontest::dureeJeu(pisteDe("selection")), 400);
    EXPECT_EQ(sontest::dureeJeu(pisteDe("deselection")), 446);
    EXPECT_EQ(sontest::dureeJeu(pisteDe("titre")), 46667);
}

TEST(SonTest, DeplacementsEtAppuis) {
    EXPECT_EQ(sontest::deplacer(0, "gauche"), 35);
    EXPECT_EQ(sontest::deplacer(0, "haut"), 35);
    EXPECT_EQ(sontest::deplacer(35, "droite"), 0);
    EXPECT_EQ(sontest::deplacer(10, "bas"), 11);
    EXPECT_EQ(sontest::deplacer(10, "ok"), -1);

    EXPECT_EQ(sontest::actionTouchee(150, 197), "retour");
    EXPECT_EQ(sontest::actionTouchee(10, 196), "gauche");
    EXPECT_EQ(sontest::actionTouchee(119.5, 100), "gauche");
    EXPECT_EQ(sontest::actionTouchee(120, 100), "ok");
    EXPECT_EQ(sontest::actionTouchee(264, 100), "ok");
    EXPECT_EQ(sontest::actionTouchee(264.5, 100), "droite");
    EXPECT_EQ(sontest::actionTouchee(NAN, 100), "");
}

TEST(Vitrine, PagesEtRangees) {
    EXPECT_EQ(vitrine::NOMBRE, 48);
    EXPECT_EQ(vitrine::PAGES, 7);
    const succes::Etat vide = succes::etatVide();
    EXPECT_EQ(vitrine::rangees(vide, 0).size(), 7);
    EXPECT_EQ(vitrine::rangees(vide, 6).size(), 6); // the last page holds six
    EXPECT_TRUE(vitrine::rangees(vide, 7).isEmpty());
    EXPECT_TRUE(vitrine::rangees(vide, -1).isEmpty());
    EXPECT_EQ(vitrine::rangees(vide, 6).last().id, "EVERY_LANTERN_LIT");
    for (int p = 0; p < vitrine::PAGES; ++p)
        for (const vitrine::Rangee& r : vitrine::rangees(vide, p))
            EXPECT_FALSE(r.allume);
    EXPECT_EQ(vitrine::pageSurTotal(0), "1/7");
    EXPECT_EQ(vitrine::pageSurTotal(47), "7/7");
    EXPECT_EQ(vitrine::page(41), 5);
}

TEST(Vitrine, LesCachesGardentLeurSecret) {
    // THE LANTERN ROOM is hidden until it is unlocked.
    const vitrine::Rangee cachee = vitrine::rangee(succes::etatVide(), 7);
    EXPECT_EQ(cachee.id, "LANTERN_ROOM");
    EXPECT_EQ(cachee.nom, "???");
    EXPECT_EQ(cachee.texte, "A HIDDEN LANTERN. KEEP PLAYING.");
    const vitrine::Rangee vue = vitrine::rangee(avec({"LANTERN_ROOM"}), 7);
    EXPECT_TRUE(vue.allume);
    EXPECT_EQ(vue.nom, "THE LANTERN ROOM");
    EXPECT_EQ(vue.texte, "VISIT THE LANTERN ROOM FROM THE EXTRAS.");
    // A plain one shows its name and text locked or not.
    const vitrine::Rangee simple = vitrine::rangee(succes::etatVide(), 0);
    EXPECT_EQ(simple.nom, "FIRST LANTERN");
    EXPECT_EQ(simple.texte, "CLEAR YOUR FIRST PAIR.");
    EXPECT_TRUE(simple.progres.isEmpty());
}

TEST(Vitrine, ProgresDesPaliers) {
    succes::Etat e = succes::etatVide();
    e.stats[std::size_t(succes::indiceStat("paires"))] = 37;
    const QVector<vitrine::Rangee> page = vitrine::rangees(e, 2); // achievements 15..21
    EXPECT_EQ(page[4].id, "HUNDRED_LANTERNS");
    EXPECT_EQ(page[4].progres, "37/100");
    EXPECT_EQ(page[5].progres, "37/1000");
    EXPECT_TRUE(page[0].progres.isEmpty()); // CLEAN_PAWS has no tiers
    // A counter past its goal (merged from elsewhere) shows the goal reached.
    e.stats[std::size_t(succes::indiceStat("paires"))] = 150;
    EXPECT_EQ(vitrine::rangee(e, 18).progres, "100/100");
    // Unlocked, it shows nothing.
    e.debloques.emplace_back("HUNDRED_LANTERNS", 5.0);
    EXPECT_TRUE(vitrine::rangee(e, 18).progres.isEmpty());
    EXPECT_TRUE(vitrine::rangee(e, 18).allume);
    EXPECT_EQ(vitrine::rangee(succes::etatVide(), 18).progres, "0/100");
}

TEST(Vitrine, RangeesEtPages) {
    EXPECT_EQ(vitrine::deplacer(0, "bas"), 1);
    EXPECT_EQ(vitrine::deplacer(47, "bas"), 0);
    EXPECT_EQ(vitrine::deplacer(0, "haut"), 47);
    EXPECT_EQ(vitrine::deplacer(6, "bas"), 7); // rows run on over the pages
    // Row 5 of page 6 goes to row 5 of page 7; row 7 of page 6 to the last
    // achievement, row 6 of the shorter last page.
    EXPECT_EQ(vitrine::deplacer(5 * 7 + 4, "droite"), 6 * 7 + 4);
    EXPECT_EQ(vitrine::deplacer(5 * 7 + 6, "droite"), 47);
    EXPECT_EQ(vitrine::deplacer(6 * 7 + 2, "droite"), 2); // pages wrap
    EXPECT_EQ(vitrine::deplacer(3, "gauche"), 6 * 7 + 3);
    EXPECT_EQ(vitrine::deplacer(13, "gauche"), 6);
    EXPECT_EQ(vitrine::deplacer(10, "ok"), -1);
}

TEST(Vitrine, Appuis) {
    using A = vitrine::Appui;
    EXPECT_EQ(vitrine::appui(3, 100, 200).quoi, A::Sortie);
    EXPECT_EQ(vitrine::appui(3, 10, 199).quoi, A::PagePrecedente);
    EXPECT_EQ(vitrine::appui(3, 10, 100).choix, 45);
    EXPECT_EQ(vitrine::appui(3, 360, 100).quoi, A::PageSuivante);
    EXPECT_EQ(vitrine::appui(3, 360, 100).choix, 10);
    EXPECT_EQ(vitrine::appui(3, 359, 28).quoi, A::Choix);
    EXPECT_EQ(vitrine::appui(3, 100, 28).choix, 0);
    EXPECT_EQ(vitrine::appui(10, 100, 28 + 24 * 6).choix, 13);
    EXPECT_EQ(vitrine::appui(3, 100, 27).quoi, A::Rien);   // above the list
    EXPECT_EQ(vitrine::appui(44, 100, 172).quoi, A::Rien); // the last page's empty row
    EXPECT_EQ(vitrine::appui(44, 100, 171).choix, 47);
    EXPECT_EQ(vitrine::appui(3, NAN, 100).quoi, A::Rien);
}
