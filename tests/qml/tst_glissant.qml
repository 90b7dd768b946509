import QtQuick 2.15
import QtTest 1.2
import Tessimora 1.0
import "qrc:/app/jeu"

// The sliding stalls controller on the real engine, with its time driven by
// hand: the watch is replaced, the real timer is off and each beat is called.
// Moves go through `action` and the pointer, as a player's would.
Item {
    id: scene
    width: 384
    height: 224

    // Records the sounds and music the controller asks for.
    QtObject {
        id: faux
        property var journal: []
        function noter(x) { var l = journal; l.push(x); journal = l }
        function jouer(id) { noter("son:" + id) }
        function paire(c) { noter("son:paire_" + c) }
        function jouerMusique(id) { noter("musique:" + id) }
        function arreterMusique() { noter("musique:") }
        function pause(oui) { noter("pause:" + oui) }
        function compte(x) {
            var n = 0
            for (var i = 0; i < journal.length; ++i)
                if (journal[i] === x) ++n
            return n
        }
    }

    Component {
        id: fabrique
        Glissant { automatique: false; sons: faux }
    }

    TestCase {
        name: "Glissant"
        when: windowShown

        property real t: 1000000

        // A run started on seed g and taken through READY and GO.
        function nouveau(g) {
            t = 1000000
            faux.journal = []
            var j = createTemporaryObject(fabrique, scene)
            j.montre = function () { return t }
            verify(j.demarrer(g || 11))
            compare(j.phase, "depart")
            passer(j, 1000)
            compare(j.phase, "jeu")
            return j
        }

        // Lets ms pass in 16 ms beats.
        function passer(j, ms) {
            for (var fin = t + ms; t < fin; ) {
                t = Math.min(fin, t + 16)
                j.battre()
            }
        }

        // Takes the cursor to cell c with the direction actions.
        function aller(j, c) {
            var l = j.partie.largeur
            for (var k = 0; k < l && j.curseur % l !== c % l; ++k)
                verify(j.action("droite"))
            for (k = 0; k < j.partie.hauteur && Math.floor(j.curseur / l) !== Math.floor(c / l); ++k)
                verify(j.action("bas"))
            compare(j.curseur, c)
        }

        // Plays a solution through the actions, a beat of time between moves,
        // until the grid is empty.
        function jouer(j, coups) {
            for (var k = 0; k < coups.length && j.phase === "jeu"; ++k) {
                var c = coups[k]
                if (c.type === CoupGlissant.Paire) {
                    aller(j, c.a)
                    j.action("ok")
                    aller(j, c.b)
                    j.action("ok")
                } else {
                    aller(j, c.rang * j.partie.largeur + j.curseur % j.partie.largeur)
                    j.action(c.sens > 0 ? "glisseD" : "glisseG")
                }
                passer(j, 160)
            }
        }

        // Screen centre of cell i.
        function centre(j, i) {
            var q = j.partie.pos(i)
            return {x: q.x + 9, y: q.y + 11}
        }

        function test_departEtPremiereGrille() {
            var j = nouveau()
            compare(faux.journal.slice(0, 3), ["musique:jeu1", "son:voix_ready", "son:voix_go"])
            compare(j.partie.nbPaires, 18)
            compare(j.partie.largeur, 12)
            compare(j.partie.hauteur, 7)
            compare(j.partie.tempsMax, 150000)
            // The clock starts with GO: READY and GO cost no time.
            compare(j.partie.tempsMs, 150000 - 16)
            compare(j.curseur, j.partie.premiere())
            compare(j.hud.libelleEtape, "STALLS 1")
            compare(j.hud.paires, 18)
            passer(j, 1000)
            compare(j.partie.tempsMs, 149000 - 16)
        }

        function test_grilleEntiereDuTemoinPuisLaSuivante() {
            var j = nouveau(23)
            passer(j, 60000)
            var coups = j.partie.temoin
            compare(coups.length, 36)
            var fin = -1
            j.partie.etatChanged.connect(function () {
                if (j.partie.etat === PartieGlissante.Gagne) fin = j.partie.tempsMs
            })
            jouer(j, coups)
            compare(j.partie.etat, PartieGlissante.Gagne)
            compare(j.phase, "fin")
            compare(faux.compte("son:bonus_temps"), 1)
            compare(j.partie.glisses, 17)
            var score = j.partie.score
            verify(score >= 18 * 200)
            verify(fin > 60000 && fin < 120000)
            // The cleared grid's time goes on to the next, fuller grid.
            passer(j, 1700)
            compare(j.niveau, 1)
            compare(j.partie.nbPaires, 24)
            compare(j.partie.tempsMs, fin + 30000)
            compare(j.partie.tempsMax, 150000)
            compare(j.scoreBase, score)
            compare(j.scoreAffiche, score)
            compare(j.aidesHint, 3)
            compare(j.aidesMix, 2)
            compare(j.phase, "depart")
            compare(j.hud.libelleEtape, "STALLS 2")
            passer(j, 1000)
            compare(j.phase, "jeu")
        }

        function test_rotationDeLaDerniereSeconde() {
            var j = nouveau()
            var fini = []
            j.fini.connect(function (e, s) { fini.push(e + ":" + s) })
            j.partie.avancer(j.partie.tempsMs - 700)
            verify(j.urgence)
            compare(j.hud.pandaPose, "peur")
            verify(j.action("glisseD"))
            compare(j.partie.tempsMs, 0)
            compare(j.partie.etat, PartieGlissante.Temps)
            compare(j.phase, "fin")
            verify(j.grille.patte.visible === false)
            compare(faux.compte("son:voix_time_up"), 1)
            compare(faux.compte("musique:"), 1)
            // Nothing more is taken while the end shows.
            verify(!j.action("glisseD"))
            passer(j, 2500)
            compare(fini, [])
            passer(j, 200)
            compare(fini, ["temps:0"])

            // A continue: the same grid with a full stick, the score from zero.
            var avant = j.partie.cases
            j.scoreBase = 4200
            faux.journal = []
            verify(j.reprendre())
            compare(j.phase, "depart")
            compare(j.partie.tempsMs, 150000)
            compare(j.partie.score, 0)
            compare(j.scoreAffiche, 0)
            compare(j.partie.cases, avant)
            compare(faux.journal.slice(0, 2), ["musique:jeu1", "son:voix_ready"])
            passer(j, 1000)
            compare(j.phase, "jeu")
        }

        function test_tempsEcouleSeul() {
            var j = nouveau()
            var fini = 0
            j.fini.connect(function () { ++fini })
            // A stalled beat burns 100 ms of incense, no more.
            passer(j, 16)
            t += 5000
            var avant = j.partie.tempsMs
            j.battre()
            compare(avant - j.partie.tempsMs, 100)
            passer(j, 150000)
            compare(j.phase, "fin")
            passer(j, 2600)
            compare(fini, 1)
        }

        function test_indiceSansPaireReliee() {
            var j = nouveau()
            // Three pairs on 4 x 2 that one rotation of the top row leaves unlinked.
            verify(j.partie.creer({largeur: 4, hauteur: 2, paires: 3, graine: 1}))
            j.curseur = 0
            verify(j.action("glisseD"))
            compare(j.partie.paires().length, 0)
            var temps = j.partie.tempsMs
            faux.journal = []
            verify(j.action("hint"))
            compare(faux.journal, ["son:erreur"])
            compare(j.aidesHint, 3)
            compare(j.indice, null)
            compare(j.partie.tempsMs, temps)
        }

        function test_indice() {
            var j = nouveau()
            var attendue = j.partie.paires()[0]
            verify(j.action("hint"))
            compare(j.indice, attendue)
            compare(j.curseur, attendue[0])
            compare(j.aidesHint, 2)
            compare(faux.compte("son:indice"), 1)
            verify(j.action("hint"))
            verify(j.action("hint"))
            compare(j.aidesHint, 0)
            faux.journal = []
            verify(j.action("hint"))
            compare(faux.journal, ["son:erreur"])
            // A rotation clears the hint.
            verify(j.action("glisseG"))
            compare(j.indice, null)
        }

        function test_melangeQuiNePeutPasDonner() {
            var j = nouveau()
            // A full grid that deals but cannot be dealt again.
            verify(j.partie.creer({paires: 42, graine: 135}))
            var avant = j.partie.cases
            var temps = j.partie.tempsMs
            faux.journal = []
            verify(j.action("mix"))
            compare(faux.journal, ["son:erreur"])
            compare(j.aidesMix, 2)
            compare(j.partie.cases, avant)
            compare(j.partie.tempsMs, temps)
        }

        function test_melange() {
            var j = nouveau()
            var temps = j.partie.tempsMs
            verify(j.action("mix"))
            compare(faux.compte("son:melange"), 1)
            compare(j.aidesMix, 1)
            compare(j.partie.tempsMs, temps)
            compare(j.curseur, j.partie.premiere())
            compare(j.partie.temoin.length, 36)
            verify(j.action("mix"))
            faux.journal = []
            verify(j.action("mix"))
            compare(faux.journal, ["son:erreur"])
            compare(j.aidesMix, 0)
        }

        function test_glisserUneRangeeDeDeux() {
            var j = nouveau()
            var i = j.partie.premiere()
            var r = Math.floor(i / 12)
            var p = centre(j, i)
            var avant = j.partie.cases.slice(r * 12, r * 12 + 12)
            var temps = j.partie.tempsMs
            j.appui(p.x, p.y, Qt.LeftButton)
            compare(j.partie.selection, i)
            compare(faux.compte("son:selection"), 1)
            // 17 pixels, in small moves: not yet a cell.
            for (var dx = 1; dx <= 17; ++dx)
                j.deplacePointeur(p.x + dx, p.y + 3)
            compare(j.partie.glisses, 0)
            for (dx = 18; dx <= 40; ++dx)
                j.deplacePointeur(p.x + dx, p.y + 3)
            j.relache()
            compare(j.partie.glisses, 2)
            compare(j.partie.tempsMs, temps - 2000)
            var apres = j.partie.cases.slice(r * 12, r * 12 + 12)
            for (var x = 0; x < 12; ++x)
                compare(apres[(x + 2) % 12], avant[x])
            // The picked tile and the cursor went with their row.
            var attendu = r * 12 + (i % 12 + 2) % 12
            compare(j.partie.selection, attendu)
            compare(j.curseur, attendu)
            compare(faux.compte("son:deselection"), 2)
            // Moving on after the release rotates nothing.
            j.deplacePointeur(p.x + 80, p.y)
            compare(j.partie.glisses, 2)
            // Back to the left over one cell, from a new press.
            j.appui(p.x, p.y, Qt.LeftButton)
            j.deplacePointeur(p.x - 20, p.y)
            compare(j.partie.glisses, 3)
        }

        function test_glissementAffiche() {
            var j = nouveau()
            j.curseur = 30
            var rangee = j.grille.rangees.itemAt(2)
            var x0 = rangee.x
            verify(j.action("glisseD"))
            compare(j.curseur, 31)
            compare(j.rangAnime, 2)
            // Drawn where it was, then back in place within 90 ms.
            compare(rangee.x, x0 - 18)
            passer(j, 48)
            verify(rangee.x > x0 - 18 && rangee.x < x0)
            compare(j.grille.rangees.itemAt(1).x, x0)
            passer(j, 48)
            compare(rangee.x, x0)
            compare(j.rangAnime, -1)
            // From x = 11 the cursor wraps to x = 0 of its row.
            j.curseur = 35
            verify(j.action("glisseD"))
            compare(j.curseur, 24)
            verify(j.action("glisseG"))
            compare(j.curseur, 35)
            compare(j.partie.glisses, 3)
        }

        function test_curseurQuiFaitLeTour() {
            var j = nouveau()
            j.curseur = 24
            verify(j.action("gauche"))
            compare(j.curseur, 35)
            verify(j.action("droite"))
            compare(j.curseur, 24)
            j.curseur = 3
            verify(j.action("haut"))
            compare(j.curseur, 75)
            verify(j.action("bas"))
            compare(j.curseur, 3)
        }

        function test_prises() {
            var j = nouveau()
            var vide = -1
            for (var i = 0; i < j.partie.nombre && vide < 0; ++i)
                if (j.partie.vide(i))
                    vide = i
            j.curseur = vide
            verify(j.action("ok"))
            compare(faux.compte("son:erreur"), 1)
            compare(j.partie.selection, -1)
            // Nothing picked: Back is not taken (the cabinet pauses).
            verify(!j.action("retour"))
            var pr = j.partie.paires()[0]
            aller(j, pr[0])
            verify(j.action("ok"))
            verify(j.action("retour"))
            compare(faux.compte("son:deselection"), 1)
            compare(j.partie.selection, -1)
            aller(j, pr[0])
            j.action("ok")
            aller(j, pr[1])
            j.action("ok")
            compare(faux.compte("son:paire_1"), 1)
            compare(j.combo, 1)
            compare(j.scoreAffiche, 200)
            compare(j.hud.paires, 17)
            verify(j.partie.vide(pr[0]) && j.partie.vide(pr[1]))
            // Undo and peek are not of this mode.
            verify(!j.action("undo"))
            verify(!j.action("peek"))
        }

        function test_bandeauDesAides() {
            var j = nouveau()
            j.appui(20, 200, Qt.LeftButton)
            compare(j.aidesHint, 2)
            j.appui(20, 212, Qt.LeftButton)
            compare(j.aidesMix, 1)
            // A press beside the grid touches nothing.
            faux.journal = []
            j.appui(10, 100, Qt.LeftButton)
            compare(faux.journal, [])
        }

        function test_pause() {
            var j = nouveau()
            var temps = j.partie.tempsMs
            verify(j.action("start"))
            compare(j.phase, "pause")
            compare(faux.compte("pause:true"), 1)
            verify(j.action("glisseD"))
            verify(j.action("gauche"))
            compare(j.partie.glisses, 0)
            passer(j, 5000)
            compare(j.partie.tempsMs, temps)
            // A press resumes.
            j.appui(150, 100, Qt.LeftButton)
            compare(j.phase, "jeu")
            compare(faux.compte("pause:false"), 1)
            passer(j, 32)
            compare(j.partie.tempsMs, temps - 32)
        }
    }
}
