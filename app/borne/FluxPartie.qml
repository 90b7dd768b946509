import QtQuick 2.15
import Tessimora 1.0
import "../jeu"

// The play flow of the cabinet: how a game starts, how the stacks of a run
// follow one another, CONTINUE?, GAME OVER, the record entry and the score
// table that end every game, and what each of them saves. The run is the
// cabinet's `Course`, which decides what a stack's end leads to; this object
// makes and drops the game item of each game, carries the decisions out and
// draws the game-over overlay. Nothing here knows one mode from another: it
// reads the running mode's row.
Item {
    id: flux

    // The cabinet, and its holder of the game item.
    property EtatBorne borne: null
    property Loader porte: null

    readonly property Course course: borne ? borne.course : null
    readonly property Monnayeur monnayeur: borne ? borne.monnayeur : null
    readonly property Controleur jeu: porte ? porte.item : null
    // The running stack, when the game is one.
    readonly property ControleurPile pile: borne && borne.enJeu
                                           && course.regle.sorte === RegleMode.Pile ? porte.item : null

    // The game item made for each kind of game, by RegleMode.Pile, .Glissant
    // and .Duel: the stack's is this flow's, the others are their own flows'
    // (FluxGlissant, FluxDuel). A kind without one cannot be chosen yet.
    property var composants: [composantJeu, null, null]
    readonly property Component composantPile: composantJeu

    // A game item was just made for a new game: the flow of its kind deals it.
    signal commence(Controleur jeu)

    // Puts a game item in the game holder (the controllers, or a stand-in in
    // tests); null empties it.
    function poserJeu(composant) {
        porte.sourceComponent = composant
        return porte.item
    }

    // Starts what MODE SELECT chose: a mode by its word, OPTIONS or an extra.
    function lancer(choix, options) {
        var b = borne
        options = options || {}
        if (choix === "options") {
            b.aller("options")
            return
        }
        if (choix === "extras") {
            b.evenement(Evenements.scene(options.extra))
            b.aller(options.extra)
            if (options.extra === "salle")
                b.musique("victoire")
            return
        }
        var m = Modes.modeDe(choix)
        if (m < 0) {
            b.son("erreur")
            return
        }
        commencer(m, options)
    }

    // A new game of mode `m` (a value of Mode); `options.etape` its first
    // stage, `options.ia` the duel's opponent; in a mode that chooses from a
    // list, `options.pile` the EntreePile to play and `options.meme` to deal
    // it as last time. Such a mode without one opens its list (after the
    // file --pile= names, at start).
    function commencer(m, options) {
        var b = borne
        options = options || {}
        var regle = Modes.regle(m)
        if (regle.scene !== "" && !options.pile) {
            options.pile = pileDemandee()
            if (!options.pile) {
                ouvrirListe(regle.scene)
                return
            }
        }
        // A game whose controller is not there yet is refused before a credit
        // is taken: the player stays where he chose it.
        var composant = composants[regle.sorte]
        if (!composant) {
            b.son("erreur")
            return
        }
        if (!monnayeur.payer()) {
            b.son("erreur")
            b.aller("titre")
            return
        }
        var ia = options.ia !== undefined ? options.ia
               : (b.memoire && b.memoire.reglages ? b.memoire.reglages.jeu.niveauIa : 1)
        course.commencer(m, options.etape || 0, ia)
        pileChoisie = options.pile || null
        memeDonne = options.meme === true
        b.enJeu = true
        victoireGardee = false
        b.graineScene = course.nouvelleGraine()
        b.scene = "partie"
        b.minuterieAttract.stop()
        var j = poserJeu(composant)
        if (!j)
            return
        if (regle.sorte === RegleMode.Pile)
            departPile(j)
        else
            commence(j)
    }

    // What the flows of the other kinds ask of the cabinet.
    function son(id) { borne.son(id) }
    function evenement(ev) { borne.evenement(ev) }

    function meilleurDe(t) {
        var b = borne
        return b.memoire && b.memoire.scores ? Stockage.meilleur(b.memoire.scores, t) : 0
    }

    function departPile(j) {
        var b = borne
        j.mode = course.mode
        j.scoreBase = 0
        j.multiplicateur = 1
        j.record = meilleurDe(course.table)
        j.tempsImpose = 0
        j.disposition = null
        j.niveauIa = Lancement.pilote
        if (course.regle.enchainement === RegleMode.Liste) {
            demarrerPileChoisie(j)
            return
        } else if (course.regle.unJour) {
            var t = Defi.maintenant()
            course.jouerLeJour(Defi.jour(t), b.memoire ? b.memoire.progression.defiClasse : "")
            j.disposition = Defi.disposition(t)
            j.demarrer(0, Defi.graine(t), true)
        } else if (course.regle.enchainement === RegleMode.SansFin) {
            var e = course.etapeAuHasard()
            j.demarrer(e, course.nouvelleGraine(), true)
        } else {
            demarrerEtape()
            return
        }
        j.relancerMusique()
    }

    function demarrerEtape() {
        if (!pile)
            return
        pile.scoreBase = course.scoreTotal
        pile.demarrer(course.etape, course.nouvelleGraine(), true)
        pile.relancerMusique()
    }

    // The end of a stack: the run decides, the flow carries it out.
    function finPile(etat, bonus) {
        var b = borne
        if (!pile)
            return
        if (course.regle.enchainement === RegleMode.Liste) {
            finPileChoisie()
            return
        }
        var p = pile.resultat()
        var r = course.finPile(etat, p.score, bonus, p.tempsMs, p.tempsMax, p.parfait)
        if (r.etapeNotee >= 0)
            changerProgression(function (pr) { Stockage.etapeFinie(pr, r.etapeNotee, course.continues) })
        if (r.defiClasse) {
            changerProgression(function (pr) {
                if (r.defiGagne)
                    Stockage.defiFini(pr, course.jour)
                pr.defiClasse = course.jour
            })
        }
        for (var i = 0; i < r.evenements.length; ++i)
            b.evenement(r.evenements[i])
        victoireGardee = r.musique === "victoire"
        if (r.musique !== "")
            b.musique(r.musique)
        switch (r.suite) {
        case FinPile.PileSuivante:
            pile.scoreBase = course.scoreTotal
            pile.multiplicateur = course.multiplicateur
            pile.tempsImpose = r.tempsImpose
            var e = course.etapeAuHasard()
            pile.demarrer(e, course.nouvelleGraine(), false)
            break
        case FinPile.EtapeSuivante:
            demarrerEtape()
            break
        case FinPile.Salle:
            partieFinie(course.scoreFinal)
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
        return Flux.rangFinal(m && m.scores ? m.scores[course.table] : [], score)
    }

    // -- CONTINUE? ----------------------------------------------------------------
    // A lost game offers to go on; the game item stays alive under the scene.
    function proposerContinue() {
        var b = borne
        b.minuterieAttract.stop()
        b.scene = "continue"
        b.musique("continue")
    }

    function choixContinue(oui) {
        var b = borne
        if (!oui) {
            finPartie(course.scoreTotal, 1)
            return
        }
        monnayeur.payer()
        course.continuer()
        b.evenement(Evenements.simple(EvenementJeu.Continue))
        b.scene = "partie"
        if (jeu) {
            jeu.reprendre()
            if (pile)
                pile.relancerMusique()
        }
    }

    // -- GAME OVER ------------------------------------------------------------------
    // True right after a cleared daily stack, whose "victoire" keeps playing.
    property bool victoireGardee: false
    readonly property alias minuterieGameOver: gameOver

    function finPartie(score, mult) {
        var b = borne
        course.terminer(score, mult)
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
        b.evenement(Evenements.partie(course.mode, score))
        if (b.couche)
            b.couche.finPartie(course.rapport(score))
    }

    function apresGameOver() {
        var b = borne
        if (b.scene !== "gameover")
            return
        if (rangDe(course.scoreFinal) >= 0) {
            ouvrirSaisie()
        } else {
            b.neuf = -1
            terminerPartie()
        }
    }

    // -- NEW RECORD -------------------------------------------------------------------
    // The record entry for the run's final score and stage figure (a duel won
    // against the computer opens it too).
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
            var e = { nom: nom, score: course.scoreFinal, etape: course.etapeFinale }
            if (course.regle.unJour)
                e.date = course.jour
            b.neuf = Stockage.inserer(scores, course.table, e)
            if (b.neuf >= 0) {
                m.scores = Stockage.lireScores(Stockage.ecrireScores(scores))
                m.garderScores()
            }
        }
        if (b.neuf >= 0)
            b.evenement(Evenements.simple(EvenementJeu.Record))
        changerReglages(function (r) { r.jeu.initiales = nom })
        terminerPartie()
    }

    // The end of every game: the table of its mode, then the title.
    function terminerPartie() {
        var b = borne
        gameOver.stop()
        poserJeu(null)
        course.oublierFin()
        b.boucle.montrer(course.table)
        b.aller("scores")
    }

    // Back to MODE SELECT with nothing of the game kept (a duel that ends
    // without a record, a game that could not start).
    function retourMenu() {
        poserJeu(null)
        course.oublierFin()
        borne.aller("menu")
    }

    // QUIT TO TITLE confirmed in the pause menu: no game over, no score.
    function abandon() {
        gameOver.stop()
        poserJeu(null)
        borne.enJeu = false
        course.oublierFin()
        borne.okTenu = false
        borne.okGlisse = false
        borne.aller("titre")
    }

    // The LANTERN ROOM left: after twelve stages the record entry when the
    // score ranks; entered from the menu, back to it.
    function finSalle() {
        var b = borne
        if (!pile) {
            b.aller("menu")
        } else if (rangDe(course.scoreFinal) >= 0) {
            ouvrirSaisie()
        } else {
            b.neuf = -1
            terminerPartie()
        }
    }

    // -- a stack chosen from a list (TEA HOUSE) ---------------------------------
    // The stacks on offer: the folder is read at start and again each time
    // the list opens; the record marks the stacks cleared once.
    readonly property Piles piles: Piles {
        salon: flux.borne && flux.borne.memoire ? flux.borne.memoire.salon : null
    }
    // The stack being played (an EntreePile) and whether it is dealt as last time.
    property var pileChoisie: null
    property bool memeDonne: false
    // The end of the last one, for its summary (a BilanSalon).
    property var bilanSalon: null
    property bool demandeeVue: false

    // The file --pile= names, once: its entry when it can be played.
    function pileDemandee() {
        if (demandeeVue || piles.demandee === "")
            return null
        demandeeVue = true
        var e = piles.ajouter(piles.demandee)
        return e.jouable ? e : null
    }

    function ouvrirListe(scene) {
        poserJeu(null)
        borne.enJeu = false
        course.oublierFin()
        piles.relire()
        borne.aller(scene)
    }

    // The summary left: back to the list the stack came from.
    function apresBilan() {
        ouvrirListe(course.regle.scene)
    }

    function demarrerPileChoisie(j) {
        var e = pileChoisie
        var m = borne.memoire
        var r = m ? Salon.entree(m.salon, e.nom, e.empreinte) : null
        j.record = r ? r.score : 0
        j.disposition = e.disposition
        var g = memeDonne && e.graine > 0 ? e.graine : course.nouvelleGraine()
        piles.noterDonne(piles.indice(e.nom, e.empreinte), g)
        console.log("TESSIMORA_PILE " + e.nom + " " + e.tuiles)
        j.demarrer(0, g, true)
        j.relancerMusique()
    }

    // The stack's own summary; a clear goes into its record, written at once.
    function finPileChoisie() {
        var b = borne
        var m = b.memoire
        var e = pileChoisie
        var s = m ? Salon.copie(m.salon) : Salon.vide()
        bilanSalon = Salon.apres(s, e.nom, e.empreinte, pile.partie, Date.now())
        if (m && bilanSalon.gagne) {
            m.salon = s
            m.garderSalon()
        }
        b.musique(bilanSalon.gagne ? "victoire" : "defaite")
        b.aller("bilan")
    }

    Timer {
        id: gameOver
        interval: 3200
        onTriggered: flux.apresGameOver()
    }

    // Over the kept game while the scene is gameover.
    GameOver {
        visible: flux.borne !== null && flux.borne.scene === "gameover"
        score: flux.course ? flux.course.scoreFinal : 0
    }

    // The panda pushes tiles every so often in play, in the modes that have
    // it. The timer starts from zero whenever it starts running, so a pause
    // or a new stage's opening begins a fresh wait.
    Timer {
        id: parade
        interval: Math.max(1, flux.course ? flux.course.regle.pousseeMs : 0)
        repeat: true
        running: flux.pile !== null && flux.course.regle.pousseeMs > 0
                 && flux.borne.scene === "partie" && flux.pile.phase === "jeu"
        onTriggered: flux.pile.poussee()
    }

    // A stack game's signals, whichever item plays it.
    Connections {
        target: flux.pile
        ignoreUnknownSignals: true
        function onFini(etat, score) { flux.finPile(etat, score) }
        function onPaireFaite(r) {
            flux.borne.evenement(Evenements.paire(r.combo, r.jumelle, r.entreeFever === true))
        }
        function onAideJouee(nom) { flux.borne.evenement(Evenements.aide(nom)) }
    }

    Component {
        id: composantJeu
        Jeu {
            sons: flux.borne.sons
            touches: flux.borne.touches
            claires: flux.borne.tuilesClaires
        }
    }
}
