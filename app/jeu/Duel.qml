import QtQuick 2.15
import Tessimora 1.0

// LANTERN DUEL: two half-screen stage controllers dealt the same stack,
// player 1 on the left and the computer or a second player on the right. A
// combo milestone on one board smokes two free tiles of the other; the
// first to clear wins, and when both boards end without a clear the higher
// score does. The referee (`ArbitreDuel`) holds those rules; this item
// wires the boards, the inputs, the pause they share and the ending.
// One timer beats both boards and the duel's own steps, on one watch, so the
// boards never drift apart and tests drive all three by hand.
Controleur {
    id: duel

    // -- set by the cabinet before demarrer -------------------------------------
    // Player 2's computer level 0..2, or -1 for a second player.
    property int niveauIa: 1
    property var graine: 1
    // TILES CLEAR on both boards.
    property bool claires: false
    readonly property RegleMode regle: Modes.regle(Mode.Duel)

    // -- state ------------------------------------------------------------------
    readonly property bool fin1: arbitre.fin1
    readonly property bool fin2: arbitre.fin2
    readonly property bool joue: commence && arbitre.joue
    readonly property int gagnant: arbitre.gagnant
    readonly property alias joueur1: j1
    readonly property alias joueur2: j2
    readonly property bool deuxJoueurs: niveauIa < 0
    // Board 1's phase, except that a board still playing or paused keeps the
    // duel playing or paused after the other has ended: whoever is left can
    // still pause, and the pause menu follows.
    phase: j1.phase === "pause" || j2.phase === "pause" ? "pause"
                                  : j1.phase === "jeu" || j2.phase === "jeu" ? "jeu" : j1.phase
    property bool commence: false
    // Set once the duel is decided, for the pandas and the tests.
    property bool conclu: false
    // Player 1's board is over while the other may play on: the pause then
    // offers no help, there being no board of player 1's to help.
    readonly property bool plateau1Fini: j1.phase === "fin"

    signal fini(int gagnant, real score)
    signal fumee(int joueur)

    // -- time -------------------------------------------------------------------
    // The boards read the time through this: within a beat, and while the
    // duel starts, both see the same instant, so their READY-GO and their
    // clocks stay in step to the millisecond.
    property real instant: -1
    readonly property var montreCommune: function () { return duel.instant >= 0 ? duel.instant : duel.montre() }

    Echeancier { id: echeancier; montre: duel.montreCommune }

    function battre() {
        instant = montre()
        try {
            echeancier.executer(instant)
            j1.battre()
            j2.battre()
        } finally {
            instant = -1
        }
    }

    Timer {
        interval: 16
        repeat: true
        running: duel.automatique && (duel.joue || echeancier.enAttente)
        onTriggered: duel.battre()
    }

    ArbitreDuel { id: arbitre }

    // What the boards are given as their sound player: their sounds and
    // voices go to the duel's, but the music is the duel's alone. A board
    // stops the music when it ends and pauses it with itself; here the other
    // board plays on, so the shared music runs from READY-GO to the
    // conclusion and follows the duel's common pause.
    readonly property QtObject sonsPlateaux: QtObject {
        function jouer(id) { if (duel.sons) duel.sons.jouer(id) }
        function paire(combo) { if (duel.sons) duel.sons.paire(combo) }
        function idEtape(etape) { return duel.sons ? duel.sons.idEtape(etape) : "" }
        function jouerMusique(id) {}
        function assurer(id) {}
        function arreterMusique() {}
        function pause(oui) {}
    }

    // -- what is drawn ------------------------------------------------------------
    Fond {
        mode: "port"
        anime: duel.phase !== "pause"
    }

    Jeu {
        id: j1
        x: 0
        mode: Mode.Duel
        compact: true
        avecFond: false
        tempsImpose: arbitre.tempsMs
        joueur: "1P"
        niveauIa: -1
        sons: duel.sonsPlateaux
        sonsCommuns: true
        claires: duel.claires
        montre: duel.montreCommune
        automatique: false
        onFumeeEnvoyee: duel.envoyerFumee(1)
        onFini: duel.finJoueur(1, etat)
    }

    Jeu {
        id: j2
        x: 192
        mode: Mode.Duel
        compact: true
        avecFond: false
        tempsImpose: arbitre.tempsMs
        joueur: { Langue.revision; return duel.deuxJoueurs ? "2P" : Langue.t("CPU") }
        niveauIa: duel.niveauIa
        sons: duel.deuxJoueurs ? duel.sonsPlateaux : null
        sonsCommuns: false
        claires: duel.claires
        montre: duel.montreCommune
        automatique: false
        onFumeeEnvoyee: duel.envoyerFumee(2)
        onFini: duel.finJoueur(2, etat)
    }

    DecorDuel {
        anime: duel.phase !== "pause"
        titre: duel.commence && j1.phase === "depart"
        pandas: duel.commence && (j1.phase === "depart" || duel.conclu)
        gagnant: duel.conclu ? duel.gagnant : -1
    }

    // -- a duel -------------------------------------------------------------------
    // Both boards deal the same layout and seed and run READY-GO together.
    // False when the stack could not be dealt (nothing starts).
    function demarrer() {
        var d = Dispositions.pourDuel(typeof graine === "number" ? graine : 0)
        arbitre.commencer()
        echeancier.annuler()
        conclu = false
        j1.disposition = d
        j2.disposition = d
        instant = montre()
        try {
            var ok = j1.demarrer(0, graine, true)
            ok = j2.demarrer(0, graine, true) && ok
        } finally {
            instant = -1
        }
        commence = ok
        if (ok && sons)
            sons.jouerMusique(regle.musique)
        return ok
    }

    // A milestone on board `de` smokes the other board while it plays.
    function envoyerFumee(de) {
        if (!joue)
            return
        var cible = de === 1 ? j2 : j1
        if (cible.phase === "jeu") {
            cible.enfumer()
            cible.effets.fumee(96, 100)
            if (de === 2)
                son("erreur")
        }
        if (de === 1)
            fumee(1)
    }

    function finJoueur(n, etat) {
        if (!joue)
            return
        if (arbitre.finJoueur(n, etat, j1.scoreAffiche, j2.scoreAffiche))
            conclure()
    }

    function conclure() {
        var boards = [j1, j2]
        for (var k = 0; k < 2; ++k) {
            var j = boards[k]
            j.annulerProgrammes()
            j.phase = "fin"
            j.effets.vider()
            j.plateau.fumees = ({})
            j.effets.logo(arbitre.logo(k + 1), 90, 3000)
        }
        conclu = true
        if (sons)
            sons.jouerMusique(arbitre.musique(!deuxJoueurs))
        var g = arbitre.gagnant
        echeancier.plusTard(3600, function () { duel.fini(g, j1.scoreAffiche) })
    }

    // -- input ----------------------------------------------------------------------
    // The pause is common: "start" from anyone pauses both boards, or resumes
    // both when one is paused.
    // The music pauses with whichever board still plays.
    function basculerPause() {
        var oui = j1.phase !== "pause" && j2.phase !== "pause"
        var avant = phase
        j1.pause(oui)
        j2.pause(oui)
        if (sons && phase !== avant)
            sons.pause(oui)
    }

    function action(a, joueur) {
        if (a === "start") {
            basculerPause()
            return true
        }
        // Player 0 is the keyboard's shared Back: it pauses, it never
        // deselects on one board.
        if (a === "retour" && joueur === 0)
            return false
        // Against the computer every device plays board 1.
        return deuxJoueurs && joueur === 2 ? j2.action(a, 2) : j1.action(a, 1)
    }

    function appui(x, y, bouton) {
        if (phase === "pause") {
            basculerPause()
            return
        }
        if (x < 192)
            j1.appui(x, y, bouton)
        else if (deuxJoueurs)
            j2.appui(x - 192, y, bouton)
    }

    function survol(x, y) {
        if (x < 192)
            j1.survol(x, y)
    }
}
