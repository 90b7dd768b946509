import QtQuick 2.15
import QtTest 1.2
import Tessimora 1.0
import "qrc:/app/borne"
import "qrc:/app/jeu"

// Whole stack games in the real cabinet, on a stand-in stack game whose
// points the test chooses: INCENSE RUSH to NEW RECORD and the table, the
// daily ranking, CONTINUE? taken and declined, the twelfth stage, a refused
// score, and what each end saves, plays and reports.
Item {
    id: scene
    width: 384
    height: 224

    TestCase {
        id: cas
        name: "BorneFlux"
        when: windowShown

        QtObject {
            id: faussesSons
            property var musiques: []
            property var effets: []
            function jouer(id) { effets.push(id) }
            function jouerMusique(id) { musiques.push(id) }
            function arreterMusique() {}
        }

        QtObject {
            id: fausseCouche
            property string manette: ""
            property var evenements: []
            property var fins: []
            function evenement(ev) { evenements.push(Evenements.forme(ev)) }
            function finPartie(fin) { fins.push(fin) }
        }

        QtObject {
            id: fausseMemoire
            property var reglages
            property var scores
            property var progression
            property var gardes: []
            function garderReglages() { gardes.push("reglages") }
            function garderScores() { gardes.push("scores") }
            function garderProgression() { gardes.push("progression") }
        }

        // What the flow needs of a stack game, with its calls written down
        // and the end of each stack chosen by the test.
        Component {
            id: fauxJeu
            ControleurPile {
                phase: "jeu"
                property var fin: ({ score: 0, tempsMs: 0, tempsMax: 90000, parfait: false })
                property var appels: []
                function demarrer(e, g, depart) { appels.push("demarrer " + e + " " + depart) }
                function relancerMusique() {}
                function reprendre() { appels.push("reprendre") }
                function resultat() { return fin }
                function poussee() {}
            }
        }

        Component {
            id: fabrique
            Borne {
                sons: faussesSons
                memoire: fausseMemoire
                couche: fausseCouche
            }
        }

        property var borne: null
        property var flux: null

        function init() {
            faussesSons.musiques = []
            faussesSons.effets = []
            fausseCouche.evenements = []
            fausseCouche.fins = []
            fausseMemoire.reglages = Stockage.lireReglages("")
            fausseMemoire.scores = Stockage.lireScores("")
            fausseMemoire.progression = Stockage.lireProgression("")
            fausseMemoire.gardes = []
            borne = createTemporaryObject(fabrique, scene)
            flux = borne.fluxPartie
            flux.composants = [fauxJeu, null, null]
            borne.demarrer()
        }

        function types() { return fausseCouche.evenements.map(function (e) { return e.type }) }

        // A stack ends with these points and this much incense left.
        function finir(etat, points, tempsMs, bonus) {
            var j = borne.partieItem
            j.fin = { score: points, tempsMs: tempsMs || 0, tempsMax: 90000, parfait: true }
            j.fini(etat, bonus || 0)
        }

        function gameOverFini() {
            compare(borne.scene, "gameover")
            verify(flux.minuterieGameOver.running)
            compare(flux.minuterieGameOver.interval, 3200)
            flux.minuterieGameOver.stop()
            flux.apresGameOver()
        }

        function test_rush_jusqu_au_record() {
            borne.lancer("rush", {})
            var j = borne.partieItem
            compare(j.tempsImpose, 0) // the mode's own clock
            compare(j.regle.tempsMs, 90000)
            compare(j.musiqueJeu, "jeu4")
            // A clear with 20 s left: +15 s, the multiplier 2, points banked x1.
            finir("gagne", 3000, 20000)
            compare(borne.scene, "partie")
            compare(borne.course.scoreTotal, 3000)
            compare(borne.course.multiplicateur, 2)
            compare(j.tempsImpose, 35000)
            compare(j.multiplicateur, 2)
            compare(j.scoreBase, 3000)
            compare(j.appels[j.appels.length - 1].split(" ")[2], "false") // no READY/GO
            // A dead end: no time bonus, the same multiplier.
            finir("impasse", 2000, 12000)
            compare(borne.course.scoreTotal, 7000)
            compare(borne.course.multiplicateur, 2)
            compare(j.tempsImpose, 12000)
            // Time up ends it at once: score x the multiplier, the multiplier as
            // the stage figure, no CONTINUE?.
            finir("temps", 5000)
            compare(borne.scene, "gameover")
            compare(borne.course.scoreFinal, 17000)
            compare(borne.course.etapeFinale, 2)
            compare(faussesSons.musiques[faussesSons.musiques.length - 1], "defaite")
            compare(fausseCouche.fins.length, 1)
            compare(fausseCouche.fins[0].mode, "rush")
            compare(fausseCouche.fins[0].score, 17000)
            compare(fausseCouche.fins[0].etape, 2)
            compare(fausseCouche.fins[0].piles, 1)
            verify(borne.partieItem !== null) // kept under the overlay
            gameOverFini()
            compare(borne.scene, "saisie")
            compare(faussesSons.musiques[faussesSons.musiques.length - 1], "record")
            for (var i = 0; i < 3; ++i)
                verify(borne.action("ok", 1))
            compare(borne.scene, "scores")
            compare(borne.course.table, "rush")
            compare(borne.neuf, 9)
            compare(borne.sceneItem.neuf, 9)
            var e = fausseMemoire.scores.rush[9]
            compare([e.nom, e.score, e.etape], ["PND", 17000, 2])
            compare(fausseMemoire.reglages.jeu.initiales, "PND")
            compare(fausseMemoire.gardes, ["scores", "reglages"])
            compare(types(), ["pile", "partie", "record"])
            compare(borne.partieItem, null) // dropped at the end
            compare(borne.course.etapeFinale, 0)
            borne.suiteAttract()
            compare(borne.scene, "titre")
        }

        function test_defi_classe_puis_non_classe() {
            borne.lancer("daily", {})
            var jour = borne.course.jour
            compare(jour.length, 8)
            verify(borne.course.classe)
            compare(borne.partieItem.undoPermis, false)
            finir("temps", 4000)
            compare(borne.course.scoreFinal, 4000)
            compare(fausseMemoire.progression.defiClasse, jour)
            compare(fausseMemoire.progression.defisFinis.length, 0)
            compare(fausseMemoire.gardes, ["progression"])
            gameOverFini()
            compare(borne.scene, "scores") // 4000 ranks nowhere in the default table

            // The same day again, won: the day counts, the score does not.
            fausseCouche.evenements = []
            faussesSons.musiques = []
            borne.lancer("daily", {})
            verify(!borne.course.classe)
            finir("gagne", 60000, 30000, 40000)
            compare(borne.course.scoreFinal, 0)
            compare(fausseMemoire.progression.defisFinis, [jour])
            compare(faussesSons.musiques, ["victoire"]) // kept through GAME OVER
            compare(types(), ["pile", "defi", "partie"])
            compare(fausseCouche.fins[1].classe, false)
            gameOverFini()
            compare(borne.scene, "scores")
            compare(borne.neuf, -1)
        }

        function test_continue_puis_refus() {
            borne.lancer("night", { etape: 5 })
            var j = borne.partieItem
            finir("gagne", 1000, 30000, 500) // STAGE 06 cleared
            compare(borne.course.etape, 6)
            compare(borne.course.scoreTotal, 1500)
            compare(fausseMemoire.progression.etapeMax, 6)
            compare(j.voile, 0)
            finir("impasse", 700)
            compare(borne.scene, "continue")
            compare(borne.course.scoreTotal, 2200)
            compare(faussesSons.musiques[faussesSons.musiques.length - 1], "continue")
            verify(borne.partieItem === j) // kept under the scene
            borne.fluxPartie.choixContinue(true)
            compare(borne.scene, "partie")
            compare(borne.course.scoreTotal, 0)
            compare(borne.course.continues, 1)
            compare(borne.course.etape, 6)
            compare(j.appels[j.appels.length - 1], "reprendre")
            finir("temps", 0)
            compare(borne.scene, "continue")
            borne.fluxPartie.choixContinue(false)
            compare(borne.course.scoreFinal, 0)
            compare(borne.course.etapeFinale, 7)
            gameOverFini()
            compare(borne.scene, "scores") // a score of 0 never enters a table
            compare(types(), ["pile", "continue", "partie"])
        }

        function test_douzieme_etape_et_salle() {
            borne.lancer("night", { etape: 11 })
            borne.course.continuer()
            finir("gagne", 200000, 40000, 9000)
            compare(borne.scene, "salle")
            compare(borne.course.scoreFinal, 209000)
            compare(borne.sceneItem.score, 209000)
            compare(faussesSons.musiques[faussesSons.musiques.length - 1], "victoire")
            compare(types(), ["pile", "fin12", "partie"])
            compare(fausseCouche.evenements[1].continues, 1)
            compare(fausseMemoire.progression.etapeMax, 12)
            verify(!fausseMemoire.progression.extras.salleLanternes) // a continue was used
            borne.action("ok", 1)
            compare(borne.scene, "saisie")
            compare(borne.sceneItem.score, 209000)
            compare(borne.sceneItem.etape, 12)

            // Not ranking, the room leads straight to the table.
            borne.lancer("night", { etape: 11 })
            finir("gagne", 10, 0, 0)
            borne.action("ok", 1)
            compare(borne.scene, "scores")
            // The room's music is not the next game's: a game that offers its
            // continue itself (as the sliding one does) ends on "defaite".
            borne.lancer("night", { etape: 2 })
            flux.proposerContinue()
            flux.choixContinue(false)
            compare(faussesSons.musiques[faussesSons.musiques.length - 1], "defaite")
        }

        function test_score_refuse_et_figure_neuve() {
            // A stage figure left by an abandoned game never reaches the next.
            borne.lancer("night", { etape: 3 })
            finir("impasse", 10)
            compare(borne.course.etapeFinale, 4)
            borne.fluxPartie.choixContinue(true)
            borne.abandon()
            compare(borne.scene, "titre")
            compare(borne.partieItem, null)
            borne.lancer("rush", {})
            finir("temps", 99999999)
            compare(borne.course.etapeFinale, 1)
            // A score validation refuses is not inserted; the flow reaches the table.
            gameOverFini()
            compare(borne.scene, "saisie")
            borne.fluxPartie.apresSaisie("ABC")
            compare(borne.neuf, -1)
            compare(borne.scene, "scores")
            compare(types().indexOf("record"), -1)
            compare(fausseMemoire.scores.rush[0].score, 100000)
            compare(fausseMemoire.reglages.jeu.initiales, "ABC")
        }
    }
}
