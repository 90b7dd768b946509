import QtQuick 2.15
import Tessimora 1.0
import "../ecran"

// DEMO PLAY over a stage the AI plays by itself. Until the stage controller
// is in place, the band and the call to play run over an empty board.
Rectangle {
    id: demo
    property int credits: 0
    property bool freePlay: true
    property int graine: 1
    property int record: 0
    property var sons: null
    readonly property bool peutJouer: freePlay || credits > 0

    width: 384
    height: 224
    color: "#0b0820"

    Anim { nom: "effets_voile_bande"; y: 176; running: false; currentFrame: 2 }
    Grand { y: 182; nom: "ecrans_titre_demo_play"; cle: "DEMO PLAY"; rejeu: 3000 }

    Clignote {
        y: 206
        width: 384
        height: 10
        Texte {
            x: Math.floor((384 - width) / 2)
            texte: { Langue.revision; return Langue.t(demo.peutJouer ? "PUSH START" : "INSERT COIN") }
            style: "or"
        }
    }
}
