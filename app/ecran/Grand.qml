import QtQuick 2.15
import Tessimora 1.0

// A big title: the drawn English strip centred in `largeurZone`, its shine
// replayed every `reprise` ms while it shows (never when `reprise` is 0), or,
// when the language translates `titre`, the translated text in gold at twice
// the size, centred the same way and never replayed. The text sits where
// the strip's letters do, so a translated title lines up with the English one.
Item {
    id: grand
    property string nom: ""
    property string titre: ""
    property int reprise: 4000
    property int largeurZone: 384

    readonly property bool traduit: { Langue.revision; return titre !== "" && Langue.traduit(titre) }
    readonly property alias bande: bande

    x: Math.floor((largeurZone - width) / 2)
    width: traduit ? 2 * texte.width : bande.width
    height: bande.height

    Anim {
        id: bande
        visible: !grand.traduit
        nom: grand.nom
        // Its replays step with the loops of the same frame length.
        aligne: true
    }

    Timer {
        id: minuterie
        interval: Math.max(1, grand.reprise)
        repeat: true
        running: grand.reprise > 0 && !grand.traduit && grand.visible
        onTriggered: bande.rejouer()
    }
    readonly property bool rejoue: minuterie.running

    Texte {
        id: texte
        visible: grand.traduit
        texte: grand.traduit ? Langue.t(grand.titre) : ""
        style: "or"
        scale: 2
        transformOrigin: Item.TopLeft
        y: Math.floor((bande.height - 14) / 2) + 8
    }
}
