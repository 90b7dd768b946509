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

    Repeater {
        model: racine.texte.length
        Anim {
            x: 13 * index
            nom: racine.bande
            running: false
            currentFrame: Math.max(0, Police.chiffres.indexOf(racine.texte.charAt(index)))
        }
    }
}
