import QtQuick 2.15
import QtTest 1.2
import Tessimora 1.0
import "qrc:/app/jeu"

// A picture for the eye, not a check of the suite (capture_claire.py runs
// it): a NIGHT MARKET stage in CLASSIC and in CLEAR at the same moment, a
// tile picked, a pair hinted and the cursor on a third free tile, each saved
// as <set>.png in the working folder.
Item {
    id: scene
    width: 384
    height: 224

    QtObject {
        id: muets
        function jouer(id) {}
        function jouerMusique(id) {}
        function arreterMusique() {}
        function idEtape(e) { return "jeu1" }
        function musiqueEtape(e) {}
        function paire(c) {}
        function pause(oui) {}
        function assurer(id) {}
    }

    Component {
        id: fabrique
        Jeu { automatique: false; sons: muets }
    }

    TestCase {
        name: "CaptureClaire"
        when: windowShown

        property real t: 1000000

        function passer(j, ms) {
            for (var fin = t + ms; t < fin; ) {
                t = Math.min(fin, t + 16)
                j.battre()
            }
        }

        function test_capture() {
            var sets = [["classique", false], ["claire", true]]
            for (var s = 0; s < sets.length; ++s) {
                t = 1000000
                var j = createTemporaryObject(fabrique, scene, {claires: sets[s][1]})
                j.montre = function () { return t }
                verify(j.demarrer(0, 7, false))
                passer(j, 2600)
                var p = j.partie
                var pr = p.indice()
                verify(pr !== null)
                // A free tile of another family for the pick, a third for the cursor.
                var libres = p.libres, prise = -1, visee = -1
                for (var i = 0; i < libres.length; ++i) {
                    var k = libres[i]
                    if (k === pr[0] || k === pr[1] || p.famille(k) === p.famille(pr[0]))
                        continue
                    if (prise < 0)
                        prise = k
                    else if (visee < 0 && p.famille(k) !== p.famille(prise))
                        visee = k
                }
                verify(prise >= 0 && visee >= 0)
                j.prendre(prise)
                j.indice = pr
                j.curseur = visee
                ++j.version
                passer(j, 700)
                // The effects run on real time: READY, GO! has gone by then.
                wait(2500)
                var fait = false
                scene.grabToImage(function (r) { fait = r.saveToFile(sets[s][0] + ".png") })
                tryVerify(function () { return fait }, 5000)
            }
        }
    }
}
