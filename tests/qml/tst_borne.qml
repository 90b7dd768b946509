import QtQuick 2.15
import QtTest 1.2
import Tessimora 1.0
import "qrc:/app/borne"

// The cabinet's scene machine and input routing, with the timers driven by
// the test: the attract loop, coins and credits, the title's press, release
// and hold, Back per platform, right click, the quit confirmation.
TestCase {
    id: cas
    name: "Borne"
    when: windowShown
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

    QtObject {
        id: fausseCouche
        property var evenements: []
        property string manette: ""
        function evenement(ev) { evenements.push(ev.type) }
    }

    Component {
        id: fabrique
        Borne {
            sons: faussesSons
            couche: fausseCouche
            memoire: QtObject {
                property var reglages: ({ jeu: { freePlay: false }, touches: {} })
                property var scores: ({})
                function garderReglages() {}
            }
        }
    }

    property var borne: null

    function init() {
        faussesSons.joues = []
        faussesSons.musiques = []
        fausseCouche.evenements = []
        borne = createTemporaryObject(fabrique, cas)
        borne.demarrer()
    }

    function test_boucle_attract_et_tables() {
        compare(borne.scene, "mire")
        compare(borne.minuterieAttract.interval, 1000)
        var vues = []
        var scenes = []
        var durees = []
        for (var i = 0; i < 16; ++i) {
            borne.suiteAttract()
            scenes.push(borne.scene)
            durees.push(borne.minuterieAttract.interval)
            if (borne.scene === "scores")
                vues.push(borne.boucle.table)
        }
        compare(scenes.slice(0, 5), ["titre", "demo", "scores", "regles", "titre"])
        compare(durees.slice(0, 5), [8000, 30000, 6000, 8000, 8000])
        compare(vues, ["night", "sliding", "duel", "rush"])
        verify(faussesSons.musiques.indexOf("titre") >= 0)
        // After a game the table is followed by the title.
        borne.enJeu = true
        borne.aller("scores")
        borne.suiteAttract()
        compare(borne.scene, "titre")
    }

    function test_pieces() {
        for (var i = 0; i < 10; ++i)
            borne.action("piece", 1)
        compare(borne.credits, 9)
        compare(faussesSons.joues.filter(function (s) { return s === "credit" }).length, 10)
        compare(borne.scene, "titre") // a coin at the start card goes to the title
    }

    function test_mode_pieces_au_titre() {
        borne.aller("titre")
        // START with no credit only sounds an error.
        verify(borne.touchePressee("start", false))
        verify(borne.toucheRelachee("start", false))
        compare(faussesSons.joues, ["erreur"])
        // OK with no credit inserts one; a held OK inserts exactly one.
        verify(borne.touchePressee("ok", false))
        verify(borne.touchePressee("ok", true))
        verify(borne.touchePressee("ok", true))
        compare(borne.credits, 1)
        verify(borne.toucheRelachee("ok", false))
        compare(borne.scene, "titre")
        // Now a press and release before the hold timer starts a game.
        verify(borne.touchePressee("ok", false))
        verify(borne.minuterieMaintien.running)
        verify(borne.toucheRelachee("ok", false))
        compare(borne.scene, "menu")
    }

    function test_maintien_ouvre_les_extras() {
        borne.monnayeur.inserer()
        borne.aller("titre")
        borne.touchePressee("ok", false)
        borne.minuterieMaintien.stop()
        borne.secret() // what the timer does when it fires
        verify(borne.extrasOuverts)
        compare(fausseCouche.evenements, ["secret"])
        verify(borne.toucheRelachee("ok", false))
        compare(borne.scene, "titre") // the release after the hold starts nothing
        borne.secret()
        compare(fausseCouche.evenements, ["secret"])
        compare(Succes.MAINTIEN_RIDEAU_MS, borne.minuterieMaintien.interval)
        verify(borne.minuterieMaintien.interval > 1200)
    }

    function test_retour_au_titre_selon_la_plateforme() {
        borne.aller("titre")
        borne.systeme = "android"
        verify(!borne.action("retour", 1))
        verify(!borne.toucheRelachee("retour", false))
        borne.systeme = "freebox"
        verify(!borne.action("retour", 1))
        borne.systeme = "linux"
        verify(borne.action("retour", 1))
        verify(borne.demandeSortie)
        // The title stands still under the question, and moves again after.
        var titre = null
        for (var i = 0; i < borne.children.length; ++i)
            if (borne.children[i].flux !== undefined)
                titre = borne.children[i].item
        verify(titre.couverte)
        verify(!borne.minuterieAttract.running)
        var quitte = false
        borne.quitter.connect(function () { quitte = true })
        borne.action("ok", 1) // NO is lit first
        verify(!borne.demandeSortie)
        verify(!titre.couverte)
        verify(borne.minuterieAttract.running)
        verify(!quitte)
        borne.action("retour", 1)
        borne.action("gauche", 1)
        borne.action("ok", 1)
        verify(quitte)
    }

    function test_clic_droit_et_appuis() {
        borne.aller("demo")
        borne.appui(100, 100, Qt.LeftButton)
        compare(borne.scene, "titre")
        borne.aller("galerie")
        borne.appui(10, 10, Qt.RightButton)
        compare(borne.scene, "menu")
        borne.aller("titre")
        borne.appui(20, 210, Qt.LeftButton)
        verify(borne.demandeSortie)
    }

    function test_appui_long_au_titre() {
        borne.aller("titre")
        borne.appui(200, 100, Qt.LeftButton)
        verify(borne.minuterieLongue.running)
        borne.minuterieLongue.stop()
        borne.piece() // the 1.2 s press inserts a coin
        compare(borne.credits, 1)
        borne.appui(200, 100, Qt.LeftButton)
        borne.relache(200, 100) // a tap acts as OK
        compare(borne.scene, "menu")
    }

    function test_lancer_une_partie() {
        borne.lancer("night", { etape: 0 })
        compare(borne.scene, "titre") // coin mode with no credit
        compare(faussesSons.joues, ["erreur"])
        borne.monnayeur.inserer()
        borne.lancer("night", { etape: 3 })
        compare(borne.credits, 0)
        compare(borne.scene, "partie")
        verify(borne.enJeu); compare(borne.regle.sorte, RegleMode.Pile)
        compare(borne.course.table, "night")
        verify(borne.partieItem !== null)
        compare(borne.partieItem.etape, 3)
        compare(borne.partieItem.voile, 1) // every fourth stage is a boss stage
        verify(borne.touchePressee("hint", true)) // auto-repeat swallowed in play
        compare(borne.etatPresence().scene, "partie")
        borne.abandon()
        compare(borne.scene, "titre")
    }

    // In a stack game: a quick 41 px swipe to the left is UNDO, a press in
    // the top band pauses, and "start" resumes.
    function test_gestes_en_partie() {
        borne.monnayeur.inserer()
        borne.lancer("night", { etape: 0 })
        var jeu = borne.partieItem
        tryCompare(jeu, "phase", "jeu", 5000)
        var p = jeu.partie.indice()
        jeu.prendre(p[0])
        jeu.prendre(p[1])
        var restantes = jeu.partie.restantes
        borne.appui(300, 100, Qt.LeftButton)
        borne.relache(259, 104)
        compare(jeu.partie.restantes, restantes + 2)

        borne.appui(200, 5, Qt.LeftButton)
        compare(jeu.phase, "pause")
        compare(borne.etatPresence().pause, true)
        verify(!jeu.prendre(p[0])) // a paused game takes no pick
        borne.action("start", 1)
        compare(jeu.phase, "jeu")
    }
}
