import QtQuick 2.15

// The dithered veil behind menus and text screens: every other pixel darkened.
Image {
    width: 384
    height: 224
    source: Qt.resolvedUrl("../images/anim/ecrans_trame.png")
    fillMode: Image.Tile
    smooth: false
}
