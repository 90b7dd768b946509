#pragma once

#include <QObject>

// Positions taken to whole pixels of the native screen, as the scenes see
// them: the singleton `Pixel`, so that every drawing rounds one way.
class PixelQml : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // v to the nearest integer, halves upwards (-0.5 gives 0, 2.5 gives 3).
    Q_INVOKABLE int arrondi(double v) const;
};

// Registers the singleton `Pixel` under "Tessimora" 1.0.
void enregistrerPixel();
