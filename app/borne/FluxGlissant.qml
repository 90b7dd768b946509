import QtQuick 2.15
import Tessimora 1.0
import "../jeu"

// SLIDING STALLS in the play flow: the game item made for it, its start with
// the mode's best score on the HUD, and what the cabinet does when the
// incense burns out. The run itself (grid after grid, the time carried over)
// is the game item's own business; it reports only its end.
QtObject {
    id: fluxGlissant

    // The play flow this belongs to.
    property FluxPartie flux: null
    readonly property Course course: flux ? flux.course : null

    readonly property Component composant: Component {
        Glissant {
            sons: fluxGlissant.flux.borne.sons
            claires: fluxGlissant.flux.borne.tuilesClaires
            onFini: fluxGlissant.fin(this)
        }
    }

    readonly property Connections departs: Connections {
        target: fluxGlissant.flux
        function onCommence(j) {
            if (fluxGlissant.course.regle.sorte === RegleMode.Glissant)
                fluxGlissant.depart(j)
        }
    }

    // A sliding game just put in the game holder: its first grid, with
    // READY and GO and its music. False when no grid could be dealt at all:
    // the run never starts, the coin it took is given back and the player is
    // back in MODE SELECT.
    function depart(j) {
        j.record = flux.meilleurDe(course.table)
        if (j.demarrer(course.nouvelleGraine()))
            return true
        flux.borne.enJeu = false
        flux.monnayeur.rendre()
        flux.son("erreur")
        flux.retourMenu()
        return false
    }

    // The time is out (the only end a sliding run has): the level reached
    // goes to the achievements, the run's score and grid become the game's,
    // and CONTINUE? is offered; a yes refills the same grid's clock. A run
    // left without a grid (none could be dealt) has nothing to continue and
    // goes straight to GAME OVER.
    function fin(j) {
        flux.evenement(Evenements.glissant(j.niveau))
        course.banquer(j.scoreAffiche, j.niveau + 1)
        if (j.partie.existe)
            flux.proposerContinue()
        else
            flux.finPartie(course.scoreTotal, 1)
    }
}
