import QtQuick 2.15

// Stands in for the sound player until it lands: silent.
QtObject {
    property real volumeMusique: 0
    property real volumeBruitages: 0
    function jouer(id) {}
    function jouerMusique(id) {}
    function arreterMusique() {}
}
