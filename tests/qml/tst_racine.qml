import QtQuick 2.15
import QtTest 1.2

// The root scene's own rules: the CRT key, the key router's fall-through,
// the start order (memory read, language, then the cabinet).
TestCase {
    id: cas
    name: "Racine"
    when: windowShown

    property var racine: null

    Component {
        id: jeuDeTest
        Item {
            property string phase: "jeu"
            signal recu(string nom, int joueur)
            function action(nom, joueur) { recu(nom, joueur); return true }
        }
    }

    function init() {
        var composant = Qt.createComponent("qrc:/app/main.qml")
        compare(composant.status, Component.Ready, composant.errorString())
        racine = composant.createObject(cas)
        verify(racine !== null)
    }

    function cleanup() {
        racine.destroy()
        racine = null
    }

    function trouver(nom) {
        function chercher(objet) {
            if (objet.objectName === nom) return objet
            for (var i = 0; i < objet.children.length; ++i) {
                var r = chercher(objet.children[i])
                if (r) return r
            }
            return null
        }
        return chercher(racine)
    }

    function test_plateforme() {
        compare(racine.plateforme, "linux")
        verify(!trouver("ecran").boite)
    }

    function test_cabinet_demarre_apres_la_lecture() {
        var borne = trouver("borne")
        verify(!borne.demarre) // nothing of the cabinet shows before the records are read
        tryCompare(borne, "demarre", true)
        compare(borne.scene, "mire")
    }

    function test_touche_crt() {
        var avant = trouver("memoire").reglages.crt.actif
        var e = { key: Qt.Key_C, isAutoRepeat: false }
        verify(racine.touche(e, true))
        compare(trouver("memoire").reglages.crt.actif, !avant)
        verify(racine.touche({ key: Qt.Key_C, isAutoRepeat: true }, true))
        verify(racine.touche(e, false))
        compare(trouver("memoire").reglages.crt.actif, !avant)
    }

    function test_touche_sans_action_non_prise() {
        verify(!racine.touche({ key: Qt.Key_F11, isAutoRepeat: false, modifiers: 0 }, true))
    }

    function test_duel_a_deux() {
        var borne = trouver("borne")
        var recues = []
        var jeu = borne.poserJeu(jeuDeTest)
        jeu.recu.connect(function (nom, joueur) { recues.push(nom + joueur) })
        borne.scene = "partie"
        borne.sorte = "duel"
        borne.niveauIa = -1
        // A held direction repeats for its player, a held non-direction acts once.
        verify(racine.touche({ key: Qt.Key_Left, isAutoRepeat: true, modifiers: 0 }, true))
        verify(racine.touche({ key: Qt.Key_F, isAutoRepeat: true, modifiers: 0 }, true))
        verify(racine.touche({ key: Qt.Key_F, isAutoRepeat: false, modifiers: 0 }, true))
        verify(racine.touche({ key: Qt.Key_F, isAutoRepeat: false, modifiers: 0 }, false))
        verify(!racine.touche({ key: Qt.Key_P, isAutoRepeat: false, modifiers: 0 }, true))
        // C still switches the CRT look and gives no action to either player.
        verify(racine.touche({ key: Qt.Key_C, isAutoRepeat: false, modifiers: 0 }, true))
        compare(recues, ["gauche2", "ok1"])
    }
}
