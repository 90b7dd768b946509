import QtQuick 2.15
import "../ecran"

// One tile of a stack: its shaded image or jade back, the see-through peek
// image, the gold or pink face of a selected or hinted tile, and the three
// short strips (glint, pulse, flip). Which state applies is decided by the
// board's rules; the tile only shows it. With TILES CLEAR (`claires`) every
// image comes from the clear set, and a picked or hinted tile also wears
// the shape of its state (a frame, four corners), so it is not told by
// colour alone.
Item {
    id: tuile

    property int motif: 0
    property int couche: 0
    property bool voilee: false
    // 0 normal, 1 selected, 2 hinted.
    property int etat: 0
    property bool transparente: false
    // The clear set: large corner indices, colours kept apart for every eye.
    property bool claires: false

    // Layers 3 and above share the brightest of the four shades.
    readonly property int teinte: Math.max(0, Math.min(couche, 3))
    readonly property bool surlignee: etat > 0 && !voilee && !transparente

    width: 19
    height: 24

    function chemin(nom) {
        return Qt.resolvedUrl("../images/tuiles/" + (claires ? "clair_" : "") + nom + ".png")
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
        // Its pink frame would hide the shape of the hint's corners in CLEAR,
        // where the corners themselves pulse.
        visible: tuile.etat === 2 && !tuile.voilee && !tuile.claires
        running: visible
    }
    // The shape of the state, over the face and its strips. It stays on a
    // see-through tile, where the tinted face is not drawn.
    Image {
        id: marque
        visible: tuile.claires && tuile.etat > 0 && !tuile.voilee
        source: visible ? tuile.chemin(tuile.etat === 1 ? "marque_prise" : "marque_indice") : ""
        smooth: false
        // The hint's corners breathe at the pulse's pace, a fade with no flash.
        SequentialAnimation on opacity {
            id: souffle
            running: marque.visible && tuile.etat === 2
            loops: Animation.Infinite
            onStopped: marque.opacity = 1
            NumberAnimation { to: 0.55; duration: 266 }
            NumberAnimation { to: 1; duration: 266 }
        }
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
    readonly property bool pulse: (pouls.visible && pouls.running) || souffle.running
    readonly property bool retourne: retournement.visible
    readonly property bool marquee: marque.visible
}
