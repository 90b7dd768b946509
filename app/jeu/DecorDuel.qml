import QtQuick 2.15
import Tessimora 1.0
import "../ecran"

// What the duel draws over its two boards: four lanterns swinging on the
// line between the halves, the VS title while READY-GO runs, and two pandas
// facing each other at the bottom, ready at the start and, once the duel is
// decided, the winner cheering and the loser downcast (both waiting on a
// draw).
Item {
    id: decor
    width: 384
    height: 224

    property bool anime: true
    property bool titre: false
    property bool pandas: false
    // -1 undecided, 0 a draw, else the winning player.
    property int gagnant: -1

    function poseDe(joueur) {
        if (gagnant < 0)
            return "ecrans_panda2_pret"
        if (gagnant === 0)
            return "ecrans_panda2_attente"
        return gagnant === joueur ? "ecrans_panda2_victoire" : "ecrans_panda2_defaite"
    }

    Repeater {
        model: 4
        Anim {
            nom: "fonds_lanterne_balance"
            x: 184
            y: 26 + 44 * index
            paused: !decor.anime
        }
    }

    Anim {
        visible: decor.titre
        nom: "ecrans_titre_vs"
        x: 167
        y: 6
    }

    // Feet on (px, 216); the right one faces the other way, flipped about its
    // middle so that its feet stay put. Each strip holds its last frame and
    // starts again when the pose changes.
    Repeater {
        model: [{joueur: 1, px: 110, miroir: false}, {joueur: 2, px: 274, miroir: true}]
        Anim {
            id: panda
            readonly property var p: modelData
            visible: decor.pandas
            nom: decor.poseDe(p.joueur)
            tenir: true
            x: Pixel.arrondi(p.miroir ? p.px - (width - origineX) : p.px - origineX)
            y: Pixel.arrondi(216 - origineY)
            transform: Scale {
                origin.x: panda.width / 2
                xScale: panda.p.miroir ? -1 : 1
            }
            onNomChanged: rejouer()
            onVisibleChanged: if (visible) rejouer()
        }
    }
}
