import QtQuick 2.15
import QtTest 1.2
import Tessimora 1.0

// The engine's faces as the scenes use them: a real deal played through
// `Partie`, the computer player through `Ia`, and the day's seed.
Item {
    id: scene

    Component {
        id: fabriquePartie
        Partie {}
    }
    Component {
        id: fabriqueIa
        Ia {}
    }

    TestCase {
        name: "Partie"

        function nouvelle(options) {
            var p = createTemporaryObject(fabriquePartie, scene)
            verify(p.creer(options || {etape: 0, graine: 1}))
            return p
        }

        // A present tile that is not free, or -1.
        function couverte(p) {
            for (var i = 0; i < p.nombre; ++i)
                if (p.present(i) && !p.libre(i))
                    return i
            return -1
        }

        function test_donne() {
            var p = nouvelle()
            compare(p.existe, true)
            compare(p.etat, Partie.Jeu)
            verify(p.nombre >= 106 && p.nombre <= 220)
            compare(p.restantes, p.nombre)
            compare(p.tempsMs, p.tempsMax)
            compare(p.selection, -1)
            compare(p.ordre.length, p.nombre)
            compare(p.presence.length, p.nombre)
            verify(p.paires().length > 0)
            compare(p.plusProche(-1), p.libres[0])
            // Same stage and seed, same tiles; the layout follows the stage.
            var q = nouvelle({etape: 12, graine: 1})
            compare(q.disposition, p.disposition)
            compare(q.motifs, p.motifs)
            var r = nouvelle({etape: 1, graine: "lune"})
            verify(r.disposition !== p.disposition)
        }

        function test_refusDeCreer() {
            var p = createTemporaryObject(fabriquePartie, scene)
            var v = p.version
            verify(!p.creer({disposition: "nulle part", graine: 1}))
            compare(p.existe, false)
            verify(p.version > v)
            // Nothing to play: every question answers "nothing".
            compare(p.prendre(0).type, PrisePile.Fini)
            compare(p.place(0), null)
            compare(p.indice(), null)
            compare(p.etat, Partie.Aucune)
            compare(p.plusProche(-1), -1)
            verify(!p.annuler())
            verify(!p.avancer(1000))
        }

        function test_paireEtAnnulation() {
            var p = nouvelle()
            var pr = p.paires()[0]
            var v = p.version
            var r = p.prendre(pr[0])
            compare(r.type, PrisePile.Prise)
            compare(p.selection, pr[0])
            verify(p.version > v)
            v = p.version
            r = p.prendre(pr[1])
            compare(r.type, PrisePile.Paire)
            compare(r.a, pr[0])
            compare(r.b, pr[1])
            compare(r.combo, 1)
            verify(r.points >= 200)
            verify(p.version > v)
            compare(p.restantes, p.nombre - 2)
            verify(!p.present(pr[0]) && !p.present(pr[1]))
            compare(p.score, r.points)
            compare(p.stats.paires, 1)
            verify(p.annuler())
            compare(p.restantes, p.nombre)
            compare(p.score, 0)
            verify(p.present(pr[0]))
            compare(p.stats.undo, 1)
        }

        function test_prisesRefusees() {
            var p = nouvelle()
            var c = couverte(p)
            verify(c >= 0)
            var v = p.version
            var r = p.prendre(c)
            compare(r.type, PrisePile.Bloquee)
            compare(r.i, c)
            compare(p.version, v)
            compare(p.prendre(-1).type, PrisePile.Bloquee)
            compare(p.prendre(100000).type, PrisePile.Bloquee)
            // Two free tiles that do not match: refused, the second stays picked.
            var l = p.libres, a = -1, b = -1
            for (var i = 0; i < l.length && b < 0; ++i)
                for (var j = i + 1; j < l.length; ++j)
                    if (p.famille(l[i]) !== p.famille(l[j])) {
                        a = l[i]; b = l[j]; break
                    }
            verify(b >= 0)
            p.prendre(a)
            r = p.prendre(b)
            compare(r.type, PrisePile.Refus)
            compare(r.ancienne, a)
            compare(p.selection, b)
            compare(p.prendre(b).type, PrisePile.Lachee)
            compare(p.selection, -1)
        }

        function test_aides() {
            var p = nouvelle()
            var h = p.hint
            var pr = p.indice()
            verify(pr !== null)
            verify(p.libre(pr[0]) && p.libre(pr[1]))
            compare(p.famille(pr[0]), p.famille(pr[1]))
            compare(p.hint, h - 1)

            var avant = p.motifs, mix = p.mix
            var m = p.melanger()
            verify(m.ok)
            compare(m.cout, 0)
            compare(m.ancien, avant)
            compare(p.mix, mix - 1)

            var v = p.version
            var d = p.apercuAide()
            verify(d > 0)
            verify(p.apercu)
            verify(p.version > v)
            p.avancer(d)
            verify(!p.apercu)
            compare(p.apercuAide(), 0)
        }

        function test_horlogeEtReprise() {
            var p = nouvelle({etape: 0, graine: 3, tempsMs: 5000})
            compare(p.tempsMax, 5000)
            // The clock alone does not redraw the board; the time running out does.
            var v = p.version
            verify(!p.avancer(4000))
            compare(p.tempsMs, 1000)
            compare(p.version, v)
            verify(!p.reprendre())
            var pr = p.paires()[0]
            p.prendre(pr[0]); p.prendre(pr[1])
            verify(p.score > 0)
            v = p.version
            verify(p.avancer(100000))
            compare(p.etat, Partie.Temps)
            verify(p.version > v)
            var motifs = p.motifs, presence = p.presence
            verify(p.reprendre())
            compare(p.etat, Partie.Jeu)
            compare(p.tempsMs, p.tempsMax)
            compare(p.score, 0)
            compare(p.motifs, motifs)
            compare(p.presence, presence)
            p.allonger(90000)
            compare(p.tempsMax, 90000)
            p.allonger(1000)
            compare(p.tempsMax, 90000)
        }

        // Each property says when it moved, and only then: the clock wakes
        // the time alone, a pick the selection, a removal the score and
        // the tiles, a hint its count.
        function test_unSignalParPropriete() {
            var p = nouvelle()
            var noms = ["version", "etat", "score", "selection", "restantes", "tempsMs", "hint",
                        "presence", "motifs", "libres", "stats", "donne"]
            var espions = {}
            for (var k = 0; k < noms.length; ++k)
                espions[noms[k]] = Qt.createQmlObject(
                    "import QtTest 1.2; SignalSpy { signalName: '" + noms[k] + "Changed' }", scene)
            function compter(attendu) {
                for (var n in espions) {
                    compare(espions[n].count, attendu[n] || 0, n)
                    espions[n].clear()
                }
            }
            for (var n in espions)
                espions[n].target = p
            p.avancer(500)
            compter({tempsMs: 1})
            var pr = p.paires()[0]
            p.prendre(pr[0])
            compter({version: 1, selection: 1})
            var c = couverte(p)
            p.prendre(c)
            compter({})
            p.prendre(pr[1])
            compter({version: 1, score: 1, selection: 1, restantes: 1, presence: 1, libres: 1,
                     stats: 1, tempsMs: 1})
            verify(p.indice() !== null)
            compter({version: 1, hint: 1, stats: 1})
            verify(p.creer({etape: 0, graine: 2}))
            compare(espions.donne.count, 1)
            verify(espions.motifs.count === 1 && espions.version.count >= 1)
        }

        function test_poussee() {
            var p = nouvelle({etape: 0, graine: 9})
            var t = p.pousser()
            verify(t !== null)
            compare(t.length, 4)
        }

        function test_iaVide() {
            var p = nouvelle({etape: 0, graine: 5})
            var ia = createTemporaryObject(fabriqueIa, scene)
            compare(ia.existe, false)
            compare(ia.pas(p, 1000).length, 0)
            ia.creer(7, 5)
            compare(ia.niveau, 2)
            compare(ia.nomNiveau, "DRAGON KITE")
            compare(ia.pas(null, 1000).length, 0)
        }

        function test_iaDegageLaPile() {
            var p = nouvelle({etape: 0, graine: 5})
            var ia = createTemporaryObject(fabriqueIa, scene)
            ia.creer(2, 22)
            var paires = 0, v = p.version
            for (var pas = 0; pas < 5000 && (p.etat === Partie.Jeu || p.etat === Partie.Bloque); ++pas) {
                var actions = ia.pas(p, 100)
                for (var k = 0; k < actions.length; ++k) {
                    var a = actions[k]
                    if (!a.mix) {
                        verify(a.resultat.type !== PrisePile.Refus)
                        if (a.resultat.type === PrisePile.Paire)
                            ++paires
                    }
                }
                p.avancer(100)
            }
            compare(p.etat, Partie.Gagne)
            compare(paires, p.nombre / 2)
            verify(p.version > v)
        }
    }

    TestCase {
        name: "Defi"

        function test_jour() {
            var t = Date.UTC(2026, 11, 8, 23, 59)
            compare(Defi.jour(t), "20261208")
            compare(Defi.graine(t), 20261208)
            compare(Defi.disposition(t), 20261208 % 12)
            compare(Defi.jour().length, 8)
        }
    }
}
