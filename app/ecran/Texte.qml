import QtQuick 2.15
import Tessimora 1.0

// A text in the game's pixel font, always in capitals. The item's box is the
// cap-height band (7 pixels high, as wide as the text), so texts line up and
// centre by it; the glyph images overhang it by 1 pixel on the left, 4 above
// (accents, the top of wide glyphs) and 3 below (descenders). The layout
// itself is the logic's: which image goes where comes from the font's rule
// through `MiseTexte`, which tells only the glyphs that changed.
Item {
    id: racine

    property string texte: ""
    property string style: "blanc"
    // Chooses the shapes of wide characters; empty follows the current language.
    property string langue: ""

    readonly property var mise: glyphes.mise
    readonly property string majuscules: Police.majuscules(texte)

    width: glyphes.largeur
    height: 7

    MiseTexte {
        id: glyphes
        texte: racine.texte
        style: racine.style
        langue: racine.langue !== "" ? racine.langue : Langue.code
        base: Qt.resolvedUrl("../")
    }

    // In text order, so that where two narrow glyphs share a column the later
    // letter is drawn over the earlier one's outline.
    Repeater {
        model: glyphes
        Image {
            visible: model.montre
            x: model.gx
            y: model.gy
            source: model.source
            smooth: false
            mipmap: false
        }
    }
}
