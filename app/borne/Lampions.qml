import QtQuick 2.15
import "../ecran"

// A row of lampions, one per value, the chosen one lit with its text in jade
// and the others dark in grey: the choice lines of OPTIONS and the device
// row of CONTROLS. Texts come already translated; each sits 18 pixels right
// of its lampion, which is centred on the text's band.
Item {
    id: rangee
    property var textes: []
    property int allume: -1
    property int ecart: 66

    height: 7

    Repeater {
        model: rangee.textes
        Item {
            id: lampion
            required property int index
            required property string modelData
            readonly property bool lit: index === rangee.allume
            x: rangee.ecart * index
            Anim {
                y: -4
                nom: parent.lit ? "ecrans_lampion_allume" : "ecrans_lampion_eteint"
            }
            Texte {
                x: 18
                texte: lampion.modelData
                style: parent.lit ? "jade" : "gris"
            }
        }
    }
}
