import QtQuick 2.15
import Tessimora 1.0
import "../ecran"
import "../jeu"

// The LANTERN ROOM: thanks, the final score, lanterns rising over the harbour.
Item {
    id: salle
    property int score: 0
    signal sortie()

    width: 384
    height: 224

    Fond { mode: "port" }

    Effets { id: effets; anchors.fill: parent; z: 1 }

    // Lanterns keep rising over the harbour, now and then a firework.
    Timer {
        interval: 260
        repeat: true
        running: salle.visible
        onTriggered: {
            var r = effets.hasard()
            var montee = 150 + 40 * effets.hasard()
            effets.poser({ nom: "effets_lanterne_monte", x: 20 + Math.floor(344 * r), y: 200,
                           dy: -montee, vie: 3400 + 800 * effets.hasard(), fondu: true })
            if (effets.hasard() < 0.18) {
                var feux = ["fonds_feu_or", "fonds_feu_rose", "fonds_feu_jade"]
                var f = feux[Math.min(2, Math.floor(3 * effets.hasard()))]
                effets.poser({ nom: f, x: 40 + 300 * effets.hasard(), y: 30 + 60 * effets.hasard(),
                               vie: 880 })
            }
        }
    }

    function action(a) {
        if (a === "ok" || a === "start" || a === "retour") {
            sortie()
            return true
        }
        return false
    }

    function appui(x, y) { sortie() }

    Grand { y: 30; nom: "ecrans_titre_thank_you_for_playing"; titre: "THANK YOU FOR PLAYING"; reprise: 3000 }
    Grand { y: 56; nom: "ecrans_logo"; reprise: 5000 }

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
