import QtQuick 2.15
import Qt.labs.settings 1.0 as Labs

// The box's durable store, here the application's settings file. `ready`
// comes after completion, on a later turn of the event loop, once the stored
// values have been read, so that readers never take the defaults for them.
// (No helper property may live here: every property of a Settings is stored.)
Labs.Settings {
    id: reglages
    category: "tessimora"

    signal ready()

    Component.onCompleted: Qt.callLater(reglages.ready)
}
