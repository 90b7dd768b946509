#include "faux.h"
#include "plateforme.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString sortie(const std::function<void()>& action) {
    testing::internal::CaptureStdout();
    action();
    return QString::fromStdString(testing::internal::GetCapturedStdout());
}

} // namespace

TEST(Faux, UneLigneParAppel) {
    QTemporaryDir temp;
    Faux faux(temp.path());
    EXPECT_EQ(faux.nom(), "faux");
    EXPECT_EQ(sortie([&] { faux.debloquer("FIRST_LANTERN"); }),
              "TESSIMORA_PLATEFORME debloquer FIRST_LANTERN\n");
    EXPECT_EQ(sortie([&] { faux.progresser("CLEAN_PAWS", 42, 100, "paires"); }),
              "TESSIMORA_PLATEFORME progresser CLEAN_PAWS 42/100 paires\n");
    EXPECT_EQ(sortie([&] { faux.envoyerScore("night", -5, "[]"); }),
              "TESSIMORA_PLATEFORME score night -5 []\n");
    // A status without a group ends in a space; "%1" inside a value stays as written.
    EXPECT_EQ(sortie([&] { faux.presence("#Menu", "{\"m\":\"%1\"}", ""); }),
              "TESSIMORA_PLATEFORME presence #Menu {\"m\":\"%1\"} \n");
}

TEST(Faux, NuageDansUnDossierCreeAuDemarrage) {
    QTemporaryDir temp;
    const QString dossier = temp.path() + "/a/b/nuage-essai";
    Plateforme facade(QStringList{"tessimora", "--faux-fournisseur=" + dossier});
    EXPECT_EQ(facade.nom(), "faux");
    EXPECT_TRUE(QDir(dossier).exists());
    EXPECT_TRUE(facade.lireNuage().isEmpty());

    const QString texte = QString::fromUtf8("{\"é\":1}");
    EXPECT_EQ(sortie([&] { facade.ecrireNuage(texte); }), "TESSIMORA_PLATEFORME nuage 8\n");
    EXPECT_EQ(facade.lireNuage(), texte);

    // A second write replaces the file whole, leaving no temporary behind.
    sortie([&] { facade.ecrireNuage("court"); });
    EXPECT_EQ(facade.lireNuage(), "court");
    EXPECT_EQ(QDir(dossier).entryList(QDir::Files), QStringList{"tessimora.sav"});
}

TEST(Faux, LeTexteSArreteAuPremierNul) {
    QTemporaryDir temp;
    Faux faux(temp.path() + "/");
    EXPECT_EQ(faux.fichierNuage(), temp.path() + "//tessimora.sav");
    QFile fichier(faux.fichierNuage());
    ASSERT_TRUE(fichier.open(QIODevice::WriteOnly));
    fichier.write(QByteArray("avant\0apres", 11));
    fichier.close();
    EXPECT_EQ(faux.lireNuage(), "avant");
}

TEST(Faux, UnDossierImpossibleResteSilencieux) {
    QTemporaryDir temp;
    QFile bloque(temp.path() + "/fichier");
    ASSERT_TRUE(bloque.open(QIODevice::WriteOnly));
    bloque.close();
    Faux faux(temp.path() + "/fichier/dessous");
    EXPECT_TRUE(faux.lireNuage().isNull());
    // The write fails quietly and still says what it was asked to write.
    EXPECT_EQ(sortie([&] { faux.ecrireNuage("abc"); }), "TESSIMORA_PLATEFORME nuage 3\n");
}
