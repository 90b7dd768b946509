import QtQuick 2.15
import Tessimora 1.0
import "../ecran"

// The stalls of a sliding game: one row item per row of the grid, each with
// the tiles of its cells, so the row being slid moves as one item; the paw
// cursor above them. Where the cells are and what each shows come from the
// game (`PartieGlissante`) and its cell models; this item only places them.
Item {
    id: grille

    property PartieGlissante partie: null
    property int curseur: 0
    property bool curseurVisible: true
    // TILES CLEAR.
    property bool claires: false
    // The hinted pair [a, b], or null.
    property var indice: null
    // The row being slid back into place and its offset in pixels.
    property int rangAnime: -1
    property int glisse: 0
    // The paw shows its pressed frame.
    property bool appui: false

    readonly property point origine: partie && partie.existe ? partie.origine : Qt.point(0, 0)
    readonly property int rangCurseur: partie && partie.largeur > 0 ? Math.floor(curseur / partie.largeur) : -1
    readonly property point coinCurseur: {
        if (!partie || !partie.existe || partie.largeur <= 0)
            return Qt.point(0, 0)
        return partie.pos(curseur)
    }
    readonly property alias rangees: rangees
    readonly property alias patte: patte

    // Top-left of cell i's tile image, in the coordinates of this item's parent.
    function pos(i) {
        var q = partie.pos(i)
        return {x: x + q.x, y: y + q.y}
    }

    Repeater {
        id: rangees
        model: grille.partie ? grille.partie.hauteur : 0

        Item {
            id: rangee
            readonly property int rang: index
            readonly property alias cases: cases
            x: grille.origine.x + (rang === grille.rangAnime ? grille.glisse : 0)
            y: grille.origine.y + rang * grille.partie.pasY

            Repeater {
                id: cases
                model: CasesGrille {
                    partie: grille.partie
                    rang: rangee.rang
                    indice: grille.indice
                }

                Tuile {
                    x: model.colonne * grille.partie.pasX
                    motif: model.motif
                    visible: model.presente
                    etat: model.etat
                    claires: grille.claires
                }
            }
        }
    }

    Anim {
        id: patte
        nom: "effets_patte"
        z: 1
        visible: grille.curseurVisible && grille.curseur >= 0 && grille.partie !== null
                 && grille.partie.existe
        currentFrame: grille.appui ? 1 : 0
        x: grille.coinCurseur.x + (grille.rangCurseur === grille.rangAnime ? grille.glisse : 0)
           + 10 - origineX
        y: grille.coinCurseur.y + 12 - origineY
    }
}
