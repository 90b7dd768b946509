import QtQuick 2.15
import QtTest 1.2
import Tessimora 1.0
import "qrc:/app/borne"

// Every scene of the cabinet's table opens through the door: a row whose
// file is missing or does not load fails here, and is said on standard error
// by the program, rather than leaving a blank screen.
TestCase {
    id: cas
    name: "Scenes"
    when: windowShown
    width: 384
    height: 224

    QtObject {
        id: faussesSons
        function jouer(id) {}
        function jouerMusique(id) {}
        function arreterMusique() {}
        function idEtape(e) { return "jeu1" }
        function musiqueEtape(e) {}
        function paire(c) {}
        function pause(oui) {}
        function assurer(id) {}
    }

    Component {
        id: fabrique
        Borne {
            sons: faussesSons
            memoire: QtObject {
                property var reglages: ({ jeu: { freePlay: false }, touches: {} })
                property var scores: ({})
                property var progression: ({ etapeMax: 1, etapesVues: [0], extras: {} })
                property var succes: null
                function garderReglages() {}
            }
        }
    }

    function test_chaque_scene_a_son_fichier() {
        var borne = createTemporaryObject(fabrique, cas)
        borne.demarrer()
        var scenes = ["mire", "titre", "demo", "scores", "regles", "menu", "options", "commandes",
                      "crt", "galerie", "succes", "sontest", "salle", "continue", "saisie"]
        for (var i = 0; i < scenes.length; ++i) {
            var nom = scenes[i]
            verify(Scenes.fichier(nom) !== "", nom)
            borne.aller(nom)
            compare(borne.scene, nom)
            verify(borne.sceneItem !== null, nom + " shows nothing")
        }
        // The game's own layers have no scene file; the door holds nothing.
        borne.aller("gameover")
        compare(borne.sceneItem, null)
        verify(!Scenes.connue("provisoire"))
    }
}
