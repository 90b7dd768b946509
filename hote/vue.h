#pragma once

#include <QQuickView>

// The game window. Its only behaviour of its own is the full-screen toggle
// from the keyboard (Alt+Return, Ctrl+Meta+F, F11); every other event takes
// the view's standard road to the scene's focused item.
class Vue : public QQuickView {
public:
    Vue() = default;

    // True when a key press with these modifiers switches full screen.
    static bool estBascule(int touche, Qt::KeyboardModifiers modificateurs);

protected:
    void keyPressEvent(QKeyEvent* evenement) override;
};
