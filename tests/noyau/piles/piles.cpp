// Stack files as TEA HOUSE reads them: both formats, every reason a file is
// not offered, the board's limits, the catalogue's stacks and their digests.

#include "piles/piles.h"

#include "moteur/generation.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <set>
#include <sys/stat.h>

using namespace piles;

namespace {

QString exemple(const char* nom) {
    return QStringLiteral(TESSIMORA_SOURCES "/tests/noyau/piles/exemples/") + QLatin1String(nom);
}

Pile json(const std::string& texte, const char* nom = "essai.json") {
    return examiner(lireOctets(QByteArray::fromStdString(texte), QLatin1String(nom)),
                    QLatin1String(nom));
}

// A JSON stack of one layer of `rangs` rows of `colonnes` tiles, with
// `hautes` more layers of two tiles on the first row.
Pile bloc(int colonnes, int rangs, int hautes = 0) {
    std::string s = "{\"nom\":\"BLOC\",\"couches\":[[";
    for (int r = 0; r < rangs; ++r)
        s += (r ? ",\"" : "\"") + std::string(std::size_t(colonnes), '#') + "\"";
    s += "]";
    for (int z = 0; z < hautes; ++z)
        s += ",[\"##\"]";
    return json(s + "]}");
}

} // namespace

TEST(Fichiers, LesExemplesDesDeuxFormats) {
    const Pile pont = lirePile(exemple("pont.layout"));
    ASSERT_TRUE(pont.jouable()) << pont.verdict.detail;
    EXPECT_EQ(pont.nom, "PONT");
    EXPECT_EQ(pont.tuiles, 8);
    EXPECT_EQ(pont.couches, 2);
    EXPECT_EQ(pont.d.nom, "PONT");
    EXPECT_EQ(pont.d.couches, (pile::Forme{{"####", ">.>"}, {".##"}}));
    EXPECT_FALSE(pont.catalogue);
    EXPECT_EQ(pont.chemin, exemple("pont.layout"));

    // Line ends of another system, a margin and a tile on an odd row.
    const Pile ancien = lirePile(exemple("ancien.layout"));
    ASSERT_TRUE(ancien.jouable()) << ancien.verdict.detail;
    EXPECT_EQ(ancien.d.couches, (pile::Forme{{"#", ".v"}}));

    const Pile lanterne = lirePile(exemple("lanterne.json"));
    ASSERT_TRUE(lanterne.jouable()) << lanterne.verdict.detail;
    EXPECT_EQ(lanterne.nom, "PAPER LANTERN");
    EXPECT_EQ(lanterne.tuiles, 10);
    EXPECT_EQ(lanterne.empreinte.size(), 16);

    // What the list offers deals as a catalogue stack does.
    for (const Pile* p : {&pont, &ancien, &lanterne}) {
        const auto donne = generation::generer(p->d, alea::Graine(7));
        ASSERT_TRUE(donne);
        EXPECT_TRUE(
            generation::verifier(*donne->g, donne->motifs, donne->present, donne->solution));
    }
}

TEST(Fichiers, ChaqueRaisonDeRefus) {
    const struct {
        Pile pile;
        Refus refus;
    } cas[] = {
        {lirePile(exemple("nulle-part.layout")), Refus::Illisible},
        {lirePile(exemple("")), Refus::Illisible}, // the folder itself
        {json("ni l'un ni l'autre"), Refus::PasUnePile},
        {json("{\"nom\":"), Refus::PasUnePile},
        {json("{\"nom\":\"A\",\"couches\":[[\"#x\"]]}"), Refus::PasUnePile},
        {json("{\"nom\":\"A\",\"couches\":[[\"\"]]}"), Refus::Vide},
        {lirePile(exemple("impair.json")), Refus::Impaire},
        {lirePile(exemple("casse.layout")), Refus::TuileCassee},
        {lirePile(exemple("chevauche.layout")), Refus::Chevauchement},
        {json("{\"nom\":\"A\",\"couches\":[[\">#\"]]}"), Refus::Chevauchement},
        {json("{\"nom\":\"A\",\"couches\":[[\"##\"],[],[\"##\"]]}"), Refus::Suspendue},
        {bloc(145, 2), Refus::TropDeTuiles},
        {lirePile(exemple("large.layout")), Refus::TropLarge},
        {bloc(2, 9), Refus::TropHaute},
        {bloc(2, 8, 5), Refus::TropProfonde},
        {json("{\"nom\":\"TOUR\",\"couches\":[[\"#\"],[\"#\"]]}"), Refus::SansDonne},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.pile.chemin.toStdString() + " " + importation::cle(c.refus));
        EXPECT_EQ(c.pile.verdict.refus, c.refus) << c.pile.verdict.detail;
        EXPECT_FALSE(c.pile.jouable());
        EXPECT_FALSE(c.pile.verdict.detail.empty());
        EXPECT_FALSE(c.pile.nom.isEmpty());
    }

    // Over 1 MiB is refused from the size alone; a pipe is never waited on.
    QTemporaryDir dossier;
    ASSERT_TRUE(dossier.isValid());
    QFile gros(dossier.filePath("gros.json"));
    ASSERT_TRUE(gros.open(QIODevice::WriteOnly));
    ASSERT_TRUE(gros.resize(OCTETS_MAX + 1));
    gros.close();
    EXPECT_EQ(lirePile(gros.fileName()).verdict.refus, Refus::TropGros);
    EXPECT_EQ(lireOctets(QByteArray(OCTETS_MAX + 1, ' '), "x").verdict.refus, Refus::TropGros);
    const QString tube = dossier.filePath("tube.layout");
    ASSERT_EQ(mkfifo(QFile::encodeName(tube).constData(), 0600), 0);
    EXPECT_EQ(lirePile(tube).verdict.refus, Refus::Illisible);
}

TEST(Plateau, CeQuIlMontreEstOffertLeRestePas) {
    // The largest blocks the full-screen zone holds, and one tile or one
    // layer more.
    EXPECT_TRUE(bloc(22, 8).jouable());
    EXPECT_EQ(bloc(23, 2).verdict.refus, Refus::TropLarge);
    EXPECT_TRUE(bloc(2, 8, 4).jouable()) << bloc(2, 8, 4).verdict.detail;
    EXPECT_EQ(bloc(2, 8, 5).verdict.refus, Refus::TropProfonde);
    // Every catalogue stack, duel ones included, fits the board.
    for (const Pile& p : catalogue()) {
        SCOPED_TRACE(p.nom.toStdString());
        EXPECT_TRUE(montrable(pile::lire(p.d.couches).places).ok());
    }
}

TEST(Catalogue, QuatorzePilesEtDesEmpreintesDistinctes) {
    const std::vector<Pile> c = catalogue();
    ASSERT_EQ(c.size(), 14u);
    EXPECT_EQ(c.front().nom, "GREAT LANTERN");
    EXPECT_EQ(c.front().tuiles, 220);
    EXPECT_EQ(c.back().nom, "RICE BOWL");
    std::set<QString> empreintes;
    for (const Pile& p : c) {
        EXPECT_TRUE(p.catalogue && p.jouable());
        EXPECT_TRUE(p.chemin.isEmpty());
        empreintes.insert(p.empreinte);
    }
    EXPECT_EQ(empreintes.size(), 14u);
    // The same shape from a file, with margins, under another name: the
    // same digest; a catalogue name on another shape: another one.
    std::string s = "{\"nom\":\"great lantern\",\"couches\":[";
    for (std::size_t z = 0; z < dispositions::LISTE[0].couches.size(); ++z) {
        s += z ? ",[\"\"" : "[\"\"";
        for (const std::string& r : dispositions::LISTE[0].couches[z])
            s += ",\".." + r + "\"";
        s += "]";
    }
    const Pile copie = json(s + "]}");
    ASSERT_TRUE(copie.jouable()) << copie.verdict.detail;
    EXPECT_EQ(copie.empreinte, c.front().empreinte);
    EXPECT_EQ(copie.nom, "GREAT LANTERN");
    EXPECT_NE(json("{\"nom\":\"GREAT LANTERN\",\"couches\":[[\"##\"]]}").empreinte,
              c.front().empreinte);
}

TEST(Noms, MontresEnCapitalesCourtsEtPropres) {
    EXPECT_EQ(nomMontre("  tea\t\nhouse  "), "TEA HOUSE");
    EXPECT_EQ(nomMontre(QString::fromUtf8("pâte\u0007\u200b")), QString::fromUtf8("PÂTE"));
    EXPECT_EQ(nomMontre(QString(100, 'a')).size(), NOM_MAX);
    // Never half a character: a cut falls between two of them.
    const QString emoji = QString::fromUtf8("\U0001F375");
    EXPECT_EQ(nomMontre(QString(NOM_MAX - 1, 'a') + emoji + emoji).size(), NOM_MAX + 1);
    EXPECT_EQ(nomMontre("\x01"), "");
    // A name that leaves nothing falls back on the file's.
    EXPECT_EQ(json("{\"nom\":\"\\u0001\",\"couches\":[[\"##\"]]}", "mon tas.json").nom,
              "MON TAS.JSON");
    EXPECT_TRUE(dossier().endsWith("/tessimora/piles"));
}
