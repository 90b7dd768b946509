#include "vue.h"

#include <QKeyEvent>
#include <QSurfaceFormat>

// The window shows one opaque full-window pass and nothing with a rotated
// clip, so depth and stencil buffers would only cost: without a depth buffer
// the scene graph draws every item back to front, the same picture, and a
// software renderer no longer clears, tests and writes a depth value at
// every window pixel of every frame (5 to 20 % more frames under Mesa's
// llvmpipe, tests/ips/banc_ips.py).
Vue::Vue() {
    QSurfaceFormat format = requestedFormat();
    format.setDepthBufferSize(0);
    format.setStencilBufferSize(0);
    setFormat(format);
}

bool Vue::estBascule(int touche, Qt::KeyboardModifiers modificateurs) {
    // Shift and the keypad flag do not count: Alt+Shift+Return still toggles.
    const Qt::KeyboardModifiers mods =
        modificateurs & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if ((touche == Qt::Key_Return || touche == Qt::Key_Enter) && mods == Qt::AltModifier)
        return true;
    if (touche == Qt::Key_F && mods == (Qt::ControlModifier | Qt::MetaModifier)) return true;
    return touche == Qt::Key_F11;
}

void Vue::keyPressEvent(QKeyEvent* evenement) {
    if (estBascule(evenement->key(), evenement->modifiers()) && !evenement->isAutoRepeat()) {
        if (visibility() == QWindow::FullScreen)
            showNormal();
        else
            showFullScreen();
        evenement->accept();
        return;
    }
    QQuickView::keyPressEvent(evenement);
}
