import QtQuick 2.15
import Tessimora 1.0 as T

// The backdrop band shown around the game picture: the night market frozen on
// the first frame of every strip, twice the screen's width, joining seamlessly
// with itself. Laid out once; it never moves.
Item {
    id: marge

    property real eclat: 0.6   // dimmed so that the game stays in front
    property bool miroir: false

    width: 768
    height: 224

    // Night sky under everything: all that shows while the art is missing.
    Rectangle {
        anchors.fill: parent
        gradient: Gradient {
            GradientStop { position: 0.0; color: "#070618" }
            GradientStop { position: 0.6; color: "#1c1440" }
            GradientStop { position: 1.0; color: "#2a1a3a" }
        }
    }

    Repeater {
        model: T.Crt.piecesMarge()
        delegate: Image {
            required property var modelData
            x: modelData.x
            y: modelData.y
            width: modelData.largeur
            height: modelData.hauteur
            source: modelData.source
            sourceClipRect: Qt.rect(0, 0, modelData.largeur, modelData.hauteur)
            smooth: false
            asynchronous: false
        }
    }
}
