import QtQuick 2.15

// Stands in for the native screen until it lands: it fills the window, holds
// the keyboard focus and hands every key to the root's router.
Item {
    id: ecran
    property var reglages
    property string affichage
    property bool boite: false
    property string mode: "entier"
    property var routeur: null

    signal appui(real x, real y, int bouton)
    signal relache(real x, real y)
    signal glisse(real x, real y)
    signal survol(real x, real y)
    signal molette(int pas)

    focus: true
    Keys.onPressed: event.accepted = routeur ? routeur(event, true) : false
    Keys.onReleased: event.accepted = routeur ? routeur(event, false) : false
}
