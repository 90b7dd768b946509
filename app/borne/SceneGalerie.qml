import QtQuick 2.15
import Tessimora 1.0
import "../ecran"
import "../jeu"
import "../commun"

// TILE GALLERY: the 42 faces in three rows of fourteen, the chosen one
// raised, shown again below with its name and what it pairs with. Names,
// rules, moves and the cells a press lands on are the gallery's rules
// (`Extras`).
Item {
    id: galerie

    property var touches: ({})
    property int choix: 0
    property bool tuilesClaires: false

    readonly property var motif: Extras.motif(choix)

    signal sortie()
    signal son(string id)

    width: 384
    height: 224

    function action(a) {
        var suivant = Extras.deplacerMotif(choix, a)
        if (suivant >= 0) {
            choix = suivant
            son("selection")
            return true
        }
        if (a === "retour" || a === "ok" || a === "start") {
            sortie()
            return true
        }
        return false
    }

    function appui(x, y) {
        var m = Extras.motifTouche(x, y)
        if (m < 0) {
            sortie()
            return
        }
        choix = m
        son("selection")
    }

    Fond { mode: "marche" }
    Voile {}

    Grand { y: 8; nom: "ecrans_titre_tile_gallery"; titre: "TILE GALLERY"; reprise: 3500 }

    Repeater {
        model: Extras.MOTIFS
        Tuile {
            required property int index
            objectName: "tuile" + index
            readonly property var place: Extras.motif(index)
            readonly property bool choisie: index === galerie.choix
            x: place.x
            y: place.y - (choisie ? 3 : 0)
            motif: index
            couche: 3
            etat: choisie ? 1 : 0
            claires: galerie.tuilesClaires
        }
    }

    Anim {
        id: patte
        nom: "effets_patte"
        running: false
        currentFrame: 0
        x: galerie.motif.x + 10 - origineX
        y: galerie.motif.y + 12 - origineY
    }

    Tuile {
        id: grande
        x: 183
        y: 142
        motif: galerie.choix
        couche: 3
        claires: galerie.tuilesClaires
    }

    // The tile's name and rule lie over the stalls behind the veil.
    Cartouche { autour: [nom, regle] }
    Texte {
        id: nom
        y: 172
        x: Math.floor((384 - width) / 2)
        texte: Langue.t(galerie.motif.nom, galerie.motif.valeurs)
        style: "or"
    }

    Texte {
        id: regle
        y: 186
        x: Math.floor((384 - width) / 2)
        texte: Langue.t(galerie.motif.regle)
        style: "gris"
    }

    Aide {
        y: 206
        x: Math.floor((384 - width) / 2)
        texte: Langue.t("{gauche} {droite} {haut} {bas} BROWSE   {retour} BACK")
        touches: galerie.touches
    }

    // Read by tests.
    readonly property alias nomAffiche: nom.majuscules
    readonly property alias regleAffichee: regle.majuscules
    readonly property alias patte: patte
    readonly property alias grande: grande
}
