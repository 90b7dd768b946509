import QtQuick 2.15
import Tessimora 1.0
import "../ecran"

// One row of the ACHIEVEMENTS list: its lampion, lit once earned, the name
// (gold on the cursor), the description and, for a tier still climbing, how
// far it has gone. `rangee` is a row as `Extras.rangees` gives it.
Item {
    id: ligne

    property var rangee: ({})
    property bool courante: false

    readonly property alias nomAffiche: nom.majuscules
    readonly property alias texteAffiche: texte.majuscules
    readonly property alias progresAffiche: progres.majuscules

    width: 360
    height: 24

    Anim {
        y: 1
        nom: ligne.rangee.allume ? "ecrans_lampion_allume" : "ecrans_lampion_eteint"
    }
    Texte {
        id: nom
        x: 22
        y: 2
        texte: Langue.t(ligne.rangee.nom)
        style: ligne.courante ? "or" : ligne.rangee.allume ? "blanc" : "gris"
    }
    Texte {
        id: texte
        x: 22
        y: 12
        texte: Langue.t(ligne.rangee.texte)
        style: "gris"
    }
    Texte {
        id: progres
        x: 360 - width
        y: 2
        texte: ligne.rangee.progres
        style: "jade"
    }
}
