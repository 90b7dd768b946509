#include "signaux.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <csignal>
#include <gtest/gtest.h>

namespace {

// Runs the event loop until `fait` or half a second.
void attendre(const bool& fait) {
    QElapsedTimer t;
    t.start();
    while (!fait && t.elapsed() < 500)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

} // namespace

TEST(Signaux, ChaqueSignalDeFinQuitteDepuisLaBoucle) {
    for (int numero : {SIGTERM, SIGINT, SIGHUP}) {
        int quits = 0;
        bool fait = false;
        Signaux signaux([&] {
            ++quits;
            fait = true;
        });
        ASSERT_TRUE(signaux.actif());
        std::raise(numero);
        // Nothing ran inside the handler: the quit waits for the loop.
        EXPECT_EQ(quits, 0) << numero;
        attendre(fait);
        EXPECT_EQ(quits, 1) << numero;
    }
}

TEST(Signaux, LesAnciensGestionnairesReviennent) {
    struct sigaction avant = {};
    ::sigaction(SIGHUP, nullptr, &avant);
    {
        Signaux signaux([] {});
    }
    struct sigaction apres = {};
    ::sigaction(SIGHUP, nullptr, &apres);
    EXPECT_EQ(avant.sa_handler, apres.sa_handler);
}

TEST(SignauxMort, UnSecondSignalPendantLeQuitFinitAussitot) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            Signaux signaux([] {});
            std::raise(SIGINT);
            // The quit has not run yet (no loop turn): the second one ends it.
            std::raise(SIGTERM);
            std::_Exit(0);
        },
        testing::KilledBySignal(SIGTERM), "");
    // A quit that ran and then hangs: another signal still ends it.
    EXPECT_EXIT(
        {
            bool fait = false;
            Signaux signaux([&] { fait = true; });
            std::raise(SIGHUP);
            attendre(fait);
            if (!fait) std::_Exit(3);
            std::raise(SIGHUP);
            std::_Exit(0);
        },
        testing::KilledBySignal(SIGHUP), "");
}
