import QtQuick 2.15
import "../ecran"

// A floating number: centred on px, it rises 18 pixels from py over 900 ms
// with an ease-out and fades in its last 30 %, then goes back to its pool.
Item {
    id: volant

    property real px: 0
    property real py: 0
    property string texte: ""
    property string style: "or"
    // Big digits, or the small pixel font.
    property bool grand: true
    property int delai: 0
    property real t: 0
    property var reserve: null
    property bool enJeu: false

    // The big digits come in four colours; any other style shows gold.
    readonly property string styleGrand: ["rouge", "jade", "blanc"].indexOf(style) >= 0 ? style : "or"

    width: grand ? chiffres.width : lettres.width
    height: grand ? 20 : 7
    x: Math.floor(px - width / 2 + 0.5)
    y: Math.floor(py - 18 * t + 0.5)
    opacity: t < 0.7 ? 1 : (1 - t) / 0.3
    visible: false

    function lancer() {
        vie.stop()
        t = 0
        visible = false
        enJeu = true
        vie.start()
    }
    function arreter() {
        vie.stop()
        visible = false
        enJeu = false
    }

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

    SequentialAnimation {
        id: vie
        PauseAnimation {
            duration: Math.max(0, volant.delai)
        }
        ScriptAction {
            script: volant.visible = true
        }
        NumberAnimation {
            target: volant
            property: "t"
            from: 0
            to: 1
            duration: 900
            easing.type: Easing.OutCubic
        }
        ScriptAction {
            script: if (volant.reserve) volant.reserve.rendre(volant); else volant.arreter()
        }
    }
}
