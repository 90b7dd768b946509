import QtQuick 2.15
import QtTest 1.2
import Tessimora 1.0
import "qrc:/app/borne"

// The pause menu, its confirmations and the help line on their own: entry
// lists by kind of game, the answers, the pointer's rows and band.
Item {
    id: scene
    width: 384
    height: 224

    TestCase {
        id: cas
        name: "MenuPause"
        when: windowShown

        Component {
            id: fabrique
            MenuPause {}
        }
        Component {
            id: fabriqueAide
            Aide {}
        }

        property var pause: null
        property var journal: []

        function nouveau(proprietes) {
            journal = []
            pause = createTemporaryObject(fabrique, scene, proprietes || {})
            pause.son.connect(function (id) { journal.push("son:" + id) })
            pause.reprendre.connect(function () { journal.push("reprendre") })
            pause.aideJoueur.connect(function (a) { journal.push("aide:" + a) })
            pause.titre.connect(function () { journal.push("titre") })
            pause.quitter.connect(function () { journal.push("quitter") })
            pause.ouvrir()
            return pause
        }

        function noms() { return pause.liste.map(function (e) { return e.nom }) }

        function test_entrees_selon_la_partie() {
            nouveau({ apercu: true, bureau: true, undoPermis: false })
            compare(noms(), ["RESUME", "HINT", "MIX", "PEEK", "QUIT TO TITLE", "QUIT GAME"])
            pause.apercu = false
            compare(noms(), ["RESUME", "HINT", "MIX", "QUIT TO TITLE", "QUIT GAME"])
            pause.aides = false
            pause.bureau = false
            compare(noms(), ["RESUME", "QUIT TO TITLE"])
        }

        function test_curseur_et_reprise() {
            nouveau({ bureau: true, undoPermis: true })
            pause.action("haut") // wraps to QUIT GAME
            compare(pause.liste[pause.choix].id, "quitter")
            pause.action("droite")
            compare(pause.choix, 0)
            journal = []
            pause.action("start")
            compare(journal, ["son:deselection", "reprendre"])
            journal = []
            pause.action("bas")
            pause.action("ok")
            compare(journal, ["son:selection", "aide:hint"])
            pause.choix = 3
            pause.ouvrir()
            compare(pause.choix, 0)
        }

        function test_confirmations() {
            nouveau({ bureau: true, undoPermis: true })
            pause.choix = 5
            journal = []
            pause.action("ok")
            compare(pause.demande, "titre")
            compare(pause.confirmation.choix, 1) // NO lit first
            compare(pause.confirmation.question, "LEAVE THE NIGHT MARKET?")
            compare(pause.confirmation.detail, "THIS GAME WILL BE LOST")
            pause.action("ok") // NO
            compare(pause.demande, "")
            compare(pause.choix, 5)
            compare(journal, ["son:selection", "son:deselection"])
            // The four directions switch; START answers NO.
            pause.action("ok")
            pause.action("haut")
            compare(pause.confirmation.choix, 0)
            pause.action("bas")
            compare(pause.confirmation.choix, 1)
            pause.action("start")
            compare(pause.demande, "")
            pause.action("ok")
            pause.action("gauche")
            journal = []
            pause.action("ok")
            compare(journal, ["son:depart", "titre"])
            compare(pause.demande, "")
            // QUIT GAME asks its own question.
            pause.choix = 6
            pause.action("ok")
            compare(pause.confirmation.question, "BLOW OUT ALL THE LANTERNS?")
            pause.action("droite")
            journal = []
            pause.action("ok")
            compare(journal, ["son:depart", "quitter"])
        }

        function test_pointeur() {
            nouveau({ bureau: true, undoPermis: true })
            pause.appui(100, 70) // left of the list
            pause.appui(200, 70 + 13 * 7) // below the last entry
            compare(journal, [])
            pause.appui(200, 70 + 13 * 5)
            compare(pause.demande, "titre")
            // Only the band of the lampions counts; the unlit one lights first.
            pause.appui(150, 107)
            compare(pause.demande, "titre")
            pause.appui(150, 120)
            compare(pause.confirmation.choix, 0)
            compare(pause.demande, "titre")
            journal = []
            pause.appui(150, 131)
            compare(journal, ["son:depart", "titre"])
            pause.appui(200, 70)
            compare(journal.slice(-1), ["reprendre"])
        }

        function test_ligne_d_aide() {
            var a = createTemporaryObject(fabriqueAide, scene, {
                texte: "{ok} START  {retour BACK", touches: { ok: "ENTER" } })
            compare(a.morceaux.length, 2)
            compare(a.morceaux[0].texte, "ENTER")
            verify(a.morceaux[0].touche)
            compare(a.morceaux[1].texte, " START  {retour BACK")
            // The row: each piece's width and one pixel between them.
            compare(a.width, Police.largeur("ENTER") + 1 + Police.largeur(" START  {retour BACK"))
            a.texte = "{peek} LOOK"
            compare(a.morceaux[0].texte, "PEEK")
        }
    }
}
