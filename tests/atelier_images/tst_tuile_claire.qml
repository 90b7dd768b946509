import QtQuick 2.15
import QtTest 1.2
import Tessimora 1.0
import "qrc:/app/jeu"

// TILES CLEAR as the scenes show it: every image a tile or the board asks
// for in the clear set loads (a name the workshop does not draw would leave
// a blank tile), and the marks follow the tile's state.
Item {
    id: scene
    width: 384
    height: 224

    Partie { id: partie }
    Plateau { id: plateau; partie: partie; claires: true }
    Tuile { id: tuile; x: 300; y: 10; claires: true }

    TestCase {
        name: "TuileClaire"
        when: windowShown

        // The images shown, each loaded from the clear set.
        function verifierImages(t, quoi) {
            var vues = 0
            for (var i = 0; i < t.children.length; ++i) {
                var c = t.children[i]
                if (!c.visible || c.source === undefined || String(c.source) === "" || !("status" in c))
                    continue
                if (String(c.source).indexOf("/images/anim/") >= 0)
                    continue
                tryCompare(c, "status", Image.Ready, 2000, quoi + " " + c.source)
                verify(String(c.source).indexOf("/tuiles/clair_") >= 0, quoi + " " + c.source)
                ++vues
            }
            verify(vues > 0, quoi)
        }

        function test_imagesDuJeuClair() {
            for (var m = 0; m < 42; ++m) {
                tuile.motif = m
                tuile.couche = m % 5
                var etats = [[0, false, false], [1, false, false], [2, false, false],
                             [0, false, true], [1, false, true], [0, true, false]]
                for (var k = 0; k < etats.length; ++k) {
                    tuile.etat = etats[k][0]
                    tuile.voilee = etats[k][1]
                    tuile.transparente = etats[k][2]
                    verifierImages(tuile, m + " " + etats[k])
                }
            }
        }

        function test_marques() {
            tuile.voilee = false
            tuile.transparente = false
            tuile.etat = 1
            verify(tuile.marquee)
            tuile.etat = 2
            verify(tuile.marquee)
            // The corners breathe in place of the pink frame.
            verify(tuile.pulse)
            tuile.voilee = true
            verify(!tuile.marquee)
            tuile.voilee = false
            tuile.claires = false
            verify(!tuile.marquee)
            verify(tuile.pulse)
            tuile.claires = true
            tuile.etat = 0
            verify(!tuile.marquee && !tuile.pulse)
        }

        function test_curseurDuPlateau() {
            verify(partie.creer({disposition: "GREAT LANTERN", graine: 2026}))
            tryVerify(function () { return plateau.pret })
            var m = plateau.marqueCurseur
            plateau.curseur = -1
            verify(!m.visible)
            plateau.curseur = partie.libres[0]
            verify(m.visible)
            tryCompare(m, "status", Image.Ready)
            compare(m.x, plateau.curseurX)
            compare(m.y, plateau.curseurY)
            plateau.curseurVisible = false
            verify(!m.visible)
            plateau.curseurVisible = true
            plateau.claires = false
            verify(!m.visible)
            // The board hands the set to its tiles.
            compare(plateau.tuile(partie.libres[0]).claires, false)
            plateau.claires = true
            compare(plateau.tuile(partie.libres[0]).claires, true)
        }
    }
}
