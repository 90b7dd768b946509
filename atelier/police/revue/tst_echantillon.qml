import QtQuick 2.15
import QtTest 1.2
import Tessimora 1.0
import "qrc:/app/ecran"

// The font's specimen, for review rather than testing: every narrow glyph in
// every style, every wide glyph of each language, each language's own name
// and a few real game texts, all drawn by Texte. Run by the scene test runner
// from the folder that should receive the pictures:
//     tessimora-qmltests -input atelier/police/revue/tst_echantillon.qml
// writes specimen_etroits.png, specimen_larges.png and specimen_langues.png
// (native pixels; scale them up with `convert -scale 400%`).
Item {
    id: racine
    width: 1400
    height: 2000

    property var index: ({})
    property var catalogues: ({})
    readonly property var cles: ["NIGHT MARKET", "MOON OF THE DAY", "CONTINUE?", "GAME OVER",
        "BLOW OUT ALL THE LANTERNS?", "SCORES AND OPTIONS ARE KEPT", "PAUSE", "STAGE CLEAR"]

    function lire(chemin) {
        var r = new XMLHttpRequest()
        r.open("GET", chemin, false)
        r.send()
        return JSON.parse(r.responseText)
    }

    function morceaux(s, n) {
        var r = []
        for (var i = 0; i < s.length; i += n)
            r.push(s.substr(i, n))
        return r
    }

    Rectangle {
        id: etroits
        color: "#1a1030"
        width: 6 * 44 + 8
        height: colEtroits.height + 8
        Column {
            id: colEtroits
            x: 5; y: 8
            spacing: 8
            Repeater {
                model: Police.styles
                Column {
                    spacing: 9
                    property string style: modelData
                    Repeater {
                        model: morceaux(Police.caracteres, 44)
                        Texte { texte: modelData; style: parent.style }
                    }
                }
            }
        }
    }

    Rectangle {
        id: larges
        color: "#1a1030"
        x: 300
        width: 10 * 36 + 8
        height: colLarges.height + 8
        Column {
            id: colLarges
            x: 5; y: 8
            spacing: 8
            Repeater {
                model: ["ja", "ko", "zh-Hans", "zh-Hant"]
                Column {
                    spacing: 7
                    property string langue: modelData
                    Repeater {
                        model: racine.index.cjk ? morceaux(racine.index.cjk[parent.langue], 36) : []
                        Texte {
                            texte: modelData
                            langue: parent.langue
                            style: Police.styles[index % 5]
                        }
                    }
                }
            }
        }
    }

    Rectangle {
        id: langues
        color: "#1a1030"
        x: 680
        width: 384
        height: colLangues.height + 8
        Column {
            id: colLangues
            x: 5; y: 8
            spacing: 7
            Repeater {
                model: Langue.langues
                Column {
                    spacing: 7
                    property string code: modelData.code
                    Texte { texte: Langue.nom(parent.code); langue: parent.code; style: "or" }
                    Repeater {
                        model: racine.cles.slice(0, 3)
                        Texte {
                            texte: {
                                var c = racine.catalogues[parent.code]
                                return c && c[modelData] ? c[modelData] : modelData
                            }
                            langue: parent.code
                            style: ["blanc", "jade", "gris"][index]
                        }
                    }
                }
            }
        }
    }

    TestCase {
        name: "Specimen"
        when: windowShown

        function enregistrer(item, fichier) {
            var fait = false
            item.grabToImage(function (r) {
                r.saveToFile(fichier)
                fait = true
            })
            tryVerify(function () { return fait }, 5000)
        }

        function test_planches() {
            racine.index = racine.lire("qrc:/app/i18n/index.json")
            var c = {}
            for (var i = 0; i < Langue.langues.length; ++i) {
                var code = Langue.langues[i].code
                if (code !== "en")
                    c[code] = racine.lire("qrc:/app/i18n/" + code + ".json")
            }
            racine.catalogues = c
            wait(200)
            enregistrer(etroits, "specimen_etroits.png")
            enregistrer(larges, "specimen_larges.png")
            enregistrer(langues, "specimen_langues.png")
        }
    }
}
