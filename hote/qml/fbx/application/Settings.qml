import QtQuick 2.15
import Qt.labs.settings 1.0 as Labs

// The box's durable store, here the application's settings file. `ready`
// comes one event-loop turn after completion, when the stored values have
// been read, so that readers never see the defaults by mistake.
Labs.Settings {
    id: reglages
    category: "tessimora"

    signal ready()

    property Timer _prochainTour: Timer {
        interval: 0
        onTriggered: reglages.ready()
    }

    Component.onCompleted: _prochainTour.start()
}
