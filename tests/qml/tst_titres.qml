import QtQuick 2.15
import QtTest 1.2
import Tessimora 1.0
import "qrc:/app/ecran"

// Big titles and the arcade blink: where a title sits in English and in a
// language that translates it, when its shine replays, and what blinks how.
Item {
    id: scene
    width: 384
    height: 224

    Component {
        id: fabriqueGrand
        Grand { nom: "ecrans_titre_high_scores"; titre: "HIGH SCORES" }
    }
    Component {
        id: fabriqueClignote
        Clignote {
            width: 40
            height: 10
            Rectangle { width: 10; height: 10; color: "white" }
        }
    }

    TestCase {
        name: "Titres"
        when: windowShown

        function cleanup() {
            if (Langue.code !== "en") {
                Langue.choisir("en")
                tryCompare(Langue, "code", "en")
            }
        }

        function test_grandAnglais() {
            var g = createTemporaryObject(fabriqueGrand, scene)
            compare(g.reprise, 4000)
            compare(g.largeurZone, 384)
            verify(!g.traduit)
            verify(g.bande.visible)
            compare(g.width, 266)
            compare(g.x, Math.floor((384 - 266) / 2))
            verify(g.rejoue)
            // Centred in a half screen when asked.
            g.largeurZone = 192
            compare(g.x, Math.floor((192 - 266) / 2))
            // No shine replay at all at 0.
            g.reprise = 0
            verify(!g.rejoue)
            g.reprise = 1500
            verify(g.rejoue)
            g.visible = false
            verify(!g.rejoue)
        }

        function test_grandTraduit() {
            var g = createTemporaryObject(fabriqueGrand, scene, {largeurZone: 300})
            Langue.choisir("fr")
            tryCompare(Langue, "code", "fr")
            verify(g.traduit)
            verify(!g.bande.visible)
            var t = g.children[1]
            verify(t.visible)
            compare(t.texte, Langue.t("HIGH SCORES"))
            // Twice the text's width, centred in the zone; the letters at the
            // strip's letter height; no replay of a strip nobody sees.
            compare(g.width, 2 * t.width)
            compare(g.x, Math.floor((300 - 2 * t.width) / 2))
            compare(t.x, 0)
            compare(t.y, Math.floor((34 - 14) / 2) + 8)
            verify(!g.rejoue)
        }

        function test_grandSansTitre() {
            var g = createTemporaryObject(fabriqueGrand, scene, {nom: "ecrans_logo", titre: ""})
            Langue.choisir("fr")
            tryCompare(Langue, "code", "fr")
            verify(!g.traduit)
            compare(g.width, 250)
            verify(g.rejoue)
        }

        function test_clignote() {
            var c = createTemporaryObject(fabriqueClignote, scene, {periode: 200})
            compare(c.opacity, 1)
            // It blinks by opacity: the item stays visible and keeps its size.
            tryCompare(c, "opacity", 0, 400)
            verify(c.visible)
            compare(c.width, 40)
            tryCompare(c, "opacity", 1, 400)
            // Steady while not active, even caught in its dark half.
            tryCompare(c, "allume", false, 400)
            c.actif = false
            compare(c.opacity, 1)
            var avant = c.allume
            wait(300)
            compare(c.allume, avant)
            c.actif = true
            tryCompare(c, "allume", true, 400)
        }
    }
}
