import QtQuick 2.15
import Tessimora 1.0
import "../jeu"

// Where every input of the cabinet goes: actions already translated from
// keys, raw key codes, presses and releases with their auto-repeat flag, and
// pointer events in native pixels. Each entry point answers whether the
// input was taken; a Back that is not taken is left to the platform, which
// closes the application on Android and the box.
//
// The calls made here are declared by what receives them: every game item
// is a Controleur (its phase, actions, presses, hover, drag, release and
// swipes); every scene the cabinet hands inputs to has `action(a)` and
// `appui(x, y)`, and CONTROLS `capturer(code)`.
QtObject {
    id: routage

    // The cabinet whose scenes, game and overlays receive the inputs.
    property EtatBorne borne: null

    // The running game, or null.
    readonly property Controleur jeu: borne ? borne.partieItem : null

    // -- pause -----------------------------------------------------------------
    function phaseJeu() {
        return jeu ? jeu.phase : ""
    }

    function enPause() { return jeu !== null && phaseJeu() === "pause" }

    function versJeu(a, joueur) {
        if (!jeu)
            return false
        return jeu.action(a, joueur) === true
    }

    function mettrePause() { if (phaseJeu() === "jeu") versJeu("start", 0) }
    function reprendre() { if (phaseJeu() === "pause") versJeu("start", 0) }

    // A help chosen in the pause menu: resume, then play it for player 1 (a
    // remote without colour keys reaches every help this way).
    function aideDePause(a) {
        reprendre()
        versJeu(a, 1)
    }

    // -- actions ---------------------------------------------------------------
    function action(a, joueur) {
        if (joueur === undefined)
            joueur = 1
        var b = borne
        if (b.demandeSortie)
            return b.confirmationSortie.action(a)
        if (a === "piece") {
            b.piece()
            return true
        }
        if (a === "ok" && !b.peutJouer && (b.scene === "titre" || b.scene === "continue")) {
            b.piece()
            return true
        }
        if (b.scene === "mire")
            return true
        if (Scenes.attract(b.scene)) {
            b.aller("titre")
            return true
        }
        if (b.scene === "titre")
            return actionTitre(a)
        if (b.scene === "partie")
            return actionPartie(a, joueur)
        var item = b.sceneItem
        var prise = item ? item.action(a) === true : false
        return prise || a === "retour"
    }

    function actionTitre(a) {
        var b = borne
        if (a === "retour") {
            if (!b.bureau)
                return false
            demanderSortie()
            return true
        }
        if (a === "ok" || a === "start") {
            if (!b.peutJouer) {
                b.son("erreur")
            } else {
                b.son("depart")
                b.aller("menu")
            }
            return true
        }
        return false
    }

    function actionPartie(a, joueur) {
        if (!jeu)
            return a === "retour"
        if (enPause())
            return borne.menuDePause.action(a)
        // Player 0 is the keyboard's shared keys (a duel tells them apart).
        var pris = versJeu(a, joueur)
        if (a === "retour" && !pris)
            mettrePause()
        return pris || a === "retour"
    }

    // -- key presses and releases ----------------------------------------------
    function touchePressee(a, repetee) {
        var b = borne
        if (b.scene === "titre" && !b.demandeSortie && (a === "ok" || a === "start") && b.peutJouer) {
            if (!repetee && !b.minuterieMaintien.running)
                b.minuterieMaintien.start()
            return true
        }
        if ((b.scene === "partie" || b.scene === "titre") && repetee && !Commandes.direction(a))
            return true
        if (b.scene === "partie" && jeu && jeu.glisseAuMaintien && !enPause()) {
            // On a remote, OK held with Left or Right slides the cursor's row.
            if (a === "ok") {
                if (b.okGlisse)
                    return true
                b.okTenu = true
            } else if (b.okTenu && b.appareil === "telecommande" && (a === "gauche" || a === "droite")) {
                b.okGlisse = true
                return action(a === "gauche" ? "glisseG" : "glisseD", 1)
            }
        }
        return action(a, 1)
    }

    function toucheRelachee(a, repetee) {
        var b = borne
        if (a === "ok" && !repetee) {
            b.okTenu = false
            b.okGlisse = false
        }
        if (b.scene === "titre" && a === "retour" && !b.bureau && !b.demandeSortie)
            return false
        // At the title a press and release before the hold timer fires starts;
        // held until it fires, the hidden code opens and the release does nothing.
        if (b.scene === "titre" && !repetee && (a === "ok" || a === "start")
                && b.minuterieMaintien.running) {
            b.minuterieMaintien.stop()
            return action(a, 1)
        }
        return true
    }

    function toucheBrute(code) {
        var b = borne
        var a = Commandes.appareil(code, b.systeme, b.appareil)
        if (a !== "")
            b.appareil = a
        var item = b.sceneItem
        if (b.scene === "commandes" && item)
            return item.capturer(code) === true
        return false
    }

    // -- pointer -----------------------------------------------------------------
    function appui(x, y, bouton) {
        var b = borne
        b.appuiT = Date.now()
        b.appuiX = x
        b.appuiY = y
        if (b.demandeSortie) {
            b.confirmationSortie.appui(x, y)
            return
        }
        if (bouton === Qt.RightButton && b.scene !== "partie") {
            action("retour", 1)
            return
        }
        if (b.scene === "titre" && b.bureau && y >= 206 && x < 80) {
            demanderSortie()
            return
        }
        if (b.scene === "partie" && enPause()) {
            b.menuDePause.appui(x, y)
            return
        }
        // The top band pauses: the touch and mouse pause.
        if (b.scene === "partie" && y < 12 && phaseJeu() === "jeu") {
            mettrePause()
            return
        }
        if (b.scene === "titre") {
            b.minuterieLongue.restart()
            return
        }
        // The test card takes no input; every other scene in front takes it.
        if (b.scene === "mire")
            return
        if (Scenes.attract(b.scene)) {
            b.aller("titre")
            return
        }
        if (b.scene === "partie") {
            if (jeu)
                jeu.appui(x, y, bouton)
            return
        }
        var item = b.sceneItem
        if (item)
            item.appui(x, y)
    }

    function relache(x, y) {
        var b = borne
        if (b.demandeSortie)
            return
        if (b.scene === "titre" && b.minuterieLongue.running) {
            b.minuterieLongue.stop()
            action("ok", 1)
            return
        }
        if (b.scene !== "partie" || !jeu)
            return
        jeu.relache()
        var g = Commandes.geste(x - b.appuiX, y - b.appuiY, Date.now() - b.appuiT)
        if (g !== "")
            jeu.geste(g)
    }

    function glisse(x, y) {
        if (borne.scene === "partie" && jeu)
            jeu.deplacePointeur(x, y)
    }

    function survol(x, y) {
        if (borne.scene === "partie" && jeu)
            jeu.survol(x, y)
    }

    // -- the title's quit ----------------------------------------------------------
    function demanderSortie() {
        borne.demandeSortie = true
        borne.confirmationSortie.ouvrir()
    }

    function reponseSortie(oui) {
        borne.demandeSortie = false
        if (oui)
            borne.quitter()
    }
}
