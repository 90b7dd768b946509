import QtQuick 2.15
import Tessimora 1.0
import "../ecran"

// One posed effect of the effects layer: a strip placed by its anchor, held
// back `delai` ms, moved by (dx, dy) and optionally faded over its life, then
// handed back to its pool. A logo with a `titre` the language translates
// shows that text instead of the English strip.
Item {
    id: eph

    property alias nom: bande.nom
    property real px: 0
    property real py: 0
    property real dx: 0
    property real dy: 0
    property int delai: 0
    // 0: the strip's own length.
    property int vie: 0
    property bool fondu: false
    property real t: 0
    property var reserve: null
    property bool enJeu: false
    property string titre: ""
    property int echelle: 2

    readonly property int vieReelle: vie > 0 ? vie : Math.max(16, bande.d[2] * bande.d[3])
    readonly property bool traduit: {
        Langue.revision
        return Langue.traduit(titre)
    }
    // Long translations shrink to fit 376 pixels, never below scale 1.
    readonly property int echelleTexte: texte.width > 0
        ? Math.max(1, Math.min(echelle, Math.floor(376 / texte.width))) : 1

    // The place follows the anchor, the move and the progress, but is set
    // by `placer` rather than bound: posing sets six members at once, and a
    // binding would move the item after each of them.
    function placer() {
        x = Math.floor(px + dx * t - bande.origineX + 0.5)
        y = Math.floor(py + dy * t - bande.origineY + 0.5)
    }
    onTChanged: placer()
    width: bande.width
    height: bande.height
    visible: false
    opacity: fondu ? Math.min(1, 2 - 2 * t) : 1

    function lancer() {
        vie_.stop()
        t = 0
        placer()
        visible = false
        bande.running = false
        enJeu = true
        vie_.start()
    }
    function arreter() {
        vie_.stop()
        bande.running = false
        visible = false
        enJeu = false
    }
    function montrer() {
        bande.currentFrame = 0
        visible = true
        if (bande.d[2] > 1 && bande.d[3] > 0)
            bande.rejouer()
    }

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
        // Centred on the native screen, at the logo's height. Only a shown
        // text follows the effect's moves: strips move every frame.
        x: eph.traduit ? Math.floor((384 - width * eph.echelleTexte) / 2) - eph.x : 0
        y: 0
    }

    SequentialAnimation {
        id: vie_
        PauseAnimation {
            duration: Math.max(0, eph.delai)
        }
        ScriptAction {
            script: eph.montrer()
        }
        NumberAnimation {
            target: eph
            property: "t"
            from: 0
            to: 1
            duration: eph.vieReelle
        }
        ScriptAction {
            script: if (eph.reserve) eph.reserve.rendre(eph); else eph.arreter()
        }
    }
}
