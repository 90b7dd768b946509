import QtQuick 2.15

// Glow pre-pass at the picture's own resolution. `texture` is what the tube
// pass reads; it is only refreshed while `actif`, so a look without glow
// costs nothing here. The picture may be one part (`zone`, in texture units)
// of a larger texture: the reads never leave that part, as if it were a
// texture of its own.
Item {
    id: halo

    property var source: null
    property bool actif: true
    property rect zone: Qt.rect(0, 0, 1, 1)
    readonly property alias texture: capture

    width: 384
    height: 224

    ShaderEffect {
        id: passe
        width: halo.width
        height: halo.height
        property var source: halo.source
        // Two picture pixels, in texture units.
        property size r: Qt.size(2 * halo.zone.width / Math.max(1, width),
                                 2 * halo.zone.height / Math.max(1, height))
        property point debut: Qt.point(halo.zone.x, halo.zone.y)
        property size etendue: Qt.size(halo.zone.width, halo.zone.height)
        // The centres of the zone's first and last texels.
        property point bas: Qt.point(halo.zone.x + r.width / 4, halo.zone.y + r.height / 4)
        property point haut: Qt.point(halo.zone.x + halo.zone.width - r.width / 4,
                                      halo.zone.y + halo.zone.height - r.height / 4)
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
