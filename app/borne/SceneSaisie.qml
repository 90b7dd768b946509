import QtQuick 2.15
import Tessimora 1.0
import "../ecran"
import "../jeu"

// NEW RECORD: three initials chosen on lantern letters within 30 s. Up and
// Right step the current letter forward, Down and Left back, OK places it,
// Back returns to the previous one; a press on the grid places a character,
// one on END finishes. Positions never reached stay spaces.
Item {
    id: saisie
    property int score: 0
    property int etape: 0
    property string initiales: "PND"

    property int place: 0
    // Follows the saved initials until the player changes a letter.
    property string lettres: Flux.debutSaisie(initiales)
    property int temps: Flux.SECONDES_SAISIE
    property bool actif: true
    readonly property string courante: lettres.charAt(place)
    // SPEECH says the letter under the cursor as it changes.
    readonly property var annonce: ["", {}, courante]
    readonly property alias minuterie: seconde

    signal fini(string nom)
    signal son(string id)

    width: 384
    height: 224

    function poser(c) {
        lettres = lettres.substring(0, place) + c + lettres.substring(place + 1)
    }

    function valider() {
        son("credit")
        if (place === 2) {
            finir()
            return
        }
        var precedente = courante
        place += 1
        poser(Flux.lettreDe(initiales, place, precedente))
    }

    function finir() {
        if (!actif)
            return
        actif = false
        fini(lettres)
    }

    function action(a) {
        if (!actif)
            return true
        if (a === "haut" || a === "droite" || a === "bas" || a === "gauche") {
            poser(Flux.deplacerLettre(courante, a === "haut" || a === "droite" ? 1 : -1))
            son("selection")
            return true
        }
        if (a === "ok" || a === "start") {
            valider()
            return true
        }
        if (a === "retour") {
            if (place > 0) {
                poser(" ")
                place -= 1
                son("deselection")
            }
            return true
        }
        return false
    }

    function appui(x, y) {
        if (!actif)
            return
        var k = Flux.caseTouchee(x, y)
        if (k >= 0) {
            poser(Flux.lettre(k))
            valider()
        } else if (Flux.finTouchee(x, y)) {
            finir()
        }
    }

    Timer {
        id: seconde
        interval: 1000
        repeat: true
        running: saisie.actif
        onTriggered: {
            saisie.temps -= 1
            if (saisie.temps > 0 && saisie.temps <= 5)
                saisie.son("alerte")
            if (saisie.temps <= 0)
                saisie.finir()
        }
    }

    // The current letter blinks.
    property bool clin: true
    Timer {
        interval: 250
        repeat: true
        running: saisie.actif
        onTriggered: saisie.clin = !saisie.clin
    }

    Fond { mode: "port" }
    Voile {}

    Grand { y: 18; nom: "ecrans_titre_new_record"; titre: "NEW RECORD"; reprise: 1500 }

    Texte {
        y: 44
        x: Math.floor((384 - width) / 2)
        texte: {
            Langue.revision
            return Langue.t("{score} PTS  STAGE {n}", { score: Flux.chiffres(saisie.score, 7),
                                                       n: Flux.chiffres(saisie.etape, 2) })
        }
        style: "or"
    }

    Grand { y: 60; nom: "ecrans_titre_enter_your_name"; titre: "ENTER YOUR NAME"; reprise: 4000 }

    Repeater {
        model: 3
        Item {
            id: lettre
            required property int index
            x: 152 + 28 * index
            y: 92
            readonly property bool ici: index === saisie.place
            readonly property string c: saisie.lettres.charAt(index)
            Anim {
                nom: lettre.index <= saisie.place ? "ecrans_lettre_allumee" : "ecrans_lettre_eteinte"
            }
            Texte {
                x: 7
                y: 9
                visible: parent.c !== " " && (!parent.ici || saisie.clin || !saisie.actif)
                texte: parent.c
                style: parent.ici ? "or" : "blanc"
            }
            Anim {
                visible: parent.ici
                x: 8
                y: 28
                nom: "ecrans_braise"
            }
        }
    }

    Repeater {
        model: Flux.LETTRES
        Texte {
            required property int index
            readonly property string c: Flux.lettre(index)
            x: Flux.caseLettre(index).x
            y: Flux.caseLettre(index).y
            texte: c === " " ? "_" : c
            style: c === saisie.courante ? "or" : "gris"
        }
    }

    Texte {
        y: 182
        x: Math.floor((384 - width) / 2)
        texte: { Langue.revision; return Langue.t("END") }
        style: "blanc"
    }

    Texte {
        y: 200
        x: Math.floor((384 - width) / 2)
        texte: { Langue.revision; return Langue.t("TIME {n}", { n: Flux.chiffres(saisie.temps, 2) }) }
        style: saisie.temps <= 5 ? "rouge" : "blanc"
    }

    // Drawn last: over the veil and the texts.
    Panda {
        pose: "salut"
        px: 346
        py: 205
    }
}
