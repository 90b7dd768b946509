import QtQuick 2.15
import QtTest 1.2
import Tessimora 1.0
import "qrc:/app/borne"
import "qrc:/app/jeu"

// Pictures for the eye, not a check of the suite (captures.py runs it): the
// duel boards' READY, GO! and WIN / LOSE in every language, and every scene
// of the cabinet with MODE SELECT's entries and rows in the languages asked
// for, each saved as <language>_<what>.png in the working folder.
Item {
    id: scene
    width: 384
    height: 224

    QtObject {
        id: muets
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
        id: fabriqueDuel
        Duel { automatique: false; sons: muets }
    }

    Component {
        id: fabriqueBorne
        Borne {
            sons: muets
            memoire: QtObject {
                property var reglages: ({ jeu: { freePlay: true }, touches: {} })
                property var scores: ({})
                property var progression: ({ etapeMax: 4, etapesVues: [0, 1, 2, 3], extras: {} })
                property var succes: null
                function garderReglages() {}
            }
        }
    }

    TestCase {
        name: "Captures"
        when: windowShown

        property real t: 0

        function sauver(fichier) {
            wait(60)
            var fait = false
            scene.grabToImage(function (r) { fait = r.saveToFile(fichier) })
            tryVerify(function () { return fait }, 5000, fichier)
        }

        function langue(code) {
            Langue.choisir(code)
            tryCompare(Langue, "code", code)
        }

        function passer(d, ms) {
            for (var fin = t + ms; t < fin; ) {
                t = Math.min(fin, t + 16)
                d.battre()
            }
        }

        function test_logosDuel() {
            var codes = Langue.disponibles
            for (var i = 0; i < codes.length; ++i) {
                langue(codes[i])
                var d = createTemporaryObject(fabriqueDuel, scene, {niveauIa: 1, graine: 3})
                t = 1000000
                d.montre = function () { return t }
                verify(d.demarrer())
                passer(d, 600)
                sauver(codes[i] + "_duel_ready.png")
                passer(d, 1000)
                sauver(codes[i] + "_duel_go.png")
                d.finJoueur(2, "gagne")
                sauver(codes[i] + "_duel_fin.png")
                d.destroy()
            }
        }

        // One Latin language, one drawn with wide glyphs, and English.
        function test_scenes_fr() { scenes(["fr"]) }
        function test_scenes_ja() { scenes(["ja"]) }
        function test_scenes_en() { scenes(["en"]) }

        function scenes(codes) {
            var noms = ["mire", "titre", "demo", "scores", "regles", "options", "commandes", "crt",
                        "galerie", "succes", "sontest", "salle", "continue", "saisie"]
            for (var i = 0; i < codes.length; ++i) {
                langue(codes[i])
                var b = createTemporaryObject(fabriqueBorne, scene)
                b.extrasOuverts = true
                b.demarrer()
                for (var k = 0; k < noms.length; ++k) {
                    b.aller(noms[k])
                    sauver(codes[i] + "_" + noms[k] + ".png")
                }
                b.aller("menu")
                var n = b.sceneItem.entrees.length
                for (var e = 0; e < n; ++e) {
                    // An entry without a row starts its game: back to the menu.
                    if (b.scene !== "menu")
                        b.aller("menu")
                    var m = b.sceneItem
                    m.choix = e
                    wait(150)
                    sauver(codes[i] + "_menu_" + e + ".png")
                    if (m.action("ok") && b.scene === "menu" && m.sous >= 0) {
                        sauver(codes[i] + "_menu_" + e + "_rangee.png")
                        m.action("retour")
                    }
                }
                b.destroy()
            }
        }
    }
}
