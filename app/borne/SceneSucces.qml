import QtQuick 2.15
import Tessimora 1.0
import "../ecran"
import "../jeu"

// ACHIEVEMENTS: the 48 achievements seven to a page, a lampion lit for each
// one earned. What each row shows (a hidden one keeps its secret, a tiered
// one its progress), the moves over rows and pages and where a press lands
// are the list's rules (`Extras`).
Item {
    id: liste

    // The achievement state the memory holds, or null.
    property var etat: null
    property var touches: ({})
    property int choix: 0

    readonly property int page: Extras.pageDe(choix)
    readonly property var rangees: Extras.rangees(etat, page)
    readonly property int allumes: Extras.allumes(etat)

    signal sortie()
    signal son(string id)

    width: 384
    height: 224

    function action(a) {
        var suivant = Extras.deplacerSucces(choix, a)
        if (suivant >= 0) {
            choix = suivant
            son("selection")
            return true
        }
        if (a === "retour" || a === "ok" || a === "start") {
            son("deselection")
            sortie()
            return true
        }
        return false
    }

    function appui(x, y) {
        var r = Extras.appuiSucces(choix, x, y)
        if (r.quoi === Extras.Sortie) {
            sortie()
        } else if (r.quoi !== Extras.Rien) {
            choix = r.choix
            son("selection")
        }
    }

    Fond { mode: "port" }
    Voile {}

    Texte {
        x: 12
        y: 10
        texte: Langue.t("ACHIEVEMENTS")
        style: "or"
    }
    Texte {
        id: entete
        x: 372 - width
        y: 10
        texte: Langue.t("{n}/{total} LIT", { n: liste.allumes, total: Extras.SUCCES }) + "   "
               + Extras.pageSurTotal(liste.choix)
        style: "jade"
    }

    Repeater {
        id: lignes
        model: liste.rangees
        RangeeSucces {
            required property int index
            required property var modelData
            x: 12
            y: 28 + 24 * index
            rangee: modelData
            courante: liste.page * Extras.PAR_PAGE + index === liste.choix
        }
    }

    Aide {
        y: 210
        x: Math.floor((384 - width) / 2)
        texte: Langue.t("{haut} {bas} CHOOSE   {gauche} {droite} PAGE   {retour} BACK")
        touches: liste.touches
    }

    // Read by tests.
    readonly property alias enteteAffiche: entete.majuscules
    function ligne(k) { return lignes.itemAt(k) }
}
