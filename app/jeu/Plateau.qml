import QtQuick 2.15
import "../ecran"

// The stack of one game, drawn in the engine's drawing order so that each
// later tile covers the relief of the earlier ones, with the paw cursor above
// every tile. All geometry and rules are asked of the game object; this item
// only places what it is told.
Item {
    id: plateau

    // A `PartiePile`, or null to draw nothing.
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

    readonly property bool pret: partie !== null && partie !== undefined && partie.prete === true
    // Either counter moving re-reads the tiles; both only ever grow.
    readonly property int tour: version + (pret ? partie.version : 0)
    readonly property var origine: pret ? partie.origine(zone) : ({x: 0, y: 0})
    readonly property int curseurX: {
        tour
        if (!pret || curseur < 0)
            return 0
        return origine.x + partie.px(curseur).x
    }
    readonly property int curseurY: {
        tour
        if (!pret || curseur < 0)
            return 0
        return origine.y + partie.px(curseur).y
    }
    readonly property alias tuiles: repeteur
    readonly property alias patte: patte

    function placeSous(px, py) {
        return pret ? partie.sous(origine.x, origine.y, px, py) : -1
    }
    function pos(i) {
        var q = pret ? partie.px(i) : {x: 0, y: 0}
        return {x: x + origine.x + q.x, y: y + origine.y + q.y}
    }
    function couvre(i) {
        return pret ? partie.couvre(i) : false
    }
    function voilee(i) {
        return pret ? partie.voilee(i, voile, fumees) : false
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
        // Rebuilt only for a new deal: the order signals only then.
        model: plateau.pret ? plateau.partie.ordre : []

        Tuile {
            readonly property int place: modelData
            readonly property var coin: plateau.partie.px(place)

            x: plateau.origine.x + coin.x
            y: plateau.origine.y + coin.y
            couche: plateau.partie.place(place).z
            motif: {
                plateau.tour
                return plateau.partie.motif(place)
            }
            visible: {
                plateau.tour
                return plateau.partie.present(place)
            }
            voilee: {
                plateau.tour
                return plateau.partie.voilee(place, plateau.voile, plateau.fumees)
            }
            transparente: {
                plateau.tour
                return plateau.apercu && plateau.partie.couvre(place)
            }
            etat: {
                plateau.tour
                return plateau.partie.etatTuile(place, plateau.indice)
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
