import QtQuick 2.15
import Tessimora 1.0
import "../jeu"

// LANTERN DUEL in the cabinet: the duel item made for a game, its start
// against the opponent chosen in MODE SELECT (or the saved one), the smoke
// player 1 sends, and where a decided duel leads. A duel never offers
// CONTINUE? nor GAME OVER: beating the computer with a score that takes a
// place in the duel table opens the record entry, anything else goes back to
// MODE SELECT.
QtObject {
    id: fluxDuel

    // The play flow this belongs to.
    property FluxPartie flux: null
    readonly property Course course: flux ? flux.course : null

    readonly property Component composant: Component {
        Duel {
            sons: fluxDuel.flux.borne.sons
            claires: fluxDuel.flux.borne.tuilesClaires
            onFini: function (gagnant, score) { fluxDuel.finDuel(gagnant, score) }
            onFumee: fluxDuel.flux.evenement(Evenements.simple(EvenementJeu.Fumee))
        }
    }

    readonly property Connections departs: Connections {
        target: fluxDuel.flux
        function onCommence(j) {
            if (fluxDuel.course.regle.sorte === RegleMode.Duel)
                fluxDuel.depart(j)
        }
    }

    // The duel being played, or null.
    property Duel duel: null
    // Player 1's board is over while the other plays on (the pause menu
    // then offers no help).
    readonly property bool plateauFini: duel !== null && duel.plateau1Fini

    // Only for its rule of where a duel leads; it referees no race.
    readonly property ArbitreDuel regles: ArbitreDuel {}

    // The duel was just made: both boards are dealt the cabinet's seed. A
    // stack that cannot be dealt leaves nothing to play, so the coin is given
    // back and the player is sent to choose again rather than left in front
    // of empty boards.
    function depart(d) {
        duel = d
        d.niveauIa = course.niveauIa
        d.graine = flux.borne.graineScene
        if (d.demarrer())
            return true
        flux.monnayeur.rendre()
        flux.son("erreur")
        flux.retourMenu()
        return false
    }

    // The duel is decided (`gagnant` 0 draw, 1 or 2) with player 1's score.
    function finDuel(gagnant, score) {
        var ia = course.niveauIa
        var r = regles.issue(ia, gagnant, score, flux.rangDe(score))
        flux.evenement(Evenements.duel(ia, gagnant))
        flux.evenement(Evenements.partie(course.mode, r.score))
        if (r.compte) {
            course.fixerFin(r.score, r.etape)
            if (flux.borne.couche)
                flux.borne.couche.finPartie(course.rapport(r.score))
            if (r.saisie) {
                flux.ouvrirSaisie()
                return
            }
        }
        flux.retourMenu()
    }
}
