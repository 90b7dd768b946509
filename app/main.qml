import QtQuick 2.15
import fbx.application 1.0
import Tessimora 1.0
import "ecran"
import "son"
import "borne"

// The root scene: it creates the memory, the platform layer, the sounds and
// the screen holding the cabinet, routes every key through `touche`, and
// saves everything when the application quits or goes to the background.
Application {
    id: app

    readonly property string systeme: typeof tessimoraHote === "string" ? tessimoraHote
                                                                            : "freebox"

    // Qt's key code of the letter C: the CRT look's own key, before anything else.
    readonly property int toucheCrt: 0x43

    Memoire {
        id: memoire
        objectName: "memoire"
        fournisseur: couche.fournisseur
        // The language loads on a later turn: the scene may be gone by then.
        onLu: Langue.choisir(memoire.reglages.jeu.langue, function () { if (borne) borne.demarrer() })
    }

    Plateforme {
        id: couche
        objectName: "couche"
        memoire: memoire
        borne: borne
        onDebloque: function (id) { if (!couche.annonceFournisseur) borne.annoncer(id) }
        onSurcouche: function (ouverte) { if (ouverte) borne.mettrePause() }
    }

    Sons {
        id: sons
        volumeMusique: memoire.reglages.son.musique
        volumeBruitages: memoire.reglages.son.effets
    }

    Ecran {
        id: ecran
        objectName: "ecran"
        anchors.fill: parent
        reglages: memoire.reglages.crt
        affichage: memoire.reglages.crt.affichage
        boite: app.systeme === "freebox"
        routeur: app.touche
        onAppui: function (x, y, bouton) {
            if (app.systeme === "android") borne.appareil = "tactile"
            borne.appui(x, y, bouton)
        }
        onRelache: function (x, y) { borne.relache(x, y) }
        onGlisse: function (x, y) { borne.glisse(x, y) }
        onSurvol: function (x, y) { borne.survol(x, y) }
        onMolette: function (pas) { borne.action(pas > 0 ? "hint" : "mix", 1) }

        Borne {
            id: borne
            objectName: "borne"
            memoire: memoire
            sons: sons
            modeEcran: ecran.mode
            couche: couche
            systeme: app.systeme
            tele: typeof tessimoraTele === "boolean" ? tessimoraTele : false
            onQuitter: {
                memoire.garderTout()
                Qt.quit()
            }
        }
    }


    function touche(e, appui) {
        // The cabinet sees the raw code first: a key awaited by CONTROLS is
        // taken there, the C key too (refused as a key to give); otherwise
        // nothing is consumed and C still switches the tube. An auto-repeat
        // is no new key: the OK that opened the wait, held, must not answer it.
        if (appui && !e.isAutoRepeat && borne.toucheBrute(e.key)) return true
        if (e.key === toucheCrt) {
            if (appui && !e.isAutoRepeat) {
                var r = Stockage.lireReglages(Stockage.ecrireReglages(memoire.reglages))
                r.crt.actif = !r.crt.actif
                memoire.reglages = r
                memoire.garderReglages()
            }
            return true
        }
        if (borne.duelADeux) {
            var d = Commandes.actionDuel(e.key)
            if (!d) return false
            if (appui && (!e.isAutoRepeat || Commandes.direction(d.action)))
                borne.action(d.action, d.joueur)
            return true
        }
        var a = Commandes.action(e.key, (e.modifiers & Qt.ControlModifier) !== 0)
        if (a === "") return false
        return appui ? borne.touchePressee(a, e.isAutoRepeat)
                     : borne.toucheRelachee(a, e.isAutoRepeat)
    }

    function handleUrl(action, url, mediaType) { return false }

    Connections {
        target: Qt.application
        ignoreUnknownSignals: true
        function onAboutToQuit() { memoire.garderTout() }
        function onStateChanged() {
            var s = Qt.application.state
            if (s === Qt.ApplicationSuspended || s === Qt.ApplicationHidden
                    || (s === Qt.ApplicationInactive && app.systeme === "android")) {
                borne.mettrePause()
                if (s !== Qt.ApplicationInactive) memoire.garderTout()
            }
        }
    }

    Component.onCompleted: console.log("TESSIMORA_PRET")
}
