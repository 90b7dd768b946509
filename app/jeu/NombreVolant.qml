import QtQuick 2.15
import Tessimora 1.0
import "../ecran"

// A floating number: centred on px, it rises 18 pixels from py over 900 ms
// with an ease-out and fades in its last 30 %, then goes back to its pool.
// Its life, place and fade are `NombrePose`'s.
NombrePose {
    id: volant

    property string texte: ""
    property string style: "or"
    // Big digits, or the small pixel font.
    property bool grand: true
    property var reserve: null

    // The big digits come in four colours; any other style shows gold.
    readonly property string styleGrand: ["rouge", "jade", "blanc"].indexOf(style) >= 0 ? style : "or"

    width: grand ? chiffres.width : lettres.width
    height: grand ? 20 : 7

    onFinie: if (reserve) reserve.rendre(volant); else arreter()

    Nombre {
        id: chiffres
        visible: volant.grand
        texte: volant.grand ? volant.texte : ""
        style: volant.styleGrand
    }
    Texte {
        id: lettres
        visible: !volant.grand
        texte: volant.grand ? "" : volant.texte
        style: volant.style
    }
}
