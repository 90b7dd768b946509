import QtQuick 2.15

// The plain reference of the frame-rate benchmark: the least a game drawn on
// a 384 x 224 screen can ask of each frame. A small native scene that moves
// every frame is rendered into one 384 x 224 texture, and one full-window pass
// shows it with a single texture read per window pixel.
Item {
    Item {
        id: natif
        width: 384
        height: 224

        Rectangle {
            anchors.fill: parent
            gradient: Gradient {
                GradientStop { position: 0.0; color: "#070618" }
                GradientStop { position: 1.0; color: "#2a1a3a" }
            }
        }
        Rectangle {
            width: 16
            height: 16
            y: 104
            color: "#ffd870"
            NumberAnimation on x {
                from: 0
                to: 368
                duration: 2000
                loops: Animation.Infinite
            }
        }
    }

    ShaderEffectSource {
        id: texture
        sourceItem: natif
        hideSource: true
        visible: false
        smooth: true
        textureSize: Qt.size(384, 224)
    }

    ShaderEffect {
        anchors.fill: parent
        property var source: texture
        blending: false
        fragmentShader: "
            uniform sampler2D source;
            uniform lowp float qt_Opacity;
            varying highp vec2 qt_TexCoord0;
            void main() { gl_FragColor = texture2D(source, qt_TexCoord0) * qt_Opacity; }"
    }

    Component.onCompleted: console.log("TESSIMORA_PRET")
}
