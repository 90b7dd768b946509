import QtQuick 2.15
import QtQuick.Window 2.15

// Two versions of the screen in one process, for timing one against the
// other on a busy machine: the Ecran of each folder of --ecrans=A,B shows the
// still native picture --image=PNG (with a block moving over it, so that
// every frame is drawn afresh) with the tube settings --reglages=JSON, and
// they take turns in the window. Each turn settles for 0.4 s, then counts its
// frames for 1.2 s between a TESSIMORA_DEBUT line and a TESSIMORA_FIN line
// (version, frames). Loaded as the game's root scene (alterner.py).
Item {
    id: alterner

    function argument(nom) {
        const a = Qt.application.arguments
        for (let i = 0; i < a.length; ++i)
            if (a[i].startsWith("--" + nom + "=")) return a[i].substring(nom.length + 3)
        return ""
    }

    readonly property var dossiers: argument("ecrans").split(",")
    property int courant: 0
    property int prets: 0
    property int images: 0
    property bool compte: false

    Repeater {
        model: alterner.dossiers
        Loader {
            anchors.fill: parent
            visible: index === alterner.courant
            Component.onCompleted: {
                const r = alterner.argument("reglages")
                setSource(Qt.resolvedUrl("file://" + modelData + "/Ecran.qml"),
                          { reglages: r ? JSON.parse(r) : null })
            }
            onLoaded: {
                image.createObject(item.natif)
                bloc.createObject(item.natif)
                if (++alterner.prets === alterner.dossiers.length) {
                    console.log("TESSIMORA_PRET")
                    tour.start()
                }
            }
        }
    }

    Component {
        id: image
        Image { source: "file://" + alterner.argument("image"); smooth: false }
    }
    Component {
        id: bloc
        Rectangle {
            width: 16
            height: 16
            y: 104
            color: "#ffd870"
            NumberAnimation on x { from: 0; to: 368; duration: 2000; loops: Animation.Infinite }
        }
    }

    Connections {
        target: alterner.Window.window
        function onFrameSwapped() { if (alterner.compte) alterner.images += 1 }
    }

    Timer {
        id: tour
        interval: 400
        onTriggered: {
            if (!alterner.compte) {
                alterner.images = 0
                alterner.compte = true
                console.log("TESSIMORA_DEBUT " + alterner.courant)
                interval = 1200
            } else {
                alterner.compte = false
                console.log("TESSIMORA_FIN " + alterner.courant + " " + alterner.images)
                alterner.courant = (alterner.courant + 1) % alterner.dossiers.length
                interval = 400
            }
            start()
        }
    }
}
