import QtQuick 2.15
import QtTest 1.2
import Tessimora 1.0
import "qrc:/app/borne"

// OPTIONS, CRT SETTINGS and CONTROLS on their own, with the real rules, the
// real key table and the real language object: what each line does to the
// settings record, what the rows show, key capture and the pointer.
Item {
    id: scene
    width: 384
    height: 224

    TestCase {
        id: cas
        name: "SceneReglages"
        when: windowShown

        Component {
            id: fabriqueOptions
            SceneReglages {
                touches: ({ haut: "↑", bas: "↓", gauche: "←", droite: "→", retour: "ESC" })
            }
        }
        Component {
            id: fabriqueCommandes
            SceneCommandes {}
        }

        property var item: null
        property var sons: []
        property var changes: []
        property int sorties: 0
        property int commandes: 0

        readonly property int musique: 7
        readonly property int ecran: 6
        readonly property int langue: 11
        readonly property int undo: 8

        function suivre(s) {
            sons = []
            changes = []
            sorties = 0
            commandes = 0
            s.son.connect(function (id) { sons.push(id) })
            s.change.connect(function (r) { changes.push(r) })
            s.sortie.connect(function () { sorties += 1 })
            if (s.commandes)
                s.commandes.connect(function () { commandes += 1 })
            return s
        }

        function options(proprietes) {
            var p = proprietes || {}
            if (!p.reglages)
                p.reglages = Stockage.lireReglages("")
            item = suivre(createTemporaryObject(fabriqueOptions, scene, p))
            return item
        }

        function controles(proprietes) {
            var p = proprietes || {}
            if (!p.reglages)
                p.reglages = Stockage.lireReglages("")
            item = suivre(createTemporaryObject(fabriqueCommandes, scene, p))
            return item
        }

        // The texts drawn under an item, in tree order.
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

        // The incense sticks, line by line.
        function batons(racine) {
            var r = []
            function visiter(o) {
                if (o.braise !== undefined && o.valeur !== undefined)
                    r.push(o)
                for (var i = 0; i < o.children.length; ++i)
                    visiter(o.children[i])
            }
            visiter(racine)
            return r
        }

        function cleanup() {
            Commandes.regler({})
            if (Langue.code !== "en") {
                Langue.choisir("en")
                tryCompare(Langue, "code", "en")
            }
        }

        function test_la_musique_par_pas_de_cinq() {
            var o = options()
            o.choix = musique
            verify(o.action("droite"))
            compare(o.reglages.son.musique, 0.85)
            compare(changes.length, 1)
            compare(changes[0].son.musique, 0.85)
            compare(sons, ["selection"])
            o.action("gauche")
            o.action("gauche")
            compare(o.reglages.son.musique, 0.75)
            // The stick burns down from the right as the level falls.
            var b = batons(o)
            compare(b.length, 7)
            // MUSIC is the sixth level: a quarter burnt, the ember 38 pixels in.
            compare(b[5].valeur, 0.75)
            compare(b[5].braise, 188)
            verify(textes(o).indexOf("75") >= 0)
        }

        function test_l_ecran_part_du_mode_en_vigueur() {
            var o = options({ modeEcran: "entier", choix: ecran })
            compare(o.reglages.crt.affichage, "")
            verify(textes(o).indexOf("PIXEL") >= 0)
            o.action("droite")
            compare(o.reglages.crt.affichage, "remplir")
            o = options({ modeEcran: "entier", choix: ecran })
            o.action("gauche")
            compare(o.reglages.crt.affichage, "etirer")
        }

        function test_la_langue_change_tout_de_suite() {
            var o = options({ choix: langue })
            compare(o.reglages.jeu.langue, "")
            verify(textes(o).indexOf("AUTO") >= 0)
            o.action("gauche")
            compare(o.reglages.jeu.langue, "zh-Hant")
            tryCompare(Langue, "code", "zh-Hant")
            // The lines are re-translated and the language shows its own name.
            var t = textes(o)
            verify(t.indexOf("繁體中文") >= 0, t.join(" | "))
            verify(t.indexOf(Langue.t("MUSIC")) >= 0)
            verify(Langue.t("MUSIC") !== "MUSIC")
            o.action("droite")
            compare(o.reglages.jeu.langue, "")
        }

        function test_controls_et_sortie() {
            var o = options()
            o.action("haut")
            compare(o.choix, 13)
            o.action("ok")
            compare(commandes, 1)
            compare(changes.length, 0)
            compare(sons, ["selection", "selection"])
            o.action("retour")
            compare(sorties, 1)
            compare(sons[sons.length - 1], "deselection")
            verify(!o.action("hint"))
        }

        function test_la_page_acces_s_ouvre_et_se_referme_dans_les_options() {
            var o = options()
            o.choix = 12
            o.action("ok")
            verify(o.acces)
            compare(o.lignes.length, 3)
            compare(o.choix, 0)
            compare(changes.length, 0)
            var t = textes(o)
            verify(t.indexOf("SPEECH") >= 0 && t.indexOf("CLASSIC") >= 0 && t.indexOf("CALM") >= 0,
                   t.join(" | "))
            compare(o.annonce[0], "SPEECH")
            compare(o.annonce[2], "OFF")
            o.action("droite")
            compare(changes.length, 1)
            verify(o.reglages.acces.parole)
            compare(o.annonce[2], "ON")
            // 22-pixel rows: the third is MOTION.
            o.appui(300, 40 + 22 * 2 + 5)
            verify(o.reglages.acces.mouvementCalme)
            verify(!o.reglages.acces.tuilesClaires)
            // BACK goes back to OPTIONS, on the ACCESS line; only then does it leave.
            o.action("retour")
            verify(!o.acces)
            compare(o.choix, 12)
            compare(sorties, 0)
            o.action("retour")
            compare(sorties, 1)
        }

        function test_crt_settings_n_a_que_sept_lignes() {
            var o = options({ crtSeul: true })
            compare(o.lignes.length, 7)
            o.action("haut")
            compare(o.choix, 6)
            var t = textes(o)
            verify(t.indexOf("CRT") >= 0)
            verify(t.indexOf("MUSIC") < 0)
            // 22-pixel rows from y 40: the fourth line is MASK.
            o.appui(300, 40 + 22 * 3 + 5)
            compare(o.choix, 3)
            compare(o.reglages.crt.masque, 0.55)
        }

        function test_pointeur_des_options() {
            var o = options()
            o.appui(100, 40 + 12 * musique + 2)
            compare(o.choix, musique)
            compare(o.reglages.son.musique, 0.75)
            compare(o.annonce[0], "MUSIC")
            compare(o.annonce[2], "75")
            o.appui(300, 40 + 12 * musique + 2)
            compare(o.reglages.son.musique, 0.8)
            // Below the last line (CONTROLS ends at y 207), a press leaves.
            o.appui(100, 212)
            compare(sorties, 1)
        }

        function test_les_appareils_de_linux() {
            var c = controles({ systeme: "linux" })
            compare(c.appareils, ["clavier", "souris", "manette"])
            var t = textes(c)
            verify(t.indexOf("KEYBOARD") >= 0 && t.indexOf("MOUSE") >= 0 && t.indexOf("PAD") >= 0)
            verify(c.reglable)
            verify(t.indexOf("RESET KEYS") >= 0)
            verify(t.indexOf("ENTER SPACE") >= 0, t.join(" | "))
            c.action("droite")
            compare(c.appareilVu, "souris")
            verify(!c.reglable)
            verify(textes(c).indexOf("RESET KEYS") < 0)
            verify(textes(c).indexOf("CLICK") >= 0)
            verify(!c.action("ok"))
            c.action("gauche")
            c.action("gauche")
            compare(c.appareilVu, "manette")

            c = controles({ systeme: "freebox" })
            compare(c.appareils, ["telecommande"])
            verify(textes(c).indexOf("FREE REMOTE") >= 0)
            verify(!c.reglable)
            // No cursor there: Down scrolls the list instead.
            verify(c.action("bas"))
            compare(c.choix, 0)
            compare(c.premiere, 1)
        }

        function test_undo_sur_h_retire_h_a_hint() {
            var c = controles()
            c.choix = undo
            c.action("ok")
            compare(c.attend, "undo")
            verify(textes(c).indexOf("PRESS A KEY") >= 0)
            verify(textes(c).indexOf("PRESS A KEY   ESC CANCEL") >= 0)
            // C is the tube's own key: refused, the wait goes on.
            verify(c.capturer(0x43))
            compare(c.attend, "undo")
            compare(sons[sons.length - 1], "erreur")
            // Actions are taken and ignored meanwhile.
            verify(c.action("droite"))
            compare(c.appareil, 0)
            verify(c.capturer(Commandes.K.echap))
            compare(c.attend, "")
            compare(sons[sons.length - 1], "deselection")
            compare(changes.length, 0)
            verify(!c.capturer(0x48))

            c.action("ok")
            verify(c.capturer(0x48))
            compare(c.attend, "")
            compare(sons[sons.length - 1], "depart")
            compare(changes.length, 1)
            compare(c.reglages.touches.undo, 0x48)
            compare(Commandes.etiquette("hint", "clavier", "linux"), "1")
            compare(Commandes.action(0x48), "undo")
            var t = textes(c)
            verify(t.indexOf("1 &") >= 0, t.join(" | "))
            verify(t.indexOf("H 3 \"") >= 0, t.join(" | "))

            // RESET KEYS gives every key back.
            c.choix = Options.LIGNE_RAZ
            c.action("ok")
            compare(Object.keys(c.reglages.touches).length, 0)
            compare(Commandes.action(0x48), "hint")
        }

        function test_la_liste_des_commandes_defile() {
            var c = controles()
            compare(c.premiere, 0)
            // Up from the first line goes to RESET KEYS, drawn apart: nothing scrolls.
            c.action("haut")
            compare(c.choix, Options.LIGNE_RAZ)
            compare(c.premiere, 0)
            c.action("haut")
            compare(c.choix, Commandes.ACTIONS.length - 1)
            compare(c.premiere, Commandes.ACTIONS.length - Options.RANGS_VUS)
            var t = textes(c)
            verify(t.indexOf("SUMMARY") >= 0 && t.indexOf("FIND PAIR") >= 0, t.join(" | "))
            // A press on a row names the action shown there.
            c.appui(60, 50 + 10 * (Options.RANGS_VUS - 1))
            compare(c.attend, "sommaire")
            verify(c.capturer(Commandes.K.echap))
            // Without a cursor, Up and Down scroll.
            c.action("droite")
            compare(c.premiere, 0)
            c.action("bas")
            compare(c.premiere, 1)
        }

        function test_pointeur_des_commandes() {
            var c = controles()
            c.appui(130, 30)
            compare(c.appareilVu, "souris")
            c.appui(50, 30)
            compare(c.appareilVu, "clavier")
            c.appui(60, 50 + 10 * undo)
            compare(c.choix, undo)
            compare(c.attend, "undo")
            c.appui(60, 205)
            compare(sorties, 0)
            verify(c.capturer(Commandes.K.echap))
            c.appui(60, 205)
            compare(sorties, 1)
        }
    }
}
