import QtQuick 2.15
import Tessimora 1.0
import "../ecran"
import "../jeu"

// HIGH SCORES: the ten entries of one mode's table, best first, with the
// stage figure (or the day of a daily game); a freshly entered one blinks.
// It takes no input: the cabinet sends every action to the title.
Item {
    id: tableau
    property var table: []
    property string mode: Modes.regle(Mode.Night).table
    property int neuf: -1

    readonly property var entrees: table ? table.slice(0, Stockage.PLACES) : []

    width: 384
    height: 224

    property bool clin: true
    Timer {
        interval: 200
        repeat: true
        running: tableau.neuf >= 0 && tableau.visible
        onTriggered: tableau.clin = !tableau.clin
    }

    // A still screen: the temple stands still behind the veil, so that only
    // the title's shine, a fresh entry's blink and the panda draw frames.
    Fond { mode: "temple"; anime: false }
    Voile {}

    Grand { y: 4; nom: "ecrans_titre_high_scores"; titre: "HIGH SCORES"; reprise: 2500 }

    Texte {
        y: 38
        x: Math.floor((384 - width) / 2)
        texte: { Langue.revision; return Langue.t(Modes.nomTable(tableau.mode)) }
        style: "jade"
    }

    Repeater {
        model: tableau.entrees
        Item {
            id: entree
            required property int index
            required property var modelData
            y: 50 + 17 * index
            visible: index !== tableau.neuf || tableau.clin
            readonly property string style: index === 0 ? "or" : index >= 7 ? "gris" : "blanc"
            readonly property var colonne: Flux.colonne(modelData.date, modelData.etape)
            Anim {
                x: 92
                y: -2
                nom: "ecrans_rang"
                running: false
                currentFrame: entree.index
            }
            Texte { x: 116; y: 3; texte: entree.modelData.nom; style: parent.style }
            Texte { x: 150; y: 3; texte: Flux.chiffres(entree.modelData.score, 7); style: parent.style }
            Texte {
                x: 204
                y: 3
                texte: {
                    Langue.revision
                    return parent.colonne.date ? parent.colonne.texte
                                               : Langue.t("ST {n}", { n: parent.colonne.texte })
                }
                style: parent.style
            }
        }
    }

    // The panda waves the table in, then stands still with it.
    Panda {
        pose: "salut"
        px: 350
        py: 214
        anime: accueil.running
    }
    Timer {
        id: accueil
        interval: 2000
        running: true
    }
}
