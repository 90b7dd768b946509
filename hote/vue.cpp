#include "vue.h"

#include <QKeyEvent>

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
