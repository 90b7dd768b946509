#pragma once

#include <QVariant>
#include <array>

// A pair of places or cells [a, b] from the scenes (a hinted pair); anything
// else, null included, is no pair: { -1, -1 }.
inline std::array<int, 2> paireDe(const QVariant& v) {
    const QVariantList l = v.toList();
    return l.size() == 2 ? std::array<int, 2>{l[0].toInt(), l[1].toInt()}
                         : std::array<int, 2>{-1, -1};
}
