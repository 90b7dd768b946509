import QtQuick 2.15
import Tessimora 1.0
import "../jeu"

// The play flow of the cabinet: how a game starts for each mode and how the
// stacks of a run follow one another. The cabinet holds the state it works on
// (mode, stage, banked score...) and the game holder; this object makes and
// drops the game items and answers their signals.
Item {
    id: flux

    // The cabinet, and its holder of the game item.
    property Item borne: null
    property Loader porte: null

    readonly property Item jeu: porte ? porte.item : null

    // The game item made for each kind of game; a kind without one cannot be
    // chosen yet.
    readonly property var composants: ({ pile: composantJeu, glissant: glissant.composant,
                                         duel: fluxDuel.composant })

    // Puts a game item in the game holder (the controllers, or a stand-in in
    // tests); null empties it.
    function poserJeu(composant) {
        porte.sourceComponent = composant
        return porte.item
    }

    // Starts what MODE SELECT chose (and the direct start).
    function lancer(m, options) {
        var b = borne
        options = options || {}
        if (m === "options") {
            b.aller("options")
            return
        }
        if (m === "extras") {
            b.evenement({ type: "scene", nom: options.extra })
            b.aller(options.extra)
            if (options.extra === "salle")
                b.musique("victoire")
            return
        }
        // A game whose controller is not there yet is refused before a credit
        // is taken: the player stays where he chose it.
        var sorte = m === "duel" ? "duel" : m === "sliding" ? "glissant" : "pile"
        if (!composants[sorte]) {
            b.son("erreur")
            return
        }
        if (!b.freePlay) {
            if (b.credits <= 0) {
                b.son("erreur")
                b.aller("titre")
                return
            }
            b.credits -= 1
        }
        b.mode = m
        b.continues = 0
        b.etapesPartie = 0
        b.scoreTotal = 0
        b.etapeFinale = 0
        b.multiplicateur = 1
        b.etape = options.etape || 0
        b.classe = true
        b.sorte = sorte
        if (sorte === "duel") {
            b.niveauIa = options.ia !== undefined ? options.ia
                       : (b.memoire && b.memoire.reglages ? b.memoire.reglages.jeu.niveauIa : 1)
            b.table = "duel"
        } else if (sorte === "glissant") {
            b.table = "sliding"
        } else {
            b.table = m
        }
        b.graineScene = b.nouvelleGraine()
        b.scene = "partie"
        b.minuterieAttract.stop()
        var j = poserJeu(composants[sorte])
        if (j && sorte === "pile")
            departPile(j)
        else if (j && sorte === "glissant")
            glissant.depart(j)
        else if (j && sorte === "duel")
            fluxDuel.depart(j)
    }

    function meilleurDe(t) {
        var b = borne
        return b.memoire && b.memoire.scores ? Stockage.meilleur(b.memoire.scores, t) : 0
    }

    function departPile(j) {
        var b = borne
        j.mode = b.mode
        j.scoreBase = 0
        j.multiplicateur = 1
        j.record = meilleurDe(b.table)
        j.voile = b.mode === "paper" ? 2 : 0
        j.undoPermis = b.mode !== "daily"
        j.tempsImpose = 0
        j.disposition = null
        j.musiqueJeu = b.mode === "daily" ? "jeu2" : b.mode === "rush" ? "jeu4" : ""
        var pilote = b.argument("pilote")
        j.niveauIa = pilote !== "" && !isNaN(Number(pilote)) ? Number(pilote) : -1
        if (b.mode === "daily") {
            var t = Defi.maintenant()
            b.jour = Defi.jour(t)
            b.classe = !(b.memoire && b.memoire.progression
                         && b.memoire.progression.defiClasse === b.jour)
            j.disposition = Defi.disposition(t)
            j.demarrer(0, Defi.graine(t), true)
            j.relancerMusique()
        } else if (b.mode === "rush") {
            j.tempsImpose = 90000
            var e = b.nouvelleGraine() % 12
            j.demarrer(e, b.nouvelleGraine(), true)
            j.relancerMusique()
        } else {
            demarrerEtape()
        }
    }

    function demarrerEtape() {
        var b = borne
        if (!jeu)
            return
        jeu.voile = b.mode === "paper" ? 2 : b.etape % 4 === 3 ? 1 : 0
        jeu.scoreBase = b.scoreTotal
        jeu.demarrer(b.etape, b.nouvelleGraine(), true)
        jeu.relancerMusique()
    }

    // The end of a stack. Stages follow one another; CONTINUE?, GAME OVER and
    // the record entry arrive with the rest of the play flow: until then a
    // lost game returns to the title.
    function finPile(etat, bonus) {
        var b = borne
        if (!jeu)
            return
        var score = jeu.partie ? jeu.partie.score : 0
        if (b.mode === "rush" && etat !== "temps") {
            b.scoreTotal += score * b.multiplicateur
            if (etat === "gagne")
                b.multiplicateur += 1
            jeu.scoreBase = b.scoreTotal
            jeu.multiplicateur = b.multiplicateur
            jeu.tempsImpose = (jeu.partie ? jeu.partie.tempsMs : 0) + (etat === "gagne" ? 15000 : 0)
            var e = b.nouvelleGraine() % 12
            jeu.demarrer(e, b.nouvelleGraine(), false)
            return
        }
        if (etat === "gagne" && b.mode !== "rush" && b.mode !== "daily") {
            b.scoreTotal += score + bonus
            b.etape += 1
            b.etapesPartie += 1
            if (b.etape < 12) {
                demarrerEtape()
                return
            }
            b.etapeFinale = 12
            b.scoreFinal = b.scoreTotal
            b.musique("victoire")
            b.aller("salle")
            return
        }
        b.scoreTotal += score + (etat === "gagne" ? bonus : 0)
        b.scoreFinal = b.scoreTotal
        b.etapeFinale = b.etape + 1
        poserJeu(null)
        b.sorte = ""
        b.aller("titre")
    }

    // QUIT TO TITLE confirmed in the pause menu: no game over, no score.
    function abandon() {
        poserJeu(null)
        borne.sorte = ""
        borne.okTenu = false
        borne.okGlisse = false
        borne.aller("titre")
    }

    function finSalle() { borne.aller(borne.sorte === "" ? "menu" : "titre") }

    // PANDA PARADE: the panda pushes tiles every 20 s of play. The timer
    // starts from zero whenever it starts running, so a pause or a new
    // stage's opening begins a fresh 20 s.
    Timer {
        id: parade
        interval: 20000
        repeat: true
        running: flux.borne !== null && flux.borne.scene === "partie" && flux.borne.mode === "parade"
                 && flux.borne.sorte === "pile" && flux.jeu !== null && flux.jeu.phase === "jeu"
        onTriggered: flux.jeu.poussee()
    }

    FluxGlissant { id: glissant; objectName: "fluxGlissant"; flux: flux }
    FluxDuel { id: fluxDuel; borne: flux.borne; flux: flux }

    Component {
        id: composantJeu
        Jeu {
            sons: flux.borne.sons
            onFini: flux.finPile(etat, score)
            onPaireFaite: flux.borne.evenement({ type: "paire", combo: r.combo, jumelle: r.jumelle,
                                                fever: r.entreeFever === true })
            onAideJouee: flux.borne.evenement({ type: "aide", nom: nom })
        }
    }
}
