import QtQuick 2.15
import Tessimora 1.0

// The incense-stick clock: the stick burns from the left, ash dots behind the
// ember, a wisp of smoke above it and the censer at the right end. Drawn in
// single pixels so it stays crisp at every scale.
Item {
    id: encens

    // Share of time left; drawn clamped to 0..1.
    property real reste: 1
    property bool urgence: false
    // Ember blink phase while urgent.
    property bool bat: false
    property int longueur: 160
    property real phase: 0

    readonly property real resteBorne: Math.max(0, Math.min(1, reste))
    readonly property int braise: Pixel.arrondi((1 - resteBorne) * longueur)

    width: longueur + 14
    height: 16

    Rectangle {
        x: encens.braise
        y: 10
        width: Math.max(0, encens.longueur - encens.braise)
        height: 1
        color: "#b07a3a"
    }
    Rectangle {
        x: encens.braise
        y: 11
        width: Math.max(0, encens.longueur - encens.braise)
        height: 1
        color: "#7a4a1e"
    }
    // Every ash dot exists from the start and shows once the ember has passed
    // it: a count that grew as the stick burns would rebuild them all.
    Repeater {
        id: cendres
        model: Math.ceil(encens.longueur / 3)
        Rectangle {
            visible: 3 * index < encens.braise
            x: 3 * index
            y: 12
            width: 1
            height: 1
            color: "#6a6a78"
        }
    }
    Item {
        id: braise
        x: encens.braise
        y: 10
        width: 2
        height: 2
        Rectangle { x: 0; y: 0; width: 1; height: 1; color: encens.bat ? "#ff3a2a" : "#ffe060" }
        Rectangle { x: 1; y: 0; width: 1; height: 1; color: encens.bat ? "#ffe060" : "#ff8a20" }
        Rectangle { x: 0; y: 1; width: 1; height: 1; color: "#ff5a20" }
        Rectangle { x: 1; y: 1; width: 1; height: 1; color: "#c83a1a" }
    }
    Repeater {
        id: fumee
        model: 18
        Rectangle {
            visible: (7 * index) % 5 !== 0
            x: encens.braise + Pixel.arrondi(3 * Math.sin(index / 3 + encens.phase)) + Math.floor(index / 9)
            y: 8 - index
            width: 1
            height: 1
            color: index < 10 ? "#c8c0d8" : "#7a6a98"
        }
    }
    Repeater {
        id: encensoir
        model: 6
        Rectangle {
            x: encens.longueur - 2 + Pixel.arrondi(0.5 * index)
            y: 9 + index
            width: 14 - Pixel.arrondi(1.2 * index)
            height: 1
            color: index === 0 ? "#ffd870" : "#b08a3a"
        }
    }

    // The smoke drifts while the stick burns: a paused game (whose clock
    // stands still) draws no frame for it.
    property bool brule: false
    onResteChanged: { brule = true; braiseEteinte.restart() }
    Timer {
        id: braiseEteinte
        interval: 250
        onTriggered: encens.brule = false
    }
    // Stepped ten times a second, as the sprite strips step, rather than at
    // the display's rate: each step moves its pixels, and nothing between.
    Timer {
        interval: 100
        repeat: true
        running: encens.visible && encens.brule
        onTriggered: encens.phase = (encens.phase + 6.2832 * 100 / 2400) % 6.2832
    }
    Timer {
        // Calm motion keeps the ember's blink under three flashes a second.
        interval: Mouvement.demiPeriode(120)
        repeat: true
        running: encens.urgence && encens.visible
        onTriggered: encens.bat = !encens.bat
        // The ember is never left in its alternate colours.
        onRunningChanged: if (!running) encens.bat = false
    }
}
