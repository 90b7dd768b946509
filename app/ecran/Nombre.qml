import QtQuick 2.15
import Tessimora 1.0

// Big score digits, one frame of the style's digit strip per character on a
// 13-pixel advance. Characters the strip does not have show its first frame;
// a style the digits do not have shows white.
DessinNombre {
    base: Qt.resolvedUrl("../")
}
