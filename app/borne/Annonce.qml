import QtQuick 2.15
import Tessimora 1.0
import "../ecran"

// The ACHIEVEMENT banner at the top of the screen: one unlock at a time, each
// for 3 s, in the order of the unlocks. Titles are translated when queued.
Item {
    id: annonce

    // Titles waiting, and the one shown (empty when hidden).
    property var file: []
    property string titre: ""

    // For automated drivers.
    readonly property alias minuterie: duree

    visible: titre !== ""
    width: Math.max(entete.width, nom.width) + 30
    height: 25
    x: Math.floor((384 - width) / 2)
    y: 3

    // Queues the banner of achievement `id`; an id outside the catalogue
    // shows nothing.
    function annoncer(id) {
        var d = Succes.PAR_ID[id]
        if (!d)
            return
        file = file.concat([Langue.t(d.en.titre)])
        if (!duree.running)
            suivant()
    }

    function suivant() {
        if (file.length === 0) {
            titre = ""
            return
        }
        titre = file[0]
        file = file.slice(1)
        duree.restart()
        // SPEECH says the banner as it shows: ACHIEVEMENT and its title.
        Parole.entree(["ACHIEVEMENT", {}, titre])
    }

    Timer {
        id: duree
        interval: 3000
        onTriggered: annonce.suivant()
    }

    Rectangle {
        anchors.fill: parent
        color: "#2a0a1c"
        opacity: 0.9
    }

    Anim {
        x: 5
        y: 5
        nom: "ecrans_lampion_allume"
    }

    Texte {
        id: entete
        x: 25
        y: 4
        texte: { Langue.revision; return Langue.t("ACHIEVEMENT") }
        style: "jade"
    }

    Texte {
        id: nom
        x: 25
        y: 14
        texte: annonce.titre
        style: "or"
    }
}
