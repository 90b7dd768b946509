#include "ecran/qml/secousse_qml.h"

#include "ecran/qml/remplacer.h"

void SecousseQml::setX(int v) {
    if (remplacer(x_, v)) emit decalageChanged();
}

void SecousseQml::setY(int v) {
    if (remplacer(y_, v)) emit decalageChanged();
}

void SecousseQml::setPrise(bool v) {
    if (remplacer(prise_, v)) emit priseChanged();
}
