import QtQuick 2.15
import QtTest 1.2
import Tessimora 1.0
import "qrc:/app/borne"

// ACHIEVEMENTS with the real catalogue: the header count and page, hidden
// and tiered rows, the moves over rows and pages, and the presses.
Item {
    id: scene
    width: 384
    height: 224

    TestCase {
        name: "SceneSucces"
        when: windowShown

        Component {
            id: fabrique
            SceneSucces {}
        }

        property var liste: null
        property var sons: []
        property int sorties: 0

        function nouveau(etat) {
            sons = []
            sorties = 0
            liste = createTemporaryObject(fabrique, scene, { etat: etat })
            liste.son.connect(function (id) { sons.push(id) })
            liste.sortie.connect(function () { sorties += 1 })
            return liste
        }

        function etatAvec(debloques, paires) {
            var e = Succes.etatVide()
            for (var i = 0; i < debloques.length; ++i)
                e.debloques[debloques[i]] = 1000 + i
            e.stats.paires = paires
            return e
        }

        function test_sans_etat_tout_est_eteint() {
            nouveau(null)
            compare(liste.enteteAffiche, "0/48 LIT   1/7")
            compare(liste.rangees.length, 7)
            for (var k = 0; k < 7; ++k)
                verify(!liste.rangees[k].allume)
            compare(liste.ligne(0).nomAffiche, "FIRST LANTERN")
            compare(liste.ligne(0).texteAffiche, "CLEAR YOUR FIRST PAIR.")
            compare(liste.ligne(6).nomAffiche, "???") // NOT A SINGLE COIN is hidden
            compare(liste.ligne(6).texteAffiche, "A HIDDEN LANTERN. KEEP PLAYING.")
        }

        function test_caches_et_paliers() {
            nouveau(etatAvec(["NOT_A_SINGLE_COIN", "FIRST_LANTERN"], 37))
            compare(liste.enteteAffiche, "2/48 LIT   1/7")
            verify(liste.rangees[0].allume)
            compare(liste.ligne(6).nomAffiche, "NOT A SINGLE COIN")
            compare(liste.ligne(6).texteAffiche, "CLEAR NIGHT MARKET WITHOUT A CONTINUE.")
            liste.action("droite")
            compare(liste.ligne(0).nomAffiche, "???") // THE LANTERN ROOM, still hidden
            // Page 3: 100 LANTERNS and 1000 LANTERNS are on their way.
            liste.action("droite")
            compare(liste.enteteAffiche, "2/48 LIT   3/7")
            compare(liste.ligne(4).nomAffiche, "100 LANTERNS")
            compare(liste.ligne(4).progresAffiche, "37/100")
            compare(liste.ligne(5).progresAffiche, "37/1000")
            compare(liste.ligne(0).progresAffiche, "")
            // The row follows the state when the memory replaces it.
            liste.etat = etatAvec(["HUNDRED_LANTERNS"], 120)
            compare(liste.ligne(4).progresAffiche, "")
            compare(liste.ligne(5).progresAffiche, "120/1000")
            compare(liste.enteteAffiche, "1/48 LIT   3/7")
        }

        function test_pages_et_rangees() {
            nouveau(null)
            liste.choix = 5 * 7 + 4 // row 5 of page 6
            liste.action("droite")
            compare(liste.choix, 6 * 7 + 4)
            compare(liste.rangees.length, 6) // the last page holds six
            liste.choix = 5 * 7 + 6 // row 7 of page 6
            liste.action("droite")
            compare(liste.choix, 47)
            compare(liste.ligne(5).nomAffiche, "EVERY LANTERN LIT")
            liste.action("bas")
            compare(liste.choix, 0)
            liste.action("haut")
            compare(liste.choix, 47)
            compare(sons, ["selection", "selection", "selection", "selection"])
            verify(!liste.action("hint"))
            verify(liste.action("ok"))
            compare(sons.slice(-1), ["deselection"])
            compare(sorties, 1)
        }

        function test_appuis() {
            nouveau(null)
            liste.appui(100, 28 + 24 * 3 + 5)
            compare(liste.choix, 3)
            liste.appui(10, 100) // the left band: previous page
            compare(liste.choix, 45)
            liste.appui(370, 100)
            compare(liste.choix, 3)
            liste.appui(100, 20) // above the rows
            compare(liste.choix, 3)
            compare(sons, ["selection", "selection", "selection"])
            liste.appui(100, 205)
            compare(sorties, 1)
            compare(sons.length, 3) // leaving by a press is silent
        }
    }
}
