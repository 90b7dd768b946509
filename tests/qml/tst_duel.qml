import QtQuick 2.15
import QtTest 1.2
import Tessimora 1.0
import "qrc:/app/jeu"

// The duel on the real engine and the real boards, its time driven by hand:
// the watch is replaced, the real timer is off and each beat is called. The
// boards' effects go to recorders, so what each board shows can be read.
Item {
    id: scene
    width: 384
    height: 224

    QtObject {
        id: sons
        property var journal: []
        function noter(x) { var l = journal; l.push(x); journal = l }
        function jouer(id) { noter("son:" + id) }
        function paire(c) { noter("son:paire_" + c) }
        function jouerMusique(id) { noter("musique:" + id) }
        function assurer(id) { noter("musique:" + id) }
        function arreterMusique() { noter("musique:") }
        function pause(oui) { noter(oui ? "pause" : "reprise") }
        function idEtape(e) { return "jeu1" }
        function compte(x) { return journal.filter(function (y) { return y === x }).length }
    }

    Component {
        id: enregistreur
        Effets {
            property var journal: []
            function noter(x) { var l = journal; l.push(x); journal = l }
            function logo(nom, y, vie) { noter("logo:" + nom + "@" + y + "/" + vie) }
            function fumee(x, y) { noter("fumee:" + x + "," + y) }
            function poser(p) { noter("poser:" + p.nom) }
            function vider() { noter("vider") }
            function compte(x) { return journal.filter(function (y) { return y === x }).length }
        }
    }

    Component {
        id: fabrique
        Duel { automatique: false }
    }

    TestCase {
        name: "Duel"
        when: windowShown

        property real t: 1000000
        property var fx1: null
        property var fx2: null

        function init() {
            sons.journal = []
            fx1 = createTemporaryObject(enregistreur, scene)
            fx2 = createTemporaryObject(enregistreur, scene)
        }

        // A duel against `niveau` (-1: two players), past its READY-GO.
        function nouveau(niveau, graine) {
            t = 1000000
            var d = createTemporaryObject(fabrique, scene, {niveauIa: niveau, sons: sons,
                                                            graine: graine || 3})
            d.montre = function () { return t }
            d.joueur1.effets = fx1
            d.joueur2.effets = fx2
            verify(d.demarrer())
            compare(d.phase, "depart")
            passer(d, 1500)
            compare(d.phase, "jeu")
            return d
        }

        function passer(d, ms) {
            for (var fin = t + ms; t < fin; ) {
                t = Math.min(fin, t + 16)
                d.battre()
            }
        }

        // Player n takes both tiles of a pair with the cursor and OK.
        function jouerPaire(d, n, pr) {
            var j = n === 1 ? d.joueur1 : d.joueur2
            j.curseur = pr[0]
            verify(d.action("ok", n))
            j.curseur = pr[1]
            verify(d.action("ok", n))
        }

        function enfumees(j) { return Object.keys(j.plateau.fumees || {}) }

        function finis(d) {
            var l = []
            d.fini.connect(function (g, s) { l.push([g, s]) })
            return l
        }

        function test_memePile() {
            var d = nouveau(1, 5)
            var a = d.joueur1, b = d.joueur2
            compare(a.partie.disposition, "RICE BOWL") // duel layout 5 mod 2
            compare(b.partie.disposition, a.partie.disposition)
            compare(b.partie.motifs, a.partie.motifs)
            compare(a.partie.tempsMax, 180000)
            compare(b.partie.tempsMax, 180000)
            compare([a.x, b.x, a.width, b.width], [0, 192, 192, 192])
            compare([a.joueur, b.joueur], ["1P", "CPU"])
            verify(b.ia !== null && a.ia === null)
            verify(!d.undoPermis)
            compare(sons.compte("musique:duel"), 1)
            // The computer's board is silent; the shared voices are board 1's.
            compare(sons.compte("son:voix_go"), 1)
            verify(d.action("undo", 1))
            compare(sons.compte("son:erreur"), 1)
            var deux = nouveau(-1, 4)
            compare(deux.joueur2.joueur, "2P")
            compare(deux.joueur1.partie.disposition, "SMALL LAMP")
            compare(Dispositions.DUEL.map(function (x) { return x.nom }), ["SMALL LAMP", "RICE BOWL"])
            compare(Dispositions.LISTE.length, 12)
            compare(Dispositions.parNom("RICE BOWL").couches.length, 4)
            compare(Dispositions.parNom("NO SUCH LAYOUT"), null)
        }

        function test_joueur1BatLampion() {
            var d = nouveau(0, 3)
            var l = finis(d)
            var w = d.joueur1.partie.temoin()
            verify(w !== null)
            for (var k = 0; k < w.length; ++k)
                jouerPaire(d, 1, w[k])
            compare(d.joueur1.partie.etat, Partie.Gagne)
            compare(d.joueur1.phase, "fin")
            verify(d.joue)
            passer(d, 1800)
            compare(d.gagnant, 1)
            verify(!d.joue)
            compare(d.joueur2.phase, "fin")
            compare(fx1.compte("logo:win@90/3000"), 1)
            compare(fx2.compte("logo:lose@90/3000"), 1)
            compare(sons.compte("musique:victoire"), 1)
            passer(d, 3584)
            compare(l.length, 0)
            passer(d, 16)
            compare(l.length, 1)
            compare(l[0][0], 1)
            compare(l[0][1], d.joueur1.partie.score)
            verify(l[0][1] > 0)
            passer(d, 5000)
            compare(l.length, 1)
        }

        function test_sansNettoyageLePlusHautScore() {
            // Player 2 is a pair ahead when both boards reach a dead end.
            var d = nouveau(-1, 3)
            var l = finis(d)
            var w = d.joueur2.partie.temoin()
            jouerPaire(d, 2, w[0])
            d.joueur1.terminer("impasse")
            passer(d, 2600)
            verify(d.fin1 && !d.fin2 && d.joue)
            compare(d.phase, "jeu") // board 2 plays on
            d.joueur2.terminer("impasse")
            passer(d, 2600)
            compare(d.gagnant, 2)
            compare(fx1.compte("logo:lose@90/3000"), 1)
            compare(fx2.compte("logo:win@90/3000"), 1)
            compare(sons.compte("musique:victoire"), 1) // two players: no defeat tune
            passer(d, 3600)
            compare(l, [[2, 0]])

            // Against the computer, its higher score is player 1's defeat.
            var c = nouveau(2, 3)
            passer(c, 3000)
            verify(c.joueur2.partie.score > 0)
            c.joueur1.terminer("temps")
            c.joueur2.terminer("temps")
            passer(c, 2600)
            compare(c.gagnant, 2)
            compare(sons.compte("musique:defaite"), 1)
        }

        function test_egalite() {
            var d = nouveau(-1, 3)
            var l = finis(d)
            d.joueur1.terminer("temps")
            d.joueur2.terminer("temps")
            passer(d, 2600)
            compare(d.gagnant, 0)
            compare(fx1.compte("logo:win@90/3000"), 1)
            compare(fx2.compte("logo:win@90/3000"), 1)
            passer(d, 3600)
            compare(l, [[0, 0]])
        }

        function test_fumee() {
            var d = nouveau(-1, 3)
            var envois = []
            d.fumee.connect(function (n) { envois.push(n) })
            var w = d.joueur1.partie.temoin()
            for (var k = 0; k < 3; ++k)
                jouerPaire(d, 1, w[k])
            compare(envois, [1])
            compare(fx2.compte("fumee:96,100"), 1)
            compare(fx1.compte("fumee:96,100"), 0)
            var p2 = d.joueur2.partie
            var voilees = enfumees(d.joueur2)
            compare(voilees.length, 2)
            for (var i = 0; i < 2; ++i)
                verify(p2.libre(Number(voilees[i])))
            compare(fx2.compte("poser:effets_voile_fumee"), 2)
            compare(enfumees(d.joueur1).length, 0)
            passer(d, 3984)
            compare(enfumees(d.joueur2).length, 2)
            passer(d, 16)
            compare(enfumees(d.joueur2).length, 0)

            // A new chain: smoke at 3, 6 and 9, never while held at 9.
            for (k = 3; k < 14; ++k)
                jouerPaire(d, 1, w[k])
            compare(d.joueur1.combo, 9)
            compare(envois, [1, 1, 1, 1])

            // Player 2's milestone smokes board 1 and warns player 1 with a
            // sound; only player 1's smoke is reported to the cabinet.
            var erreurs = sons.compte("son:erreur")
            var w2 = p2.temoin()
            for (k = 0; k < 3; ++k)
                jouerPaire(d, 2, w2[k])
            compare(enfumees(d.joueur1).length, 2)
            compare(fx1.compte("fumee:96,100"), 1)
            compare(sons.compte("son:erreur"), erreurs + 1)
            compare(envois.length, 4)
        }

        function test_pauseCommune() {
            var d = nouveau(2, 3)
            passer(d, 2000)
            var p1 = d.joueur1.partie, p2 = d.joueur2.partie
            verify(p2.restantes < p2.nombre)
            // "start" from player 2 pauses both boards.
            verify(d.action("start", 2))
            compare([d.phase, d.joueur1.phase, d.joueur2.phase], ["pause", "pause", "pause"])
            var avant = [p1.tempsMs, p2.tempsMs, p2.restantes, d.joueur1.curseur]
            passer(d, 5000)
            verify(d.action("droite", 1)) // swallowed
            compare([p1.tempsMs, p2.tempsMs, p2.restantes, d.joueur1.curseur], avant)
            // A press anywhere resumes both.
            d.appui(300, 100, Qt.LeftButton)
            compare([d.joueur1.phase, d.joueur2.phase], ["jeu", "jeu"])
            passer(d, 3000)
            verify(p1.tempsMs < avant[0])
            verify(p2.restantes < avant[2])
            verify(d.action("start", 1))
            compare(d.phase, "pause")
            verify(d.action("start", 1))
            compare(d.phase, "jeu")

            // With board 1 over, the board still playing keeps the pause,
            // and the music stops and goes on with it.
            d.joueur1.terminer("temps")
            passer(d, 2600)
            compare(d.phase, "jeu")
            var pauses = sons.compte("pause"), reprises = sons.compte("reprise")
            verify(d.action("start", 1))
            compare([d.phase, d.joueur2.phase], ["pause", "pause"])
            compare(sons.compte("pause"), pauses + 1)
            verify(d.action("start", 1))
            compare(d.phase, "jeu")
            compare(sons.compte("reprise"), reprises + 1)
        }

        // A board that ends leaves the shared music alone while the other
        // plays on: only the conclusion changes it.
        function test_musiqueJusquALaFin() {
            var d = nouveau(1, 3)
            d.joueur1.terminer("temps")
            passer(d, 2600)
            verify(d.joue && d.plateau1Fini)
            compare(sons.compte("musique:"), 0)
            d.joueur2.terminer("temps")
            passer(d, 2600)
            var m = sons.journal.filter(function (x) { return x.indexOf("musique:") === 0 })
            compare(m, ["musique:duel", "musique:" + (d.gagnant === 2 ? "defaite" : "victoire")])

            // Two players: the second board's end does not stop it either,
            // and a common pause pauses the music once.
            sons.journal = []
            var e = nouveau(-1, 3)
            e.joueur2.terminer("impasse")
            passer(e, 2600)
            verify(!e.plateau1Fini)
            compare(sons.compte("musique:"), 0)
            verify(e.action("start", 2))
            compare([sons.compte("pause"), e.phase], [1, "pause"])
        }

        // The translated logos of a duel board (READY, GO!, WIN, LOSE) in
        // every language: each inside its own half and centred on its board.
        function logosEnPlace(d, noms) {
            var vus = 0
            for (var n = 0; n < 2; ++n) {
                var enfants = (n === 0 ? d.joueur1 : d.joueur2).effets.children
                for (var i = 0; i < enfants.length; ++i) {
                    var e = enfants[i]
                    // The earlier logo may still live: its life is wall-clock time.
                    if (e.enJeu !== true || noms.indexOf(e.titre) < 0 || !e.traduit)
                        continue
                    var texte = null
                    for (var k = 0; k < e.children.length; ++k)
                        if ("texte" in e.children[k])
                            texte = e.children[k]
                    var a = texte.mapToItem(d, 0, 0), b = texte.mapToItem(d, texte.width, texte.height)
                    var bord = 192 * n, gauche = a.x - bord, droite = bord + 192 - b.x
                    var quoi = Langue.code + " " + e.titre + " board " + (n + 1) + " [" + a.x + ", " + b.x + "]"
                    verify(gauche >= 4 && droite >= 4, quoi)
                    verify(Math.abs(gauche - droite) <= 1, quoi)
                    ++vus
                }
            }
            return vus
        }

        function test_logosTraduits() {
            var codes = Langue.disponibles
            for (var c = 0; c < codes.length; ++c) {
                if (codes[c] === "en")
                    continue
                Langue.choisir(codes[c])
                tryCompare(Langue, "code", codes[c])
                t = 1000000
                var d = createTemporaryObject(fabrique, scene, {niveauIa: 1, sons: sons, graine: 3})
                d.montre = function () { return t }
                verify(d.demarrer())
                passer(d, 600)
                // A logo whose text is the English one keeps its drawn strip.
                compare(logosEnPlace(d, ["READY"]), Langue.traduit("READY") ? 2 : 0)
                passer(d, 1000)
                compare(logosEnPlace(d, ["GO!"]), Langue.traduit("GO!") ? 2 : 0)
                d.finJoueur(2, "gagne")
                passer(d, 16)
                compare(logosEnPlace(d, ["WIN", "LOSE"]),
                        (Langue.traduit("WIN") ? 1 : 0) + (Langue.traduit("LOSE") ? 1 : 0))
                d.destroy()
            }
            Langue.choisir("en")
            tryCompare(Langue, "code", "en")
        }

        function test_entreesParJoueur() {
            // Two players: each player's actions and presses reach his board.
            var d = nouveau(-1, 3)
            var a = d.joueur1, b = d.joueur2
            var c = a.curseur
            verify(c === b.curseur)
            var sens = a.partie.voisine(c, 1, 0) >= 0 ? "droite" : "bas"
            verify(d.action(sens, 2))
            compare(a.curseur, c)
            verify(b.curseur !== c)
            verify(d.action(sens, 1))
            verify(a.curseur !== c)
            var q = b.plateau.pos(b.curseur)
            d.appui(192 + q.x + 8, q.y + 8, Qt.LeftButton)
            compare(b.partie.selection, b.curseur)
            verify(d.action("retour", 2)) // drops the picked tile
            compare(b.partie.selection, -1)
            verify(!d.action("retour", 2)) // nothing to drop: the cabinet pauses

            // Against the computer every device plays board 1, and the right
            // half takes no press.
            var e = nouveau(1, 3)
            c = e.joueur1.curseur
            verify(e.action(sens, 2))
            verify(e.joueur1.curseur !== c)
            q = e.joueur2.plateau.pos(e.joueur2.partie.libres[0])
            e.appui(192 + q.x + 8, q.y + 8, Qt.LeftButton)
            compare(e.joueur2.partie.selection, -1)
            compare(e.joueur1.partie.selection, -1)
        }
    }
}
