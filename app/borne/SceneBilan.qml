import QtQuick 2.15
import Tessimora 1.0
import "../ecran"
import "../jeu"
import "../commun"

// The end of a TEA HOUSE stack: the time it took, the pairs cleared, the
// hints and undos used, then the best time and best score on that stack,
// a new best marked. OK (or BACK) returns to the list.
Item {
    id: scene

    // The end as TEA HOUSE's record gave it (a BilanSalon), and the stack's name.
    property var bilan: null
    property string titrePile: ""
    property var touches: ({})

    readonly property bool gagne: bilan ? bilan.gagne : false
    // SPEECH says the end and the stack, then every row as it reads.
    readonly property var annonce: {
        Langue.revision
        var dit = [titrePile]
        for (var i = 0; i < rangs.length; ++i)
            if (rangs[i][0] !== "")
                dit.push(Langue.t(rangs[i][0]) + " " + rangs[i][1])
        return [gagne ? "ALL CLEAR" : "NO MORE PAIRS", {}, dit.join(", ")]
    }

    signal sortie()
    signal son(string id)

    width: 384
    height: 224

    function action(a) {
        if (a === "ok" || a === "start" || a === "retour") {
            son("selection")
            sortie()
            return true
        }
        return false
    }

    function appui(x, y) { action("ok") }

    // Label, value and whether it is a new best, row by row.
    readonly property var rangs: {
        // T() marks each label for the key tool; the row translates it.
        function T(cle) { return cle }
        Langue.revision
        var b = bilan
        if (!b)
            return []
        var r = [[T("TIME"), Salon.duree(b.temps), false],
                 [T("PAIRS"), String(b.paires), false],
                 [T("HINT"), String(b.hint), false],
                 [T("UNDO"), String(b.undo), false]]
        if (b.meilleurTemps > 0) {
            r.push(["", "", false])
            r.push([T("BEST TIME"), Salon.duree(b.meilleurTemps), b.nouveauTemps])
            r.push([T("BEST SCORE"), String(b.meilleurScore), b.nouveauScore])
        }
        return r
    }

    Fond { mode: "temple" }
    Voile {}

    Texte {
        x: Math.floor((384 - 2 * width) / 2)
        y: 14
        scale: 2
        transformOrigin: Item.TopLeft
        texte: Langue.t(scene.gagne ? "ALL CLEAR" : "NO MORE PAIRS")
        style: scene.gagne ? "or" : "rouge"
    }
    Item {
        id: zone
        x: 84
        y: 58
        width: 216
        height: 14 * Math.max(0, scene.rangs.length - 1) + 7
        visible: scene.rangs.length > 0
    }
    Cartouche { autour: [zone, nomPile] }

    Texte {
        id: nomPile
        x: Math.floor((384 - width) / 2)
        y: 40
        texte: scene.titrePile
        style: "jade"
    }

    Repeater {
        id: lignes
        model: scene.rangs
        Item {
            id: rang
            required property int index
            required property var modelData
            y: 58 + 14 * index
            Texte {
                x: 92
                texte: rang.modelData[0] !== "" ? Langue.t(rang.modelData[0]) : ""
                style: "blanc"
            }
            Texte {
                id: valeur
                x: 292 - width
                texte: rang.modelData[1]
                style: rang.modelData[2] ? "or" : "blanc"
            }
        }
    }

    // A best this game has just set is gold, and said once more here.
    Cartouche { autour: [nouveau] }
    Clignote {
        id: nouveau
        visible: scene.bilan !== null && (scene.bilan.nouveauTemps || scene.bilan.nouveauScore)
        x: Math.floor((384 - record.width) / 2)
        y: 58 + 14 * scene.rangs.length + 6
        Texte { id: record; texte: Langue.t("NEW RECORD"); style: "or" }
    }

    Aide {
        y: 206
        x: Math.floor((384 - width) / 2)
        texte: Langue.t("{ok} OK")
        touches: scene.touches
    }

    // Read by tests.
    function ligne(k) { return lignes.itemAt(k) }
}
