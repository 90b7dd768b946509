import QtQuick 2.15
import Tessimora 1.0
import "../ecran"
import "../jeu"

// CONTROLS: the keys or gestures of every device of the platform, one row
// per action, and on a desktop keyboard the player's own keys: OK on an
// action waits for a key ("PRESS A KEY"), Escape gives up, and a key that
// cannot be given plays "erreur" and the wait goes on. A given key leaves
// whichever action had it. The cabinet hands every raw key press to
// `capturer` first, so a key awaited never acts as well. The actions
// outnumber the rows: the list scrolls to keep the cursor in sight, and
// Up and Down scroll it where there is no cursor.
Item {
    id: scene

    property var reglages: null
    property string systeme: "linux"
    property var touches: ({})
    // The device shown, an index in the platform's list.
    property int appareil: 0
    property int choix: 0
    // The action on the top row.
    property int premiere: 0
    // The action waiting for its key, "" when none.
    property string attend: ""
    // Bumped whenever this scene rebuilds the key table, for the rows to re-read it.
    property int version: 0

    readonly property var appareils: Commandes.appareils(systeme)
    readonly property string appareilVu: appareils[appareil] !== undefined ? appareils[appareil]
                                                                          : appareils[0]
    readonly property bool reglable: Options.reglable(appareilVu, systeme)
    readonly property int nombre: Options.nombreLignesCommandes(reglable)

    signal change(var reglages)
    signal sortie()
    signal son(string id)

    width: 384
    height: 224

    function installer(copie) {
        Commandes.regler(copie.touches)
        version += 1
        change(copie)
        // As in OPTIONS: the cabinet's binding to the memory stays; alone,
        // the scene keeps the copy.
        if (reglages !== copie)
            reglages = copie
    }

    function action(a) {
        if (attend !== "")
            return true
        if (a === "gauche" || a === "droite") {
            var n = appareils.length
            appareil = (appareil + (a === "gauche" ? n - 1 : 1)) % n
            choix = 0
            premiere = 0
            son("selection")
        } else if ((a === "haut" || a === "bas") && reglable) {
            choix = (choix + (a === "haut" ? nombre - 1 : 1)) % nombre
            premiere = Options.premierePourVoir(premiere, choix)
            son("selection")
        } else if (a === "haut" || a === "bas") {
            premiere = Options.defiler(premiere, a === "haut" ? -1 : 1)
            son("selection")
        } else if (a === "ok" && reglable) {
            if (choix === Options.LIGNE_RAZ) {
                installer(Options.sansRemappage(reglages))
                son("depart")
            } else {
                attend = Commandes.ACTIONS[choix]
                son("selection")
            }
        } else if (a === "retour" || a === "start") {
            son("deselection")
            sortie()
        } else {
            return false
        }
        return true
    }

    // Every raw key press: true when it was the awaited key (or refused as one).
    function capturer(code) {
        if (attend === "")
            return false
        if (code === Commandes.K.echap) {
            attend = ""
            son("deselection")
            return true
        }
        var copie = Options.remapper(reglages, attend, code)
        if (!copie) {
            son("erreur")
            return true
        }
        attend = ""
        installer(copie)
        son("depart")
        return true
    }

    function appui(x, y) {
        if (attend !== "")
            return
        var k = Options.appareilTouche(x, y, appareils.length)
        if (k >= 0) {
            appareil = k
            choix = 0
            premiere = 0
            son("selection")
            return
        }
        var i = reglable ? Options.ligneCommandeTouchee(y, nombre, premiere) : -1
        if (i >= 0) {
            choix = i
            action("ok")
        } else if (Options.sortieCommandesTouchee(y)) {
            action("retour")
        }
    }

    Fond { mode: "pont" }
    Voile {}

    Grand {
        y: 4
        nom: "ecrans_titre_controls"
        titre: "CONTROLS"
        reprise: 3500
    }

    Lampions {
        x: 40
        y: 34
        ecart: 80
        allume: scene.appareil
        textes: {
            Langue.revision
            return scene.appareils.map(function (a) {
                return Langue.t(Options.nomAppareil(a, scene.systeme))
            })
        }
    }

    Repeater {
        model: Options.RANGS_VUS
        Item {
            id: rang
            required property int index
            readonly property int ligne: scene.premiere + index
            readonly property string modelData: Commandes.ACTIONS[ligne] || ""
            readonly property bool courante: scene.reglable && ligne === scene.choix
            y: 50 + 10 * index
            height: 7

            Anim {
                visible: rang.courante
                x: 24
                y: -2
                nom: "effets_patte"
            }
            Texte {
                x: 40
                texte: Langue.t(Options.nomAction(rang.modelData))
                style: rang.courante ? "or" : "blanc"
            }
            Texte {
                x: 150
                texte: {
                    scene.version
                    scene.touches
                    if (scene.attend === rang.modelData)
                        return Langue.t("PRESS A KEY")
                    return Commandes.libelle(rang.modelData, scene.appareilVu, scene.systeme,
                                             Langue.t)
                }
                style: scene.attend === rang.modelData ? "or" : "jade"
            }
        }
    }

    Item {
        visible: scene.reglable
        y: 192
        height: 7
        readonly property bool courante: scene.choix === Options.LIGNE_RAZ
        Anim {
            visible: parent.courante
            x: 24
            y: -2
            nom: "effets_patte"
        }
        Texte {
            x: 40
            texte: Langue.t("RESET KEYS")
            style: parent.courante ? "or" : "blanc"
        }
    }

    Aide {
        y: 210
        x: Math.floor((384 - width) / 2)
        touches: scene.touches
        texte: scene.attend !== "" ? Langue.t("PRESS A KEY   ESC CANCEL")
             : scene.reglable
               ? Langue.t("{haut} {bas} CHOOSE   {ok} CHANGE   {gauche} {droite} DEVICE   {retour} BACK")
               : Langue.t("{gauche} {droite} DEVICE   {retour} BACK")
    }
}
