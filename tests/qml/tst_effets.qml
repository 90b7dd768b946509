import QtQuick 2.15
import QtTest 1.2
import Tessimora 1.0
import "qrc:/app/jeu"

// The effects layer: pools and their cap, lives cut short by vider, the shake
// table, the combo banners, logos and floating numbers.
Item {
    id: scene
    width: 384
    height: 224

    Component {
        id: fabrique
        Effets {}
    }

    TestCase {
        name: "Effets"
        when: windowShown

        function enJeu(effets) {
            var n = 0
            for (var i = 0; i < effets.children.length; ++i)
                if (effets.children[i].enJeu === true)
                    n++
            return n
        }
        function noms(effets) {
            var r = []
            for (var i = 0; i < effets.children.length; ++i)
                if (effets.children[i].enJeu === true)
                    r.push(effets.children[i].nom !== undefined ? effets.children[i].nom
                                                                : "#" + effets.children[i].texte)
            return r.sort()
        }

        function test_hasard() {
            var e = createTemporaryObject(fabrique, scene)
            compare(e.graine, 7)
            var a = e.hasard()
            verify(a >= 0 && a <= 1)
            // (7 x 1103515245 + 12345) mod 2^31
            compare(e.graine, 1282168116)
            for (var i = 0; i < 100; ++i) {
                var v = e.hasard()
                verify(v >= 0 && v <= 1)
            }
        }

        function test_reserveLimitee() {
            var e = createTemporaryObject(fabrique, scene)
            for (var i = 0; i < 25; ++i)
                e.poser({nom: "effets_refus", x: 10, y: 10, vie: 5000})
            compare(e.creations, 25)
            compare(enJeu(e), 25)
            e.vider()
            compare(enJeu(e), 0)
            // The 25th finished item is destroyed, 24 are kept.
            compare(e.libresEffets["effets_refus"].length, 24)
            tryVerify(function() { return e.children.length === 24 + 1 })
            // Reuse takes pooled items: nothing new.
            e.poser({nom: "effets_refus", x: 0, y: 0})
            compare(e.creations, 25)
            compare(e.libresEffets["effets_refus"].length, 23)
        }

        function test_viderPendantLeDelai() {
            var e = createTemporaryObject(fabrique, scene)
            var x = e.poser({nom: "effets_eclair", x: 5, y: 6, delai: 300})
            verify(x.enJeu)
            verify(!x.visible)
            e.vider()
            verify(!x.enJeu)
            wait(400)
            verify(!x.visible)
            compare(e.libresEffets["effets_eclair"].length, 1)
        }

        function test_vieEtPosition() {
            var e = createTemporaryObject(fabrique, scene)
            // Anchor 10, 8 of the rising lantern; position follows dx, dy.
            var x = e.poser({nom: "effets_lanterne_monte", x: 50, y: 60, dy: -40, vie: 200,
                             fondu: true})
            tryVerify(function() { return x.visible })
            compare(x.x, 40)
            tryVerify(function() { return !x.enJeu }, 1000)
            verify(!x.visible)
            compare(e.libresEffets["effets_lanterne_monte"].length, 1)
            // Life 0 takes the strip's own length.
            var b = e.poser({nom: "effets_eclair", x: 0, y: 0})
            compare(b.vieReelle, 150)
        }

        function test_tremblement() {
            var e = createTemporaryObject(fabrique, scene)
            var vus = []
            e.pasTrembleChanged.connect(function() { vus.push([e.decalX, e.decalY]) })
            e.secouer()
            compare(e.pasTremble, 0)
            tryCompare(e, "pasTremble", -1, 1000)
            // One offset per step, then back to rest.
            var attendu = [[0, 0]].concat(e.tremble)
            attendu.push([0, 0])
            compare(vus, attendu)
            compare(e.decalX, 0)
            // With a point, four shards fly too.
            e.secouer(100, 100)
            compare(noms(e), ["effets_eclats", "effets_eclats", "effets_eclats", "effets_eclats"])
        }

        function test_combo() {
            var e = createTemporaryObject(fabrique, scene)
            e.combo(50, 50, 1, false)
            compare(enJeu(e), 0)
            e.combo(500, 0, 9, true)
            compare(noms(e), ["#\u00d79", "effets_combo", "effets_fever", "effets_twin"])
            for (var i = 0; i < e.children.length; ++i) {
                var c = e.children[i]
                if (c.nom === "effets_combo") {
                    compare(c.px, 272)
                    compare(c.py, 16)
                    compare(c.z, 7)
                }
                if (c.texte === "\u00d79")
                    compare(c.styleGrand, "rouge")
            }
        }

        function test_nombres() {
            var e = createTemporaryObject(fabrique, scene)
            var n = e.points(100, 80, "200", "gris")
            compare(n.grand, true)
            compare(n.styleGrand, "or")
            compare(n.z, 6)
            var p = e.points(100, 80, "200", "jade", false)
            compare(p.grand, false)
            compare(p.height, 7)
            tryVerify(function() { return n.visible })
            compare(n.x, Math.floor(100 - n.width / 2 + 0.5))
            tryVerify(function() { return !n.enJeu }, 2000)
            compare(e.libresNombres.length, 2)
        }

        function test_logos() {
            var e = createTemporaryObject(fabrique, scene)
            compare(e.logo("inconnu", 50), null)
            compare(e.creations, 0)
            var l = e.logo("go", 60)
            compare(l.x, Math.floor((384 - 74) / 2))
            compare(l.y, 60)
            compare(l.z, 9)
            compare(l.vie, 1200)
            compare(l.titre, "GO!")
            compare(l.echelle, 4)
        }

        function test_logosTraduits() {
            var e = createTemporaryObject(fabrique, scene)
            Langue.choisir("fr")
            tryCompare(Langue, "code", "fr")
            // "GO!" is "PARTEZ !" in French: text in place of the strip, centred.
            var go = e.logo("go", 60)
            verify(go.traduit)
            var texte = go.children[1]
            verify(texte.visible)
            verify(!go.children[0].visible)
            compare(texte.texte, Langue.t("GO!"))
            compare(go.echelleTexte, 4)
            compare(go.x + texte.x, Math.floor((384 - texte.width * 4) / 2))
            // French keeps "PAUSE": the strip shows.
            var pause = e.logo("pause", 100)
            verify(!pause.traduit)
            verify(pause.children[0].visible)
            // A translation wider than 188 pixels is drawn at scale 1, never less.
            var longue = e.poser({nom: "effets_logo_pause", titre: "CLEAR 8 STACKS IN ONE INCENSE RUSH.",
                                echelle: 2, vie: 100})
            verify(longue.children[1].width > 188)
            compare(longue.echelleTexte, 1)
            // A duel board's half-screen layer centres the text in its 192
            // pixels and shrinks it to fit 184.
            var moitie = createTemporaryObject(fabrique, scene, {width: 192})
            var perdu = moitie.logo("lose", 90, 3000)
            verify(perdu.traduit)
            var t = perdu.children[1]
            verify(t.width * perdu.echelleTexte <= 184)
            compare(perdu.x + t.x, Math.floor((192 - t.width * perdu.echelleTexte) / 2))
            Langue.choisir("en")
            tryCompare(Langue, "code", "en")
            verify(!go.traduit)
        }

        // A burst of removals with warm pools makes no new items.
        function test_reservesChaudes() {
            var e = createTemporaryObject(fabrique, scene)
            for (var i = 0; i < 4; ++i)
                e.retrait(40 + 30 * i, 100, "or", 60 * i)
            e.vider()
            var avant = e.creations
            for (var k = 0; k < 4; ++k)
                e.retrait(40 + 30 * k, 100, "jade", 60 * k)
            e.vider()
            // Sparks of another colour are another strip: only those are new.
            compare(e.creations, avant + 20)
            for (var j = 0; j < 4; ++j)
                e.retrait(40 + 30 * j, 100, "jade", 60 * j)
            compare(e.creations, avant + 20)
        }

        // Steady play: with the pools filled as a stack opens, a pair's whole
        // feedback every second, the pace of the strongest computer player,
        // creates nothing. (The 24-item cap per strip bounds what a pool can
        // carry: ten sparks per pair live about 1.5 s, so pools hold up to
        // about one pair every 0.65 s; faster bursts create and drop sparks.)
        function test_jeuSoutenuSansCreation() {
            var e = createTemporaryObject(fabrique, scene)
            e.prechauffer()
            var avant = e.creations
            verify(avant > 0)
            e.prechauffer()
            compare(e.creations, avant)
            for (var k = 0; k < 3; ++k) {
                var couleur = ["or", "jade", "rose"][k]
                e.retrait(100, 100, couleur, 0)
                e.retrait(120, 100, couleur, 60)
                e.points(119, 100, "+" + (100 * (k + 1)), "or", true, 0)
                e.combo(129, 118, k + 2, false)
                wait(1000)
            }
            compare(e.creations, avant)
        }
    }
}
