// The player's folder read on a worker thread: which files count, the cache
// of files already judged, and reads that overtake each other or outlive
// their reader.

#include "piles/lecture.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>
#include <sys/stat.h>

using namespace piles;

namespace {

QString exemple(const char* nom) {
    return QStringLiteral(TESSIMORA_SOURCES "/tests/noyau/piles/exemples/") + QLatin1String(nom);
}

void copier(const QTemporaryDir& d, const char* nom, const QString& sous = QString()) {
    ASSERT_TRUE(QFile::copy(exemple(nom), d.filePath(sous.isEmpty() ? QLatin1String(nom) : sous)));
}

// The tests drive the event loop themselves, as the game's does.
QCoreApplication& application() {
    static int argc = 1;
    static char nom[] = "test_piles";
    static char* argv[] = {nom, nullptr};
    static QCoreApplication app(argc, argv);
    return app;
}

bool attendre(LecteurPiles& l) {
    QEventLoop boucle;
    QTimer::singleShot(10000, &boucle, &QEventLoop::quit);
    QObject::connect(&l, &LecteurPiles::lu, &boucle, &QEventLoop::quit);
    if (l.enCours()) boucle.exec();
    return !l.enCours();
}

} // namespace

TEST(Dossier, FichiersOrdinairesParNomEtCache) {
    QTemporaryDir d;
    ASSERT_TRUE(d.isValid());
    copier(d, "pont.layout");
    copier(d, "lanterne.json", "Bol.json");
    copier(d, "casse.layout");
    copier(d, "pont.layout", ".cache.layout");
    ASSERT_TRUE(QDir(d.path()).mkdir("sous-dossier.layout"));
    ASSERT_EQ(mkfifo(QFile::encodeName(d.filePath("tube.json")).constData(), 0600), 0);

    Dossier r = lireDossier(d.path(), {});
    ASSERT_EQ(r.piles.size(), 3u);
    EXPECT_EQ(r.piles[0].nom, "PAPER LANTERN"); // Bol.json: case is ignored in the order
    EXPECT_EQ(r.piles[1].verdict.refus, Refus::TuileCassee);
    EXPECT_EQ(r.piles[2].nom, "PONT");
    EXPECT_EQ(r.piles[2].chemin, d.filePath("pont.layout"));
    EXPECT_EQ(r.nouvelles, (std::vector<bool>{true, true, true}));

    // Unchanged files come from the cache; a changed one is read again.
    QFile f(d.filePath("casse.layout"));
    ASSERT_TRUE(f.open(QIODevice::Append));
    f.write("\n");
    f.close();
    const Dossier s = lireDossier(d.path(), r.cache);
    EXPECT_EQ(s.nouvelles, (std::vector<bool>{false, true, false}));
    EXPECT_EQ(s.piles[2].empreinte, r.piles[2].empreinte);

    const Dossier t = lireDossier(d.path(), {}, [] { return true; });
    EXPECT_TRUE(t.abandonne);
    EXPECT_TRUE(t.piles.empty());
    EXPECT_TRUE(lireDossier(d.filePath("nulle-part"), {}).piles.empty());
}

TEST(Dossier, LecturesQuiSeDepassentOuSurviventAuLecteur) {
    application();
    QTemporaryDir d;
    ASSERT_TRUE(d.isValid());
    for (int i = 0; i < 100; ++i)
        copier(d, i % 2 ? "pont.layout" : "lanterne.json",
               QStringLiteral("pile%1.%2")
                   .arg(i, 3, 10, QLatin1Char('0'))
                   .arg(i % 2 ? "layout" : "json"));
    LecteurPiles l;
    int lus = 0;
    QObject::connect(&l, &LecteurPiles::lu, [&] { ++lus; });
    EXPECT_FALSE(l.enCours());
    l.lire(d.filePath("nulle-part"));
    l.lire(d.path());
    EXPECT_TRUE(l.enCours());
    ASSERT_TRUE(attendre(l));
    // Only the last read is seen.
    QCoreApplication::processEvents();
    EXPECT_EQ(lus, 1);
    ASSERT_EQ(l.piles().size(), 100u);
    EXPECT_TRUE(l.piles()[99].jouable());

    // A reader gone in the middle of a read takes its thread with it.
    auto parti = std::make_unique<LecteurPiles>();
    parti->lire(d.path());
    parti.reset();
    QCoreApplication::processEvents();
}
