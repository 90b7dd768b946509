import QtQuick 2.15
import QtTest 1.2
import Tessimora 1.0
import "qrc:/app/jeu"

// The stage controller on the real engine, with its time driven by hand:
// the watch is replaced, the real timer is off and each beat is called.
Item {
    id: scene
    width: 384
    height: 224

    // Records what the controller asks of its sound player.
    QtObject {
        id: faux
        property var journal: []
        function noter(x) { var l = journal; l.push(x); journal = l }
        function jouer(id) { noter("son:" + id) }
        function paire(c) { noter("son:paire_" + c) }
        function jouerMusique(id) { noter("musique:" + id) }
        function assurer(id) { noter("musique:" + id) }
        function arreterMusique() { noter("musique:") }
        function pause(oui) {}
        function idEtape(e) { return "jeu1" }
        function compte(x) {
            var n = 0
            for (var i = 0; i < journal.length; ++i)
                if (journal[i] === x) ++n
            return n
        }
    }

    // Records the effects it is asked for, and draws the others.
    Effets {
        id: fauxEffets
        function refus(x, y) { faux.noter("refus") }
        function logo(nom, y, vie) { faux.noter("logo:" + nom) }
        function points(x, y, texte, style, grand, delai) { faux.noter("points:" + texte) }
        function poser(p) { faux.noter("poser:" + p.nom + "@" + p.z) }
    }

    Component {
        id: fabrique
        Jeu { automatique: false; sons: faux; effets: fauxEffets }
    }
    Component {
        id: fabriqueIa
        Ia {}
    }

    TestCase {
        name: "Jeu"
        when: windowShown

        property real t: 1000000

        function nouveau(proprietes, graine) {
            t = 1000000
            faux.journal = []
            var j = createTemporaryObject(fabrique, scene, proprietes || {})
            j.montre = function () { return t }
            verify(j.demarrer(0, graine || 1, false))
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

        function couverte(p) {
            for (var i = 0; i < p.nombre; ++i)
                if (p.present(i) && !p.libre(i))
                    return i
            return -1
        }

        // Plays the stack to its end with the strongest computer player, on
        // the record only, as a player's picks would.
        function vider(j) {
            var ia = createTemporaryObject(fabriqueIa, scene)
            ia.creer(2, 4)
            for (var k = 0; k < 10000 && j.partie.etat === Partie.Jeu; ++k)
                ia.pas(j.partie, 100)
            compare(j.partie.etat, Partie.Gagne)
            j.changer()
        }

        function test_priseCouverte() {
            var j = nouveau()
            var c = couverte(j.partie)
            j.prendre(c)
            compare(faux.compte("son:erreur"), 1)
            compare(faux.compte("refus"), 1)
            // Nothing under the pointer and nothing picked: nothing at all.
            faux.journal = []
            j.appui(380, 5, Qt.LeftButton)
            compare(faux.journal.length, 0)
        }

        function test_curseurApresLaPaire() {
            var j = nouveau()
            var pr = j.partie.paires()[0]
            j.curseur = pr[0]
            var o = j.partie.place(pr[0])
            j.prendre(pr[0])
            j.prendre(pr[1])
            compare(faux.compte("son:paire_1"), 1)
            var l = j.partie.libres, attendu = -1, meilleure = 1e9
            for (var k = 0; k < l.length; ++k) {
                var q = j.partie.place(l[k])
                var d = Math.abs(q.x - o.x) + Math.abs(q.y - o.y)
                if (d < meilleure) { meilleure = d; attendu = l[k] }
            }
            compare(j.curseur, attendu)
        }

        function unePaire(j) {
            var pr = j.partie.paires()[0]
            j.prendre(pr[0])
            var r = null
            j.paireFaite.connect(function (x) { r = x })
            j.prendre(pr[1])
            return r
        }

        function test_fenetreCombo() {
            var j = nouveau()
            var r1 = unePaire(j)
            passer(j, 1000)
            var r2 = unePaire(j)
            compare(r2.combo, 2)
            compare(j.combo, 2)
            passer(j, 2900)
            compare(j.combo, 2)
            passer(j, 200)
            compare(j.combo, 1)
            passer(j, 900)
            var r3 = unePaire(j)
            compare(r3.combo, 1)
            compare(r3.points, r3.jumelle ? 500 : 200)
            compare(r3.entreeFever, false)
            verify(r1 !== null)
        }

        function test_pasPlafonne() {
            var j = nouveau()
            passer(j, 16)
            var avant = j.partie.tempsMs
            t += 5000
            j.battre()
            compare(j.partie.tempsMs, avant - 100)
        }

        function test_alerte() {
            var j = nouveau({tempsImpose: 10500})
            verify(j.urgence)
            passer(j, 400)
            compare(faux.compte("son:alerte"), 0)
            passer(j, 200)
            compare(faux.compte("son:alerte"), 1)
            passer(j, 3000)
            compare(faux.compte("son:alerte"), 4)
            var d = nouveau({tempsImpose: 10500, mode: Mode.Demo, niveauIa: 1})
            verify(!d.urgence)
            passer(d, 3000)
            compare(faux.compte("son:alerte"), 0)
        }

        function test_annulation() {
            var j = nouveau()
            var pr = j.partie.paires()[0]
            j.prendre(pr[0]); j.prendre(pr[1])
            var n = j.partie.restantes
            j.appui(200, 100, Qt.MiddleButton)
            compare(j.partie.restantes, n + 2)
            compare(faux.compte("son:annulation"), 1)
            var s = nouveau({mode: Mode.Daily})
            pr = s.partie.paires()[0]
            s.prendre(pr[0]); s.prendre(pr[1])
            verify(s.action("undo"))
            compare(faux.compte("son:erreur"), 1)
            compare(s.partie.restantes, s.partie.nombre - 2)
        }

        function test_pause() {
            var j = nouveau()
            verify(j.action("start"))
            compare(j.phase, "pause")
            var c = j.curseur, temps = j.partie.tempsMs
            var liste = ["gauche", "droite", "haut", "bas", "ok", "retour", "hint", "mix", "undo", "peek"]
            for (var k = 0; k < liste.length; ++k)
                verify(j.action(liste[k]))
            compare(j.curseur, c)
            compare(j.partie.hint, 3)
            var appels = 0
            j.plusTard(100, function () { ++appels })
            passer(j, 2000)
            compare(j.partie.tempsMs, temps)
            compare(appels, 0)
            verify(j.action("start"))
            compare(j.phase, "jeu")
            passer(j, 96)
            compare(appels, 0)
            passer(j, 16)
            compare(appels, 1)
            j.action("start")
            j.appui(100, 100, Qt.LeftButton)
            compare(j.phase, "jeu")
        }

        function test_aidesParLeControleur() {
            var j = nouveau()
            verify(j.action("hint"))
            verify(j.indice !== null)
            compare(j.curseur, j.indice[0])
            verify(j.action("mix"))
            compare(j.indice, null)
            compare(faux.compte("son:melange"), 1)
            var v = j.version
            verify(j.action("peek"))
            verify(j.apercu)
            verify(j.version > v)
            verify(j.action("peek"))
            compare(faux.compte("son:erreur"), 1)
        }

        function test_bonusParfait() {
            var j = nouveau({tempsImpose: 50000})
            var fin = []
            j.fini.connect(function (e, s) { fin.push([e, s, t]) })
            vider(j)
            compare(j.phase, "fin")
            compare(faux.compte("logo:perfect"), 1)
            var debut = t
            passer(j, 1200)
            compare(j.bilan.visible, true)
            compare(j.bilan.restant, 13100)
            var pas = 0, dernier = 0
            while (j.bonusCompte < 13100 && pas < 100) {
                t += 40
                j.battre()
                verify(j.bonusCompte > dernier)
                dernier = j.bonusCompte
                ++pas
            }
            compare(pas, 27)
            compare(fin.length, 0)
            passer(j, 1584)
            compare(fin.length, 0)
            passer(j, 16)
            compare(fin.length, 1)
            compare(fin[0][0], "gagne")
            compare(fin[0][1], 13100)
            compare(j.scoreAffiche, j.partie.score + 13100)
            verify(debut > 0)
        }

        function test_bonusNul() {
            var j = nouveau({tempsImpose: 900})
            for (var k = 0; k < 3; ++k) j.aide("hint")
            for (k = 0; k < 2; ++k) j.aide("mix")
            compare(j.partie.hint + j.partie.mix, 0)
            var fin = []
            j.fini.connect(function (e, s) { fin.push([e, s]) })
            vider(j)
            compare(faux.compte("logo:stage_clear"), 1)
            passer(j, 1200 + 40 + 1584)
            compare(fin.length, 0)
            passer(j, 16)
            compare(fin.length, 1)
            compare(fin[0][1], 0)
        }

        function test_reprises() {
            var j = nouveau({tempsImpose: 5000})
            var fin = []
            j.fini.connect(function (e, s) { fin.push(e) })
            var motifs = j.partie.motifs
            passer(j, 5100)
            compare(j.phase, "fin")
            compare(faux.compte("logo:time_up"), 1)
            passer(j, 2600)
            compare(fin, ["temps"])
            j.reprendre()
            compare(j.phase, "depart")
            compare(j.partie.tempsMs, j.partie.tempsMax)
            compare(j.partie.motifs, motifs)
            passer(j, 1600)
            compare(j.phase, "jeu")
            compare(faux.compte("son:voix_go"), 1)

            var d = nouveau({}, 7)
            var disposition = d.partie.disposition
            motifs = d.partie.motifs
            d.terminer("impasse")
            passer(d, 2600)
            d.reprendre()
            compare(d.graine, 108)
            compare(d.partie.disposition, disposition)
            verify(JSON.stringify(d.partie.motifs) !== JSON.stringify(motifs))
            compare(d.partie.tempsMs, d.partie.tempsMax)
        }

        function test_pileSuivanteDuRush() {
            var j = nouveau({mode: Mode.Rush, multiplicateur: 2, scoreBase: 1000, tempsImpose: 35000})
            compare(j.partie.tempsMax, 90000)
            compare(j.partie.tempsMs, 35000)
            compare(faux.compte("logo:go"), 1)
            var r = unePaire(j)
            compare(faux.compte("points:+" + 2 * r.points), 1)
            compare(j.scoreAffiche, 1000 + 2 * r.points)
        }

        function test_dispositionDonnee() {
            var j = nouveau()
            var nom = j.partie.disposition
            j.disposition = {nom: "nulle part"}
            verify(!j.demarrer(0, 1, false))
            compare(j.phase, "attente")
            j.disposition = {nom: nom}
            verify(j.demarrer(5, 1, false))
            compare(j.partie.disposition, nom)
        }

        function test_ia() {
            var j = nouveau({niveauIa: 2})
            verify(j.ia !== null)
            verify(!j.action("ok"))
            var paires = 0
            j.paireFaite.connect(function () { ++paires })
            passer(j, 5000)
            verify(paires > 0)
            verify(faux.compte("son:selection") > 0)
        }

        // The weakest computer player's wrong pairs show as a player's
        // refused picks do: the mark on both tiles and the error sound.
        function test_iaFaibleRefusee() {
            var j = nouveau({niveauIa: 0}, 3)
            for (var s = 0; s < 120 && faux.compte("refus") === 0; ++s)
                passer(j, 1000)
            compare(faux.compte("refus"), 2)
            compare(faux.compte("son:erreur"), 1)
            compare(j.partie.selection, -1) // the wrong tile was dropped again
        }

        // Received smoke veils two free tiles with its own effect, among the
        // whirls and puffs, under the floating numbers.
        function test_fumeeRecue() {
            var j = nouveau()
            j.enfumer()
            compare(faux.compte("poser:effets_voile_fumee@5"), 2)
        }
    }
}
