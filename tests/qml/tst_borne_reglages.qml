import QtQuick 2.15
import QtTest 1.2
import Tessimora 1.0
import "qrc:/app/borne"

// OPTIONS, CRT SETTINGS and CONTROLS inside the real cabinet: each change
// goes to the memory at once and is written when the scene is left, COINS
// reaches the title, remapped keys drive the cabinet, and CONTROLS gives
// back OPTIONS on its last line.
Item {
    id: scene
    width: 384
    height: 224

    TestCase {
        id: cas
        name: "BorneReglages"
        when: windowShown

        QtObject {
            id: faussesSons
            property var joues: []
            function jouer(id) { joues.push(id) }
            function jouerMusique(id) {}
            function arreterMusique() {}
        }

        QtObject {
            id: fausseMemoire
            property var reglages: Stockage.lireReglages("")
            property var scores: Stockage.lireScores("")
            property var progression: Stockage.lireProgression("")
            property int ecritures: 0
            function garderReglages() { ecritures += 1 }
        }

        Component {
            id: fabrique
            Borne {
                sons: faussesSons
                memoire: fausseMemoire
            }
        }

        property var borne: null

        function init() {
            fausseMemoire.reglages = Stockage.lireReglages("")
            fausseMemoire.ecritures = 0
            faussesSons.joues = []
            borne = createTemporaryObject(fabrique, scene)
            borne.demarrer()
        }

        function cleanup() {
            Commandes.regler({})
        }

        function textes(racine) {
            var r = []
            function visiter(o) {
                if (o.visible === false)
                    return
                if (typeof o.texte === "string" && typeof o.largeur === "number")
                    r.push(o.texte)
                for (var i = 0; i < o.children.length; ++i)
                    visiter(o.children[i])
            }
            visiter(racine)
            return r
        }

        function test_les_options_recoivent_leurs_entrees() {
            borne.modeEcran = "remplir"
            borne.aller("options")
            var o = borne.sceneItem
            compare(o.lignes.length, 14)
            verify(!o.crtSeul)
            compare(o.modeEcran, "remplir")
            verify(o.reglages === fausseMemoire.reglages)
            compare(o.choix, 0)
            borne.aller("crt")
            verify(borne.sceneItem.crtSeul)
            compare(borne.sceneItem.lignes.length, 7)
        }

        function test_les_pieces_vont_au_titre() {
            borne.aller("options")
            var o = borne.sceneItem
            o.choix = 9
            verify(borne.action("droite", 1))
            // At once: the memory holds the copy, the cabinet asks for coins.
            compare(fausseMemoire.reglages.jeu.freePlay, false)
            verify(!borne.freePlay)
            compare(fausseMemoire.ecritures, 0)
            verify(borne.action("retour", 1))
            compare(fausseMemoire.ecritures, 1)
            compare(borne.scene, "menu")
            borne.aller("titre")
            var t = textes(borne.sceneItem)
            verify(t.indexOf("1 COIN 1 PLAY") >= 0, t.join(" | "))
            verify(t.indexOf("CREDIT 0") >= 0, t.join(" | "))
            // A game now costs a coin.
            verify(borne.action("ok", 1))
            compare(borne.credits, 1)
            compare(borne.scene, "titre")
        }

        function test_le_reglage_suit_la_memoire_apres_un_changement() {
            borne.aller("options")
            var o = borne.sceneItem
            o.choix = 7
            borne.action("droite", 1)
            // The C key replaces the memory's record while OPTIONS is open.
            var r = Stockage.lireReglages(Stockage.ecrireReglages(fausseMemoire.reglages))
            r.crt.actif = false
            fausseMemoire.reglages = r
            verify(o.reglages === r)
            o.choix = 0
            borne.action("droite", 1)
            compare(fausseMemoire.reglages.crt.actif, false)
            compare(fausseMemoire.reglages.son.musique, 0.85)
        }

        function test_retour_des_commandes_sur_controls() {
            borne.aller("options")
            borne.sceneItem.choix = 13
            borne.action("ok", 1)
            compare(borne.scene, "commandes")
            var c = borne.sceneItem
            compare(c.systeme, "linux")
            compare(c.appareil, 0)
            verify(c.reglable)
            borne.action("retour", 1)
            compare(borne.scene, "options")
            compare(borne.sceneItem.choix, 13)
            verify(!borne.retourCommandes)
            compare(fausseMemoire.ecritures, 1)
            // Entered from the menu, OPTIONS starts on its first line.
            borne.aller("menu")
            borne.aller("options")
            compare(borne.sceneItem.choix, 0)
        }

        function test_commandes_sur_le_peripherique_en_usage() {
            borne.appareil = "manette"
            borne.aller("commandes")
            compare(borne.sceneItem.appareilVu, "manette")
            verify(!borne.sceneItem.reglable)
        }

        function test_une_touche_reaffectee_mene_le_jeu() {
            borne.aller("commandes")
            var c = borne.sceneItem
            c.choix = 4
            borne.action("ok", 1)
            compare(c.attend, "ok")
            // Every raw key goes to the capture first.
            verify(borne.toucheBrute(0x43))
            compare(c.attend, "ok")
            verify(borne.toucheBrute(0x58))
            compare(c.attend, "")
            compare(fausseMemoire.reglages.touches.ok, 0x58)
            compare(borne.persoTouches.ok, 0x58)
            compare(Commandes.action(0x58), "ok")
            compare(Commandes.action(Commandes.K.entree), "")
            compare(borne.touches.ok, "X")
            verify(!borne.toucheBrute(0x58))
            borne.action("retour", 1)
            compare(fausseMemoire.ecritures, 1)
        }
    }
}
