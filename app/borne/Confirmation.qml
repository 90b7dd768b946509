import QtQuick 2.15
import Tessimora 1.0
import "../ecran"

// A yes-or-no question over the scene, NO lit first.
Item {
    id: confirmation
    property string question: ""
    property string detail: ""
    property var touches: ({})
    property bool oui: false
    property bool ouverte: false

    signal reponse(bool choix)

    width: 384
    height: 224
    visible: ouverte

    function ouvrir() {
        oui = false
        ouverte = true
    }

    function repondre(choix) {
        ouverte = false
        reponse(choix)
    }

    function action(a) {
        if (!ouverte)
            return false
        if (a === "gauche" || a === "droite")
            oui = !oui
        else if (a === "ok")
            repondre(oui)
        else if (a === "retour")
            repondre(false)
        return true
    }

    function appui(x, y) {
        if (y < 118 || y > 140)
            return
        if (x >= 120 && x < 184)
            repondre(true)
        else if (x >= 200 && x < 264)
            repondre(false)
    }

    Rectangle {
        anchors.fill: parent
        color: "#c0100a20"
    }

    Rectangle {
        x: 40
        y: 72
        width: 304
        height: 84
        color: "#241a48"
        border.color: "#f2c14e"
    }

    Texte {
        y: 84
        x: Math.floor((384 - width) / 2)
        texte: { Langue.revision; return Langue.t(confirmation.question) }
        style: "or"
    }

    Texte {
        y: 100
        x: Math.floor((384 - width) / 2)
        texte: { Langue.revision; return Langue.t(confirmation.detail) }
        style: "gris"
    }

    Texte {
        y: 124
        x: 152 - Math.floor(width / 2)
        texte: { Langue.revision; return Langue.t("YES") }
        style: confirmation.oui ? "or" : "gris"
    }

    Texte {
        y: 124
        x: 232 - Math.floor(width / 2)
        texte: { Langue.revision; return Langue.t("NO") }
        style: confirmation.oui ? "gris" : "or"
    }

    Texte {
        y: 144
        x: Math.floor((384 - width) / 2)
        texte: {
            Langue.revision
            var t = confirmation.touches || {}
            return Langue.t("{gauche} {droite} CHOOSE   {ok} OK   {retour} NO",
                            { gauche: t.gauche, droite: t.droite, ok: t.ok, retour: t.retour })
        }
        style: "gris"
    }
}
