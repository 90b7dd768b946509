import QtQuick 2.15
import Tessimora 1.0
import "../ecran"
import "../jeu"

// DEMO PLAY over a stage the LANTERN AI plays by itself, silently; the
// cabinet's timer ends it whatever its state.
Rectangle {
    id: demo
    property int credits: 0
    property bool freePlay: true
    property int graine: 1
    property int record: 0
    property var sons: null
    property bool tuilesClaires: false
    readonly property bool peutJouer: freePlay || credits > 0

    width: 384
    height: 224
    color: "#0b0820"

    Jeu {
        id: jeu
        mode: Mode.Demo
        niveauIa: 1
        pandaY: 174
        sons: demo.sons
        record: demo.record
        claires: demo.tuilesClaires
    }

    Component.onCompleted: jeu.demarrer(Modes.etapeDe(demo.graine), demo.graine, true)

    Anim { nom: "effets_voile_bande"; y: 176; running: false; currentFrame: 2 }
    Grand { y: 182; nom: "ecrans_titre_demo_play"; titre: "DEMO PLAY"; reprise: 3000 }

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
