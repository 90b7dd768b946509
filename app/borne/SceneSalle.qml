import QtQuick 2.15
import Tessimora 1.0
import "../ecran"

// The LANTERN ROOM: thanks, the final score, lanterns rising over the harbour.
Rectangle {
    id: salle
    property int score: 0
    signal sortie()

    width: 384
    height: 224
    gradient: Gradient {
        GradientStop { position: 0; color: "#080a24" }
        GradientStop { position: 1; color: "#16305a" }
    }

    function action(a) {
        if (a === "ok" || a === "start" || a === "retour") {
            sortie()
            return true
        }
        return false
    }

    function appui(x, y) { sortie() }

    Grand { y: 30; nom: "ecrans_titre_thank_you_for_playing"; cle: "THANK YOU FOR PLAYING"; rejeu: 3000 }
    Grand { y: 56; nom: "ecrans_logo"; rejeu: 5000 }

    Texte {
        visible: salle.score > 0
        y: 100
        x: Math.floor((384 - width) / 2)
        texte: { Langue.revision; return Langue.t("SCORE {n}", { n: salle.score }) }
        style: "or"
    }

    Anim {
        nom: "ecrans_panda2_victoire"
        x: 192 - origineX
        y: 196 - origineY
    }

    Texte {
        y: 210
        x: Math.floor((384 - width) / 2)
        texte: "TESSIMORA  \u00A9 2026 BRONTELVIK"
        style: "gris"
    }
}
