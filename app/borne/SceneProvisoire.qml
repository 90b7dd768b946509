import QtQuick 2.15
import "../ecran"

// Stands in for a scene still to be built: shows its name; Back leaves.
Rectangle {
    id: provisoire
    property string nom: ""
    signal sortie()

    width: 384
    height: 224
    color: "#100c24"

    function action(a) {
        if (a === "retour" || a === "ok" || a === "start")
            sortie()
        return true
    }

    Texte {
        y: 108
        x: Math.floor((384 - width) / 2)
        texte: provisoire.nom.toUpperCase()
        style: "gris"
    }
}
