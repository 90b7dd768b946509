#include "compteur_images.h"
#include "vue.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QRegularExpression>
#include <QThread>
#include <gtest/gtest.h>

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
