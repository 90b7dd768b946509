import QtQuick 2.15
import Tessimora 1.0

// Big score digits, one frame of the style's digit strip per character on a
// 13-pixel advance. Characters the strip does not have show its first frame.
Item {
    id: racine

    property string texte: ""
    property string style: "blanc"

    readonly property string bande: "chiffres_"
        + (["or", "blanc", "rouge", "jade"].indexOf(style) >= 0 ? style : "blanc")

    width: texte.length > 0 ? 13 * texte.length + 3 : 0
    height: 20

    // A repeater rebuilds every item when its count changes, so digits are
    // made up to the longest text seen and the extra ones only hidden: a
    // pooled floating number reused for another text creates nothing.
    property int places: 0
    readonly property int longueur: texte.length
    onLongueurChanged: places = Math.max(places, longueur)
    Component.onCompleted: places = Math.max(places, longueur)

    Repeater {
        model: racine.places
        Anim {
            visible: index < racine.longueur
            x: 13 * index
            nom: racine.bande
            running: false
            currentFrame: Math.max(0, Police.chiffres.indexOf(racine.texte.charAt(index)))
        }
    }
}
