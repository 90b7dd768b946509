import QtQuick 2.15
import Tessimora 1.0
import "../ecran"

// The LANGUAGE line's value: each language by its own name, drawn with its
// own wide glyphs, between two arrows. AUTO names the device's language the
// same way after the translated word.
Item {
    id: ligne
    // "" for AUTO, else a code of the language table.
    property string code: ""
    property bool courant: false

    readonly property string style: courant ? "jade" : "gris"
    readonly property string montree: code !== "" ? code : Langue.systeme

    height: 7

    Texte {
        x: 150
        texte: "←"
        style: ligne.style
    }
    Row {
        id: nom
        x: 160
        // Two spaces between AUTO and the name: two advances after the band.
        spacing: 13
        Texte {
            visible: ligne.code === ""
            texte: Langue.t("AUTO")
            style: ligne.style
        }
        Texte {
            texte: Langue.nom(ligne.montree)
            langue: ligne.montree
            style: ligne.style
        }
    }
    Texte {
        x: nom.x + nom.width + 4
        texte: "→"
        style: ligne.style
    }
}
