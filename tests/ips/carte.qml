import QtQuick 2.15
import Tessimora 1.0 as T

// The screen alone, for comparing two versions of it pixel for pixel: the
// Ecran of the folder given by --ecran=DIR, showing the still native picture
// --image=PNG with the tube settings --reglages=JSON (a crt record), so that
// nothing moves between the grabs. Loaded as the game's root scene.
// --decalage=X,Y moves the native picture inside the native screen, as
// moving its items would; --secousse=X,Y shakes the screen's picture by as
// many native pixels, as the effects layers do.
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
            const d = carte.argument("decalage").split(",")
            if (d.length === 2) {
                image.x = Number(d[0])
                image.y = Number(d[1])
            }
            const s = carte.argument("secousse").split(",")
            if (s.length === 2) {
                T.Secousse.x = Number(s[0])
                T.Secousse.y = Number(s[1])
            }
            console.log("TESSIMORA_PRET")
        }
    }

    Image {
        id: image
        source: "file://" + carte.argument("image")
        smooth: false
    }
}
