import QtQuick 2.15
import Tessimora 1.0

// A text in the game's pixel font, always in capitals. The item's box is the
// cap-height band (7 pixels high, as wide as the text), so texts line up and
// centre by it; the glyph images overhang it by 1 pixel on the left, 4 above
// (accents, the top of wide glyphs) and 3 below (descenders). The layout is
// the font's rule, and the glyphs are drawn by `DessinTexte`, in text order,
// so that where two narrow glyphs share a column the later letter is drawn
// over the earlier one's outline.
DessinTexte {
    langueCourante: Langue.code
    base: Qt.resolvedUrl("../")
}
