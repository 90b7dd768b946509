import QtQuick 2.15
import QtTest 1.2
import Tessimora 1.0
import "qrc:/app/borne"

// SLIDING STALLS in the real cabinet, with the real sliding game: how a run
// ends when the incense burns out, what it reports, and a run that cannot
// even deal its first grid.
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
            function evenement(ev) { evenements.push(ev) }
        }

        Component {
            id: fabrique
            Borne {
                sons: faussesSons
                couche: fausseCouche
                memoire: QtObject {
                    property var reglages: ({ jeu: { freePlay: false }, touches: {} })
                    property var scores: ({})
                    property var progression: ({ etapeMax: 0, etapesVues: [], extras: {} })
                    function garderReglages() {}
                }
            }
        }

        function init() {
            faussesSons.joues = []
            faussesSons.musiques = []
            fausseCouche.evenements = []
        }

        // The last sliding event sent, or null.
        function dernierGlissant() {
            var r = null
            fausseCouche.evenements.forEach(function (e) { if (e.type === "glissant") r = e })
            return r
        }

        function test_fin_du_temps() {
            var borne = createTemporaryObject(fabrique, scene)
            borne.demarrer()
            borne.credits = 1
            borne.lancer("sliding", {})
            var jeu = borne.partieItem
            tryCompare(jeu, "phase", "jeu", 5000)
            // A run on its third grid, with points banked, loses its last second
            // to a rotation.
            jeu.niveau = 2
            jeu.scoreBase = 3400
            jeu.partie.avancer(jeu.partie.tempsMs - 400)
            verify(borne.action("glisseD", 1))
            compare(jeu.phase, "fin")
            compare(dernierGlissant(), null) // not before TIME UP has shown
            compare(borne.scene, "partie")
            tryVerify(function () { return dernierGlissant() !== null }, 5000)
            compare(dernierGlissant().niveau, 2)
            compare(borne.scoreTotal, 3400)
            compare(borne.etapeFinale, 3)
            compare(borne.scene, "titre")
            compare(borne.partieItem, null)
            compare(borne.sorte, "")
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
            borne.credits = 1
            borne.lancer("sliding", {})
            compare(borne.credits, 0)
            var glissant = findChild(borne, "fluxGlissant")
            verify(glissant !== null)
            faussesSons.joues = []
            var j = borne.poserJeu(sansGrille)
            verify(!glissant.depart(j))
            compare(j.graines.length, 1)
            compare(borne.partieItem, null)
            compare(borne.sorte, "")
            compare(borne.credits, 1)
            compare(borne.scene, "menu")
            compare(faussesSons.joues, ["erreur"])
        }
    }
}
