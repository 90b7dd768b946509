#pragma once

#include <QString>

// The gamepad family ("xbox", "deck", "playstation", "nintendo" or empty) of a
// gamepad's name, so the scene can draw the right button glyphs.
QString familleManette(const QString& nomManette);
