import QtQuick 2.15
import QtTest 1.2
import Tessimora 1.0
import "qrc:/app/ecran"

// Texts and big numbers as the scenes draw them: the box is the cap-height
// band, each glyph image sits where the layout says and actually loads from
// the game's resources, in text order.
Item {
    id: scene
    width: 400
    height: 100

    Component {
        id: fabriqueTexte
        Texte {}
    }
    Component {
        id: fabriqueNombre
        Nombre {}
    }

    TestCase {
        name: "Texte"
        when: windowShown

        function images(item) {
            var r = []
            for (var i = 0; i < item.children.length; ++i)
                if (item.children[i].source !== undefined && item.children[i].visible)
                    r.push(item.children[i])
            return r
        }

        function test_boiteEtImages() {
            var t = createTemporaryObject(fabriqueTexte, scene, {texte: "Go!", style: "or"})
            compare(t.majuscules, "GO!")
            compare(t.width, 17)
            compare(t.height, 7)
            var im = images(t)
            compare(im.length, 3)
            compare([im[0].x, im[1].x, im[2].x], [-1, 5, 11])
            compare(im[0].y, -4)
            for (var i = 0; i < im.length; ++i) {
                tryCompare(im[i], "status", Image.Ready)
                compare(im[i].width, 7)
                compare(im[i].height, 14)
                compare(im[i].smooth, false)
            }
            verify(String(im[1].source).indexOf("images/police/or_79.png") >= 0)
            t.texte = ""
            compare(t.width, 0)
            compare(images(t).length, 0)
        }

        function test_stylesEtEspaces() {
            var t = createTemporaryObject(fabriqueTexte, scene, {texte: "A\u00a0B C"})
            compare(t.style, "blanc")
            compare(t.width, 29)
            compare(images(t).length, 3)
            var styles = Police.styles
            compare(styles.length, 5)
            for (var s = 0; s < styles.length; ++s) {
                t.style = styles[s]
                var im = images(t)
                tryCompare(im[0], "status", Image.Ready)
                verify(String(im[0].source).indexOf(styles[s] + "_65.png") >= 0)
            }
        }

        function test_grecEtCyrillique() {
            var t = createTemporaryObject(fabriqueTexte, scene, {texte: "Ελληνικά ДА"})
            compare(t.majuscules, "ΕΛΛΗΝΙΚΑ ДА")
            var im = images(t)
            compare(im.length, 10)
            for (var i = 0; i < im.length; ++i)
                tryCompare(im[i], "status", Image.Ready)
        }

        function test_caracteresLarges() {
            var t = createTemporaryObject(fabriqueTexte, scene, {texte: "日本語", langue: "ja"})
            compare(t.width, 29)
            var im = images(t)
            compare(im.length, 3)
            compare(im[1].x, 9)
            for (var i = 0; i < im.length; ++i) {
                tryCompare(im[i], "status", Image.Ready)
                compare(im[i].width, 12)
                verify(String(im[i].source).indexOf("i18n/glyphes/ja/blanc_") >= 0)
            }
            // The language's own shapes when it has the character.
            t.texte = "中文"
            t.langue = "zh-Hant"
            verify(String(images(t)[0].source).indexOf("glyphes/zh-Hant/") >= 0)
            // A character no language has: the narrow "?" on a wide advance.
            t.texte = "\u9f98A"
            compare(t.width, 15)
            im = images(t)
            verify(String(im[0].source).indexOf("images/police/blanc_63.png") >= 0)
            compare(im[1].x, 9)
        }

        // A score moving on re-reads only the glyphs that changed, and a
        // shorter text hides glyph items instead of rebuilding them.
        function test_seulsLesGlyphesChangesSontRelus() {
            var t = createTemporaryObject(fabriqueTexte, scene, {texte: "SCORE 0070200"})
            var modele = t.resources[0]
            verify(modele.mise !== undefined)
            var items = t.children.length
            var relus = 0
            var ecoute = function (debut, fin) { relus += fin.row - debut.row + 1 }
            modele.dataChanged.connect(ecoute)
            t.texte = "SCORE 0070400"
            compare(relus, 1)
            relus = 0
            t.texte = "GO"
            compare(images(t).length, 2)
            compare(t.children.length, items)
            t.texte = "SCORE 0070400"
            compare(images(t).length, 12) // the space has no image
            compare(t.children.length, items)
            modele.dataChanged.disconnect(ecoute)
            compare(t.width, 13 * 6 - 1)
        }
    }

    TestCase {
        name: "Nombre"
        when: windowShown

        function test_chiffres() {
            var n = createTemporaryObject(fabriqueNombre, scene, {texte: "+12×-", style: "or"})
            compare(n.width, 13 * 5 + 3)
            compare(n.height, 20)
            var cadres = []
            var xs = []
            for (var i = 0; i < n.children.length; ++i) {
                if (n.children[i].nom === undefined || !n.children[i].visible)
                    continue
                cadres.push(n.children[i].currentFrame)
                xs.push(n.children[i].x)
                compare(n.children[i].nom, "chiffres_or")
                compare(n.children[i].running, false)
            }
            compare(cadres, [10, 1, 2, 11, 12])
            compare(xs, [0, 13, 26, 39, 52])
            var items = n.children.length
            n.texte = ""
            compare(n.width, 0)
            n.texte = "7?"
            n.style = "gris"
            // A shorter text hides digits; it makes and destroys none.
            compare(n.children.length, items)
            var autres = []
            for (var j = 0; j < n.children.length; ++j)
                if (n.children[j].nom !== undefined && n.children[j].visible) {
                    autres.push(n.children[j].currentFrame)
                    compare(n.children[j].nom, "chiffres_blanc")
                }
            compare(autres, [7, 0])
        }
    }
}
