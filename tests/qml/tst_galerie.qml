import QtQuick 2.15
import QtTest 1.2
import Tessimora 1.0
import "qrc:/app/borne"

// TILE GALLERY with the real rules and tiles: names and rule lines, moves
// that wrap by one and by a row, the raised tile, presses on and off tiles.
Item {
    id: scene
    width: 384
    height: 224

    TestCase {
        name: "SceneGalerie"
        when: windowShown

        Component {
            id: fabrique
            SceneGalerie {
                touches: ({ gauche: "←", droite: "→", haut: "↑", bas: "↓", retour: "ESC" })
            }
        }

        property var galerie: null
        property var sons: []
        property int sorties: 0

        function init() {
            sons = []
            sorties = 0
            galerie = createTemporaryObject(fabrique, scene)
            galerie.son.connect(function (id) { sons.push(id) })
            galerie.sortie.connect(function () { sorties += 1 })
        }

        function tuile(i) { return findChild(galerie, "tuile" + i) }

        function test_depart_sur_le_premier_caractere() {
            compare(galerie.choix, 0)
            compare(galerie.nomAffiche, "CHARACTER 1")
            compare(galerie.regleAffichee, "PAIRS WITH ITS TWIN")
            compare(tuile(0).etat, 1)
            compare(tuile(0).y, 37) // raised by 3
            compare(tuile(1).etat, 0)
            compare(tuile(1).y, 40)
            compare(galerie.grande.motif, 0)
            // The paw's anchor on the chosen cell + (10, 12).
            compare(galerie.patte.x + galerie.patte.origineX, 36)
            compare(galerie.patte.y + galerie.patte.origineY, 52)
        }

        function test_haut_et_gauche_font_le_tour() {
            verify(galerie.action("haut"))
            compare(galerie.choix, 28)
            compare(galerie.nomAffiche, "SOUTH WIND")
            compare(tuile(28).etat, 1)
            compare(tuile(0).etat, 0)
            galerie.choix = 0
            verify(galerie.action("gauche"))
            compare(galerie.choix, 41)
            compare(galerie.nomAffiche, "SEASON 4")
            compare(galerie.regleAffichee, "ANY SEASON PAIRS WITH ANY SEASON")
            verify(galerie.action("droite"))
            verify(galerie.action("bas"))
            compare(galerie.choix, 14)
            compare(sons, ["selection", "selection", "selection", "selection"])
            compare(galerie.grande.motif, 14)
        }

        function test_sorties_et_actions_refusees() {
            verify(!galerie.action("hint"))
            verify(!galerie.action("piece"))
            compare(sorties, 0)
            for (var a of ["retour", "ok", "start"])
                verify(galerie.action(a))
            compare(sorties, 3)
            compare(sons, [])
        }

        function test_appuis() {
            galerie.appui(26 + 24 + 5, 40 + 30 + 5) // cell 15
            compare(galerie.choix, 15)
            compare(galerie.nomAffiche, "CIRCLE 7")
            compare(sons, ["selection"])
            compare(sorties, 0)
            galerie.appui(190, 150) // off the tiles
            compare(sorties, 1)
            compare(galerie.choix, 15)
        }
    }
}
