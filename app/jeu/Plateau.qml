import QtQuick 2.15
import Tessimora 1.0
import "../ecran"

// The stack of one game, drawn in the engine's drawing order so that each
// later tile covers the relief of the earlier ones, with the paw cursor above
// every tile. Geometry and drawing rules come from the engine's `Partie` and
// from `TuilesPlateau`, which re-reads the game after each change and tells
// only the tiles that changed; this item only places what it is told.
Item {
    id: plateau

    // The engine's `Partie` to draw, or null to draw nothing.
    property Partie partie: null
    property int curseur: -1
    property bool curseurVisible: true
    // The hinted pair [a, b], or null.
    property alias indice: modele.indice
    // 0 none, 1 boss stage, 2 every tile that is not free.
    property alias voile: modele.voile
    // Places veiled by smoke: { place: true }.
    property alias fumees: modele.fumees
    property alias apercu: modele.apercu
    property bool appui: false
    property var zone: ({x: 8, y: 14, largeur: 368, hauteur: 182})
    // TILES CLEAR: the clear faces, and the cursor's tile marked by a shape.
    property bool claires: false

    readonly property bool pret: modele.count > 0
    // The stack is centred once per deal: the origin never moves as tiles leave.
    readonly property var origine: {
        modele.construction
        return pret ? partie.origine(zone) : {x: 0, y: 0}
    }
    readonly property int curseurX: {
        modele.construction
        return pret && curseur >= 0 ? origine.x + partie.px(curseur).x : 0
    }
    readonly property int curseurY: {
        modele.construction
        return pret && curseur >= 0 ? origine.y + partie.px(curseur).y : 0
    }
    readonly property alias tuiles: repeteur
    readonly property alias modele: modele
    readonly property alias patte: patte
    readonly property alias marqueCurseur: marqueCurseur

    function placeSous(px, py) {
        return pret ? partie.sous(origine.x, origine.y, px, py) : -1
    }
    function pos(i) {
        var q = partie.px(i)
        return {x: x + origine.x + q.x, y: y + origine.y + q.y}
    }
    function couvre(i) {
        return partie.couvre(i)
    }
    function voilee(i) {
        var k = modele.rang(i)
        return k >= 0 && repeteur.itemAt(k).voilee
    }
    // The tile item of place i, or null.
    function tuile(i) {
        var k = modele.rang(i)
        return k >= 0 ? repeteur.itemAt(k) : null
    }

    TuilesPlateau {
        id: modele
        partie: plateau.partie
    }

    Repeater {
        id: repeteur
        model: modele

        Tuile {
            readonly property int place: model.place
            x: plateau.origine.x + model.coinX
            y: plateau.origine.y + model.coinY
            couche: model.couche
            motif: model.motif
            visible: model.presente
            voilee: model.voilee
            transparente: model.transparente
            etat: model.etat
            claires: plateau.claires
        }
    }

    // In CLEAR the tile under the cursor (where FIND lands) wears notches of
    // its own, which read where the paw alone is too small to find.
    Image {
        id: marqueCurseur
        z: 1
        visible: plateau.claires && patte.visible
        x: plateau.curseurX
        y: plateau.curseurY
        source: plateau.claires ? "../images/tuiles/clair_marque_curseur.png" : ""
        smooth: false
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
