import QtQuick 2.15
import Tessimora 1.0
import "../ecran"
import "../jeu"
import "../commun"

// TEA HOUSE's list of stacks: the catalogue's, then the player's files, a
// screen of rows at a time. A refused file is greyed with its one-word
// reason, a stack cleared once carries a star, and a stack dealt in this run
// has a SAME DEAL row under it. OK plays the row; BACK returns to MODE
// SELECT. The rows, the moves and the window are the list's (`Piles`).
Item {
    id: scene

    // The list (the play flow's), and TEA HOUSE's record for the best marks.
    property Piles piles: null
    property var salon: null
    property var touches: ({})
    property int choix: 0
    property int premiere: 0

    readonly property int nombre: piles ? piles.count : 0
    readonly property int revision: piles ? piles.revision : 0
    readonly property int vus: piles ? piles.rangsVus : 0
    // The row under the cursor (an EntreePile) and its record, or null.
    readonly property var entree: {
        revision
        return piles ? piles.entree(choix) : null
    }
    readonly property var marques: {
        salon
        return entree && entree.jouable && salon ? Salon.entree(salon, entree.nom, entree.empreinte) : null
    }
    // What SPEECH says of the row: its name (or SAME DEAL) and why it is refused.
    readonly property var annonce: !entree || entree.nom === "" ? []
        : [entree.meme ? "SAME DEAL" : entree.nom, {}, entree.jouable ? "" : Langue.t(entree.refus)]

    signal choisi(string mode, var options)
    signal sortie()
    signal son(string id)

    width: 384
    height: 224

    onChoixChanged: premiere = piles ? piles.premierePourVoir(premiere, choix) : 0
    // A shorter list after a new read of the folder keeps the cursor inside.
    onNombreChanged: if (choix >= nombre) choix = Math.max(0, nombre - 1)

    function action(a) {
        if (!piles)
            return false
        var suivant = piles.deplacer(choix, a)
        if (suivant >= 0) {
            if (suivant !== choix)
                son("selection")
            choix = suivant
            return true
        }
        if (a === "ok" || a === "start") {
            jouer(choix)
            return true
        }
        if (a === "retour") {
            son("deselection")
            sortie()
            return true
        }
        return false
    }

    function jouer(i) {
        var e = piles.entree(i)
        if (!e.jouable) {
            son("erreur")
            return
        }
        son("selection")
        choisi(Modes.regle(Mode.Salon).mot, { pile: e, meme: e.meme })
    }

    // A press on a row picks it, a second press on it plays it.
    function appui(x, y) {
        var rang = piles ? piles.rangTouche(y, haut, pas, premiere) : -1
        if (rang < 0) {
            if (y > 200)
                action("retour")
        } else if (rang === choix) {
            jouer(choix)
        } else {
            choix = rang
        }
    }

    readonly property int haut: 34
    readonly property int pas: 13

    Fond { mode: "temple" }
    Voile {}

    Texte {
        x: Math.floor((384 - 2 * width) / 2)
        y: 8
        scale: 2
        transformOrigin: Item.TopLeft
        texte: Langue.t("TEA HOUSE")
        style: "or"
    }

    // Where the cursor stands in a list that scrolls.
    Cartouche { autour: [rangCourant] }
    Texte {
        id: rangCourant
        x: 372 - width
        y: 14
        texte: scene.nombre > 0 ? (scene.choix + 1) + "/" + scene.nombre : ""
        style: "jade"
    }

    Item {
        id: zone
        x: 12
        y: scene.haut
        width: 360
        height: scene.pas * (scene.vus - 1) + 7
    }
    Cartouche { autour: [zone] }

    Repeater {
        id: lignesVues
        model: scene.vus
        Item {
            id: rang
            required property int index
            readonly property int i: scene.premiere + index
            readonly property var e: {
                scene.revision
                return scene.piles ? scene.piles.entree(i) : ({})
            }
            readonly property bool courante: i === scene.choix
            visible: i < scene.nombre
            y: scene.haut + scene.pas * index

            Anim {
                visible: rang.courante
                x: 14
                y: -2
                nom: "effets_patte"
            }
            Anim {
                visible: rang.e.fini && !rang.e.meme
                // The star's brightest frame, centred on the row.
                x: 32
                y: 3
                nom: "fonds_etoile"
                running: false
                currentFrame: 2
            }
            Texte {
                x: rang.e.meme ? 52 : 40
                texte: rang.e.meme ? Langue.t("SAME DEAL") : rang.e.nom
                style: rang.courante ? "or" : !rang.e.jouable ? "gris" : rang.e.meme ? "jade" : "blanc"
            }
            // A playable stack's tiles, a refused one's reason.
            Texte {
                visible: !rang.e.meme
                x: 366 - width
                texte: rang.e.jouable ? String(rang.e.tuiles) : Langue.t(rang.e.refus)
                style: rang.e.jouable ? "gris" : "rouge"
            }
        }
    }

    Cartouche { autour: [detail] }
    // The row's best marks, or where a refused file lies.
    Texte {
        id: detail
        x: Math.floor((384 - width) / 2)
        y: 185
        style: "jade"
        texte: {
            Langue.revision
            var e = scene.entree
            if (!e || e.nom === "")
                return ""
            if (!e.jouable)
                return e.chemin.split("/").pop()
            if (!scene.marques)
                return Langue.t("NOT CLEARED YET")
            return Langue.t("BEST TIME {t}   BEST SCORE {s}",
                            { t: Salon.duree(scene.marques.temps), s: scene.marques.score })
        }
    }

    Aide {
        y: 206
        x: Math.floor((384 - width) / 2)
        texte: Langue.t("{haut} {bas} CHOOSE   {ok} START   {retour} BACK")
        touches: scene.touches
    }

    // Read by tests.
    function ligne(k) { return lignesVues.itemAt(k) }
}
