import QtQuick 2.15
import Tessimora 1.0

// A board title centred on the screen: the drawn English strip with its
// shine replayed every `rejeu` ms, or, when the language translates the
// title, the translated text in gold at twice the size.
Item {
    id: grand
    property string nom: ""
    property string cle: ""
    property int rejeu: 3000

    readonly property bool traduit: { Langue.revision; return Langue.traduit(cle) }

    width: 384
    height: traduit ? 14 : bande.height

    Anim {
        id: bande
        visible: !grand.traduit
        nom: grand.nom
        x: Math.floor((384 - width) / 2)
    }

    Timer {
        interval: grand.rejeu
        repeat: true
        running: !grand.traduit && grand.visible
        onTriggered: bande.rejouer()
    }

    Texte {
        visible: grand.traduit
        texte: grand.traduit ? Langue.t(grand.cle) : ""
        style: "or"
        scale: 2
        transformOrigin: Item.TopLeft
        x: Math.floor((384 - 2 * width) / 2)
    }
}
