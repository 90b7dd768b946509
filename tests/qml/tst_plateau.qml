import QtQuick 2.15
import QtTest 1.2
import Tessimora 1.0
import "qrc:/app/jeu"

// The board on a real deal: drawing order, what a pick and a removal change,
// veils with their flip, peek, the paw, and the hit test through the item.
Item {
    id: scene
    width: 1152
    height: 672

    Partie {
        id: partie
    }

    // The native screen, and the same screen three times larger for review.
    Item {
        id: ecran
        width: 384
        height: 224
        Fond {
            id: fond
            anime: false
        }
        Plateau {
            id: plateau
            partie: partie
        }
        Hud {
            id: hud
            paires: partie.restantes / 2
            score: partie.score
            temps: 0.6
        }
        Panda {
            id: panda
            px: 22
            py: 190
            visible: false
        }
        Effets {
            id: effets
        }
    }

    TestCase {
        name: "Plateau"
        when: windowShown

        function init() {
            verify(partie.creer({disposition: "GREAT LANTERN", graine: 2026}))
            plateau.curseur = -1
            plateau.voile = 0
            plateau.fumees = {}
            plateau.apercu = false
            plateau.indice = null
            plateau.appui = false
        }

        // A free pair of the deal: the engine's own hint.
        function paire() {
            var p = partie.indice()
            verify(p !== null && p !== undefined)
            return p
        }

        function test_ordreEtPositions() {
            compare(plateau.tuiles.count, partie.nombre)
            // Children in drawing order: each tile covers the relief of the one before.
            for (var k = 0; k < partie.nombre; ++k)
                compare(plateau.tuiles.itemAt(k).place, partie.ordre[k])
            var o = plateau.origine
            var dernier = partie.ordre[partie.nombre - 1]
            var t = plateau.tuile(dernier)
            var q = partie.px(dernier)
            compare(t.x, o.x + q.x)
            compare(t.y, o.y + q.y)
            compare(t.couche, partie.place(dernier).z)
            compare(t.width, 19)
            compare(t.height, 24)
            var p = plateau.pos(dernier)
            compare(p.x, plateau.x + o.x + q.x)
            // The topmost tile is hit on its face, the relief of it is not.
            compare(plateau.placeSous(t.x + 8, t.y + 10), dernier)
            verify(plateau.placeSous(t.x + 17, t.y + 10) !== dernier)
            compare(plateau.placeSous(-50, -50), -1)
        }

        function test_paireRetireeSansReconstruire() {
            var p = paire()
            var avant = plateau.tuile(p[0])
            var o = plateau.origine
            compare(partie.prendre(p[0]).type, PrisePile.Prise)
            compare(avant.etat, 1)
            verify(avant.reflete)
            var r = partie.prendre(p[1])
            compare(r.type, PrisePile.Paire)
            verify(!plateau.tuile(p[0]).visible)
            verify(!plateau.tuile(p[1]).visible)
            // Same items, same place on screen: nothing was rebuilt or moved.
            compare(plateau.tuile(p[0]), avant)
            compare(plateau.origine.x, o.x)
            compare(plateau.origine.y, o.y)
            compare(avant.etat, 0)
        }

        function test_indiceEtSelection() {
            var p = paire()
            plateau.indice = p
            compare(plateau.tuile(p[0]).etat, 2)
            verify(plateau.tuile(p[1]).pulse)
            partie.prendre(p[1])
            compare(plateau.tuile(p[1]).etat, 1)
            compare(plateau.tuile(p[0]).etat, 2)
        }

        // The glint sweeps the picked face once and then rests on its first
        // frame; a second pick sweeps it again.
        function test_refletUneFois() {
            var p = paire()
            partie.prendre(p[0])
            var b = plateau.tuile(p[0]).bandeReflet
            verify(b.running)
            tryCompare(b, "running", false, 2000)
            compare(b.currentFrame, 0)
            verify(!b.paused)
            partie.prendre(p[0])
            compare(plateau.tuile(p[0]).etat, 0)
            partie.prendre(p[0])
            verify(b.running)
            tryCompare(b, "running", false, 2000)
            compare(b.currentFrame, 0)
        }

        function test_voilesEtRetournement() {
            plateau.voile = 2
            var libre = -1, couverte = -1
            for (var i = 0; i < partie.nombre; ++i) {
                if (partie.libre(i) && libre < 0) libre = i
                if (!partie.libre(i) && couverte < 0) couverte = i
            }
            verify(!plateau.tuile(libre).voilee)
            verify(plateau.tuile(couverte).voilee)
            verify(String(plateau.tuile(couverte).children[0].source).indexOf("_42.png") > 0)
            // Smoke veils a free tile; clearing it lifts the veil with the flip.
            plateau.voile = 0
            var f = {}
            f[libre] = true
            plateau.fumees = f
            verify(plateau.tuile(libre).voilee)
            plateau.fumees = {}
            verify(!plateau.tuile(libre).voilee)
            verify(plateau.tuile(libre).retourne)
            tryCompare(plateau.tuile(libre), "retourne", false, 1000)
        }

        function test_apercu() {
            plateau.apercu = true
            var dessus = -1, sol = -1
            for (var i = 0; i < partie.nombre; ++i) {
                if (partie.couvre(i) && dessus < 0) dessus = i
                if (partie.place(i).z === 0 && sol < 0) sol = i
            }
            verify(plateau.tuile(dessus).transparente)
            verify(!plateau.tuile(sol).transparente)
            // A picked see-through tile shows no gold face, but its glint plays.
            var haut = partie.ordre[partie.nombre - 1]
            verify(partie.libre(haut) && partie.couvre(haut))
            partie.prendre(haut)
            var t = plateau.tuile(haut)
            compare(t.etat, 1)
            verify(t.transparente)
            verify(!t.surlignee)
            verify(t.reflete)
            plateau.apercu = false
            verify(t.surlignee)
            verify(!plateau.tuile(dessus).transparente)
        }

        function test_patte() {
            var i = partie.ordre[0]
            plateau.curseur = i
            var patte = plateau.patte
            verify(patte.visible)
            compare(patte.x, plateau.curseurX + 10 - 5)
            compare(patte.y, plateau.curseurY + 12 - 1)
            compare(patte.currentFrame, 0)
            plateau.appui = true
            compare(patte.currentFrame, 1)
            plateau.curseurVisible = false
            verify(!patte.visible)
            plateau.curseurVisible = true
        }

        // A removal tells only the tiles that changed; a new deal of the same
        // layout keeps every tile item, another layout builds them again.
        function test_seulesLesTuilesChangeesSontRelues() {
            var relues = 0
            var ecoute = function (debut, fin) { relues += fin.row - debut.row + 1 }
            plateau.modele.dataChanged.connect(ecoute)
            var p = paire()
            partie.prendre(p[0])
            partie.prendre(p[1])
            plateau.modele.dataChanged.disconnect(ecoute)
            // Picked, then picked again and gone: two rows, told twice.
            verify(relues > 0 && relues <= 4, "rows re-read: " + relues)

            var premiere = plateau.tuiles.itemAt(0)
            verify(partie.creer({disposition: "GREAT LANTERN", graine: 99}))
            compare(plateau.tuiles.itemAt(0), premiere)
            verify(plateau.tuile(p[0]).visible)
            verify(partie.creer({disposition: "RED PANDA", graine: 3}))
            compare(plateau.tuiles.count, partie.nombre)
            var dernier = partie.ordre[partie.nombre - 1]
            var t = plateau.tuile(dernier)
            compare(plateau.placeSous(t.x + 8, t.y + 10), dernier)
            // Without a game nothing is drawn and nothing is hit.
            partie.vider()
            compare(plateau.tuiles.count, 0)
            compare(plateau.placeSous(100, 100), -1)
            verify(!plateau.patte.visible)
        }

        // Review pictures of every layout with its frame, at 1x and 3x, and a
        // burst of removals with combos: not compared, looked at. They land
        // in the working folder of the test run.
        function photo(nom) {
            wait(80)
            grabImage(ecran).save(nom + ".png")
            ecran.scale = 3
            ecran.transformOrigin = Item.TopLeft
            wait(80)
            grabImage(scene).save(nom + "-x3.png")
            ecran.scale = 1
        }

        function test_photos() {
            var noms = ["GREAT LANTERN", "RED PANDA", "INCENSE BURNER", "MOON BRIDGE",
                        "NOODLE STALL", "PAPER KITE", "TEAPOT", "FOLDING FAN",
                        "RIVER LANTERNS", "FIREWORK", "TEMPLE BELL", "NIGHT MARKET GATE",
                        "SMALL LAMP", "RICE BOWL"]
            var fonds = ["marche", "pont", "temple", "port"]
            panda.visible = true
            for (var k = 0; k < noms.length; ++k) {
                var duel = k >= 12
                verify(partie.creer({disposition: noms[k], graine: 7}))
                plateau.zone = duel ? {x: 4, y: 22, largeur: 184, hauteur: 170}
                                    : {x: 8, y: 14, largeur: 368, hauteur: 182}
                hud.compact = duel
                hud.etape = k + 1
                fond.mode = fonds[Math.floor(k / 3) % 4]
                fond.temps = 37 * k
                var p = partie.indice()
                partie.prendre(p[0])
                plateau.curseur = partie.ordre[partie.nombre - 1]
                photo("plateau-" + (k < 10 ? "0" : "") + k)
            }
            plateau.zone = {x: 8, y: 14, largeur: 368, hauteur: 182}
            hud.compact = false
            verify(partie.creer({disposition: "GREAT LANTERN", graine: 11}))
            fond.mode = "pont"
            for (var n = 1; n <= 3; ++n) {
                var q = partie.indice()
                var a = plateau.pos(q[0]), b = plateau.pos(q[1])
                partie.prendre(q[0])
                var r = partie.prendre(q[1])
                effets.retrait(a.x, a.y, "or", 0)
                effets.retrait(b.x, b.y, "or", 60)
                effets.points(b.x + 9, b.y, "+" + r.points)
                effets.combo(b.x, b.y - 20, n * 4, n === 3)
            }
            panda.jouer("combo")
            photo("plateau-rafale-a")
            wait(600)
            photo("plateau-rafale-b")
            effets.vider()
            panda.visible = false
        }
    }
}
