import QtQuick 2.15
import Tessimora 1.0

// The arcade blink: shown half of `periode`, hidden the other half, while
// `actif`; steady otherwise. It fades by opacity, so what blinks keeps its
// place in layouts and its own visibility stays the scene's to decide.
Item {
    id: clignote
    property int periode: 900
    property bool actif: true
    property bool allume: true

    opacity: !actif || allume ? 1 : 0

    Timer {
        // Under calm motion, never three flashes a second or more.
        interval: Mouvement.demiPeriode(Math.max(1, clignote.periode / 2))
        repeat: true
        running: clignote.actif && clignote.visible
        onTriggered: clignote.allume = !clignote.allume
    }
}
