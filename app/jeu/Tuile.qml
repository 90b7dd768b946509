import QtQuick 2.15
import "../ecran"

// One tile of a stack: its shaded image or jade back, the see-through peek
// image, the gold or pink face of a selected or hinted tile, and the three
// short strips (glint, pulse, flip). Which state applies is decided by the
// board's rules; the tile only shows it.
Item {
    id: tuile

    property int motif: 0
    property int couche: 0
    property bool voilee: false
    // 0 normal, 1 selected, 2 hinted.
    property int etat: 0
    property bool transparente: false

    // Layers 3 and above share the brightest of the four shades.
    readonly property int teinte: Math.max(0, Math.min(couche, 3))
    readonly property bool surlignee: etat > 0 && !voilee && !transparente

    width: 19
    height: 24

    function chemin(nom) {
        return Qt.resolvedUrl("../images/tuiles/" + nom + ".png")
    }

    // The tile keeps its image while hidden: a removed tile costs no image
    // lookup, and one put back by UNDO shows at once.
    Image {
        id: image
        visible: !tuile.transparente
        source: tuile.chemin(tuile.teinte + "_" + (tuile.voilee ? 42 : tuile.motif))
        smooth: false
    }
    Image {
        id: apercu
        visible: tuile.transparente
        source: visible ? tuile.chemin("apercu_" + tuile.motif) : ""
        smooth: false
    }
    Image {
        id: face
        visible: tuile.surlignee
        source: visible ? tuile.chemin((tuile.etat === 1 ? "prise_" : "indice_") + tuile.motif) : ""
        smooth: false
    }
    Anim {
        id: reflet
        nom: "tuiles_reflet_prise"
        visible: tuile.etat === 1 && !tuile.voilee
        // Played once per pick, then back on its first frame: the sweep
        // does not stay on the face.
        // Started only by a pick: a whole stack of idle strips would cost frames.
        running: false
    }
    Anim {
        id: pouls
        nom: "tuiles_pouls_indice"
        visible: tuile.etat === 2 && !tuile.voilee
        running: visible
    }
    Anim {
        id: retournement
        nom: "tuiles_retournement"
        visible: false
        tenir: true
        running: false
    }
    Timer {
        id: finRetournement
        interval: 200
        onTriggered: retournement.visible = false
    }

    // The glint plays again each time the tile is picked.
    onEtatChanged: if (etat === 1) reflet.rejouer()
    // A veil lifting is the one animation a tile starts by itself.
    onVoileeChanged: {
        if (!voilee && visible) {
            retournement.visible = true
            retournement.rejouer()
            finRetournement.restart()
        }
    }

    // Read by tests and scenes that want to know which strip shows.
    readonly property bool reflete: reflet.visible
    readonly property alias bandeReflet: reflet
    readonly property bool pulse: pouls.visible && pouls.running
    readonly property bool retourne: retournement.visible
}
