import QtQuick 2.15
import Tessimora 1.0
import "../images/sprites.js" as Sprites
import "../ecran"

// The red panda host: a background pose, a pose played once over it
// (`passage`), and, when nothing happens, a little life of its own every
// 2900 ms. The feet stand on (px, py) whichever way it faces.
Item {
    id: panda

    property string pose: "attente"
    // The 20 x 20 bust of the duel's bars.
    property bool mini: false
    property real px: 0
    property real py: 0
    // Facing right instead of left.
    property bool miroir: false
    property string passage: ""
    // False while the game is paused: the panda holds its frame.
    property bool anime: true
    property int tour: 0

    readonly property string montree: passage !== "" ? passage : pose
    readonly property string bande: bandeDe(montree)
    readonly property alias image: anim

    // The bust has only three strips.
    function bandeDe(p) {
        if (!mini)
            return "panda_" + p
        if (p === "joie" || p === "combo" || p === "victoire")
            return "panda_mini_joie"
        if (p === "peur")
            return "panda_mini_peur"
        return "panda_mini_attente"
    }
    // How long a pose played once lasts: its strip's length, at least 100 ms.
    function duree(p) {
        var d = Sprites.table.anim[bandeDe(p)]
        return d === undefined ? 100 : Math.max(100, d[2] * d[3])
    }
    // From its first frame; held there while the panda stands still
    // (replaying resumes a paused strip).
    function depuisDebut() {
        anim.rejouer()
        if (!anime)
            anim.pause()
    }
    function jouer(p) {
        passage = p
        depuisDebut()
        finPassage.interval = duree(p)
        finPassage.restart()
    }

    x: miroir ? Pixel.arrondi(px - (anim.width - anim.origineX)) : Pixel.arrondi(px - anim.origineX)
    y: Pixel.arrondi(py - anim.origineY)
    width: anim.width
    height: anim.height

    Anim {
        id: anim
        nom: panda.bande
        tenir: true
        paused: !panda.anime
        // Flipped about its centre, so the feet stay where they were.
        transform: Scale {
            origin.x: anim.width / 2
            xScale: panda.miroir ? -1 : 1
        }
        onNomChanged: panda.depuisDebut()
    }
    Timer {
        id: finPassage
        onTriggered: panda.passage = ""
    }
    Timer {
        id: vie
        interval: 2900
        repeat: true
        running: !panda.mini && panda.visible && panda.anime && panda.pose === "attente"
                 && panda.passage === ""
        onTriggered: {
            panda.tour++
            var r = panda.tour % 4
            panda.jouer(r === 1 ? "observe" : r === 3 ? "regard" : "clin")
        }
    }
}
