import QtQuick 2.15
import Tessimora 1.0 as T

// The screen: holds the native 384 x 224 picture, scales it into the window
// by the display mode, fills the rest with the backdrop band, adds the tube,
// and brings the pointer back into native pixels through the same curvature.
Item {
    id: ecran

    default property alias contenu: ecranNatif.data
    property var reglages: null
    property string affichage: ""
    property bool boite: false
    // The root's key router `touche(e, appui)`: every key reaching the screen
    // goes to it, and its answer says whether the key is taken.
    property var routeur: null

    readonly property string mode: T.Affichage.mode(affichage, width, height, T.Crt.LARGEUR,
                                                     T.Crt.HAUTEUR, boite)
    readonly property var geo: T.Affichage.geometrie(mode, Math.max(1, width),
                                                     Math.max(1, height), T.Crt.LARGEUR,
                                                     T.Crt.HAUTEUR)
    readonly property real facteur: geo.sx
    readonly property alias natif: ecranNatif
    readonly property alias crt: passeCrt
    readonly property alias image: zoneImage
    // The tube values in force: all 0 while the look is off.
    readonly property var effet: T.Crt.effectifs(reglages)

    signal appui(real x, real y, int bouton)
    signal glisse(real x, real y)
    signal survol(real x, real y)
    signal relache(real x, real y)
    signal molette(int pas)

    focus: true
    Keys.onPressed: function (event) { event.accepted = routeur ? routeur(event, true) : false }
    Keys.onReleased: function (event) { event.accepted = routeur ? routeur(event, false) : false }

    // Window point to native point of the game picture, or null.
    function versNatif(x, y) {
        return T.Crt.versJeu(x, y, width, height, effet.courbure, geo)
    }

    // No black under the pass: the window is cleared to black, and the pass
    // covers every pixel without blending, so a full-window fill would only
    // cost a software renderer one more pass over the window.

    // The band is laid out once and captured once: it never changes.
    Marge {
        id: bande
    }

    ShaderEffectSource {
        id: texMarge
        sourceItem: bande
        hideSource: true
        visible: false
        smooth: true
        textureSize: Qt.size(bande.width, bande.height)
    }

    // The native screen is the only texture captured again each frame, at
    // its own 384 x 224.
    Item {
        id: ecranNatif
        width: T.Crt.LARGEUR
        height: T.Crt.HAUTEUR
        clip: true
    }

    ShaderEffectSource {
        id: texNatif
        sourceItem: ecranNatif
        hideSource: true
        visible: false
        smooth: true
        textureSize: Qt.size(ecranNatif.width, ecranNatif.height)
    }

    Crt {
        id: passeCrt
        objectName: "crt"
        anchors.fill: parent
        source: texNatif
        marge: texMarge
        eclatMarge: bande.eclat
        miroirMarge: bande.miroir ? 1 : 0
        echelle: Qt.size(ecran.geo.sx, ecran.geo.sy)
        origine: Qt.point(ecran.geo.x, ecran.geo.y)
        tailleMarge: Qt.size(bande.width, bande.height)
        natif: Qt.size(ecranNatif.width, ecranNatif.height)
        // The softening reads a quarter native pixel to each side.
        interieur: T.Crt.interieur(width, height, ecran.effet.courbure, ecran.geo,
                                   ecran.effet.actif > 0.5 ? 0.25 : 0)
        uActif: ecran.effet.actif
        uBalayage: ecran.effet.balayage
        uLueur: ecran.effet.lueur
        uCourbure: ecran.effet.courbure
        uMasque: ecran.effet.masque
        uVignette: ecran.effet.vignette
        // The shake moves the whole kept picture by whole native pixels.
        decalage: Qt.point(Math.round(T.Secousse.x * ecran.geo.sx),
                           Math.round(T.Secousse.y * ecran.geo.sy))
    }
    // The effects layers shake the picture through the screen from now on.
    Component.onCompleted: T.Secousse.prise = true
    Component.onDestruction: T.Secousse.prise = false

    Item {
        id: zoneImage
        x: ecran.geo.x
        y: ecran.geo.y
        width: ecran.geo.largeur
        height: ecran.geo.hauteur
    }

    // Over everything, so that no hidden native item ever takes the pointer:
    // the scenes only see native coordinates, through the signals.
    MouseArea {
        id: pointeur
        anchors.fill: parent
        acceptedButtons: Qt.LeftButton | Qt.RightButton | Qt.MiddleButton
        hoverEnabled: true
        cursorShape: Qt.BlankCursor

        onPressed: function (mouse) {
            const p = ecran.versNatif(mouse.x, mouse.y)
            if (p) ecran.appui(p.x, p.y, mouse.button)
        }
        onPositionChanged: function (mouse) {
            const p = ecran.versNatif(mouse.x, mouse.y)
            if (!p) return
            if (mouse.buttons !== Qt.NoButton) ecran.glisse(p.x, p.y)
            else ecran.survol(p.x, p.y)
        }
        onReleased: function (mouse) {
            const p = ecran.versNatif(mouse.x, mouse.y)
            if (p) ecran.relache(p.x, p.y)
            else ecran.relache(-1, -1)
        }
        onWheel: function (wheel) { ecran.molette(wheel.angleDelta.y > 0 ? 1 : -1) }
    }
}
