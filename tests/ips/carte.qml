import QtQuick 2.15

// The screen alone, for comparing two versions of it pixel for pixel: the
// Ecran of the folder given by --ecran=DIR, showing the still native picture
// --image=PNG with the tube settings --reglages=JSON (a crt record), so that
// nothing moves between the grabs. Loaded as the game's root scene.
Item {
    id: carte

    function argument(nom) {
        const a = Qt.application.arguments
        for (let i = 0; i < a.length; ++i)
            if (a[i].startsWith("--" + nom + "=")) return a[i].substring(nom.length + 3)
        return ""
    }

    Loader {
        id: chargeur
        anchors.fill: parent
        Component.onCompleted: {
            const r = carte.argument("reglages")
            setSource(Qt.resolvedUrl("file://" + carte.argument("ecran") + "/Ecran.qml"),
                      { reglages: r ? JSON.parse(r) : null })
        }
        onLoaded: {
            image.parent = item.natif
            console.log("TESSIMORA_PRET")
        }
    }

    Image {
        id: image
        source: "file://" + carte.argument("image")
        smooth: false
    }
}
