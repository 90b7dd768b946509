import QtQuick 2.15
import Tessimora 1.0
import "../ecran"

// The stage title of the start: the logo strip and big digits in English,
// the translated text at twice its size, centred on the screen, otherwise.
Item {
    // The stage as shown, "01" .. "12".
    property string numero: "01"

    Anim { visible: Langue.code === "en"; nom: "effets_logo_stage"; x: 146; y: 62 }
    Nombre {
        visible: Langue.code === "en"
        x: 214; y: 62
        texte: parent.numero
        style: "or"
    }
    Texte {
        visible: Langue.code !== "en"
        scale: 2
        transformOrigin: Item.TopLeft
        x: Math.floor((384 - 2 * width) / 2)
        y: 62
        style: "or"
        texte: { Langue.revision; return Langue.t("STAGE {n}", {n: parent.numero}) }
    }
}
