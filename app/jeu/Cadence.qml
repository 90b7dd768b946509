import QtQuick 2.15
import Tessimora 1.0

// The beat of a game item: a 16 ms timer while the item's clock runs or a
// timed step waits, the timed steps themselves (READY and GO, the end
// notices, the smoke lifting...) on the item's own watch, the length of each
// frame, and the pause, which holds all of it back. Tests turn the timer off
// (`automatique`), replace the watch and call `battre()` themselves.
QtObject {
    id: cadence

    property var montre: function () { return Date.now() }
    property bool automatique: true
    // The item's clock runs: beat even with no step waiting.
    property bool actif: false
    // No beat at all; once it ends, the waiting steps are put off by as long
    // as it lasted and the next frame counts as a first one.
    property bool enPause: false
    // Script garbage is collected while this holds (see below).
    property bool collecte: false

    // When the last frame was counted, 0 for none.
    readonly property real dernier: etat.dernier
    readonly property bool enAttente: echeancier.enAttente

    // Each beat out of pause, once the steps then due have run.
    signal battement(real maintenant)
    // The pause has just ended after `duree` ms.
    signal reprise(real duree)

    function battre() {
        if (enPause)
            return
        var maintenant = montre()
        echeancier.executer(maintenant)
        battement(maintenant)
    }

    // The length of the frame ending `maintenant`, and it becomes the last.
    function pas(maintenant) {
        var dt = Etape.pasHorloge(etat.dernier, maintenant)
        etat.dernier = maintenant
        return dt
    }
    // The next frame counts as a first one.
    function repartir() { etat.dernier = 0 }

    function plusTard(ms, f) { echeancier.plusTard(ms, f) }
    function annuler() { echeancier.annuler() }

    onEnPauseChanged: {
        if (enPause) {
            etat.debutPause = montre()
            return
        }
        var duree = montre() - etat.debutPause
        echeancier.decaler(duree)
        etat.dernier = 0
        reprise(duree)
    }

    readonly property QtObject etat: QtObject {
        property real dernier: 0
        property real debutPause: 0
    }

    readonly property Echeancier echeancier: Echeancier { montre: cadence.montre }

    readonly property Timer minuterie: Timer {
        interval: 16
        repeat: true
        running: cadence.automatique && !cadence.enPause && (cadence.actif || cadence.enAttente)
        onTriggered: cadence.battre()
    }

    // The script engine's collector stops everything while it runs (a few
    // milliseconds here). Left to itself it starts when the heap must grow,
    // which is most often inside the busiest beat, the one of a removal with
    // all its effects. Collecting every 1.5 s of play in an event of its own
    // keeps it out of the beats.
    readonly property Timer ramasseur: Timer {
        interval: 1500
        repeat: true
        running: cadence.collecte
        onTriggered: gc()
    }
}
