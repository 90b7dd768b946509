import QtQuick 2.15
import Tessimora 1.0
import "../ecran"
import "../jeu"

// CONTINUE?: ten seconds over a burning incense stick. The digit counts
// down from 9 once a second (Back counts at once, as on a cabinet) and the
// offer ends one second after 0; OK or START goes on when a game can be paid.
Item {
    id: suite
    property int credits: 0
    property bool freePlay: true

    property int compte: 9
    property bool actif: true
    property real reste: 1
    readonly property bool peutJouer: freePlay || credits > 0
    readonly property alias minuterie: seconde
    // SPEECH says what a press does with the title, then each digit.
    readonly property var annonce: [peutJouer ? "PUSH START" : "INSERT COIN"]
    onCompteChanged: Parole.decompte(compte)

    signal choix(bool oui)
    signal son(string id)

    width: 384
    height: 224

    // The holder connects the signals once the scene is made.
    Component.onCompleted: Qt.callLater(function () { suite.son("compte") })

    function avancer() {
        if (!actif)
            return
        if (compte === 0) {
            actif = false
            choix(false)
            return
        }
        compte -= 1
        son("compte")
        seconde.restart()
    }

    function action(a) {
        if (!actif)
            return true
        if (a === "ok" || a === "start") {
            if (peutJouer) {
                actif = false
                son("depart")
                choix(true)
            } else {
                son("erreur")
            }
            return true
        }
        if (a === "retour") {
            avancer()
            return true
        }
        return false
    }

    // A tap is OK for the scene itself: it never inserts a coin.
    function appui(x, y) { action("ok") }

    Timer {
        id: seconde
        interval: 1000
        repeat: true
        running: suite.actif
        onTriggered: suite.avancer()
    }

    NumberAnimation on reste {
        from: 1
        to: 0
        duration: 10000
        running: suite.actif
    }

    Fond { mode: "temple" }
    Voile {}

    Anim {
        nom: "effets_logo_continue"
        x: Math.floor((384 - width) / 2)
        y: 30
    }

    Anim {
        nom: "ecrans_compte"
        x: 176
        y: 72
        running: false
        currentFrame: suite.compte
    }

    Anim {
        nom: "ecrans_panda2_continue"
        x: 192 - origineX
        y: 196 - origineY
    }

    Encens {
        x: 104
        y: 186
        longueur: 160
        reste: suite.reste
        urgence: suite.compte <= 3
    }

    Clignote {
        y: 208
        width: 384
        height: 10
        periode: 700
        Texte {
            x: Math.floor((384 - width) / 2)
            texte: { Langue.revision; return Langue.t(suite.peutJouer ? "PUSH START" : "INSERT COIN") }
            style: "or"
        }
    }

    Texte {
        visible: !suite.freePlay
        y: 212
        x: 384 - 6 - width
        texte: { Langue.revision; return Langue.t("CREDIT {n}", { n: suite.credits }) }
        style: "blanc"
    }
}
