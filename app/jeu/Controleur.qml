import QtQuick 2.15
import Tessimora 1.0

// A game item as the cabinet sees it: a stack (ControleurPile), the sliding
// grids (Glissant) or the duel (Duel). The router hands it actions and
// pointer events, the pause menu follows its phase, tests drive its watch.
// The input handling here is the one the stack and the sliding controllers
// share; each overrides the calls marked as its own.
Item {
    id: controleur
    width: 384
    height: 224

    property var sons: null
    // "attente" (nothing dealt), "depart" (READY, GO), "jeu", "pause", "fin".
    property string phase: "attente"
    // False while the computer plays it: the player's inputs do nothing.
    property bool humain: true
    // Holding OK while pressing Left or Right slides the cursor's row, for
    // remotes that have no other way to slide (the sliding grids).
    property bool glisseAuMaintien: false
    // The tile or cell under the cursor.
    property int curseur: -1
    // Where the effects go; a test may put a recorder in its place.
    property Effets effets: null

    // The item's clock reads `montre()`, so tests drive time without
    // sleeping: they replace the watch, turn `automatique` off and beat.
    property var montre: function () { return Date.now() }
    property bool automatique: true

    // -- each item's own ------------------------------------------------------
    function battre() {}
    // The tile or cell next to `i` in direction (dx, dy), or -1.
    function voisine(i, dx, dy) { return -1 }
    // The picked tile or cell, or -1.
    function selectionnee() { return -1 }
    function prendre(i) { return null }
    function aide(nom) { return false }
    // The actions only this game has (aids, slides); true when taken.
    function actionPropre(a) { return false }
    // A press on the board, in play, that is no aid and no right button.
    function appuiPlateau(x, y, bouton) {}
    function survol(x, y) {}
    function deplacePointeur(x, y) {}
    function relache() {}
    // A swipe recognised by the router ("gauche", ...).
    function geste(g) {}
    // After a continue: the game goes on.
    function reprendre() {}
    // The player moved the cursor: SPEECH says what it is on.
    function annoncerCurseur() {}

    // -- shared ---------------------------------------------------------------
    function son(id) { if (sons) sons.jouer(id) }

    function deplacer(dx, dy) {
        if (phase !== "jeu" || curseur < 0)
            return
        var v = voisine(curseur, dx, dy)
        if (v >= 0) {
            curseur = v
            annoncerCurseur()
        }
    }

    // A pause freezes the item's timed steps too: its beat puts them off by
    // as long as the pause lasted.
    function pause(oui) {
        if (oui && phase === "jeu") {
            phase = "pause"
            if (sons) sons.pause(true)
        } else if (!oui && phase === "pause") {
            phase = "jeu"
            if (sons) sons.pause(false)
        }
    }

    // An action of player `joueur` (1 or 2): true when taken.
    function action(a, joueur) {
        if (phase === "pause") {
            if (a === "start")
                pause(false)
            return true
        }
        if (phase !== "jeu" || !humain)
            return false
        switch (a) {
        case "gauche": deplacer(-1, 0); return true
        case "droite": deplacer(1, 0); return true
        case "haut": deplacer(0, -1); return true
        case "bas": deplacer(0, 1); return true
        case "ok": prendre(curseur); return true
        case "retour":
            if (selectionnee() < 0)
                return false
            prendre(selectionnee())
            return true
        case "start": pause(true); return true
        }
        return actionPropre(a)
    }

    // A press in native pixels: a paused game resumes, the right button lets
    // the picked tile go, the middle one undoes where the game can, the
    // status bar's lanterns are HINT and MIX, the rest is the board's.
    function appui(x, y, bouton) {
        if (phase === "pause") {
            pause(false)
            return
        }
        if (phase !== "jeu" || !humain)
            return
        if (bouton === Qt.RightButton) {
            if (selectionnee() >= 0)
                prendre(selectionnee())
            return
        }
        if (bouton === Qt.MiddleButton && actionPropre("undo"))
            return
        if (y >= 196 && x < 70) {
            aide(y < 208 ? "hint" : "mix")
            return
        }
        appuiPlateau(x, y, bouton)
    }
}
