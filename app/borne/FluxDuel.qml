import QtQuick 2.15
import Tessimora 1.0
import "../jeu"

// LANTERN DUEL in the cabinet: the duel item made for a game, its start
// against the opponent chosen in MODE SELECT (or the saved one), the smoke
// player 1 sends, and where a decided duel leads. A duel never offers
// CONTINUE? nor GAME OVER: beating the computer with a score that takes a
// place in the duel table opens the record entry, anything else goes back to
// MODE SELECT.
Item {
    id: fluxDuel

    // The cabinet, and the play flow that holds its game item.
    property Item borne: null
    property Item flux: null

    readonly property Component composant: composantDuel

    // Only for its rule of where a duel leads; it referees no race.
    ArbitreDuel { id: regles }

    // The duel was just made: both boards are dealt the cabinet's seed. A
    // stack that cannot be dealt leaves nothing to play, so the coin is given
    // back and the player is sent to choose again rather than left in front
    // of empty boards.
    function depart(d) {
        var b = borne
        d.niveauIa = b.niveauIa
        d.graine = b.graineScene
        if (d.demarrer())
            return true
        if (!b.freePlay)
            b.credits += 1
        b.son("erreur")
        quitter()
        return false
    }

    function quitter() {
        flux.poserJeu(null)
        borne.etapeFinale = 0
        borne.aller("menu")
    }

    // The duel is decided (`gagnant` 0 draw, 1 or 2) with player 1's score.
    function finDuel(gagnant, score) {
        var b = borne
        var ia = b.niveauIa
        var r = regles.issue(ia, gagnant, score, flux.rangDe(score))
        b.evenement({ type: "duel", ia: ia, gagnant: gagnant })
        b.evenement({ type: "partie", mode: "duel", score: r.score })
        if (r.compte) {
            if (b.couche)
                b.couche.finPartie({ mode: "duel", score: r.score, etape: r.etape, ia: ia })
            b.scoreFinal = r.score
            b.etapeFinale = r.etape
            if (r.saisie) {
                flux.ouvrirSaisie()
                return
            }
        }
        quitter()
    }

    Component {
        id: composantDuel
        Duel {
            sons: fluxDuel.borne.sons
            onFini: function (gagnant, score) { fluxDuel.finDuel(gagnant, score) }
            onFumee: fluxDuel.borne.evenement({ type: "fumee" })
        }
    }
}
