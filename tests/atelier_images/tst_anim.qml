import QtQuick 2.15
import QtTest 1.2

// Anim against the strips the table describes: sizes and anchors from the row,
// unknown names, still strips, holding the last frame, replaying.
Item {
    width: 400
    height: 100

    Anim { id: ecrase; nom: "effets_ecrase"; tenir: true }
    Anim { id: etincelle; nom: "effets_etincelle_or" }
    Anim { id: inconnue; nom: "pas_une_bande" }
    Anim { id: vide }
    Anim { id: chiffres; nom: "chiffres_or" }
    Anim { id: piece; nom: "effets_piece" }

    TestCase {
        name: "Anim"
        when: windowShown

        function test_rangee() {
            compare(ecrase.width, 35)
            compare(ecrase.height, 40)
            compare(ecrase.origineX, 8)
            compare(ecrase.origineY, 8)
            compare(ecrase.frameCount, 8)
            compare(ecrase.frameDuration, 33)
            compare(piece.loops, AnimatedSprite.Infinite)
            compare(ecrase.loops, 1)
            compare(ecrase.interpolate, false)
            compare(ecrase.smooth, false)
        }

        function test_nomInconnuOuVide() {
            for (var a of [inconnue, vide]) {
                compare(a.d, [1, 1, 1, 0, 0, 0, 0])
                compare(a.width, 1)
                compare(a.height, 1)
                compare(a.running, false)
                compare(String(a.source), "")
            }
        }

        function test_bandeFixe() {
            // Duration 0: never runs by itself; the frame is chosen by index.
            compare(chiffres.running, false)
            chiffres.currentFrame = 11
            wait(50)
            compare(chiffres.currentFrame, 11)
        }

        function test_tenirPuisRejouer() {
            tryCompare(ecrase, "paused", true, 5000)
            compare(ecrase.currentFrame, 7)
            // Without hold, a once-only strip goes back to its first frame.
            tryCompare(etincelle, "running", false, 5000)
            compare(etincelle.currentFrame, 0)
            ecrase.rejouer()
            compare(ecrase.paused, false)
            compare(ecrase.running, true)
            verify(ecrase.currentFrame < 7)
            compare(piece.running, true)
        }
    }
}
