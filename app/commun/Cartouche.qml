import QtQuick 2.15

// A dark backing under lines of pixel text drawn over a busy picture
// (lanterns, stalls, sprites), so that they read whatever lies behind. It
// covers the box of every visible, non-empty item of `autour` (items of the
// same parent as the backing), widened by `marge` and by what pixel glyphs
// overhang their cap-height box (`dessus` above, `dessous` below, one pixel
// on the left). Set it just before those items, so that it lies under them.
Rectangle {
    id: cartouche

    property var autour: []
    property int marge: 2
    property int dessus: 4
    property int dessous: 3

    // [left, top, right, bottom] of what it covers, or null.
    readonly property var boite: {
        var g = Infinity, h = Infinity, d = -Infinity, b = -Infinity
        for (var i = 0; i < autour.length; ++i) {
            var it = autour[i]
            if (!it || !it.visible || it.width <= 0)
                continue
            g = Math.min(g, it.x - 1)
            h = Math.min(h, it.y - dessus)
            d = Math.max(d, it.x + it.width)
            b = Math.max(b, it.y + it.height + dessous)
        }
        return g === Infinity ? null : [g, h, d, b]
    }

    visible: boite !== null
    x: boite ? boite[0] - marge : 0
    y: boite ? boite[1] - marge : 0
    width: boite ? boite[2] - boite[0] + 2 * marge : 0
    height: boite ? boite[3] - boite[1] + 2 * marge : 0
    color: "#0c0618"
    opacity: 0.72
}
