import QtQuick 2.15
import Tessimora 1.0 as T

// The composition and tube pass over the whole screen item. Every input is
// set by Ecran; the tube values are the effective ones (all 0 with the look off).
ShaderEffect {
    property var source: null
    property var halo: null
    property var marge: null
    property real eclatMarge: 0.6
    property real miroirMarge: 0
    property size echelle: Qt.size(1, 1)
    property point origine: Qt.point(0, 0)
    property size fenetre: Qt.size(Math.max(1, width), Math.max(1, height))
    property size tailleMarge: Qt.size(768, 224)
    property size natif: Qt.size(384, 224)
    property real uActif: 1
    property real uBalayage: 0.6
    property real uLueur: 0.4
    property real uCourbure: 0.5
    property real uMasque: 0.5
    property real uVignette: 0.5

    blending: false
    fragmentShader: T.Crt.texteShader(Qt.resolvedUrl("crt.frag"),
                                      uActif > 0.5 ? "#define TUBE 1\n" : "")
}
