import QtQuick 2.15

// The timed steps of a game item (READY and GO, the end notices, the smoke
// lifting...), on the item's own watch rather than on timers, so that a
// pause holds them back and tests run them by hand. The owner calls
// `executer` on each beat.
QtObject {
    id: echeancier

    property var montre: function () { return Date.now() }
    // Pending steps, { quand, f }.
    property var programmes: []
    readonly property bool enAttente: programmes.length > 0

    // The due time of the step being run: a step that schedules the next one
    // counts from when it was due, so chained steps do not drift by a beat.
    property real enCours: -1

    function plusTard(ms, f) {
        var l = programmes.slice()
        l.push({quand: (enCours >= 0 ? enCours : montre()) + ms, f: f})
        programmes = l
    }

    function annuler() { programmes = [] }

    // Runs every step due at `maintenant`, earliest first.
    function executer(maintenant) {
        while (true) {
            var k = -1
            for (var i = 0; i < programmes.length; ++i)
                if (programmes[i].quand <= maintenant && (k < 0 || programmes[i].quand < programmes[k].quand))
                    k = i
            if (k < 0)
                return
            var p = programmes[k]
            var l = programmes.slice()
            l.splice(k, 1)
            programmes = l
            enCours = p.quand
            p.f()
            enCours = -1
        }
    }

    // Puts every pending step off by `duree` ms (the length of a pause).
    function decaler(duree) {
        programmes = programmes.map(function (p) { return {quand: p.quand + duree, f: p.f} })
    }
}
