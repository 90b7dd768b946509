#pragma once
// Paints glyph maps into images: the letter in its style's vertical ramp,
// ringed by a one-pixel outline in the style's dark colour.

#include "sources.h"

#include <QImage>
#include <QRgb>
#include <QString>
#include <QVector>
#include <functional>

namespace peinture {

struct Style {
    QString nom;
    QRgb contour;
    QVector<QRgb> rampe; // the 7 rows of a narrow letter's body, top to bottom
};

const QVector<Style>& styles();

// A 7 x 14 narrow glyph: body rows 4 to 10 take the ramp, marks above take
// its first colour, descenders its last.
QImage etroit(const sources::Carte& carte, const Style& s);

// A 12 x 12 wide glyph from a 9 x 9 map: the body at columns 1-9 and rows
// 2-10, the ramp stretched over its 9 rows.
QImage large(const sources::Carte& neuf, const Style& s);

} // namespace peinture
