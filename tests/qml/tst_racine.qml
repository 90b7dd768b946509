import QtQuick 2.15
import QtTest 1.2
import Tessimora 1.0
import "qrc:/app/jeu"
import Essais 1.0

// The root scene's own rules: the CRT key, the key router's fall-through,
// the start order (memory read, language, then the cabinet), and what the
// platform layer hands the cabinet: banners, pauses and the gamepad family,
// and a whole INCENSE RUSH reported to the leaderboards.
TestCase {
    id: cas
    name: "Racine"
    when: windowShown

    property var racine: null

    Component {
        id: jeuDeTest
        Controleur {
            phase: "jeu"
            signal recu(string nom, int joueur)
            function action(nom, joueur) { recu(nom, joueur); return true }
        }
    }

    // Stands for the host's facade: a gamepad family that changes, a provider
    // that may show its own notices, an overlay.
    Component {
        id: facade
        QtObject {
            property string nom: "faux"
            property bool annonce: false
            property string manette: ""
            signal surcoucheOuverte(bool ouverte)
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

    function test_systeme() {
        compare(racine.systeme, "linux")
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
        borne.course.commencer(Mode.Duel, 0, -1)
        borne.enJeu = true
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

    function test_banniere_sauf_si_le_fournisseur_annonce() {
        var borne = trouver("borne")
        var couche = trouver("couche")
        var annonce = trouver("annonce")
        tryCompare(borne, "demarre", true)
        compare(annonce.z, 45)
        couche.debloque("SPARKS")
        compare(annonce.titre, "SPARKS")
        annonce.minuterie.triggered()
        verify(!annonce.visible)
        var f = facade.createObject(cas, { annonce: true })
        couche.fournisseur = f
        verify(couche.annonceFournisseur)
        couche.debloque("FIRECRACKERS")
        verify(!annonce.visible)
    }

    function test_surcouche_du_fournisseur_met_en_pause() {
        var borne = trouver("borne")
        tryCompare(borne, "demarre", true)
        var jeu = borne.poserJeu(jeuDeTest)
        var recues = []
        jeu.recu.connect(function (nom, joueur) { recues.push(nom) })
        borne.scene = "partie"
        borne.enJeu = true
        var f = facade.createObject(cas)
        trouver("couche").fournisseur = f
        f.surcoucheOuverte(false)
        compare(recues, [])
        f.surcoucheOuverte(true)
        compare(recues, ["start"])
    }

    function test_famille_de_manette_jusqu_aux_libelles() {
        var borne = trouver("borne")
        tryCompare(borne, "demarre", true)
        var f = facade.createObject(cas)
        trouver("couche").fournisseur = f
        borne.appareil = "manette"
        compare(borne.touches.ok, "\uE000")
        compare(borne.touches.retour, "\uE001")
        f.manette = "playstation"
        compare(borne.familleManette, "playstation")
        compare(borne.touches.ok, "\uE004")
        compare(borne.touches.retour, "\uE005")
        compare(borne.touches.start, "OPTIONS")
        f.manette = "nintendo"
        compare(borne.touches.ok, "\uE001")
        f.manette = ""
        compare(borne.touches.ok, "\uE000")
    }

    // INCENSE RUSH in the real cabinet, stack game and platform layer, with
    // the host's facade and no provider behind it: one pair picked by the
    // player, the incense left to burn out on the game's own watch, then the
    // finished game's leaderboard line with the banked score.
    function test_rush_fini_sans_fournisseur_ecrit_son_classement() {
        var borne = trouver("borne")
        var couche = trouver("couche")
        tryCompare(borne, "demarre", true)
        couche.fournisseur = Hote.facade(["tessimora", "--muet"])
        verify(couche.fournisseur !== null)
        verify(!couche.enLigne)
        Journal.vider()
        borne.lancer("rush", {})
        var jeu = borne.partieItem
        compare(jeu.mode, Mode.Rush)
        var t = Date.now()
        jeu.automatique = false
        jeu.montre = function () { return t }
        function attendre(condition, ms) {
            for (var k = 0; k < ms && !condition(); k += 100) {
                t += 100
                jeu.battre()
            }
            return condition()
        }
        verify(attendre(function () { return jeu.phase === "jeu" }, 5000), jeu.phase)
        var pr = jeu.partie.paires()[0]
        for (var i = 0; i < 2; ++i) {
            jeu.curseur = pr[i]
            verify(borne.action("ok", 1))
        }
        var points = jeu.partie.score
        verify(points > 0)
        verify(attendre(function () { return borne.scene === "gameover" }, 120000), borne.scene)
        compare(borne.course.scoreFinal, points)
        compare(Journal.lignes("TESSIMORA_CLASSEMENT"), ["TESSIMORA_CLASSEMENT rush " + points])
        borne.fluxPartie.minuterieGameOver.stop()
    }
}
