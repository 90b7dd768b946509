import QtQuick 2.15
import Tessimora 1.0
import "../ecran"
import "../jeu"

// A yes-or-no question on two lampions, over the screen: the pause menu's
// exits and the title's QUIT. NO is lit when it opens, so a stray OK never
// loses a game or ends the program. The owner shows it and hides it; every
// action reaches it while it is shown.
Item {
    id: confirmation

    // Texts already translated.
    property string question: ""
    property string detail: ""
    property var touches: ({})
    // 0 YES, 1 NO.
    property int choix: 1

    signal reponse(bool oui)
    signal son(string id)

    width: 384
    height: 224

    // SPEECH says the question, its detail and the answer lit.
    function ouvrir() {
        choix = 1
        Parole.question(question, detail, false)
    }
    function allumer(c) {
        choix = c
        son("selection")
        Parole.reponse(c === 0)
    }

    function repondre(oui) {
        son(oui ? "depart" : "deselection")
        reponse(oui)
    }

    function action(a) {
        if (Commandes.direction(a)) {
            allumer(1 - choix)
        } else if (a === "ok") {
            repondre(choix === 0)
        } else if (a === "retour" || a === "start") {
            repondre(false)
        }
        return true
    }

    // Pressing the lit lampion answers it; pressing the other lights it first.
    function appui(x, y) {
        var c = Menus.reponseTouchee(x, y)
        if (c < 0)
            return
        if (c === choix) {
            repondre(c === 0)
        } else {
            allumer(c)
        }
    }

    Rectangle {
        anchors.fill: parent
        color: "#0c0618"
        opacity: 0.72
    }
    Voile {}

    Anim {
        x: 179
        y: 30
        nom: "ecrans_lanterne_logo"
    }

    Texte {
        y: 76
        x: Math.floor((384 - width) / 2)
        texte: confirmation.question
        style: "or"
    }

    Texte {
        y: 90
        x: Math.floor((384 - width) / 2)
        texte: confirmation.detail
        style: "gris"
    }

    Repeater {
        model: [132, 212]
        Item {
            id: reponse
            required property int index
            required property int modelData
            readonly property bool allume: confirmation.choix === index
            x: modelData
            y: 118
            Anim {
                y: -6
                nom: parent.allume ? "ecrans_lampion_allume" : "ecrans_lampion_eteint"
            }
            Texte {
                x: 18
                texte: Langue.t(reponse.index === 0 ? "YES" : "NO")
                style: parent.allume ? "or" : "gris"
            }
        }
    }

    Aide {
        y: 172
        x: Math.floor((384 - width) / 2)
        texte: Langue.t("{gauche} {droite} CHOOSE   {ok} OK   {retour} NO")
        touches: confirmation.touches
    }
}
