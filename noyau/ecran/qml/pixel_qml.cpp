#include "ecran/qml/pixel_qml.h"

#include "ecran/pixel.h"

#include <QtQml>
#include <algorithm>
#include <cmath>

int PixelQml::arrondi(double v) const {
    // Anything far off the screen is as good as far off; no number is 0.
    if (std::isnan(v)) return 0;
    return auPixel(std::min(std::max(v, -1e9), 1e9));
}

void enregistrerPixel() {
    qmlRegisterSingletonType<PixelQml>(
        "Tessimora", 1, 0, "Pixel",
        [](QQmlEngine*, QJSEngine*) -> QObject* { return new PixelQml; });
}
