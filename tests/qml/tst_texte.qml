import QtQuick 2.15
import QtTest 1.2
import Tessimora 1.0
import "qrc:/app/ecran"

// Texts and big numbers as the scenes draw them: the box is the cap-height
// band, each glyph image sits where the layout says and actually loads from
// the game's resources, in text order; what a screen shows matches.
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

    // Pixels of a grabbed scene that differ from its empty bottom-right
    // corner, for "something is drawn there".
    function pixelsDessines(image, x0, y0, l, h) {
        var fond = image.pixel(image.width - 1, image.height - 1)
        var n = 0
        for (var y = y0; y < y0 + h; ++y)
            for (var x = x0; x < x0 + l; ++x)
                if (!Qt.colorEqual(image.pixel(x, y), fond))
                    n++
        return n
    }

    TestCase {
        name: "Texte"
        when: windowShown

        function test_boiteEtImages() {
            var t = createTemporaryObject(fabriqueTexte, scene, {texte: "Go!", style: "or"})
            compare(t.majuscules, "GO!")
            compare(t.width, 17)
            compare(t.height, 7)
            var im = t.pieces()
            compare(im.length, 3)
            compare([im[0].x, im[1].x, im[2].x], [-1, 5, 11])
            compare(im[0].y, -4)
            compare(t.manquantes(), 0)
            for (var i = 0; i < im.length; ++i) {
                compare(im[i].largeur, 7)
                compare(im[i].hauteur, 14)
            }
            verify(String(im[1].source).indexOf("images/police/or_79.png") >= 0)
            compare(t.mise.n, 3)
            t.texte = ""
            compare(t.width, 0)
            compare(t.pieces().length, 0)
        }

        function test_stylesEtEspaces() {
            var t = createTemporaryObject(fabriqueTexte, scene, {texte: "A\u00a0B C"})
            compare(t.style, "blanc")
            compare(t.width, 29)
            compare(t.pieces().length, 3)
            var styles = Police.styles
            compare(styles.length, 5)
            for (var s = 0; s < styles.length; ++s) {
                t.style = styles[s]
                verify(String(t.pieces()[0].source).indexOf(styles[s] + "_65.png") >= 0)
                compare(t.manquantes(), 0)
            }
        }

        function test_grecEtCyrillique() {
            var t = createTemporaryObject(fabriqueTexte, scene, {texte: "Ελληνικά ДА"})
            compare(t.majuscules, "ΕΛΛΗΝΙΚΑ ДА")
            compare(t.pieces().length, 10)
            compare(t.manquantes(), 0)
        }

        function test_caracteresLarges() {
            var t = createTemporaryObject(fabriqueTexte, scene, {texte: "日本語", langue: "ja"})
            compare(t.width, 29)
            var im = t.pieces()
            compare(im.length, 3)
            compare(im[1].x, 9)
            compare(t.manquantes(), 0)
            for (var i = 0; i < im.length; ++i) {
                compare(im[i].largeur, 12)
                verify(String(im[i].source).indexOf("i18n/glyphes/ja/blanc_") >= 0)
            }
            // The language's own shapes when it has the character.
            t.texte = "中文"
            t.langue = "zh-Hant"
            verify(String(t.pieces()[0].source).indexOf("glyphes/zh-Hant/") >= 0)
            // Without a language of its own the text follows the current one.
            t.langue = ""
            t.langueCourante = "ja"
            verify(String(t.pieces()[0].source).indexOf("glyphes/ja/") >= 0)
            // A character no language has: the narrow "?" on a wide advance.
            t.texte = "\u9f98A"
            compare(t.width, 15)
            im = t.pieces()
            verify(String(im[0].source).indexOf("images/police/blanc_63.png") >= 0)
            compare(im[1].x, 9)
        }

        // A score that changes every pair makes no items: the glyphs are
        // drawn by the text item itself.
        function test_unTexteQuiChangeNeFaitAucunItem() {
            var t = createTemporaryObject(fabriqueTexte, scene, {texte: "SCORE 0070200"})
            compare(t.children.length, 0)
            var largeurs = []
            t.widthChanged.connect(function () { largeurs.push(t.width) })
            t.texte = "SCORE 0070400"
            t.texte = "GO"
            t.texte = "SCORE 0070400"
            compare(t.children.length, 0)
            compare(largeurs, [11, 13 * 6 - 1])
            compare(t.pieces().length, 12) // the space has no image
        }

        // What the window shows: the glyphs' opaque pixels where the layout
        // puts them, and nothing once the text is empty.
        function test_dessinAffiche() {
            var t = createTemporaryObject(fabriqueTexte, scene, {x: 20, y: 20, texte: "HI", style: "or"})
            waitForRendering(t)
            var vue = grabImage(scene)
            verify(scene.pixelsDessines(vue, 19, 16, 13, 14) > 20)
            t.texte = ""
            waitForRendering(scene)
            compare(scene.pixelsDessines(grabImage(scene), 19, 16, 13, 14), 0)
        }
    }

    TestCase {
        name: "Nombre"
        when: windowShown

        function test_chiffres() {
            var n = createTemporaryObject(fabriqueNombre, scene, {texte: "+12×-", style: "or"})
            compare(n.width, 13 * 5 + 3)
            compare(n.height, 20)
            compare(n.bande, "chiffres_or")
            var p = n.pieces()
            var cadres = [], xs = []
            for (var i = 0; i < p.length; ++i) {
                cadres.push(p[i].sx / 16)
                xs.push(p[i].x)
                compare([p[i].largeur, p[i].hauteur], [16, 20])
                verify(String(p[i].source).indexOf("images/anim/chiffres_or.png") >= 0)
            }
            compare(cadres, [10, 1, 2, 11, 12])
            compare(xs, [0, 13, 26, 39, 52])
            compare(n.manquantes(), 0)
            n.texte = ""
            compare(n.width, 0)
            // An unknown character shows frame 0; an unknown style, white digits.
            n.texte = "7?"
            n.style = "gris"
            compare(n.bande, "chiffres_blanc")
            p = n.pieces()
            compare([p[0].sx, p[1].sx], [16 * 7, 0])
            verify(String(p[0].source).indexOf("chiffres_blanc.png") >= 0)
            compare(n.children.length, 0)
        }

        function test_dessinAffiche() {
            var n = createTemporaryObject(fabriqueNombre, scene, {x: 200, y: 10, texte: "88", style: "rouge"})
            waitForRendering(n)
            verify(scene.pixelsDessines(grabImage(scene), 200, 10, 29, 20) > 40)
        }
    }
}
