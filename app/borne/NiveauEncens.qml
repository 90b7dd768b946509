import QtQuick 2.15
import Tessimora 1.0
import "../ecran"

// A level of OPTIONS as an incense stick: a full level is a long unburnt
// stick, 0 has burnt out to the ember at the far left; ash dots trail behind
// the ember, the burner holds the unburnt end, and the value 0..100 follows.
// Placed at x 0 of the row; the stick's ends are the rules' own.
Item {
    id: niveau
    property real valeur: 0
    property bool courant: false

    readonly property int braise: Options.braise(valeur)
    readonly property int debut: Options.BATON_X
    readonly property int fin: Options.BATON_FIN

    height: 7

    Repeater {
        model: Math.max(0, Math.ceil((niveau.braise - niveau.debut) / 3))
        Rectangle {
            required property int index
            x: niveau.debut + 3 * index
            y: 4
            width: 1
            height: 1
            color: "#6a6a78"
        }
    }
    Rectangle {
        x: niveau.braise
        y: 2
        width: Math.max(0, niveau.fin - niveau.braise)
        height: 1
        color: "#b07a3a"
    }
    Rectangle {
        x: niveau.braise
        y: 3
        width: Math.max(0, niveau.fin - niveau.braise)
        height: 1
        color: "#7a4a1e"
    }
    Anim {
        x: 298
        y: 0
        nom: "ecrans_brule_parfum"
    }
    // The ember rests on its first frame: its flicker alone kept a still
    // OPTIONS screen drawing nine frames a second.
    Anim {
        x: niveau.braise
        y: 2
        nom: "ecrans_braise"
        running: false
    }
    Texte {
        x: 316
        texte: String(Options.pourcent(niveau.valeur))
        style: niveau.courant ? "or" : "blanc"
    }
}
