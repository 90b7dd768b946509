import QtQuick 2.15
import Tessimora 1.0
import "../jeu"

// SLIDING STALLS in the play flow: the game item made for it, its start with
// the best sliding score on the HUD, and what the cabinet does when the
// incense burns out. The run itself (grid after grid, the time carried over)
// is the game item's own business; it reports only its end.
QtObject {
    id: fluxGlissant

    // The play flow this belongs to, and through it the cabinet.
    property Item flux: null
    readonly property Item borne: flux ? flux.borne : null

    readonly property Component composant: Component {
        Glissant {
            sons: fluxGlissant.borne.sons
            onFini: fluxGlissant.fin()
        }
    }

    // A sliding game just put in the game holder: its first grid, with
    // READY and GO and its music. False when no grid could be dealt at all:
    // the run never starts, the coin it took is given back and the player is
    // back in MODE SELECT.
    function depart(j) {
        var b = borne
        j.record = flux.meilleurDe("sliding")
        if (j.demarrer(b.nouvelleGraine()))
            return true
        flux.poserJeu(null)
        b.sorte = ""
        if (!b.freePlay)
            b.credits += 1
        b.son("erreur")
        b.aller("menu")
        return false
    }

    // The time is out (the only end a sliding run has): the level reached
    // goes to the achievements, the run's score and grid become the game's,
    // and CONTINUE? is offered; a yes refills the same grid's clock. A run
    // left without a grid (none could be dealt) has nothing to continue and
    // goes straight to GAME OVER.
    function fin() {
        var b = borne
        var j = flux.jeu
        if (!j)
            return
        b.evenement({ type: "glissant", niveau: j.niveau })
        b.scoreTotal = j.scoreAffiche
        b.etapeFinale = j.niveau + 1
        if (j.partie.existe)
            flux.proposerContinue()
        else
            flux.finPartie(b.scoreTotal, 1)
    }
}
