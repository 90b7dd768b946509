#pragma once

#include <QKeyEvent>
#include <QObject>
#include <QStringList>
#include <gtest/gtest.h>
#include <utility>

// Receives a gamepad bridge's key events as "+code", "-code" or "*code"
// (repeat). The bridge's keys carry no modifier and no text.
class CibleTouches : public QObject {
public:
    QStringList recus;
    bool event(QEvent* e) override {
        if (e->type() != QEvent::KeyPress && e->type() != QEvent::KeyRelease)
            return QObject::event(e);
        auto* k = static_cast<QKeyEvent*>(e);
        const char* signe = e->type() == QEvent::KeyRelease ? "-" : k->isAutoRepeat() ? "*" : "+";
        recus << QString("%1%2").arg(signe).arg(k->key(), 0, 16);
        EXPECT_EQ(k->modifiers(), Qt::NoModifier);
        EXPECT_TRUE(k->text().isEmpty());
        return true;
    }
    QStringList prendre() { return std::exchange(recus, {}); }
};
