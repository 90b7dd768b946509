import QtQuick 2.15
import QtTest 1.2
import "qrc:/app/jeu"

// The beat of the game items on a watch driven by hand: timed steps in
// order, chained steps that do not drift, the frame's length, and a pause
// that holds everything back and puts the steps off by its length.
Item {
    id: scene

    property real t: 1000

    Component {
        id: fabrique
        Cadence { automatique: false; montre: function () { return scene.t } }
    }

    TestCase {
        name: "Cadence"

        function nouvelle(proprietes) {
            scene.t = 1000
            return createTemporaryObject(fabrique, scene, proprietes || {})
        }

        function test_etapesDansLOrdre() {
            var c = nouvelle()
            var vus = []
            var battements = 0
            c.battement.connect(function () { ++battements })
            c.plusTard(300, function () { vus.push("b") })
            c.plusTard(100, function () {
                vus.push("a")
                // Counted from when the step was due, not from the late beat.
                c.plusTard(50, function () { vus.push("a2:" + scene.t) })
                c.plusTard(0, function () { vus.push("a0") })
            })
            verify(c.enAttente)
            scene.t = 1099
            c.battre()
            compare(vus, [])
            scene.t = 1170
            c.battre()
            compare(vus, ["a", "a0", "a2:1170"])
            scene.t = 1300
            c.battre()
            compare(vus, ["a", "a0", "a2:1170", "b"])
            verify(!c.enAttente)
            compare(battements, 3)
            c.plusTard(10, function () { vus.push("jamais") })
            c.annuler()
            scene.t = 5000
            c.battre()
            compare(vus.length, 4)
        }

        function test_longueurDesImages() {
            var c = nouvelle()
            compare(c.pas(2000), 16)
            compare(c.dernier, 2000)
            compare(c.pas(2020), 20)
            // A stall counts 100 ms at most; a watch going back, nothing.
            compare(c.pas(9000), 100)
            compare(c.pas(8000), 0)
            c.repartir()
            compare(c.dernier, 0)
            compare(c.pas(8100), 16)
        }

        function test_pause() {
            var c = nouvelle({actif: true})
            var vus = [], reprises = [], battements = 0
            c.battement.connect(function () { ++battements })
            c.reprise.connect(function (d) { reprises.push(d) })
            c.plusTard(100, function () { vus.push(scene.t) })
            c.pas(1000)
            c.enPause = true
            scene.t = 3000
            c.battre()
            compare(battements, 0)
            compare(vus, [])
            c.enPause = false
            compare(reprises, [2000])
            // The step waits as long as it had left, and the next frame is a first one.
            compare(c.dernier, 0)
            scene.t = 3099
            c.battre()
            compare(vus, [])
            scene.t = 3100
            c.battre()
            compare(vus, [3100])
            compare(battements, 2)
        }

        function test_minuterie() {
            var c = nouvelle({automatique: true})
            compare(c.minuterie.running, false)
            c.plusTard(100, function () {})
            compare(c.minuterie.running, true)
            c.enPause = true
            compare(c.minuterie.running, false)
            c.enPause = false
            c.annuler()
            compare(c.minuterie.running, false)
            c.actif = true
            compare(c.minuterie.running, true)
            c.automatique = false
            compare(c.minuterie.running, false)
            compare(c.ramasseur.running, false)
            c.collecte = true
            compare(c.ramasseur.running, true)
        }
    }
}
