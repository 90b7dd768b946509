import QtQuick 2.15
import QtTest 1.2
import Tessimora 1.0
import "qrc:/app/borne"

// MODE SELECT with the real rules: locked modes, the second rows a
// progression opens and where their cursor starts, Back and the pointer.
Item {
    id: scene
    width: 384
    height: 224

    TestCase {
        id: cas
        name: "SceneMenu"
        when: windowShown

        Component {
            id: fabrique
            SceneMenu {
                touches: ({ gauche: "←", droite: "→", ok: "ENTER", retour: "ESC" })
            }
        }

        property var menu: null
        property var sons: []
        property var choix: []
        property int sorties: 0

        function nouveau(proprietes) {
            sons = []
            choix = []
            sorties = 0
            menu = createTemporaryObject(fabrique, scene, proprietes || {})
            menu.son.connect(function (id) { sons.push(id) })
            menu.choisi.connect(function (m, o) { choix.push({ mode: m, options: o }) })
            menu.sortie.connect(function () { sorties += 1 })
            return menu
        }

        function aller(id) {
            menu.sous = -1
            for (var i = 0; i < 9 && menu.entree.id !== id; ++i)
                menu.action("droite")
            compare(menu.entree.id, id)
            sons = []
        }

        function noms() {
            return menu.sousListe.map(function (a) { return Langue.t(a.nom, a.valeurs) })
        }

        function test_sans_progres() {
            nouveau({ progression: null })
            // NIGHT MARKET: nothing to choose, STAGE 01 starts at once.
            verify(menu.action("ok"))
            compare(sons, ["depart"])
            compare(choix.length, 1)
            compare(choix[0].mode, "night")
            compare(Object.keys(choix[0].options).length, 0)
            compare(menu.sous, -1)
            for (var m of ["paper", "parade"]) {
                aller(m)
                compare(menu.entree.ligne1, "LOCKED")
                verify(!menu.entree.ouverte)
                menu.action("start")
                compare(sons, ["erreur"])
            }
            compare(choix.length, 1)
            // The cursor wraps both ways.
            menu.choix = 0
            menu.action("gauche")
            compare(menu.entree.id, "options")
            menu.action("droite")
            compare(menu.entree.id, "night")
        }

        function test_etapes_franchies() {
            nouveau({ progression: { etapeMax: 3, etapesVues: [0, 1, 2], extras: { galerie: true } } })
            menu.action("ok")
            compare(sons, ["selection"])
            compare(noms(), ["STAGE 01", "STAGE 02", "STAGE 03"])
            compare(menu.sous, 2)
            menu.action("bas") // wraps to the first
            compare(menu.sous, 0)
            menu.action("haut")
            menu.action("ok")
            compare(choix[0].mode, "night")
            compare(choix[0].options.etape, 2)
            // Of the extras only the gallery and the always-open ones.
            aller("extras")
            menu.action("ok")
            compare(menu.sous, 0)
            compare(menu.sousListe.map(function (a) { return a.ouvert }),
                    [true, false, true, false, true])
            menu.action("droite")
            sons = []
            menu.action("ok") // SOUND TEST is locked
            compare(sons, ["erreur"])
            compare(choix.length, 1)
        }

        function test_code_secret_ouvre_tout() {
            nouveau({ progression: null, extrasOuverts: true })
            menu.action("ok")
            compare(menu.sousListe.length, 12)
            compare(menu.sous, 11)
            menu.action("retour")
            aller("paper")
            verify(menu.entree.ouverte)
            compare(menu.entree.ligne1, "HIDDEN FACES")
            menu.action("ok")
            compare(choix[0].mode, "paper")
            aller("extras")
            menu.action("ok")
            verify(menu.sousListe.every(function (a) { return a.ouvert }))
        }

        function test_adversaires() {
            nouveau({ deuxJoueurs: false })
            aller("duel")
            menu.action("ok")
            compare(noms(), ["VS LAMPION", "VS LANTERN", "VS DRAGON KITE"])
            compare(menu.sous, 1)
            menu.deuxJoueurs = true
            menu.action("retour")
            menu.action("ok")
            compare(menu.sousListe.length, 4)
            menu.action("droite")
            menu.action("droite")
            menu.action("ok")
            compare(choix[0].mode, "duel")
            compare(choix[0].options.ia, -1)
        }

        function test_retour_et_directions() {
            nouveau({ extrasOuverts: true })
            // Up and Down are not the rope's: the cabinet takes them.
            verify(!menu.action("haut"))
            verify(!menu.action("bas"))
            verify(!menu.action("hint"))
            menu.action("ok")
            verify(menu.sous >= 0)
            verify(menu.action("hint")) // taken with the row open, with no effect
            sons = []
            verify(menu.action("retour"))
            compare(menu.sous, -1)
            compare(sons, ["deselection"])
            compare(sorties, 0)
            menu.action("retour")
            compare(sorties, 1)
        }

        function test_pointeur() {
            nouveau({ extrasOuverts: true })
            // Another lantern becomes the choice; the chosen one acts as OK.
            menu.appui(4 + 54 * 2 + 10, 60)
            compare(menu.choix, 2)
            compare(sons, ["selection"])
            menu.appui(4 + 54 * 2 + 10 + menu.decalage, 20) // above the rope: nothing
            compare(menu.choix, 2)
            menu.appui(4 + 54 * 2 + 10 + menu.decalage, 60)
            compare(menu.sous, 1) // the opponents opened on VS LANTERN
            sons = []
            var p = Menus.placeArticle(3, menu.sousListe.length)
            menu.appui(p.x + 60, p.y + 5)
            compare(menu.sous, 3) // current, silently
            compare(sons, [])
            menu.appui(p.x - 18, p.y - 4)
            compare(choix[0].options.ia, -1)
            menu.appui(5, 5) // no item: the row closes
            compare(menu.sous, -1)
            compare(sons, ["depart", "deselection"])
        }

        function test_corde_centre_la_lanterne() {
            nouveau({})
            compare(menu.decalage, 0)
            menu.choix = 4
            compare(menu.decalage, 192 - (4 + 54 * 4 + 24))
            // The last lantern: the rope's left end.
            var n = Menus.entrees(null, true).length
            menu.choix = n - 1
            compare(menu.decalage, 384 - 8 - 54 * n)
            // The panda waves while the row is closed only.
            verify(menu.panda.visible)
            menu.choix = n - 2 // EXTRAS
            menu.action("ok")
            verify(!menu.panda.visible)
        }
    }
}
