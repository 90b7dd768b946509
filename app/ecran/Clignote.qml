import QtQuick 2.15

// Visible during one half of its period and hidden during the other.
Item {
    id: clignote
    property int periode: 900
    property bool allume: true
    default property alias contenu: dedans.data

    Item {
        id: dedans
        anchors.fill: parent
        visible: clignote.allume
    }

    Timer {
        interval: clignote.periode / 2
        repeat: true
        running: clignote.visible
        onTriggered: clignote.allume = !clignote.allume
    }
}
