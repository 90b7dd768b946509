#include "demarrage.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

TEST(AideOuVersion, SeulsLesDeuxMotsEntiersRepondent) {
    QCoreApplication::setApplicationName("Tessimora");
    QCoreApplication::setApplicationVersion("0.11.0");

    for (const QStringList& args :
         {QStringList{"tessimora"}, QStringList{"--help"}, // the program path is no option
          QStringList{"tessimora", "--HELP", "-h", "-help", "--help=1", "help", "--aide"},
          QStringList{"tessimora", "--Version", "-v", "--scene=--help", ""}})
        EXPECT_TRUE(aideOuVersion(args).isEmpty()) << args.join(' ').toStdString();

    EXPECT_EQ(aideOuVersion({"tessimora", "--muet", "--version"}), "Tessimora 0.11.0\n");
    // The first of the two decides, as with most programs.
    EXPECT_EQ(aideOuVersion({"tessimora", "--version", "--help"}), "Tessimora 0.11.0\n");

    const QString aide = aideOuVersion({"tessimora", "--ips", "--help", "--version"});
    EXPECT_TRUE(aide.startsWith("Usage: tessimora [OPTION]...\n"));
    EXPECT_TRUE(aide.endsWith('\n'));
    for (const char* option :
         {"--plein-ecran", "--ips", "--ips-continu", "--ips-images", "--manette=",
          "--faux-fournisseur=", "--scene=", "--mode=", "--etape=", "--pilote=", "--muet",
          "--journal-sons", "--help", "--version"})
        EXPECT_TRUE(aide.contains(QLatin1String("  ") + option)) << option;
    for (const QString& ligne : aide.split('\n'))
        EXPECT_LE(ligne.size(), 80) << ligne.toStdString();
}
