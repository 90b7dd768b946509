import QtQuick 2.15
import Tessimora 1.0
import "../ecran"
import "../jeu"

// The pause of every kind of game, over the frozen game: RESUME, the helps
// the game allows, and the exits, each exit asked again on a confirmation.
// A remote without colour keys reaches every help through here.
Item {
    id: pause

    // What the game's mode offers (RegleMode.undo, .apercu).
    property bool apercu: true
    property bool bureau: false
    // False in a two-player duel, where a help would favour one player.
    property bool aides: true
    property bool undoPermis: true
    // Player 1's board is over while the other plays on (a duel): no help.
    property bool plateauFini: false
    // Whether the game finds tiles with the FIND keys, which the sliding
    // grid has not: the help names them under the menu's own.
    property bool trouve: true
    property var touches: ({})

    property int choix: 0
    // The exit awaiting its confirmation: "", "titre" or "quitter".
    property string demande: ""

    readonly property var liste: Menus.entreesPause(bureau, aides, undoPermis, apercu, plateauFini)
    readonly property alias confirmation: confirmation
    // What SPEECH says of the entry under the cursor, as the scenes' `annonce`.
    readonly property var annonce: {
        var e = liste[Math.min(choix, liste.length - 1)]
        return e ? [e.nom] : []
    }
    // Set once the menu has said its title, so that opening it says it once.
    property bool annonceOuverte: false
    onAnnonceChanged: if (annonceOuverte && visible && demande === "") Parole.entree(annonce)

    signal reprendre()
    signal aideJoueur(string a)
    signal titre()
    signal quitter()
    signal son(string id)

    width: 384
    height: 224

    function ouvrir() {
        annonceOuverte = false
        choix = 0
        demande = ""
        Parole.scene("pause", annonce)
        annonceOuverte = true
    }

    function choisir() {
        var e = liste[Math.min(choix, liste.length - 1)]
        if (e.id === "reprendre") {
            son("deselection")
            reprendre()
        } else if (e.id === "titre" || e.id === "quitter") {
            son("selection")
            demande = e.id
            confirmation.ouvrir()
        } else {
            aideJoueur(e.id)
        }
    }

    function action(a) {
        if (demande !== "")
            return confirmation.action(a)
        var n = liste.length
        if (a === "haut" || a === "gauche") {
            choix = (choix + n - 1) % n
            son("selection")
        } else if (a === "bas" || a === "droite") {
            choix = (choix + 1) % n
            son("selection")
        } else if (a === "ok") {
            choisir()
        } else if (a === "retour" || a === "start") {
            son("deselection")
            reprendre()
        }
        return true
    }

    function appui(x, y) {
        if (demande !== "") {
            confirmation.appui(x, y)
            return
        }
        var i = Menus.entreePauseTouchee(x, y, liste.length)
        if (i < 0)
            return
        choix = i
        choisir()
    }

    // The answer clears the request first, so a NO finds the list as it was.
    function repondre(oui) {
        var d = demande
        demande = ""
        if (!oui) {
            Parole.entree(annonce)
            return
        }
        if (d === "titre")
            titre()
        else if (d === "quitter")
            quitter()
    }

    Item {
        anchors.fill: parent
        visible: pause.demande === ""

        Rectangle {
            anchors.fill: parent
            color: "#0c0618"
            opacity: 0.72
        }
        Voile {}

        Grand {
            y: 36
            nom: "effets_logo_pause"
            titre: "PAUSE"
            reprise: 3000
        }

        Repeater {
            model: pause.liste
            Item {
                id: ligne
                required property int index
                required property var modelData
                readonly property bool courante: index === pause.choix
                x: 148
                y: 70 + 13 * index
                Anim {
                    visible: parent.courante
                    x: 132 - 148
                    y: -2
                    nom: "effets_patte"
                }
                Texte {
                    texte: Langue.t(ligne.modelData.nom)
                    style: parent.courante ? "or" : "blanc"
                }
            }
        }

        Aide {
            y: 172
            x: Math.floor((384 - width) / 2)
            texte: Langue.t("{haut} {bas} CHOOSE   {ok} OK   {retour} RESUME")
            touches: pause.touches
        }
        Aide {
            visible: pause.trouve
            // Below the first line's backing, which it would otherwise clip.
            y: 188
            x: Math.floor((384 - width) / 2)
            texte: Langue.t("{trouver} FIND TILE   {trouverPaire} FIND PAIR")
            touches: pause.touches
        }
    }

    Confirmation {
        id: confirmation
        visible: pause.demande !== ""
        question: pause.demande === "quitter" ? Langue.t("BLOW OUT ALL THE LANTERNS?")
                                              : Langue.t("LEAVE THE NIGHT MARKET?")
        detail: pause.demande === "quitter" ? Langue.t("SCORES AND OPTIONS ARE KEPT")
                                            : Langue.t("THIS GAME WILL BE LOST")
        touches: pause.touches
        onSon: function (id) { pause.son(id) }
        onReponse: function (oui) { pause.repondre(oui) }
    }
}
