#include "ecran/qml/secousse_qml.h"

#include "ecran/qml/remplacer.h"

#include <chrono>
#include <cstdio>

void SecousseQml::setX(int v) {
    if (remplacer(x_, v)) emit decalageChanged();
}

void SecousseQml::setY(int v) {
    if (remplacer(y_, v)) emit decalageChanged();
}

void SecousseQml::setPrise(bool v) {
    if (remplacer(prise_, v)) emit priseChanged();
}

void SecousseQml::journaliser(int dx, int dy) const {
    const auto maintenant = std::chrono::steady_clock::now().time_since_epoch();
    std::printf("TESSIMORA_SECOUSSE %d %d %.1f\n", dx, dy,
                std::chrono::duration<double, std::milli>(maintenant).count());
    std::fflush(stdout);
}
