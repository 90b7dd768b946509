import QtQuick 2.15
import Tessimora 1.0
import "../ecran"

// One posed effect of the effects layer: a strip placed by its anchor, held
// back `delai` ms, moved by (dx, dy) and optionally faded over its life, then
// handed back to its pool. Its life, place and fade are `EffetPose`'s; this
// adds the strip and, for a logo with a `titre` the language translates, the
// text shown instead of the English strip.
EffetPose {
    id: eph

    property alias nom: bande.nom
    property var reserve: null
    property string titre: ""
    property int echelle: 2
    // Shown on its first frame only (a flash under calm motion).
    property bool fige: false

    readonly property bool traduit: {
        Langue.revision
        return Langue.traduit(titre)
    }
    // Logos are centred in their layer, which is a half screen on a duel
    // board; long translations shrink to fit it less 8 pixels, never below
    // scale 1.
    readonly property real largeurCouche: reserve && reserve.width > 0 ? reserve.width : 384
    readonly property int echelleTexte: texte.width > 0
        ? Math.max(1, Math.min(echelle, Math.floor((largeurCouche - 8) / texte.width))) : 1

    origineX: bande.origineX
    origineY: bande.origineY
    dureeBande: bande.d[2] * bande.d[3]
    width: bande.width
    height: bande.height

    // Shown on frame 0, then the strip plays once from the start.
    onMontre: {
        bande.currentFrame = 0
        if (!fige && bande.d[2] > 1 && bande.d[3] > 0)
            bande.rejouer()
    }
    onFinie: if (reserve) reserve.rendre(eph); else arreter()
    // A free item's strip stops, so a pooled looping strip costs nothing.
    onEnJeuChanged: if (!enJeu) bande.running = false

    Anim {
        id: bande
        // A once-only strip holds its last frame until the life ends.
        tenir: true
        running: false
        visible: !eph.traduit
    }
    Texte {
        id: texte
        visible: eph.traduit
        texte: eph.traduit ? Langue.t(eph.titre) : ""
        style: "or"
        scale: eph.echelleTexte
        transformOrigin: Item.TopLeft
        // Centred in the layer, at the logo's height. Only a shown text
        // follows the effect's moves: strips move every frame.
        x: eph.traduit ? Math.floor((eph.largeurCouche - width * eph.echelleTexte) / 2) - eph.x : 0
        y: 0
    }
}
