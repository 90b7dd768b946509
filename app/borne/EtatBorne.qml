import QtQuick 2.15
import Tessimora 1.0
import "../jeu"

// The cabinet's state and services as its router, its flows and its scene
// holder see them: the scene in front, the game in progress (`course`), the
// coin slot, the attract loop, the device in use, and the calls that change
// scene, play a sound or send a game event. Borne builds the cabinet on it.
Item {
    id: borne
    width: 384
    height: 224

    // -- set by the root scene ------------------------------------------------
    property var memoire: null
    property var sons: null
    property string modeEcran: "entier"
    property var couche: null
    property string systeme: "linux"
    property bool tele: false

    // -- the cabinet's own state ------------------------------------------------
    property string scene: "mire"
    // The game in progress, or the last one: its mode, stage, scores...
    readonly property Course course: Course {}
    readonly property RegleMode regle: course.regle
    // The coin slot.
    readonly property Monnayeur monnayeur: Monnayeur {
        freePlay: !(borne.memoire && borne.memoire.reglages && borne.memoire.reglages.jeu)
                  || borne.memoire.reglages.jeu.freePlay === true
    }
    readonly property int credits: monnayeur.credits
    readonly property bool freePlay: monnayeur.freePlay
    readonly property bool peutJouer: monnayeur.peutJouer
    // The attract loop's turn: the table HIGH SCORES shows.
    readonly property Attract boucle: Attract {}
    // From a game's start until the cabinet is back among the scenes that
    // know no game (the title, MODE SELECT...).
    property bool enJeu: false
    // A duel between two players at one keyboard.
    readonly property bool duelADeux: scene === "partie" && enJeu && regle.sorte === RegleMode.Duel
                                      && course.niveauIa < 0
    property bool extrasOuverts: false
    property int graineScene: 1
    // The place the last game's entry took in its table, or -1.
    property int neuf: -1
    property bool retourCommandes: false
    readonly property bool bureau: systeme === "linux" || systeme === "macos"
    property string appareil: Commandes.appareilDe(systeme, tele)
    readonly property var persoTouches: memoire && memoire.reglages && memoire.reglages.touches
                                        ? memoire.reglages.touches : ({})
    property int versionTouches: 0
    readonly property string familleManette: couche ? couche.manette : ""
    readonly property var touches: {
        versionTouches
        Langue.revision
        return Commandes.etiquettes(appareil, systeme, Langue.t)
    }
    property bool demandeSortie: false
    property bool okTenu: false
    property bool okGlisse: false
    property real appuiT: 0
    property real appuiX: 0
    property real appuiY: 0

    // The pieces the cabinet is made of, which its router and flows reach.
    property MenuPause menuDePause: null
    property Confirmation confirmationSortie: null
    property Item sceneItem: null
    property Controleur partieItem: null
    readonly property alias minuterieAttract: attract
    readonly property alias minuterieMaintien: maintien
    readonly property alias minuterieLongue: longue

    signal quitter()

    // The ACCESS settings, null until the memory is read.
    readonly property var acces: memoire && memoire.reglages ? memoire.reglages.acces : null
    // TILES CLEAR, for every board, the gallery and the demo.
    readonly property bool tuilesClaires: !!(acces && acces.tuilesClaires)

    // MOTION follows the settings at once, for every effects layer and
    // whatever shakes or blinks.
    Binding {
        target: Mouvement
        property: "calme"
        value: !!(borne.acces && borne.acces.mouvementCalme)
    }

    // SPEECH follows the settings at once, like the volumes and the keys.
    Binding {
        target: Parole
        property: "actif"
        value: !!(borne.acces && borne.acces.parole)
    }

    // The key tables follow the settings, the gamepad family and the device.
    onPersoTouchesChanged: {
        Commandes.regler(persoTouches)
        versionTouches += 1
    }
    onFamilleManetteChanged: {
        Commandes.choisirFamille(familleManette)
        versionTouches += 1
    }
    onSystemeChanged: appareil = Commandes.appareilDe(systeme, tele)
    onTeleChanged: appareil = Commandes.appareilDe(systeme, tele)
    Component.onCompleted: {
        Commandes.regler(persoTouches)
        if (familleManette !== "")
            Commandes.choisirFamille(familleManette)
        versionTouches += 1
    }

    property bool demarre: false

    // -- small services -------------------------------------------------------------
    function son(id) { if (sons) sons.jouer(id) }
    function musique(id) { if (sons) sons.jouerMusique(id) }
    function evenement(ev) { if (couche) couche.evenement(ev) }

    // -- scenes --------------------------------------------------------------------------
    function aller(s) {
        attract.stop()
        scene = s
        graineScene = course.nouvelleGraine()
        if (Scenes.duree(s) > 0) {
            attract.interval = Scenes.duree(s)
            attract.start()
        }
        if (Scenes.musiqueTitre(s))
            musique("titre")
        if (Scenes.horsPartie(s))
            enJeu = false
    }

    function suiteAttract() {
        var s = boucle.suite(scene, enJeu)
        if (s === "scores")
            neuf = -1
        if (s !== "")
            aller(s)
    }

    function piece() {
        monnayeur.inserer()
        son("credit")
        if (Scenes.attract(scene))
            aller("titre")
    }

    // The hidden code, opened by OK held on the title.
    function secret() {}

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
}
