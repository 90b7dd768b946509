import QtQuick 2.15

// The box's application root has its screen's size; on a desktop the window
// resizes it to fit.
Item {
    width: 1280
    height: 720
}
