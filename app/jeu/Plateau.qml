import QtQuick 2.15
import Tessimora 1.0
import "../ecran"

// The stack of one game, drawn in the engine's drawing order so that each
// later tile covers the relief of the earlier ones, with the paw cursor above
// every tile. All geometry and rules are asked of `Trace`; this item
// only places what it is told.
Item {
    id: plateau

    // The game to draw, or null to draw nothing.
    property var partie: null
    // Bumped by the controller after each change of the game.
    property int version: 0
    property int curseur: -1
    property bool curseurVisible: true
    // The hinted pair [a, b], or null.
    property var indice: null
    // 0 none, 1 boss stage, 2 every tile that is not free.
    property int voile: 0
    // Places veiled by smoke: { place: true }.
    property var fumees: ({})
    property bool apercu: false
    property bool appui: false
    property var zone: ({x: 8, y: 14, largeur: 368, hauteur: 182})

    // The engine's `Partie` or a `PartiePile`: the board only asks `Trace`,
    // and the game for presence and motifs.
    readonly property bool pret: { tour; return Trace.pret(partie) }
    // Either counter moving re-reads the tiles; both only ever grow.
    readonly property int tour: version + (partie ? partie.version : 0)
    // The tiles are built again only for another layout: a string property
    // notifies only when its value changes.
    readonly property string cle: { tour; return Trace.cle(partie) }
    readonly property var origine: { cle; return Trace.origine(partie, zone) }
    readonly property int curseurX: {
        tour
        if (!pret || curseur < 0)
            return 0
        return origine.x + Trace.px(partie, curseur).x
    }
    readonly property int curseurY: {
        tour
        if (!pret || curseur < 0)
            return 0
        return origine.y + Trace.px(partie, curseur).y
    }
    readonly property alias tuiles: repeteur
    readonly property alias patte: patte

    function placeSous(px, py) {
        return pret ? Trace.sous(partie, origine.x, origine.y, px, py) : -1
    }
    function pos(i) {
        var q = Trace.px(partie, i)
        return {x: x + origine.x + q.x, y: y + origine.y + q.y}
    }
    function couvre(i) {
        return Trace.couvre(partie, i)
    }
    function voilee(i) {
        return Trace.voilee(partie, i, voile, fumees)
    }
    // The tile item of place i, or null.
    function tuile(i) {
        for (var k = 0; k < repeteur.count; ++k) {
            var t = repeteur.itemAt(k)
            if (t && t.place === i)
                return t
        }
        return null
    }

    Repeater {
        id: repeteur
        model: {
            plateau.cle
            return Trace.ordre(plateau.partie)
        }

        Tuile {
            readonly property int place: modelData
            readonly property var coin: {
                plateau.cle
                return Trace.px(plateau.partie, place)
            }

            x: plateau.origine.x + coin.x
            y: plateau.origine.y + coin.y
            couche: {
                plateau.cle
                return Trace.couche(plateau.partie, place)
            }
            motif: {
                plateau.tour
                return plateau.pret ? plateau.partie.motif(place) : 0
            }
            visible: {
                plateau.tour
                return plateau.pret && plateau.partie.present(place)
            }
            voilee: {
                plateau.tour
                return Trace.voilee(plateau.partie, place, plateau.voile, plateau.fumees)
            }
            transparente: {
                plateau.tour
                return plateau.apercu && Trace.couvre(plateau.partie, place)
            }
            etat: {
                plateau.tour
                return Trace.etat(plateau.partie, place, plateau.indice)
            }
        }
    }

    Anim {
        id: patte
        nom: "effets_patte"
        z: 1
        visible: plateau.curseurVisible && plateau.curseur >= 0 && plateau.pret
        currentFrame: plateau.appui ? 1 : 0
        x: plateau.curseurX + 10 - origineX
        y: plateau.curseurY + 12 - origineY
    }
}
