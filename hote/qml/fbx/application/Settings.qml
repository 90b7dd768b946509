import QtQuick 2.15
import Tessimora 1.0

// The box's durable store, here the application's settings file (the same
// file and format Qt.labs.settings keeps). `ready` comes after completion, on
// a later turn of the event loop, once the stored values have been read, so
// that readers never take the defaults for them. A change is written at once.
// (No helper property may live here: every property of a Settings is stored.)
Magasin {
    id: reglages
    category: "tessimora"

    signal ready()

    Component.onCompleted: Qt.callLater(reglages.ready)
}
