import QtQuick 2.15
import "../images/sprites.js" as Sprites

// Plays, or freezes on one frame of, an animation strip named in the sprite
// table. The strip's file holds its frames side by side; size, timing and
// anchor all come from the table, so a scene only ever names the strip.
AnimatedSprite {
    id: racine

    property string nom: ""
    // The table's row for the strip; a name it does not know reads as a 1 x 1
    // still strip with no image, so a wrong name shows nothing rather than failing.
    readonly property var d: {
        var r = nom !== "" ? Sprites.table.anim[nom] : undefined
        return r !== undefined ? r : [1, 1, 1, 0, 0, 0, 0]
    }
    readonly property bool connue: nom !== "" && Sprites.table.anim[nom] !== undefined
    readonly property int origineX: d[5]
    readonly property int origineY: d[6]
    // Hold: a strip played once pauses on its last frame instead of going back
    // to the first one when it ends.
    property bool tenir: false

    function rejouer() {
        if (paused)
            resume()
        restart()
    }

    width: d[0]
    height: d[1]
    source: connue ? Qt.resolvedUrl("../images/anim/" + nom + ".png") : ""
    frameWidth: d[0]
    frameHeight: d[1]
    frameCount: Math.max(1, d[2])
    // Very short durations are clamped to one display frame.
    frameDuration: Math.max(16, d[3])
    loops: d[4] === 1 ? AnimatedSprite.Infinite : 1
    running: connue && d[2] > 1 && d[3] > 0
    interpolate: false
    smooth: false

    onCurrentFrameChanged: {
        if (tenir && running && !paused && d[4] !== 1 && frameCount > 1
                && currentFrame === frameCount - 1)
            pause()
    }
}
