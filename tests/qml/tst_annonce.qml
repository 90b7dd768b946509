import QtQuick 2.15
import QtTest 1.2
import Tessimora 1.0
import "qrc:/app/borne"

// The ACHIEVEMENT banner: its queue, 3 s per unlock in unlock order, unknown
// ids ignored, titles translated when queued, and its size and place.
TestCase {
    id: cas
    name: "Annonce"
    when: windowShown
    visible: true
    width: 384
    height: 224

    Component {
        id: fabrique
        Annonce {}
    }

    function test_trois_unlocks_trois_bannieres() {
        var a = createTemporaryObject(fabrique, cas)
        verify(!a.visible)
        a.annoncer("FIRST_LANTERN")
        a.annoncer("SPARKS")
        a.annoncer("NOT_AN_ACHIEVEMENT")
        a.annoncer("BEHIND_THE_CURTAIN")
        verify(a.visible)
        compare(a.titre, "FIRST LANTERN")
        compare(a.file, ["SPARKS", "BEHIND THE CURTAIN"])
        compare(a.minuterie.interval, 3000)
        verify(a.minuterie.running)
        var vus = [a.titre]
        // Each time the 3 s are up, the next one shows.
        while (a.visible) {
            a.minuterie.triggered()
            if (a.titre !== "") vus.push(a.titre)
        }
        compare(vus, ["FIRST LANTERN", "SPARKS", "BEHIND THE CURTAIN"])
        compare(a.file, [])
        // Unknown ids alone never show a banner.
        a.annoncer("")
        a.annoncer("first_lantern")
        verify(!a.visible)
    }

    function test_en_temps_reel() {
        var a = createTemporaryObject(fabrique, cas)
        a.annoncer("SPARKS")
        a.annoncer("FIRECRACKERS")
        wait(2500)
        compare(a.titre, "SPARKS")
        tryCompare(a, "titre", "FIRECRACKERS", 1500)
        tryCompare(a, "visible", false, 3500)
    }

    function test_taille_et_place() {
        var a = createTemporaryObject(fabrique, cas)
        a.annoncer("WHOLE_BOX_OF_INCENSE")
        compare(a.height, 25)
        compare(a.y, 3)
        var titre = Police.largeur("WHOLE BOX OF INCENSE")
        verify(titre > Police.largeur("ACHIEVEMENT"))
        compare(a.width, titre + 30)
        compare(a.x, Math.floor((384 - a.width) / 2))
        a.minuterie.triggered()
        a.annoncer("SPARKS")
        // The header is the wider text now.
        compare(a.width, Police.largeur("ACHIEVEMENT") + 30)
    }

    function test_titre_traduit_a_l_arrivee() {
        var a = createTemporaryObject(fabrique, cas)
        Langue.choisir("fr")
        tryCompare(Langue, "code", "fr")
        a.annoncer("SPARKS")
        compare(a.titre, Langue.t("SPARKS"))
        verify(a.titre !== "SPARKS")
        Langue.choisir("en")
        tryCompare(Langue, "code", "en")
        // Already queued: it keeps the words it was queued with.
        compare(a.titre, "ÉTINCELLES")
    }
}
