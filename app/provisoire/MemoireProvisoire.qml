import QtQuick 2.15
import fbx.application 1.0

// Stands in for the durable memory until it lands: it keeps the start order
// (records read one event-loop turn after start, then `lu`) and default
// settings, and stores nothing.
Item {
    id: memoire
    property var fournisseur: null
    property var reglages: ({
        jeu: { langue: "" },
        son: { musique: 70, effets: 80 },
        crt: { actif: true, affichage: "" }
    })
    signal lu()

    function garderTout() {}
    function garderReglages() {}

    Settings {
        onReady: memoire.lu()
    }
}
