import QtQuick 2.15
import QtTest 1.2
import Tessimora 1.0
import "qrc:/app/borne"

// LANTERN DUEL inside the real cabinet with the real duel: chosen in MODE
// SELECT, played through the cabinet's routing, paused through its menu, and
// where each ending leads. The duel's time is driven by hand once it is made.
Item {
    id: scene
    width: 384
    height: 224

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

    // Ten scores no duel of these tests can beat.
    readonly property var tablePleine: [0, 1, 2, 3, 4, 5, 6, 7, 8, 9].map(function (k) {
        return { nom: "AAA", score: 900000 - k, etape: 3 }
    })

    QtObject {
        id: fausseMemoire
        property var reglages: ({ jeu: { freePlay: false, niveauIa: 2 }, touches: {} })
        property var scores: ({ duel: [] })
        property var progression: ({ etapeMax: 1, etapesVues: [0], extras: {} })
        function garderReglages() {}
        function garderScores() {}
        function garderProgression() {}
    }

    QtObject {
        id: fausseCouche
        property string manette: ""
        property var evenements: []
        property var fins: []
        function evenement(ev) { evenements.push(Evenements.forme(ev)) }
        function finPartie(fin) { fins.push(fin) }
        function types() { return evenements.map(function (e) { return e.type }) }
    }

    Component {
        id: fabrique
        Borne {
            sons: faussesSons
            memoire: fausseMemoire
            couche: fausseCouche
        }
    }

    TestCase {
        name: "BorneDuel"
        when: windowShown

        property var borne: null
        property real t: 0

        function init() {
            faussesSons.joues = []
            faussesSons.musiques = []
            fausseCouche.evenements = []
            fausseCouche.fins = []
            fausseMemoire.scores = { duel: [] }
            borne = createTemporaryObject(fabrique, scene)
            borne.demarrer()
            borne.monnayeur.inserer()
        }

        // The duel just made by the cabinet, from now on on the test's watch.
        function enMain() {
            var d = borne.partieItem
            verify(d !== null)
            t = Date.now()
            d.automatique = false
            d.montre = function () { return t }
            return d
        }

        function passer(d, ms) {
            for (var fin = t + ms; t < fin; ) {
                t = Math.min(fin, t + 16)
                d.battre()
            }
        }

        function duelContre(ia) {
            borne.lancer("duel", { ia: ia })
            var d = enMain()
            passer(d, 1500)
            compare(d.phase, "jeu")
            return d
        }

        function ids() { return borne.menuDePause.liste.map(function (e) { return e.id }) }

        function test_joueur1_bat_lampion_depuis_le_menu() {
            borne.aller("menu")
            borne.action("droite", 1)
            borne.action("droite", 1)
            borne.action("ok", 1)
            compare(borne.sceneItem.sous, 2) // the saved level: VS DRAGON KITE
            borne.action("gauche", 1)
            borne.action("gauche", 1)
            borne.action("ok", 1) // VS LAMPION
            compare(borne.scene, "partie")
            verify(borne.enJeu); compare(borne.regle.sorte, RegleMode.Duel)
            compare(borne.course.table, "duel")
            compare(borne.credits, 0)
            var d = enMain()
            compare(d.niveauIa, 0)
            compare(d.graine, borne.graineScene)
            compare(d.joueur2.ia.niveau, 0)
            compare(faussesSons.musiques.slice(-1), ["duel"])
            passer(d, 1500)

            // Player 1 plays the deal's witness through the cabinet.
            var w = d.joueur1.partie.temoin()
            for (var k = 0; k < w.length; ++k) {
                for (var i = 0; i < 2; ++i) {
                    d.joueur1.curseur = w[k][i]
                    verify(borne.action("ok", 1))
                }
            }
            compare(d.joueur1.partie.etat, Partie.Gagne)
            // The milestones smoked the computer's board and told the cabinet.
            verify(fausseCouche.types().indexOf("fumee") >= 0)
            passer(d, 1800)
            var score = d.joueur1.scoreAffiche
            verify(score > 0)
            compare(fausseCouche.fins, []) // the logos show first
            passer(d, 4000)
            var ev = fausseCouche.evenements.filter(function (e) { return e.type !== "fumee" })
            compare(ev, [{ type: "duel", ia: 0, gagnant: 1 },
                         { type: "partie", mode: "duel", score: score }])
            compare(fausseCouche.fins, [{ mode: "duel", score: score, etape: 1, piles: 0, classe: true,
                                          jour: "", ia: 0 }])
            compare(borne.course.scoreFinal, score)
            // NEW RECORD, then the duel table with the computer's level + 1.
            compare(borne.scene, "saisie")
            compare(faussesSons.musiques.slice(-1), ["record"])
            borne.fluxPartie.apresSaisie("ABC")
            verify(borne.neuf >= 0)
            var entree = fausseMemoire.scores.duel[borne.neuf]
            compare([entree.nom, entree.score, entree.etape], ["ABC", score, 1])
            compare(borne.scene, "scores")
            compare(borne.partieItem, null)
        }

        function test_le_reglage_choisit_l_adversaire_sans_menu() {
            borne.lancer("duel", {})
            compare(borne.course.niveauIa, 2)
            compare(enMain().joueur2.ia.niveau, 2)
        }

        function test_defaite_egalite_et_deux_joueurs_reviennent_au_menu() {
            // The computer ahead when both boards run out: it wins.
            var d = duelContre(2)
            passer(d, 3000)
            d.joueur1.terminer("temps")
            d.joueur2.terminer("temps")
            passer(d, 8000)
            compare(fausseCouche.evenements, [{ type: "duel", ia: 2, gagnant: 2 },
                                              { type: "partie", mode: "duel", score: 0 }])
            compare(faussesSons.musiques.indexOf("defaite") >= 0, true)
            compare(borne.scene, "menu")
            compare(borne.partieItem, null)

            // Two players, both at a dead end with no pair: a draw.
            fausseCouche.evenements = []
            borne.monnayeur.inserer()
            d = duelContre(-1)
            d.joueur1.terminer("impasse")
            d.joueur2.terminer("impasse")
            passer(d, 8000)
            compare(fausseCouche.evenements, [{ type: "duel", ia: -1, gagnant: 0 },
                                              { type: "partie", mode: "duel", score: 0 }])
            compare(borne.scene, "menu")
            compare(fausseCouche.fins, [])
        }

        function test_victoire_sans_place_dans_la_table() {
            fausseMemoire.scores = { duel: scene.tablePleine }
            var d = duelContre(1)
            d.fini(1, 5000)
            // The leaderboards hear of it; the stage figure does not stay.
            compare(fausseCouche.fins, [{ mode: "duel", score: 5000, etape: 2, piles: 0, classe: true,
                                          jour: "", ia: 1 }])
            compare(borne.scene, "menu")
            compare(borne.course.etapeFinale, 0)
            compare(borne.partieItem, null)
        }

        function test_pause_commune_et_ses_entrees() {
            var d = duelContre(1)
            verify(borne.action("retour", 1)) // nothing picked: the cabinet pauses
            compare([d.joueur1.phase, d.joueur2.phase], ["pause", "pause"])
            verify(borne.menuDePause.visible)
            compare(ids(), ["reprendre", "hint", "mix", "peek", "titre", "quitter"])
            var avant = [d.joueur1.partie.tempsMs, d.joueur2.partie.tempsMs,
                         d.joueur2.partie.restantes]
            passer(d, 5000)
            compare([d.joueur1.partie.tempsMs, d.joueur2.partie.tempsMs,
                     d.joueur2.partie.restantes], avant)
            // HINT from the pause: both boards resume and player 1 gets it.
            borne.action("bas", 1)
            borne.action("ok", 1)
            compare([d.joueur1.phase, d.joueur2.phase], ["jeu", "jeu"])
            verify(d.joueur1.indice !== null)
            compare(d.joueur2.indice, null)

            // Player 1's board over, the computer's playing on: the pause
            // still opens, without the helps.
            d.joueur1.terminer("temps")
            passer(d, 2600)
            verify(d.joue)
            verify(borne.action("retour", 1))
            compare(d.phase, "pause")
            verify(borne.menuDePause.visible)
            compare(ids(), ["reprendre", "titre", "quitter"])
            borne.action("ok", 1)
            compare(d.phase, "jeu")

            // Two players get no help, and QUIT TO TITLE drops the duel unscored.
            borne.abandon()
            borne.monnayeur.inserer()
            d = duelContre(-1)
            borne.mettrePause()
            compare(ids(), ["reprendre", "titre", "quitter"])
            borne.action("bas", 2)
            borne.action("ok", 2)
            borne.action("gauche", 1)
            borne.action("ok", 1) // YES
            compare(borne.scene, "titre")
            compare(borne.partieItem, null)
            compare(fausseCouche.evenements, [])
        }
    }

    // The root's key router in a two-player duel: the left-hand letters and
    // the first gamepad play board 1, the arrows and the other gamepads
    // board 2, the shared keys pause both.
    TestCase {
        id: racineCas
        name: "RacineDuel"
        when: windowShown

        property var racine: null
        property real t: 0

        function init() {
            var composant = Qt.createComponent("qrc:/app/main.qml")
            compare(composant.status, Component.Ready, composant.errorString())
            racine = composant.createObject(racineCas)
        }

        function cleanup() {
            racine.destroy()
            racine = null
        }

        function borne() {
            function chercher(o) {
                if (o.objectName === "borne") return o
                for (var i = 0; i < o.children.length; ++i) {
                    var r = chercher(o.children[i])
                    if (r) return r
                }
                return null
            }
            return chercher(racine)
        }

        function touche(code) {
            return racine.touche({ key: code, isAutoRepeat: false, modifiers: 0 }, true)
        }

        function manette(pad, bouton) { return touche(0x01f00000 + pad * 0x100 + bouton) }

        function test_chaque_joueur_sa_planche() {
            var b = borne()
            tryCompare(b, "demarre", true)
            b.monnayeur.inserer()
            b.lancer("duel", { ia: -1 })
            var d = b.partieItem
            t = Date.now()
            d.automatique = false
            d.montre = function () { return t }
            for (var fin = t + 1500; t < fin; ) {
                t += 16
                d.battre()
            }
            compare(d.phase, "jeu")
            var a = d.joueur1, c = d.joueur2
            var depart = a.curseur
            var droite = a.partie.voisine(depart, 1, 0) >= 0
            var k1 = droite ? Qt.Key_D : Qt.Key_S, k2 = droite ? Qt.Key_Right : Qt.Key_Down
            var bouton = droite ? 14 : 13, inverse = droite ? 15 : 12

            verify(touche(k2))
            compare(a.curseur, depart)
            verify(c.curseur !== depart)
            verify(touche(k1))
            verify(a.curseur !== depart)
            verify(touche(Qt.Key_F)) // player 1's OK picks on board 1 only
            compare(a.partie.selection, a.curseur)
            compare(c.partie.selection, -1)
            verify(touche(Qt.Key_Return))
            compare(c.partie.selection, c.curseur)
            verify(touche(Qt.Key_G)) // player 1's Back drops his pick
            compare(a.partie.selection, -1)
            compare(c.partie.selection, c.curseur)

            // Gamepads: the first plays board 1, the second board 2.
            var p1 = a.curseur, p2 = c.curseur
            manette(1, bouton)
            compare(a.curseur, p1)
            verify(c.curseur !== p2)
            manette(0, inverse) // back the other way
            verify(a.curseur !== p1)

            // START on any gamepad, F1 and Escape pause both boards.
            manette(1, 9)
            compare([a.phase, c.phase], ["pause", "pause"])
            verify(touche(Qt.Key_Escape)) // Back in the pause menu resumes
            compare([a.phase, c.phase], ["jeu", "jeu"])
            verify(touche(Qt.Key_Escape)) // never a deselect: it pauses
            compare(d.phase, "pause")
            verify(touche(Qt.Key_F1))
            compare(d.phase, "jeu")
            // A key of neither table is left to the platform.
            verify(!touche(Qt.Key_P))
        }
    }
}
