import QtQuick 2.15
import Tessimora 1.0

// Plays, or freezes on one frame of, an animation strip named in the sprite
// table. The strip's file holds its frames side by side; size, timing and
// anchor all come from the table, so a scene only ever names the strip. The
// player is `DessinBande`: every strip runs on the one frame clock and
// shares its image with every other player of the same strip.
DessinBande {
    base: Qt.resolvedUrl("../")
}
