import QtQuick 2.15
import Tessimora 1.0
import "../ecran"
import "../jeu"

// The arcade cabinet: one 384 x 224 item holding the scene in front, the
// credits, the attract loop and the game in progress. Every input of the
// game comes through here (the root scene turns keys into actions first).
Item {
    id: borne
    width: 384
    height: 224

    // -- set by the root scene ------------------------------------------------
    property var memoire: null
    property var sons: null
    property string modeEcran: "entier"
    property var couche: null
    property string plateforme: "linux"
    property bool tele: false

    // -- the cabinet's own state ------------------------------------------------
    property string scene: "mire"
    property int credits: 0
    readonly property bool freePlay: !(memoire && memoire.reglages && memoire.reglages.jeu)
                                     || memoire.reglages.jeu.freePlay === true
    readonly property bool peutJouer: freePlay || credits > 0
    property bool extrasOuverts: false
    property string sorte: ""
    property string mode: "night"
    property int etape: 0
    property int continues: 0
    property int scoreTotal: 0
    property int multiplicateur: 1
    property int graine: 1
    property int graineScene: 1
    property string jour: ""
    property bool classe: true
    property int niveauIa: 1
    property string table: "night"
    property int scoreFinal: 0
    property int etapeFinale: 0
    property int neuf: -1
    property int tablesVues: 0
    property int etapesPartie: 0
    property bool retourCommandes: false
    readonly property bool bureau: plateforme === "linux" || plateforme === "macos"
    property string appareil: Commandes.appareilDe(plateforme, tele)
    readonly property var persoTouches: memoire && memoire.reglages && memoire.reglages.touches
                                        ? memoire.reglages.touches : ({})
    property int versionTouches: 0
    readonly property string familleManette: couche ? couche.manette : ""
    readonly property var touches: {
        versionTouches
        Langue.revision
        return Commandes.etiquettes(appareil, plateforme, Langue.t)
    }
    property bool demandeSortie: false
    property bool okTenu: false
    property bool okGlisse: false
    property real appuiT: 0
    property real appuiX: 0
    property real appuiY: 0

    // For automated drivers.
    readonly property alias menuDePause: menuPause
    readonly property Item sceneItem: porteScene.item
    readonly property Item partieItem: porteJeu.item
    readonly property alias confirmationSortie: confirmation
    readonly property alias minuterieAttract: attract
    readonly property alias minuterieMaintien: maintien
    readonly property alias minuterieLongue: longue

    signal quitter()

    // -- the scene table ----------------------------------------------------------
    readonly property var durees: ({ mire: 1000, titre: 8000, demo: 30000, scores: 6000,
                                     regles: 8000 })
    readonly property var avecMusiqueTitre: ["titre", "demo", "scores", "regles", "menu",
                                              "options", "commandes", "crt", "galerie", "succes"]
    readonly property var scenesDuMenu: ["options", "crt", "galerie", "sontest", "succes"]
    // The five tables the attract loop shows in turn (never paper nor parade).
    readonly property int tablesAttract: 5
    property bool demarre: false

    // -- small services -------------------------------------------------------------
    function son(id) { if (sons) sons.jouer(id) }
    function musique(id) { if (sons) sons.jouerMusique(id) }
    function evenement(ev) { if (couche) couche.evenement(ev) }

    // The rest of the first "--nom=" argument, or "".
    function argument(nom) {
        var debut = "--" + nom + "="
        var args = Qt.application.arguments
        for (var i = 0; i < args.length; ++i)
            if (args[i].indexOf(debut) === 0)
                return args[i].substring(debut.length)
        return ""
    }

    // Seeds for the demo and the duel: different on every run, on purpose.
    function nouvelleGraine() {
        var g = (graine * 1103515245 + Date.now()) % 2147483647
        if (g < 0)
            g += 2147483647
        graine = g
        return graine % 1000000 + 1
    }

    // -- scenes --------------------------------------------------------------------------
    function demarrer() {
        demarre = true
        var s = argument("scene")
        if (s === "partie" || s === "duel" || s === "glissant") {
            var defaut = s === "duel" ? "duel" : s === "glissant" ? "sliding" : "night"
            var m = argument("mode")
            lancer(m !== "" ? m : defaut, { etape: Number(argument("etape")) || 0, ia: 1 })
        } else if (s !== "") {
            aller(s)
        } else {
            aller("mire")
        }
    }

    function aller(s) {
        attract.stop()
        scene = s
        graineScene = nouvelleGraine()
        if (durees[s]) {
            attract.interval = durees[s]
            attract.start()
        }
        if (avecMusiqueTitre.indexOf(s) >= 0)
            musique("titre")
        if (["titre", "menu", "regles", "demo", "mire"].indexOf(s) >= 0)
            sorte = ""
    }

    function suiteAttract() {
        switch (scene) {
        case "mire":
        case "regles":
            aller("titre")
            break
        case "titre":
            aller("demo")
            break
        case "demo":
            table = Stockage.MODES[tablesVues % tablesAttract]
            tablesVues += 1
            neuf = -1
            aller("scores")
            break
        case "scores":
            aller(sorte === "" ? "regles" : "titre")
            break
        }
    }

    function piece() {
        credits = Math.min(9, credits + 1)
        son("credit")
        if (["demo", "scores", "regles", "mire"].indexOf(scene) >= 0)
            aller("titre")
    }

    // The hidden code: OK held on the title.
    function secret() {
        if (extrasOuverts)
            return
        extrasOuverts = true
        evenement({ type: "secret" })
        son("bonus_temps")
        son("voix_combo")
        effets.etincelles(192, 60, 12, "rose", 0)
        effets.logo("perfect", 96, 1400)
    }

    function annoncer(id) { annonce.annoncer(id) }

    function etatPresence() {
        var jeu = porteJeu.item
        return {
            scene: scene, sorte: sorte, mode: mode, etape: etape, niveauIa: niveauIa,
            multiplicateur: multiplicateur,
            // Only the sliding game has levels.
            niveau: jeu && sorte === "glissant" ? jeu.niveau : 0,
            pause: enPause()
        }
    }

    // -- the play flow (FluxPartie) ----------------------------------------------------
    function lancer(m, options) { flux.lancer(m, options) }
    function poserJeu(composant) { return flux.poserJeu(composant) }
    function abandon() { flux.abandon() }
    readonly property alias fluxPartie: flux

    // -- input routing (Routage) ---------------------------------------------------------
    function action(a, joueur) { return routage.action(a, joueur) }
    function touchePressee(a, repetee) { return routage.touchePressee(a, repetee) }
    function toucheRelachee(a, repetee) { return routage.toucheRelachee(a, repetee) }
    function toucheBrute(code) { return routage.toucheBrute(code) }
    function appui(x, y, bouton) { routage.appui(x, y, bouton) }
    function relache(x, y) { routage.relache(x, y) }
    function glisse(x, y) { routage.glisse(x, y) }
    function survol(x, y) { routage.survol(x, y) }
    function mettrePause() { routage.mettrePause() }
    function reprendre() { routage.reprendre() }
    function enPause() { return routage.enPause() }
    function phaseJeu() { return routage.phaseJeu() }
    function aideDePause(a) { routage.aideDePause(a) }
    function demanderSortie() { routage.demanderSortie() }
    function reponseSortie(oui) { routage.reponseSortie(oui) }

    Routage {
        id: routage
        borne: borne
    }

    FluxPartie {
        id: flux; z: 10
        borne: borne
        porte: porteJeu
    }

    // -- key tables ---------------------------------------------------------------------
    onPersoTouchesChanged: {
        Commandes.regler(persoTouches)
        versionTouches += 1
    }
    onFamilleManetteChanged: {
        Commandes.choisirFamille(familleManette)
        versionTouches += 1
    }
    onPlateformeChanged: appareil = Commandes.appareilDe(plateforme, tele)
    onTeleChanged: appareil = Commandes.appareilDe(plateforme, tele)
    // Trials follow the cabinet by this line: the scene (the start card is
    // the first), "pause" while the pause menu is shown, with the exit it
    // asks to confirm, and "sortie" while the title asks whether to quit.
    readonly property string trace: scene
                                    + (menuPause.visible ? " pause" + (menuPause.demande !== ""
                                                           ? " " + menuPause.demande : "") : "")
                                    + (demandeSortie ? " sortie" : "")
    onTraceChanged: console.log("TESSIMORA_SCENE " + trace)
    Component.onCompleted: {
        Commandes.regler(persoTouches)
        if (familleManette !== "")
            Commandes.choisirFamille(familleManette)
        versionTouches += 1
    }

    // -- timers ---------------------------------------------------------------------------
    Timer {
        id: attract
        onTriggered: borne.suiteAttract()
    }
    // Held long enough, OK on the title opens the hidden extras.
    Timer {
        id: maintien
        interval: Succes.MAINTIEN_RIDEAU_MS
        onTriggered: borne.secret()
    }
    // A long press on the title inserts a coin.
    Timer {
        id: longue
        interval: 1200
        onTriggered: borne.piece()
    }

    // -- layers, bottom to top ------------------------------------------------------------
    Loader {
        id: porteJeu
        anchors.fill: parent
        visible: borne.scene === "partie" || borne.scene === "continue"
                 || borne.scene === "gameover"
    }

    PorteScene {
        id: porteScene
        anchors.fill: parent
        z: 5
        borne: borne
    }

    Texte {
        z: 20
        x: 70
        y: 3
        visible: borne.scene === "partie" && borne.appareil === "tactile"
                 && borne.phaseJeu() === "jeu"
        texte: "\u23F8"
        style: "or"
    }

    // Shown exactly while a game is paused; it opens on RESUME every time.
    MenuPause {
        id: menuPause
        z: 30
        visible: borne.scene === "partie" && borne.enPause()
        sorte: borne.sorte
        bureau: borne.bureau
        aides: borne.sorte !== "duel" || borne.niveauIa >= 0
        // The stacks say whether UNDO is allowed; the duel never allows it.
        undoPermis: borne.sorte === "pile" && borne.partieItem ? borne.partieItem.undoPermis
                                                                : borne.sorte !== "duel"
        touches: borne.touches
        onVisibleChanged: if (visible) ouvrir()
        onReprendre: borne.reprendre()
        onAideJoueur: function (a) { borne.aideDePause(a) }
        onTitre: borne.abandon()
        onQuitter: borne.quitter()
        onSon: function (id) { borne.son(id) }
    }

    Confirmation {
        id: confirmation
        z: 40
        visible: borne.demandeSortie
        question: Langue.t("BLOW OUT ALL THE LANTERNS?")
        detail: Langue.t("SCORES AND OPTIONS ARE KEPT")
        touches: borne.touches
        onReponse: function (oui) { borne.reponseSortie(oui) }
        onSon: function (id) { borne.son(id) }
    }

    Annonce { id: annonce; objectName: "annonce"; z: 45 }
    // The cabinet's own effects, above everything.
    Effets {
        id: effets
        z: 50
        anchors.fill: parent
    }
}
