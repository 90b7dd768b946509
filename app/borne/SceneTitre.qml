import QtQuick 2.15
import Tessimora 1.0
import "../ecran"
import "../jeu"

// The title: logo, a small stack of tiles with the waving panda, and
// INSERT COIN or PUSH START.
Item {
    id: titre
    property int credits: 0
    property bool freePlay: true
    property bool bureau: false
    property var touches: ({})
    readonly property bool peutJouer: freePlay || credits > 0
    // Under the quit question: everything stands still behind its veil.
    property bool couverte: false
    readonly property alias panda: pandaSalut

    width: 384
    height: 224

    Fond { mode: "marche"; anime: !titre.couverte }

    Grand { y: 18; nom: "ecrans_logo"; reprise: invite.calme ? 0 : 3200 }
    Grand {
        y: 60
        nom: "ecrans_titre_arcade_mahjong"
        titre: "ARCADE MAHJONG"
        reprise: invite.calme ? 0 : 5000
    }

    Repeater {
        model: [31, 9, 18, 27, 7, 34, 39]
        Image {
            required property int index
            required property int modelData
            x: 132 + 16 * index
            y: 150
            source: "../images/tuiles/0_" + modelData + ".png"
            smooth: false
        }
    }
    Repeater {
        model: [9, 18, 27, 7]
        Image {
            required property int index
            required property int modelData
            x: 161 + 16 * index
            y: 130
            source: "../images/tuiles/1_" + modelData + ".png"
            smooth: false
        }
    }

    Anim {
        id: pandaSalut
        nom: "ecrans_panda2_salut"
        paused: titre.couverte
        x: 274 - origineX
        y: 174 - origineY
    }

    Clignote {
        id: invite
        // Read here: inside a title, `titre` is the title's own key.
        readonly property bool jouable: titre.peutJouer
        readonly property bool calme: titre.couverte
        y: 170
        width: 384
        height: 20
        periode: 1000
        actif: !titre.couverte
        Grand {
            visible: !invite.jouable
            nom: "ecrans_titre_insert_coin"
            titre: "INSERT COIN"
            reprise: invite.calme ? 0 : 2000
        }
        Grand {
            visible: invite.jouable
            nom: "ecrans_titre_push_start"
            titre: "PUSH START"
            reprise: invite.calme ? 0 : 2000
        }
    }

    Texte {
        y: 199
        x: Math.floor((384 - width) / 2)
        texte: { Langue.revision; return Langue.t(titre.freePlay ? "FREE PLAY" : "1 COIN 1 PLAY") }
        style: titre.freePlay ? "jade" : "blanc"
    }

    Anim {
        visible: !titre.freePlay
        nom: "effets_piece"
        paused: titre.couverte
        x: 318
        y: 210
    }

    Texte {
        visible: !titre.freePlay
        y: 212
        x: 384 - 6 - width
        texte: { Langue.revision; return Langue.t("CREDIT {n}", { n: titre.credits }) }
        style: "blanc"
    }

    Aide {
        visible: titre.bureau
        x: 6
        y: 212
        texte: Langue.t("{retour} QUIT")
        touches: titre.touches
    }
}
