// The settings store against real files: a change is on disk without waiting
// for the end, what else the file holds survives, and a file that cannot be
// written leaves the records in memory, says so once and is written later.
#include "enregistrement.h"
#include "sauvegarde/qml/magasin_qml.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdio>
#include <gtest/gtest.h>
#include <memory>
#include <unistd.h>

namespace {

class Magasin : public testing::Test {
protected:
    void SetUp() override {
        enregistrerTypes();
        QCoreApplication::setOrganizationName(QStringLiteral("BRONTELVIK"));
        QCoreApplication::setApplicationName(QStringLiteral("Tessimora-magasin"));
        ASSERT_TRUE(dossier_.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dossier_.path());
    }

    std::unique_ptr<QObject> creer() {
        QQmlComponent c(&moteur_);
        c.setData("import Tessimora 1.0\n"
                  "Magasin { category: \"tessimora\"; property string scores: \"\"\n"
                  "          property string reglages: \"\" }",
                  QUrl());
        std::unique_ptr<QObject> o(c.create());
        EXPECT_TRUE(o) << c.errorString().toStdString();
        return o;
    }

    static QString texte() {
        QFile f(MagasinQml::fichier());
        if (!f.open(QIODevice::ReadOnly)) return {};
        return QString::fromUtf8(f.readAll());
    }

    static void tourner(int ms) {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < ms)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }

    QTemporaryDir dossier_;
    QQmlEngine moteur_;
};

// Standard error while `f` runs.
template <typename F> std::string erreurs(F f) {
    std::fflush(stderr);
    FILE* tmp = std::tmpfile();
    const int ancien = ::dup(2);
    ::dup2(::fileno(tmp), 2);
    f();
    std::fflush(stderr);
    ::dup2(ancien, 2);
    ::close(ancien);
    std::rewind(tmp);
    std::string r;
    char tampon[512];
    while (std::fgets(tampon, sizeof tampon, tmp))
        r += tampon;
    std::fclose(tmp);
    return r;
}

} // namespace

TEST_F(Magasin, UnChangementEstSurLeDisqueAuTourSuivant) {
    {
        QFile f(MagasinQml::fichier());
        QDir().mkpath(QFileInfo(f).absolutePath());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("[autre]\ncle=garde\n\n[tessimora]\nscores=ancien\nreglages=lu\n");
    }
    auto m = creer();
    ASSERT_TRUE(m);
    EXPECT_EQ(m->property("reglages").toString(), "lu");
    m->setProperty("scores", "{\"night\":[]}");
    tourner(20);
    // On disk while the store still lives: no flush at the end is needed.
    const QString t = texte();
    EXPECT_TRUE(t.contains("scores={\\\"night\\\":[]}")) << t.toStdString();
    EXPECT_TRUE(t.contains("reglages=lu")) << t.toStdString();
    EXPECT_TRUE(t.contains("[autre]\ncle=garde")) << t.toStdString();
    EXPECT_TRUE(static_cast<MagasinQml*>(m.get())->aJour());
}

TEST_F(Magasin, UnDossierALaPlaceDuFichierEstDitUneFoisPuisRessaye) {
    ASSERT_TRUE(QDir().mkpath(MagasinQml::fichier()));
    auto m = creer();
    ASSERT_TRUE(m);
    auto* magasin = static_cast<MagasinQml*>(m.get());
    magasin->changerRelance(30);
    const std::string dit = erreurs([&] {
        m->setProperty("reglages", "un");
        tourner(10);
        m->setProperty("reglages", "deux");
        tourner(100); // several tries
    });
    EXPECT_EQ(std::count(dit.begin(), dit.end(), '\n'), 1) << dit;
    EXPECT_NE(dit.find("a folder stands in its place"), std::string::npos) << dit;
    EXPECT_FALSE(magasin->aJour());
    EXPECT_EQ(m->property("reglages").toString(), "deux");

    // The folder is gone: the next try writes the latest value.
    ASSERT_TRUE(QDir(MagasinQml::fichier()).removeRecursively());
    const std::string apres = erreurs([&] { tourner(100); });
    EXPECT_TRUE(apres.empty()) << apres;
    EXPECT_TRUE(magasin->aJour());
    EXPECT_TRUE(texte().contains("reglages=deux")) << texte().toStdString();
}

TEST_F(Magasin, LesRaisonsDisentCeQuiEmpeche) {
    const QString base = dossier_.path();
    ASSERT_TRUE(QDir().mkpath(base + "/dossier.conf"));
    EXPECT_EQ(MagasinQml::raison(base + "/dossier.conf"), "a folder stands in its place");
    QFile f(base + "/fichier.conf");
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    EXPECT_EQ(MagasinQml::raison(base + "/fichier.conf"), "the disk may be full");
}
