#include "borne/commandes.h"
#include "borne/controles.h"
#include "borne/options.h"

#include <gtest/gtest.h>

namespace {

using stockage::Reglages;

Reglages avec(int ligne, double v) {
    Reglages r;
    if (ligne == options::MUSIQUE) r.son.musique = v;
    if (ligne == options::BALAYAGE) r.crt.balayage = v;
    return r;
}

Reglages regle(const Reglages& r, int ligne, int sens, const QString& mode = "entier") {
    const auto n = options::regler(r, ligne, sens, mode);
    EXPECT_TRUE(n.has_value()) << "line " << ligne;
    return n.value_or(r);
}

QStringList actionsDe(const Reglages& r) {
    QStringList l;
    for (const auto& [a, c] : r.touches)
        l << QStringLiteral("%1=%2").arg(a).arg(c);
    return l;
}

} // namespace

TEST(Options, LesNiveauxVontDeCinqEnCinqSansSortirDeZeroUn) {
    EXPECT_EQ(regle(avec(options::MUSIQUE, 0.8), options::MUSIQUE, 1).son.musique, 0.85);
    EXPECT_EQ(regle(avec(options::MUSIQUE, 0.8), options::MUSIQUE, -1).son.musique, 0.75);
    EXPECT_EQ(regle(avec(options::MUSIQUE, 1.0), options::MUSIQUE, 1).son.musique, 1.0);
    EXPECT_EQ(regle(avec(options::MUSIQUE, 0.0), options::MUSIQUE, -1).son.musique, 0.0);
    // A value off the grid (an older save, a hand-edited one) lands on it.
    EXPECT_EQ(regle(avec(options::BALAYAGE, 0.33), options::BALAYAGE, 1).crt.balayage, 0.4);
    EXPECT_EQ(regle(avec(options::BALAYAGE, 0.33), options::BALAYAGE, -1).crt.balayage, 0.3);
    // Twenty steps down from the top end exactly at 0, never a hair above it.
    Reglages r = avec(options::MUSIQUE, 1.0);
    for (int i = 0; i < 20; ++i)
        r = regle(r, options::MUSIQUE, -1);
    EXPECT_EQ(r.son.musique, 0.0);
    EXPECT_EQ(options::pourcent(0.85), 85);
    EXPECT_EQ(options::pourcent(0.35), 35);
    // Only its own field moves.
    Reglages autre;
    autre.jeu.initiales = "ABC";
    autre.touches = {{"ok", 'X'}};
    const Reglages apres = regle(autre, options::EFFETS, -1);
    EXPECT_EQ(apres.son.effets, 0.95);
    EXPECT_EQ(apres.son.musique, 0.8);
    EXPECT_EQ(apres.jeu.initiales, "ABC");
    EXPECT_EQ(actionsDe(apres), actionsDe(autre));
}

TEST(Options, EcranPartDuModeEnVigueurQuandLeReglageEstVide) {
    const Reglages vide;
    EXPECT_EQ(regle(vide, options::ECRAN, 1, "entier").crt.affichage, "remplir");
    EXPECT_EQ(regle(vide, options::ECRAN, -1, "entier").crt.affichage, "etirer");
    EXPECT_EQ(regle(vide, options::ECRAN, 1, "etirer").crt.affichage, "entier");
    EXPECT_EQ(options::position(vide, options::ECRAN, "remplir"), 1);
    // A stored mode wins over the one in force.
    Reglages etire;
    etire.crt.affichage = "etirer";
    EXPECT_EQ(options::position(etire, options::ECRAN, "entier"), 2);
    EXPECT_EQ(regle(etire, options::ECRAN, 1, "remplir").crt.affichage, "entier");
}

TEST(Options, BasculesEtNiveauDeLIa) {
    const Reglages r;
    for (int sens : {-1, 1}) {
        EXPECT_FALSE(regle(r, options::PIECES, sens).jeu.freePlay);
        EXPECT_FALSE(regle(r, options::CRT, sens).crt.actif);
        EXPECT_TRUE(regle(regle(r, options::PIECES, sens), options::PIECES, sens).jeu.freePlay);
    }
    EXPECT_EQ(options::position(r, options::PIECES, ""), 0);
    EXPECT_EQ(options::position(regle(r, options::PIECES, 1), options::PIECES, ""), 1);
    Reglages dragon;
    dragon.jeu.niveauIa = 2;
    EXPECT_EQ(regle(dragon, options::IA, 1).jeu.niveauIa, 0);
    Reglages lampion;
    lampion.jeu.niveauIa = 0;
    EXPECT_EQ(regle(lampion, options::IA, -1).jeu.niveauIa, 2);
    EXPECT_EQ(options::nombreTextes(options::IA), 3);
    EXPECT_EQ(options::nombreTextes(options::CRT), 2);
    EXPECT_EQ(options::nombreTextes(options::MUSIQUE), 0);
}

TEST(Options, LaLangueFaitLeTourDAutoEtDesTrenteEtUneLangues) {
    ASSERT_EQ(options::langues().size(), 32);
    EXPECT_EQ(options::langues().first(), "");
    EXPECT_EQ(options::langues()[1], "en");
    const Reglages auto_;
    EXPECT_EQ(regle(auto_, options::LANGUE, -1).jeu.langue, "zh-Hant");
    EXPECT_EQ(regle(auto_, options::LANGUE, 1).jeu.langue, "en");
    Reglages chinois;
    chinois.jeu.langue = "zh-Hant";
    EXPECT_EQ(regle(chinois, options::LANGUE, 1).jeu.langue, "");
    // A code the reader lets through but the game does not offer counts as AUTO.
    Reglages russe;
    russe.jeu.langue = "ru";
    EXPECT_EQ(options::position(russe, options::LANGUE, ""), 0);
    EXPECT_EQ(regle(russe, options::LANGUE, 1).jeu.langue, "en");
}

TEST(Options, LaLigneDesCommandesEtLesLignesAbsentesNeChangentRien) {
    const Reglages r;
    EXPECT_FALSE(options::regler(r, options::COMMANDES, 1, "").has_value());
    EXPECT_FALSE(options::regler(r, -1, 1, "").has_value());
    EXPECT_FALSE(options::regler(r, options::NOMBRE, 1, "").has_value());
    EXPECT_EQ(options::position(r, options::MUSIQUE, ""), -1);
    EXPECT_FALSE(options::regler(r, options::ACCES, -1, "").has_value());
    EXPECT_EQ(options::nombre(options::Page::Options), 14);
    EXPECT_EQ(options::nombre(options::Page::Crt), 7);
    EXPECT_EQ(options::nombre(options::Page::Acces), 3);
    // The pages open on their own lines: OPTIONS and CRT SETTINGS share the
    // screen's, ACCESS shows the three after CONTROLS.
    EXPECT_EQ(options::premiere(options::Page::Crt), options::BALAYAGE);
    EXPECT_EQ(options::premiere(options::Page::Acces), options::PAROLE);
    EXPECT_EQ(options::premiere(options::Page::Options) + options::nombre(options::Page::Options) -
                  1,
              options::COMMANDES);
}

TEST(Options, LesReglagesDAccesBasculentChacunLeSienSeul) {
    const Reglages r;
    for (int sens : {-1, 1}) {
        const Reglages parle = regle(r, options::PAROLE, sens);
        EXPECT_TRUE(parle.acces.parole);
        EXPECT_FALSE(parle.acces.tuilesClaires);
        EXPECT_FALSE(parle.acces.mouvementCalme);
        EXPECT_TRUE(regle(r, options::TUILES, sens).acces.tuilesClaires);
        EXPECT_TRUE(regle(r, options::MOUVEMENT, sens).acces.mouvementCalme);
        EXPECT_FALSE(regle(parle, options::PAROLE, sens).acces.parole);
    }
    // The off value is shown first: OFF, CLASSIC, FULL.
    EXPECT_EQ(options::position(r, options::TUILES, ""), 0);
    EXPECT_EQ(options::position(regle(r, options::TUILES, 1), options::TUILES, ""), 1);
    EXPECT_EQ(options::nombreTextes(options::MOUVEMENT), 2);
    EXPECT_EQ(options::nombreTextes(options::ACCES), 0);
}

TEST(Options, BatonDEncensEtPointeur) {
    EXPECT_EQ(options::braise(1.0), 150);
    EXPECT_EQ(options::braise(0.0), 300);
    EXPECT_EQ(options::braise(0.5), 225);
    EXPECT_EQ(options::braise(1.7), 150);
    // OPTIONS: 12-pixel rows from y 40; CRT SETTINGS and ACCESS: 22-pixel rows.
    using options::Page;
    EXPECT_EQ(options::ligneTouchee(39.9, Page::Options), -1);
    EXPECT_EQ(options::ligneTouchee(42, Page::Options), 0);
    EXPECT_EQ(options::ligneTouchee(183.9, Page::Options), 11);
    EXPECT_EQ(options::ligneTouchee(207.9, Page::Options), 13);
    EXPECT_EQ(options::ligneTouchee(208, Page::Options), -1);
    EXPECT_EQ(options::ligneTouchee(193.9, Page::Crt), 6);
    EXPECT_EQ(options::ligneTouchee(194, Page::Crt), -1);
    EXPECT_EQ(options::ligneTouchee(105.9, Page::Acces), 2);
    EXPECT_EQ(options::ligneTouchee(106, Page::Acces), -1);
    EXPECT_EQ(options::sensTouche(224.9), -1);
    EXPECT_EQ(options::sensTouche(225), 1);
    EXPECT_FALSE(options::sortieTouchee(196));
    EXPECT_TRUE(options::sortieTouchee(197));
}

TEST(Controles, UneToucheReaffecteeQuitteSonAncienneAction) {
    const auto r = controles::remapper(Reglages(), "undo", 'H');
    ASSERT_TRUE(r.has_value());
    EXPECT_EQ(actionsDe(*r), QStringList{"undo=72"});
    commandes::Table t;
    QMap<QString, int> touches;
    for (const auto& [a, c] : r->touches)
        touches.insert(a, int(c));
    t.regler(touches);
    EXPECT_EQ(t.etiquette("hint", "clavier", "linux"), "1");
    EXPECT_EQ(t.etiquette("undo", "clavier", "linux"), "H");
    EXPECT_EQ(t.action('H', false), "undo");

    // Giving H to MIX next takes it from UNDO, which gets its own main key back.
    const auto mix = controles::remapper(*r, "mix", 'H');
    ASSERT_TRUE(mix.has_value());
    EXPECT_EQ(actionsDe(*mix), QStringList{"mix=72"});
    // Remapping an action again replaces its earlier key.
    const auto encore = controles::remapper(*mix, "mix", 'J');
    EXPECT_EQ(actionsDe(*encore), QStringList{"mix=74"});
    EXPECT_TRUE(controles::sansRemappage(*encore).touches.empty());
}

TEST(Controles, LesTouchesReserveesEtCellesDesAutresAppareilsSontRefusees) {
    const Reglages r;
    for (int code : {0x43, commandes::K::f11, commandes::K::select, commandes::K::rouge,
                     commandes::MANETTE, commandes::MANETTE + 0x103, 0, -5})
        EXPECT_FALSE(controles::remapper(r, "ok", code).has_value()) << std::hex << code;
    EXPECT_FALSE(controles::remapper(r, "voler", 'X').has_value());
    EXPECT_TRUE(controles::remapper(r, "ok", 'X').has_value());
}

TEST(Controles, AppareilsLignesEtPointeur) {
    EXPECT_TRUE(controles::reglable("clavier", "linux"));
    EXPECT_TRUE(controles::reglable("clavier", "macos"));
    EXPECT_FALSE(controles::reglable("clavier", "android"));
    EXPECT_FALSE(controles::reglable("manette", "linux"));
    EXPECT_FALSE(controles::reglable("telecommande", "freebox"));
    EXPECT_EQ(controles::nombreLignes(true), commandes::NOMBRE_ACTIONS + 1);
    EXPECT_EQ(controles::nombreLignes(false), commandes::NOMBRE_ACTIONS);

    QStringList noms;
    for (const QString& a : commandes::appareils("linux"))
        noms << controles::nomAppareil(a, "linux");
    EXPECT_EQ(noms, (QStringList{"KEYBOARD", "MOUSE", "PAD"}));
    EXPECT_EQ(controles::nomAppareil("telecommande", "freebox"), "FREE REMOTE");
    EXPECT_EQ(controles::nomAppareil("telecommande", "android"), "TV REMOTE");
    EXPECT_EQ(controles::nomAction("ok"), "OK  TAKE");
    EXPECT_EQ(controles::nomAction("glisseD"), "SLIDE ROW →");
    EXPECT_EQ(controles::nomAction("voler"), "");

    EXPECT_EQ(controles::appareilTouche(40, 30, 3), 0);
    EXPECT_EQ(controles::appareilTouche(200, 43.9, 3), 2);
    EXPECT_EQ(controles::appareilTouche(280, 30, 3), -1);
    EXPECT_EQ(controles::appareilTouche(39, 30, 3), -1);
    EXPECT_EQ(controles::appareilTouche(60, 44, 3), -1);
    const int toutes = controles::nombreLignes(true);
    EXPECT_EQ(controles::ligneTouchee(47.9, toutes), -1);
    EXPECT_EQ(controles::ligneTouchee(48, toutes), 0);
    EXPECT_EQ(controles::ligneTouchee(192, toutes), controles::LIGNE_RAZ);
    EXPECT_EQ(controles::ligneTouchee(192, controles::nombreLignes(false)), -1);
    EXPECT_EQ(controles::ligneTouchee(198, toutes), -1);
}

TEST(Controles, LaListeDefilePourGarderLaLigneEnVue) {
    using controles::premierePourVoir;
    const int dernier = commandes::NOMBRE_ACTIONS - 1;
    const int bas = commandes::NOMBRE_ACTIONS - controles::RANGS_VUS;
    EXPECT_EQ(premierePourVoir(0, 13), 0);
    EXPECT_EQ(premierePourVoir(0, 14), 1);
    EXPECT_EQ(premierePourVoir(0, dernier), bas);
    EXPECT_EQ(premierePourVoir(bas, 5), bas); // still in sight: no move
    EXPECT_EQ(premierePourVoir(bas, 0), 0);   // wrapped to the top
    EXPECT_EQ(premierePourVoir(2, controles::LIGNE_RAZ), 2);
    EXPECT_EQ(premierePourVoir(99, -1), bas);
    EXPECT_EQ(controles::defiler(0, -1), 0);
    EXPECT_EQ(controles::defiler(bas, 1), bas);
    EXPECT_EQ(controles::defiler(1, 1), 2);
    // A press lands on the action its row shows.
    EXPECT_EQ(controles::ligneTouchee(50, controles::nombreLignes(false), bas), bas);
    EXPECT_EQ(controles::ligneTouchee(180, controles::nombreLignes(false), bas), dernier);
    EXPECT_EQ(controles::nomAction("trouverPaire"), "FIND PAIR");
}
