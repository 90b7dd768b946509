import QtQuick 2.15
import Tessimora 1.0
import "../jeu"

// The play flow of the cabinet: how a game starts for each mode, how the
// stacks of a run follow one another, CONTINUE?, GAME OVER, the record entry
// and the score table that end every game, and what each of them saves. The
// cabinet holds the state it works on (mode, stage, banked score...) and the
// game holder; this object makes and drops the game item of each game,
// answers its signals, and draws the game-over overlay. The rules (what a
// stack's end leads to, the banked score, when a score ranks) are Flux's.
Item {
    id: flux

    // The cabinet, and its holder of the game item.
    property Item borne: null
    property Loader porte: null

    readonly property Item jeu: porte ? porte.item : null

    // The game item made for each kind of game; a kind without one cannot be
    // chosen yet. The sliding and duel flows put theirs here; tests, stand-ins.
    property var composants: ({ pile: composantJeu, glissant: glissant.composant,
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
        victoireGardee = false
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
        j.musiqueJeu = Flux.musiqueJeu(b.mode)
        var pilote = b.argument("pilote")
        j.niveauIa = pilote !== "" && !isNaN(Number(pilote)) ? Number(pilote) : -1
        if (b.mode === "daily") {
            var t = Defi.maintenant()
            b.jour = Defi.jour(t)
            b.classe = Flux.classeDuJour(b.memoire ? b.memoire.progression.defiClasse : "", b.jour)
            j.disposition = Defi.disposition(t)
            j.demarrer(0, Defi.graine(t), true)
            j.relancerMusique()
        } else if (b.mode === "rush") {
            j.tempsImpose = Flux.RUSH_MS
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
        jeu.voile = Flux.voile(b.mode, b.etape)
        jeu.scoreBase = b.scoreTotal
        jeu.demarrer(b.etape, b.nouvelleGraine(), true)
        jeu.relancerMusique()
    }

    // The run as the rules read it.
    function course() {
        var b = borne
        return { mode: b.mode, etape: b.etape, continues: b.continues, scoreTotal: b.scoreTotal,
                 multiplicateur: b.multiplicateur, etapesPartie: b.etapesPartie,
                 etapeFinale: b.etapeFinale }
    }

    // The end of a stack: the rules decide, the flow carries it out.
    function finPile(etat, bonus) {
        var b = borne
        if (!jeu)
            return
        var p = jeu.partie
        var r = Flux.finPile(course(), {
            etat: etat, score: p.score, bonus: bonus, tempsMs: p.tempsMs, tempsMax: p.tempsMax,
            parfait: p.parfait
        }, b.classe, b.jour)
        b.scoreTotal = r.scoreTotal
        b.multiplicateur = r.multiplicateur
        b.etape = r.etape
        b.etapesPartie = r.etapesPartie
        b.etapeFinale = r.etapeFinale
        if (r.etapeNotee >= 0)
            changerProgression(function (pr) { Stockage.etapeFinie(pr, r.etapeNotee, b.continues) })
        if (r.defiClasse) {
            changerProgression(function (pr) {
                if (r.defiGagne)
                    Stockage.defiFini(pr, b.jour)
                pr.defiClasse = b.jour
            })
        }
        for (var i = 0; i < r.evenements.length; ++i)
            b.evenement(r.evenements[i])
        victoireGardee = r.musique === "victoire"
        if (r.musique !== "")
            b.musique(r.musique)
        switch (r.suite) {
        case FinPile.PileSuivante:
            jeu.scoreBase = b.scoreTotal
            jeu.multiplicateur = b.multiplicateur
            jeu.tempsImpose = r.tempsImpose
            var e = b.nouvelleGraine() % 12
            jeu.demarrer(e, b.nouvelleGraine(), false)
            break
        case FinPile.EtapeSuivante:
            demarrerEtape()
            break
        case FinPile.Salle:
            b.scoreFinal = r.scoreFinal
            partieFinie(r.scoreFinal)
            b.aller("salle")
            break
        case FinPile.Continue:
            proposerContinue()
            break
        default:
            finPartie(r.scoreFinal, r.multFinal)
        }
    }

    // -- saves: each change on a validated copy, written at once ---------------
    function changerProgression(f) {
        var m = borne.memoire
        if (!m)
            return
        var pr = Stockage.lireProgression(Stockage.ecrireProgression(m.progression))
        f(pr)
        m.progression = Stockage.lireProgression(Stockage.ecrireProgression(pr))
        m.garderProgression()
    }

    function changerReglages(f) {
        var m = borne.memoire
        if (!m)
            return
        var r = Stockage.lireReglages(Stockage.ecrireReglages(m.reglages))
        f(r)
        m.reglages = Stockage.lireReglages(Stockage.ecrireReglages(r))
        m.garderReglages()
    }

    // The place `score` takes in the game's table, or -1 (never for 0).
    function rangDe(score) {
        var m = borne.memoire
        return Flux.rangFinal(m && m.scores ? m.scores[borne.table] : [], score)
    }

    // -- CONTINUE? ----------------------------------------------------------------
    // A lost game offers to go on; the game item stays alive under the scene.
    // The sliding game calls it too, with the banked score and stage figure set.
    function proposerContinue() {
        var b = borne
        b.minuterieAttract.stop()
        b.scene = "continue"
        b.musique("continue")
    }

    function choixContinue(oui) {
        var b = borne
        if (!oui) {
            finPartie(b.scoreTotal, 1)
            return
        }
        if (!b.freePlay)
            b.credits = Math.max(0, b.credits - 1)
        var c = Flux.apresContinue(course())
        b.continues = c.continues
        b.scoreTotal = c.scoreTotal
        b.evenement({ type: "continue" })
        b.scene = "partie"
        if (jeu) {
            jeu.reprendre()
            if (b.sorte === "pile")
                jeu.relancerMusique()
        }
    }

    // -- GAME OVER ------------------------------------------------------------------
    // True right after a cleared daily stack, whose "victoire" keeps playing.
    property bool victoireGardee: false
    readonly property alias minuterieGameOver: gameOver

    function finPartie(score, mult) {
        var b = borne
        b.scoreFinal = score
        b.etapeFinale = Flux.etapeFigure(course(), mult)
        b.minuterieAttract.stop()
        b.scene = "gameover"
        if (!victoireGardee)
            b.musique("defaite")
        victoireGardee = false
        gameOver.restart()
        partieFinie(score)
    }

    // The finished game, for the achievements and the online leaderboards.
    function partieFinie(score) {
        var b = borne
        b.evenement({ type: "partie", mode: b.mode, score: score })
        if (b.couche)
            b.couche.finPartie(Flux.rapport(course(), score, b.classe, b.jour, b.niveauIa))
    }

    function apresGameOver() {
        var b = borne
        if (b.scene !== "gameover")
            return
        if (rangDe(b.scoreFinal) >= 0) {
            ouvrirSaisie()
        } else {
            b.neuf = -1
            terminerPartie()
        }
    }

    // -- NEW RECORD -------------------------------------------------------------------
    // The record entry for scoreFinal and etapeFinale (the duel won against
    // the computer opens it too).
    function ouvrirSaisie() {
        var b = borne
        b.minuterieAttract.stop()
        b.scene = "saisie"
        b.musique("record")
    }

    function apresSaisie(nom) {
        var b = borne
        var m = b.memoire
        b.neuf = -1
        if (m) {
            var scores = Stockage.lireScores(Stockage.ecrireScores(m.scores))
            var e = { nom: nom, score: b.scoreFinal, etape: b.etapeFinale }
            if (b.mode === "daily")
                e.date = b.jour
            b.neuf = Stockage.inserer(scores, b.table, e)
            if (b.neuf >= 0) {
                m.scores = Stockage.lireScores(Stockage.ecrireScores(scores))
                m.garderScores()
            }
        }
        if (b.neuf >= 0)
            b.evenement({ type: "record" })
        changerReglages(function (r) { r.jeu.initiales = nom })
        terminerPartie()
    }

    // The end of every game: the table of its mode, then the title.
    function terminerPartie() {
        var b = borne
        gameOver.stop()
        poserJeu(null)
        b.etapeFinale = 0
        b.aller("scores")
    }

    // QUIT TO TITLE confirmed in the pause menu: no game over, no score.
    function abandon() {
        gameOver.stop()
        poserJeu(null)
        borne.sorte = ""
        borne.etapeFinale = 0
        borne.okTenu = false
        borne.okGlisse = false
        borne.aller("titre")
    }

    // The LANTERN ROOM left: after twelve stages the record entry when the
    // score ranks; entered from the menu, back to it.
    function finSalle() {
        var b = borne
        if (b.sorte !== "pile") {
            b.aller("menu")
        } else if (rangDe(b.scoreFinal) >= 0) {
            ouvrirSaisie()
        } else {
            b.neuf = -1
            terminerPartie()
        }
    }

    Timer {
        id: gameOver
        interval: 3200
        onTriggered: flux.apresGameOver()
    }

    // Over the kept game while the scene is gameover.
    GameOver {
        visible: flux.borne !== null && flux.borne.scene === "gameover"
        score: flux.borne ? flux.borne.scoreFinal : 0
    }

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

    // A stack game's signals, whichever item plays it.
    Connections {
        target: flux.borne && flux.borne.sorte === "pile" ? flux.jeu : null
        ignoreUnknownSignals: true
        function onFini(etat, score) { flux.finPile(etat, score) }
        function onPaireFaite(r) {
            flux.borne.evenement({ type: "paire", combo: r.combo, jumelle: r.jumelle,
                                   fever: r.entreeFever === true })
        }
        function onAideJouee(nom) { flux.borne.evenement({ type: "aide", nom: nom }) }
    }

    Component {
        id: composantJeu
        Jeu { sons: flux.borne.sons }
    }
}
