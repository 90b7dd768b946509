import QtQuick 2.15
import Tessimora 1.0
import "../ecran"
import "../commun"

// A help line: the translated `texte` with its {action} placeholders shown as
// the keys of the device in use (`touches`), keys in jade and words in grey,
// in one row over a dark backing, so that it reads over the pots and crates
// of any background. Every help line of the cabinet is one of these, so a
// player always reads his own device's keys. Its box is the row: as wide as
// the pieces, 7 high, placed and centred like a `Texte`.
Item {
    id: aide
    property string texte: ""
    property var touches: ({})
    readonly property var morceaux: Menus.decouper(texte, touches)

    width: rangee.width
    height: 7

    Cartouche { autour: [rangee] }

    Row {
        id: rangee
        spacing: Menus.ECART_AIDE
        Repeater {
            model: aide.morceaux
            Texte {
                required property var modelData
                texte: modelData.texte
                style: modelData.touche ? "jade" : "gris"
            }
        }
    }
}
