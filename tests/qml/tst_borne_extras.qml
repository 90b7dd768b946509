import QtQuick 2.15
import QtTest 1.2
import Tessimora 1.0
import "qrc:/app/borne"

// The extras row of MODE SELECT inside the real cabinet: each extra opened
// from the menu sends its "scene" event and gets its inputs, leaves back to
// the menu, the sound test hands its music back, CRT SETTINGS saves on the
// way out, and the LANTERN ROOM plays its music and returns to the menu.
Item {
    id: scene
    width: 384
    height: 224

    TestCase {
        name: "BorneExtras"
        when: windowShown

        QtObject {
            id: faussesSons
            property var journal: []
            function jouer(id) { journal.push("effet " + id) }
            function jouerMusique(id) { journal.push("musique " + id) }
            function arreterMusique() { journal.push("arret") }
        }

        QtObject {
            id: fausseCouche
            property string manette: ""
            property var evenements: []
            function evenement(ev) { evenements.push(Evenements.forme(ev)) }
            function finPartie(fin) {}
        }

        QtObject {
            id: fausseMemoire
            property int gardes: 0
            property var reglages: ({ jeu: { freePlay: true }, touches: {} })
            property var scores: ({})
            property var progression: ({ etapeMax: 0, etapesVues: [], extras: {} })
            property var succes: Succes.etatVide()
            function garderReglages() { gardes += 1 }
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

        function init() {
            borne = createTemporaryObject(fabrique, scene)
            borne.demarrer()
            borne.extrasOuverts = true
            borne.aller("menu")
            faussesSons.journal = []
            fausseCouche.evenements = []
            fausseMemoire.gardes = 0
        }

        // From the menu's first lantern: EXTRAS, then the k-th item of its row.
        function ouvrir(k) {
            borne.action("gauche", 1)
            borne.action("gauche", 1)
            compare(borne.sceneItem.entree.id, "extras")
            borne.action("ok", 1)
            for (var i = 0; i < k; ++i)
                borne.action("droite", 1)
            borne.action("ok", 1)
            faussesSons.journal = faussesSons.journal.filter(function (l) {
                return l !== "effet selection" && l !== "effet depart"
            })
        }

        function test_galerie() {
            ouvrir(0)
            compare(borne.scene, "galerie")
            compare(fausseCouche.evenements, [{ type: "scene", nom: "galerie" }])
            var g = borne.sceneItem
            compare(g.touches.retour, borne.touches.retour)
            borne.action("droite", 1)
            compare(g.choix, 1)
            borne.action("retour", 1)
            compare(borne.scene, "menu")
            compare(faussesSons.journal, ["musique titre", "effet selection", "musique titre"])
        }

        function test_son_test_rend_la_musique() {
            ouvrir(1)
            compare(borne.scene, "sontest")
            compare(fausseCouche.evenements, [{ type: "scene", nom: "sontest" }])
            // The title music keeps playing: nothing was asked on the way in.
            compare(faussesSons.journal, [])
            verify(borne.sceneItem.sons === faussesSons)
            borne.action("ok", 1)
            borne.action("retour", 1) // stops the track
            compare(borne.scene, "sontest")
            borne.action("retour", 1) // leaves: the cabinet stops the music, the menu starts its own
            compare(borne.scene, "menu")
            compare(faussesSons.journal, ["musique titre", "arret", "arret", "musique titre"])
        }

        function test_reglages_crt() {
            ouvrir(2)
            compare(borne.scene, "crt")
            compare(fausseCouche.evenements, [{ type: "scene", nom: "crt" }])
            borne.action("retour", 1)
            compare(borne.scene, "menu")
            compare(fausseMemoire.gardes, 1)
        }

        function test_salle_des_lanternes() {
            ouvrir(3)
            compare(borne.scene, "salle")
            compare(fausseCouche.evenements, [{ type: "scene", nom: "salle" }])
            compare(faussesSons.journal, ["musique victoire"])
            compare(borne.sceneItem.score, 0)
            borne.action("ok", 1)
            compare(borne.scene, "menu")
            compare(faussesSons.journal.slice(-1), ["musique titre"])
        }

        function test_succes() {
            fausseMemoire.succes = Succes.etatVide()
            fausseMemoire.succes.debloques.SKETCHBOOK = 5
            fausseMemoire.succesChanged()
            ouvrir(4)
            compare(borne.scene, "succes")
            compare(fausseCouche.evenements, [{ type: "scene", nom: "succes" }])
            compare(borne.sceneItem.allumes, 1)
            compare(borne.sceneItem.enteteAffiche, "1/48 LIT   1/7")
            borne.action("retour", 1)
            compare(borne.scene, "menu")
        }
    }
}
