import QtQuick 2.15
import QtTest 1.2
import Tessimora 1.0
import "qrc:/app/ecran"

// The strip player: its defaults from the sprite table, a strip played once
// going back to frame 0 or holding its last frame, loops, chosen frames of
// still strips, and what it draws.
Item {
    id: scene
    width: 200
    height: 100

    Component {
        id: fabrique
        Anim {}
    }

    TestCase {
        name: "Anim"
        when: windowShown

        function test_ligneEtTaille() {
            var a = createTemporaryObject(fabrique, scene, {nom: "effets_eclair"})
            compare(a.d, [35, 40, 3, 50, 0, 8, 8])
            compare([a.width, a.height, a.origineX, a.origineY, a.frameCount], [35, 40, 8, 8, 3])
            verify(a.connue)
            // What it draws: frame 0 of the strip's file.
            var p = a.pieces()
            compare(p.length, 1)
            compare([p[0].sx, p[0].largeur, p[0].hauteur], [0, 35, 40])
            verify(String(p[0].source).indexOf("images/anim/effets_eclair.png") >= 0)
            compare(a.manquantes(), 0)
            // A name the table lacks: a 1 x 1 still strip that draws nothing.
            a.nom = "inconnue"
            compare(a.d, [1, 1, 1, 0, 0, 0, 0])
            compare([a.width, a.height], [1, 1])
            verify(!a.connue)
            verify(!a.running)
            compare(a.pieces().length, 0)
        }

        // A still strip never runs; the frame is chosen, within the strip.
        function test_bandeFixe() {
            var a = createTemporaryObject(fabrique, scene, {nom: "chiffres_or"})
            verify(!a.running)
            a.currentFrame = 7
            compare(a.pieces()[0].sx, 7 * 16)
            a.currentFrame = 40
            compare(a.currentFrame, 12)
            a.currentFrame = -3
            compare(a.currentFrame, 0)
            // A frame chosen before the strip is named is kept.
            var b = createTemporaryObject(fabrique, scene, {currentFrame: 5, running: false})
            b.nom = "chiffres_or"
            compare(b.currentFrame, 5)
        }

        function test_uneFois() {
            var a = createTemporaryObject(fabrique, scene, {nom: "effets_eclair"})
            verify(a.running)
            tryCompare(a, "currentFrame", 2, 1000)
            // Played once: back to frame 0, stopped.
            tryCompare(a, "running", false, 1000)
            compare(a.currentFrame, 0)
            verify(!a.paused)
            // Held: paused on the last frame as soon as it shows.
            a.tenir = true
            a.rejouer()
            verify(a.running)
            compare(a.currentFrame, 0)
            tryCompare(a, "paused", true, 1000)
            compare(a.currentFrame, 2)
            wait(200)
            compare(a.currentFrame, 2)
            // rejouer resumes and starts again.
            a.rejouer()
            verify(!a.paused)
            compare(a.currentFrame, 0)
            tryCompare(a, "paused", true, 1000)
        }

        function test_boucleEtChoixDeLUtilisateur() {
            var a = createTemporaryObject(fabrique, scene, {nom: "fonds_lanterne_balance"})
            var vus = {}
            a.currentFrameChanged.connect(function () { vus[a.currentFrame] = true })
            tryVerify(function () { return vus[7] === true && vus[0] === true }, 3000)
            verify(a.running)
            a.paused = true
            var f = a.currentFrame
            wait(300)
            compare(a.currentFrame, f)
            a.paused = false
            // Stopped by the user, it stays stopped when the strip changes.
            a.running = false
            a.nom = "effets_eclair"
            verify(!a.running)
            a.nom = "effets_ecrase"
            verify(!a.running)
            compare(a.currentFrame, 0)
        }

        // Hidden, a loop wakes nothing and keeps its frame; shown again, it
        // shows the frame its time has reached.
        function test_cacheeElleNeChangePas() {
            var a = createTemporaryObject(fabrique, scene, {nom: "fonds_lanterne_balance"})
            a.visible = false
            var f = a.currentFrame
            var debut = Date.now()
            var changes = 0
            a.currentFrameChanged.connect(function () { ++changes })
            wait(400)
            compare(changes, 0)
            compare(a.currentFrame, f)
            verify(a.running)
            a.visible = true
            // Three steps of 117 ms or more have passed, fewer than a loop of 8.
            if (Date.now() - debut < 7 * 117)
                verify(a.currentFrame !== f, "still frame " + f)
        }

        // Another strip takes over at once and draws from its own file.
        function test_changementDeBande() {
            var a = createTemporaryObject(fabrique, scene, {nom: "panda_saut", x: 20, y: 20})
            a.nom = "effets_eclair"
            compare(a.currentFrame, 0)
            verify(a.running)
            verify(String(a.pieces()[0].source).indexOf("effets_eclair.png") >= 0)
            waitForRendering(a)
        }
    }
}
