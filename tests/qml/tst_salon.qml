import QtQuick 2.15
import QtTest 1.2
import Tessimora 1.0
import "qrc:/app/borne"

// TEA HOUSE's list over the catalogue's stacks: SAME DEAL rows, the cursor
// and its window, what OK asks for; and the end screen's rows.
Item {
    id: racine
    width: 384
    height: 224

    TestCase {
        name: "SceneSalon"
        when: windowShown

        Component {
            id: fabriquePiles
            // A folder that does not exist: the catalogue's stacks only.
            Piles { dossier: "/nonexistent/tessimora-piles" }
        }
        Component {
            id: fabriqueListe
            SceneSalon {}
        }
        Component {
            id: fabriqueBilan
            SceneBilan {}
        }

        function test_la_meme_donne_suit_sa_pile() {
            var p = createTemporaryObject(fabriquePiles, racine)
            var n = p.count
            verify(n >= 14)
            var e = p.entree(2)
            p.noterDonne(2, 4242)
            compare(p.count, n + 1)
            var meme = p.entree(3)
            verify(meme.meme)
            compare(meme.nom, e.nom)
            compare(meme.graine, 4242)
            verify(!p.entree(2).meme)
            // The stack is found on its own row, never on its SAME DEAL row.
            compare(p.indice(e.nom, e.empreinte), 2)
            // A second deal replaces the first: still one SAME DEAL row.
            p.noterDonne(2, 77)
            compare(p.count, n + 1)
            compare(p.entree(3).graine, 77)
        }

        function test_la_liste_choisit_et_defile() {
            var p = createTemporaryObject(fabriquePiles, racine)
            var l = createTemporaryObject(fabriqueListe, racine, { piles: p })
            var choisis = []
            l.choisi.connect(function (m, o) { choisis.push([m, o]) })
            l.action("haut")
            compare(l.choix, p.count - 1)
            verify(l.premiere + p.rangsVus > l.choix && l.premiere <= l.choix)
            l.action("bas")
            compare(l.choix, 0)
            compare(l.premiere, 0)
            l.action("ok")
            compare(choisis.length, 1)
            compare(choisis[0][0], "salon")
            compare(choisis[0][1].pile.nom, p.entree(0).nom)
            verify(!choisis[0][1].meme)
            // A press picks a row, a second press on it plays it; below the
            // list goes back.
            var sorties = 0
            l.sortie.connect(function () { sorties += 1 })
            l.appui(100, l.haut + 2 * l.pas + 3)
            compare(l.choix, 2)
            compare(choisis.length, 1)
            l.appui(100, l.haut + 2 * l.pas + 3)
            compare(choisis.length, 2)
            compare(choisis[1][1].pile.nom, p.entree(2).nom)
            l.appui(100, 212)
            compare(sorties, 1)
        }

        function test_le_bilan_montre_les_meilleurs() {
            var b = createTemporaryObject(fabriqueBilan, racine)
            compare(b.rangs.length, 0)
            b.bilan = { gagne: true, temps: 83000, paires: 72, hint: 3, undo: 1,
                        meilleurTemps: 83000, meilleurScore: 9000,
                        nouveauTemps: true, nouveauScore: false }
            compare(b.rangs.length, 7)
            compare(b.rangs[0][1], Salon.duree(83000))
            compare(b.rangs[5][2], true)
            compare(b.rangs[6][2], false)
            var sorties = 0
            b.sortie.connect(function () { sorties += 1 })
            b.action("retour")
            compare(sorties, 1)
        }
    }
}
