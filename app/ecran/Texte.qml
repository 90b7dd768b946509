import QtQuick 2.15
import Tessimora 1.0

// A text in the game's pixel font, always in capitals. The item's box is the
// cap-height band (7 pixels high, as wide as the text), so texts line up and
// centre by it; the glyph images overhang it by 1 pixel on the left, 4 above
// (accents, the top of wide glyphs) and 3 below (descenders). The layout
// itself is the logic's: which image goes where comes from Police.disposer.
Item {
    id: racine

    property string texte: ""
    property string style: "blanc"
    // Chooses the shapes of wide characters; empty follows the current language.
    property string langue: ""

    readonly property var mise: Police.disposer(texte, style, langue !== "" ? langue : Langue.code)
    readonly property string majuscules: Police.majuscules(texte)

    width: mise.largeur
    height: 7

    // A repeater rebuilds every item when its count changes, so glyphs are
    // made up to the longest text seen and the extra ones only hidden: a text
    // that changes as play goes (scores, floating numbers) creates nothing.
    property int places: 0
    readonly property int longueur: mise.n
    onLongueurChanged: places = Math.max(places, longueur)
    Component.onCompleted: places = Math.max(places, longueur)

    // In text order, so that where two narrow glyphs share a column the later
    // letter is drawn over the earlier one's outline.
    Repeater {
        model: racine.places
        Image {
            readonly property bool montre: index < racine.longueur
            visible: montre
            x: montre ? racine.mise.x[index] : 0
            y: montre ? racine.mise.y[index] : 0
            source: montre ? Qt.resolvedUrl("../" + racine.mise.src[index]) : ""
            smooth: false
            mipmap: false
        }
    }
}
