#include "cible_touches.h"
#include "manettes_essai.h"
#include "plateforme.h"

#include <QCoreApplication>
#include <gtest/gtest.h>
#include <unistd.h>

// The lines a trial writes reach the bridge as the gamepad manager's events;
// anything else, or out of range, is dropped without an event.
TEST(ManettesEssai, LignesEtRefus) {
    CibleTouches touches;
    Plateforme facade{QStringList{"tessimora"}};
    ManettesEssai essai(-1, &touches, &facade, true);
    Manettes& pont = essai.pont();
    EXPECT_TRUE(ManettesEssai::appliquer(pont, "appui 1 3 1"));
    EXPECT_EQ(facade.manette(), "playstation");
    EXPECT_TRUE(ManettesEssai::appliquer(pont, "  relache   1 3 \r"));
    EXPECT_TRUE(ManettesEssai::appliquer(pont, "axe 3 0 -0.8"));
    EXPECT_TRUE(ManettesEssai::appliquer(pont, "debranche 2"));
    EXPECT_EQ(touches.recus, (QStringList{"+1f00103", "-1f00103", "+1f0030f", "-1f0030f"}));
    for (const char* ligne :
         {"", "appui", "appui 4 0 1", "appui -1 0 1", "appui 0 18 1", "appui 0 0 2",
          "appui 0 0 nan", "appui 0 0 1 1", "relache 0", "axe 0 6 1", "axe 0 0 -1.5", "debranche",
          "debranche x", "bouton 0 0 1", "appui 0x1 0 1"})
        EXPECT_FALSE(ManettesEssai::appliquer(pont, ligne)) << ligne;
    EXPECT_EQ(touches.recus.size(), 4);
}

// Lines cut anywhere by the pipe are put back together; one too long to be
// an event is skipped to its end, and the next line still counts.
TEST(ManettesEssai, MorceauxDuTube) {
    CibleTouches touches;
    Plateforme facade{QStringList{"tessimora"}};
    int tube[2];
    ASSERT_EQ(::pipe(tube), 0);
    ManettesEssai essai(tube[0], &touches, &facade, false);
    const QByteArray texte = "appui 0 0 1\nrela"
                             "che 0 0\n" +
                             QByteArray(500, 'x') + "appui 0 9 1\nappui 0 1 1\nappui 2 ";
    ASSERT_EQ(::write(tube[1], texte.constData(), texte.size()), texte.size());
    for (int i = 0; i < 20 && touches.recus.size() < 3; ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_EQ(touches.recus, (QStringList{"+1f00000", "-1f00000", "+1f00001"}));
    essai.recevoir("0 1\n");
    EXPECT_EQ(touches.recus.last(), "+1f00200");
    essai.recevoir(QByteArray(300, 'y'));
    essai.recevoir("y appui 0 2 1\nappui 0 3 1\n");
    EXPECT_EQ(touches.recus.mid(4), (QStringList{"+1f00003"}));
    EXPECT_EQ(facade.manette(), ""); // detection off: the family stays
    ::close(tube[1]);
}
