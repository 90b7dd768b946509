import QtQuick 2.15
import QtTest 1.2
import Tessimora 1.0
import "qrc:/app/jeu"

// What frames play: the status bar's digits and icon rows, the incense clock's
// clamping and blink, the panda's passages and mirror, the backgrounds.
Item {
    id: scene
    width: 384
    height: 224

    Component {
        id: fabriqueHud
        Hud {}
    }
    Component {
        id: fabriqueEncens
        Encens {}
    }
    Component {
        id: fabriquePanda
        Panda {}
    }
    Component {
        id: fabriqueFond
        Fond {}
    }

    TestCase {
        name: "Hud"
        when: windowShown

        function test_chiffres() {
            var h = createTemporaryObject(fabriqueHud, scene)
            compare(h.chiffres(-5, 7), "0000000")
            compare(h.chiffres(12345678, 7), "12345678")
            compare(h.chiffres(42.9, 7), "0000042")
            h.score = -5
            compare(h.texteScore.texte, "0000000")
            h.score = 12345678
            compare(h.texteScore.texte, "12345678")
        }

        function test_icones() {
            var h = createTemporaryObject(fabriqueHud, scene)
            // "HINT" is 23 pixels wide: its icons stay at 34.
            compare(h.xHint, 34)
            compare(h.xMix, 34)
            h.hint = 0
            h.mix = 5
            compare(h.width, 384)
            h.compact = true
            compare(h.width, 192)
            compare(h.encens.longueur, 100)
            verify(h.panda.visible)
            compare(h.panda.bande, "panda_mini_attente")
            h.pandaPose = "combo"
            compare(h.panda.bande, "panda_mini_joie")
        }

        function test_libellesTraduits() {
            var h = createTemporaryObject(fabriqueHud, scene)
            Langue.choisir("fr")
            tryCompare(Langue, "code", "fr")
            // "INDICE" is wider than "HINT": the icons start 5 pixels after it.
            var largeur = Police.largeur(Langue.t("HINT"))
            verify(largeur > 23)
            compare(h.xHint, 11 + largeur)
            Langue.choisir("en")
            tryCompare(Langue, "code", "en")
            compare(h.xHint, 34)
        }

        function test_encens() {
            var e = createTemporaryObject(fabriqueEncens, scene)
            compare(e.width, 174)
            compare(e.height, 16)
            e.reste = 0.5
            compare(e.braise, 80)
            e.reste = -3
            compare(e.braise, 160)
            e.reste = 7
            compare(e.braise, 0)
            // Halves go up, on both sides of zero.
            e.longueur = 1
            e.reste = 0.5
            compare(e.braise, 1)
            e.longueur = 160
            compare([Pixel.arrondi(-0.5), Pixel.arrondi(-1.5), Pixel.arrondi(2.49), Pixel.arrondi(NaN)],
                    [0, -1, 2, 0])
            e.urgence = true
            tryCompare(e, "bat", true, 500)
            e.urgence = false
            compare(e.bat, false)
        }

        function test_passages() {
            var p = createTemporaryObject(fabriquePanda, scene, {px: 100, py: 200})
            compare(p.bande, "panda_attente")
            // Anchor 15, 42 on a 38 x 45 strip.
            compare(p.x, 85)
            compare(p.y, 158)
            p.miroir = true
            compare(p.x, 100 - 23)
            p.miroir = false
            compare(p.duree("saut"), 528)
            var debut = Date.now()
            p.jouer("saut")
            compare(p.bande, "panda_saut")
            tryCompare(p, "passage", "", 2000)
            verify(Date.now() - debut >= 520)
            compare(p.bande, "panda_attente")
            // A strip the table lacks, or a single frame, lasts 100 ms.
            compare(p.duree("inconnue"), 100)
            p.mini = true
            compare(p.bande, "panda_mini_attente")
        }

        function test_vieAuRepos() {
            var p = createTemporaryObject(fabriquePanda, scene, {px: 100, py: 200})
            // Observe, wink, look, wink: the first idle turn studies the stack.
            tryCompare(p, "tour", 1, 4000)
            compare(p.passage, "observe")
            compare(p.bande, "panda_observe")
            // A busy panda, or the bust, has no idle life.
            p.pose = "joie"
            tryCompare(p, "passage", "", 4000)
            wait(3000)
            compare(p.tour, 1)
        }

        function test_fond() {
            var f = createTemporaryObject(fabriqueFond, scene, {mode: "nulle-part", anime: false})
            compare(f.d.ciel, "fond_marche_ciel")
            f.temps = 100
            // Far layer: speed 2, 200 pixels in.
            compare(f.decalage(2), 200)
            compare(f.decalage(10), 1000 % 768)
            wait(100)
            compare(f.temps, 100)
            f.anime = true
            tryVerify(function() { return f.temps > 100 })
            f.mode = "pont"
            compare(f.d.ciel, "fond_pont_ciel")
        }
    }
}
