import QtQuick 2.15
import QtTest 1.2
import Tessimora 1.0
import "qrc:/app/borne"

// The three end-of-game scenes on their own: NEW RECORD's letters, places,
// grid, Back and 30 s limit; CONTINUE?'s count, Back and OK; HIGH SCORES'
// last column and the blinking new entry.
Item {
    id: scene
    width: 384
    height: 224

    Component { id: saisieC; SceneSaisie {} }
    Component { id: continueC; SceneContinue {} }
    Component { id: scoresC; SceneScores {} }

    TestCase {
        name: "FinDePartie"
        when: windowShown

        property var sons: []
        property var reponses: []

        function creer(c, proprietes) {
            sons = []
            reponses = []
            var s = createTemporaryObject(c, scene, proprietes || {})
            if (c !== scoresC)
                s.son.connect(function (id) { sons.push(id) })
            return s
        }

        function saisie(initiales) {
            var s = creer(saisieC, initiales ? { initiales: initiales } : {})
            s.fini.connect(function (nom) { reponses.push(nom) })
            return s
        }

        function test_trois_ok_donnent_pnd() {
            var s = saisie()
            compare(s.lettres, "P  ")
            s.action("ok")
            compare(s.courante, "N")
            s.action("start")
            compare(s.courante, "D")
            s.action("ok")
            compare(reponses, ["PND"])
            compare(sons, ["credit", "credit", "credit"])
            // Once ended, everything is taken and nothing happens.
            verify(s.action("haut"))
            verify(s.action("hint"))
            compare(reponses.length, 1)
        }

        function test_lettres_retour_et_grille() {
            var s = saisie("Q  ")
            verify(s.action("bas"))
            compare(s.courante, "P")
            s.action("droite")
            s.action("ok") // a blank saved initial starts on the letter just placed
            compare(s.lettres, "QQ ")
            verify(!s.action("hint"))
            verify(s.action("retour"))
            compare(s.lettres, "Q  ")
            compare(s.place, 0)
            verify(s.action("retour")) // at the first place: taken, nothing else
            compare(s.place, 0)
            compare(sons.filter(function (x) { return x === "deselection" }).length, 1)

            s = saisie()
            for (var i = 0; i < 3; ++i) s.action("gauche") // P, O, N, M
            compare(s.courante, "M")
            s.appui(30 + 17 * 18 + 1, 156 + 1) // the space, at the end of the grid
            compare(s.lettres.charAt(0), " ")
            compare(s.place, 1)
            s.action("droite") // the second place started on the saved N
            compare(s.courante, "O")
            s.appui(192, 185) // END
            compare(reponses, [" O "])
        }

        function test_bouclage_de_l_alphabet() {
            var s = saisie("   ")
            compare(s.courante, "A")
            s.action("bas")
            compare(s.courante, " ")
            s.action("haut")
            compare(s.courante, "A")
        }

        function test_trente_secondes_sans_rien() {
            var s = saisie()
            for (var i = 0; i < 30; ++i)
                s.minuterie.triggered()
            compare(reponses, ["P  "])
            compare(sons, ["alerte", "alerte", "alerte", "alerte", "alerte"])
            verify(!s.minuterie.running)
        }

        function test_continue_en_jeu_libre() {
            var c = creer(continueC, { freePlay: true })
            c.choix.connect(function (oui) { reponses.push(oui) })
            tryVerify(function () { return sons.length === 1 }) // "compte" on arrival
            verify(c.action("retour"))
            compare(c.compte, 8)
            verify(c.minuterie.running)
            compare(sons, ["compte", "compte"])
            verify(!c.action("hint"))
            c.action("ok")
            compare(reponses, [true])
            compare(sons[sons.length - 1], "depart")
            verify(!c.minuterie.running)
            verify(c.action("retour")) // taken, nothing more
            compare(reponses, [true])
        }

        function test_continue_refuse_et_compte_fini() {
            var c = creer(continueC, { freePlay: false, credits: 0 })
            c.choix.connect(function (oui) { reponses.push(oui) })
            c.action("start")
            compare(sons[sons.length - 1], "erreur")
            compare(reponses, [])
            // Ten Backs from 9 decline.
            for (var i = 0; i < 9; ++i) c.action("retour")
            compare(c.compte, 0)
            compare(reponses, [])
            c.minuterie.triggered()
            compare(reponses, [false])
            c.credits = 1
            c.action("ok")
            compare(reponses, [false])
        }

        function textes(item, r) {
            r = r || []
            if (item.texte !== undefined && item.visible)
                r.push(item.texte)
            for (var i = 0; i < item.children.length; ++i)
                textes(item.children[i], r)
            return r
        }

        function test_tableau_du_jour_et_entree_neuve() {
            var table = [{ nom: "AB ", score: 1500, etape: 1, date: "20260314" },
                         { nom: "PND", score: 900, etape: 1, date: "20260102" }]
            var t = creer(scoresC, { mode: "daily", table: table, neuf: 1 })
            var vus = textes(t)
            verify(vus.indexOf("03/14") >= 0, vus)
            verify(vus.indexOf("01/02") >= 0, vus)
            verify(vus.indexOf("0001500") >= 0, vus)
            verify(vus.indexOf("MOON OF THE DAY") >= 0, vus)
            verify(vus.join(" ").indexOf("ST ") < 0, vus)
            // The new entry blinks; the others stay.
            var avant = textes(t).indexOf("PND") >= 0
            tryVerify(function () { return (textes(t).indexOf("PND") >= 0) !== avant }, 1000)
            verify(textes(t).indexOf("AB ") >= 0)

            t = creer(scoresC, { mode: "night", table: Stockage.lireScores("").night, neuf: -1 })
            vus = textes(t)
            verify(vus.indexOf("ST 10") >= 0, vus)
            wait(500)
            compare(textes(t).length, vus.length) // nothing blinks in the attract loop
        }
    }
}
