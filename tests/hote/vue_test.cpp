#include "compteur_images.h"
#include "vue.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QRegularExpression>
#include <QThread>
#include <gtest/gtest.h>
#include <vector>

TEST(Vue, ToucheDeBascule) {
    EXPECT_TRUE(Vue::estBascule(Qt::Key_Return, Qt::AltModifier));
    EXPECT_TRUE(Vue::estBascule(Qt::Key_Enter, Qt::AltModifier | Qt::KeypadModifier));
    EXPECT_TRUE(Vue::estBascule(Qt::Key_Return, Qt::AltModifier | Qt::ShiftModifier));
    EXPECT_FALSE(Vue::estBascule(Qt::Key_Return, Qt::AltModifier | Qt::ControlModifier));
    EXPECT_FALSE(Vue::estBascule(Qt::Key_Return, Qt::NoModifier));
    EXPECT_TRUE(Vue::estBascule(Qt::Key_F, Qt::ControlModifier | Qt::MetaModifier));
    EXPECT_FALSE(Vue::estBascule(Qt::Key_F, Qt::ControlModifier));
    EXPECT_TRUE(Vue::estBascule(Qt::Key_F11, Qt::ShiftModifier));
    EXPECT_FALSE(Vue::estBascule(Qt::Key_C, Qt::NoModifier));
}

TEST(Vue, BasculeEtRepetitions) {
    Vue vue;
    vue.resize(320, 200);
    vue.show();
    auto appuyer = [&](int touche, Qt::KeyboardModifiers mods, bool repetition) {
        QKeyEvent e(QEvent::KeyPress, touche, mods, QString(), repetition);
        QCoreApplication::sendEvent(&vue, &e);
    };
    appuyer(Qt::Key_Return, Qt::AltModifier, false);
    EXPECT_EQ(vue.visibility(), QWindow::FullScreen);
    appuyer(Qt::Key_F11, Qt::NoModifier, true); // a held F11 toggles once
    EXPECT_EQ(vue.visibility(), QWindow::FullScreen);
    appuyer(Qt::Key_F11, Qt::NoModifier, false);
    EXPECT_NE(vue.visibility(), QWindow::FullScreen);
}

TEST(CompteurImages, ReleveEtRemiseAZero) {
    CompteurImages compteur;
    EXPECT_EQ(compteur.releve(), "TESSIMORA_IPS 0 0.0 0");
    compteur.image();
    QThread::msleep(20); // one interval longer than a 60 Hz frame
    compteur.image();
    compteur.image();
    const QString ligne = QString::fromStdString(compteur.releve());
    const auto m = QRegularExpression(R"(^TESSIMORA_IPS 3 (\d+\.\d) 1$)").match(ligne);
    ASSERT_TRUE(m.hasMatch()) << ligne.toStdString();
    EXPECT_GE(m.captured(1).toDouble(), 19.9);
    EXPECT_EQ(compteur.releve(), "TESSIMORA_IPS 0 0.0 0");
}

// The list of frames goes on from one report to the next without losing or
// repeating one, and a report that fell behind starts again from the frames
// still kept.
TEST(CompteurImages, ListeDesImages) {
    CompteurImages compteur(true);
    EXPECT_EQ(compteur.images(), "TESSIMORA_IMAGES");
    auto nombres = [&compteur] {
        const QStringList l = QString::fromStdString(compteur.images()).split(' ');
        EXPECT_EQ(l.front(), "TESSIMORA_IMAGES");
        std::vector<double> v;
        for (int i = 1; i < l.size(); ++i)
            v.push_back(l[i].toDouble());
        return v;
    };
    compteur.image();
    QThread::msleep(20);
    compteur.image();
    std::vector<double> v = nombres();
    ASSERT_EQ(v.size(), 2u); // the first frame is where the lengths start
    EXPECT_GE(v[1], 19.9);
    const double fin = v[0] + v[1];

    QThread::msleep(5);
    compteur.image();
    v = nombres();
    ASSERT_EQ(v.size(), 2u);
    EXPECT_DOUBLE_EQ(v[0], fin);
    EXPECT_GE(v[1], 4.9);
    EXPECT_EQ(compteur.images(), "TESSIMORA_IMAGES");

    for (std::uint32_t i = 0; i < CompteurImages::FINS + 10; ++i)
        compteur.image();
    EXPECT_EQ(nombres().size(), CompteurImages::FINS);
    // Without the option, frames are counted but not listed.
    CompteurImages seul;
    seul.image();
    EXPECT_EQ(seul.images(), "TESSIMORA_IMAGES");
}
