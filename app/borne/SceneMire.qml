import QtQuick 2.15
import Tessimora 1.0
import "../ecran"

// The one-second start card.
Rectangle {
    width: 384
    height: 224
    color: "#000000"

    Texte {
        y: 108
        x: Math.floor((384 - width) / 2)
        texte: { Langue.revision; return Langue.t("BRONTELVIK PRESENTS") }
        style: "blanc"
    }
}
