import QtQuick 2.15
import QtTest 1.2
import Tessimora 1.0
import "qrc:/app/borne"

// SLIDING STALLS in the real cabinet, with the real sliding game: a run whose
// incense burns out, what it reports, CONTINUE? and the same grid again, the
// record entry in the "sliding" table, and runs left without a grid.
Item {
    id: scene
    width: 384
    height: 224

    TestCase {
        name: "BorneGlissant"
        when: windowShown

        QtObject {
            id: faussesSons
            property var joues: []
            property var musiques: []
            function jouer(id) { joues.push(id) }
            function jouerMusique(id) { musiques.push(id) }
            function arreterMusique() {}
            function idEtape(e) { return "jeu1" }
            function musiqueEtape(e) {}
            function paire(c) {}
            function pause(oui) {}
            function assurer(id) {}
        }

        QtObject {
            id: fausseCouche
            property var evenements: []
            property string manette: ""
            property var fins: []
            function evenement(ev) { evenements.push(Evenements.forme(ev)) }
            function finPartie(f) { fins.push(f) }
        }

        Component {
            id: fabrique
            Borne {
                sons: faussesSons
                couche: fausseCouche
                memoire: QtObject {
                    property var reglages: ({ jeu: { freePlay: false, initiales: "PND" },
                                              touches: {} })
                    property var scores: Stockage.lireScores("")
                    property var progression: ({ etapeMax: 0, etapesVues: [], extras: {} })
                    function garderReglages() {}
                    function garderScores() {}
                    function garderProgression() {}
                }
            }
        }

        function init() {
            faussesSons.joues = []
            faussesSons.musiques = []
            fausseCouche.evenements = []
            fausseCouche.fins = []
        }

        // The last sliding event sent, or null.
        function dernierGlissant() {
            var r = null
            fausseCouche.evenements.forEach(function (e) { if (e.type === "glissant") r = e })
            return r
        }

        // Takes the running game's last second with a rotation.
        function perdreLaDerniereSeconde(borne, jeu) {
            jeu.partie.avancer(jeu.partie.tempsMs - 400)
            verify(borne.action("glisseD", 1))
            compare(jeu.phase, "fin")
        }

        function test_fin_du_temps_continue_puis_record() {
            var borne = createTemporaryObject(fabrique, scene)
            borne.demarrer()
            borne.monnayeur.inserer(); borne.monnayeur.inserer()
            borne.lancer("sliding", {})
            var jeu = borne.partieItem
            tryCompare(jeu, "phase", "jeu", 5000)
            // A run on its third grid, with points banked.
            jeu.niveau = 2
            jeu.scoreBase = 3400
            perdreLaDerniereSeconde(borne, jeu)
            var cases = jeu.partie.cases
            compare(dernierGlissant(), null) // not before TIME UP has shown
            compare(borne.scene, "partie")
            tryCompare(borne, "scene", "continue", 5000)
            compare(dernierGlissant().niveau, 2)
            compare(borne.course.scoreTotal, 3400)
            compare(borne.course.etapeFinale, 3)
            compare(faussesSons.musiques.slice(-1), ["continue"])
            compare(borne.partieItem, jeu) // kept under CONTINUE?

            // Yes: the same grid with a full stick, from zero points.
            borne.fluxPartie.choixContinue(true)
            compare(borne.scene, "partie")
            compare(borne.credits, 0)
            compare(borne.course.continues, 1)
            compare(jeu.phase, "depart")
            compare(jeu.partie.cases, cases)
            compare(jeu.partie.tempsMs, jeu.partie.tempsMax)
            compare(jeu.scoreAffiche, 0)
            compare(faussesSons.musiques.slice(-1), ["jeu1"])
            tryCompare(jeu, "phase", "jeu", 5000)

            // No the second time: GAME OVER, then NEW RECORD in the sliding table.
            jeu.scoreBase = 152000
            perdreLaDerniereSeconde(borne, jeu)
            tryCompare(borne, "scene", "continue", 5000)
            borne.fluxPartie.choixContinue(false)
            compare(borne.scene, "gameover")
            compare(borne.course.scoreFinal, 152000)
            compare(borne.course.etapeFinale, 3)
            compare(fausseCouche.fins.length, 1)
            compare(fausseCouche.fins[0].mode, "sliding")
            compare(fausseCouche.fins[0].score, 152000)
            compare(fausseCouche.fins[0].etape, 3)
            borne.fluxPartie.apresGameOver()
            compare(borne.scene, "saisie")
            borne.fluxPartie.apresSaisie("GLI")
            compare(borne.memoire.scores.sliding[0].nom, "GLI")
            compare(borne.memoire.scores.sliding[0].score, 152000)
            compare(borne.memoire.scores.sliding[0].etape, 3)
            compare(borne.scene, "scores")
            compare(borne.course.table, "sliding")
            compare(borne.partieItem, null)
        }

        // The grid was lost with the time (no deal could be made for the
        // next one): nothing to continue, GAME OVER at once.
        function test_fin_sans_grille() {
            var borne = createTemporaryObject(fabrique, scene)
            borne.demarrer()
            borne.monnayeur.inserer()
            borne.lancer("sliding", {})
            var jeu = borne.partieItem
            tryCompare(jeu, "phase", "jeu", 5000)
            jeu.scoreBase = 900
            perdreLaDerniereSeconde(borne, jeu)
            jeu.partie.vider()
            tryCompare(borne, "scene", "gameover", 5000)
            compare(borne.course.scoreFinal, 900)
            compare(dernierGlissant().niveau, 0)
        }

        Component {
            id: sansGrille
            Item {
                property real record: -1
                property var graines: []
                function demarrer(g) { graines.push(g); return false }
            }
        }

        // The engine could not deal even the smallest grid: nothing runs, the
        // coin comes back, the player is back in the menu.
        function test_aucune_grille() {
            var borne = createTemporaryObject(fabrique, scene)
            borne.demarrer()
            borne.monnayeur.inserer()
            borne.lancer("sliding", {})
            compare(borne.credits, 0)
            var glissant = findChild(borne, "fluxGlissant")
            verify(glissant !== null)
            faussesSons.joues = []
            var j = borne.poserJeu(sansGrille)
            verify(!glissant.depart(j))
            compare(j.graines.length, 1)
            compare(borne.partieItem, null)
            verify(!borne.enJeu)
            compare(borne.credits, 1)
            compare(borne.scene, "menu")
            compare(faussesSons.joues, ["erreur"])
        }
    }
}
