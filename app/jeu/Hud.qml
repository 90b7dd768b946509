import QtQuick 2.15
import Tessimora 1.0
import "../ecran"

// The status bar of play: player, score, record and stage along the top; the
// aids left, the incense clock and the pairs left along the bottom. The duel
// uses a compact half-screen form with the pairs at the top right. A game
// without incense shows the time spent instead of the stick, and no count
// of aids, which it does not limit.
Item {
    id: hud

    property real score: 0
    property real record: 0
    property int etape: 1
    property string libelleEtape: { Langue.revision; return Langue.t("STAGE {n}", {n: chiffres(etape, 2)}) }
    // The game record shown, when there is one: the aids left and whether
    // it burns incense come from it.
    property Partie partie: null
    readonly property bool sansEncens: partie !== null && partie.sansEncens
    property int hint: partie ? partie.hint : 3
    property int mix: partie ? partie.mix : 2
    // Share of time left, 0..1.
    property real temps: 1
    property int paires: 0
    property string joueur: "1P"
    property string pandaPose: "attente"
    property bool compact: false
    property bool urgence: false
    property int multiplicateur: 1
    property bool miniPanda: false

    readonly property alias encens: encens
    readonly property alias texteScore: texteScore
    readonly property alias panda: panda
    readonly property int xHint: Math.max(34, 11 + texteHint.width)
    readonly property int xMix: Math.max(34, 11 + texteMix.width)

    width: compact ? 192 : 384
    height: 224

    // n as a whole number, never negative, padded with zeros to the size.
    function chiffres(n, taille) { return Flux.chiffres(n, taille) }

    Texte {
        x: 6
        y: 3
        texte: hud.joueur
        style: hud.joueur === "1P" ? "blanc" : "rouge"
    }
    Texte {
        id: texteScore
        x: hud.compact ? 26 : 22
        y: 3
        texte: hud.chiffres(hud.score, 7)
        style: "or"
    }
    Texte {
        id: texteRecord
        visible: !hud.compact
        x: Math.floor((384 - width) / 2)
        y: 3
        texte: { Langue.revision; return Langue.t("HI {n}", {n: hud.chiffres(hud.record, 7)}) }
    }
    Texte {
        id: texteEtape
        x: hud.width - 6 - width
        y: 3
        texte: { Langue.revision; return hud.compact ? Langue.t("PAIRS {n}", {n: hud.paires}) : hud.libelleEtape }
    }
    Texte {
        id: texteMultiplicateur
        visible: hud.multiplicateur > 1
        x: hud.width - 6 - width
        y: 12
        texte: { Langue.revision; return Langue.t("PILE \u00d7{n}", {n: hud.multiplicateur}) }
        style: "rouge"
    }
    Texte {
        id: texteHint
        x: 6
        y: 198
        texte: { Langue.revision; return Langue.t("HINT") }
    }
    Repeater {
        id: iconesHint
        model: hud.sansEncens ? 0 : Math.max(0, hud.hint)
        Image {
            x: hud.xHint + 7 * index
            y: 198
            source: Qt.resolvedUrl("../images/icone_hint.png")
            smooth: false
        }
    }
    Texte {
        id: texteMix
        x: 6
        y: 210
        texte: { Langue.revision; return Langue.t("MIX") }
    }
    Repeater {
        id: iconesMix
        model: hud.sansEncens ? 0 : Math.max(0, hud.mix)
        Image {
            x: hud.xMix + 9 * index
            y: 210
            source: Qt.resolvedUrl("../images/icone_mix.png")
            smooth: false
        }
    }
    Texte {
        id: texteTemps
        visible: !hud.compact
        x: 78
        y: 204
        texte: { Langue.revision; return Langue.t("TIME") }
        style: hud.urgence ? "rouge" : "blanc"
    }
    Encens {
        id: encens
        visible: !hud.sansEncens
        x: hud.compact ? 58 : 112
        y: 198
        longueur: hud.compact ? 100 : 160
        reste: hud.temps
        urgence: hud.urgence
    }
    // The time spent, where the stick burns in the other modes.
    Texte {
        id: texteHorloge
        visible: hud.sansEncens && !hud.compact
        x: 112
        y: 204
        texte: hud.sansEncens ? Salon.duree(hud.partie.horloge) : ""
        style: "or"
    }
    Texte {
        id: textePaires
        visible: !hud.compact
        x: 350 - width
        y: 204
        texte: { Langue.revision; return Langue.t("PAIRS {n}", {n: hud.paires}) }
    }
    Panda {
        id: panda
        visible: hud.compact || hud.miniPanda
        mini: true
        pose: hud.pandaPose
        px: hud.width - 11
        py: 224
    }
}
