#include "son/catalogue.h"

#include <QSet>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace catalogue;

TEST(Catalogue, TableFollowsTheSoundTestOrder) {
    const auto& liste = pistes();
    ASSERT_EQ(liste.size(), 36u);
    QSet<QString> ids;
    int musiques = 0, jingles = 0, bruitages = 0, voix = 0;
    for (std::size_t i = 0; i < liste.size(); ++i) {
        const Piste& p = liste[i];
        EXPECT_EQ(p.numero, static_cast<int>(i) + 1);
        EXPECT_EQ(p.fichier, "../sons/" + p.id + ".ogg");
        EXPECT_GT(p.duree, 0.3);
        // Only music loops; a looping jingle would never hand back the channel.
        EXPECT_EQ(p.boucle, p.type == "musique") << p.id.toStdString();
        ids.insert(p.id);
        musiques += p.type == "musique";
        jingles += p.type == "jingle";
        bruitages += p.type == "bruitage";
        voix += p.type == "voix";
    }
    EXPECT_EQ(ids.size(), 36);
    EXPECT_EQ(musiques, 9);
    EXPECT_EQ(jingles, 3);
    EXPECT_EQ(bruitages, 20);
    EXPECT_EQ(voix, 4);

    EXPECT_EQ(liste.front().id, "titre");
    EXPECT_EQ(liste.front().titre, "LANTERNS RISE");
    EXPECT_EQ(liste[24].id, "paire_9");
    EXPECT_EQ(liste[24].titre, "PAIR X9");
    EXPECT_DOUBLE_EQ(liste[24].duree, 2.415);
    EXPECT_EQ(liste.back().id, "voix_time_up");
    EXPECT_EQ(liste.back().titre, "VOICE TIME UP");
}

TEST(Catalogue, LooksTracksUpById) {
    const Piste* p = piste("urgence");
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->numero, 7);
    EXPECT_EQ(p->titre, "INCENSE BURNS DOWN");
    EXPECT_DOUBLE_EQ(p->duree, 21.818);
    EXPECT_EQ(piste("inconnu"), nullptr);
    EXPECT_EQ(piste(""), nullptr);
    EXPECT_EQ(piste("TITRE"), nullptr); // ids are case-sensitive
}

TEST(Catalogue, StageMusicChangesEveryThreeStagesAndWraps) {
    EXPECT_EQ(fonds(), QStringList({"jeu1", "jeu2", "jeu3", "jeu4"}));
    const char* attendu[] = {"jeu1", "jeu1", "jeu1", "jeu2", "jeu2", "jeu2", "jeu3", "jeu3",
                             "jeu3", "jeu4", "jeu4", "jeu4", "jeu1", "jeu1", "jeu1", "jeu2"};
    for (int e = 0; e < 16; ++e)
        EXPECT_EQ(musiqueEtape(e), attendu[e]) << e;
    EXPECT_EQ(musiqueEtape(-1), "jeu1");
    EXPECT_EQ(musiqueEtape(-100), "jeu1");
    EXPECT_EQ(musiqueEtape(2.9), "jeu1");
    EXPECT_EQ(musiqueEtape(3.0), "jeu2");
    EXPECT_EQ(musiqueEtape(1e12), musiqueEtape(1e12 - 12.0));
    EXPECT_EQ(musiqueEtape(std::nan("")), "jeu1");
    EXPECT_EQ(musiqueEtape(std::numeric_limits<double>::infinity()), "jeu1");
}

TEST(Catalogue, PairSoundFollowsTheIntegerComboLevel) {
    EXPECT_EQ(paire(0), "paire_1");
    EXPECT_EQ(paire(1), "paire_1");
    EXPECT_EQ(paire(2.7), "paire_2");
    EXPECT_EQ(paire(9), "paire_9");
    EXPECT_EQ(paire(9.99), "paire_9");
    EXPECT_EQ(paire(12), "paire_9");
    EXPECT_EQ(paire(-3), "paire_1");
    EXPECT_EQ(paire(1e300), "paire_9");
    EXPECT_EQ(paire(std::nan("")), "paire_1");
    EXPECT_EQ(paire(-std::numeric_limits<double>::infinity()), "paire_1");
    for (int c = 1; c <= 9; ++c)
        EXPECT_NE(piste(paire(c)), nullptr) << c;
}
