import QtQuick 2.15
import Tessimora 1.0
import "../ecran"
import "../jeu"
import "../commun"

// MODE SELECT: a rope of nine paper lanterns, one per mode or screen, the
// chosen one lit with its name and two lines below; some entries open a
// second row of lampions (stages, opponents, extras). The scene only
// chooses: the cabinet starts what was chosen. Which entries and items are
// open, where the cursor opens and where the pointer lands are the menu's
// rules (`Menus`).
Item {
    id: menu

    property var progression: null
    property bool extrasOuverts: false
    property var touches: ({})
    // False on the box, whose single remote cannot serve two players.
    property bool deuxJoueurs: true
    // The settings record: the opponent row opens on OPTIONS' CPU level.
    property var reglages: null

    property int choix: 0
    // The cursor in the second row, -1 while it is closed.
    property int sous: -1
    property var sousListe: []

    readonly property var entrees: Menus.entrees(progression, extrasOuverts)
    readonly property var entree: entrees[choix]
    readonly property int decalage: Menus.decalage(choix)
    readonly property alias panda: panda
    // What SPEECH says of the entry under the cursor: [key, values, value shown].
    readonly property var annonce: {
        Langue.revision
        if (sous >= 0 && sousListe[sous])
            return [sousListe[sous].nom, sousListe[sous].valeurs]
        return entree ? [entree.nom, {}, Langue.t(entree.ligne1)] : []
    }

    signal choisi(string mode, var options)
    signal sortie()
    signal son(string id)

    width: 384
    height: 224

    function suivante(i, pas, n) { return (i + pas + n) % n }

    function action(a) {
        return sous >= 0 ? actionRangee(a) : actionCorde(a)
    }

    function actionCorde(a) {
        if (a === "gauche" || a === "droite") {
            choix = suivante(choix, a === "gauche" ? -1 : 1, entrees.length)
            son("selection")
        } else if (a === "ok" || a === "start") {
            if (!entree.ouverte) {
                son("erreur")
                return true
            }
            var liste = Menus.listeDe(entree.id, progression, extrasOuverts, deuxJoueurs)
            if (liste.length > 0) {
                sousListe = liste
                sous = Menus.curseurDe(entree.id, liste.length,
                                       reglages ? reglages.jeu.niveauIa : 1)
                son("selection")
            } else {
                son("depart")
                choisi(entree.id, {})
            }
        } else if (a === "retour") {
            sortie()
        } else {
            return false
        }
        return true
    }

    function actionRangee(a) {
        if (a === "gauche" || a === "haut" || a === "droite" || a === "bas") {
            var pas = a === "gauche" || a === "haut" ? -1 : 1
            sous = suivante(sous, pas, sousListe.length)
            son("selection")
        } else if (a === "ok" || a === "start") {
            var article = sousListe[sous]
            if (!article.ouvert) {
                son("erreur")
            } else {
                son("depart")
                choisi(entree.id, article.options)
            }
        } else if (a === "retour") {
            sous = -1
            son("deselection")
        }
        return true
    }

    function appui(x, y) {
        if (sous >= 0) {
            var k = Menus.articleTouche(x, y, sousListe.length)
            if (k === sous)
                actionRangee("ok")
            else if (k >= 0)
                sous = k
            else
                actionRangee("retour")
            return
        }
        var i = Menus.lanterneTouchee(x, y, decalage)
        if (i === choix) {
            actionCorde("ok")
        } else if (i >= 0) {
            choix = i
            son("selection")
        }
    }

    Fond { mode: "marche" }

    Grand {
        y: 6
        nom: "ecrans_titre_mode_select"
        titre: "MODE SELECT"
        reprise: 3500
    }

    // The rope and its lanterns scroll together, so the chosen one is centred.
    Item {
        id: corde
        property real position: menu.decalage
        Behavior on position { NumberAnimation { duration: 120 } }
        x: Math.round(position)

        Repeater {
            // From x -200, enough to cover the row and 400 pixels more.
            model: Math.ceil((8 + 9 * 54 + 400) / 32)
            Anim {
                required property int index
                x: -200 + 32 * index
                y: 30
                nom: "ecrans_corde"
            }
        }
        Repeater {
            model: menu.entrees
            Item {
                id: lanterne
                required property int index
                required property var modelData
                readonly property bool choisie: index === menu.choix
                x: 4 + 54 * index
                y: 31
                Anim {
                    nom: parent.choisie ? "ecrans_lanterne_menu_allumee" : "ecrans_lanterne_menu_eteinte"
                }
                Anim {
                    x: 19
                    y: 18
                    nom: "ecrans_icone_" + lanterne.modelData.icone
                    running: false
                    currentFrame: parent.choisie && lanterne.modelData.ouverte ? 0 : 1
                }
            }
        }
        Anim {
            x: 4 + 54 * menu.choix + 19
            y: 86
            nom: "effets_patte"
        }
    }

    // The name and its two lines lie over the stalls and their lanterns.
    Cartouche {
        autour: lignesEntree.count >= 0 ? [nomEntree, lignesEntree.itemAt(0), lignesEntree.itemAt(1)] : []
    }
    Texte {
        id: nomEntree
        y: 100
        x: Math.floor((384 - width) / 2)
        texte: Langue.t(menu.entree.nom)
        style: menu.entree.ouverte ? "or" : "gris"
    }
    Repeater {
        id: lignesEntree
        model: [menu.entree.ligne1, menu.entree.ligne2]
        Texte {
            required property int index
            required property var modelData
            y: 114 + 12 * index
            x: Math.floor((384 - width) / 2)
            texte: modelData !== "" ? Langue.t(modelData) : ""
            style: menu.entree.ouverte ? "blanc" : "gris"
        }
    }

    Repeater {
        model: menu.sous >= 0 ? menu.sousListe : []
        Item {
            id: article
            required property int index
            required property var modelData
            readonly property var place: Menus.placeArticle(index, menu.sousListe.length)
            readonly property bool courant: index === menu.sous
            x: place.x
            y: place.y
            Anim {
                x: -17
                y: -5
                nom: parent.courant ? "ecrans_lampion_allume" : "ecrans_lampion_eteint"
            }
            // A stage or an opponent of the second row lies over the stalls too.
            Cartouche { autour: [texteArticle] }
            Texte {
                id: texteArticle
                texte: Langue.t(article.modelData.nom, article.modelData.valeurs)
                style: !article.modelData.ouvert ? "gris" : parent.courant ? "or" : "blanc"
            }
        }
    }

    Panda {
        id: panda
        visible: menu.sous < 0
        pose: "salut"
        px: 192
        py: 190
    }

    Aide {
        y: 210
        x: Math.floor((384 - width) / 2)
        texte: menu.sous >= 0 ? Langue.t("{gauche} {droite} CHOOSE   {ok} START   {retour} BACK")
                              : Langue.t("{gauche} {droite} MODE   {ok} CHOOSE   {retour} TITLE")
        touches: menu.touches
    }
}
