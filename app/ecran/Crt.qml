import QtQuick 2.15
import Tessimora 1.0 as T

// The composition and tube pass over the whole screen item. Every input is
// set by Ecran; the tube values are the effective ones (all 0 with the look off).
// With the look on, `Tube` draws the pass into a picture it keeps, and each
// frame draws again only what reads native pixels that changed. With it off,
// the pass is one sharp read per pixel, cheaper than keeping a picture; it is
// drawn as five pieces with one shader source: the middle (`interieur`), whose
// pixels all read the native picture, takes a variant without the backdrop
// band, and the frame around it the whole pass. A software renderer pays for
// every line of a shader at every pixel, so the band is paid only where it may
// show.
Item {
    id: passe

    property var source: null       // native picture
    property var marge: null        // backdrop band
    property real eclatMarge: 0.6
    property real miroirMarge: 0
    property size echelle: Qt.size(1, 1)
    property point origine: Qt.point(0, 0)
    property size fenetre: Qt.size(Math.max(1, width), Math.max(1, height))
    property size tailleMarge: Qt.size(768, 224)
    property size natif: Qt.size(384, 224)
    // Window pixels that only ever read the native picture (crt::interieur).
    property rect interieur: Qt.rect(0, 0, 0, 0)
    property real uActif: 1
    property real uBalayage: 0.6
    property real uLueur: 0.4
    property real uCourbure: 0.5
    property real uMasque: 0.5
    property real uVignette: 0.5
    // The whole picture's offset in window pixels (the shake): the kept
    // picture, or the pieces of the pass, move; nothing is drawn again for
    // it, and the window's black shows along the edge it leaves.
    property point decalage: Qt.point(0, 0)

    readonly property bool tube: uActif >= 0.5
    readonly property string programme: T.Crt.texteShader(Qt.resolvedUrl("crt.frag"), "")
    readonly property string sommets: T.Crt.texteShader(Qt.resolvedUrl("crt.vert"), "")
    // The scales the pieces read, worked out where the tube's are.
    readonly property var echelles: T.Crt.echelles(echelle, origine, fenetre, tailleMarge, natif)

    component Morceau: ShaderEffect {
        property bool milieu: false
        readonly property var source: passe.source
        readonly property var marge: passe.marge
        readonly property real eclatMarge: passe.eclatMarge
        readonly property real miroirMarge: passe.miroirMarge
        readonly property size versNatifA: passe.echelles.versNatifA
        readonly property size versNatifB: passe.echelles.versNatifB
        readonly property size pente: passe.echelles.pente
        readonly property size decale: passe.echelles.decale
        readonly property size inverseNatif: passe.echelles.inverseNatif
        readonly property size inverseMarge: passe.echelles.inverseMarge
        readonly property size fenetre: passe.fenetre
        readonly property point coin: Qt.point(x, y)
        readonly property size taille: Qt.size(width, height)
        readonly property size tailleMarge: passe.tailleMarge
        readonly property size natif: passe.natif

        visible: !passe.tube && width > 0 && height > 0
        blending: false
        vertexShader: passe.sommets
        fragmentShader: (milieu ? "#define INTERIEUR 1\n" : "") + passe.programme
    }

    T.Tube {
        objectName: "tube"
        x: passe.decalage.x
        y: passe.decalage.y
        width: passe.width
        height: passe.height
        visible: passe.tube
        source: passe.source
        marge: passe.marge
        sommets: passe.sommets
        programme: passe.programme
        entete: T.Crt.texteShader(Qt.resolvedUrl("tube.frag"), "")
        programmeLueur: T.Crt.texteShader(Qt.resolvedUrl("../commun/ecran/halo.frag"), "")
        eclatMarge: passe.eclatMarge
        miroirMarge: passe.miroirMarge
        echelle: passe.echelle
        origine: passe.origine
        tailleMarge: passe.tailleMarge
        natif: passe.natif
        interieur: passe.interieur
        uBalayage: passe.uBalayage
        uLueur: passe.uLueur
        uCourbure: passe.uCourbure
        uMasque: passe.uMasque
        uVignette: passe.uVignette
    }

    // The pieces, moved together by the offset.
    Item {
        x: passe.decalage.x
        y: passe.decalage.y
        width: passe.width
        height: passe.height

        Morceau {
            milieu: true
            x: passe.interieur.x
            y: passe.interieur.y
            width: passe.interieur.width
            height: passe.interieur.height
        }
        // The frame: above and below across the whole width, then both sides.
        Morceau {
            width: passe.width
            height: passe.interieur.y
        }
        Morceau {
            y: passe.interieur.y + passe.interieur.height
            width: passe.width
            height: passe.height - y
        }
        Morceau {
            y: passe.interieur.y
            width: passe.interieur.x
            height: passe.interieur.height
        }
        Morceau {
            x: passe.interieur.x + passe.interieur.width
            y: passe.interieur.y
            width: passe.width - x
            height: passe.interieur.height
        }
    }
}
