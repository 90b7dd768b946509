import QtQuick 2.15

// Glow pre-pass at the picture's own resolution. `texture` is what the tube
// pass reads; it is only refreshed while `actif`, so a look without glow
// costs nothing here.
Item {
    id: halo

    property var source: null
    property bool actif: true
    readonly property alias texture: capture

    width: 384
    height: 224

    ShaderEffect {
        id: passe
        width: halo.width
        height: halo.height
        property var source: halo.source
        property size r: Qt.size(2 / Math.max(1, width), 2 / Math.max(1, height))
        blending: false
        fragmentShader: Qt.resolvedUrl("halo.frag")
    }

    ShaderEffectSource {
        id: capture
        sourceItem: passe
        hideSource: true
        visible: false
        live: halo.actif
        smooth: true
        textureSize: Qt.size(halo.width, halo.height)
    }
}
