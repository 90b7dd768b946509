import QtQuick 2.15
import QtTest 1.2
import Tessimora 1.0
import "qrc:/app/borne"

// MODE SELECT, the pause menu and the title's QUIT inside the real cabinet,
// with the real stage game: what the menu can start, how a paused game routes
// its inputs, and how QUIT TO TITLE drops a game without a GAME OVER.
Item {
    id: scene
    width: 384
    height: 224

    TestCase {
        id: cas
        name: "BorneMenus"
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
            id: fausseMemoire
            property var reglages: ({ jeu: { freePlay: false }, touches: {} })
            property var scores: ({})
            property var progression: ({ etapeMax: 2, etapesVues: [0, 1], extras: {} })
            function garderReglages() {}
        }

        Component {
            id: fabrique
            Borne {
                sons: faussesSons
                memoire: fausseMemoire
            }
        }

        property var borne: null

        function init() {
            faussesSons.joues = []
            faussesSons.musiques = []
            borne = createTemporaryObject(fabrique, scene)
            borne.demarrer()
        }

        function enPartie(mode) {
            borne.monnayeur.inserer()
            borne.lancer(mode, { etape: 0 })
            tryCompare(borne.partieItem, "phase", "jeu", 5000)
            faussesSons.joues = []
            faussesSons.musiques = []
            return borne.partieItem
        }

        function test_le_menu_recoit_ses_entrees() {
            borne.aller("menu")
            var menu = borne.sceneItem
            compare(menu.progression.etapeMax, 2)
            verify(menu.deuxJoueurs)
            compare(menu.touches.ok, borne.touches.ok)
            borne.systeme = "freebox"
            verify(!menu.deuxJoueurs)
            borne.extrasOuverts = true
            verify(menu.extrasOuverts)
            // Up is not the menu's and the cabinet does not take it either.
            verify(!borne.action("haut", 1))
            verify(borne.action("retour", 1))
            compare(borne.scene, "titre")
        }

        // A game chosen in the menu takes a coin; back in the menu with no
        // credit left, a game sends the player to the title instead.
        function test_credit_pris_depuis_le_menu() {
            borne.monnayeur.inserer()
            borne.aller("menu")
            borne.action("droite", 1)
            borne.action("droite", 1)
            borne.action("ok", 1) // the opponents, on VS LANTERN
            borne.action("ok", 1)
            compare(faussesSons.joues.slice(-2), ["selection", "depart"])
            compare(borne.scene, "partie")
            verify(borne.enJeu); compare(borne.regle.sorte, RegleMode.Duel)
            compare(borne.credits, 0)
            borne.abandon()
            borne.aller("menu")
            borne.action("ok", 1) // NIGHT MARKET: two stages offered
            compare(borne.sceneItem.sous, 1)
            borne.action("ok", 1)
            compare(faussesSons.joues.slice(-1), ["erreur"])
            compare(borne.scene, "titre")
            compare(borne.partieItem, null)
            borne.monnayeur.inserer()
            borne.aller("menu")
            borne.action("ok", 1)
            borne.action("ok", 1)
            compare(borne.scene, "partie")
            compare(borne.credits, 0)
            compare(borne.partieItem.etape, 1)
        }

        // OPTIONS' CPU level is where the opponent row opens, and what a
        // duel started without a choice plays against.
        function test_le_niveau_cpu_choisit_l_adversaire() {
            fausseMemoire.reglages = { jeu: { freePlay: false, niveauIa: 2 }, touches: {} }
            borne.monnayeur.inserer()
            borne.aller("menu")
            borne.action("droite", 1)
            borne.action("droite", 1)
            borne.action("ok", 1)
            compare(borne.sceneItem.sous, 2)
            borne.action("ok", 1)
            compare(borne.course.niveauIa, 2)
            borne.abandon()
            borne.monnayeur.inserer()
            borne.lancer("duel", {})
            compare(borne.course.niveauIa, 2)
            borne.abandon()
            fausseMemoire.reglages = { jeu: { freePlay: false }, touches: {} }
        }

        // SLIDING STALLS from the menu: a coin, the sliding game with the
        // table's best score on its HUD, and a pause with only the helps the
        // mode has, HINT played for the player from there.
        function test_stalles_depuis_le_menu() {
            fausseMemoire.scores = { sliding: [{ nom: "ABC", score: 4800, etape: 3 }] }
            borne.monnayeur.inserer()
            borne.aller("menu")
            borne.action("droite", 1)
            borne.action("ok", 1)
            fausseMemoire.scores = {}
            compare(borne.scene, "partie")
            verify(borne.enJeu); compare(borne.regle.sorte, RegleMode.Glissant)
            compare(borne.course.table, "sliding")
            compare(borne.credits, 0)
            var jeu = borne.partieItem
            compare(jeu.record, 4800)
            compare(jeu.phase, "depart")
            compare(faussesSons.musiques.slice(-1), ["jeu1"])
            tryCompare(jeu, "phase", "jeu", 5000)
            borne.action("retour", 1) // nothing picked: pause
            compare(jeu.phase, "pause")
            verify(borne.menuDePause.visible)
            compare(borne.menuDePause.liste.map(function (e) { return e.id }),
                    ["reprendre", "hint", "mix", "titre", "quitter"])
            borne.action("bas", 1)
            borne.action("ok", 1)
            compare(jeu.phase, "jeu")
            verify(jeu.indice !== null)
            compare(jeu.aidesHint, 2)
        }

        function test_pause_puis_abandon() {
            var jeu = enPartie("night")
            verify(!borne.menuDePause.visible)
            borne.action("retour", 1) // nothing to deselect: pause
            compare(jeu.phase, "pause")
            verify(borne.menuDePause.visible)
            compare(borne.menuDePause.choix, 0)
            compare(borne.menuDePause.liste.map(function (e) { return e.id }),
                    ["reprendre", "hint", "mix", "undo", "peek", "titre", "quitter"])
            borne.action("haut", 1)
            borne.action("haut", 1)
            borne.action("ok", 1) // QUIT TO TITLE
            compare(borne.menuDePause.demande, "titre")
            borne.action("ok", 1) // NO is lit: back to the list, where it was
            compare(borne.menuDePause.demande, "")
            compare(borne.menuDePause.choix, 5)
            compare(jeu.phase, "pause")
            borne.action("ok", 1)
            borne.action("gauche", 1)
            borne.action("ok", 1)
            compare(faussesSons.joues, ["selection", "selection", "selection", "deselection",
                                        "selection", "selection", "depart"])
            compare(borne.scene, "titre")
            compare(borne.partieItem, null)
            verify(!borne.enJeu)
            verify(!borne.menuDePause.visible)
            compare(faussesSons.musiques, ["titre"])
        }

        function test_pause_ouvre_sur_reprendre_et_reprend() {
            var jeu = enPartie("night")
            borne.mettrePause()
            borne.action("bas", 1)
            borne.action("start", 1)
            compare(jeu.phase, "jeu")
            borne.appui(200, 5, Qt.LeftButton) // the top band pauses again
            compare(jeu.phase, "pause")
            compare(borne.menuDePause.choix, 0)
            borne.appui(200, 70, Qt.LeftButton) // a press on RESUME
            compare(jeu.phase, "jeu")
        }

        function test_aide_de_pause_pour_le_joueur() {
            var jeu = enPartie("night")
            borne.mettrePause()
            borne.action("bas", 1)
            borne.action("ok", 1) // HINT: resume, then the help
            compare(jeu.phase, "jeu")
            verify(jeu.indice !== null)
        }

        function test_lune_du_jour_sans_undo() {
            enPartie("daily")
            borne.mettrePause()
            compare(borne.menuDePause.liste.map(function (e) { return e.id }),
                    ["reprendre", "hint", "mix", "peek", "titre", "quitter"])
            borne.systeme = "android"
            compare(borne.menuDePause.liste.length, 5) // no QUIT GAME off the desktop
        }

        function test_abandon_oublie_ok_tenu() {
            enPartie("night")
            borne.okTenu = true
            borne.okGlisse = true
            borne.abandon()
            verify(!borne.okTenu)
            verify(!borne.okGlisse)
            compare(borne.scene, "titre")
        }

        function test_quitter_depuis_le_titre() {
            borne.aller("titre")
            var quitte = 0
            borne.quitter.connect(function () { quitte += 1 })
            borne.action("retour", 1)
            verify(borne.confirmationSortie.visible)
            compare(borne.confirmationSortie.choix, 1)
            borne.action("haut", 1)
            borne.action("start", 1) // START answers NO
            verify(!borne.demandeSortie)
            verify(!borne.confirmationSortie.visible)
            compare(quitte, 0)
            borne.appui(20, 212, Qt.LeftButton) // the QUIT help line
            verify(borne.demandeSortie)
            borne.appui(150, 120, Qt.LeftButton) // lights YES
            compare(quitte, 0)
            borne.appui(150, 120, Qt.LeftButton)
            compare(quitte, 1)
            compare(faussesSons.joues, ["selection", "deselection", "selection", "depart"])
        }
    }
}
