#include "borne/flux.h"
#include "borne/lancement.h"
#include "borne/modes.h"
#include "borne/saisie.h"
#include "borne/scenes.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

flux::Course course(const char* mode, int etape = 0) {
    flux::Course c;
    c.mode = modeDe(mode).value();
    c.etape = etape;
    return c;
}

flux::Pile pile(const char* etat, int score, int bonus = 0, int tempsMs = 0) {
    flux::Pile p;
    p.issue = flux::issueDe(QLatin1String(etat));
    p.score = score;
    p.bonus = bonus;
    p.tempsMs = tempsMs;
    p.tempsMax = 90000;
    return p;
}

QStringList types(const flux::Fin& f) {
    QStringList t;
    for (const evenements::Evenement& e : f.evenements)
        t << QLatin1String(evenements::motDe(e.sorte));
    return t;
}

// An event as its JSON form reads, for checking its fields.
QVariantMap carte(const evenements::Evenement& e) {
    return evenements::ecrire(e).toVariantMap();
}

const QString JOUR = QStringLiteral("20260314");

} // namespace

TEST(Flux, RushBanqueLesPointsAuMultiplicateur) {
    // A clear: points times the multiplier, +15 s on the time left, +1.
    flux::Course c = course("rush");
    c.scoreTotal = 1000;
    c.multiplicateur = 2;
    flux::Fin f = flux::finPile(c, pile("gagne", 300, 0, 20000), true, JOUR);
    EXPECT_EQ(f.suite, flux::Suite::PileSuivante);
    EXPECT_EQ(f.course.scoreTotal, 1600);
    EXPECT_EQ(f.course.multiplicateur, 3);
    EXPECT_EQ(f.tempsImpose, 35000);
    ASSERT_EQ(types(f), QStringList{"pile"});
    const QVariantMap ev = carte(f.evenements[0]);
    EXPECT_EQ(ev.value("mode").toString(), "rush");
    EXPECT_EQ(ev.value("piles").toInt(), 2);
    EXPECT_EQ(ev.value("tempsMs").toInt(), -1);
    EXPECT_FALSE(ev.value("parfait").toBool());

    // A dead end: the points still count, no time bonus, same multiplier, no event.
    f = flux::finPile(f.course, pile("impasse", 100, 0, 12000), true, JOUR);
    EXPECT_EQ(f.suite, flux::Suite::PileSuivante);
    EXPECT_EQ(f.course.scoreTotal, 1900);
    EXPECT_EQ(f.course.multiplicateur, 3);
    EXPECT_EQ(f.tempsImpose, 12000);
    EXPECT_TRUE(f.evenements.empty());

    // A dead end in the last instant keeps a clock of its own, never the
    // stage's full one.
    EXPECT_EQ(flux::finPile(c, pile("impasse", 0, 0, 0), true, JOUR).tempsImpose, 1);

    // Time up ends the game at once with the multiplier as the stage figure.
    f = flux::finPile(f.course, pile("temps", 50), true, JOUR);
    EXPECT_EQ(f.suite, flux::Suite::GameOver);
    EXPECT_EQ(f.scoreFinal, 1900 + 150);
    EXPECT_EQ(f.multFinal, 3);
    EXPECT_EQ(flux::etapeFigure(f.course, f.multFinal), 3);
    EXPECT_EQ(flux::rapport(f.course, f.scoreFinal, true, "", -1).value("piles").toInt(), 2);
}

TEST(Flux, LeDefiDuJourSeClasseUneFoisParJour) {
    EXPECT_TRUE(flux::classeDuJour("", JOUR));
    EXPECT_TRUE(flux::classeDuJour("20260313", JOUR));
    EXPECT_FALSE(flux::classeDuJour(JOUR, JOUR));

    // The first game of the day, lost: ranked with its points, the day used up
    // but not cleared.
    flux::Fin f = flux::finPile(course("daily"), pile("temps", 4200), true, JOUR);
    EXPECT_EQ(f.suite, flux::Suite::GameOver);
    EXPECT_EQ(f.scoreFinal, 4200);
    EXPECT_EQ(f.multFinal, 1);
    EXPECT_TRUE(f.defiClasse);
    EXPECT_FALSE(f.defiGagne);
    EXPECT_TRUE(f.musique.isEmpty());
    EXPECT_TRUE(f.evenements.empty());
    EXPECT_EQ(flux::etapeFigure(f.course, 1), 1);

    // A later game the same day, won: score 0 for the tables, the day cleared.
    f = flux::finPile(course("daily"), pile("gagne", 5000, 2500), false, JOUR);
    EXPECT_EQ(f.course.scoreTotal, 7500);
    EXPECT_EQ(f.scoreFinal, 0);
    EXPECT_TRUE(f.defiGagne);
    EXPECT_EQ(f.musique, "victoire");
    EXPECT_EQ(types(f), (QStringList{"pile", "defi"}));
    EXPECT_EQ(carte(f.evenements[1]).value("jour").toString(), JOUR);
    EXPECT_LT(flux::rangFinal(stockage::Table{}, f.scoreFinal), 0);
}

TEST(Flux, LesEtapesSEnchainentJusquALaSalle) {
    flux::Course c = course("night", 3);
    c.scoreTotal = 10000;
    c.etapesPartie = 3;
    flux::Pile p = pile("gagne", 2000, 800, 40000);
    p.parfait = true;
    flux::Fin f = flux::finPile(c, p, true, "");
    EXPECT_EQ(f.suite, flux::Suite::EtapeSuivante);
    EXPECT_EQ(f.course.scoreTotal, 12800);
    EXPECT_EQ(f.course.etape, 4);
    EXPECT_EQ(f.course.etapesPartie, 4);
    EXPECT_EQ(f.etapeNotee, 3);
    ASSERT_EQ(types(f), QStringList{"pile"});
    const QVariantMap ev = carte(f.evenements[0]);
    EXPECT_EQ(ev.value("etape").toInt(), 3);
    EXPECT_TRUE(ev.value("boss").toBool());
    EXPECT_TRUE(ev.value("parfait").toBool());
    EXPECT_EQ(ev.value("etapesPartie").toInt(), 4);
    EXPECT_EQ(ev.value("tempsMs").toInt(), 40000);

    // PAPER MOON has no boss stage and records no progress.
    c.mode = Mode::Paper;
    f = flux::finPile(c, p, true, "");
    EXPECT_FALSE(carte(f.evenements[0]).value("boss").toBool());
    EXPECT_EQ(f.etapeNotee, -1);

    // STAGE 12 cleared: the LANTERN ROOM with the score and the continues.
    c = course("night", 11);
    c.continues = 2;
    c.scoreTotal = 90000;
    f = flux::finPile(c, pile("gagne", 1000, 500), true, "");
    EXPECT_EQ(f.suite, flux::Suite::Salle);
    EXPECT_EQ(f.scoreFinal, 91500);
    EXPECT_EQ(f.course.etapeFinale, 12);
    EXPECT_EQ(f.etapeNotee, 11);
    EXPECT_EQ(f.musique, "victoire");
    ASSERT_EQ(types(f), (QStringList{"pile", "fin12"}));
    EXPECT_EQ(carte(f.evenements[1]).value("continues").toInt(), 2);
}

TEST(Flux, UneEtapePerdueOffreLeContinue) {
    flux::Course c = course("parade", 6);
    c.scoreTotal = 30000;
    const flux::Fin f = flux::finPile(c, pile("impasse", 700), true, "");
    EXPECT_EQ(f.suite, flux::Suite::Continue);
    EXPECT_EQ(f.course.scoreTotal, 30700);
    EXPECT_EQ(f.course.etapeFinale, 7);
    EXPECT_EQ(f.course.etape, 6);
    EXPECT_TRUE(f.evenements.empty());

    // The continue starts the score again and keeps the stage.
    const flux::Course d = flux::apresContinue(f.course);
    EXPECT_EQ(d.scoreTotal, 0);
    EXPECT_EQ(d.continues, 1);
    EXPECT_EQ(d.etape, 6);
    // Declined later, the stage figure is the one of the loss.
    EXPECT_EQ(flux::etapeFigure(d, 1), 7);
    // A game whose figure is not known yet shows the stage reached.
    EXPECT_EQ(flux::etapeFigure(course("night", 4), 1), 5);
}

TEST(Flux, QuandUnScoreEntreDansUneTable) {
    const stockage::Table defaut = stockage::tableParDefaut(); // 100000 down to 10000
    EXPECT_EQ(flux::rangFinal(defaut, 95000), 1);
    EXPECT_EQ(flux::rangFinal(defaut, 10000), -1); // equal to the last: the older stays
    EXPECT_EQ(flux::rangFinal(stockage::Table{}, 1), 0);
    EXPECT_EQ(flux::rangFinal(stockage::Table{}, 0), -1);
    EXPECT_EQ(flux::rangFinal(stockage::Table{}, -5), -1);
}

TEST(Modes, LaTableDesModes) {
    using modes::Voile;
    // One row per mode, in the order of the modes, and the stored words.
    for (int i = 0; i < modes::NOMBRE; ++i)
        EXPECT_EQ(int(modes::REGLES[std::size_t(i)].mode), i);
    EXPECT_EQ(motDe(Mode::Sliding), "sliding");
    EXPECT_EQ(modeDe("daily"), Mode::Daily);
    EXPECT_FALSE(modeDe("glissant").has_value());
    // The boss veil every fourth stage, PAPER MOON's on every stage.
    const auto& nuit = modes::regle(Mode::Night);
    EXPECT_EQ(modes::voile(nuit, 3), Voile::Boss);
    EXPECT_EQ(modes::voile(nuit, 4), Voile::Aucun);
    EXPECT_TRUE(modes::boss(modes::regle(Mode::Parade), 11));
    EXPECT_EQ(modes::voile(modes::regle(Mode::Paper), 0), Voile::Tout);
    EXPECT_FALSE(modes::boss(modes::regle(Mode::Paper), 3));
    EXPECT_EQ(modes::voile(modes::regle(Mode::Rush), 3), Voile::Aucun);
    // What differs: the music, UNDO, CONTINUE?, the push, the tables.
    EXPECT_STREQ(modes::regle(Mode::Daily).musique, "jeu2");
    EXPECT_STREQ(modes::regle(Mode::Rush).musique, "jeu4");
    EXPECT_STREQ(nuit.musique, "");
    EXPECT_FALSE(modes::regle(Mode::Daily).undo);
    EXPECT_TRUE(nuit.continuer);
    EXPECT_FALSE(modes::regle(Mode::Rush).continuer);
    EXPECT_EQ(modes::regle(Mode::Parade).pousseeMs, 20000);
    EXPECT_STREQ(modes::regle(Mode::Daily).nom, "MOON OF THE DAY");
    EXPECT_STREQ(modes::regle(Mode::Sliding).table, "sliding");
    // The attract loop shows five tables in turn, never PAPER MOON's nor PANDA PARADE's.
    QStringList vues;
    for (int k = 0; k < 6; ++k)
        vues << modes::tableAttract(k);
    EXPECT_EQ(vues, (QStringList{"night", "sliding", "duel", "rush", "daily", "night"}));
    EXPECT_EQ(modes::etapeDe(25), 1);
}

TEST(Saisie, LettresEtPlaces) {
    EXPECT_EQ(saisie::taille(), 38);
    EXPECT_EQ(saisie::deplacer(' ', 1), QChar('A'));
    EXPECT_EQ(saisie::deplacer('A', -1), QChar(' '));
    EXPECT_EQ(saisie::deplacer('Z', 1), QChar('0'));
    EXPECT_EQ(saisie::deplacer('!', 1), QChar('A')); // a stranger counts as the space

    // With the default initials three OKs give PND.
    EXPECT_EQ(saisie::debut("PND"), "P  ");
    EXPECT_EQ(saisie::lettreDe("PND", 1, 'P'), QChar('N'));
    EXPECT_EQ(saisie::lettreDe("PND", 2, 'N'), QChar('D'));
    // A blank initial starts on the first letter, or on the one just placed.
    EXPECT_EQ(saisie::debut(" XY"), "A  ");
    EXPECT_EQ(saisie::lettreDe("Q  ", 1, 'K'), QChar('K'));
    EXPECT_EQ(saisie::debut("é"), "A  ");
}

TEST(Saisie, GrilleEtColonnes) {
    EXPECT_EQ(saisie::caseX(0), 30);
    EXPECT_EQ(saisie::caseY(18), 140);
    EXPECT_EQ(saisie::caseX(19), 30);
    EXPECT_EQ(saisie::caseY(19), 156);
    EXPECT_EQ(saisie::caseTouchee(31, 141), 0);
    EXPECT_EQ(saisie::caseTouchee(30 + 17 + 11, 156 + 10), 20);
    EXPECT_EQ(saisie::caseTouchee(30 + 17 * 18 + 13, 141), -1); // past the last column
    EXPECT_EQ(saisie::caseTouchee(100, 100), -1);
    EXPECT_EQ(saisie::caseTouchee(30 + 17 * 18, 156), 37); // the space
    EXPECT_TRUE(saisie::finTouchee(192, 176));
    EXPECT_FALSE(saisie::finTouchee(192, 194));

    const saisie::Colonne d = saisie::colonne("20260314", 1);
    EXPECT_TRUE(d.date);
    EXPECT_EQ(d.texte, "03/14");
    const saisie::Colonne e = saisie::colonne("", 7);
    EXPECT_FALSE(e.date);
    EXPECT_EQ(e.texte, "07");
    EXPECT_EQ(saisie::chiffres(1234, 7), "0001234");
    EXPECT_EQ(saisie::chiffres(-3, 2), "00");
}

TEST(Lancement, LaLigneDeCommande) {
    using lancement::lire;
    const auto l = lire({"tessimora", "--scene=duel", "--etape=3", "--pilote=2"});
    EXPECT_EQ(l.scene, "duel");
    EXPECT_EQ(l.mode, Mode::Duel);
    EXPECT_EQ(l.etape, 3);
    EXPECT_EQ(l.pilote, 2);
    // A mode named on a game start wins; a word that names none is ignored.
    EXPECT_EQ(lire({"--scene=partie", "--mode=rush"}).mode, Mode::Rush);
    EXPECT_EQ(lire({"--scene=partie", "--mode=glissant"}).mode, Mode::Night);
    EXPECT_EQ(lire({"--scene=glissant", "--mode=demo"}).mode, Mode::Sliding);
    // A scene that is no game, and bad numbers, start nothing of the kind.
    const auto m = lire({"--scene=menu", "--mode=rush", "--etape=x", "--pilote=", "--etape=-4"});
    EXPECT_FALSE(m.mode.has_value());
    EXPECT_EQ(m.etape, 0);
    EXPECT_EQ(m.pilote, -1);
    EXPECT_EQ(lire({}).scene, "");
}

TEST(Scenes, LaBoucleDAttente) {
    EXPECT_EQ(scenes::suiteAttract("mire", false), "titre");
    EXPECT_EQ(scenes::suiteAttract("titre", false), "demo");
    EXPECT_EQ(scenes::suiteAttract("demo", false), "scores");
    EXPECT_EQ(scenes::suiteAttract("scores", false), "regles");
    EXPECT_EQ(scenes::suiteAttract("scores", true), "titre");
    EXPECT_EQ(scenes::suiteAttract("menu", false), "");
    EXPECT_EQ(scenes::scene("titre")->dureeMs, 8000);
    EXPECT_EQ(scenes::scene("provisoire"), nullptr);
    // Every scene but the game's own layers has a file of its own.
    for (const char* nom : {"mire", "titre", "menu", "options", "saisie", "salle"})
        EXPECT_STRNE(scenes::scene(nom)->fichier, "") << nom;
}

// A row naming a file that is not there would leave the cabinet in front of
// an empty screen, and a scene file no row names is a leftover no player
// reaches: both fail here.
TEST(Scenes, ChaqueFichierExiste) {
    const QDir borne(QStringLiteral(TESSIMORA_SOURCES "/app/borne"));
    QFile qmldir(borne.filePath(QStringLiteral("qmldir")));
    ASSERT_TRUE(qmldir.open(QIODevice::ReadOnly));
    const QString declares = QString::fromUtf8(qmldir.readAll());
    QStringList nommes;
    for (const QString& nom : scenes::noms()) {
        const QString f = QLatin1String(scenes::scene(nom)->fichier);
        if (f.isEmpty()) continue;
        nommes << f;
        EXPECT_TRUE(borne.exists(f)) << qPrintable(nom) << " " << qPrintable(f);
        EXPECT_TRUE(declares.contains(QLatin1Char(' ') + f)) << qPrintable(f);
    }
    EXPECT_TRUE(scenes::noms().contains("partie"));
    for (const QString& f : borne.entryList({QStringLiteral("Scene*.qml")}, QDir::Files))
        EXPECT_TRUE(nommes.contains(f)) << qPrintable(f) << " is no scene's file";
}
