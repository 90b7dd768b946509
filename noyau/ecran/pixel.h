#pragma once

#include <cmath>

// A position taken to a whole pixel of the native screen: the nearest
// integer, halves upwards, as everywhere positions are rounded on this screen.
inline int auPixel(double v) {
    return static_cast<int>(std::floor(v + 0.5));
}
