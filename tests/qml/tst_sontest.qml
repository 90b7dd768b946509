import QtQuick 2.15
import QtTest 1.2
import Tessimora 1.0
import "qrc:/app/borne"

// SOUND TEST with the real catalogue and a stand-in sound player: which
// channel each kind of track takes, the playing state and its timer, Back
// that stops first and leaves second, and the press zones.
Item {
    id: scene
    width: 384
    height: 224

    TestCase {
        name: "SceneSonTest"
        when: windowShown

        QtObject {
            id: faussesSons
            property var journal: []
            function jouer(id) { journal.push("effet " + id) }
            function jouerMusique(id) { journal.push("musique " + id) }
            function arreterMusique() { journal.push("arret") }
        }

        Component {
            id: fabrique
            SceneSonTest {}
        }

        property var sontest: null
        property int sorties: 0

        function nouveau(sons) {
            faussesSons.journal = []
            sorties = 0
            sontest = createTemporaryObject(fabrique, scene, { sons: sons })
            sontest.sortie.connect(function () { sorties += 1 })
            return sontest
        }

        function test_entrer_ne_touche_pas_a_la_musique() {
            nouveau(faussesSons)
            compare(faussesSons.journal, [])
            compare(sontest.piste.id, "titre")
            compare(sontest.piste.numero, "01")
            compare(sontest.ligneGenreAffichee, "MUSIC  46.7 S")
            verify(!sontest.joue)
            verify(!sontest.clocheVisible)
            compare(sontest.pandaPose, "attente")
        }

        function test_musique_puis_retour_deux_fois() {
            nouveau(faussesSons)
            verify(sontest.action("ok"))
            compare(faussesSons.journal, ["musique titre"])
            verify(sontest.joue)
            verify(sontest.clocheVisible)
            compare(sontest.pandaPose, "combo")
            verify(sontest.action("retour")) // stops
            compare(faussesSons.journal, ["musique titre", "arret"])
            verify(!sontest.joue)
            compare(sorties, 0)
            verify(sontest.action("retour")) // leaves
            compare(sorties, 1)
        }

        function test_retour_apres_un_bruitage() {
            nouveau(faussesSons)
            sontest.choix = 12
            compare(sontest.piste.id, "credit")
            compare(sontest.ligneGenreAffichee, "SOUND  1.1 S")
            verify(sontest.action("start"))
            compare(faussesSons.journal, ["effet credit"])
            verify(sontest.joue)
            sontest.action("retour")
            verify(!sontest.joue)
            compare(sorties, 0)
            sontest.action("retour")
            compare(sorties, 1)
        }

        function test_la_voix_et_le_jingle() {
            nouveau(faussesSons)
            sontest.action("gauche") // wraps to the last track
            compare(sontest.piste.id, "voix_time_up")
            sontest.action("ok")
            for (var i = 0; i < 25; ++i) // silently, back to the jingles
                sontest.action("haut")
            compare(sontest.piste.id, "victoire")
            sontest.action("ok")
            compare(faussesSons.journal, ["effet voix_time_up", "musique victoire"])
            sontest.action("bas")
            compare(sontest.piste.numero, "12")
            verify(!sontest.action("hint"))
        }

        function test_le_jeu_finit_avec_la_piste() {
            nouveau(faussesSons)
            sontest.choix = 14 // PICK, 0.38 s: shown 400 ms
            sontest.action("ok")
            verify(sontest.joue)
            wait(250)
            verify(sontest.joue)
            tryCompare(sontest, "joue", false, 1000)
            sontest.action("retour")
            compare(sorties, 1)
            compare(faussesSons.journal, ["effet selection"])
        }

        function test_sans_lecteur() {
            nouveau(null)
            verify(sontest.action("ok"))
            verify(!sontest.joue)
            sontest.action("retour")
            compare(sorties, 1)
        }

        function test_appuis() {
            nouveau(faussesSons)
            sontest.appui(10, 100)
            compare(sontest.choix, 35)
            sontest.appui(300, 100)
            compare(sontest.choix, 0)
            sontest.appui(192, 100)
            verify(sontest.joue)
            sontest.appui(192, 210)
            verify(!sontest.joue)
            compare(sorties, 0)
            sontest.appui(10, 200)
            compare(sorties, 1)
            compare(faussesSons.journal, ["musique titre", "arret"])
        }
    }
}
